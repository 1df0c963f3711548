#include "SheetArt.h"

#include <algorithm>

#include "LabelFont.h"
#include "OrientationMark.h"
#include "SheetColours.h"
#include "platform/text/Text.h"

namespace decalia::demodata {
namespace {

constexpr int kExtraTextureSize = 256;
constexpr int kMaxScale = 16;

void CentredLines(artwork::Raster& raster, std::string_view first, std::string_view second,
                  artwork::Rgb ink) {
    const int width = raster.Width() * 4 / 5;
    const int scale = std::min({LabelScaleToFit(first, width, kMaxScale),
                                LabelScaleToFit(second, width, kMaxScale) * 2,
                                std::max(1, raster.Height() / 30)});
    const int small = std::max(1, scale / 2);
    const int top = (raster.Height() - LabelHeight(scale) * 2) / 2;
    DrawLabel(raster, (raster.Width() - LabelWidth(first, scale)) / 2, top, first, scale, ink);
    DrawLabel(raster, (raster.Width() - LabelWidth(second, small)) / 2, top + LabelHeight(scale) * 3 / 2,
              second, small, ink);
}

}  // namespace

artwork::Raster SheetTexture(const config::TextureEntry& texture, std::size_t sheetIndex,
                             std::string_view livery, artwork::Rgb tint) {
    artwork::Raster raster(std::max<int>(texture.TextureSizeX, 1), std::max<int>(texture.TextureSizeY, 1),
                           artwork::Mix(SheetFill(sheetIndex), tint, 0.4));
    const artwork::Rgb ink = SheetInk(sheetIndex);
    raster.FrameRect(0, 0, raster.Width(), raster.Height(), ink);
    DrawOrientationMark(raster, {0, 0, raster.Width(), raster.Height()}, ink);
    CentredLines(raster, text::Trim(texture.ViewName), livery, ink);
    return raster;
}

artwork::Raster ExtraTextureArt(std::string_view fileName) {
    artwork::Raster raster(kExtraTextureSize, kExtraTextureSize, {38, 40, 44});
    const std::string_view stem = fileName.substr(0, fileName.rfind('.'));
    CentredLines(raster, stem.substr(stem.find('_') + 1), "shared", {200, 200, 200});
    return raster;
}

}  // namespace decalia::demodata
