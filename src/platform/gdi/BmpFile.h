#pragma once
// Bitmap (.bmp) files.
//
// Reproduces: LoadImageA of a bitmap file with LR_LOADFROMFILE as a DIB
// section that keeps the file's own format: 8 bits with its colour table
// (biClrUsed entries, or 256 when 0; the rest of the 256 zero), 24 and 32
// bits (BI_RGB, or BI_BITFIELDS with the usual 0xFF0000/0xFF00/0xFF masks);
// BITMAPINFOHEADER and the larger V4/V5 headers; bottom-up and top-down rows
// (a top-down file becomes a bottom-up section, pixels unchanged); rows padded
// to 4 bytes. A file that is truncated, too large (beyond the DIB size guard),
// empty, or lies about its sizes (pixel offset inside the headers or past the
// end, negative offset, image size smaller than the rows, more than 256
// colours) gives a null handle and nothing is allocated for its pixels.
// Leaves out: 1/4/16-bit files, RLE and JPEG/PNG compression, OS/2 core
// headers, resource bitmaps, scaling to a requested size (non-zero cx/cy fail),
// LR_LOADTRANSPARENT and the other colour-mapping flags. The file-size field
// is not trusted.
// SaveBitmapFile writes BITMAPFILEHEADER + BITMAPINFOHEADER (+ 256 colours at
// 8 bits) and bottom-up padded rows.

#include "platform/gdi/Dib.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace win {

inline constexpr unsigned IMAGE_BITMAP = 0;
inline constexpr unsigned LR_LOADFROMFILE = 0x0010;
inline constexpr unsigned LR_CREATEDIBSECTION = 0x2000;

// `instance` must be null (only files are loaded); `type` IMAGE_BITMAP.
[[nodiscard]] HBITMAP LoadImageA(std::nullptr_t instance, std::string_view fileName, unsigned type,
                                 int cx, int cy, unsigned flags);

}  // namespace win

namespace decalia::gdi {

// The same load from bytes in memory.
[[nodiscard]] win::HBITMAP DecodeBmp(std::span<const std::uint8_t> file);
// The file bytes of a DIB, empty for an invalid handle.
std::string EncodeBmp(win::HBITMAP bitmap);
// False when the bitmap is invalid or the file cannot be written.
bool SaveBitmapFile(win::HBITMAP bitmap, std::string_view fileName);

}  // namespace decalia::gdi
