// The report a build leaves in TempBitmaps, checked against what the build
// really did: the textures as the simulator reads them, the files that
// changed in the aircraft's folder, and Aircraft.cfg.

#include "builder/BuildReport.h"

#include <algorithm>
#include <functional>

#include "WholeBuildFixture.h"
#include "builder/BuildRepaint.h"
#include "platform/text/Text.h"
#include "support/TempDir.h"
#include "texlib/Psnr.h"
#include "texlib/TextureReader.h"

namespace decalia::buildertest {
namespace {

namespace stdfs = std::filesystem;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = text.find("\r\n", from)) != std::string::npos; from = end + 2)
        lines.push_back(text.substr(from, end - from));
    return lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The line that starts with the text.
std::string LineStarting(const std::vector<std::string>& lines, const std::string& start) {
    for (const std::string& line : lines)
        if (line.starts_with(start)) return line;
    return {};
}

class BuildReportTest : public WholeBuildTest {
protected:
    stdfs::path Temp() const { return install.AppDir() / "TempBitmaps"; }
    std::string LastReport() const { return testsupport::ReadFile(Temp() / "last-build.txt"); }

    // Files (not folders) of the aircraft's folder that changed, as the report names them.
    std::vector<std::string> ChangedFiles(const Tree& before) const {
        const std::string aircraft = "Airplanes/" + AircraftDir().filename().string() + "/";
        std::vector<std::string> files;
        for (const std::string& path : Changed(before, SimTree()))
            if (!path.ends_with('/')) files.push_back(path.substr(aircraft.size()));
        return files;
    }
    static std::vector<std::string> Listed(const std::vector<std::string>& lines, const std::string& what) {
        std::vector<std::string> files;
        for (const std::string& line : lines)
            if (line.starts_with("  " + what)) files.push_back(text::Trim(line.substr(2 + what.size())));
        return files;
    }
};

TEST_F(BuildReportTest, AnOspreyBuildReportsEachTextureAsWrittenAndEveryChangedFile) {
    app.frm_Main.chkDXT3.SetValue(1);
    Prepare(kOsprey, "Polar", "abc");
    const auto& textures = app.configuration.Textures;
    const Tree before = SimTree();
    BuildRepaint(app);
    const auto lines = Lines(LastReport());
    ASSERT_TRUE(Has(lines, "Outcome: Built")) << LastReport();
    EXPECT_TRUE(Has(lines, "Title: Kestrelworks KW-350 Osprey Polar"));

    for (std::size_t i = 0; i < textures.size(); ++i) {
        std::string name = text::Trim(textures[i].BaseTextureName);
        name.replace(name.find("XXX"), 3, "ABC");
        SCOPED_TRACE(name);
        const auto read = texlib::ReadTexture(AircraftDir() / "Texture" / (name + ".bmp"));
        ASSERT_TRUE(read.texture) << read.error;
        const auto psnr = texlib::ComputePsnr(read.texture->levels.at(0), ComposedSheet(i));
        ASSERT_TRUE(psnr);
        const std::string line = LineStarting(lines, "  " + name + " ");
        const std::string size =
            std::to_string(textures[i].TextureSizeX) + " x " + std::to_string(textures[i].TextureSizeY);
        const std::string levels = std::to_string(read.texture->levels.size()) +
                                   (read.texture->levels.size() == 1 ? " level" : " levels");
        EXPECT_NE(line.find(" DXT3NM  " + size), std::string::npos) << line;
        EXPECT_NE(line.find("  " + levels + "  RGB PSNR "), std::string::npos) << line;
        EXPECT_NEAR(std::stod(line.substr(line.find("RGB PSNR ") + 9)), psnr->rgb, 0.051);
        EXPECT_TRUE(line.ends_with(" ms")) << line;
    }
    std::vector<std::string> reported = Listed(lines, "written ");
    const std::vector<std::string> replaced = Listed(lines, "replaced ");
    reported.insert(reported.end(), replaced.begin(), replaced.end());
    std::sort(reported.begin(), reported.end());
    EXPECT_EQ(reported, ChangedFiles(before));
    EXPECT_TRUE(Has(replaced, "Aircraft.cfg"));
    EXPECT_TRUE(Listed(lines, "removed ").empty());

    EXPECT_FALSE(LineStarting(lines, "Aircraft.cfg entry added [fltsim.").empty());
    EXPECT_TRUE(Has(lines, "  title=Kestrelworks KW-350 Osprey Polar"));
    EXPECT_TRUE(Has(lines, "Aircraft.cfg entry replaced: none"));
}

