#include "builder/TextureQuality.h"

#include "appstate/BitmapSurface.h"
#include "texlib/Psnr.h"
#include "texlib/TextureReader.h"

namespace decalia {

std::optional<texlib::RgbaImage> SheetImage(const BitmapSurface& sheet) {
    win::DIBSECTION section;
    if (!sheet.bitmapCreated || !win::GetObject(sheet.bitmap, section)) return std::nullopt;
    const win::BITMAP& bm = section.dsBm;
    if (bm.bmBits == nullptr || bm.bmBitsPixel != 24 || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return std::nullopt;
    texlib::RgbaImage image;
    image.width = static_cast<std::uint32_t>(bm.bmWidth);
    image.height = static_cast<std::uint32_t>(bm.bmHeight);
    image.pixels.resize(std::size_t{image.width} * image.height * 4);
    const bool bottomUp = section.dsBmih.biHeight > 0;
    for (std::uint32_t y = 0; y < image.height; ++y) {
        const std::uint32_t row = bottomUp ? image.height - 1 - y : y;
        const std::uint8_t* from = bm.bmBits + std::size_t{row} * static_cast<std::size_t>(bm.bmWidthBytes);
        std::uint8_t* to = image.Pixel(0, y);
        for (std::uint32_t x = 0; x < image.width; ++x, from += 3, to += 4) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
            to[3] = 255;
        }
    }
    return image;
}

void MeasureWrittenTexture(const std::string& hostPath, const texlib::RgbaImage& sheet,
                           TextureReport& report) {
    texlib::TextureRead read = texlib::ReadTexture(hostPath);
    if (!read.texture || read.texture->levels.empty()) {
        report.problem = read.texture ? "the texture has no levels" : read.error;
        return;
    }
    report.mipLevels = static_cast<int>(read.texture->levels.size());
    read.texture->levels.resize(1);
    const auto psnr = texlib::ComputePsnr(read.texture->levels.front(), sheet);
    if (psnr) report.rgbPsnr = psnr->rgb;
    else report.problem = "the texture's size differs from its sheet";
}

}  // namespace decalia
