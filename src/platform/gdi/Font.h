#pragma once
// Font records, device capabilities and MulDiv.
//
// Reproduces: CreateFontA as a record of what was asked (height, width,
// escapement, orientation, weight, italic, underline, strike-out, character
// set, precisions, quality, pitch and family, face name cut to 31 bytes),
// GetObject of a font into LOGFONTA, DeleteObject; GetDeviceCaps of LOGPIXELSX
// and LOGPIXELSY (the screen's dots per inch, the same for every DC of the
// process, 96 unless SetScreenDpi changed it) and BITSPIXEL (32); MulDiv with
// a 64-bit product rounded half away from zero, -1 for a zero divisor or a
// result outside 32 bits.
// Leaves out: glyphs, text metrics, font matching, selecting fonts into DCs,
// every other GetDeviceCaps index (answers 0).

#include "platform/gdi/GdiObjects.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace win {

inline constexpr int LF_FACESIZE = 32;

struct LOGFONTA {
    std::int32_t lfHeight = 0;
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;
    std::int32_t lfOrientation = 0;
    std::int32_t lfWeight = 0;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    std::array<char, LF_FACESIZE> lfFaceName{};  // NUL-terminated
};

inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_BOLD = 700;
inline constexpr unsigned ANSI_CHARSET = 0;
inline constexpr unsigned DEFAULT_CHARSET = 1;

[[nodiscard]] HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight,
                                unsigned italic, unsigned underline, unsigned strikeOut,
                                unsigned charSet, unsigned outPrecision, unsigned clipPrecision,
                                unsigned quality, unsigned pitchAndFamily,
                                std::string_view faceName);
bool GetObject(HFONT font, LOGFONTA& out);

inline constexpr int BITSPIXEL = 12;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;
// 0 for an invalid DC or an index not listed above.
int GetDeviceCaps(HDC dc, int index);

// The screen's dots per inch for the whole process; values outside 1..2000
// are refused (false) and leave it unchanged.
bool SetScreenDpi(int dotsPerInch);
int ScreenDpi();

int MulDiv(int number, int numerator, int denominator);

}  // namespace win
