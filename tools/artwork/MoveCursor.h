#pragma once

#include "platform/gdi/CursorFile.h"

namespace decalia::artwork {

// The pointer shown while a window is dragged: a four-way arrow, 32 x 32, hot
// spot in its centre.
gdi::CursorImage MoveCursor();

}  // namespace decalia::artwork
