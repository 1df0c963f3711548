#pragma once
// The textures an installed aircraft already has: one plain sheet per texture
// in the sheet's colour (tinted for a repaint), named and framed, and the
// small extra textures (panel, gauges) that repaints copy unchanged.

#include <cstddef>
#include <string_view>

#include "Raster.h"
#include "config/AircraftConfiguration.h"

namespace decalia::demodata {

// TextureSizeX x TextureSizeY (at least 1 x 1), labelled with the sheet's view
// name and the livery's name.
artwork::Raster SheetTexture(const config::TextureEntry& texture, std::size_t sheetIndex,
                             std::string_view livery, artwork::Rgb tint);
artwork::Raster ExtraTextureArt(std::string_view fileName);

inline constexpr artwork::Rgb kHouseTint = {255, 255, 255};
inline constexpr artwork::Rgb kBlueHeronTint = {40, 90, 200};

}  // namespace decalia::demodata
