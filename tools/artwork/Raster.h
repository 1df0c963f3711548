#pragma once
// A plain RGB drawing surface for the skin artwork, saved as 24-bit bitmaps.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace decalia::artwork {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Linear mix: t = 0 gives a, t = 1 gives b.
Rgb Mix(Rgb a, Rgb b, double t);

class Raster {
public:
    Raster(int width, int height, Rgb fill = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const;
    // Pixels outside the raster are ignored.
    void Set(int x, int y, Rgb color);

    void FillRect(int left, int top, int right, int bottom, Rgb color);
    // Vertical gradient from `top` colour to `bottom` colour over the rows.
    void FillGradient(int left, int top, int right, int bottom, Rgb topColor, Rgb bottomColor);
    // Everything outside a rounded rectangle of the given corner radius.
    void ClearOutsideRoundedRect(int left, int top, int right, int bottom, int radius, Rgb outside);
    void FillCircle(double cx, double cy, double radius, Rgb color);
    void Ring(double cx, double cy, double radius, double thickness, Rgb color);
    void Line(double x0, double y0, double x1, double y1, double thickness, Rgb color);
    void FrameRect(int left, int top, int right, int bottom, Rgb color);
    // Upper-case text in a 5 x 7 dot font, each dot scale x scale pixels.
    void Text(int left, int top, std::string_view text, int scale, Rgb color);
    static int TextWidth(std::string_view text, int scale);

    // Copies another raster in at (left, top).
    void Blit(const Raster& source, int left, int top);

private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

// False when the file cannot be written.
bool SaveBitmap24(const Raster& raster, const std::string& path);

}  // namespace decalia::artwork
