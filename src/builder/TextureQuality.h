#pragma once
// What became of one texture of a build, for the build report: its size,
// mip levels, time, and how close the written texture came to the sheet
// composed for it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace decalia {

struct BitmapSurface;

struct TextureReport {
    std::string name;    // output name
    std::string format;  // as the library was asked for it
    int width = 0;
    int height = 0;
    bool written = false;
    int mipLevels = 0;              // of the written texture
    std::optional<double> rgbPsnr;  // decibels; infinite when exact
    double milliseconds = 0;        // composing, saving and the library's work
    std::string problem;            // why the texture could not be read back
};

// The 24-bit sheet's rows where they lie, without a copy.
struct SheetView {
    const std::uint8_t* bits = nullptr;  // blue, green, red per pixel
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::size_t stride = 0;
    bool bottomUp = true;
};
std::optional<SheetView> ViewSheet(const BitmapSurface& sheet);

// A sheet kept past its surface (the DXT1 call lets the surface go).
struct SheetCopy {
    std::vector<std::uint8_t> bytes;
    SheetView view;
};
std::optional<SheetCopy> CopySheet(const BitmapSurface& sheet);

// Reads the written texture back and compares its largest level with the
// sheet over red, green and blue.
void MeasureWrittenTexture(const std::string& hostPath, const SheetView& sheet, TextureReport& report);

}  // namespace decalia
