#include "TexlibFixtures.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>

#include "texlib/BitmapFile.h"
#include "texlib/SizeGuard.h"

namespace decalia::texlib::testing {

RgbaImage PaintedImage(std::uint32_t width, std::uint32_t height, std::uint32_t seed, bool opaque) {
    RgbaImage image = MakeImage(width, height);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> noise(-3, 3);
    // Features keep their size in pixels, so a small sheet is a small piece
    // of artwork rather than the whole picture squeezed.
    const double scale = 1.0 / 64.0;
    const double cx = 40.0;
    const double cy = 24.0;
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            const double fx = std::fmod(x * scale, 1.0);
            const double fy = std::fmod(y * scale, 1.0);
            const double disc = std::exp(-(std::pow(x - cx, 2) + std::pow(y - cy, 2)) / 200.0);
            const double values[4] = {40 + 150 * fx + 60 * disc, 200 - 120 * fy, 90 + 100 * disc,
                                      opaque ? 255.0 : 255 * (0.5 * fx + 0.5 * fy)};
            std::uint8_t* p = image.Pixel(x, y);
            for (int c = 0; c < 4; ++c) {
                const int v = static_cast<int>(values[c]) + (c < 3 ? noise(random) : 0);
                p[c] = static_cast<std::uint8_t>(std::clamp(v, 0, 255));
            }
        }
    }
    return image;
}

Sheets WriteSheets(const testsupport::TempDir& dir, const std::string& stem, const RgbaImage& image) {
    const auto asText = [](const std::vector<std::uint8_t>& bytes) {
        return std::string(bytes.begin(), bytes.end());
    };
    Sheets sheets{dir / (stem + "_c.bmp"), dir / (stem + "_a.bmp")};
    testsupport::WriteFile(sheets.colour, asText(EncodeColourBitmap(image)));
    testsupport::WriteFile(sheets.alpha, asText(EncodeAlphaBitmap(image)));
    return sheets;
}

RgbaImage Opaque(RgbaImage image) {
    for (std::size_t i = 3; i < image.pixels.size(); i += 4) {
        image.pixels[i] = 255;
    }
    return image;
}

int MaxChannelError(const RgbaImage& a, const RgbaImage& b) {
    int worst = 0;
    for (std::size_t i = 0; i < a.pixels.size() && i < b.pixels.size(); ++i) {
        worst = std::max(worst, std::abs(a.pixels[i] - b.pixels[i]));
    }
    return worst;
}

}  // namespace decalia::texlib::testing
