#include "platform/forms/Buttons.h"

#include "platform/forms/Form.h"

namespace decalia::forms {

void OptionButton::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    SetWindowText(caption_);
}

void OptionButton::ClearSiblings() {
    const Form& form = Parent();
    for (int i = 0; i < form.ControlCount(); ++i) {
        auto* other = form.Controls(i).As<OptionButton>();
        if (other != nullptr && other != this && other->Container() == Container()) {
            other->value_ = false;
        }
    }
}

void OptionButton::SetValue(bool value) {
    if (value == value_) {
        return;
    }
    value_ = value;
    if (value) {
        ClearSiblings();
        Click.Raise();
    }
}

void OptionButton::OnClick() {
    value_ = true;
    ClearSiblings();
    Click.Raise();
}

void CheckBox::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    SetWindowText(caption_);
}

void CheckBox::SetValue(int value) {
    if (value == value_ || value < vbUnchecked || value > vbGrayed) {
        return;
    }
    value_ = value;
    Click.Raise();
}

void CheckBox::OnClick() {
    value_ = value_ == vbChecked ? vbUnchecked : vbChecked;
    Click.Raise();
}

}  // namespace decalia::forms
