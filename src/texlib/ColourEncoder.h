#pragma once
// Our S3TC colour-block encoder. Blocks of one colour take the exact best
// endpoints from tables. Every other block gets a quick pass: the ends of its
// principal axis, then least squares over the selectors with each channel
// snapped to the better neighbouring 5:6:5 levels, then a short search around
// those endpoints. Where the error stays high (lettering, hard edges) a
// thorough pass runs cluster fit over the orderings along the axis, in the
// four-colour palette and, where DXT1 allows, the three-colour one, keeping
// whichever really lowers the error.

#include <cstdint>

namespace decalia::texlib {

enum class ColourBlockKind {
    Dxt1,         // opaque: three-colour palette allowed, its black never used
    Dxt1Alpha,    // pixels with alpha below 128 take the transparent entry
    Dxt3Colour,   // always the four-colour palette
};

// Quick: the first two steps of the quick pass only. Adaptive: the thorough
// pass for high-error blocks. Thorough: for all but the cleanest blocks.
enum class Effort { Quick, Adaptive, Thorough };

// Writes the 8 bytes of the colour block of 16 RGBA pixels (row by row),
// with the widest instruction set the processor has.
void EncodeColourBlock(const std::uint8_t* rgba, ColourBlockKind kind, Effort effort, std::uint8_t* out);

// The builds of the encoder; each gives the same bytes.
enum class ColourPath { Portable, Avx2 };
bool ColourPathAvailable(ColourPath path);
// A path the processor lacks falls back to the portable one.
void EncodeColourBlockWith(ColourPath path, const std::uint8_t* rgba, ColourBlockKind kind, Effort effort,
                           std::uint8_t* out);

}  // namespace decalia::texlib
