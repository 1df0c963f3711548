#include "texlib/TextureWriter.h"

#include <initializer_list>

#include "texlib/AtomicFile.h"
#include "texlib/BitmapFile.h"
#include "texlib/MipChain.h"
#include "texlib/PixelPacking.h"
#include "texlib/TextureFile.h"

namespace decalia::texlib {
namespace {

struct SheetLoad {
    RgbaImage image;
    TexError error = TexError::None;
};

enum class Sheet { Colour, Alpha };

SheetLoad LoadSheet(const std::filesystem::path& path, Sheet sheet) {
    const bool colour = sheet == Sheet::Colour;
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return {{}, colour ? TexError::ColourMissing : TexError::AlphaMissing};
    }
    PlainBitmap plain = DecodePlainBitmap(*bytes);
    using Problem = PlainBitmap::Problem;
    const bool depthFits = colour ? plain.bitCount == 24 || plain.bitCount == 32 : plain.bitCount == 8;
    if (plain.problem == Problem::TooLarge) {
        return {{}, TexError::TooLarge};
    }
    if (plain.problem == Problem::WrongDepth || (plain.problem == Problem::None && !depthFits)) {
        return {{}, colour ? TexError::ColourWrongDepth : TexError::AlphaWrongDepth};
    }
    if (plain.problem != Problem::None) {
        return {{}, colour ? TexError::ColourNotBitmap : TexError::AlphaNotBitmap};
    }
    return {std::move(plain.image), TexError::None};
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

// Removing the old output first must never remove an input given as the output.
TexError PrepareOutput(const std::filesystem::path& output,
                       std::initializer_list<const std::filesystem::path*> inputs) {
    if (output.empty()) {
        return TexError::BadArgument;
    }
    for (const std::filesystem::path* input : inputs) {
        if (SameFile(output, *input)) {
            return TexError::BadArgument;
        }
    }
    return RemoveOldOutput(output) ? TexError::None : TexError::WriteFailed;
}

TexError WriteTexture(const RgbaImage& image, TextureFormat format, MipChain mips,
                      const EncodeOptions& options, const std::filesystem::path& output) {
    const std::vector<std::uint8_t> file = EncodeTexture(image, format, mips, options);
    return WriteFileAtomically(output, file) ? TexError::None : TexError::WriteFailed;
}

}  // namespace

std::vector<std::uint8_t> EncodeTexture(const RgbaImage& image, TextureFormat format,
                                        MipChain mips, const EncodeOptions& options) {
    std::vector<RgbaImage> chain =
        mips == MipChain::Full ? BuildMipChain(image) : std::vector<RgbaImage>{image};
    double totalPixels = 0.0;
    for (const RgbaImage& level : chain) {
        totalPixels += static_cast<double>(level.pixels.size());
    }
    std::vector<std::vector<std::uint8_t>> levels;
    double pixelsBefore = 0.0;
    for (const RgbaImage& level : chain) {
        // Progress counts pixels over the whole chain, not per level.
        EncodeOptions levelOptions{options.quality, options.threads, {}};
        const double share = static_cast<double>(level.pixels.size()) / totalPixels;
        if (options.progress) {
            levelOptions.progress = [&, share, before = pixelsBefore / totalPixels](double done) {
                options.progress(before + share * done);
            };
        }
        levels.push_back(Traits(format).blockBytes != 0 ? EncodeBlocks(level, format, levelOptions)
                                                        : PackPixels(level, format));
        pixelsBefore += static_cast<double>(level.pixels.size());
    }
    return AssembleTextureFile(format, image.width, image.height, levels);
}

TexError CompressBitmap(const CompressRequest& request, const EncodeOptions& options) {
    if (const TexError error = PrepareOutput(request.output, {&request.colour, &request.alpha});
        error != TexError::None) {
        return error;
    }
    const auto format = FormatForCompressCode(request.formatCode, request.keepDxt1Alpha);
    if (!format || request.colour.empty() || request.alpha.empty()) {
        return TexError::BadArgument;
    }
    SheetLoad colour = LoadSheet(request.colour, Sheet::Colour);
    if (colour.error != TexError::None) {
        return colour.error;
    }
    const SheetLoad alpha = LoadSheet(request.alpha, Sheet::Alpha);
    if (alpha.error != TexError::None) {
        return alpha.error;
    }
    if (alpha.image.width != colour.image.width || alpha.image.height != colour.image.height) {
        return TexError::SizeMismatch;
    }
    for (std::size_t i = 3; i < colour.image.pixels.size(); i += 4) {
        colour.image.pixels[i] = alpha.image.pixels[i];
    }
    return WriteTexture(colour.image, *format, request.mipChain ? MipChain::Full : MipChain::None,
                        options, request.output);
}

TexError ConvertBitmap(const ConvertRequest& request, const EncodeOptions& options) {
    if (const TexError error = PrepareOutput(request.output, {&request.source}); error != TexError::None) {
        return error;
    }
    const auto format = FormatForConvertCode(request.code);
    if (!format || request.source.empty()) {
        return TexError::BadArgument;
    }
    const SheetLoad source = LoadSheet(request.source, Sheet::Colour);
    if (source.error != TexError::None) {
        return source.error;
    }
    return WriteTexture(source.image, *format, MipChain::Full, options, request.output);
}

}  // namespace decalia::texlib
