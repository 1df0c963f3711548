#pragma once
// Text as the program keeps it: std::string bytes in Windows-1252.
//
// Reproduces: the Windows-1252 code page both ways (the five undefined codes
// 0x81 0x8D 0x8F 0x90 0x9D map to U+0081.. as Windows' best-fit table does),
// VB's Trim (spaces only, never tabs), VB's UCase/LCase for Windows-1252 letters
// (including Š/š, Œ/œ, Ž/ž, Ÿ/ÿ and the accented Latin-1 letters; ß and µ keep
// their case), and Format(n, "00").
// Leaves out: other code pages, locale-specific case rules.

#include <cstdint>
#include <string>
#include <string_view>

namespace decalia::text {

// Every byte is one character; never fails.
std::string Cp1252ToUtf8(std::string_view cp1252);
// Characters with no Windows-1252 form, and malformed UTF-8 bytes, become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// Text the host hands over (command-line arguments) or shows (a console): UTF-8
// on Linux, the ANSI code page (Windows-1252) on Windows.
std::string FromHost(std::string_view host);
std::string ToHost(std::string_view cp1252);

// Removes leading and trailing spaces (0x20) only.
std::string Trim(std::string_view value);
std::string UCase(std::string_view cp1252);
std::string LCase(std::string_view cp1252);
char UpperChar(char c);
bool EqualsNoCase(std::string_view a, std::string_view b);
// Ordering without regard to case, as file lists are sorted.
bool LessNoCase(std::string_view a, std::string_view b);

// At least two digits: 7 -> "07", 123 -> "123", -3 -> "-03".
std::string Format00(std::int64_t index);

}  // namespace decalia::text
