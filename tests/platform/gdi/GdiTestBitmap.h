#pragma once
// A DIB section selected into its own memory DC, for tests.

#include "platform/gdi/Gdi.h"

#include <cstdint>
#include <random>
#include <vector>

namespace gditest {

class TestBitmap {
public:
    TestBitmap(int width, int height, int bitsPerPixel) {
        win::BITMAPINFO info;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = height;
        info.bmiHeader.biBitCount = static_cast<std::uint16_t>(bitsPerPixel);
        for (int i = 0; i < 256; ++i) {
            const auto v = static_cast<std::uint8_t>(i);
            info.bmiColors[static_cast<std::size_t>(i)] = {v, static_cast<std::uint8_t>(255 - i), v,
                                                           0};
        }
        dc_ = decalia::gdi::Owned<win::HDC>(win::CreateCompatibleDC({}));
        bitmap_ = win::CreateDIBSection(dc_.Get(), info, win::DIB_RGB_COLORS, &bits_);
        win::SelectObject(dc_.Get(), bitmap_);
        width_ = width;
        height_ = height < 0 ? -height : height;
        bytesPerPixel_ = bitsPerPixel / 8;
        stride_ = static_cast<int>(decalia::gdi::DibStride(width, bitsPerPixel));
        topDown_ = height < 0;
    }
    ~TestBitmap() {
        dc_.Reset();
        win::DeleteObject(bitmap_);
    }
    TestBitmap(const TestBitmap&) = delete;
    TestBitmap& operator=(const TestBitmap&) = delete;

    win::HDC Dc() const { return dc_.Get(); }
    win::HBITMAP Bitmap() const { return bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int BytesPerPixel() const { return bytesPerPixel_; }

    // Byte b of pixel (x, y), y counted from the top.
    std::uint8_t& At(int x, int y, int b = 0) {
        const int row = topDown_ ? y : height_ - 1 - y;
        return bits_[static_cast<std::size_t>(row * stride_ + x * bytesPerPixel_ + b)];
    }
    std::vector<std::uint8_t> Pixel(int x, int y) {
        std::vector<std::uint8_t> bytes;
        for (int b = 0; b < bytesPerPixel_; ++b) bytes.push_back(At(x, y, b));
        return bytes;
    }
    void Fill(std::mt19937& random) {
        std::uniform_int_distribution<int> byte(0, 255);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                for (int b = 0; b < bytesPerPixel_; ++b)
                    At(x, y, b) = static_cast<std::uint8_t>(byte(random));
    }
    // Pixel bytes only (no row padding), top row first.
    std::vector<std::uint8_t> Snapshot() {
        std::vector<std::uint8_t> bytes;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                for (int b = 0; b < bytesPerPixel_; ++b) bytes.push_back(At(x, y, b));
        return bytes;
    }

private:
    decalia::gdi::Owned<win::HDC> dc_;
    win::HBITMAP bitmap_;
    std::uint8_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int bytesPerPixel_ = 0;
    int stride_ = 0;
    bool topDown_ = false;
};

}  // namespace gditest
