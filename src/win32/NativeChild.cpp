#include "win32/NativeChild.h"

#include "win32/NativeGdi.h"  // <windows.h> before <commctrl.h>

#include <commctrl.h>

#include "win32/NativeShell.h"
#include "win32/NativeWindow.h"

namespace decalia::win32 {
namespace {

// Room below a combo box for its drop-down list.
constexpr int kDropDownHeight = 240;

struct Creation {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

Creation CreationOf(ChildKind kind) {
    switch (kind) {
    case ChildKind::Edit: return {"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ChildKind::List:
        return {"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE};
    case ChildKind::Combo: return {"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0};
    case ChildKind::ComboList: return {"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0};
    case ChildKind::ScrollBar: return {"SCROLLBAR", SBS_HORZ, 0};
    case ChildKind::Option: return {"BUTTON", BS_AUTORADIOBUTTON, 0};
    case ChildKind::Check: return {"BUTTON", BS_AUTOCHECKBOX, 0};
    }
    return {"STATIC", 0, 0};
}

bool IsTyping(ChildKind kind) { return kind == ChildKind::Edit || kind == ChildKind::Combo; }
bool IsChoice(ChildKind kind) { return kind == ChildKind::Option || kind == ChildKind::Check; }

LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                           UINT_PTR, DWORD_PTR data);

}  // namespace

struct NativeChild::Impl {
    Impl(NativeChild& child, NativeWindow& parent, ChildInput& events)
        : owner(child), form(parent), input(events) {}
    NativeChild& owner;
    NativeWindow& form;
    ChildInput& input;
    HWND window = nullptr;
    HWND typing = nullptr;  // the window that takes the characters
    bool coloured = false;
    Color textColor = 0;
    Color backColor = 0;
    bool syncing = false;
    // A list follows the pointer from press to release and only then says
    // which line was chosen: until then the runtime's line is not shown.
    bool tracking = false;
    // A scroll bar running from a higher to a lower value shows it mirrored.
    bool reversed = false;
    int scrollMin = 0;
    int scrollMax = 0;
    std::vector<std::string> lines;

    int ShownPosition(int value) const { return reversed ? scrollMin + scrollMax - value : value; }

    void PushSelection() {
        if (syncing || !IsTyping(owner.Kind())) return;
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(typing, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        input.SelectionMoved(static_cast<int>(start), static_cast<int>(end - start));
    }

    // A mouse message of the control as the form's window would have it.
    void ForwardMouse(HWND from, UINT message, WPARAM wParam, LPARAM lParam) {
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        MapWindowPoints(from, AsHwnd(form.Handle()), &at, 1);
        WindowInput& to = form.Input();
        const KeyState keys = KeysOf(wParam);
        switch (message) {
        case WM_MOUSEMOVE: to.PointerMoved(at.x, at.y, keys); break;
        case WM_LBUTTONDOWN: to.ButtonPressed(at.x, at.y, Button::Left, keys); break;
        case WM_RBUTTONDOWN: to.ButtonPressed(at.x, at.y, Button::Right, keys); break;
        case WM_LBUTTONUP: to.ButtonReleased(at.x, at.y, Button::Left, keys); break;
        case WM_RBUTTONUP: to.ButtonReleased(at.x, at.y, Button::Right, keys); break;
        case WM_LBUTTONDBLCLK: to.DoubleClicked(at.x, at.y, Button::Left, keys); break;
        default: break;
        }
    }

    // Delete as the runtime knows it: Backspace over a selection.
    void DeleteForward() {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(typing, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        if (start == end) SendMessageA(typing, EM_SETSEL, start, start + 1);
        PushSelection();
        SendMessageA(typing, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        if (end > start) input.Typed('\b');
    }

    // Ctrl+A, Ctrl+C, Ctrl+X and Ctrl+V as the edit control would do them,
    // with every change of the text made by the runtime.
    bool ClipboardKey(char key) {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(typing, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        switch (key) {
        case '\x01':
            SendMessageA(typing, EM_SETSEL, 0, -1);
            PushSelection();
            return true;
        case '\x03': SendMessageA(typing, WM_COPY, 0, 0); return true;
        case '\x18':
            SendMessageA(typing, WM_COPY, 0, 0);
            if (end > start) input.Typed('\b');
            return true;
        case '\x16':
            for (const char character : ClipboardText())
                if (static_cast<unsigned char>(character) >= 0x20 && character != '\x7f')
                    input.Typed(character);
            return true;
        default: return false;
        }
    }

    void PressCentre() {
        RECT rect{};
        GetClientRect(window, &rect);
        const LPARAM centre = MAKELPARAM(rect.right / 2, rect.bottom / 2);
        ForwardMouse(window, WM_LBUTTONDOWN, MK_LBUTTON, centre);
        ForwardMouse(window, WM_LBUTTONUP, 0, centre);
    }

    LRESULT Handle(HWND from, UINT message, WPARAM wParam, LPARAM lParam) {
        const ChildKind kind = owner.Kind();
        switch (message) {
        case WM_CHAR:
            if (IsTyping(kind)) {
                PushSelection();
                if (ClipboardKey(static_cast<char>(wParam))) return 0;
            }
            input.Typed(static_cast<char>(wParam));
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_DELETE && IsTyping(kind)) {
                DeleteForward();
                return 0;
            }
            if (wParam == VK_SPACE && IsChoice(kind)) {
                PressCentre();
                return 0;
            }
            break;
        case WM_KEYUP:
            if (wParam == VK_SPACE && IsChoice(kind)) return 0;
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_LBUTTONDBLCLK:
            // The runtime decides what a click on an option or a check box does.
            if (IsChoice(kind)) {
                ForwardMouse(from, message, wParam, lParam);
                return 0;
            }
            if (kind == ChildKind::ScrollBar || kind == ChildKind::Combo ||
                kind == ChildKind::ComboList) {
                // These run loops of their own that take the release (thumb
                // tracking, the drop-down): a press handed on would stay down.
                return DefSubclassProc(from, message, wParam, lParam);
            }
            {
                // The control's own handling first: a list reports the line
                // chosen before the runtime, told of the click, is followed
                // again (which would otherwise put the old line back).
                if (message == WM_LBUTTONDOWN && kind == ChildKind::List) tracking = true;
                const LRESULT result = DefSubclassProc(from, message, wParam, lParam);
                if (message == WM_LBUTTONUP) tracking = false;
                PushSelection();
                if (kind != ChildKind::List || message != WM_LBUTTONDBLCLK)
                    ForwardMouse(from, message, wParam, lParam);
                return result;
            }
        case WM_MOUSEMOVE: {
            const LRESULT result = DefSubclassProc(from, message, wParam, lParam);
            if ((wParam & MK_LBUTTON) != 0) PushSelection();
            ForwardMouse(from, message, wParam, lParam);
            return result;
        }
        case WM_SETFOCUS: {
            const LRESULT result = DefSubclassProc(from, message, wParam, lParam);
            if (!syncing) input.Focused();
            return result;
        }
        case WM_CAPTURECHANGED:
            tracking = false;
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(from, ChildProc, 1);
            break;
        default: break;
        }
        const LRESULT result = DefSubclassProc(from, message, wParam, lParam);
        if (message == WM_KEYDOWN && IsTyping(kind)) PushSelection();
        return result;
    }

    void Notified(unsigned code) {
        if (syncing) return;
        const ChildKind kind = owner.Kind();
        if (kind == ChildKind::List) {
            const auto line = static_cast<int>(SendMessageA(window, LB_GETCURSEL, 0, 0));
            if (code == LBN_SELCHANGE && line >= 0) input.LineChosen(line);
            if (code == LBN_DBLCLK && line >= 0) {
                const DWORD at = GetMessagePos();
                POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
                ScreenToClient(AsHwnd(form.Handle()), &point);
                input.LineDoubleClicked(line, point.x, point.y);
            }
        } else if (kind == ChildKind::Combo || kind == ChildKind::ComboList) {
            const auto line = static_cast<int>(SendMessageA(window, CB_GETCURSEL, 0, 0));
            if (code == CBN_SELCHANGE && line >= 0) input.LineChosen(line);
        }
    }

    void Scrolled(unsigned code) {
        if (syncing || code == SB_THUMBTRACK || code == SB_ENDSCROLL) return;
        int position = 0;
        if (code == SB_THUMBPOSITION) {
            SCROLLINFO info{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
            GetScrollInfo(window, SB_CTL, &info);
            position = ShownPosition(info.nTrackPos);
        }
        // A mirrored bar's left is the runtime's right.
        if (reversed && code <= SB_PAGERIGHT) code ^= 1u;
        input.Scrolled(code, position);
    }
};

namespace {

NativeChild::Impl* ImplOf(HWND window) {
    if (window == nullptr) return nullptr;
    return reinterpret_cast<NativeChild::Impl*>(GetPropA(window, "DecaliaChild"));
}

LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR data) {
    auto* impl = reinterpret_cast<NativeChild::Impl*>(data);
    return Guarded([&] { return impl->Handle(window, message, wParam, lParam); });
}

void Attach(HWND window, NativeChild::Impl* impl) {
    SetPropA(window, "DecaliaChild", impl);
    SetWindowSubclass(window, ChildProc, 1, reinterpret_cast<DWORD_PTR>(impl));
}

}  // namespace

bool RouteToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    NativeChild::Impl* child = ImplOf(reinterpret_cast<HWND>(lParam));
    if (child == nullptr) return false;
    switch (message) {
    case WM_COMMAND: child->Notified(HIWORD(wParam)); result = 0; return true;
    case WM_HSCROLL: child->Scrolled(LOWORD(wParam)); result = 0; return true;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: {
        if (!child->coloured) return false;
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, child->textColor);
        SetBkColor(dc, child->backColor);
        result = reinterpret_cast<LRESULT>(BrushFor(child->backColor));
        return true;
    }
    default: return false;
    }
}

NativeChild::NativeChild(NativeWindow& form, ChildKind kind, ChildInput& input)
    : kind_(kind), impl_(std::make_unique<Impl>(*this, form, input)) {
    const Creation creation = CreationOf(kind);
    impl_->window = CreateWindowExA(creation.exStyle, creation.className, "",
                                    WS_CHILD | WS_TABSTOP | creation.style, 0, 0, 1, 1,
                                    AsHwnd(form.Handle()), nullptr, GetModuleHandleA(nullptr),
                                    nullptr);
    impl_->typing = impl_->window;
    if (kind == ChildKind::Combo) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        if (GetComboBoxInfo(impl_->window, &info) && info.hwndItem != nullptr)
            impl_->typing = info.hwndItem;
    }
    Attach(impl_->window, impl_.get());
    if (impl_->typing != impl_->window) Attach(impl_->typing, impl_.get());
}

NativeChild::~NativeChild() {
    if (impl_->typing != impl_->window) RemovePropA(impl_->typing, "DecaliaChild");
    RemovePropA(impl_->window, "DecaliaChild");
    RemoveWindowSubclass(impl_->typing, ChildProc, 1);
    RemoveWindowSubclass(impl_->window, ChildProc, 1);
    DestroyWindow(impl_->window);
}

NativeHandle NativeChild::Handle() const { return AsHandle(impl_->window); }
NativeHandle NativeChild::TypingHandle() const { return AsHandle(impl_->typing); }

void NativeChild::Place(const Rect& rect) {
    const bool combo = kind_ == ChildKind::Combo || kind_ == ChildKind::ComboList;
    const int height = rect.Height() + (combo ? kDropDownHeight : 0);
    RECT now{};
    GetWindowRect(impl_->window, &now);
    MapWindowPoints(nullptr, GetParent(impl_->window), reinterpret_cast<POINT*>(&now), 2);
    if (combo) now.bottom = now.top + height;
    if (FromRect(now) == Rect{rect.left, rect.top, rect.right, rect.top + height}) return;
    SetWindowPos(impl_->window, nullptr, rect.left, rect.top, rect.Width(), height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (combo) {
        // The closed box takes the control's height.
        SendMessageA(impl_->window, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                     std::max(1, rect.Height() - 6));
    }
}

void NativeChild::SetVisible(bool visible) {
    if ((IsWindowVisible(impl_->window) != FALSE) != visible)
        ShowWindow(impl_->window, visible ? SW_SHOWNA : SW_HIDE);
}

void NativeChild::SetEnabled(bool enabled) {
    if ((IsWindowEnabled(impl_->window) != FALSE) != enabled) EnableWindow(impl_->window, enabled);
}

void NativeChild::SetFont(const NativeFont& font) {
    HFONT handle = FontFor(font);
    if (reinterpret_cast<HFONT>(SendMessageA(impl_->window, WM_GETFONT, 0, 0)) != handle)
        SendMessageA(impl_->window, WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
}

void NativeChild::SetColours(Color text, Color back) {
    if (impl_->coloured && impl_->textColor == text && impl_->backColor == back) return;
    impl_->coloured = true;
    impl_->textColor = text;
    impl_->backColor = back;
    InvalidateRect(impl_->window, nullptr, TRUE);
}

void NativeChild::SetText(const std::string& text) {
    const int length = GetWindowTextLengthA(impl_->typing);
    std::string shown(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(impl_->typing, shown.data(), length + 1);
    shown.resize(static_cast<std::size_t>(length));
    if (shown == text) return;
    impl_->syncing = true;
    SetWindowTextA(impl_->typing, text.c_str());
    // Typing into a combo box goes on at the end of its text.
    if (kind_ == ChildKind::Combo)
        SendMessageA(impl_->typing, EM_SETSEL, text.size(), static_cast<LPARAM>(text.size()));
    impl_->syncing = false;
}

void NativeChild::SetSelection(int start, int length) {
    DWORD from = 0;
    DWORD to = 0;
    SendMessageA(impl_->typing, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                 reinterpret_cast<LPARAM>(&to));
    if (static_cast<int>(from) == start && static_cast<int>(to) == start + length) return;
    SendMessageA(impl_->typing, EM_SETSEL, static_cast<WPARAM>(start),
                 static_cast<LPARAM>(start + length));
}

void NativeChild::SetLines(const std::vector<std::string>& lines) {
    if (lines == impl_->lines) return;
    impl_->lines = lines;
    const bool list = kind_ == ChildKind::List;
    impl_->syncing = true;
    SendMessageA(impl_->window, list ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0);
    for (const std::string& line : lines)
        SendMessageA(impl_->window, list ? LB_ADDSTRING : CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(line.c_str()));
    impl_->syncing = false;
}

void NativeChild::SetCurrentLine(int line) {
    const bool list = kind_ == ChildKind::List;
    if (impl_->tracking) return;
    if (SendMessageA(impl_->window, list ? LB_GETCURSEL : CB_GETCURSEL, 0, 0) == line) return;
    impl_->syncing = true;
    SendMessageA(impl_->window, list ? LB_SETCURSEL : CB_SETCURSEL, static_cast<WPARAM>(line), 0);
    impl_->syncing = false;
}

void NativeChild::SetScroll(int min, int max, int value) {
    impl_->reversed = max < min;
    impl_->scrollMin = min;
    impl_->scrollMax = max;
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_POS | SIF_PAGE, std::min(min, max),
                    std::max(min, max), 0, impl_->ShownPosition(value), 0};
    SCROLLINFO now{sizeof(SCROLLINFO), SIF_RANGE | SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(impl_->window, SB_CTL, &now);
    if (now.nMin == info.nMin && now.nMax == info.nMax && now.nPos == info.nPos) return;
    SetScrollInfo(impl_->window, SB_CTL, &info, TRUE);
}

void NativeChild::SetCheck(int state) {
    if (kind_ == ChildKind::Check) {
        // Only a three-state box shows the grayed value.
        const LONG style = GetWindowLongA(impl_->window, GWL_STYLE) & 0x0F;
        const LONG wanted = state == 2 ? BS_AUTO3STATE : BS_AUTOCHECKBOX;
        if (style != wanted) SendMessageA(impl_->window, BM_SETSTYLE, static_cast<WPARAM>(wanted), TRUE);
    }
    const WPARAM check = state == 2 ? BST_INDETERMINATE : state != 0 ? BST_CHECKED : BST_UNCHECKED;
    if (static_cast<WPARAM>(SendMessageA(impl_->window, BM_GETCHECK, 0, 0)) != check)
        SendMessageA(impl_->window, BM_SETCHECK, check, 0);
}

void NativeChild::TakeFocus() {
    if (GetFocus() == impl_->typing) return;
    impl_->syncing = true;
    SetFocus(impl_->typing);
    impl_->syncing = false;
}

bool NativeChild::HasFocus() const {
    HWND focus = GetFocus();
    return focus == impl_->window || focus == impl_->typing;
}

}  // namespace decalia::win32
