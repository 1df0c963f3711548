#include "appstate/Layout.h"

#include "platform/forms/Forms.h"

namespace decalia {

void PlacePixels(forms::Control& control, int left, int top, int width, int height) {
    // Move speaks the container's scale unit, whatever that is set to.
    const forms::Control* container = control.Container();
    const auto x = [&](int pixels) {
        const double twips = pixels * kDesignTwipsPerPixel;
        return container ? container->TwipsToScaleX(twips) : twips;
    };
    const auto y = [&](int pixels) {
        const double twips = pixels * kDesignTwipsPerPixel;
        return container ? container->TwipsToScaleY(twips) : twips;
    };
    control.Move(x(left), y(top), x(width), y(height));
}

void ColourControls(forms::Form& window, win::COLORREF listBoxText) {
    using forms::ControlKind;
    for (int i = 0; i < window.ControlCount(); ++i) {
        forms::Control& control = window.Controls(i);
        switch (control.Kind()) {
            case ControlKind::Label:
                control.SetForeColor(kLabelText);
                control.SetBackStyle(0);
                break;
            case ControlKind::ComboBox:
            case ControlKind::Frame:
                control.SetForeColor(kLabelText);
                control.SetBackColor(kListBackground);
                break;
            case ControlKind::ListBox:
                control.SetForeColor(listBoxText);
                control.SetBackColor(kListBackground);
                break;
            case ControlKind::OptionButton:
            case ControlKind::CheckBox:
                control.SetForeColor(kChoiceText);
                control.SetBackColor(kListBackground);
                break;
            default:
                break;
        }
    }
}

}  // namespace decalia
