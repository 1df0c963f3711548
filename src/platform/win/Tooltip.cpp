// The "tooltips_class32" window procedure and its watch over subclassed tools.

#include "platform/win/WindowRecord.h"
#include "platform/win/WindowSystem.h"

#include <algorithm>

namespace win {

namespace {

void SetDelay(TooltipState& state, WPARAM which, LPARAM lParam) {
    const bool restore = lParam < 0;
    const int time = static_cast<int>(LOWORD(static_cast<std::uintptr_t>(lParam)));
    const TooltipState defaults;
    switch (which) {
    case TTDT_AUTOPOP:
        state.autoPopMs = restore ? defaults.autoPopMs : time;
        break;
    case TTDT_INITIAL:
        state.initialMs = restore ? defaults.initialMs : time;
        break;
    case TTDT_RESHOW:
        state.reshowMs = restore ? defaults.reshowMs : time;
        break;
    case TTDT_AUTOMATIC:
        state.initialMs = restore ? defaults.initialMs : time;
        state.autoPopMs = restore ? defaults.autoPopMs : time * 10;
        state.reshowMs = restore ? defaults.reshowMs : time / 5;
        break;
    default:
        break;
    }
}

LRESULT GetDelay(const TooltipState& state, WPARAM which) {
    switch (which) {
    case TTDT_AUTOPOP:
        return state.autoPopMs;
    case TTDT_INITIAL:
        return state.initialMs;
    case TTDT_RESHOW:
        return state.reshowMs;
    default:
        return 0;
    }
}

}  // namespace

const TooltipState* WindowSystem::Tooltip(HWND tooltip) const {
    const auto found = tooltips_.find(tooltip);
    return found == tooltips_.end() ? nullptr : &found->second;
}

LRESULT WindowSystem::TooltipProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = tooltips_.find(window);
    if (found == tooltips_.end()) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    TooltipState& state = found->second;
    switch (message) {
    case TTM_SETMAXTIPWIDTH: {
        const int previous = state.maxTipWidth;
        state.maxTipWidth = static_cast<int>(lParam);
        return previous;
    }
    case TTM_SETTIPTEXTCOLOR:
        state.textColor = static_cast<COLORREF>(wParam);
        return 0;
    case TTM_SETTIPBKCOLOR:
        state.backColor = static_cast<COLORREF>(wParam);
        return 0;
    case TTM_SETDELAYTIME:
        SetDelay(state, wParam, lParam);
        return 0;
    case TTM_GETDELAYTIME:
        return GetDelay(state, wParam);
    case TTM_ADDTOOLA: {
        const auto* info = reinterpret_cast<const TOOLINFOA*>(lParam);
        if (info == nullptr) {
            return 0;
        }
        const HWND tool = (info->uFlags & TTF_IDISHWND) != 0 ? static_cast<HWND>(info->uId)
                                                             : info->hwnd;
        state.tools.push_back(ToolEntry{info->uFlags, info->hwnd, tool, info->rect,
                                        info->lpszText == nullptr ? "" : info->lpszText});
        return 1;
    }
    case TTM_DELTOOLA: {
        const auto* info = reinterpret_cast<const TOOLINFOA*>(lParam);
        if (info != nullptr) {
            const HWND tool = (info->uFlags & TTF_IDISHWND) != 0 ? static_cast<HWND>(info->uId)
                                                                 : info->hwnd;
            std::erase_if(state.tools,
                          [tool](const ToolEntry& entry) { return entry.toolWindow == tool; });
        }
        return 0;
    }
    case WM_SETFONT:
        state.font = HFONT{static_cast<std::uint32_t>(wParam)};
        return DefWindowProcA(window, message, wParam, lParam);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void WindowSystem::NotifyTooltips(HWND tool, UINT message) {
    for (auto& [tooltip, state] : tooltips_) {
        const auto entry = std::find_if(state.tools.begin(), state.tools.end(),
                                        [tool](const ToolEntry& candidate) {
                                            return candidate.toolWindow == tool &&
                                                   (candidate.flags & TTF_SUBCLASS) != 0;
                                        });
        if (entry == state.tools.end()) {
            continue;
        }
        if (message == WM_MOUSEMOVE && state.shownTool != tool && pointer_ == tool) {
            state.shownTool = tool;
            desktop_.ShowTooltip(
                TooltipShow{tooltip, tool, entry->text, state.initialMs, state.autoPopMs});
        } else if (message != WM_MOUSEMOVE && state.shownTool != 0) {
            state.shownTool = 0;
            desktop_.HideTooltip(tooltip);
        }
    }
}

}  // namespace win
