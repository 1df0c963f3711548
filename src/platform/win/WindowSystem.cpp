#include "platform/win/WindowSystem.h"

#include "platform/gdi/Font.h"
#include "platform/text/Text.h"
#include "platform/win/WindowRecord.h"

#include <algorithm>

namespace win {

namespace {

constexpr const char* kDesktopClass = "#32769";

bool SameName(std::string_view a, std::string_view b) {
    return decalia::text::EqualsNoCase(a, b);
}

int OrZero(int value) { return value == CW_USEDEFAULT ? 0 : value; }

}  // namespace

WindowSystem::WindowSystem(DesktopPort& desktop) : desktop_(desktop) {
    const WNDPROC defProc = RegisterWindowProc(
        [this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
            return DefWindowProcA(window, message, wParam, lParam);
        });
    RegisterClassA(kDesktopClass, defProc);
    RegisterClassA(TOOLTIPS_CLASSA,
                   RegisterWindowProc([this](HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
                       return TooltipProc(window, message, wParam, lParam);
                   }));
    desktopWindow_ = CreateWindowExA(0, kDesktopClass, "", WS_VISIBLE, 0, 0, 0, 0, 0);
    SetScreenDpi(desktop_.DotsPerInch());
}

WindowSystem::~WindowSystem() {
    for (const auto& [handle, window] : windows_) {
        if (window->region) {
            DeleteObject(window->region);
        }
    }
}

WNDPROC WindowSystem::RegisterWindowProc(WindowProc proc) {
    const WNDPROC id = nextProc_++;
    procs_[id] = std::make_shared<const WindowProc>(std::move(proc));
    return id;
}

void WindowSystem::UnregisterWindowProc(WNDPROC proc) { procs_.erase(proc); }

bool WindowSystem::RegisterClassA(std::string_view className, WNDPROC proc) {
    return classes_.emplace(decalia::text::UCase(className), proc).second;
}

std::shared_ptr<const WindowProc> WindowSystem::Procedure(WNDPROC proc) const {
    const auto found = procs_.find(proc);
    return found == procs_.end() ? nullptr : found->second;
}

WindowSystem::Window* WindowSystem::Find(HWND window) {
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : found->second.get();
}

const WindowSystem::Window* WindowSystem::Find(HWND window) const {
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : found->second.get();
}

HWND WindowSystem::CreateWindowExA(DWORD exStyle, std::string_view className,
                                   std::string_view windowName, DWORD style, int x, int y,
                                   int width, int height, HWND parent) {
    const auto found = classes_.find(decalia::text::UCase(className));
    if (found == classes_.end() || (parent != 0 && Find(parent) == nullptr)) {
        return 0;
    }
    auto window = std::make_unique<Window>();
    window->handle = nextWindow_++;
    window->parent = parent;
    window->className = std::string(className);
    window->text = std::string(windowName);
    window->style = style;
    window->exStyle = exStyle;
    window->rect = RECT{OrZero(x), OrZero(y), OrZero(x) + OrZero(width),
                        OrZero(y) + OrZero(height)};
    window->visible = (style & WS_VISIBLE) != 0;
    window->proc = found->second;
    const HWND handle = window->handle;
    windows_.emplace(handle, std::move(window));
    if (parent != 0) {
        Find(parent)->children.push_back(handle);
    }
    if (SameName(className, TOOLTIPS_CLASSA)) {
        tooltips_.emplace(handle, TooltipState{});
    }
    return handle;
}

bool WindowSystem::DestroyWindow(HWND window) {
    const Window* record = Find(window);
    if (record == nullptr || record->destroying || window == desktopWindow_) {
        return false;
    }
    DestroyTree(window);
    return true;
}

void WindowSystem::DestroyTree(HWND window) {
    Window* record = Find(window);
    if (record == nullptr || record->destroying) {
        return;
    }
    record->destroying = true;
    record->visible = false;
    SendMessageA(window, WM_DESTROY, 0, 0);
    const std::vector<HWND> children = Find(window)->children;
    for (const HWND child : children) {
        DestroyTree(child);
    }
    SendMessageA(window, WM_NCDESTROY, 0, 0);
    Forget(window);
}

void WindowSystem::Forget(HWND window) {
    Window* record = Find(window);
    if (Window* parent = Find(record->parent)) {
        std::erase(parent->children, window);
    }
    if (record->region) {
        DeleteObject(record->region);
    }
    if (capture_ == window) {
        capture_ = 0;
    }
    if (focus_ == window) {
        focus_ = 0;
    }
    if (pointer_ == window) {
        pointer_ = 0;
    }
    std::erase(leaveTracked_, window);
    std::erase_if(posted_, [window](const Posted& post) { return post.window == window; });
    if (const auto tip = tooltips_.find(window); tip != tooltips_.end()) {
        if (tip->second.shownTool != 0) {
            desktop_.HideTooltip(window);
        }
        tooltips_.erase(tip);
    }
    for (auto& [tooltip, state] : tooltips_) {
        std::erase_if(state.tools,
                      [window](const ToolEntry& tool) { return tool.toolWindow == window; });
        if (state.shownTool == window) {
            state.shownTool = 0;
            desktop_.HideTooltip(tooltip);
        }
    }
    windows_.erase(window);
}

bool WindowSystem::IsWindow(HWND window) const {
    const Window* record = Find(window);
    return record != nullptr;
}

HWND WindowSystem::GetParent(HWND window) const {
    const Window* record = Find(window);
    return record == nullptr ? 0 : record->parent;
}

HWND WindowSystem::GetAncestorRoot(HWND window) const {
    const Window* record = Find(window);
    while (record != nullptr && record->parent != 0) {
        record = Find(record->parent);
    }
    return record == nullptr ? 0 : record->handle;
}

std::vector<HWND> WindowSystem::Children(HWND window) const {
    const Window* record = Find(window);
    return record == nullptr ? std::vector<HWND>{} : record->children;
}

std::string WindowSystem::GetClassNameA(HWND window) const {
    const Window* record = Find(window);
    return record == nullptr ? std::string() : record->className;
}

std::string WindowSystem::GetWindowTextA(HWND window) const {
    const Window* record = Find(window);
    return record == nullptr ? std::string() : record->text;
}

bool WindowSystem::SetWindowTextA(HWND window, std::string_view text) {
    Window* record = Find(window);
    if (record == nullptr) {
        return false;
    }
    record->text = std::string(text);
    return true;
}

DWORD WindowSystem::GetWindowStyle(HWND window) const {
    const Window* record = Find(window);
    return record == nullptr ? 0 : record->style;
}

bool WindowSystem::MoveWindow(HWND window, int x, int y, int width, int height, bool) {
    Window* record = Find(window);
    if (record == nullptr) {
        return false;
    }
    const RECT before = record->rect;
    record->rect = RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
    const RECT after = record->rect;
    if (before.left != after.left || before.top != after.top) {
        SendMessageA(window, WM_MOVE, 0, MAKELPARAM(after.left, after.top));
    }
    if (before.right - before.left != after.right - after.left ||
        before.bottom - before.top != after.bottom - after.top) {
        SendMessageA(window, WM_SIZE, 0,
                     MAKELPARAM(after.right - after.left, after.bottom - after.top));
    }
    return true;
}

std::optional<RECT> WindowSystem::WindowRect(HWND window) const {
    const Window* record = Find(window);
    if (record == nullptr) {
        return std::nullopt;
    }
    return record->rect;
}

bool WindowSystem::GetClientRect(HWND window, RECT& rect) const {
    const Window* record = Find(window);
    if (record == nullptr) {
        return false;
    }
    rect = RECT{0, 0, record->rect.right - record->rect.left,
                record->rect.bottom - record->rect.top};
    return true;
}

std::optional<POINT> WindowSystem::ClientToScreen(HWND window, POINT point) const {
    const Window* record = Find(window);
    if (record == nullptr) {
        return std::nullopt;
    }
    for (; record != nullptr; record = Find(record->parent)) {
        point.x += record->rect.left;
        point.y += record->rect.top;
    }
    return point;
}

bool WindowSystem::ShowWindow(HWND window, int command) {
    Window* record = Find(window);
    if (record == nullptr) {
        return false;
    }
    const bool wasVisible = record->visible;
    const bool visible = command != SW_HIDE;
    record->visible = visible;
    if (wasVisible != visible) {
        SendMessageA(window, WM_SHOWWINDOW, visible ? 1 : 0, 0);
        if (!visible && focus_ != 0 && !IsWindowVisible(focus_)) {
            SetFocus(0);
        }
    }
    return wasVisible;
}

bool WindowSystem::ChainHas(HWND window, bool Window::*flag) const {
    const Window* record = Find(window);
    if (record == nullptr) {
        return false;
    }
    for (; record != nullptr; record = Find(record->parent)) {
        if (!(record->*flag)) {
            return false;
        }
    }
    return true;
}

bool WindowSystem::IsWindowVisible(HWND window) const {
    return ChainHas(window, &Window::visible);
}

bool WindowSystem::EnableWindow(HWND window, bool enable) {
    Window* record = Find(window);
    if (record == nullptr) {
        return false;
    }
    const bool wasDisabled = !record->enabled;
    record->enabled = enable;
    if (wasDisabled == enable) {
        SendMessageA(window, WM_ENABLE, enable ? 1 : 0, 0);
        if (!enable && focus_ != 0 && !IsWindowEnabled(focus_)) {
            SetFocus(0);
        }
    }
    return wasDisabled;
}

bool WindowSystem::IsWindowEnabled(HWND window) const {
    return ChainHas(window, &Window::enabled);
}

LONG WindowSystem::SetWindowLongA(HWND window, int index, LONG value) {
    Window* record = Find(window);
    if (record == nullptr || index != GWL_WNDPROC || !Procedure(value)) {
        return 0;
    }
    const LONG previous = record->proc;
    record->proc = value;
    return previous;
}

LONG WindowSystem::GetWindowLongA(HWND window, int index) const {
    const Window* record = Find(window);
    if (record == nullptr || index != GWL_WNDPROC) {
        return 0;
    }
    return record->proc;
}

LRESULT WindowSystem::CallWindowProcA(WNDPROC proc, HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) {
    // Held by value: the procedure may unregister itself while it runs.
    const std::shared_ptr<const WindowProc> callable = Procedure(proc);
    if (!callable) {
        return 0;
    }
    return (*callable)(window, message, wParam, lParam);
}

LRESULT WindowSystem::SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Window* record = Find(window);
    if (record == nullptr) {
        return 0;
    }
    return CallWindowProcA(record->proc, window, message, wParam, lParam);
}

