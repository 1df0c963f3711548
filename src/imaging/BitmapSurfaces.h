#pragma once
// What the 24-bit and 8-bit surface operations share: loading a surface from a
// file, creating an empty one, copying between two, and the
// intermediate bitmap files handed to the texture library.

#include <string>
#include <string_view>

#include "appstate/BitmapSurface.h"

namespace decalia {

class Application;

// Loads a bitmap file of exactly the given depth into the surface; a file of
// another depth is refused like an unreadable one.
bool LoadSurface(Application& app, BitmapSurface& surface, std::string_view path, int bitCount);
// A fresh all-zero surface of the size; false for a size no bitmap can have.
bool CreateSurface(Application& app, BitmapSurface& surface, int bitCount, int width, int height);
bool StretchSurface(BitmapSurface& to, BitmapSurface& from, int destX, int destY, int destWidth,
                    int destHeight, int srcX, int srcY, int srcWidth, int srcHeight);

// Sizes the pixel buffer for the surface's format; it is only needed for
// saving, so it is not made with the surface.
void SizePixelBuffer(BitmapSurface& surface);
// Reads the surface's rows into its pixel buffer (and, at 8 bits, its colour
// table into the format record); false when nothing could be read.
bool ReadSurfacePixels(BitmapSurface& surface);
// <app>\TempBitmaps\<trimmed name>.bmp
std::string TempBitmapPath(const Application& app, std::string_view name);
// Writes the surface's format record, colour table (8 bits) and pixel buffer
// as a bitmap file, then lets the buffer go; false when the file cannot be
// written.
bool WriteSurfaceFile(BitmapSurface& surface, const std::string& path);

// The two sheet surfaces, colour then alpha.
void ReleaseWorkSurfaces(Application& app);

}  // namespace decalia
