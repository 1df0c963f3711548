// "Create Aircraft" from start to end on the demo aircraft: every file a
// build leaves, what it leaves alone, and how it ends.

#include "WholeBuildFixture.h"
#include "builder/BuildRepaint.h"
#include "config/ConfigFile.h"
#include "platform/text/Text.h"
#include "support/TempDir.h"
#include "texlib/Psnr.h"
#include "texlib/TextureReader.h"

namespace decalia::buildertest {
namespace {

namespace stdfs = std::filesystem;

class BuildRepaintTest : public WholeBuildTest {
protected:
    std::string Entry(int index, const char* key) const {
        return config::ReadProfileString("fltsim." + std::to_string(index), key,
                                         (AircraftDir() / "Aircraft.cfg").string());
    }
    // Every texture as the simulator reads it, against the sheet composed from the template.
    void ExpectTexturesMatchTheirSheets(const std::string& folder, double floor) {
        for (std::size_t i = 0; i < app.configuration.Textures.size(); ++i) {
            const std::string name = text::Trim(app.configuration.Textures[i].BaseTextureName);
            std::string file = name;
            if (app.configuration.TextureAssignOnly == 0) file.replace(file.find("XXX"), 3, "ABC");
            SCOPED_TRACE(file);
            const texlib::TextureRead read = texlib::ReadTexture(AircraftDir() / folder / (file + ".bmp"));
            ASSERT_TRUE(read.texture) << read.error;
            const auto psnr = texlib::ComputePsnr(read.texture->levels.at(0), ComposedSheet(i));
            ASSERT_TRUE(psnr);
            EXPECT_GE(psnr->rgb, floor);
            EXPECT_GE(psnr->alpha, floor);
        }
    }
};

TEST_F(BuildRepaintTest, AnOwnFolderRepaintWritesItsFolderEntryAndExactTextures) {
    Prepare(kKite, "Blue", "abcd");
    const Tree before = SimTree();
    BuildRepaint(app);

    EXPECT_EQ(app.frm_Main.lbl_Status.Caption(), kStatusBuilt);
    EXPECT_EQ(desktop.Sounds().size(), 1u);
    EXPECT_TRUE(desktop.MessageBoxes().empty());
    const Tree after = SimTree();
    const std::string aircraft = "Airplanes/" + AircraftDir().filename().string() + "/";
    std::vector<std::string> expected = {aircraft + "Aircraft.bak", aircraft + "Aircraft.cfg",
                                         aircraft + "KW12_ABCD.air", aircraft + "Texture.abcd/"};
    for (const auto& texture : app.configuration.Textures)
        expected.push_back(aircraft + "Texture.abcd/" + text::Trim(texture.BaseTextureName) + ".bmp");
    for (const auto& extra : app.extraTextures.ExtraTexture)
        expected.push_back(aircraft + "Texture.abcd/" + text::Trim(extra));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Changed(before, after), expected);
    EXPECT_EQ(after.at(aircraft + "Aircraft.bak"), before.at(aircraft + "Aircraft.cfg"));

    EXPECT_EQ(Entry(2, "title"), "Kestrelworks KW-12 Kite Blue");
    EXPECT_EQ(Entry(2, "texture"), "abcd");
    EXPECT_EQ(Entry(2, "atc_id"), "N123AB");
    EXPECT_EQ(Entry(2, "atc_airline"), "");
    ExpectTexturesMatchTheirSheets("Texture.abcd", texlib::kIdenticalPsnr);
    // Ready for the next repaint of the same aircraft.
    EXPECT_EQ(app.job.AircraftName, app.catalogue.Entries[0].DisplayName);
    EXPECT_EQ(app.job.Variation, "");
}

TEST_F(BuildRepaintTest, ASharedFolderRepaintRenamesTexturesAndPatchesTheModelCopy) {
    app.frm_Main.chkDXT3.SetValue(1);
    Prepare(kOsprey, "Polar", "abc", "n350ab", "KESTREL");
    const Tree before = SimTree();
    BuildRepaint(app);

    EXPECT_EQ(app.frm_Main.lbl_Status.Caption(), kStatusBuilt);
    const std::string aircraft = "Airplanes/" + AircraftDir().filename().string() + "/";
    std::vector<std::string> expected = {aircraft + "Aircraft.bak", aircraft + "Aircraft.cfg",
                                         aircraft + "Model.abc/", aircraft + "Model.abc/KW350_ABC.mdl",
                                         aircraft + "Model.abc/Model.cfg"};
    for (const auto& texture : app.configuration.Textures) {
        std::string name = text::Trim(texture.BaseTextureName);
        expected.push_back(aircraft + "Texture/" + name.replace(name.find("XXX"), 3, "ABC") + ".bmp");
    }
    std::sort(expected.begin(), expected.end());
    const Tree after = SimTree();
    EXPECT_EQ(Changed(before, after), expected);
    const std::string model = after.at(aircraft + "Model.abc/KW350_ABC.mdl");
    for (const auto& texture : app.configuration.Textures) {
        std::string name = text::Trim(texture.BaseTextureName) + ".bmp";
        name.replace(name.find("XXX"), 3, "ABC");
        for (const std::int32_t offset : texture.MdlOffsets)
            EXPECT_EQ(model.substr(static_cast<std::size_t>(offset) - 1, name.size()), name);
    }
    EXPECT_EQ(Entry(2, "model"), "ABC");
    EXPECT_EQ(Entry(2, "atc_airline"), "KESTREL");
    ExpectTexturesMatchTheirSheets("Texture", 30.0);
}

TEST_F(BuildRepaintTest, AFailingStageIsNamedAndAircraftCfgStaysAsItWas) {
    Prepare(kKite, "Blue", "abcd");
    testsupport::WriteFile(AircraftDir() / "Texture.abcd", "a file where the folder must go");
    const std::string live = testsupport::ReadFile(AircraftDir() / "Aircraft.cfg");
    BuildRepaint(app);
    ASSERT_EQ(desktop.MessageBoxes().size(), 1u);
    EXPECT_NE(desktop.MessageBoxes()[0].text.find("Texture.abcd"), std::string::npos);
    EXPECT_EQ(testsupport::ReadFile(AircraftDir() / "Aircraft.cfg"), live);
    EXPECT_NE(app.frm_Main.lbl_Status.Caption(), kStatusBuilt);
    EXPECT_TRUE(desktop.Sounds().empty());
}

TEST_F(BuildRepaintTest, TexturesThatCouldNotBeMadeAreNamedAndNoSuccessIsClaimed) {
    Prepare(kKite, "Blue", "abcd");
    stdfs::remove(install.TextureLibrary());
    BuildRepaint(app);
    const std::string status = app.frm_Main.lbl_Status.Caption();
    EXPECT_NE(status.find("without 4 of 4 textures"), std::string::npos) << status;
    EXPECT_NE(status.find(text::Trim(app.configuration.Textures[0].BaseTextureName)), std::string::npos);
    EXPECT_TRUE(desktop.Sounds().empty());
}

}  // namespace
}  // namespace decalia::buildertest
