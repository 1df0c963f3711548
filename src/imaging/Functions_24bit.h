#pragma once
// The 24-bit surfaces: the painter's template and the colour sheet composed
// from it. Each operation reports success and shows nothing.

#include <string_view>

namespace decalia {

class Application;

bool Load24BitBitmap(Application& app, std::string_view path);
bool Create24BitSurface(Application& app, int bitCount, int width, int height);
// Template rectangle onto colour-sheet rectangle, scaled and mirrored as the
// block copy does.
bool Stretch24Bit(Application& app, int destX, int destY, int destWidth, int destHeight, int srcX,
                  int srcY, int srcWidth, int srcHeight);
// The colour sheet as <app>\TempBitmaps\<trimmed name>.bmp.
bool Save24BitBitmap(Application& app, std::string_view name);

}  // namespace decalia
