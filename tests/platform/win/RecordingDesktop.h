#pragma once
// The screen for window-system tests: records what was asked of it.

#include "platform/win/DesktopPort.h"

#include <string>
#include <vector>

namespace wintest {

class RecordingDesktop : public win::DesktopPort {
public:
    int dpi = 96;
    win::MoveOffset offset;
    int moveLoops = 0;
    std::vector<std::string> log;
    std::vector<win::TooltipShow> shownTips;
    int hiddenTips = 0;

    int DotsPerInch() const override { return dpi; }
    int ShowMessageBox(win::HWND, const std::string& text, const std::string& caption) override {
        log.push_back("box:" + caption + ":" + text);
        return win::IDOK;
    }
    std::optional<std::string> ShowOpenFileDialog(const win::OpenFileRequest& request) override {
        log.push_back("open:" + request.filter);
        return std::nullopt;
    }
    bool ShellOpen(const std::string& document) override {
        log.push_back("shell:" + document);
        return true;
    }
    bool PlaySoundAsync(const std::string& file) override {
        log.push_back("sound:" + file);
        return true;
    }
    win::MoveOffset RunMoveLoop(win::HWND) override {
        ++moveLoops;
        return offset;
    }
    void ShowTooltip(const win::TooltipShow& tip) override { shownTips.push_back(tip); }
    void HideTooltip(win::HWND) override { ++hiddenTips; }
    [[noreturn]] void EndProcess(unsigned code) override { throw win::ProcessEnded{code}; }
};

}  // namespace wintest
