#pragma once
// Sees every message of the windows it intercepts before their own procedures
// do, and may swallow one. Each intercepted window carries two properties:
// "SSC_OLDPROC", its procedure from before, and "SSC_OBJADDR", the address of
// the intercepting object (not a counted reference: the object ends every
// interception before it goes).
//
// The list of intercepted windows keeps Windows-style slots: index 0 unused,
// a free slot holds a value <= 0, a released last slot shrinks the list.

#include "platform/win/Types.h"

#include <functional>
#include <vector>

namespace win {
class WindowSystem;
}

namespace decalia::ui {

class SmartSubClass {
public:
    // Raised for every message of every intercepted window, before the
    // window's own procedure. The message values may be changed; setting
    // Cancel keeps the message from the window, and its result is then 0.
    using NewMessageHandler = std::function<void(win::HWND hWnd, win::UINT& uMsg,
                                                 win::WPARAM& wParam, win::LPARAM& lParam,
                                                 bool& Cancel)>;

    explicit SmartSubClass(win::WindowSystem& windows);
    // Gives every window still intercepted its own procedure back.
    ~SmartSubClass();
    SmartSubClass(const SmartSubClass&) = delete;
    SmartSubClass& operator=(const SmartSubClass&) = delete;

    // True when the window procedure was exchanged (subclass) or put back.
    bool SubClassHwnd(win::HWND hWnd, bool subclass);

    NewMessageHandler NewMessage;

    // The slot list, for those who check its bookkeeping.
    int UpperBound() const { return static_cast<int>(slots_.size()) - 1; }
    win::HWND Slot(int index) const { return slots_.at(static_cast<std::size_t>(index)); }

    // The object's message handler, called by the shared window procedure.
    win::LRESULT HandleMessage(win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam,
                               win::LPARAM lParam);

private:
    bool Intercept(win::HWND hWnd);
    bool Release(win::HWND hWnd);
    void AddToList(win::HWND hWnd);
    void DropFromList(win::HWND hWnd);

    win::WindowSystem& windows_;
    win::WNDPROC procedure_ = 0;
    std::vector<win::HWND> slots_{0};
};

// The window procedure shared by every intercepted window: finds the
// intercepting object through "SSC_OBJADDR" and lets it handle the message;
// 0 when the property is gone.
win::LRESULT SmartSubClassWindowProc(win::WindowSystem& windows, win::HWND hWnd,
                                     win::UINT uMsg, win::WPARAM wParam, win::LPARAM lParam);

inline constexpr const char* kOldProcProperty = "SSC_OLDPROC";
inline constexpr const char* kObjectProperty = "SSC_OBJADDR";

}  // namespace decalia::ui
