#include "win32/NativeWindow.h"

#include "win32/NativeGdi.h"

namespace decalia::win32 {
namespace {

constexpr const char* kClassName = "DecaliaForm";

int LowSigned(LPARAM value) { return static_cast<short>(LOWORD(value)); }
int HighSigned(LPARAM value) { return static_cast<short>(HIWORD(value)); }

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void RegisterFormClass() {
    static const bool registered = [] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = FormProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
        windowClass.lpszClassName = kClassName;
        return RegisterClassExA(&windowClass) != 0;
    }();
    (void)registered;
}

HCURSOR CursorFrom(const CursorPixels& cursor) {
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof(header);
    header.bV5Width = cursor.width;
    header.bV5Height = -cursor.height;
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (colour == nullptr) return nullptr;
    const auto count = static_cast<std::size_t>(cursor.width) * static_cast<std::size_t>(cursor.height);
    std::copy(cursor.pixels, cursor.pixels + count, static_cast<std::uint32_t*>(bits));
    HBITMAP mask = CreateBitmap(cursor.width, cursor.height, 1, 1, nullptr);
    ICONINFO info{};
    info.fIcon = FALSE;
    info.xHotspot = static_cast<DWORD>(cursor.hotspotX);
    info.yHotspot = static_cast<DWORD>(cursor.hotspotY);
    info.hbmMask = mask;
    info.hbmColor = colour;
    HCURSOR made = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return made;
}

// Over the window or one of its children.
bool PointerOver(HWND window) {
    POINT at{};
    GetCursorPos(&at);
    HWND under = WindowFromPoint(at);
    return under != nullptr && (under == window || IsChild(window, under));
}

}  // namespace

struct NativeWindow::Impl {
    explicit Impl(NativeWindow& native) : owner(native) {}
    NativeWindow& owner;
    HWND window = nullptr;
    HCURSOR cursor = nullptr;
    bool leaveTracked = false;
    int buttonsDown = 0;

    void Pressed(WPARAM keys, LPARAM point, Button button) {
        if (buttonsDown++ == 0) SetCapture(window);
        owner.Input().ButtonPressed(LowSigned(point), HighSigned(point), button, KeysOf(keys));
    }
    void Released(WPARAM keys, LPARAM point, Button button) {
        if (buttonsDown > 0 && --buttonsDown == 0 && GetCapture() == window) ReleaseCapture();
        owner.Input().ButtonReleased(LowSigned(point), HighSigned(point), button, KeysOf(keys));
    }
    void Moved(WPARAM keys, LPARAM point) {
        if (!leaveTracked) {
            TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, window, 0};
            leaveTracked = TrackMouseEvent(&track) != FALSE;
        }
        owner.Input().PointerMoved(LowSigned(point), HighSigned(point), KeysOf(keys));
    }
    void Paint() {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window, &paint);
        RECT client{};
        GetClientRect(window, &client);
        // Drawn off the screen first, so nothing flickers.
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP pixels = CreateCompatibleBitmap(dc, client.right, client.bottom);
        const HGDIOBJ previous = SelectObject(memory, pixels);
        FillRect(memory, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        PaintInto(memory, owner.Input().Paint());
        BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        DeleteObject(pixels);
        DeleteDC(memory);
        EndPaint(window, &paint);
    }

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) {
        WindowInput& input = owner.Input();
        switch (message) {
        case WM_PAINT: Paint(); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_MOUSEMOVE: Moved(wParam, lParam); return 0;
        case WM_LBUTTONDOWN: Pressed(wParam, lParam, Button::Left); return 0;
        case WM_RBUTTONDOWN: Pressed(wParam, lParam, Button::Right); return 0;
        case WM_MBUTTONDOWN: Pressed(wParam, lParam, Button::Middle); return 0;
        case WM_LBUTTONUP: Released(wParam, lParam, Button::Left); return 0;
        case WM_RBUTTONUP: Released(wParam, lParam, Button::Right); return 0;
        case WM_MBUTTONUP: Released(wParam, lParam, Button::Middle); return 0;
        case WM_LBUTTONDBLCLK:
            input.DoubleClicked(LowSigned(lParam), HighSigned(lParam), Button::Left, KeysOf(wParam));
            return 0;
        case WM_CAPTURECHANGED: buttonsDown = 0; return 0;
        case WM_MOUSELEAVE:
            leaveTracked = false;
            if (!PointerOver(window)) input.PointerLeft();
            return 0;
        case WM_CHAR: input.CharacterTyped(static_cast<char>(wParam)); return 0;
        case WM_SETCURSOR:
            if (cursor != nullptr && LOWORD(lParam) == HTCLIENT &&
                reinterpret_cast<HWND>(wParam) == window) {
                ::SetCursor(cursor);
                return TRUE;
            }
            break;
        case WM_CLOSE: return 0;  // closed through the form's own buttons only
        default: break;
        }
        LRESULT routed = 0;
        if (RouteToChild(message, wParam, lParam, routed)) return routed;
        return DefWindowProcA(window, message, wParam, lParam);
    }
};

