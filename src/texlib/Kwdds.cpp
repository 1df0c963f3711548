// The C entry points of libkwdds.so. Nothing may escape them as an exception:
// the caller is C code that cannot catch one.

#include "texlib/kwdds.h"

#include <new>

#include "texlib/EncoderSettings.h"
#include "texlib/TextureWriter.h"

namespace {

using decalia::texlib::TexError;

std::int32_t Code(TexError error) { return static_cast<std::int32_t>(error); }

template <typename Work>
std::int32_t Guarded(Work work) {
    try {
        return Code(work());
    } catch (const std::bad_alloc&) {
        return Code(TexError::OutOfMemory);
    } catch (const std::exception&) {
        return Code(TexError::WriteFailed);
    }
}

}  // namespace

extern "C" std::int32_t BMPScompressBMP(const char* colourPath, const char* alphaPath,
                                        std::int32_t formatCode, std::int16_t flag1,
                                        std::int16_t flag2, const char* outputPath) {
    if (colourPath == nullptr || alphaPath == nullptr || outputPath == nullptr) {
        return Code(TexError::BadArgument);
    }
    return Guarded([&] {
        const decalia::texlib::CompressRequest request{colourPath, alphaPath, formatCode,
                                                       flag1 != 0, flag2 != 0, outputPath};
        return CompressBitmap(request, decalia::texlib::OptionsFromEnvironment());
    });
}

extern "C" std::int32_t ConvertImageFormat(const char* sourcePath, const char* outputPath,
                                           const char* code) {
    if (sourcePath == nullptr || outputPath == nullptr || code == nullptr) {
        return Code(TexError::BadArgument);
    }
    return Guarded([&] {
        const decalia::texlib::ConvertRequest request{sourcePath, outputPath, code};
        return ConvertBitmap(request, decalia::texlib::OptionsFromEnvironment());
    });
}
