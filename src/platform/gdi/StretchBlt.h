#pragma once
// StretchBlt with SRCCOPY in the default (black-on-white) stretch mode.
//
// Reproduces, pixel for pixel: each axis (columns, then rows counted from the
// top) mapped on its own; a negative size covers x+w+1 .. x walked backwards,
// a sign that differs between source and destination mirrors that axis; both
// negative mirror nothing and cover x+w .. x-1, like the positive rectangle
// from x+w; enlarging repeats source pixels along an error walk of 3S-2D;
// shrinking walks the source pixels with 3D-2S and combines the pixels landing
// on one destination pixel by bitwise AND of their bytes (palette indices at 8
// bits); shrinking to one pixel leaves the last source pixel out, except from
// a source walked backwards; pairs whose source or
// destination pixel lies outside its bitmap are dropped and destination pixels
// that receive nothing keep their bytes; a zero size draws nothing and
// succeeds. Same-depth copies at 8, 24 and 32 bits; 24 <-> 32 (the fourth
// byte written as 0); 8 into 24/32 through the source's colour table. Mixed
// depths convert each source pixel first and AND in the destination format.
// Leaves out: raster operations other than SRCCOPY, SetStretchBltMode (other
// stretch modes), 24/32 into 8 bits, DCs whose selected bitmap is the stock one
// (fails), clip regions, mapping modes.

#include "platform/gdi/GdiObjects.h"

#include <cstdint>

namespace win {

inline constexpr std::uint32_t SRCCOPY = 0x00CC0020;

bool StretchBlt(HDC destDc, int destX, int destY, int destWidth, int destHeight, HDC srcDc,
                int srcX, int srcY, int srcWidth, int srcHeight, std::uint32_t rasterOp);

}  // namespace win