bool WindowSystem::PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow(window)) {
        return false;
    }
    posted_.push_back(Posted{window, message, wParam, lParam});
    return true;
}

void WindowSystem::DeliverPosted() {
    while (!posted_.empty()) {
        const Posted post = posted_.front();
        posted_.pop_front();
        SendMessageA(post.window, post.message, post.wParam, post.lParam);
    }
}

LRESULT WindowSystem::DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* record = Find(window);
    if (record == nullptr) {
        return 0;
    }
    switch (message) {
    case WM_SETFONT:
        record->font = HFONT{static_cast<std::uint32_t>(wParam)};
        return 0;
    case WM_GETFONT:
        return static_cast<LRESULT>(record->font.id);
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_NCLBUTTONDOWN:
        if (wParam == HTCAPTION && (buttons_ & MK_LBUTTON) != 0) {
            const HWND root = GetAncestorRoot(window);
            ReleaseCapture();
            const MoveOffset offset = desktop_.RunMoveLoop(root);
            buttons_ &= ~MK_LBUTTON;
            if (const auto rect = WindowRect(root); rect && (offset.dx != 0 || offset.dy != 0)) {
                MoveWindow(root, rect->left + offset.dx, rect->top + offset.dy,
                           rect->right - rect->left, rect->bottom - rect->top);
            }
        }
        return 0;
    default:
        (void)lParam;
        return 0;
    }
}

bool WindowSystem::SetPropA(HWND window, std::string_view name, std::intptr_t value) {
    Window* record = Find(window);
    if (record == nullptr) {
        return false;
    }
    for (auto& [key, stored] : record->props) {
        if (SameName(key, name)) {
            stored = value;
            return true;
        }
    }
    record->props.emplace_back(std::string(name), value);
    return true;
}

std::intptr_t WindowSystem::GetPropA(HWND window, std::string_view name) const {
    const Window* record = Find(window);
    if (record == nullptr) {
        return 0;
    }
    for (const auto& [key, stored] : record->props) {
        if (SameName(key, name)) {
            return stored;
        }
    }
    return 0;
}

std::intptr_t WindowSystem::RemovePropA(HWND window, std::string_view name) {
    Window* record = Find(window);
    if (record == nullptr) {
        return 0;
    }
    const auto found = std::find_if(record->props.begin(), record->props.end(),
                                    [name](const auto& prop) { return SameName(prop.first, name); });
    if (found == record->props.end()) {
        return 0;
    }
    const std::intptr_t value = found->second;
    record->props.erase(found);
    return value;
}

}  // namespace win
