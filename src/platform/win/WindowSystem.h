#pragma once
// The window system: windows, their procedures and properties, messages,
// focus, mouse capture and leave tracking, window regions, and the shell
// services that go to the desktop port.
//
// Reproduces: windows as numbered handles with a parent, children in creation
// order, a class name, a text, a rectangle in pixels (relative to the parent's
// client area; a top-level window's is on the screen), visible and enabled
// flags; window classes with their procedure; SetWindowLong(GWL_WNDPROC)
// swapping the procedure and returning the previous one (0 on failure);
// CallWindowProc, DefWindowProc, SendMessage (synchronous); SetPropA /
// GetPropA / RemovePropA (names without regard to case); DestroyWindow
// (WM_DESTROY to the window and then its children, depth first, then
// WM_NCDESTROY; properties, region, capture, focus and tracking go with it);
// GetDesktopWindow; GetDC / ReleaseDC of a screen DC (GetDeviceCaps answers
// the desktop's dots per inch); SetCapture / ReleaseCapture / GetCapture;
// TrackMouseEvent(TME_LEAVE) posting one WM_MOUSELEAVE when the pointer
// leaves the window (or at once when it is not over it); SetFocus with
// WM_KILLFOCUS / WM_SETFOCUS; SetWindowRgn (the window owns the region and
// deletes it when replaced or destroyed); the "tooltips_class32" class (see
// Tooltip.h); MessageBox, the open-file dialog, ShellExecute, PlaySound and
// ExitProcess through the DesktopPort.
// Input from the desktop: hit-testing skips hidden and disabled windows (the
// point then belongs to the parent); mouse messages go to the capture window
// when there is one; key messages go to the focus window.
// Leaves out: threads and message queues (every message is sent and handled
// at once; posted messages are delivered when the input step that caused them
// ends), z-order changes, window styles other than the ones named, non-client
// areas (windows are frameless: client rectangle = window rectangle), hit
// tests against window regions, WM_PAINT, Unicode.

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Region.h"
#include "platform/win/DesktopPort.h"
#include "platform/win/Messages.h"
#include "platform/win/Tooltip.h"
#include "platform/win/Types.h"

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace win {

inline constexpr DWORD TME_LEAVE = 0x00000002;

struct TRACKMOUSEEVENT {
    DWORD cbSize = 16;
    DWORD dwFlags = 0;
    HWND hwndTrack = 0;
    DWORD dwHoverTime = 0;
};
static_assert(sizeof(TRACKMOUSEEVENT) == 16);

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOW = 5;

inline constexpr UINT SND_ASYNC = 0x0001;
inline constexpr UINT SND_NODEFAULT = 0x0002;
inline constexpr UINT SND_FILENAME = 0x00020000;

// Modifier keys held during an input step.
struct Modifiers {
    bool shift = false;
    bool control = false;
};

class WindowSystem {
public:
    explicit WindowSystem(DesktopPort& desktop);
    ~WindowSystem();
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    DesktopPort& Desktop() const { return desktop_; }

    // ---- Procedures and classes ------------------------------------------
    // Registers a callable and hands out its number (never 0, never reused).
    WNDPROC RegisterWindowProc(WindowProc proc);
    // Forgets a procedure; windows still using it then answer every message 0.
    void UnregisterWindowProc(WNDPROC proc);
    // Class names compare without regard to case; false when already known.
    bool RegisterClassA(std::string_view className, WNDPROC proc);

    // ---- Windows ---------------------------------------------------------
    // Null when the class is unknown or the parent is given but is no window.
    // CW_USEDEFAULT positions and sizes become 0.
    [[nodiscard]] HWND CreateWindowExA(DWORD exStyle, std::string_view className,
                                       std::string_view windowName, DWORD style, int x, int y,
                                       int width, int height, HWND parent);
    bool DestroyWindow(HWND window);
    bool IsWindow(HWND window) const;
    HWND GetDesktopWindow() const { return desktopWindow_; }
    HWND GetParent(HWND window) const;
    // The top-level window a window belongs to (itself when top-level).
    HWND GetAncestorRoot(HWND window) const;
    std::vector<HWND> Children(HWND window) const;
    std::string GetClassNameA(HWND window) const;
    std::string GetWindowTextA(HWND window) const;
    bool SetWindowTextA(HWND window, std::string_view text);
    DWORD GetWindowStyle(HWND window) const;

    // Moves and sizes; sends WM_MOVE and WM_SIZE when they change.
    bool MoveWindow(HWND window, int x, int y, int width, int height, bool repaint = true);
    // Relative to the parent's client area (on the screen for a top-level one).
    std::optional<RECT> WindowRect(HWND window) const;
    bool GetClientRect(HWND window, RECT& rect) const;
    // A point of a window's client area on the screen.
    std::optional<POINT> ClientToScreen(HWND window, POINT point) const;
    bool ShowWindow(HWND window, int command);
    bool IsWindowVisible(HWND window) const;  // the window and all its parents
    bool EnableWindow(HWND window, bool enable);
    bool IsWindowEnabled(HWND window) const;  // the window and all its parents

    // ---- Procedures of windows and messages -------------------------------
    // Only GWL_WNDPROC is known; 0 on failure (no window, unknown index or an
    // unregistered procedure).
    LONG SetWindowLongA(HWND window, int index, LONG value);
    LONG GetWindowLongA(HWND window, int index) const;
    LRESULT CallWindowProcA(WNDPROC proc, HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam);
    // Handles WM_NCLBUTTONDOWN on the caption (the move loop), WM_SETFONT /
    // WM_GETFONT, WM_CLOSE (destroys the window); everything else answers 0.
    LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Through the window's current procedure; 0 when it is no window.
    LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Queued; delivered by DeliverPosted (which every input step ends with).
    bool PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void DeliverPosted();

    // ---- Properties ------------------------------------------------------
    bool SetPropA(HWND window, std::string_view name, std::intptr_t value);
    // 0 when the window has no such property.
    std::intptr_t GetPropA(HWND window, std::string_view name) const;
    // Removes and returns the value (0 when absent).
    std::intptr_t RemovePropA(HWND window, std::string_view name);

    // ---- Focus, capture, pointer tracking ----------------------------------
    HWND SetFocus(HWND window);  // returns the window that had the focus
    HWND GetFocus() const { return focus_; }
    HWND SetCapture(HWND window);  // returns the previous capture window
    bool ReleaseCapture();
    HWND GetCapture() const { return capture_; }
    bool TrackMouseEvent(const TRACKMOUSEEVENT& request);
    // The window the pointer is over (0 when over none of ours).
    HWND PointerWindow() const { return pointer_; }

    // ---- Regions and device contexts ---------------------------------------
    // The window takes the region; 0 on failure (the region is then the
    // caller's still). A null region removes the window's region.
    int SetWindowRgn(HWND window, HRGN region, bool redraw);
    // Copies the window's region into `into`; ERROR when it has none.
    int GetWindowRgn(HWND window, HRGN into) const;
    // The window's own region handle, for desktops that mask the window.
    HRGN WindowRegion(HWND window) const;
    [[nodiscard]] HDC GetDC(HWND window);
    int ReleaseDC(HWND window, HDC dc);

    // ---- Tooltips ---------------------------------------------------------
    // What a tooltip window was told; null when it is no tooltip window.
    const TooltipState* Tooltip(HWND tooltip) const;

    // ---- Shell services through the desktop ---------------------------------
    // Only MB_OK is known; returns IDOK, or 0 for another type.
    int MessageBoxA(HWND owner, std::string_view text, std::string_view caption, UINT type);
    std::optional<std::string> GetOpenFileNameA(const OpenFileRequest& request);
    // Greater than 32 on success, as ShellExecute answers.
    std::intptr_t ShellExecuteA(HWND owner, std::string_view verb, std::string_view file,
                                std::string_view parameters, std::string_view folder,
                                int showCommand);
    // Only SND_FILENAME | SND_ASYNC plays; false when nothing will play.
    bool PlaySoundA(std::string_view file, UINT flags);
    [[noreturn]] void ExitProcess(unsigned exitCode);

    // ---- Input from the desktop -------------------------------------------
    // The deepest visible, enabled window of `top` under a point of its client
    // area (later siblings lie over earlier ones); `top` itself when no child.
    HWND WindowFromPoint(HWND top, POINT point) const;
    // The pointer moved to a point of a top-level window's client area.
    void MovePointer(HWND top, POINT point, Modifiers modifiers = {});
    // The pointer left every window of ours.
    void PointerLeft();
    void PressButton(HWND top, POINT point, MouseButton button, Modifiers modifiers = {});
    void DoubleClickButton(HWND top, POINT point, MouseButton button,
                           Modifiers modifiers = {});
    // Ignored when the button is not down (a move loop may have taken it).
    void ReleaseButton(HWND top, POINT point, MouseButton button, Modifiers modifiers = {});
    bool ButtonDown(MouseButton button) const;
    // A key with its character (0 for none) to the focus window: WM_KEYDOWN,
    // WM_CHAR, WM_KEYUP.
    void PressKey(UINT virtualKey, char character);

private:
    struct Window;
    Window* Find(HWND window);
    const Window* Find(HWND window) const;
    // True when the window and every ancestor has the flag set.
    bool ChainHas(HWND window, bool Window::*flag) const;
    std::shared_ptr<const WindowProc> Procedure(WNDPROC proc) const;
    void DestroyTree(HWND window);
    void Forget(HWND window);
    void SendMouse(HWND top, POINT point, UINT message, Modifiers modifiers);
    void UpdatePointer(HWND over);
    void PostLeave(HWND window);
    LRESULT TooltipProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void NotifyTooltips(HWND tool, UINT message);
    bool InputBlocked(HWND window) const;
    WPARAM KeyState(Modifiers modifiers) const;

    struct Posted {
        HWND window;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    DesktopPort& desktop_;
    std::map<WNDPROC, std::shared_ptr<const WindowProc>> procs_;
    WNDPROC nextProc_ = 1;
    std::map<std::string, WNDPROC> classes_;  // keys in upper case
    std::map<HWND, std::unique_ptr<Window>> windows_;
    HWND nextWindow_ = 0x100;
    HWND desktopWindow_ = 0;
    HWND focus_ = 0;
    HWND capture_ = 0;
    HWND pointer_ = 0;
    std::vector<HWND> leaveTracked_;
    std::map<HWND, TooltipState> tooltips_;
    std::deque<Posted> posted_;
    WPARAM buttons_ = 0;
};

}  // namespace win
