#pragma once

#include <cstdint>

namespace decalia::texlib {

// Results of the two C entry points; the numbers are part of their interface.
enum class TexError : std::int32_t {
    None = 0,
    BadArgument = 1,       // null path, unknown code, or the output path names an input
    ColourMissing = 2,     // colour (or source) bitmap cannot be read
    ColourNotBitmap = 3,   // not a bitmap, truncated, or lying about its sizes
    ColourWrongDepth = 4,  // neither 24 nor 32 bits per pixel
    AlphaMissing = 5,
    AlphaNotBitmap = 6,
    AlphaWrongDepth = 7,   // not an 8-bit palette bitmap
    SizeMismatch = 8,      // colour and alpha sheets differ in size
    TooLarge = 9,          // a side is above kMaxSide
    WriteFailed = 10,      // the output (or an older one in the way) cannot be written
    OutOfMemory = 11,
};

const char* Describe(TexError error);

}  // namespace decalia::texlib
