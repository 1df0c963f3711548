#pragma once
// 8-bit alpha bitmaps drawn on a raster in shades of grey.

#include <string>

#include "Raster.h"

namespace decalia::demodata {

// Saves the raster's red channel as an 8-bit bitmap whose palette is a grey
// ramp, so that each pixel's palette index is its alpha level. False when the
// file cannot be written.
bool SaveGreyBitmap8(const artwork::Raster& raster, const std::string& path);

inline artwork::Rgb Grey(std::uint8_t level) { return {level, level, level}; }

}  // namespace decalia::demodata
