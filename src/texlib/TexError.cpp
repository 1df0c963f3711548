#include "texlib/TexError.h"

namespace decalia::texlib {

const char* Describe(TexError error) {
    switch (error) {
        case TexError::None: return "success";
        case TexError::BadArgument: return "missing path, unknown format code, or an input given as the output";
        case TexError::ColourMissing: return "the colour bitmap cannot be read";
        case TexError::ColourNotBitmap: return "the colour file is not a valid bitmap";
        case TexError::ColourWrongDepth: return "the colour bitmap is not 24 or 32 bits per pixel";
        case TexError::AlphaMissing: return "the alpha bitmap cannot be read";
        case TexError::AlphaNotBitmap: return "the alpha file is not a valid bitmap";
        case TexError::AlphaWrongDepth: return "the alpha bitmap is not an 8-bit palette bitmap";
        case TexError::SizeMismatch: return "the colour and alpha bitmaps differ in size";
        case TexError::TooLarge: return "the image is larger than 16384 pixels on a side";
        case TexError::WriteFailed: return "the texture file cannot be written";
        case TexError::OutOfMemory: return "not enough memory for the texture";
    }
    return "unknown error";
}

}  // namespace decalia::texlib
