#include "win32/Win32Desktop.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/forms/Forms.h"
#include "platform/fs/Fs.h"
#include "platform/gdi/Font.h"
#include "win32/ChildControl.h"
#include "win32/FormWindow.h"
#include "win32/NativeShell.h"
#include "win32/NativeTooltip.h"

namespace decalia::win32 {
namespace {

// Counts a system dialog as up for as long as it is.
class DialogScope {
public:
    explicit DialogScope(int& dialogs) : dialogs_(dialogs) { ++dialogs_; }
    ~DialogScope() { --dialogs_; }
    DialogScope(const DialogScope&) = delete;
    DialogScope& operator=(const DialogScope&) = delete;

private:
    int& dialogs_;
};

std::optional<NativeFont> TipFont(win::HFONT font) {
    win::LOGFONTA description;
    if (!font || !win::GetObject(font, description)) return std::nullopt;
    NativeFont native;
    const auto& face = description.lfFaceName;
    native.face.assign(face.data(), std::find(face.begin(), face.end(), '\0'));
    native.pixelHeight = std::max(1, std::abs(description.lfHeight));
    native.weight = description.lfWeight;
    native.italic = description.lfItalic != 0;
    native.underline = description.lfUnderline != 0;
    native.strikeOut = description.lfStrikeOut != 0;
    return native;
}

}  // namespace

Win32Desktop::Win32Desktop(Win32DesktopOptions options) : processEnd_(options.processEnd) {
    InitCommonControlsOnce();
    dotsPerInch_ = options.dotsPerInch.value_or(ScreenDotsPerInch());
    if (!win::SetScreenDpi(dotsPerInch_)) {
        dotsPerInch_ = 96;
        win::SetScreenDpi(dotsPerInch_);
    }
    tooltip_ = std::make_unique<NativeTooltip>();
}

Win32Desktop::~Win32Desktop() = default;

FormWindow* Win32Desktop::FindWindow(const forms::Form& form) const {
    const auto found = windows_.find(&form);
    return found == windows_.end() ? nullptr : found->second.get();
}

FormWindow& Win32Desktop::WindowFor(forms::Form& form) {
    runtime_ = &form.GetRuntime();
    auto& window = windows_[&form];
    if (!window) window = std::make_unique<FormWindow>(*this, form);
    return *window;
}

FormWindow* Win32Desktop::WindowOfHandle(win::HWND window) const {
    if (runtime_ == nullptr) return nullptr;
    const forms::Control* control = runtime_->FromHandle(window);
    return control == nullptr ? nullptr : FindWindow(control->Parent());
}

NativeHandle Win32Desktop::WindowOf(const forms::Form& form) const {
    const FormWindow* window = FindWindow(form);
    return window == nullptr ? 0 : window->Native().Handle();
}

NativeHandle Win32Desktop::ControlOf(const forms::Control& control) const {
    const FormWindow* window = FindWindow(control.Parent());
    ChildControl* child = window == nullptr ? nullptr : window->ChildOf(control);
    return child == nullptr ? 0 : child->Native().Handle();
}

NativeHandle Win32Desktop::TypingOf(const forms::Control& control) const {
    const FormWindow* window = FindWindow(control.Parent());
    ChildControl* child = window == nullptr ? nullptr : window->ChildOf(control);
    return child == nullptr ? 0 : child->Native().TypingHandle();
}

std::optional<std::vector<Rect>> Win32Desktop::RealShapeOf(const forms::Form& form) const {
    const FormWindow* window = FindWindow(form);
    if (window == nullptr) return std::nullopt;
    return window->Native().RealShape();
}

bool Win32Desktop::TooltipShown() const { return tooltip_->Showing(); }

void Win32Desktop::AfterInput() {
    for (const auto& [form, window] : windows_) {
        if (form->Visible())
            window->SyncFromProgram();
        else if (window->Native().Shown())
            window->Hide();
    }
    EnableForms();
}

void Win32Desktop::EnableForms() {
    for (const auto& [form, window] : windows_)
        window->Native().Enable(modal_.empty() || modal_.back() == form);
}

// ---- Forms -----------------------------------------------------------------------

void Win32Desktop::PlaceFirstWindow(forms::Form& form) {
    // The first window opens in the middle of the screen; later ones place
    // themselves (the step screens over the main window).
    placedFirst_ = true;
    const auto rect = form.GetRuntime().Windows().WindowRect(form.hWnd());
    if (!rect) return;
    const Rect room = WorkArea();
    const int width = rect->right - rect->left;
    const int height = rect->bottom - rect->top;
    form.GetRuntime().Windows().MoveWindow(
        form.hWnd(), room.left + (room.Width() - width) / 2,
        std::max(room.top, room.top + (room.Height() - height) / 2), width, height);
}

void Win32Desktop::FormShown(forms::Form& form) {
    if (!placedFirst_) PlaceFirstWindow(form);
    WindowFor(form).Show();
    AfterInput();
}

void Win32Desktop::FormHidden(forms::Form& form) {
    if (FormWindow* window = FindWindow(form)) window->Hide();
    tooltip_->Disarm();
    tooltipShown_ = 0;
    EnableForms();
}

void Win32Desktop::RunModalLoop(forms::Form& form) {
    modal_.push_back(&form);
    struct Leave {
        Win32Desktop& desktop;
        const forms::Form* form;
        ~Leave() {
            std::erase(desktop.modal_, form);
            desktop.EnableForms();
        }
    } leave{*this, &form};
    WindowFor(form).Show();
    AfterInput();
    if (modalHook_) {
        PostTask([this, &form] {
            if (modalHook_ && form.ModalShowing()) modalHook_(form);
        });
    }
    // Told to quit while a form waits modally: the program ends here.
    if (!DispatchUntil([&form] { return !form.ModalShowing(); })) EndProcess(0);
}

void Win32Desktop::Refresh(forms::Control& control) {
    if (FormWindow* window = FindWindow(control.Parent())) window->RepaintControl(control);
}

// ---- Dialogs and the shell -----------------------------------------------------------

NativeHandle Win32Desktop::DialogOwner(win::HWND owner) const {
    if (const FormWindow* window = WindowOfHandle(owner); window && window->Native().Shown())
        return window->Native().Handle();
    if (!modal_.empty()) return WindowOf(*modal_.back());
    for (const auto& [form, window] : windows_)
        if (window->Native().Shown()) return window->Native().Handle();
    return 0;
}

int Win32Desktop::ShowMessageBox(win::HWND owner, const std::string& text,
                                 const std::string& caption) {
    {
        const DialogScope scope(dialogs_);
        win32::ShowMessageBox(DialogOwner(owner), text, caption);
    }
    AfterInput();
    return win::IDOK;
}

std::optional<std::string> Win32Desktop::ShowOpenFileDialog(const win::OpenFileRequest& request) {
    OpenFileQuestion question;
    question.owner = DialogOwner(request.owner);
    question.title = request.title;
    question.filter = request.filter;
    question.initialFolder =
        request.initialFolder.empty() ? std::string() : fs::Resolve(request.initialFolder);
    std::optional<std::string> chosen;
    {
        const DialogScope scope(dialogs_);
        chosen = AskOpenFile(question);
    }
    AfterInput();
    return chosen;
}

bool Win32Desktop::ShellOpen(const std::string& document) {
    if (!fs::FileExists(document)) return false;
    return OpenDocument(DialogOwner(0), fs::Resolve(document));
}

bool Win32Desktop::PlaySoundAsync(const std::string& wavFile) {
    return PlayWave(fs::Resolve(wavFile));
}

win::MoveOffset Win32Desktop::RunMoveLoop(win::HWND window) {
    FormWindow* moved = WindowOfHandle(window);
    if (moved == nullptr) return {};
    const auto [dx, dy] = moved->Native().RunMoveLoop();
    return win::MoveOffset{dx, dy};
}

void Win32Desktop::ShowTooltip(const win::TooltipShow& tip) {
    if (runtime_ == nullptr) return;
    const win::TooltipState* state = runtime_->Windows().Tooltip(tip.tooltip);
    if (state == nullptr) return;
    TipLooks looks;
    looks.text = tip.text;
    looks.font = TipFont(state->font);
    looks.textColor = state->textColor;
    looks.backColor = state->backColor;
    looks.maxWidth = state->maxTipWidth;
    looks.initialDelayMs = tip.initialDelayMs;
    looks.autoPopMs = tip.autoPopMs;
    tooltip_->Arm(looks);
    tooltipShown_ = tip.tooltip;
}

void Win32Desktop::HideTooltip(win::HWND tooltip) {
    if (tooltip != tooltipShown_) return;
    tooltip_->Disarm();
    tooltipShown_ = 0;
}

void Win32Desktop::EndProcess(unsigned exitCode) {
    if (processEnd_ == ProcessEnd::Throw) throw win::ProcessEnded{exitCode};
    // At once, as the program asks: no window is asked and nothing is unwound.
    std::fflush(nullptr);
    ExitProcessNow(exitCode);
}

}  // namespace decalia::win32
