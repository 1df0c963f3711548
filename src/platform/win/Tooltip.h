#pragma once
// The tooltip window class "tooltips_class32".
//
// Reproduces: TTM_SETMAXTIPWIDTH (answers the previous width), TTM_SETTIPTEXTCOLOR,
// TTM_SETTIPBKCOLOR, TTM_SETDELAYTIME / TTM_GETDELAYTIME for TTDT_AUTOPOP,
// TTDT_INITIAL and TTDT_RESHOW (the low word of lParam is the time; -1 restores
// the default; TTDT_AUTOMATIC sets all three from one time), TTM_ADDTOOLA and
// TTM_DELTOOLA with a TOOLINFOA record (the text is copied), WM_SETFONT /
// WM_GETFONT. A tool added with TTF_SUBCLASS is watched by the tooltip itself:
// the pointer moving over the tool window shows the tip through the desktop
// (which waits the initial delay), a button press or the pointer leaving the
// tool hides it. The defaults are Windows' (initial 500 ms, auto-pop 5000 ms,
// reshow 100 ms, maximum width -1, colours 0).
// Leaves out: tools identified by rectangles alone, tracking tooltips,
// balloons, titles, TTN_GETDISPINFO callbacks, relaying (TTM_RELAYEVENT).

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Region.h"
#include "platform/win/Types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace win {

inline constexpr const char* TOOLTIPS_CLASSA = "tooltips_class32";

struct TOOLINFOA {
    UINT cbSize = 40;
    UINT uFlags = 0;
    HWND hwnd = 0;
    std::uintptr_t uId = 0;  // the tool's window handle with TTF_IDISHWND
    RECT rect;
    std::intptr_t hinst = 0;
    const char* lpszText = nullptr;
};

struct ToolEntry {
    UINT flags = 0;
    HWND owner = 0;
    HWND toolWindow = 0;
    RECT rect;
    std::string text;
};

// Everything a tooltip window was told, for desktops that draw it and for
// tests that check it.
struct TooltipState {
    int maxTipWidth = -1;
    COLORREF textColor = 0;
    COLORREF backColor = 0;
    int initialMs = 500;
    int autoPopMs = 5000;
    int reshowMs = 100;
    HFONT font;
    std::vector<ToolEntry> tools;
    HWND shownTool = 0;  // the tool whose tip is showing, 0 for none
};

}  // namespace win
