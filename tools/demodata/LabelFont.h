#pragma once
// Labels for the demo artwork: the skin's dot font, with the digits it lacks.

#include <string_view>

#include "Raster.h"

namespace decalia::demodata {

// Draws text in upper case, each dot scale x scale pixels; characters the font
// does not have leave a gap.
void DrawLabel(artwork::Raster& raster, int left, int top, std::string_view text, int scale,
               artwork::Rgb color);
int LabelWidth(std::string_view text, int scale);
inline int LabelHeight(int scale) { return 7 * scale; }

// The largest scale, at most maxScale and at least 1, at which text fits width.
int LabelScaleToFit(std::string_view text, int width, int maxScale);

}  // namespace decalia::demodata
