#include "TextureTool.h"

#include <gtest/gtest.h>

#include <sstream>

#include "TexlibFixtures.h"
#include "texlib/Psnr.h"
#include "texlib/TextureReader.h"

namespace decalia::tools {
namespace {

using texlib::testing::PaintedImage;
using texlib::testing::WriteSheets;
using testsupport::TempDir;

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun Tool(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = RunTextureTool(args, out, err, false);
    return {status, out.str(), err.str()};
}

TEST(TextureTool, EncodesInspectsDecodesAndCompares) {
    TempDir dir;
    const auto sheets = WriteSheets(dir, "wing", PaintedImage(40, 24));
    const std::string texture = dir / "wing.bmp";
    ASSERT_EQ(Tool({"encode", sheets.colour, sheets.alpha, "dxt3", texture, "--threads", "2"}).status, 0);

    const ToolRun info = Tool({"info", texture});
    EXPECT_EQ(info.status, 0);
    EXPECT_NE(info.out.find("format: DXT3"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("size: 40 x 24"), std::string::npos);
    EXPECT_NE(info.out.find("mip levels: 6"), std::string::npos);
    EXPECT_NE(info.out.find("level 5: 1 x 1"), std::string::npos);

    const std::string colour = dir / "level1.bmp";
    const std::string alpha = dir / "level1_a.bmp";
    ASSERT_EQ(Tool({"decode", texture, colour, "--alpha", alpha, "--level", "1"}).status, 0);
    const auto decodedColour = texlib::ReadTexture(colour);
    const auto decodedAlpha = texlib::ReadTexture(alpha);
    ASSERT_TRUE(decodedColour.texture && decodedAlpha.texture);
    EXPECT_EQ(decodedColour.texture->format, texlib::TextureFormat::Bitmap24);
    EXPECT_EQ(decodedAlpha.texture->format, texlib::TextureFormat::Bitmap8);
    EXPECT_EQ(decodedAlpha.texture->width, 20u);

    const ToolRun compare = Tool({"compare", sheets.colour, texture});
    EXPECT_EQ(compare.status, 0);
    EXPECT_NE(compare.out.find("RGB PSNR: "), std::string::npos);
    EXPECT_NE(compare.out.find(" dB"), std::string::npos);
    EXPECT_NE(Tool({"compare", texture, texture}).out.find("identical"), std::string::npos);
}

TEST(TextureTool, EveryFormatNameMakesItsTexture) {
    TempDir dir;
    const auto sheets = WriteSheets(dir, "tail", PaintedImage(8, 8));
    const std::pair<const char*, const char*> names[] = {
        {"DXT1", "DXT1"}, {"dxt3nm", "DXT3"}, {"32anm", "32-bit A8R8G8B8"},
        {"32A", "32-bit A8R8G8B8"}, {"16-555", "A1R5G5B5"}, {"16-565", "R5G6B5"},
        {"16-444", "A4R4G4B4"}, {"32", "X8R8G8B8"}};
    for (const auto& [name, format] : names) {
        const std::string out = dir / (std::string(name) + ".bmp");
        ASSERT_EQ(Tool({"encode", sheets.colour, "-", name, out}).status == 0,
                  std::string(name).find('A') == std::string::npos &&
                      std::string(name).find("DXT") == std::string::npos &&
                      std::string(name).find("dxt") == std::string::npos &&
                      std::string(name).find('a') == std::string::npos)
            << name;
        ASSERT_EQ(Tool({"encode", sheets.colour, sheets.alpha, name, out, "--quality", "maximum"}).status, 0)
            << name;
        EXPECT_NE(Tool({"info", out}).out.find(format), std::string::npos) << name;
    }
}

TEST(TextureTool, Dxt1AlphaIsTheCommandsOwnChoice) {
    TempDir dir;
    const auto sheets = WriteSheets(dir, "cut", PaintedImage(8, 8));
    const std::string out = dir / "cut.bmp";
    ASSERT_EQ(Tool({"encode", sheets.colour, sheets.alpha, "DXT1", out, "--dxt1-alpha"}).status, 0);
    EXPECT_NE(Tool({"info", out}).out.find("1-bit alpha"), std::string::npos);
    EXPECT_EQ(Tool({"encode", sheets.colour, sheets.alpha, "DXT3", out, "--dxt1-alpha"}).status, kToolUsage);
}

TEST(TextureTool, BadArgumentsAreUsageErrorsAndBadFilesFailures) {
    TempDir dir;
    const auto sheets = WriteSheets(dir, "fin", PaintedImage(4, 4));
    const std::string out = dir / "fin.bmp";
    const std::vector<std::vector<std::string>> usage = {
        {},
        {"squash", out},
        {"info"},
        {"encode", sheets.colour, sheets.alpha, "DXT5", out},
        {"encode", sheets.colour, sheets.alpha, "DXT1", out, "--threads", "0"},
        {"encode", sheets.colour, sheets.alpha, "DXT1", out, "--quality", "best"},
        {"decode", out},
        {"decode", out, out, "--level", "one"},
        {"compare", out},
    };
    for (const auto& args : usage) {
        const ToolRun run = Tool(args);
        EXPECT_EQ(run.status, kToolUsage) << (args.empty() ? "" : args[0]);
        EXPECT_NE(run.err.find("usage:"), std::string::npos);
    }
    const ToolRun missing = Tool({"encode", dir / "none.bmp", sheets.alpha, "DXT3", out});
    EXPECT_EQ(missing.status, kToolFailed);
    EXPECT_NE(missing.err.find("colour bitmap cannot be read"), std::string::npos) << missing.err;
    EXPECT_EQ(Tool({"info", sheets.colour + ".nothing"}).status, kToolFailed);
    ASSERT_EQ(Tool({"encode", sheets.colour, sheets.alpha, "DXT3NM", out}).status, 0);
    EXPECT_EQ(Tool({"decode", out, dir / "x.bmp", "--level", "1"}).status, kToolFailed);
    const auto other = WriteSheets(dir, "big", PaintedImage(8, 4));
    EXPECT_EQ(Tool({"compare", out, other.colour}).status, kToolFailed);
}

}  // namespace
}  // namespace decalia::tools
