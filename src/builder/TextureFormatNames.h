#pragma once
// The texture formats a sheet may ask for, as configurations name them, and
// the texture library call each one takes.

#include <cstdint>
#include <string_view>

namespace decalia {

enum class TextureCall { Dxt1, Compress, Convert };

struct TextureFormatRow {
    std::string_view name;
    TextureCall call;
    bool flag;                        // Compress: mips and DXT1 alpha
    std::int32_t formatCode;          // Dxt1 and Compress
    std::string_view conversionCode;  // Convert
};

// The row of a format compared trimmed and in upper case; null for a name
// no row has.
const TextureFormatRow* TextureFormatRowFor(std::string_view format);
bool IsKnownTextureFormat(std::string_view format);

}  // namespace decalia
