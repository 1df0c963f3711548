#include "platform/text/Text.h"

#include <algorithm>

namespace decalia::text {
namespace {

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

// Windows-1252 letters outside A..Z that have a case partner. The Latin-1
// block pairs by 0x20 (except × and ÷); four letters live in 0x8A..0x9F.
unsigned char Upper(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
    switch (c) {
        case 0x9A: return 0x8A;  // š
        case 0x9C: return 0x8C;  // œ
        case 0x9E: return 0x8E;  // ž
        case 0xFF: return 0x9F;  // ÿ
        default: return c;
    }
}

unsigned char Lower(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
    switch (c) {
        case 0x8A: return 0x9A;  // Š
        case 0x8C: return 0x9C;  // Œ
        case 0x8E: return 0x9E;  // Ž
        case 0x9F: return 0xFF;  // Ÿ
        default: return c;
    }
}

template <typename Map>
std::string MapBytes(std::string_view in, Map map) {
    std::string out(in);
    for (char& c : out) c = static_cast<char>(map(Byte(c)));
    return out;
}

}  // namespace

std::string Trim(std::string_view value) {
    const auto first = value.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = value.find_last_not_of(' ');
    return std::string(value.substr(first, last - first + 1));
}

std::string UCase(std::string_view cp1252) { return MapBytes(cp1252, Upper); }
std::string LCase(std::string_view cp1252) { return MapBytes(cp1252, Lower); }

char UpperChar(char c) { return static_cast<char>(Upper(Byte(c))); }

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return Upper(Byte(x)) == Upper(Byte(y)); });
}

bool LessNoCase(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return Upper(Byte(x)) < Upper(Byte(y)); });
}

std::string Format00(std::int64_t index) {
    // Magnitude as unsigned so that the smallest int64 has a form too.
    const bool negative = index < 0;
    const auto magnitude = negative ? 0 - static_cast<std::uint64_t>(index)
                                    : static_cast<std::uint64_t>(index);
    const std::string digits = (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
    return (negative ? "-" : "") + digits;
}

}  // namespace decalia::text
