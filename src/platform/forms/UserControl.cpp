#include "platform/forms/UserControl.h"

namespace decalia::forms {

Control& UserControl::Controls(int index) const {
    return *controls_.at(static_cast<std::size_t>(index));
}

void UserControl::Adopt(std::unique_ptr<Control> control) {
    Control& added = *control;
    controls_.push_back(std::move(control));
    if (hWnd() != 0) {
        added.CreateWindows();
    }
}

void UserControl::CreateWindows() {
    CreateOwnWindow();
    for (const auto& control : controls_) {
        control->CreateWindows();
    }
}

void UserControl::WindowGone() {
    for (const auto& control : controls_) {
        control->WindowGone();
    }
    Control::WindowGone();
}

}  // namespace decalia::forms
