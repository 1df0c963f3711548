#include "platform/forms/Runtime.h"

#include "platform/forms/Control.h"
#include "platform/forms/Desktop.h"
#include "platform/forms/Form.h"
#include "platform/text/Text.h"

#include <algorithm>
#include <string>

namespace decalia::forms {

namespace {

constexpr ControlKind kAllKinds[] = {
    ControlKind::Form,       ControlKind::Label,        ControlKind::TextBox,
    ControlKind::ListBox,    ControlKind::ComboBox,     ControlKind::FileListBox,
    ControlKind::PictureBox, ControlKind::Image,        ControlKind::OptionButton,
    ControlKind::CheckBox,   ControlKind::HScrollBar,   ControlKind::Frame,
    ControlKind::UserControl, ControlKind::CommonDialog,
};

}  // namespace

double Screen::TwipsPerPixelX() const { return 1440.0 / desktop_.DotsPerInch(); }
double Screen::TwipsPerPixelY() const { return 1440.0 / desktop_.DotsPerInch(); }

Runtime::Runtime(Desktop& desktop) : desktop_(desktop), windows_(desktop), screen_(desktop) {
    controlProc_ = windows_.RegisterWindowProc(
        [this](win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
            if (Control* control = FromHandle(window)) {
                return control->WindowProc(message, wParam, lParam);
            }
            return windows_.DefWindowProcA(window, message, wParam, lParam);
        });
    for (const ControlKind kind : kAllKinds) {
        windows_.RegisterClassA(std::string("Decalia") + std::string(KindName(kind)),
                                controlProc_);
    }
}

Runtime::~Runtime() = default;

Form* Runtime::FindForm(std::string_view name) const {
    const auto found = std::find_if(forms_.begin(), forms_.end(), [name](const Form* form) {
        return text::EqualsNoCase(form->Name(), name);
    });
    return found == forms_.end() ? nullptr : *found;
}

Form* Runtime::ActiveForm() const { return activation_.empty() ? nullptr : activation_.back(); }

Control* Runtime::FromHandle(win::HWND window) const {
    const auto found = controls_.find(window);
    return found == controls_.end() ? nullptr : found->second;
}

void Runtime::End(unsigned exitCode) { windows_.ExitProcess(exitCode); }

void Runtime::AddForm(Form& form) { forms_.push_back(&form); }

void Runtime::RemoveForm(Form& form) {
    std::erase(forms_, &form);
    std::erase(activation_, &form);
}

void Runtime::Attach(win::HWND window, Control& control) { controls_[window] = &control; }
void Runtime::Detach(win::HWND window) { controls_.erase(window); }

void Runtime::Activate(Form& form) {
    if (ActiveForm() == &form) {
        return;
    }
    std::erase(activation_, &form);
    activation_.push_back(&form);
    form.Activate.Raise();
}

void Runtime::Deactivate(Form& form) {
    const bool wasActive = ActiveForm() == &form;
    std::erase(activation_, &form);
    std::erase_if(activation_, [](const Form* other) { return !other->Visible(); });
    if (wasActive && !activation_.empty()) {
        activation_.back()->Activate.Raise();
    }
}

}  // namespace decalia::forms
