#pragma once
// The work behind the two C entry points, with explicit options instead of
// the environment. Each call first removes a file left at the output path, so
// a failure never leaves an older texture that could pass for the new one; an
// output path that names one of the inputs is refused and nothing is removed.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "texlib/BlockCodec.h"
#include "texlib/RgbaImage.h"
#include "texlib/TexError.h"
#include "texlib/TextureFormat.h"

namespace decalia::texlib {

enum class MipChain { None, Full };

// The bytes of a texture file of the image in the given format.
std::vector<std::uint8_t> EncodeTexture(const RgbaImage& image, TextureFormat format,
                                        MipChain mips, const EncodeOptions& options);

struct CompressRequest {
    std::filesystem::path colour;
    std::filesystem::path alpha;
    std::int32_t formatCode = 0;  // 10, 12 or 17
    bool mipChain = false;        // flag 1
    bool keepDxt1Alpha = false;   // flag 2
    std::filesystem::path output;
};

struct ConvertRequest {
    std::filesystem::path source;
    std::filesystem::path output;
    std::string code;  // "1" to "4"
};

[[nodiscard]] TexError CompressBitmap(const CompressRequest& request, const EncodeOptions& options);
[[nodiscard]] TexError ConvertBitmap(const ConvertRequest& request, const EncodeOptions& options);

}  // namespace decalia::texlib
