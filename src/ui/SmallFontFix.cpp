#include "ui/SmallFontFix.h"

#include "platform/forms/Form.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/Runtime.h"
#include "platform/gdi/Font.h"
#include "platform/win/WindowSystem.h"

namespace decalia::ui {

namespace {

// The scaling is done in single precision, so sizes such as 2055 x 0.8 land
// on whole twips.
double Scaled(double value, float factor) {
    return static_cast<double>(static_cast<float>(value) * factor);
}

void ScaleGeometry(forms::Control& control, float factor) {
    control.SetWidth(Scaled(control.Width(), factor));
    control.SetHeight(Scaled(control.Height(), factor));
    control.SetTop(Scaled(control.Top(), factor));
    control.SetLeft(Scaled(control.Left(), factor));
}

void ScaleControl(forms::Control& control, float factor) {
    control.SetFontSize(Scaled(control.FontSize(), factor));
    switch (control.Kind()) {
    case forms::ControlKind::PictureBox: {
        auto& box = *control.As<forms::PictureBox>();
        ScaleGeometry(box, factor);
        box.SetScaleHeight(Scaled(box.ScaleHeight(), factor));
        box.SetScaleWidth(Scaled(box.ScaleWidth(), factor));
        break;
    }
    case forms::ControlKind::ListBox:
        // The list keeps the scaled height exactly instead of whole lines.
        control.As<forms::ListBox>()->SetIntegralHeight(false);
        ScaleGeometry(control, factor);
        break;
    case forms::ControlKind::CommonDialog:
        // Invisible at run time: it has no size or position to scale.
        break;
    default:
        ScaleGeometry(control, factor);
        break;
    }
}

}  // namespace

bool IsSmallFonts(win::WindowSystem& windows, FontScaleState& state) {
    const win::HWND desktop = windows.GetDesktopWindow();
    const win::HDC dc = windows.GetDC(desktop);
    state.ScreenDpi = win::GetDeviceCaps(dc, win::LOGPIXELSX);
    windows.ReleaseDC(desktop, dc);
    return state.ScreenDpi == kDesignDpi;
}

void FixFormForFonts(forms::Form& window, FontScaleState& state) {
    const std::int32_t current =
        IsSmallFonts(window.GetRuntime().Windows(), state) ? kDesignDpi : state.ScreenDpi;
    if (current <= 0) {
        // No density could be measured: leave the window as designed.
        return;
    }
    state.FontScaleFactor = static_cast<float>(kDesignDpi) / static_cast<float>(current);
    const float factor = state.FontScaleFactor;
    const int count = window.ControlCount();
    if (factor != 1.0f) {
        window.SetHeight(Scaled(window.Height(), factor));
        window.SetWidth(Scaled(window.Width(), factor));
    }
    for (int index = 0; index < count; ++index) {
        ScaleControl(window.Controls(index), factor);
    }
}

}  // namespace decalia::ui
