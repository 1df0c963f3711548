#include "texlib/SquishBlock.h"

namespace decalia::texlib {

bool SquishAvailable() { return false; }

bool SquishColourBlock(const std::uint8_t*, bool, std::uint8_t*) { return false; }

}  // namespace decalia::texlib
