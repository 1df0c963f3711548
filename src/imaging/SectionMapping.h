#pragma once
// How a texture sheet is cut from the template: each section's template
// rectangle is copied onto its sheet rectangle, in order, so later sections
// win where they overlap. Right left of left (or bottom above top) mirrors.

#include <cstdint>

#include "config/AircraftConfiguration.h"

namespace decalia {

class Application;
struct BitmapSurface;

using StretchCopy = bool (*)(Application&, int, int, int, int, int, int, int, int);

// Copies every section with `copy`; the result is that of the last copy, or
// `ok` when there are no sections.
bool MapSections(Application& app, const config::TextureEntry& texture, StretchCopy copy, bool ok);

// Sizes the main window's preview picture box, in pixels.
void SizePreviewPicture(Application& app, int width, int height);
// Draws the surface into the preview picture box at the box's size and shows
// it in the preview image.
void ShowOnPreview(Application& app, const BitmapSurface& surface, int width, int height);

}  // namespace decalia
