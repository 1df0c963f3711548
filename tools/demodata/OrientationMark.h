#pragma once
// The mark in a painted area's top-left corner: a block, "TOP LEFT" and an
// arrow pointing right, so a mirrored or turned copy of the area shows it.

#include "Raster.h"

namespace decalia::demodata {

struct MarkBox {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Sized to the box; nothing is drawn in a box too small to hold it.
void DrawOrientationMark(artwork::Raster& raster, const MarkBox& box, artwork::Rgb ink);

}  // namespace decalia::demodata
