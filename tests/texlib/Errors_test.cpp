#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "TexlibFixtures.h"
#include "texlib/BitmapFile.h"
#include "texlib/TexError.h"
#include "texlib/kwdds.h"

namespace decalia::texlib {
namespace {

using testing::PaintedImage;
using testing::WriteSheets;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

// Inputs in a fresh folder: good sheets "good_c.bmp" and "good_a.bmp", plus
// whatever a case adds; each call writes "out.bmp" over an older texture.
struct Inputs {
    TempDir dir;
    std::string colour;
    std::string alpha;
    std::string output;
    std::int32_t formatCode = 12;
    std::string convertCode;  // non-empty: ConvertImageFormat

    Inputs() {
        const auto sheets = WriteSheets(dir, "good", PaintedImage(12, 8));
        colour = sheets.colour;
        alpha = sheets.alpha;
        output = dir / "out.bmp";
    }

    std::int32_t Call() const {
        if (!convertCode.empty() || formatCode == 0) {
            return ConvertImageFormat(colour.c_str(), output.c_str(), convertCode.c_str());
        }
        return BMPScompressBMP(colour.c_str(), alpha.c_str(), formatCode, -1, -1, output.c_str());
    }
};

std::string Bytes(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

// A good 24-bit bitmap with one header field changed.
std::string PatchedColour(std::size_t at, std::vector<std::uint8_t> value) {
    std::string bytes = Bytes(EncodeColourBitmap(PaintedImage(12, 8)));
    for (std::size_t i = 0; i < value.size(); ++i) {
        bytes[at + i] = static_cast<char>(value[i]);
    }
    return bytes;
}

struct ErrorCase {
    const char* what;
    std::function<void(Inputs&)> arrange;
    TexError expected;
};

const ErrorCase kCases[] = {
    {"missing colour", [](Inputs& in) { in.colour = in.dir / "none.bmp"; }, TexError::ColourMissing},
    {"missing alpha", [](Inputs& in) { in.alpha = in.dir / "none.bmp"; }, TexError::AlphaMissing},
    {"colour is a folder", [](Inputs& in) { in.colour = in.dir.Str(); }, TexError::ColourMissing},
    {"colour is text",
     [](Inputs& in) { WriteFile(in.colour, "[fltsim.0]\r\ntitle=Kite\r\n"); },
     TexError::ColourNotBitmap},
    {"colour truncated",
     [](Inputs& in) { WriteFile(in.colour, ReadFile(in.colour).substr(0, 200)); },
     TexError::ColourNotBitmap},
    {"colour is 8-bit", [](Inputs& in) { in.colour = in.alpha; }, TexError::ColourWrongDepth},
    {"colour is 16-bit", [](Inputs& in) { WriteFile(in.colour, PatchedColour(28, {16, 0})); },
     TexError::ColourWrongDepth},
    {"colour claims 20000 pixels",
     [](Inputs& in) { WriteFile(in.colour, PatchedColour(18, {0x20, 0x4E, 0, 0})); },
     TexError::TooLarge},
    {"alpha is 24-bit", [](Inputs& in) { in.alpha = in.colour; }, TexError::AlphaWrongDepth},
    {"alpha is empty", [](Inputs& in) { WriteFile(in.alpha, ""); }, TexError::AlphaNotBitmap},
    {"sizes differ",
     [](Inputs& in) { in.alpha = WriteSheets(in.dir, "small", PaintedImage(12, 4)).alpha; },
     TexError::SizeMismatch},
    {"unknown format code", [](Inputs& in) { in.formatCode = 11; }, TexError::BadArgument},
    {"unknown conversion code", [](Inputs& in) { in.convertCode = "5"; }, TexError::BadArgument},
    {"empty conversion code", [](Inputs& in) { in.formatCode = 0; }, TexError::BadArgument},
    {"convert from a missing file",
     [](Inputs& in) { in.convertCode = "2", in.colour = in.dir / "none.bmp"; },
     TexError::ColourMissing},
    {"output folder missing",
     [](Inputs& in) { in.output = in.dir / "no/such/folder/out.bmp"; }, TexError::WriteFailed},
};

TEST(Errors, EachBadInputGivesItsCodeAndLeavesNoOutputNotEvenAnOlderOne) {
    for (const ErrorCase& c : kCases) {
        SCOPED_TRACE(c.what);
        Inputs inputs;
        WriteFile(inputs.output, "an older texture");
        c.arrange(inputs);
        EXPECT_EQ(inputs.Call(), static_cast<std::int32_t>(c.expected));
        EXPECT_FALSE(std::filesystem::exists(inputs.output));
        // No temporary file is left beside the output either.
        for (const auto& entry : std::filesystem::directory_iterator(inputs.dir.Path())) {
            EXPECT_NE(entry.path().filename().string()[0], '.') << entry.path();
        }
    }
}

TEST(Errors, AFolderAtTheOutputPathIsLeftAlone) {
    Inputs inputs;
    std::filesystem::create_directory(inputs.output);
    EXPECT_EQ(inputs.Call(), static_cast<std::int32_t>(TexError::WriteFailed));
    EXPECT_TRUE(std::filesystem::is_directory(inputs.output));
}

TEST(Errors, AnInputGivenAsTheOutputIsRefusedAndKept) {
    Inputs inputs;
    const std::string colour = ReadFile(inputs.colour);
    inputs.output = inputs.colour;
    EXPECT_EQ(inputs.Call(), static_cast<std::int32_t>(TexError::BadArgument));
    inputs.convertCode = "4";
    EXPECT_EQ(inputs.Call(), static_cast<std::int32_t>(TexError::BadArgument));
    EXPECT_EQ(ReadFile(inputs.colour), colour);
}

TEST(Errors, NullPathsAreRefused) {
    Inputs inputs;
    EXPECT_EQ(BMPScompressBMP(nullptr, inputs.alpha.c_str(), 10, -1, 0, inputs.output.c_str()),
              static_cast<std::int32_t>(TexError::BadArgument));
    EXPECT_EQ(ConvertImageFormat(inputs.colour.c_str(), inputs.output.c_str(), nullptr),
              static_cast<std::int32_t>(TexError::BadArgument));
}

TEST(Errors, ASuccessfulCallReplacesAnOlderTextureWhole) {
    Inputs inputs;
    WriteFile(inputs.output, std::string(100000, 'x'));
    ASSERT_EQ(inputs.Call(), 0);
    const std::string written = ReadFile(inputs.output);
    EXPECT_EQ(written.substr(0, 2), "BM");
    EXPECT_LT(written.size(), 1000u);
}

}  // namespace
}  // namespace decalia::texlib
