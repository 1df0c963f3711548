#pragma once
// Any bitmap's pixels as 32-bit rows, top-down, as GetDIBits expands them
// (palette bitmaps through their colour table): for desktops that show a
// bitmap whose own bits they cannot take as they are.

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/gdi/Dib.h"

namespace decalia::gdi {

struct Pixels32 {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes;  // BGRX, width * 4 bytes a row
};

// Nothing for a handle that is no bitmap or an empty one.
std::optional<Pixels32> ReadPixels32(win::HBITMAP bitmap);

}  // namespace decalia::gdi
