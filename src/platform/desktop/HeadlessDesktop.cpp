#include "platform/desktop/HeadlessDesktop.h"

#include "platform/forms/Forms.h"
#include "platform/gdi/Font.h"
#include "platform/text/Text.h"

#include <algorithm>

namespace decalia::desktop {

namespace {

std::string Describe(const forms::Control& control) {
    const forms::Form& form = control.Parent();
    return &form == &control ? form.Name() : form.Name() + "." + control.Name();
}

bool IsComboBox(const forms::Control& control) {
    return control.Kind() == forms::ControlKind::ComboBox;
}

}  // namespace

HeadlessDesktop::HeadlessDesktop() { win::SetScreenDpi(dotsPerInch_); }

void HeadlessDesktop::SetDotsPerInch(int dotsPerInch) {
    if (!win::SetScreenDpi(dotsPerInch)) {
        throw ScriptError("unusable dots per inch: " + std::to_string(dotsPerInch));
    }
    dotsPerInch_ = dotsPerInch;
}

void HeadlessDesktop::OnModal(std::string formName, ModalHook hook) {
    modalHooks_[text::UCase(formName)].push_back(std::move(hook));
}

void HeadlessDesktop::AnswerOpenFile(std::optional<std::string> path) {
    fileAnswers_.push_back(std::move(path));
}

void HeadlessDesktop::SetMoveOffset(int dx, int dy) { moveOffset_ = win::MoveOffset{dx, dy}; }

// ---- Input -----------------------------------------------------------------

HeadlessDesktop::Target HeadlessDesktop::Aim(forms::Control& control,
                                             std::optional<win::POINT> at) const {
    win::WindowSystem& windows = control.GetRuntime().Windows();
    const forms::Form& form = control.Parent();
    if (!form.Visible() || control.hWnd() == 0) {
        throw ScriptError("cannot reach " + Describe(control) + ": " + form.Name() +
                          " is not shown");
    }
    if (!windows.IsWindowEnabled(form.hWnd())) {
        throw ScriptError("cannot reach " + Describe(control) + ": " + form.Name() +
                          " takes no input while another form is shown modally");
    }
    const win::POINT local =
        at.value_or(win::POINT{control.PixelWidth() / 2, control.PixelHeight() / 2});
    const win::POINT screen = windows.ClientToScreen(control.hWnd(), local).value_or(local);
    const win::POINT origin = windows.ClientToScreen(form.hWnd(), win::POINT{}).value_or(
        win::POINT{});
    return Target{windows, form.hWnd(), win::POINT{screen.x - origin.x, screen.y - origin.y}};
}

void HeadlessDesktop::MoveOver(forms::Control& control, std::optional<win::POINT> at,
                               win::Modifiers modifiers) {
    const Target target = Aim(control, at);
    target.windows.MovePointer(target.form, target.point, modifiers);
}

void HeadlessDesktop::Press(forms::Control& control, win::MouseButton button,
                            std::optional<win::POINT> at, win::Modifiers modifiers) {
    const Target target = Aim(control, at);
    target.windows.PressButton(target.form, target.point, button, modifiers);
}

void HeadlessDesktop::Release(forms::Control& control, win::MouseButton button,
                              std::optional<win::POINT> at, win::Modifiers modifiers) {
    // The release may land on a form that a press handler has hidden meanwhile.
    win::WindowSystem& windows = control.GetRuntime().Windows();
    if (!control.Parent().Visible()) {
        windows.ReleaseButton(0, win::POINT{}, button, modifiers);
        return;
    }
    const Target target = Aim(control, at);
    target.windows.ReleaseButton(target.form, target.point, button, modifiers);
}

void HeadlessDesktop::Click(forms::Control& control, std::optional<win::POINT> at) {
    MoveOver(control, at);
    Press(control, win::MouseButton::Left, at);
    Release(control, win::MouseButton::Left, at);
}

void HeadlessDesktop::DoubleClick(forms::Control& control, std::optional<win::POINT> at) {
    Click(control, at);
    const Target target = Aim(control, at);
    target.windows.DoubleClickButton(target.form, target.point, win::MouseButton::Left);
    Release(control, win::MouseButton::Left, at);
}

void HeadlessDesktop::Leave(forms::Runtime& runtime) { runtime.Windows().PointerLeft(); }

void HeadlessDesktop::PressKey(forms::Runtime& runtime, int characterCode) {
    win::WindowSystem& windows = runtime.Windows();
    if (windows.GetFocus() == 0) {
        throw ScriptError("key " + std::to_string(characterCode) + " pressed with no focus");
    }
    const char character = static_cast<char>(characterCode);
    const auto virtualKey = static_cast<win::UINT>(
        static_cast<unsigned char>(text::UpperChar(character)));
    windows.PressKey(virtualKey, character);
}

void HeadlessDesktop::Type(forms::Control& control, std::string_view typed) {
    Aim(control, std::nullopt);
    if (!control.HasFocus() && !control.SetFocus()) {
        throw ScriptError("cannot type into " + Describe(control) + ": it takes no focus");
    }
    for (const char character : typed) {
        PressKey(control.GetRuntime(), static_cast<unsigned char>(character));
    }
}

void HeadlessDesktop::TypeOver(forms::TextBox& box, std::string_view text) {
    Click(box);
    box.SetSelStart(0);
    box.SetSelLength(static_cast<int>(box.Text().size()));
    Type(box, text);
}

void HeadlessDesktop::TypeOver(forms::ComboBox& box, std::string_view text) {
    constexpr char kBackspace = 8;
    Type(box, std::string(box.Text().size(), kBackspace));
    Type(box, text);
}

void HeadlessDesktop::Notify(forms::Control& list, unsigned code) {
    list.GetRuntime().Windows().SendMessageA(list.hWnd(), win::OCM_COMMAND,
                                             win::MAKEWPARAM(0, code),
                                             static_cast<win::LPARAM>(list.hWnd()));
}

void HeadlessDesktop::SelectItem(forms::Control& list, int index) {
    auto* items = list.As<forms::ListControl>();
    if (items == nullptr || index < 0 || index >= items->ListCount()) {
        throw ScriptError("cannot select line " + std::to_string(index) + " of " +
                          Describe(list));
    }
    MoveOver(list);
    Press(list);
    list.GetRuntime().Windows().SendMessageA(
        list.hWnd(), IsComboBox(list) ? win::CB_SETCURSEL : win::LB_SETCURSEL,
        static_cast<win::WPARAM>(index), 0);
    Notify(list, win::LBN_SELCHANGE);
    Release(list);
}

void HeadlessDesktop::DoubleClickItem(forms::Control& list, int index) {
    SelectItem(list, index);
    const Target target = Aim(list, std::nullopt);
    target.windows.DoubleClickButton(target.form, target.point, win::MouseButton::Left);
    Notify(list, win::LBN_DBLCLK);
    Release(list);
}

void HeadlessDesktop::ScrollTo(forms::HScrollBar& bar, int value) {
    Aim(bar, std::nullopt);
    bar.GetRuntime().Windows().SendMessageA(
        bar.hWnd(), win::OCM_HSCROLL,
        win::MAKEWPARAM(win::SB_THUMBPOSITION, static_cast<unsigned>(value) & 0xFFFFu),
        static_cast<win::LPARAM>(bar.hWnd()));
}

void HeadlessDesktop::ScrollBy(forms::HScrollBar& bar, unsigned scrollCode) {
    Aim(bar, std::nullopt);
    bar.GetRuntime().Windows().SendMessageA(bar.hWnd(), win::OCM_HSCROLL,
                                            win::MAKEWPARAM(scrollCode, 0),
                                            static_cast<win::LPARAM>(bar.hWnd()));
}

// ---- Records -----------------------------------------------------------------

int HeadlessDesktop::RefreshCount(const forms::Control& control) const {
    const auto found = refreshes_.find(&control);
    return found == refreshes_.end() ? 0 : found->second;
}

std::optional<win::TooltipShow> HeadlessDesktop::ShownTooltip(win::HWND tooltip) const {
    const auto found = tooltips_.find(tooltip);
    if (found == tooltips_.end()) {
        return std::nullopt;
    }
    return found->second;
}

// ---- The port ----------------------------------------------------------------

int HeadlessDesktop::ShowMessageBox(win::HWND, const std::string& text,
                                    const std::string& caption) {
    messageBoxes_.push_back(MessageBoxRecord{text, caption});
    if (messageBoxObserver_) messageBoxObserver_(messageBoxes_.back());
    return win::IDOK;
}

std::optional<std::string> HeadlessDesktop::ShowOpenFileDialog(
    const win::OpenFileRequest& request) {
    fileDialogs_.push_back(request);
    if (fileAnswers_.empty()) {
        throw ScriptError("open-file dialog \"" + request.title + "\" with nothing scripted");
    }
    std::optional<std::string> answer = std::move(fileAnswers_.front());
    fileAnswers_.pop_front();
    return answer;
}

bool HeadlessDesktop::ShellOpen(const std::string& document) {
    shellOpens_.push_back(document);
    return shellOpenSucceeds_;
}

bool HeadlessDesktop::PlaySoundAsync(const std::string& wavFile) {
    sounds_.push_back(wavFile);
    return soundPlays_;
}

win::MoveOffset HeadlessDesktop::RunMoveLoop(win::HWND) {
    ++moveLoops_;
    return moveOffset_;
}

void HeadlessDesktop::ShowTooltip(const win::TooltipShow& tip) { tooltips_[tip.tooltip] = tip; }

void HeadlessDesktop::HideTooltip(win::HWND tooltip) { tooltips_.erase(tooltip); }

void HeadlessDesktop::EndProcess(unsigned exitCode) {
    exitCode_ = exitCode;
    throw win::ProcessEnded{exitCode};
}

void HeadlessDesktop::FormShown(forms::Form& form) {
    std::erase(shown_, &form);
    shown_.push_back(&form);
}

void HeadlessDesktop::FormHidden(forms::Form& form) { std::erase(shown_, &form); }

void HeadlessDesktop::RunModalLoop(forms::Form& form) {
    auto& hooks = modalHooks_[text::UCase(form.Name())];
    if (hooks.empty()) {
        throw ScriptError("modal show of " + form.Name() + " with nothing scripted");
    }
    const ModalHook hook = std::move(hooks.front());
    hooks.pop_front();
    hook(form);
    if (form.ModalShowing()) {
        throw ScriptError("modal show of " + form.Name() +
                          " still waiting after its script ended");
    }
}

void HeadlessDesktop::Refresh(forms::Control& control) {
    ++refreshes_[&control];
    if (refreshObserver_) refreshObserver_(control);
}

}  // namespace decalia::desktop
