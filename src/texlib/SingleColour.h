#pragma once
// Tables for blocks of one colour: for each 8-bit value, the pair of endpoint
// levels whose interpolated entry (entry 2) comes nearest, in the four-colour
// and the three-colour palette; of equally near pairs the closest together,
// which decoders that round differently still show right.

#include <cstdint>

namespace decalia::texlib::colourfit {

struct EndpointPair {
    std::uint8_t first = 0;
    std::uint8_t second = 0;
};

// `sixBits` for green; `fourColours` for the four-colour palette.
EndpointPair SingleColourPair(std::uint8_t value, bool sixBits, bool fourColours);

}  // namespace decalia::texlib::colourfit