TEST_F(BuildReportTest, RebuildingATitleReportsTheEntryAndFilesItReplaced) {
    Prepare(kKite, "Blue", "abcd");
    BuildRepaint(app);
    const std::string first = LastReport();
    app.job.Variation = "blue";
    app.job.FolderExtension = "abcd";
    app.job.TailNumber = "N77";
    app.job.Callsign = "*NONE*";
    BuildRepaint(app);
    const auto lines = Lines(LastReport());
    ASSERT_TRUE(Has(lines, "Outcome: Built")) << LastReport();

    // The entry replaced is the one the first build added.
    const std::string added = LineStarting(Lines(first), "Aircraft.cfg entry added [");
    ASSERT_FALSE(added.empty()) << first;
    const std::string section = added.substr(added.find('['));
    EXPECT_TRUE(Has(lines, "Aircraft.cfg entry replaced " + section)) << LastReport();
    EXPECT_TRUE(Has(lines, "  atc_id=N123AB"));
    EXPECT_TRUE(Has(lines, "  atc_id=N77"));
    for (const auto& texture : app.configuration.Textures) {
        const std::string name = text::Trim(texture.BaseTextureName);
        EXPECT_TRUE(Has(Listed(lines, "replaced "), "Texture.abcd/" + name + ".bmp")) << name;
        // Uncompressed sheets come back exactly.
        EXPECT_NE(LineStarting(lines, "  " + name + " ").find("RGB exact"), std::string::npos);
    }
    // One dated copy per build, each the report of its build.
    std::vector<std::string> copies;
    for (const auto& entry : stdfs::directory_iterator(Temp() / "Reports"))
        copies.push_back(testsupport::ReadFile(entry.path()));
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_TRUE(std::find(copies.begin(), copies.end(), first) != copies.end());
    EXPECT_TRUE(std::find(copies.begin(), copies.end(), LastReport()) != copies.end());
    const std::string savedAs = LineStarting(lines, "Saved as: ").substr(10);
    EXPECT_EQ(testsupport::ReadFile(savedAs), LastReport());
    EXPECT_TRUE(stdfs::path(savedAs).filename().string().starts_with("Kestrelworks KW-12 Kite blue 20"));
}

// Each way to the library: the DXT1 call lets the sheet go before the
// texture is read back; conversions make no alpha sheet.
TEST_F(BuildReportTest, EveryLibraryCallIsReadBackAgainstItsSheet) {
    for (const char* format : {"DXT1", "32", "16-565"}) {
        SCOPED_TRACE(format);
        Prepare(kKite, std::string("Fmt ") + format, "fmt");
        for (auto& texture : app.configuration.Textures) texture.TextureFormat = format;
        BuildRepaint(app);
        const auto lines = Lines(LastReport());
        ASSERT_TRUE(Has(lines, "Outcome: Built")) << LastReport();
        for (const auto& texture : app.configuration.Textures) {
            const std::string line = LineStarting(lines, "  " + text::Trim(texture.BaseTextureName) + " ");
            EXPECT_NE(line.find(std::string(" ") + format + " "), std::string::npos) << line;
            const auto at = line.find("RGB PSNR ");
            if (at == std::string::npos) EXPECT_NE(line.find("RGB exact"), std::string::npos) << line;
            else EXPECT_GT(std::stod(line.substr(at + 9)), 30.0) << line;
        }
    }
}

// A build that is refused or stops writes a report saying why, and nothing
// of it lands in the aircraft's folder.
TEST_F(BuildReportTest, ARefusedOrFailedBuildSaysWhy) {
    struct Case {
        const char* name;
        std::function<void()> breakIt;
        const char* outcome;
    };
    const Case cases[] = {
        {"no template", [this] { app.TemplateLoaded = false; },
         "Outcome: Refused: No repaint template is loaded."},
        {"folder extension too long", [this] { app.job.FolderExtension = "abcdef"; },
         "Outcome: Refused: The folder extension \"abcdef\" has 6 characters"},
        {"a file where the model folder goes",
         [this] { testsupport::WriteFile(AircraftDir() / "Model.abc", "in the way"); },
         "Outcome: Your aircraft repaint could not be built. Decalia stopped while creating the "
         "aircraft folders:"},
    };
    Prepare(kOsprey, "Stopped", "abc");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.breakIt();
        const Tree before = SimTree();
        BuildRepaint(app);
        const auto lines = Lines(LastReport());
        EXPECT_FALSE(LineStarting(lines, c.outcome).empty()) << LastReport();
        EXPECT_TRUE(Has(lines, "Aircraft.cfg entry added: none"));
        EXPECT_TRUE(Has(lines, "Aircraft.cfg entry replaced: none"));
        for (const std::string& file : ChangedFiles(before)) EXPECT_FALSE(file.ends_with(".txt")) << file;
        stdfs::remove_all(AircraftDir() / "Model.abc");
        app.TemplateLoaded = true;
        app.job.FolderExtension = "abc";
    }
}

TEST(BuildReportFiles, OnlyTheNewestCopiesStayAndTitlesMakeSafeNames) {
    testsupport::TempDir app;
    BuildReport report;
    report.title = "Prefix A/B: C?";
    report.outcome = "Built";
    const auto start = std::chrono::system_clock::now();
    std::vector<std::string> saved;
    for (int i = 0; i < static_cast<int>(kReportsKept) + 5; ++i) {
        report.started = start + std::chrono::seconds(i);
        const auto path = WriteBuildReport(app.Str(), report);
        ASSERT_TRUE(path);
        saved.push_back(*path);
    }
    const auto left = std::distance(stdfs::directory_iterator(app.Path() / "TempBitmaps" / "Reports"),
                                    stdfs::directory_iterator());
    EXPECT_EQ(static_cast<std::size_t>(left), kReportsKept);
    EXPECT_FALSE(stdfs::exists(saved.front()));
    EXPECT_TRUE(stdfs::exists(saved.back()));
    EXPECT_TRUE(stdfs::path(saved.back()).filename().string().starts_with("Prefix A_B_ C_ 20"));
    EXPECT_EQ(LastSavedReport(app.Str()), saved.back());
}

}  // namespace
}  // namespace decalia::buildertest
