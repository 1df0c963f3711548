#include "LabelFont.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "platform/text/Text.h"

namespace decalia::demodata {
namespace {

// Rows of the 5 x 7 digits, top first, bit 4 the leftmost dot.
constexpr std::array<std::array<std::uint8_t, 7>, 10> kDigits = {{
    {14, 17, 19, 21, 25, 17, 14}, {4, 12, 4, 4, 4, 4, 14},    {14, 17, 1, 2, 4, 8, 31},
    {31, 2, 4, 2, 1, 17, 14},     {2, 6, 10, 18, 31, 2, 2},   {31, 16, 30, 1, 1, 17, 14},
    {6, 8, 16, 30, 17, 17, 14},   {31, 1, 2, 4, 8, 8, 8},     {14, 17, 17, 14, 17, 17, 14},
    {14, 17, 17, 15, 1, 2, 12},
}};

void DrawDigit(artwork::Raster& raster, int left, int top, int digit, int scale, artwork::Rgb color) {
    const auto& glyph = kDigits[static_cast<std::size_t>(digit)];
    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 5; ++column)
            if (glyph[static_cast<std::size_t>(row)] & (16 >> column))
                raster.FillRect(left + column * scale, top + row * scale, left + (column + 1) * scale,
                                top + (row + 1) * scale, color);
}

}  // namespace

void DrawLabel(artwork::Raster& raster, int left, int top, std::string_view text, int scale,
               artwork::Rgb color) {
    const std::string upper = text::UCase(text);
    for (std::size_t i = 0; i < upper.size(); ++i) {
        const int x = left + static_cast<int>(i) * 6 * scale;
        const char c = upper[i];
        if (c >= '0' && c <= '9')
            DrawDigit(raster, x, top, c - '0', scale, color);
        else
            raster.Text(x, top, std::string_view(&upper[i], 1), scale, color);
    }
}

int LabelWidth(std::string_view text, int scale) { return artwork::Raster::TextWidth(text, scale); }

int LabelScaleToFit(std::string_view text, int width, int maxScale) {
    int scale = maxScale;
    while (scale > 1 && LabelWidth(text, scale) > width) --scale;
    return std::max(scale, 1);
}

}  // namespace decalia::demodata
