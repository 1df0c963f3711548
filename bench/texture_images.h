#pragma once
// The texture benchmarks' inputs: the image set in DECALIA_BENCH_IMAGES (or
// the KWDDS_BENCH_IMAGES environment variable), else one synthetic sheet.

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "texlib/BitmapFile.h"
#include "texlib/SizeGuard.h"

namespace decalia::bench {

struct BenchImage {
    std::string name;
    texlib::RgbaImage image;
};

inline std::filesystem::path ImageSetFolder() {
    const char* override = std::getenv("KWDDS_BENCH_IMAGES");
    return override != nullptr ? override : DECALIA_BENCH_IMAGES;
}

// A livery-like sheet: flat panels, hard-edged stripes and fine lines.
inline texlib::RgbaImage SyntheticSheet(std::uint32_t side) {
    texlib::RgbaImage image = texlib::MakeImage(side, side);
    for (std::uint32_t y = 0; y < side; ++y) {
        for (std::uint32_t x = 0; x < side; ++x) {
            std::uint8_t* p = image.Pixel(x, y);
            const bool stripe = (y / 37) % 5 == 0;
            const bool letter = ((x / 3) ^ (y / 5)) % 7 == 0 && y % 97 < 12;
            p[0] = letter ? 10 : stripe ? 200 : static_cast<std::uint8_t>(230 - x % 40);
            p[1] = letter ? 20 : stripe ? 16 : static_cast<std::uint8_t>(232 - y % 30);
            p[2] = letter ? 90 : stripe ? 46 : 236;
            p[3] = static_cast<std::uint8_t>((x + y) * 255 / (2 * side));
        }
    }
    return image;
}

// Every NAME_<side>.bmp of the set with its alpha sheet NAME_<side>_a.bmp.
inline std::vector<BenchImage> LoadImageSet(std::uint32_t side) {
    std::vector<BenchImage> images;
    const std::string suffix = "_" + std::to_string(side) + ".bmp";
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(ImageSetFolder(), ec)) {
        const std::string file = entry.path().filename().string();
        if (file.size() <= suffix.size() || file.compare(file.size() - suffix.size(), suffix.size(), suffix) != 0) {
            continue;
        }
        const auto colour = texlib::ReadWholeFile(entry.path());
        auto alphaPath = entry.path();
        alphaPath.replace_extension().concat("_a.bmp");
        const auto alpha = texlib::ReadWholeFile(alphaPath);
        if (!colour || !alpha) {
            continue;
        }
        texlib::PlainBitmap c = texlib::DecodePlainBitmap(*colour);
        const texlib::PlainBitmap a = texlib::DecodePlainBitmap(*alpha);
        if (!c.error.empty() || !a.error.empty() || c.image.pixels.size() != a.image.pixels.size()) {
            continue;
        }
        for (std::size_t i = 3; i < c.image.pixels.size(); i += 4) {
            c.image.pixels[i] = a.image.pixels[i];
        }
        images.push_back({file.substr(0, file.size() - 4), std::move(c.image)});
    }
    if (images.empty()) {
        images.push_back({"synthetic", SyntheticSheet(side)});
    }
    return images;
}

}  // namespace decalia::bench
