#pragma once
// The desktop on a real screen, through Qt: each shown form is a FormWidget;
// message boxes, the open-file dialog, the help document, the confirmation
// sound, tooltips and window moves are Qt's. A modal show runs a nested
// QEventLoop until the form is hidden or unloaded.
//
// Needs a QApplication. Screen density: the primary screen's logical dots per
// inch (with Qt's own high-density scaling off, so that the program's
// large-font rescaling is the only one), unless one is given.

#include <QImage>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/Desktop.h"

class QEventLoop;
class QWidget;

namespace decalia::qt {

class FormWidget;
class TooltipPopup;
class SoundPlayer;

// Where the process really ends, and where it only unwinds (tests).
enum class ProcessEnd { Exit, Throw };

struct QtDesktopOptions {
    std::optional<int> dotsPerInch;
    ProcessEnd processEnd = ProcessEnd::Exit;
};

class QtDesktop final : public forms::Desktop {
public:
    explicit QtDesktop(QtDesktopOptions options = {});
    ~QtDesktop() override;

    // The form's widget; null before the form was first shown.
    FormWidget* WidgetOf(const forms::Form& form) const;
    // The form as the user sees it (transparent outside its region).
    QImage Grab(forms::Form& form);
    // Runs once each dialog (message box, file dialog) or modal form is up and
    // waiting, from inside its loop: for scripts that play the user.
    void OnDialog(std::function<void(QWidget& dialog)> hook) { dialogHook_ = std::move(hook); }
    void OnModal(std::function<void(forms::Form& form)> hook) { modalHook_ = std::move(hook); }
    // Every message box shown, as its text.
    const std::vector<std::string>& MessageBoxes() const { return messageBoxes_; }
    bool TooltipShown() const;

    // After each input step: every shown form follows the runtime again, and
    // modal loops whose form went away end.
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
    FormWidget& WidgetFor(forms::Form& form);
    FormWidget* WidgetOfWindow(win::HWND window) const;
    // The window a dialog belongs to: the owner's form, else the top one shown.
    QWidget* DialogParent(win::HWND owner) const;
    void RunDialogHook(QWidget& dialog);
    void PlaceFirstWindow(forms::Form& form);

    int dotsPerInch_ = 96;
    ProcessEnd processEnd_;
    forms::Runtime* runtime_ = nullptr;  // learnt from the first form shown
    std::map<const forms::Form*, std::unique_ptr<FormWidget>> widgets_;
    std::vector<std::pair<const forms::Form*, QPointer<QEventLoop>>> modalLoops_;
    std::unique_ptr<TooltipPopup> tooltip_;
    std::unique_ptr<SoundPlayer> sound_;
    std::function<void(QWidget&)> dialogHook_;
    std::function<void(forms::Form&)> modalHook_;
    std::vector<std::string> messageBoxes_;
    bool placedFirst_ = false;
};

}  // namespace decalia::qt
