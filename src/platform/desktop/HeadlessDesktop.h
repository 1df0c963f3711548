#pragma once
// A desktop with no screen, for tests and the batch runner: it shows nothing,
// records what the program asked of the user's desktop, answers from a
// script, and plays the user by delivering input as window messages.
//
// Scripted input is aimed at a control (or form) of a shown form; points are
// pixels from the control's top-left corner (its centre when not given), and
// the window system then decides which window gets them, as the pointer
// would. Anything the script cannot do (a form that is not shown, a form that
// takes no input because another is shown modally, a modal show or a file
// dialog with nothing scripted) throws ScriptError naming what was asked, so
// a test fails instead of hanging.

#include "platform/forms/Desktop.h"
#include "platform/forms/Forward.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowSystem.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace decalia::desktop {

class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct MessageBoxRecord {
    std::string text;
    std::string caption;
};

class HeadlessDesktop final : public forms::Desktop {
public:
    using ModalHook = std::function<void(forms::Form&)>;

    HeadlessDesktop();

    // ---- The script -----------------------------------------------------
    // Also the density every GDI device context reports.
    void SetDotsPerInch(int dotsPerInch);
    // Runs the next time the form (by name) is shown modally; each hook runs
    // once, in the order given. The hook plays the user and must end the
    // modal show (hide or unload the form).
    void OnModal(std::string formName, ModalHook hook);
    // The answer of the next open-file dialog: a path, or nothing to cancel.
    void AnswerOpenFile(std::optional<std::string> path);
    // How far the user drags a window in each move loop (none by default).
    void SetMoveOffset(int dx, int dy);
    void SetShellOpenSucceeds(bool succeeds) { shellOpenSucceeds_ = succeeds; }
    // Told of every message box as it is shown (and answered OK at once), and
    // of every redraw the program asks for: for a caller that reports the
    // program's progress while it runs.
    void OnMessageBox(std::function<void(const MessageBoxRecord&)> observer) {
        messageBoxObserver_ = std::move(observer);
    }
    void OnRefresh(std::function<void(forms::Control&)> observer) {
        refreshObserver_ = std::move(observer);
    }
    void SetSoundPlays(bool plays) { soundPlays_ = plays; }

    // ---- The user's input -------------------------------------------------
    void MoveOver(forms::Control& control, std::optional<win::POINT> at = std::nullopt,
                  win::Modifiers modifiers = {});
    void Press(forms::Control& control, win::MouseButton button = win::MouseButton::Left,
               std::optional<win::POINT> at = std::nullopt, win::Modifiers modifiers = {});
    void Release(forms::Control& control, win::MouseButton button = win::MouseButton::Left,
                 std::optional<win::POINT> at = std::nullopt, win::Modifiers modifiers = {});
    // Move, press and release the left button.
    void Click(forms::Control& control, std::optional<win::POINT> at = std::nullopt);
    // A click, then the second press as a double-click, and its release.
    void DoubleClick(forms::Control& control, std::optional<win::POINT> at = std::nullopt);
    // The pointer leaves every window of the program.
    void Leave(forms::Runtime& runtime);
    // A key with its character to whatever has the focus (13 for Enter).
    void PressKey(forms::Runtime& runtime, int characterCode);
    // Gives the control the focus and types the text, one character at a time.
    void Type(forms::Control& control, std::string_view text);
    // Clicks the box, selects all of its text and types over it.
    void TypeOver(forms::TextBox& box, std::string_view text);
    // Erases the combo box's text with Backspace and types the text.
    void TypeOver(forms::ComboBox& box, std::string_view text);
    // Clicks a line of a list box, file list box or combo box.
    void SelectItem(forms::Control& list, int index);
    void DoubleClickItem(forms::Control& list, int index);
    // The user drags the thumb to a position, or scrolls by SB_* code.
    void ScrollTo(forms::HScrollBar& bar, int value);
    void ScrollBy(forms::HScrollBar& bar, unsigned scrollCode);

    // ---- What happened ------------------------------------------------------
    const std::vector<MessageBoxRecord>& MessageBoxes() const { return messageBoxes_; }
    const std::vector<win::OpenFileRequest>& FileDialogs() const { return fileDialogs_; }
    const std::vector<std::string>& ShellOpens() const { return shellOpens_; }
    const std::vector<std::string>& Sounds() const { return sounds_; }
    // Set once the program ended the process.
    std::optional<unsigned> ExitCode() const { return exitCode_; }
    // The forms shown now, in the order they were shown.
    const std::vector<forms::Form*>& ShownForms() const { return shown_; }
    int RefreshCount(const forms::Control& control) const;
    int MoveLoops() const { return moveLoops_; }
    // The tip a tooltip window shows now.
    std::optional<win::TooltipShow> ShownTooltip(win::HWND tooltip) const;

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
    // The control's form window and a point of it, after checking that the
    // form can take input.
    struct Target {
        win::WindowSystem& windows;
        win::HWND form;
        win::POINT point;
    };
    Target Aim(forms::Control& control, std::optional<win::POINT> at) const;
    void Notify(forms::Control& list, unsigned code);

    int dotsPerInch_ = 96;
    std::map<std::string, std::deque<ModalHook>> modalHooks_;  // keys in upper case
    std::deque<std::optional<std::string>> fileAnswers_;
    win::MoveOffset moveOffset_;
    bool shellOpenSucceeds_ = true;
    bool soundPlays_ = true;

    std::vector<MessageBoxRecord> messageBoxes_;
    std::vector<win::OpenFileRequest> fileDialogs_;
    std::vector<std::string> shellOpens_;
    std::vector<std::string> sounds_;
    std::optional<unsigned> exitCode_;
    std::vector<forms::Form*> shown_;
    std::map<const forms::Control*, int> refreshes_;
    int moveLoops_ = 0;
    std::map<win::HWND, win::TooltipShow> tooltips_;
    std::function<void(const MessageBoxRecord&)> messageBoxObserver_;
    std::function<void(forms::Control&)> refreshObserver_;
};

}  // namespace decalia::desktop
