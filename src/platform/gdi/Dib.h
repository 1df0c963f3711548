#pragma once
// Device-independent bitmaps (DIB sections) and reading them back.
//
// Reproduces: CreateDIBSection for 8 bits per pixel (a 256-entry colour table
// of RGBQUAD; entries past biClrUsed are zero), 24 and 32 bits per pixel;
// rows padded to 4 bytes, bottom-up for a positive height and top-down for a
// negative one; fresh bits all zero; the bits pointer stays valid until the
// bitmap is deleted. GetObject (BITMAP / DIBSECTION), GetDIBits (rows counted
// from the bottom, into 8, 24 or 32 bits; a null buffer only fills in the
// header's image size), GetDIBColorTable / SetDIBColorTable on the bitmap
// selected into a DC, GetPixel (through the colour table at 8 bits; CLR_INVALID
// outside the bitmap or without one).
// Leaves out: DIB_PAL_COLORS, 1/4/16 bits per pixel, compressed DIBs, file
// mapping sections, GetDIBits from 24/32 bits down to 8 (it would need colour
// matching), SetDIBits. Every size goes through one overflow-checked guard:
// at most 32768 pixels per side and 512 MiB of bits.

#include "platform/gdi/GdiObjects.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace win {

#pragma pack(push, 1)
struct BITMAPINFOHEADER {
    std::uint32_t biSize = 40;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;
    std::uint16_t biPlanes = 1;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};

struct RGBQUAD {
    std::uint8_t rgbBlue = 0;
    std::uint8_t rgbGreen = 0;
    std::uint8_t rgbRed = 0;
    std::uint8_t rgbReserved = 0;
    friend bool operator==(const RGBQUAD&, const RGBQUAD&) = default;
};

// The header followed by a full 256-entry colour table (1064 bytes).
struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    std::array<RGBQUAD, 256> bmiColors{};
};
#pragma pack(pop)
static_assert(sizeof(BITMAPINFOHEADER) == 40);
static_assert(sizeof(BITMAPINFO) == 1064);

inline constexpr std::uint32_t BI_RGB = 0;
inline constexpr std::uint32_t BI_BITFIELDS = 3;
inline constexpr unsigned DIB_RGB_COLORS = 0;
inline constexpr unsigned DIB_PAL_COLORS = 1;

struct BITMAP {
    std::int32_t bmType = 0;
    std::int32_t bmWidth = 0;
    std::int32_t bmHeight = 0;  // always positive
    std::int32_t bmWidthBytes = 0;
    std::uint16_t bmPlanes = 1;
    std::uint16_t bmBitsPixel = 0;
    std::uint8_t* bmBits = nullptr;  // null for the stock bitmap
};

struct DIBSECTION {
    BITMAP dsBm;
    BITMAPINFOHEADER dsBmih;  // biHeight negative for a top-down section
};

// `dc` is only checked when given; `bits` receives the pixel bytes' address.
[[nodiscard]] HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO& info, unsigned usage,
                                       std::uint8_t** bits);

bool GetObject(HBITMAP bitmap, BITMAP& out);
bool GetObject(HBITMAP bitmap, DIBSECTION& out);

// Copies `lines` rows starting at row `start` (0 = the bottom row) into `bits`
// in the format info.bmiHeader asks for (its width must be the bitmap's; a
// negative height asks for top-down order), and fills info's colour table for
// 8 bits per pixel. A buffer whose data() is null only fills in biSizeImage
// and the colour table. Returns the number of rows copied; 0 on failure,
// including a buffer too small for the rows asked for.
int GetDIBits(HDC dc, HBITMAP bitmap, unsigned start, unsigned lines, std::span<std::uint8_t> bits,
              BITMAPINFO& info, unsigned usage);

// Colour table of the 8-bit DIB selected into the DC, from entry `start`;
// returns the number of entries read or written (0 on failure).
unsigned GetDIBColorTable(HDC dc, unsigned start, std::span<RGBQUAD> colors);
unsigned SetDIBColorTable(HDC dc, unsigned start, std::span<const RGBQUAD> colors);

// Pixel (x, y counted from the top) of the bitmap selected into the DC.
COLORREF GetPixel(HDC dc, int x, int y);

}  // namespace win

namespace decalia::gdi {

// Bytes of one row: padded to a multiple of 4.
std::int64_t DibStride(std::int64_t width, int bitsPerPixel);

// The one guard every bitmap factory uses: the byte count of the bits of a
// width x |height| bitmap, or 0 when the size is absurd or not positive.
std::size_t CheckedDibBytes(std::int64_t width, std::int64_t height, int bitsPerPixel);

inline constexpr std::int64_t kMaxDibSide = 32768;
inline constexpr std::size_t kMaxDibBytes = std::size_t{512} << 20;

}  // namespace decalia::gdi
