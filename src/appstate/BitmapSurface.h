#pragma once
// One of the four in-memory bitmaps all image work happens on: a DIB section
// selected into a memory DC, its format record and the flags the release
// operations test. The flags are set by whatever builds the surface and are
// never cleared.

#include <cstdint>
#include <vector>

#include "platform/gdi/Dib.h"

namespace decalia {

struct BitmapSurface {
    win::HDC dc;
    win::HBITMAP bitmap;
    win::BITMAPINFO info;
    std::vector<std::uint8_t> pixels;
    bool dcCreated = false;
    bool bitmapCreated = false;
    bool bitmapSelected = false;
};

// Deletes the DC and bitmap the flags say exist; the flags stay as they are.
void DeleteSurfaceObjects(BitmapSurface& surface);

}  // namespace decalia
