#pragma once
// What a form looks like as the runtime holds it, as a paint list: the form's
// own drawing and, child by child in creation order (later ones over earlier
// ones), every control not shown as a real control, each clipped to its
// parents. Bitmaps are handed over as the runtime's own pixels.

#include <cstdint>
#include <vector>

#include "platform/forms/Forward.h"
#include "win32/NativeTypes.h"

namespace decalia::win32 {

// `converted` keeps pixels that had to be converted (palette bitmaps) alive
// for as long as the list is painted.
PaintList SceneOf(forms::Form& form, int dotsPerInch,
                  std::vector<std::vector<std::uint8_t>>& converted);

}  // namespace decalia::win32
