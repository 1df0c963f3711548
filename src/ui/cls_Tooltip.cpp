#include "ui/cls_Tooltip.h"

#include "platform/forms/Control.h"
#include "platform/win/WindowSystem.h"

#include <algorithm>
#include <cmath>

namespace decalia::ui {

namespace {

constexpr std::int32_t kLongestDelay = 32767;

// The character set of the system's default ANSI code page. The program's
// text is Windows-1252 throughout, whose character set is ANSI_CHARSET.
unsigned DefaultCharset() { return win::ANSI_CHARSET; }

}  // namespace

int FontHeightFor(double points, int pixelsPerInch) {
    const double whole = points - std::floor(points) == 0.5
                             ? 2.0 * std::round(points / 2.0)
                             : std::round(points);
    return -win::MulDiv(static_cast<int>(whole), pixelsPerInch, 72);
}

cls_Tooltip::cls_Tooltip(win::WindowSystem& windows) : windows_(windows) {}

cls_Tooltip::~cls_Tooltip() { Destroy(); }

void cls_Tooltip::SetForeColor(win::COLORREF color) {
    foreColor_ = color;
    windows_.SendMessageA(window_, win::TTM_SETTIPTEXTCOLOR, color, 0);
}

void cls_Tooltip::SetBackColor(win::COLORREF color) {
    backColor_ = color;
    windows_.SendMessageA(window_, win::TTM_SETTIPBKCOLOR, color, 0);
}

void cls_Tooltip::SetMaxWidth(std::int32_t width) {
    maxWidth_ = width;
    windows_.SendMessageA(window_, win::TTM_SETMAXTIPWIDTH, 0, width);
}

std::int32_t cls_Tooltip::VisibleTime() const {
    return static_cast<std::int32_t>(
        windows_.SendMessageA(window_, win::TTM_GETDELAYTIME, win::TTDT_AUTOPOP, 0));
}

std::int32_t cls_Tooltip::DelayTime() const {
    return static_cast<std::int32_t>(
        windows_.SendMessageA(window_, win::TTM_GETDELAYTIME, win::TTDT_INITIAL, 0));
}

void cls_Tooltip::SetVisibleTime(std::int32_t& milliseconds) {
    SetDelay(win::TTDT_AUTOPOP, milliseconds);
}

void cls_Tooltip::SetDelayTime(std::int32_t& milliseconds) {
    SetDelay(win::TTDT_INITIAL, milliseconds);
}

void cls_Tooltip::SetDelay(win::WPARAM which, std::int32_t& milliseconds) {
    milliseconds = std::clamp(milliseconds, 0, kLongestDelay);
    windows_.SendMessageA(window_, win::TTM_SETDELAYTIME, which, milliseconds);
}

void cls_Tooltip::SetFont(const forms::Font* font) {
    if (font == nullptr) {
        return;
    }
    const win::HDC dc = windows_.GetDC(window_);
    const int height = FontHeightFor(font->Size, win::GetDeviceCaps(dc, win::LOGPIXELSY));
    windows_.ReleaseDC(window_, dc);
    const win::HFONT made = win::CreateFontA(
        height, 0, 0, 0, font->Weight, font->Italic ? 1u : 0u, font->Underline ? 1u : 0u,
        font->Strikethrough ? 1u : 0u, DefaultCharset(), 0, 0, 0, 0, font->Name);
    windows_.SendMessageA(window_, win::WM_SETFONT, made.id, 1);
    if (font_) {
        win::DeleteObject(font_);
    }
    font_ = made;
}

void cls_Tooltip::Create(win::HWND lngHwndParent) {
    // A font of an earlier window stays that window's.
    font_ = win::HFONT{};
    window_ = windows_.CreateWindowExA(win::WS_EX_TOPMOST, win::TOOLTIPS_CLASSA, "",
                                       win::TTS_ALWAYSTIP | win::TTS_NOPREFIX,
                                       win::CW_USEDEFAULT, win::CW_USEDEFAULT,
                                       win::CW_USEDEFAULT, win::CW_USEDEFAULT, lngHwndParent);
    windows_.SendMessageA(window_, win::TTM_SETMAXTIPWIDTH, 0, maxWidth_);
    windows_.SendMessageA(window_, win::TTM_SETTIPTEXTCOLOR, foreColor_, 0);
    windows_.SendMessageA(window_, win::TTM_SETTIPBKCOLOR, backColor_, 0);
}

void cls_Tooltip::Destroy() {
    if (window_ != 0) {
        windows_.DestroyWindow(window_);
        window_ = 0;
    }
    if (font_) {
        win::DeleteObject(font_);
        font_ = win::HFONT{};
    }
}

void cls_Tooltip::AddControl(const forms::Control& ctlTool, const std::string& strCaption,
                             bool blnCenterTip) {
    win::TOOLINFOA info;
    info.cbSize = 40;
    info.uFlags = win::TTF_IDISHWND | win::TTF_SUBCLASS | (blnCenterTip ? win::TTF_CENTERTIP : 0u);
    info.hwnd = ctlTool.hWnd();
    info.uId = static_cast<std::uintptr_t>(ctlTool.hWnd());
    windows_.GetClientRect(ctlTool.hWnd(), info.rect);
    info.hinst = 0;
    info.lpszText = strCaption.c_str();
    windows_.SendMessageA(window_, win::TTM_ADDTOOLA, 0, reinterpret_cast<win::LPARAM>(&info));
}

}  // namespace decalia::ui
