#pragma once
// The 8-bit surfaces: the alpha template and the alpha sheet composed from it.
// The alpha sheet carries the alpha template's palette, so copies keep the
// painter's palette indices.

#include <string_view>

namespace decalia {

class Application;

inline constexpr std::string_view kNoAlphaTemplate = "IGNORE";

// kNoAlphaTemplate loads nothing and fails at once.
bool Load8BitBitmap(Application& app, std::string_view path);
bool Create8BitSurface(Application& app, int bitCount, int width, int height);
bool Stretch8Bit(Application& app, int destX, int destY, int destWidth, int destHeight, int srcX,
                 int srcY, int srcWidth, int srcHeight);
// Without an alpha template the file is a uniformly opaque sheet: every index
// 255 over a grey ramp.
bool Save8BitBitmap(Application& app, std::string_view name);

}  // namespace decalia
