#include "ui/SmartSubClass.h"

#include "platform/win/WindowSystem.h"

#include <algorithm>
#include <cstdint>

namespace decalia::ui {

win::LRESULT SmartSubClassWindowProc(win::WindowSystem& windows, win::HWND hWnd,
                                     win::UINT uMsg, win::WPARAM wParam, win::LPARAM lParam) {
    const std::intptr_t address = windows.GetPropA(hWnd, kObjectProperty);
    if (address == 0) {
        return 0;
    }
    // The address is only ever set by a live object, which removes it before
    // it goes.
    auto* interceptor = reinterpret_cast<SmartSubClass*>(address);
    return interceptor->HandleMessage(hWnd, uMsg, wParam, lParam);
}

SmartSubClass::SmartSubClass(win::WindowSystem& windows) : windows_(windows) {
    procedure_ = windows_.RegisterWindowProc(
        [&windows](win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam, win::LPARAM lParam) {
            return SmartSubClassWindowProc(windows, hWnd, uMsg, wParam, lParam);
        });
}

SmartSubClass::~SmartSubClass() {
    for (int index = UpperBound(); index >= 1; --index) {
        if (index <= UpperBound() && slots_[static_cast<std::size_t>(index)] > 0) {
            SubClassHwnd(slots_[static_cast<std::size_t>(index)], false);
        }
    }
    windows_.UnregisterWindowProc(procedure_);
}

bool SmartSubClass::SubClassHwnd(win::HWND hWnd, bool subclass) {
    return subclass ? Intercept(hWnd) : Release(hWnd);
}

bool SmartSubClass::Intercept(win::HWND hWnd) {
    if (!windows_.IsWindow(hWnd)) {
        Release(hWnd);
        return false;
    }
    // A window is intercepted at most once.
    if (windows_.GetPropA(hWnd, kOldProcProperty) != 0) {
        return false;
    }
    const win::LONG previous = windows_.SetWindowLongA(hWnd, win::GWL_WNDPROC, procedure_);
    if (previous == 0) {
        return false;
    }
    windows_.SetPropA(hWnd, kOldProcProperty, previous);
    windows_.SetPropA(hWnd, kObjectProperty, reinterpret_cast<std::intptr_t>(this));
    AddToList(hWnd);
    return true;
}

bool SmartSubClass::Release(win::HWND hWnd) {
    bool restored = false;
    if (windows_.IsWindow(hWnd)) {
        const std::intptr_t previous = windows_.GetPropA(hWnd, kOldProcProperty);
        if (previous != 0) {
            restored = windows_.SetWindowLongA(hWnd, win::GWL_WNDPROC,
                                               static_cast<win::LONG>(previous)) != 0;
        }
    }
    windows_.RemovePropA(hWnd, kOldProcProperty);
    windows_.RemovePropA(hWnd, kObjectProperty);
    DropFromList(hWnd);
    return restored;
}

void SmartSubClass::AddToList(win::HWND hWnd) {
    if (std::find(slots_.begin() + 1, slots_.end(), hWnd) != slots_.end()) {
        return;
    }
    const auto free = std::find_if(slots_.begin() + 1, slots_.end(),
                                   [](win::HWND slot) { return slot <= 0; });
    if (free != slots_.end()) {
        *free = hWnd;
    } else {
        slots_.push_back(hWnd);
    }
}

void SmartSubClass::DropFromList(win::HWND hWnd) {
    if (hWnd < 1) {
        return;
    }
    const auto found = std::find(slots_.begin() + 1, slots_.end(), hWnd);
    if (found == slots_.end()) {
        return;
    }
    if (found == slots_.end() - 1) {
        slots_.pop_back();
    } else {
        *found = -1;
    }
}

win::LRESULT SmartSubClass::HandleMessage(win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam,
                                          win::LPARAM lParam) {
    bool cancel = false;
    if (NewMessage) {
        // A copy: the handler may replace itself while it runs.
        const NewMessageHandler handler = NewMessage;
        handler(hWnd, uMsg, wParam, lParam, cancel);
    }
    if (cancel) {
        return 0;
    }
    const std::intptr_t previous = windows_.GetPropA(hWnd, kOldProcProperty);
    if (previous == 0) {
        return 0;
    }
    return windows_.CallWindowProcA(static_cast<win::WNDPROC>(previous), hWnd, uMsg, wParam,
                                    lParam);
}

}  // namespace decalia::ui
