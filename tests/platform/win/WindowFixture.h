#pragma once
// A window system on a recording screen, with a class whose procedure logs
// every message it is given.

#include "RecordingDesktop.h"
#include "platform/gdi/Font.h"
#include "platform/win/WindowSystem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wintest {

struct Logged {
    win::HWND window;
    win::UINT message;
    win::WPARAM wParam;
    win::LPARAM lParam;
};

class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        classProc = windows.RegisterWindowProc(
            [this](win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
                messages.push_back(Logged{window, message, wParam, lParam});
                return windows.DefWindowProcA(window, message, wParam, lParam);
            });
        windows.RegisterClassA("Logged", classProc);
    }

    win::HWND TopLevel(int x, int y, int width, int height) {
        return windows.CreateWindowExA(0, "Logged", "top", win::WS_VISIBLE, x, y, width, height,
                                       0);
    }
    win::HWND Child(win::HWND parent, int x, int y, int width, int height) {
        return windows.CreateWindowExA(0, "Logged", "child", win::WS_CHILD | win::WS_VISIBLE, x,
                                       y, width, height, parent);
    }
    std::vector<win::UINT> MessagesOf(win::HWND window) const {
        std::vector<win::UINT> found;
        for (const Logged& logged : messages) {
            if (logged.window == window) {
                found.push_back(logged.message);
            }
        }
        return found;
    }
    int Count(win::HWND window, win::UINT message) const {
        int count = 0;
        for (const Logged& logged : messages) {
            count += logged.window == window && logged.message == message ? 1 : 0;
        }
        return count;
    }

    RecordingDesktop desktop;
    win::WindowSystem windows{desktop};
    win::WNDPROC classProc = 0;
    std::vector<Logged> messages;
};

}  // namespace wintest
