#include "RealWindows.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace realwin {

Dib::Dib(int width, int height, int bitsPerPixel, std::span<const std::uint8_t> colorTable) {
    std::vector<std::uint8_t> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(bitsPerPixel);
    header.biCompression = BI_RGB;
    std::memcpy(info.data(), &header, sizeof(header));
    std::memcpy(info.data() + sizeof(header), colorTable.data(),
                std::min(colorTable.size(), info.size() - sizeof(header)));
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(static_cast<HDC>(dc_), reinterpret_cast<BITMAPINFO*>(info.data()),
                               DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dc_ == nullptr || bitmap_ == nullptr || bits == nullptr) return;
    previous_ = SelectObject(static_cast<HDC>(dc_), static_cast<HBITMAP>(bitmap_));
    bits_ = static_cast<std::uint8_t*>(bits);
    height_ = height;
    bytesPerPixel_ = bitsPerPixel / 8;
    stride_ = (width * bitsPerPixel + 31) / 32 * 4;
}

Dib::~Dib() {
    if (previous_ != nullptr) SelectObject(static_cast<HDC>(dc_), static_cast<HGDIOBJ>(previous_));
    if (bitmap_ != nullptr) DeleteObject(static_cast<HGDIOBJ>(bitmap_));
    if (dc_ != nullptr) DeleteDC(static_cast<HDC>(dc_));
}

std::uint8_t& Dib::At(int x, int y, int b) {
    const int row = height_ - 1 - y;
    return bits_[row * stride_ + x * bytesPerPixel_ + b];
}

bool Dib::InBlackOnWhiteMode() const {
    return GetStretchBltMode(static_cast<HDC>(dc_)) == BLACKONWHITE;
}

bool StretchBlt(Dib& dest, int x, int y, int width, int height, Dib& source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight) {
    const BOOL done = ::StretchBlt(static_cast<HDC>(dest.Dc()), x, y, width, height,
                                   static_cast<HDC>(source.Dc()), sourceX, sourceY, sourceWidth,
                                   sourceHeight, SRCCOPY);
    // Drawing may be batched; the bits are read straight after.
    GdiFlush();
    return done != FALSE;
}

}  // namespace realwin
