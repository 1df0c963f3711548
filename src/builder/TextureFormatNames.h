#pragma once
// The texture formats a sheet may ask for, as configurations name them.

#include <array>
#include <string_view>

namespace decalia {

inline constexpr std::array<std::string_view, 9> kTextureFormatNames = {
    "DXT1", "DXT3NM", "DXT3", "32ANM", "32A", "16-555", "16-565", "16-444", "32"};

// Compared trimmed and in upper case.
bool IsKnownTextureFormat(std::string_view format);

}  // namespace decalia
