// decalia-config check on a temporary simulator with the demo aircraft: the
// demo configurations pass, and each deliberately broken copy of the larger
// one is caught with the line a maker needs.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "config/ConfigTool.h"
#include "support/Configurations.h"
#include "support/Installation.h"
#include "support/TempDir.h"

namespace decalia::tools {
namespace {

namespace stdfs = std::filesystem;

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

// One broken copy: keys put first into a section (the first of a key wins),
// or a file of the program folder taken away.
struct BrokenCase {
    const char* section;
    const char* keys;
    const char* removedFile;  // relative to the program folder
    const char* expected;     // the start of an output line, after "<file>: "
    int status;
    int lines;  // all lines printed, the demo's own overlap warning among them
};

class ConfigCheckTest : public ::testing::Test {
protected:
    testsupport::Installation install;
    testsupport::TempDir dir;
    std::string osprey = testsupport::ReadFile(stdfs::path(DECALIA_SOURCE_DIR) / "demo" /
                                               "configurations" / "KW350_Osprey.ini");

    ConfigCheckTest() {
        install.AddDemoAircraft("KW350_Osprey");
        install.AddDemoAircraft("KW12_Kite");
    }
    ToolRun Check(std::vector<std::string> words) {
        std::vector<std::string> args = {"--app", install.AppFolder(), "check"};
        args.insert(args.end(), words.begin(), words.end());
        std::ostringstream out, err;
        const int status = RunConfigTool(args, out, err);
        return {status, out.str(), err.str()};
    }
    std::string BrokenCopy(const BrokenCase& c) {
        std::string ini = osprey;
        const std::string header = std::string("[") + c.section + "]";
        const auto at = ini.find(header);
        EXPECT_NE(at, std::string::npos) << header;
        ini.insert(ini.find('\n', at) + 1, std::string(c.keys));
        const stdfs::path file = dir.Path() / "broken.bin";
        testsupport::WriteEncryptedConfiguration(file, ini);
        return file.string();
    }
};

TEST_F(ConfigCheckTest, TheDemoInstallationPassesWhenCheckedWhole) {
    const ToolRun run = Check({});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    // The engines sheet lays its second piece over the first on purpose.
    EXPECT_EQ(run.out,
              "KW12_Kite.bin: no problems found\n"
              "KW350_Osprey.bin: warning: [Texture.05] Section.01: overlaps Section.00 on the sheet; "
              "the later one wins\n");
}

TEST_F(ConfigCheckTest, EachBrokenCopyGetsItsLine) {
    const BrokenCase cases[] = {
        {"Texture.00", "Section.00.DestRight=3000\r\n", nullptr,
         "error: [Texture.00] Section.00.DestRight: 3000 puts the piece on pixels 0 to 2999, outside the "
         "sheet's 0 to 2047", 1, 2},
        {"Texture.01", "Section.00.TemplateBottom=2100\r\n", nullptr,
         "error: [Texture.01] Section.00.TemplateBottom: 2100 puts the piece on pixels 1024 to 2099, "
         "outside the template's 0 to 2047", 1, 2},
        {"Texture.03", "Section.00.DestLeft=1024\r\n", nullptr,
         "error: [Texture.03] Section.00.DestLeft: 1024 puts the piece on pixels 0 to 1024, outside the "
         "sheet's 0 to 1023", 1, 2},
        {"Texture.00", "TextureSizeX=2046\r\n", nullptr,
         "error: [Texture.00] TextureSizeX: 2046 is not a multiple of 4, which compressed textures need", 1, 3},
        {"Texture.05", "TextureSizeY=768\r\n", nullptr,
         "warning: [Texture.05] TextureSizeY: 768 is not a power of two, which the simulator's mip "
         "chains need", 0, 2},
        {"Texture.00",
         "NumSectionsOnTexture=2\r\nSection.01.TemplateLeft=0\r\nSection.01.TemplateTop=0\r\n"
         "Section.01.TemplateRight=64\r\nSection.01.TemplateBottom=64\r\nSection.01.DestLeft=1000\r\n"
         "Section.01.DestTop=500\r\nSection.01.DestRight=1064\r\nSection.01.DestBottom=564\r\n",
         nullptr, "warning: [Texture.00] Section.01: overlaps Section.00 on the sheet; the later one wins", 0, 2},
        {"Texture.00", "NumSectionsOnTexture=2\r\n", nullptr,
         "error: [Texture.00] Section.01: missing, though NumSectionsOnTexture is 2", 1, 2},
        {"Model", "ReplaceMask=KW350_\r\n", nullptr,
         "error: [Model] ReplaceMask: \"KW350_\" has no \"*\" for the repaint's identifier", 1, 2},
        {"Main", "NumIdentifierCharacters=12\r\n", nullptr,
         "error: [Model] ReplaceMask: \"KW350_*\" leaves no room for 12 identifier characters in "
         "\"KW350_XXX\"", 1, 8},
        {"Texture.02", "ReplaceMask=KW530_*\r\n", nullptr,
         "warning: [Texture.02] ReplaceMask: \"KW530_*\" does not read like \"KW350_XXX_wing_l\" with 3 "
         "identifier characters at the \"*\"", 0, 2},
        {"Texture.00", "Offset.00=1026\r\n", nullptr,
         "error: [Texture.00] Offset.00: 1026 points at \"W350_XXX_fuse.bmp", 1, 2},
        {"Texture.00", "Offset.01=99999999\r\n", nullptr,
         "error: [Texture.00] Offset.01: 99999999 lies outside the base model", 1, 2},
        {"Texture.00", "NumMdlOffsets=3\r\n", nullptr,
         "error: [Texture.00] Offset.02: missing, though NumMdlOffsets is 3", 1, 2},
        {"Main", "NumTextures=7\r\n", nullptr, "error: [Texture.06]: missing, though NumTextures is 7", 1, 2},
        {"Main", "NumTextures=5\r\n", nullptr, "warning: [Texture.05]: never read: NumTextures is 5", 0, 1},
        {"Main", "TextureAssignOnly=2\r\n", nullptr,
         "error: [Main] TextureAssignOnly: 2 cannot be built: it must be 0 or 1", 1, 2},
        {"Texture.03", "TextureFormat=DXT5\r\n", nullptr,
         "error: [Texture.03] TextureFormat: \"DXT5\" is not a known format", 1, 2},
        {"Air", "CopyRenameAirFile=1\r\n", nullptr,
         "error: [Air] ReplaceAirMask: \"KW350_*\" leaves no room for 3 identifier characters in "
         "\"KW350\"", 1, 2},
        {"Air", "CopyRenameAirFile=1\r\nBaseAirName=KW350_XXX\r\n", nullptr,
         "error: [Air] BaseAirName: the file ", 1, 2},
        {"Main", "", "Data.KW350/KW350_XXX.mdl", "error: [Model] BaseModelName: the file ", 1, 2},
        {"Main", "", "Data.KW350/Aircraft.cfg", "error: [Main] DataPath: the file ", 1, 2},
        {"Main", "DataPath=KW999\r\n", nullptr, "error: [Main] DataPath: the data folder ", 1, 2},
        {"Main", "AircraftDirectory=..\\Elsewhere\r\n", nullptr,
         "error: [Main] AircraftDirectory: \"..\\Elsewhere\" is not a folder inside SimObjects\\Airplanes", 1, 2},
    };
    for (const BrokenCase& c : cases) {
        SCOPED_TRACE(c.expected);
        const stdfs::path removed = c.removedFile ? install.AppDir() / c.removedFile : stdfs::path();
        const std::string kept = c.removedFile ? testsupport::ReadFile(removed) : "";
        if (c.removedFile) stdfs::remove(removed);
        const std::string file = BrokenCopy(c);
        const ToolRun run = Check({file});
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), c.lines) << run.out;
        const std::string line = file + ": " + c.expected;
        EXPECT_NE(run.out.find(line), std::string::npos) << run.out;
        if (c.removedFile) testsupport::WriteFile(removed, kept);
    }
}

TEST_F(ConfigCheckTest, UnreadableFilesAndFoldersAreErrors) {
    testsupport::WriteFile(dir.Path() / "junk.bin", "not a configuration");
    const ToolRun junk = Check({(dir.Path() / "junk.bin").string()});
    EXPECT_EQ(junk.status, 1);
    EXPECT_NE(junk.out.find("junk.bin: error: cannot be decrypted"), std::string::npos) << junk.out;

    EXPECT_EQ(Check({(dir.Path() / "missing.bin").string()}).status, 1);
    std::ostringstream out, err;
    EXPECT_EQ(RunConfigTool({"--app", (dir.Path() / "nowhere").string(), "check"}, out, err), 1);
    EXPECT_EQ(RunConfigTool({"--app", dir.Str(), "check"}, out, err), 1);
    EXPECT_NE(err.str().find("no configurations in"), std::string::npos);
}

}  // namespace
}  // namespace decalia::tools
