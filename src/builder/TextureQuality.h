#pragma once
// What became of one texture of a build, for the build report: its size,
// mip levels, time, and how close the written texture came to the sheet
// composed for it.

#include <optional>
#include <string>

#include "texlib/RgbaImage.h"

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

// The 24-bit sheet as RGBA, top row first; nothing without pixels.
std::optional<texlib::RgbaImage> SheetImage(const BitmapSurface& sheet);

// Reads the written texture back and compares its largest level with the
// sheet; only that level is kept while comparing.
void MeasureWrittenTexture(const std::string& hostPath, const texlib::RgbaImage& sheet,
                           TextureReport& report);

}  // namespace decalia
