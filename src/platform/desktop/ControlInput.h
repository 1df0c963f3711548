#pragma once
// A user's act on a control that a real desktop shows as a native widget,
// told to the program as Windows tells its window procedures: each call sends
// the control's messages and delivers what they posted. The desktop follows
// the runtime again afterwards.

#include "platform/forms/Forward.h"
#include "platform/win/Types.h"

namespace decalia::desktop {

// Gives the control the focus first; false when it cannot take it.
bool TypeCharacter(forms::Control& control, char character);
void ChooseLine(forms::Control& list, int line);
// `at` is the double-click's point in the form's pixels; another line than the
// chosen one is chosen first.
void DoubleClickLine(forms::Form& form, forms::Control& list, int line, win::POINT at);
// `code` is a scroll bar code; with SB_THUMBPOSITION the bar goes to `position`.
void Scroll(forms::Control& bar, unsigned code, int position);

}  // namespace decalia::desktop
