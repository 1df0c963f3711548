#include "platform/gdi/Font.h"

#include "platform/gdi/GdiTable.h"

#include <algorithm>
#include <atomic>
#include <limits>

namespace win {

using decalia::gdi::DcObject;
using decalia::gdi::FontObject;
using decalia::gdi::Table;

namespace {

std::atomic<int> screenDpi{96};

std::uint8_t Flag(unsigned value) {
    return value != 0 ? 1 : 0;
}
std::uint8_t Byte(unsigned value) {
    return static_cast<std::uint8_t>(value);
}

}  // namespace

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight,
                  unsigned italic, unsigned underline, unsigned strikeOut, unsigned charSet,
                  unsigned outPrecision, unsigned clipPrecision, unsigned quality,
                  unsigned pitchAndFamily, std::string_view faceName) {
    LOGFONTA font;
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfEscapement = escapement;
    font.lfOrientation = orientation;
    font.lfWeight = weight;
    font.lfItalic = Flag(italic);
    font.lfUnderline = Flag(underline);
    font.lfStrikeOut = Flag(strikeOut);
    font.lfCharSet = Byte(charSet);
    font.lfOutPrecision = Byte(outPrecision);
    font.lfClipPrecision = Byte(clipPrecision);
    font.lfQuality = Byte(quality);
    font.lfPitchAndFamily = Byte(pitchAndFamily);
    const std::size_t kept = std::min<std::size_t>(faceName.size(), LF_FACESIZE - 1);
    std::copy_n(faceName.begin(), kept, font.lfFaceName.begin());
    auto& table = Table();
    auto lock = table.Lock();
    return HFONT{table.Add(FontObject{font})};
}

bool GetObject(HFONT font, LOGFONTA& out) {
    auto& table = Table();
    auto lock = table.Lock();
    const FontObject* object = table.Find<FontObject>(font.id);
    if (object == nullptr) {
        return false;
    }
    out = object->font;
    return true;
}

int GetDeviceCaps(HDC dc, int index) {
    {
        auto& table = Table();
        auto lock = table.Lock();
        if (table.Find<DcObject>(dc.id) == nullptr) {
            return 0;
        }
    }
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY:
        return ScreenDpi();
    case BITSPIXEL:
        return 32;
    default:
        return 0;
    }
}

bool SetScreenDpi(int dotsPerInch) {
    if (dotsPerInch < 1 || dotsPerInch > 2000) {
        return false;
    }
    screenDpi.store(dotsPerInch);
    return true;
}

int ScreenDpi() {
    return screenDpi.load();
}

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) {
        return -1;
    }
    const std::int64_t product = std::int64_t{number} * numerator;
    const std::int64_t magnitude = product < 0 ? -product : product;
    const std::int64_t divisor = denominator < 0 ? -std::int64_t{denominator} : denominator;
    std::int64_t quotient = (magnitude + divisor / 2) / divisor;
    if ((product < 0) != (denominator < 0)) {
        quotient = -quotient;
    }
    if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min()) {
        return -1;
    }
    return static_cast<int>(quotient);
}

}  // namespace win
