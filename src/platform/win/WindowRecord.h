#pragma once
// What the window system keeps per window (internal to the win library).

#include "platform/win/WindowSystem.h"

#include <string>
#include <utility>
#include <vector>

namespace win {

struct WindowSystem::Window {
    HWND handle = 0;
    HWND parent = 0;
    std::string className;
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect;  // relative to the parent's client area
    bool visible = false;
    bool enabled = true;
    bool destroying = false;
    WNDPROC proc = 0;
    std::vector<std::pair<std::string, std::intptr_t>> props;
    std::vector<HWND> children;  // in creation order; later ones lie on top
    HRGN region;
    HFONT font;
};

}  // namespace win
