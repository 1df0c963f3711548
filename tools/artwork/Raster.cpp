#include "Raster.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/gdi/BmpFile.h"
#include "platform/gdi/Dib.h"

namespace decalia::artwork {
namespace {

std::uint8_t Channel(double a, double b, double t) {
    return static_cast<std::uint8_t>(std::lround(a + (b - a) * std::clamp(t, 0.0, 1.0)));
}

// Rows of the 5 x 7 dot font, top first, bit 4 the leftmost dot.
const std::array<std::uint8_t, 7>* Glyph(char c) {
    static const std::array<std::array<std::uint8_t, 7>, 26> kLetters = {{
        {14, 17, 17, 31, 17, 17, 17}, {30, 17, 17, 30, 17, 17, 30}, {14, 17, 16, 16, 16, 17, 14},
        {30, 17, 17, 17, 17, 17, 30}, {31, 16, 16, 30, 16, 16, 31}, {31, 16, 16, 30, 16, 16, 16},
        {14, 17, 16, 23, 17, 17, 15}, {17, 17, 17, 31, 17, 17, 17}, {14, 4, 4, 4, 4, 4, 14},
        {7, 2, 2, 2, 2, 18, 12},      {17, 18, 20, 24, 20, 18, 17}, {16, 16, 16, 16, 16, 16, 31},
        {17, 27, 21, 21, 17, 17, 17}, {17, 17, 25, 21, 19, 17, 17}, {14, 17, 17, 17, 17, 17, 14},
        {30, 17, 17, 30, 16, 16, 16}, {14, 17, 17, 17, 21, 18, 13}, {30, 17, 17, 30, 20, 18, 17},
        {15, 16, 16, 14, 1, 1, 30},   {31, 4, 4, 4, 4, 4, 4},       {17, 17, 17, 17, 17, 17, 14},
        {17, 17, 17, 17, 17, 10, 4},  {17, 17, 17, 21, 21, 21, 10}, {17, 17, 10, 4, 10, 17, 17},
        {17, 17, 10, 4, 4, 4, 4},     {31, 1, 2, 4, 8, 16, 31},
    }};
    static const std::array<std::uint8_t, 7> kQuestion = {14, 17, 1, 2, 4, 0, 4};
    static const std::array<std::uint8_t, 7> kPeriod = {0, 0, 0, 0, 0, 12, 12};
    static const std::array<std::uint8_t, 7> kHyphen = {0, 0, 0, 31, 0, 0, 0};
    if (c >= 'A' && c <= 'Z') return &kLetters[static_cast<std::size_t>(c - 'A')];
    if (c == '?') return &kQuestion;
    if (c == '.') return &kPeriod;
    if (c == '-') return &kHyphen;
    return nullptr;
}

double DistanceToSegment(double px, double py, double x0, double y0, double x1, double y1) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double lengthSquared = dx * dx + dy * dy;
    const double t =
        lengthSquared == 0 ? 0 : std::clamp(((px - x0) * dx + (py - y0) * dy) / lengthSquared, 0.0, 1.0);
    return std::hypot(px - (x0 + t * dx), py - (y0 + t * dy));
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
    return {Channel(a.r, b.r, t), Channel(a.g, b.g, t), Channel(a.b, b.b, t)};
}

Raster::Raster(int width, int height, Rgb fill)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

Rgb Raster::At(int x, int y) const {
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)];
}

void Raster::Set(int x, int y, Rgb color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
            static_cast<std::size_t>(x)] = color;
}

void Raster::FillRect(int left, int top, int right, int bottom, Rgb color) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) Set(x, y, color);
}

void Raster::FillGradient(int left, int top, int right, int bottom, Rgb topColor, Rgb bottomColor) {
    const double rows = std::max(1, bottom - top - 1);
    for (int y = top; y < bottom; ++y) FillRect(left, y, right, y + 1, Mix(topColor, bottomColor, (y - top) / rows));
}

