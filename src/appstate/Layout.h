#pragma once
// Placing controls by the pixel geometry the skin was drawn for, and the
// skin's colours.

#include "platform/forms/Forward.h"
#include "platform/gdi/GdiObjects.h"

namespace decalia {

// The windows are designed at 96 dots per inch, where a pixel is 15 twips.
inline constexpr double kDesignTwipsPerPixel = 15.0;

// Sets a control's position and size, given in design pixels.
void PlacePixels(forms::Control& control, int left, int top, int width, int height);

inline constexpr win::COLORREF kLabelText = win::RGB(96, 96, 96);
inline constexpr win::COLORREF kHighlightedText = win::RGB(0, 69, 140);
inline constexpr win::COLORREF kListBackground = win::RGB(255, 254, 250);
inline constexpr win::COLORREF kChoiceText = win::RGB(48, 48, 48);

// The colour rule of the load handlers, applied to every control by index:
// labels, combo boxes, list boxes, option buttons, check boxes and frames;
// other kinds keep theirs. The main window and the step screens differ only in
// the text colour of list boxes.
void ColourControls(forms::Form& window, win::COLORREF listBoxText);

}  // namespace decalia
