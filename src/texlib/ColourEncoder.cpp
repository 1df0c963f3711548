#include "texlib/ColourEncoder.h"

#include "texlib/ColourPath.h"

namespace decalia::texlib {
namespace {

using namespace colourfit;

BlockPixels LoadPixels(const std::uint8_t* rgba, ColourBlockKind kind) {
    BlockPixels p;
    p.fourColoursOnly = kind == ColourBlockKind::Dxt3Colour;
    for (std::size_t i = 0; i < 16; ++i) {
        p.r[i] = rgba[4 * i];
        p.g[i] = rgba[4 * i + 1];
        p.b[i] = rgba[4 * i + 2];
        const bool transparent = kind == ColourBlockKind::Dxt1Alpha && rgba[4 * i + 3] < 128;
        p.visible[i] = transparent ? 0.0f : 1.0f;
        if (transparent) {
            p.transparent = static_cast<std::uint16_t>(p.transparent | 1u << i);
            p.transparentIndices |= 3u << (2 * i);
        }
    }
    return p;
}

bool HasAvx2() {
#if defined(__x86_64__)
    static const bool has = __builtin_cpu_supports("avx2") != 0;
    return has;
#else
    return false;
#endif
}

}  // namespace

bool ColourPathAvailable(ColourPath path) { return path == ColourPath::Portable || HasAvx2(); }

void EncodeColourBlock(const std::uint8_t* rgba, ColourBlockKind kind, Effort effort, std::uint8_t* out) {
    EncodeColourBlockWith(HasAvx2() ? ColourPath::Avx2 : ColourPath::Portable, rgba, kind, effort, out);
}

void EncodeColourBlockWith(ColourPath path, const std::uint8_t* rgba, ColourBlockKind kind, Effort effort,
                           std::uint8_t* out) {
    const BlockPixels pixels = LoadPixels(rgba, kind);
    const Candidate c = path == ColourPath::Avx2 && HasAvx2() ? EncodeColoursAvx2(pixels, effort)
                                                               : EncodeColoursPortable(pixels, effort);
    out[0] = static_cast<std::uint8_t>(c.c0);
    out[1] = static_cast<std::uint8_t>(c.c0 >> 8);
    out[2] = static_cast<std::uint8_t>(c.c1);
    out[3] = static_cast<std::uint8_t>(c.c1 >> 8);
    for (std::size_t i = 0; i < 4; ++i) {
        out[4 + i] = static_cast<std::uint8_t>(c.indices >> (8 * i));
    }
}

}  // namespace decalia::texlib
