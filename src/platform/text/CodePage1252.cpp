#include "platform/text/Text.h"

#include <array>
#include <cstdint>

namespace decalia::text {
namespace {

// Code points of bytes 0x80..0x9F; the five bytes Windows leaves undefined map
// to the C1 control of the same number, as its best-fit table does.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char kUnmappable = '?';

char32_t CodePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80u];
    return byte;
}

void AppendUtf8(std::string& out, char32_t cp) {
    auto put = [&out](std::uint32_t bits) { out.push_back(static_cast<char>(bits)); };
    const auto c = static_cast<std::uint32_t>(cp);
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

char ByteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
    }
    return kUnmappable;
}

struct Decoded {
    char32_t codePoint;  // meaningful only when valid
    std::size_t length;  // bytes consumed, at least 1
    bool valid;
};

// The range a sequence's second byte must lie in, which rules out overlong
// forms, surrogates and code points above U+10FFFF.
struct LeadRule {
    std::size_t length;
    unsigned char secondLow;
    unsigned char secondHigh;
};

LeadRule RuleFor(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF};
    if (lead == 0xE0) return {3, 0xA0, 0xBF};
    if (lead == 0xED) return {3, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF) return {3, 0x80, 0xBF};
    if (lead == 0xF0) return {4, 0x90, 0xBF};
    if (lead >= 0xF1 && lead <= 0xF3) return {4, 0x80, 0xBF};
    if (lead == 0xF4) return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

// Decodes one character; a malformed sequence consumes its longest valid
// prefix so that it yields exactly one replacement.
Decoded DecodeOne(std::string_view in, std::size_t at) {
    const auto lead = static_cast<unsigned char>(in[at]);
    if (lead < 0x80) return {lead, 1, true};
    const LeadRule rule = RuleFor(lead);
    if (rule.length == 0) return {0, 1, false};
    char32_t cp = lead & (0xFFu >> (rule.length + 1));
    for (std::size_t i = 1; i < rule.length; ++i) {
        if (at + i >= in.size()) return {0, i, false};
        const auto next = static_cast<unsigned char>(in[at + i]);
        const unsigned char low = i == 1 ? rule.secondLow : 0x80;
        const unsigned char high = i == 1 ? rule.secondHigh : 0xBF;
        if (next < low || next > high) return {0, i, false};
        cp = (cp << 6) | (next & 0x3Fu);
    }
    return {cp, rule.length, true};
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (const char c : cp1252) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) {
        const Decoded d = DecodeOne(utf8, at);
        out.push_back(d.valid ? ByteOf(d.codePoint) : kUnmappable);
        at += d.length;
    }
    return out;
}

}  // namespace decalia::text
