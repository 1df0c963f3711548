#pragma once
// The colours a DXT colour block decodes to, shared by the decoder and the
// encoder so that the encoder measures its error against exactly what the
// decoder will show.

#include <array>
#include <cstdint>

namespace decalia::texlib {

using Rgb = std::array<std::int32_t, 3>;

// 5:6:5 to 8 bits per channel, rounded to the nearest value.
inline Rgb Expand565(std::uint16_t c) {
    return {(static_cast<std::int32_t>(c >> 11 & 31u) * 255 + 15) / 31,
            (static_cast<std::int32_t>(c >> 5 & 63u) * 255 + 31) / 63,
            (static_cast<std::int32_t>(c & 31u) * 255 + 15) / 31};
}

inline std::uint16_t Pack565(std::int32_t r5, std::int32_t g6, std::int32_t b5) {
    return static_cast<std::uint16_t>(r5 << 11 | g6 << 5 | b5);
}

// Rounded weighted mean of two channel values.
inline std::int32_t MixChannel(std::int32_t a, std::int32_t b, std::int32_t weightA, std::int32_t weightB) {
    return (a * weightA + b * weightB + (weightA + weightB) / 2) / (weightA + weightB);
}

// DXT3 colour blocks always use four colours; DXT1 uses three and transparent
// black when the first endpoint is not the greater.
inline bool UsesFourColours(std::uint16_t c0, std::uint16_t c1, bool alwaysFourColours) {
    return alwaysFourColours || c0 > c1;
}

// Entries 0 to 3; entry 3 of the three-colour palette is black (and transparent).
inline std::array<Rgb, 4> PaletteColours(std::uint16_t c0, std::uint16_t c1, bool fourColours) {
    std::array<Rgb, 4> p{Expand565(c0), Expand565(c1), Rgb{}, Rgb{}};
    for (std::size_t c = 0; c < 3; ++c) {
        p[2][c] = fourColours ? MixChannel(p[0][c], p[1][c], 2, 1) : MixChannel(p[0][c], p[1][c], 1, 1);
        p[3][c] = fourColours ? MixChannel(p[0][c], p[1][c], 1, 2) : 0;
    }
    return p;
}

}  // namespace decalia::texlib