void Raster::ClearOutsideRoundedRect(int left, int top, int right, int bottom, int radius,
                                     Rgb outside) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const double cx = std::clamp(x + 0.5, double(left + radius), double(right - radius));
            const double cy = std::clamp(y + 0.5, double(top + radius), double(bottom - radius));
            const bool inside = x >= left && x < right && y >= top && y < bottom &&
                                std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius;
            if (!inside) Set(x, y, outside);
        }
    }
}

void Raster::FillCircle(double cx, double cy, double radius, Rgb color) {
    for (int y = int(cy - radius) - 1; y <= int(cy + radius) + 1; ++y)
        for (int x = int(cx - radius) - 1; x <= int(cx + radius) + 1; ++x)
            if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius) Set(x, y, color);
}

void Raster::Ring(double cx, double cy, double radius, double thickness, Rgb color) {
    for (int y = int(cy - radius) - 1; y <= int(cy + radius) + 1; ++y)
        for (int x = int(cx - radius) - 1; x <= int(cx + radius) + 1; ++x)
            if (std::abs(std::hypot(x + 0.5 - cx, y + 0.5 - cy) - radius) <= thickness / 2) Set(x, y, color);
}

void Raster::Line(double x0, double y0, double x1, double y1, double thickness, Rgb color) {
    const int left = int(std::min(x0, x1) - thickness) - 1, right = int(std::max(x0, x1) + thickness) + 1;
    const int top = int(std::min(y0, y1) - thickness) - 1, bottom = int(std::max(y0, y1) + thickness) + 1;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (DistanceToSegment(x + 0.5, y + 0.5, x0, y0, x1, y1) <= thickness / 2) Set(x, y, color);
}

void Raster::FrameRect(int left, int top, int right, int bottom, Rgb color) {
    FillRect(left, top, right, top + 1, color);
    FillRect(left, bottom - 1, right, bottom, color);
    FillRect(left, top, left + 1, bottom, color);
    FillRect(right - 1, top, right, bottom, color);
}

void Raster::Text(int left, int top, std::string_view text, int scale, Rgb color) {
    int x = left;
    for (char c : text) {
        if (const auto* glyph = Glyph(c)) {
            for (int row = 0; row < 7; ++row)
                for (int column = 0; column < 5; ++column)
                    if ((*glyph)[static_cast<std::size_t>(row)] & (16 >> column))
                        FillRect(x + column * scale, top + row * scale, x + (column + 1) * scale,
                                 top + (row + 1) * scale, color);
        }
        x += 6 * scale;
    }
}

int Raster::TextWidth(std::string_view text, int scale) {
    return text.empty() ? 0 : static_cast<int>(text.size()) * 6 * scale - scale;
}

void Raster::Blit(const Raster& source, int left, int top) {
    for (int y = 0; y < source.height_; ++y)
        for (int x = 0; x < source.width_; ++x) Set(left + x, top + y, source.At(x, y));
}

bool SaveBitmap24(const Raster& raster, const std::string& path) {
    win::BITMAPINFO info;
    info.bmiHeader.biWidth = raster.Width();
    info.bmiHeader.biHeight = raster.Height();
    info.bmiHeader.biBitCount = 24;
    std::uint8_t* bits = nullptr;
    const win::HBITMAP bitmap = win::CreateDIBSection(win::HDC{}, info, win::DIB_RGB_COLORS, &bits);
    if (!bitmap) return false;
    const auto stride = static_cast<std::size_t>(gdi::DibStride(raster.Width(), 24));
    for (int y = 0; y < raster.Height(); ++y) {
        std::uint8_t* row = bits + static_cast<std::size_t>(raster.Height() - 1 - y) * stride;
        for (int x = 0; x < raster.Width(); ++x) {
            const Rgb c = raster.At(x, y);
            row[3 * x] = c.b;
            row[3 * x + 1] = c.g;
            row[3 * x + 2] = c.r;
        }
    }
    const bool saved = gdi::SaveBitmapFile(bitmap, path);
    win::DeleteObject(bitmap);
    return saved;
}

}  // namespace decalia::artwork
