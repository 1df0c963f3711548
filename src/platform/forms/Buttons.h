#pragma once
// Option buttons and check boxes.
//
// Reproduces (VB): OptionButton.Value (setting it True clears the other
// option buttons of the same container and raises Click; a click by the user
// always selects the button and raises Click); CheckBox.Value 0 unchecked,
// 1 checked, 2 grayed (a click by the user turns 1 into 0 and anything else
// into 1, then Click; setting another value in code raises Click too);
// Caption of both.
// Leaves out: Style 1 (graphical buttons), DownPicture.

#include "platform/forms/Control.h"

#include <string>

namespace decalia::forms {

class OptionButton : public Control {
public:
    explicit OptionButton(const ControlSite& site)
        : Control(site, ControlKind::OptionButton) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    bool Value() const { return value_; }
    void SetValue(bool value);

protected:
    bool CanFocus() const override { return true; }
    void OnClick() override;

private:
    void ClearSiblings();
    std::string caption_;
    bool value_ = false;
};

inline constexpr int vbUnchecked = 0;
inline constexpr int vbChecked = 1;
inline constexpr int vbGrayed = 2;

class CheckBox : public Control {
public:
    explicit CheckBox(const ControlSite& site) : Control(site, ControlKind::CheckBox) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    int Value() const { return value_; }
    void SetValue(int value);

protected:
    bool CanFocus() const override { return true; }
    void OnClick() override;

private:
    std::string caption_;
    int value_ = vbUnchecked;
};

}  // namespace decalia::forms
