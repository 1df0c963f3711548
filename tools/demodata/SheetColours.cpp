#include "SheetColours.h"

#include <array>

namespace decalia::demodata {
namespace {

constexpr std::array<artwork::Rgb, 8> kHues = {{
    {214, 69, 65}, {52, 120, 198}, {70, 160, 75}, {232, 160, 32},
    {140, 82, 190}, {30, 160, 150}, {220, 90, 160}, {120, 120, 120},
}};
constexpr std::array<std::uint8_t, 6> kAlphaLevels = {255, 224, 192, 160, 208, 176};

}  // namespace

artwork::Rgb SheetHue(std::size_t sheetIndex) { return kHues[sheetIndex % kHues.size()]; }

artwork::Rgb SheetFill(std::size_t sheetIndex) {
    return artwork::Mix(SheetHue(sheetIndex), {255, 255, 255}, 0.45);
}

artwork::Rgb SheetInk(std::size_t sheetIndex) {
    return artwork::Mix(SheetHue(sheetIndex), {0, 0, 0}, 0.65);
}

std::uint8_t SheetAlpha(std::size_t sheetIndex) {
    return kAlphaLevels[sheetIndex % kAlphaLevels.size()];
}

}  // namespace decalia::demodata
