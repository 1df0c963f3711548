#include "platform/forms/Surface.h"

#include "platform/gdi/Dib.h"
#include "platform/gdi/StretchBlt.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace decalia::forms {

namespace {

win::HBITMAP NewDib(int width, int height, std::uint8_t** bits) {
    win::BITMAPINFO info;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biBitCount = 24;
    return win::CreateDIBSection(win::HDC{}, info, win::DIB_RGB_COLORS, bits);
}

// Copies the top-left corner of one bitmap onto another.
void CopyCorner(win::HDC to, win::HBITMAP from, int width, int height) {
    gdi::Owned<win::HDC> source(win::CreateCompatibleDC(win::HDC{}));
    const win::HBITMAP previous = win::SelectObject(source.Get(), from);
    if (!previous) {
        return;
    }
    win::StretchBlt(to, 0, 0, width, height, source.Get(), 0, 0, width, height, win::SRCCOPY);
    win::SelectObject(source.Get(), previous);
}

}  // namespace

bool Surface::Resize(int width, int height, win::COLORREF fill) {
    std::uint8_t* bits = nullptr;
    gdi::Owned<win::HBITMAP> bitmap(NewDib(width, height, &bits));
    gdi::Owned<win::HDC> dc(win::CreateCompatibleDC(win::HDC{}));
    if (!bitmap || !dc || !win::SelectObject(dc.Get(), bitmap.Get())) {
        Release();
        return false;
    }
    std::swap(bits_, bits);
    std::swap(dc_, dc);
    std::swap(bitmap_, bitmap);
    const int oldWidth = std::exchange(width_, width);
    const int oldHeight = std::exchange(height_, height);
    Fill(fill);
    if (bitmap) {
        dc.Reset();  // frees the old bitmap for copying
        CopyCorner(dc_.Get(), bitmap.Get(), std::min(oldWidth, width),
                   std::min(oldHeight, height));
    }
    return true;
}

void Surface::Release() {
    dc_.Reset();
    bitmap_.Reset();
    bits_ = nullptr;
    width_ = 0;
    height_ = 0;
}

void Surface::Fill(win::COLORREF color) {
    if (bits_ == nullptr || height_ <= 0) {
        return;
    }
    const auto stride = static_cast<std::size_t>(gdi::DibStride(width_, 24));
    for (int x = 0; x < width_; ++x) {
        bits_[3 * x] = win::GetBValue(color);
        bits_[3 * x + 1] = win::GetGValue(color);
        bits_[3 * x + 2] = win::GetRValue(color);
    }
    for (int y = 1; y < height_; ++y) {
        std::memcpy(bits_ + static_cast<std::size_t>(y) * stride, bits_, stride);
    }
}

void Surface::Draw(const Picture& picture) {
    if (picture && dc_) {
        CopyCorner(dc_.Get(), picture.Handle(), picture.Width(), picture.Height());
    }
}

Picture Surface::Snapshot() const {
    std::uint8_t* bits = nullptr;
    const win::HBITMAP copy = NewDib(width_, height_, &bits);
    if (!copy || bits_ == nullptr) {
        return Picture::Adopt(copy);
    }
    const auto bytes = static_cast<std::size_t>(gdi::DibStride(width_, 24)) *
                       static_cast<std::size_t>(height_);
    std::memcpy(bits, bits_, bytes);
    return Picture::Adopt(copy);
}

}  // namespace decalia::forms
