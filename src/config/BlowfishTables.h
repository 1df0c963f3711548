#pragma once
// The initial Blowfish constants: the hexadecimal digits of pi's fraction, the
// 18 P-array words first, then the 1024 S-box words of the four standard boxes
// one after another.

#include <array>
#include <cstdint>

namespace decalia::config {

extern const std::array<std::uint32_t, 18> kBlowfishP;
extern const std::array<std::uint32_t, 1024> kBlowfishS;

}  // namespace decalia::config
