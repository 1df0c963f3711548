#pragma once
// The desktop on a real Windows screen: each shown form is a real top-level
// window (FormWindow) shaped by its window region and painted from the
// runtime's pixels, with real child controls for what the user types into,
// chooses from or scrolls. Message boxes, the open-file dialog, the shell,
// sounds, tooltips and window moves are the system's own. A modal show runs a
// nested message loop until the form is hidden or unloaded.
//
// Screen density: the screen's LOGPIXELSY unless one is given.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/Desktop.h"
#include "win32/NativeTypes.h"

namespace decalia::win32 {

class FormWindow;
class NativeTooltip;

// Where the process really ends, and where it only unwinds (tests).
enum class ProcessEnd { Exit, Throw };

struct Win32DesktopOptions {
    std::optional<int> dotsPerInch;
    ProcessEnd processEnd = ProcessEnd::Exit;
};

class Win32Desktop final : public forms::Desktop {
public:
    explicit Win32Desktop(Win32DesktopOptions options = {});
    ~Win32Desktop() override;
    Win32Desktop(const Win32Desktop&) = delete;
    Win32Desktop& operator=(const Win32Desktop&) = delete;

    // The form's real window; 0 before the form was first shown.
    NativeHandle WindowOf(const forms::Form& form) const;
    // The real control of a control shown as one; 0 for a painted control.
    NativeHandle ControlOf(const forms::Control& control) const;
    // Where the typing of a control goes (the edit part of a combo box).
    NativeHandle TypingOf(const forms::Control& control) const;
    // The form's real window region, as rectangles; nothing without one.
    std::optional<std::vector<Rect>> RealShapeOf(const forms::Form& form) const;
    // Runs once each time a form is shown modally, from inside its loop.
    void OnModal(std::function<void(forms::Form&)> hook) { modalHook_ = std::move(hook); }
    // A system dialog (message box, open-file dialog) is up.
    bool InDialog() const { return dialogs_ > 0; }
    bool TooltipShown() const;

    // After each input step: every shown form follows the runtime again.
    void AfterInput();

    // ---- forms::Desktop ----------------------------------------------------
    int DotsPerInch() const override { return dotsPerInch_; }
    int ShowMessageBox(win::HWND owner, const std::string& text,
                       const std::string& caption) override;
    std::optional<std::string> ShowOpenFileDialog(const win::OpenFileRequest& request) override;
    bool ShellOpen(const std::string& document) override;
    bool PlaySoundAsync(const std::string& wavFile) override;
    win::MoveOffset RunMoveLoop(win::HWND window) override;
    void ShowTooltip(const win::TooltipShow& tip) override;
    void HideTooltip(win::HWND tooltip) override;
    [[noreturn]] void EndProcess(unsigned exitCode) override;
    void FormShown(forms::Form& form) override;
    void FormHidden(forms::Form& form) override;
    void RunModalLoop(forms::Form& form) override;
    void Refresh(forms::Control& control) override;

private:
    FormWindow& WindowFor(forms::Form& form);
    FormWindow* FindWindow(const forms::Form& form) const;
    FormWindow* WindowOfHandle(win::HWND window) const;
    // The real window a dialog belongs to: the owner's, else the top modal one.
    NativeHandle DialogOwner(win::HWND owner) const;
    // Other forms take no input while one is shown modally.
    void EnableForms();
    void PlaceFirstWindow(forms::Form& form);

    int dotsPerInch_ = 96;
    ProcessEnd processEnd_;
    forms::Runtime* runtime_ = nullptr;  // learnt from the first form shown
    std::map<const forms::Form*, std::unique_ptr<FormWindow>> windows_;
    std::vector<const forms::Form*> modal_;  // innermost last
    std::unique_ptr<NativeTooltip> tooltip_;
    win::HWND tooltipShown_ = 0;
    std::function<void(forms::Form&)> modalHook_;
    int dialogs_ = 0;
    bool placedFirst_ = false;
};

}  // namespace decalia::win32
