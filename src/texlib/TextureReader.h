#pragma once
// Reads every texture file the library writes and plain 8-, 24- and 32-bit
// bitmaps, decoding each level to RGBA (top row first). Every size in the
// headers is checked against the file's length before anything is allocated;
// a corrupt, truncated or inconsistent file is refused with a reason.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "texlib/RgbaImage.h"
#include "texlib/TextureFormat.h"

namespace decalia::texlib {

struct Texture {
    TextureFormat format = TextureFormat::Bitmap24;
    std::uint32_t width = 0;   // of level 0
    std::uint32_t height = 0;
    bool hasMipChain = false;  // levels holds the full chain down to 1 x 1
    std::vector<RgbaImage> levels;  // level 0 first; one for a file without mips
};

struct TextureRead {
    std::optional<Texture> texture;
    std::string error;  // why the file was refused; empty when texture is set
};

[[nodiscard]] TextureRead ReadTexture(const std::filesystem::path& file);
[[nodiscard]] TextureRead ParseTexture(std::span<const std::uint8_t> file);

}  // namespace decalia::texlib
