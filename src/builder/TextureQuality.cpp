#include "builder/TextureQuality.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "appstate/BitmapSurface.h"
#include "texlib/Parallel.h"
#include "texlib/Psnr.h"
#include "texlib/TextureReader.h"

namespace decalia {
namespace {

// Summed in integers: a sum of doubles would chain every add on the last,
// and the report must not cost the build noticeable time.
std::uint64_t RowError(const std::uint8_t* rgba, const std::uint8_t* bgr, std::uint32_t width) {
    std::uint64_t sum = 0;
    for (std::uint32_t x = 0; x < width; ++x, rgba += 4, bgr += 3) {
        const int r = rgba[0] - bgr[2];
        const int g = rgba[1] - bgr[1];
        const int b = rgba[2] - bgr[0];
        sum += static_cast<std::uint32_t>(r * r + g * g + b * b);
    }
    return sum;
}

// Bands of rows on every core, as the encoding itself runs.
std::optional<double> RgbPsnr(const texlib::RgbaImage& decoded, const SheetView& sheet) {
    if (decoded.width != sheet.width || decoded.height != sheet.height) return std::nullopt;
    constexpr std::uint32_t kBandRows = 64;
    std::vector<std::uint64_t> bandErrors((sheet.height + kBandRows - 1) / kBandRows);
    texlib::ParallelFor(bandErrors.size(), texlib::HardwareThreads(), [&](std::size_t band) {
        const auto first = static_cast<std::uint32_t>(band) * kBandRows;
        for (std::uint32_t y = first; y < std::min(first + kBandRows, sheet.height); ++y) {
            const std::uint32_t row = sheet.bottomUp ? sheet.height - 1 - y : y;
            bandErrors[band] += RowError(decoded.Pixel(0, y), sheet.bits + row * sheet.stride, sheet.width);
        }
    });
    const std::uint64_t error = std::accumulate(bandErrors.begin(), bandErrors.end(), std::uint64_t{0});
    if (error == 0) return texlib::kIdenticalPsnr;
    const double samples = 3.0 * sheet.width * sheet.height;
    return 10.0 * std::log10(255.0 * 255.0 * samples / static_cast<double>(error));
}

}  // namespace

std::optional<SheetView> ViewSheet(const BitmapSurface& sheet) {
    win::DIBSECTION section;
    if (!sheet.bitmapCreated || !win::GetObject(sheet.bitmap, section)) return std::nullopt;
    const win::BITMAP& bm = section.dsBm;
    if (bm.bmBits == nullptr || bm.bmBitsPixel != 24 || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return std::nullopt;
    return SheetView{bm.bmBits, static_cast<std::uint32_t>(bm.bmWidth),
                     static_cast<std::uint32_t>(bm.bmHeight), static_cast<std::size_t>(bm.bmWidthBytes),
                     section.dsBmih.biHeight > 0};
}

std::optional<SheetCopy> CopySheet(const BitmapSurface& sheet) {
    const auto view = ViewSheet(sheet);
    if (!view) return std::nullopt;
    SheetCopy copy;
    copy.bytes.assign(view->bits, view->bits + view->stride * view->height);
    copy.view = *view;
    copy.view.bits = copy.bytes.data();
    return copy;
}

void MeasureWrittenTexture(const std::string& hostPath, const SheetView& sheet, TextureReport& report) {
    texlib::TextureRead read = texlib::ReadTexture(hostPath);
    if (!read.texture || read.texture->levels.empty()) {
        report.problem = read.texture ? "the texture has no levels" : read.error;
        return;
    }
    report.mipLevels = static_cast<int>(read.texture->levels.size());
    read.texture->levels.resize(1);
    report.rgbPsnr = RgbPsnr(read.texture->levels.front(), sheet);
    if (!report.rgbPsnr) report.problem = "the texture's size differs from its sheet";
}

}  // namespace decalia
