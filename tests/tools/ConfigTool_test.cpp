#include "config/ConfigTool.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "config/LoadAircraftConfig.h"
#include "platform/profile/Profile.h"
#include "support/Configurations.h"
#include "support/Environment.h"
#include "support/TempDir.h"

namespace decalia::tools {
namespace {

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun Tool(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = RunConfigTool(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(ConfigTool, EncryptThenDecryptGivesTheFileBack) {
    TempDir dir;
    const std::string plain = "[Main]\r\nAircraftDisplayName=Kite\r\n";
    WriteFile(dir / "in.ini", plain);
    EXPECT_EQ(Tool({"encrypt", dir / "in.ini", dir / "out.bin"}).status, 0);
    EXPECT_NE(ReadFile(dir / "out.bin"), plain);
    EXPECT_EQ(Tool({"decrypt", dir / "out.bin", dir / "back.ini"}).status, 0);
    EXPECT_EQ(ReadFile(dir / "back.ini"), plain);
}

TEST(ConfigTool, AnotherKeyIsUsedBothWaysAndTheWrongOneIsReported) {
    TempDir dir;
    WriteFile(dir / "in.ini", "[Main]\r\nAircraftDisplayName=Kite\r\n");
    EXPECT_EQ(Tool({"--key", "Schlüssel", "encrypt", dir / "in.ini", dir / "out.bin"}).status, 0);

    const ToolRun wrong = Tool({"decrypt", dir / "out.bin", dir / "back.ini"});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_NE(wrong.err.find("Incorrect size descriptor in Blowfish decryption"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "back.ini"));

    const ToolRun shown = Tool({"show", dir / "out.bin", "--key", "Schlüssel"});
    EXPECT_EQ(shown.status, 0);
    EXPECT_NE(shown.out.find("AircraftDisplayName = Kite\n"), std::string::npos);
}

TEST(ConfigTool, BadArgumentsAndUnreadableFilesFailClearly) {
    TempDir dir;
    EXPECT_EQ(Tool({}).status, 2);
    EXPECT_EQ(Tool({"encrypt", "only-one"}).status, 2);
    EXPECT_EQ(Tool({"frobnicate", "a", "b"}).status, 2);
    EXPECT_EQ(Tool({"show", "x.bin", "--key"}).status, 2);
    const ToolRun missing = Tool({"show", dir / "missing.bin"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("cannot read"), std::string::npos);
    WriteFile(dir / "empty.ini", "");
    EXPECT_EQ(Tool({"encrypt", dir / "empty.ini", dir / "e.bin"}).status, 1);
    EXPECT_EQ(Tool({"list", dir / "none"}).status, 1);
}

TEST(ConfigTool, ShowPrintsEveryFieldSectionAndOffset) {
    TempDir dir;
    testsupport::WriteEncryptedConfiguration(
        dir.Path() / "k.bin",
        "[Main]\r\nAircraftDisplayName=Kite\r\nNumTextures=1\r\n[Texture.00]\r\nViewName=Body\r\n"
        "NumSectionsOnTexture=1\r\nSection.00.DestRight=64\r\nNumMdlOffsets=1\r\nOffset.00=99\r\n");
    const ToolRun shown = Tool({"--dxt3", "show", dir / "k.bin"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    for (const char* line : {"NumTextures = 1\n", "Texture.00.ViewName = Body\n",
                             "Texture.00.TextureFormat = DXT3NM\n",
                             "Texture.00.Section.00.DestRight = 64\n", "Texture.00.Offset.00 = 99\n",
                             "ExtraFields.CopyExtraFields = 0\n"})
        EXPECT_NE(shown.out.find(line), std::string::npos) << line;

    const ToolRun listed = Tool({"list", dir.Str()});
    EXPECT_EQ(listed.out, "0\tKite\t" + dir.Str() + "\\k.bin\n");
}

// The pixels a rectangle edge pair covers, mirrored ones included.
void ExpectCoveredInside(int from, int to, int size, const std::string& what) {
    const int first = to >= from ? from : to + 1;
    const int last = to >= from ? to - 1 : from;
    EXPECT_LT(first, last) << what;
    EXPECT_GE(first, 0) << what;
    EXPECT_LT(last, size) << what;
}

void ExpectSectionsInside(const std::string& iniPath) {
    config::ExtraTextures textures;
    config::ExtraFields fields;
    const auto c = config::ReadAircraftConfiguration(
        win::ProfileText::FromFile(iniPath), config::SheetFormatChoice::Dxt3NormalMap, textures, fields);
    ASSERT_GE(c.Textures.size(), 4u);
    ASSERT_LE(c.Textures.size(), 8u);
    for (const auto& t : c.Textures) {
        EXPECT_GE(t.TextureSizeX, 256);
        EXPECT_LE(t.TextureSizeX, 2048);
        ASSERT_GE(t.Sections.size(), 1u) << t.ViewName;
        for (const auto& s : t.Sections) {
            ExpectCoveredInside(s.TemplateLeft, s.TemplateRight, c.TemplateSizeX, t.ViewName);
            ExpectCoveredInside(s.TemplateTop, s.TemplateBottom, c.TemplateSizeY, t.ViewName);
            ExpectCoveredInside(s.DestLeft, s.DestRight, t.TextureSizeX, t.ViewName);
            ExpectCoveredInside(s.DestTop, s.DestBottom, t.TextureSizeY, t.ViewName);
        }
    }
}

// The demo configurations must read back whole through the installed tool, and
// every section must lie inside its template and sheet.
TEST(ConfigTool, DemoConfigurationsReadBackSensibly) {
    TempDir dir;
    const std::string source = DECALIA_SOURCE_DIR;
    const std::string tool = DECALIA_CONFIG_TOOL;
    for (const std::string stem : {"KW350_Osprey", "KW12_Kite"}) {
        const std::string bin = dir / (stem + ".bin");
        const std::string ini = source + "/demo/configurations/" + stem + ".ini";
        ASSERT_EQ(testsupport::RunCommandLine("\"" + tool + "\" encrypt \"" + ini + "\" \"" + bin + "\""), 0);
        const ToolRun shown = Tool({"show", bin});
        ASSERT_EQ(shown.status, 0);
        EXPECT_NE(shown.out.find("AircraftDisplayName = Kestrelworks KW-"), std::string::npos);
        EXPECT_EQ(shown.out.find("\nNumTextures = 0\n"), std::string::npos) << stem;
        ExpectSectionsInside(ini);
    }
}

}  // namespace
}  // namespace decalia::tools
