#include "texlib/SquishBlock.h"

#include <squish.h>

#include <array>
#include <cstring>

namespace decalia::texlib {

bool SquishAvailable() { return true; }

// One block at a time: libsquish's whole-image entry runs its own OpenMP loop,
// which must not start beside our workers.
bool SquishColourBlock(const std::uint8_t* rgba, bool dxt3Colour, std::uint8_t* out) {
    std::array<std::uint8_t, 16> whole{};
    const int format = dxt3Colour ? squish::kDxt3 : squish::kDxt1;
    squish::CompressMasked(rgba, 0xFFFF, whole.data(), format | squish::kColourClusterFit);
    std::memcpy(out, whole.data() + (dxt3Colour ? 8 : 0), 8);
    return true;
}

}  // namespace decalia::texlib
