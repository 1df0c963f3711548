#pragma once
// Paints a form as the runtime holds it: the form's own drawing and, child by
// child in creation order (later ones over earlier ones), every control the
// screen does not show with a Qt widget of its own, each clipped to its
// parents.

#include <QPainter>

#include "platform/forms/Control.h"
#include "platform/win/Types.h"

namespace decalia::qt {

// Text boxes, lists, combo boxes, scroll bars, option buttons and check boxes
// are Qt widgets; everything else is painted.
bool IsWidgetKind(forms::ControlKind kind);

void PaintForm(QPainter& painter, forms::Form& form, int dotsPerInch);

}  // namespace decalia::qt
