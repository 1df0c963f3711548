#pragma once
// The colour and alpha levels that stand for one texture sheet in the demo
// artwork, so a sheet is recognisable in the template and in its texture.

#include <cstddef>
#include <cstdint>

#include "Raster.h"

namespace decalia::demodata {

artwork::Rgb SheetHue(std::size_t sheetIndex);
artwork::Rgb SheetFill(std::size_t sheetIndex);  // light, for areas
artwork::Rgb SheetInk(std::size_t sheetIndex);   // dark, for frames and text
// The strongest alpha level of a sheet; the artwork also uses fractions of it.
std::uint8_t SheetAlpha(std::size_t sheetIndex);

}  // namespace decalia::demodata
