#include "MoveCursor.h"

#include <cmath>
#include <cstdlib>

namespace decalia::artwork {
namespace {

constexpr std::uint32_t kOpaqueBlack = 0xFF000000u;
constexpr std::uint32_t kOpaqueWhite = 0xFFFFFFFFu;

// Inside the arrow: a cross of two bars with a head at each end.
bool InsideArrow(int x, int y) {
    const int dx = std::abs(x - 16), dy = std::abs(y - 16);
    const int along = std::max(dx, dy), across = std::min(dx, dy);
    if (along <= 9) return across <= 1;
    if (along <= 14) return across <= 14 - along;
    return false;
}

}  // namespace

gdi::CursorImage MoveCursor() {
    gdi::CursorImage image;
    image.width = image.height = 32;
    image.hotspotX = image.hotspotY = 16;
    image.pixels.assign(32 * 32, 0);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (InsideArrow(x, y)) {
                image.pixels[static_cast<std::size_t>(y * 32 + x)] = kOpaqueBlack;
            } else if (InsideArrow(x + 1, y) || InsideArrow(x - 1, y) || InsideArrow(x, y + 1) ||
                       InsideArrow(x, y - 1)) {
                // A white rim keeps the arrow visible on dark skins.
                image.pixels[static_cast<std::size_t>(y * 32 + x)] = kOpaqueWhite;
            }
        }
    }
    return image;
}

}  // namespace decalia::artwork