namespace {

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* impl = static_cast<NativeWindow::Impl*>(
            reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        impl->window = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(impl));
    }
    auto* impl = reinterpret_cast<NativeWindow::Impl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (impl == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    return Guarded([&] { return impl->Handle(message, wParam, lParam); });
}

}  // namespace

NativeWindow::NativeWindow(WindowInput& input)
    : input_(input), impl_(std::make_unique<Impl>(*this)) {
    RegisterFormClass();
    CreateWindowExA(WS_EX_APPWINDOW, kClassName, "Decalia", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 1,
                    1, nullptr, nullptr, GetModuleHandleA(nullptr), impl_.get());
}

NativeWindow::~NativeWindow() {
    if (impl_->window != nullptr) {
        SetWindowLongPtrA(impl_->window, GWLP_USERDATA, 0);
        DestroyWindow(impl_->window);
    }
    if (impl_->cursor != nullptr) DestroyCursor(impl_->cursor);
}

NativeHandle NativeWindow::Handle() const { return AsHandle(impl_->window); }

void NativeWindow::Place(const Rect& rect) {
    SetWindowPos(impl_->window, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect NativeWindow::Placement() const {
    RECT rect{};
    GetWindowRect(impl_->window, &rect);
    return FromRect(rect);
}

void NativeWindow::Shape(const std::vector<Rect>& rects) {
    if (rects.empty()) {
        SetWindowRgn(impl_->window, nullptr, TRUE);
        return;
    }
    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* region = reinterpret_cast<RGNDATA*>(data.data());
    region->rdh.dwSize = sizeof(RGNDATAHEADER);
    region->rdh.iType = RDH_RECTANGLES;
    region->rdh.nCount = static_cast<DWORD>(rects.size());
    region->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    RECT bounds = AsRect(rects.front());
    auto* out = reinterpret_cast<RECT*>(region->Buffer);
    for (std::size_t at = 0; at < rects.size(); ++at) {
        out[at] = AsRect(rects[at]);
        UnionRect(&bounds, &bounds, &out[at]);
    }
    region->rdh.rcBound = bounds;
    HRGN shape = ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), region);
    // The window owns the region from here on.
    if (shape != nullptr && SetWindowRgn(impl_->window, shape, TRUE) == 0) DeleteObject(shape);
}

std::optional<std::vector<Rect>> NativeWindow::RealShape() const {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    std::optional<std::vector<Rect>> rects;
    if (GetWindowRgn(impl_->window, region) != ERROR) {
        const DWORD size = GetRegionData(region, 0, nullptr);
        std::vector<BYTE> data(size);
        auto* header = reinterpret_cast<RGNDATA*>(data.data());
        if (size >= sizeof(RGNDATAHEADER) && GetRegionData(region, size, header) == size) {
            const auto* rect = reinterpret_cast<const RECT*>(header->Buffer);
            rects.emplace();
            for (DWORD at = 0; at < header->rdh.nCount; ++at) rects->push_back(FromRect(rect[at]));
        }
    }
    DeleteObject(region);
    return rects;
}

void NativeWindow::Show() {
    if (!IsWindowVisible(impl_->window)) ShowWindow(impl_->window, SW_SHOW);
    SetForegroundWindow(impl_->window);
}

void NativeWindow::Hide() { ShowWindow(impl_->window, SW_HIDE); }

bool NativeWindow::Shown() const { return IsWindowVisible(impl_->window) != FALSE; }

void NativeWindow::Enable(bool enable) {
    if ((IsWindowEnabled(impl_->window) != FALSE) != enable) EnableWindow(impl_->window, enable);
}

void NativeWindow::TakeFocus() {
    if (GetFocus() != impl_->window) SetFocus(impl_->window);
}

bool NativeWindow::HasFocus() const { return GetFocus() == impl_->window; }

void NativeWindow::SetCursor(const CursorPixels* cursor) {
    if (impl_->cursor != nullptr) DestroyCursor(impl_->cursor);
    impl_->cursor = cursor != nullptr ? CursorFrom(*cursor) : nullptr;
}

void NativeWindow::PaintNow(const Rect& area) {
    const RECT rect = AsRect(area);
    RedrawWindow(impl_->window, &rect, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void NativeWindow::Invalidate() { InvalidateRect(impl_->window, nullptr, FALSE); }

std::pair<int, int> NativeWindow::RunMoveLoop() {
    const Rect before = Placement();
    POINT at{};
    GetCursorPos(&at);
    impl_->buttonsDown = 0;
    ReleaseCapture();
    // DefWindowProc runs the system's move loop until the button is let go.
    SendMessageA(impl_->window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
    const Rect after = Placement();
    return {after.left - before.left, after.top - before.top};
}

}  // namespace decalia::win32
