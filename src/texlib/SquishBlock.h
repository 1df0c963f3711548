#pragma once
// libsquish's cluster fit, one of the encoders ours is compared with, where
// this build has it (Debian ships it for Linux only).

#include <cstdint>

namespace decalia::texlib {

bool SquishAvailable();
// Encodes the colours of 16 RGBA pixels, row by row, into the 8 bytes of a
// DXT1 block or of a DXT3 block's colour half. False without libsquish.
bool SquishColourBlock(const std::uint8_t* rgba, bool dxt3Colour, std::uint8_t* out);

}  // namespace decalia::texlib
