#pragma once
// The persistent drawing of a form or picture box with AutoRedraw: a 24-bit
// DIB section selected into a memory DC (internal to the forms library).

#include "platform/forms/Picture.h"
#include "platform/gdi/GdiObjects.h"

#include <cstdint>

namespace decalia::forms {

class Surface {
public:
    // A new surface of the size, keeping the drawing of the old one where they
    // overlap and filling the rest with the colour. False when the size is
    // refused (the surface is then empty).
    bool Resize(int width, int height, win::COLORREF fill);
    void Release();
    void Fill(win::COLORREF color);
    // The picture at the top-left corner, unscaled.
    void Draw(const Picture& picture);
    win::HDC Dc() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // A copy of the drawing as a picture of its own.
    Picture Snapshot() const;

private:
    gdi::Owned<win::HBITMAP> bitmap_;
    gdi::Owned<win::HDC> dc_;  // deleted first: the bitmap is selected into it
    std::uint8_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace decalia::forms
