#include "platform/profile/Profile.h"
#include "platform/profile/ProfileLines.h"

#include <algorithm>
#include <cstring>

namespace win {
namespace {

std::uint32_t CopyCut(std::string_view value, std::span<char> buffer) {
    if (buffer.empty()) return 0;
    const std::size_t count = std::min(value.size(), buffer.size() - 1);
    std::memcpy(buffer.data(), value.data(), count);
    buffer[count] = '\0';
    return static_cast<std::uint32_t>(count);
}

// The base a lower-case prefix after the sign names ("0x", "0o", "0b"), as the
// system's string-to-integer routine reads them; 10 without one.
std::uint32_t PrefixBase(std::string_view text, std::size_t& at) {
    if (text.substr(at, 1) != "0" || at + 1 >= text.size()) return 10;
    const char letter = text[at + 1];
    const std::uint32_t base = letter == 'x' ? 16 : letter == 'o' ? 8 : letter == 'b' ? 2 : 10;
    if (base != 10) at += 2;
    return base;
}

// Blanks, an optional sign, then digits of the base the prefix names, up to
// the first other character; unsigned arithmetic wraps on overflow as the
// 32-bit original does.
std::int32_t ParseProfileInt(std::string_view value) {
    const std::string_view text = decalia::profile::TrimBlanks(value);
    std::size_t at = 0;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    const std::uint32_t base = PrefixBase(text, at);
    std::uint32_t result = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        std::uint32_t digit = base;
        if (c >= '0' && c <= '9') digit = static_cast<std::uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f') digit = static_cast<std::uint32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F') digit = static_cast<std::uint32_t>(c - 'A' + 10);
        if (digit >= base) break;
        result = result * base + digit;
    }
    return static_cast<std::int32_t>(negative ? 0u - result : result);
}

// Trailing spaces go, but the first character always stays.
std::string_view TrimDefault(std::string_view value) {
    const auto last = value.find_last_not_of(' ');
    return value.substr(0, last == std::string_view::npos ? std::min<std::size_t>(value.size(), 1)
                                                          : last + 1);
}

}  // namespace

std::uint32_t GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                       std::string_view defaultValue, std::span<char> buffer,
                                       std::string_view file) {
    return GetPrivateProfileStringA(section, key, defaultValue, buffer,
                                    ProfileText::FromFile(file));
}

std::uint32_t GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                       std::string_view defaultValue, std::span<char> buffer,
                                       const ProfileText& text) {
    std::string value;
    return CopyCut(text.Lookup(section, key, value) ? std::string_view(value)
                                                    : TrimDefault(defaultValue),
                   buffer);
}

std::int32_t GetPrivateProfileIntA(std::string_view section, std::string_view key,
                                   std::int32_t defaultValue, std::string_view file) {
    return GetPrivateProfileIntA(section, key, defaultValue, ProfileText::FromFile(file));
}

std::int32_t GetPrivateProfileIntA(std::string_view section, std::string_view key,
                                   std::int32_t defaultValue, const ProfileText& text) {
    std::string value;
    return text.Lookup(section, key, value) ? ParseProfileInt(value) : defaultValue;
}

}  // namespace win
