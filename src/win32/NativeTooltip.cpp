#include "win32/NativeTooltip.h"

#include "win32/NativeGdi.h"  // <windows.h> first
#include "win32/NativeShell.h"

#include <commctrl.h>

#include <map>

namespace decalia::win32 {
namespace {

// Below the pointer's arrow, as the system's own tips stand.
constexpr int kBelowPointer = 21;

std::map<UINT_PTR, NativeTooltip::Impl*>& Timers() {
    static std::map<UINT_PTR, NativeTooltip::Impl*> timers;
    return timers;
}

void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);

}  // namespace

struct NativeTooltip::Impl {
    HWND window = nullptr;
    UINT_PTR timer = 0;
    bool showing = false;
    int autoPopMs = 0;
    std::string text;

    TTTOOLINFOA Tool() {
        TTTOOLINFOA tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
        tool.uId = 1;
        tool.lpszText = text.data();
        return tool;
    }
    void StopTimer() {
        if (timer == 0) return;
        KillTimer(nullptr, timer);
        Timers().erase(timer);
        timer = 0;
    }
    void StartTimer(int ms) {
        StopTimer();
        timer = SetTimer(nullptr, 0, static_cast<UINT>(std::max(1, ms)), TimerProc);
        if (timer != 0) Timers()[timer] = this;
    }
    void Hide() {
        StopTimer();
        if (!showing) return;
        TTTOOLINFOA tool = Tool();
        SendMessageA(window, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
        showing = false;
    }
    void Elapsed() {
        if (showing) {
            Hide();
            return;
        }
        POINT at{};
        GetCursorPos(&at);
        TTTOOLINFOA tool = Tool();
        SendMessageA(window, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y + kBelowPointer));
        SendMessageA(window, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
        showing = true;
        StartTimer(autoPopMs);
    }
};

namespace {

void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    const auto found = Timers().find(id);
    if (found != Timers().end()) found->second->Elapsed();
}

}  // namespace

NativeTooltip::NativeTooltip() : impl_(std::make_unique<Impl>()) {
    InitCommonControlsOnce();
    impl_->window = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                    WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
    TTTOOLINFOA tool = impl_->Tool();
    SendMessageA(impl_->window, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

NativeTooltip::~NativeTooltip() {
    impl_->StopTimer();
    DestroyWindow(impl_->window);
}

void NativeTooltip::Arm(const TipLooks& tip) {
    impl_->Hide();
    impl_->text = tip.text;
    impl_->autoPopMs = tip.autoPopMs;
    TTTOOLINFOA tool = impl_->Tool();
    SendMessageA(impl_->window, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(impl_->window, TTM_SETTIPTEXTCOLOR, tip.textColor, 0);
    SendMessageA(impl_->window, TTM_SETTIPBKCOLOR, tip.backColor, 0);
    SendMessageA(impl_->window, TTM_SETMAXTIPWIDTH, 0, tip.maxWidth);
    if (tip.font)
        SendMessageA(impl_->window, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(*tip.font)), FALSE);
    impl_->StartTimer(tip.initialDelayMs);
}

void NativeTooltip::Disarm() { impl_->Hide(); }

bool NativeTooltip::Showing() const { return impl_->showing; }

NativeHandle NativeTooltip::Handle() const { return AsHandle(impl_->window); }

}  // namespace decalia::win32
