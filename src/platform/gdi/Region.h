#pragma once
// Regions and their RGNDATA bytes.
//
// Reproduces: CreateRectRgn (corners in any order), CombineRgn with RGN_AND,
// RGN_OR, RGN_XOR, RGN_DIFF and RGN_COPY returning NULLREGION, SIMPLEREGION,
// COMPLEXREGION or ERROR; regions kept y-x banded and canonical (bands from the
// top, rectangles left to right, touching rectangles of a band joined,
// vertically touching bands with the same spans merged), so GetRegionData
// gives the bytes Windows gives: a 32-byte header (32, RDH_RECTANGLES, count,
// 16 x count, bounding box, all zero when empty) and the rectangles as four
// little-endian 32-bit numbers (left, top, right, bottom; right and bottom
// exclusive). GetRegionData with a null buffer answers the size needed, with
// one too small fails (0), and on success answers the size written, however
// large the buffer. ExtCreateRegion checks the header (size 32, count against
// the bytes given; the type is not looked at) and unions the rectangles in
// whatever order they come, skipping empty ones; the header's nRgnSize and
// bounding box are not trusted.
// EqualRgn, PtInRegion, GetRgnBox, OffsetRgn, DeleteObject.
// Leaves out: transforms in ExtCreateRegion (a non-null XFORM fails), elliptic
// and polygon regions, SetRectRgn, FillRgn and other painting. More than
// 65536 rectangles that are not already banded are refused. So is a region of
// more than kMaxRegionRects rectangles, or one that takes more than
// kMaxRegionWork steps to build (see RegionShape.h): ExtCreateRegion fails and
// CombineRgn answers ERROR, leaving dest as it was; both stop as soon as a
// limit passes.

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/RegionShape.h"

#include <cstdint>
#include <optional>
#include <span>

namespace win {

struct RECT {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};

struct RGNDATAHEADER {
    std::uint32_t dwSize = 32;
    std::uint32_t iType = 1;
    std::uint32_t nCount = 0;
    std::uint32_t nRgnSize = 0;
    RECT rcBound;
};
static_assert(sizeof(RGNDATAHEADER) == 32);

struct XFORM {
    float eM11 = 1, eM12 = 0, eM21 = 0, eM22 = 1, eDx = 0, eDy = 0;
};

inline constexpr int ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;

inline constexpr int RGN_AND = 1;
inline constexpr int RGN_OR = 2;
inline constexpr int RGN_XOR = 3;
inline constexpr int RGN_DIFF = 4;
inline constexpr int RGN_COPY = 5;

inline constexpr std::uint32_t RDH_RECTANGLES = 1;

[[nodiscard]] HRGN CreateRectRgn(int left, int top, int right, int bottom);
// Stores src1 op src2 into dest (src2 unused for RGN_COPY); any of them may be
// the same region.
int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode);

// Bytes needed when buffer.data() is null; 0 on failure.
std::uint32_t GetRegionData(HRGN region, std::span<std::uint8_t> buffer);
[[nodiscard]] HRGN ExtCreateRegion(const XFORM* transform, std::span<const std::uint8_t> data);

bool EqualRgn(HRGN a, HRGN b);
bool PtInRegion(HRGN region, int x, int y);
int GetRgnBox(HRGN region, RECT& box);
int OffsetRgn(HRGN region, int dx, int dy);

}  // namespace win

namespace decalia::gdi {

// A copy of a region's bands, for code that paints or hit-tests with it.
std::optional<RegionShape> ShapeOf(win::HRGN region);

}  // namespace decalia::gdi
