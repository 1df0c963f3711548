#include "texlib/TextureFile.h"

#include "texlib/LittleEndian.h"

namespace decalia::texlib {

std::vector<std::uint8_t> AssembleTextureFile(TextureFormat format, std::uint32_t width,
                                              std::uint32_t height,
                                              const std::vector<std::vector<std::uint8_t>>& levels) {
    std::size_t dataBytes = 0;
    for (const auto& level : levels) {
        dataBytes += level.size();
    }
    const FormatTraits& traits = Traits(format);
    std::vector<std::uint8_t> out{'B', 'M'};
    out.reserve(kPixelDataOffset + dataBytes);
    PutU32(out, static_cast<std::uint32_t>(kPixelDataOffset + dataBytes));
    PutU32(out, 0);
    PutU32(out, static_cast<std::uint32_t>(kPixelDataOffset));
    PutU32(out, 40);
    PutU32(out, width);
    PutU32(out, height);
    PutU16(out, 1);
    PutU16(out, traits.bitCount);
    PutU32(out, traits.compression);
    PutU32(out, static_cast<std::uint32_t>(levels.front().size()));
    PutU32(out, 2835);  // 72 dpi
    PutU32(out, 2835);
    PutU32(out, 0);
    PutU32(out, 0);
    out.insert(out.end(), {'F', 'S', '7', '0'});
    PutU32(out, kFs70Length);
    out.push_back(traits.fs70Type);
    out.push_back(levels.size() > 1 ? 1 : 0);
    PutU16(out, static_cast<std::uint32_t>(levels.size()));
    PutU32(out, static_cast<std::uint32_t>(levels.front().size()));
    PutU32(out, static_cast<std::uint32_t>(dataBytes));
    for (const auto& level : levels) {
        out.insert(out.end(), level.begin(), level.end());
    }
    return out;
}

}  // namespace decalia::texlib
