#pragma once
// Screen fonts: the windows ask for Tahoma (and older faces); where Tahoma is
// not installed every window gets the same nearest sans-serif face instead, at
// the pixel size the asked-for points make at the screen's density.

#include <QFont>

#include "platform/forms/Font.h"
#include "platform/gdi/Font.h"

namespace decalia::qt {

// The face every window uses.
QString ScreenFamily();
QFont ScreenFont(const forms::Font& font, int dotsPerInch);
// A GDI font record (negative height: character height in pixels).
QFont ScreenFont(const win::LOGFONTA& font);

}  // namespace decalia::qt
