#include "DemoData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>

#include "config/LoadAircraftConfig.h"
#include "platform/gdi/BmpFile.h"
#include "platform/profile/Profile.h"
#include "platform/text/Text.h"
#include "support/Installation.h"
#include "support/TempDir.h"

namespace decalia::demodata {
namespace {

namespace stdfs = std::filesystem;
using testsupport::Installation;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;
using text::Trim;

const std::string kDemoFolder = std::string(DECALIA_SOURCE_DIR) + "/demo";
constexpr const char* kAbsent = "<absent>";

struct Configuration {
    config::AircraftConfiguration record;
    config::ExtraTextures extraTextures;
    config::ExtraFields extraFields;
};

Configuration ReadPlain(const std::string& stem) {
    Configuration c;
    c.record = config::ReadAircraftConfiguration(
        win::ProfileText::FromFile(kDemoFolder + "/configurations/" + stem + ".ini"),
        config::SheetFormatChoice::Dxt3NormalMap, c.extraTextures, c.extraFields);
    return c;
}

// kAbsent for a missing key, so an empty value can be told from none.
std::string Value(const stdfs::path& file, std::string_view section, std::string_view key) {
    std::array<char, 512> buffer{};
    win::GetPrivateProfileStringA(section, key, kAbsent, buffer, file.string());
    return buffer.data();
}

struct LoadedBitmap {
    int width = 0, height = 0, bitsPerPixel = 0;
    std::array<bool, 256> levelsUsed{};  // 8-bit bitmaps only
};

LoadedBitmap Load(const stdfs::path& file) {
    LoadedBitmap loaded;
    const win::HBITMAP bitmap =
        win::LoadImageA(nullptr, file.string(), win::IMAGE_BITMAP, 0, 0, win::LR_LOADFROMFILE);
    win::DIBSECTION dib;
    if (!bitmap || !win::GetObject(bitmap, dib)) return loaded;
    loaded = {dib.dsBm.bmWidth, dib.dsBm.bmHeight, dib.dsBm.bmBitsPixel, {}};
    if (loaded.bitsPerPixel == 8) {
        const auto size = static_cast<std::size_t>(dib.dsBm.bmWidthBytes) * static_cast<std::size_t>(loaded.height);
        for (std::size_t i = 0; i < size; ++i) loaded.levelsUsed[dib.dsBm.bmBits[i]] = true;
    }
    win::DeleteObject(bitmap);
    return loaded;
}

// One installation per demo aircraft, laid out once: the tests only read it.
const Installation& InstallationWith(const std::string& stem) {
    static std::map<std::string, std::unique_ptr<Installation>> installations;
    auto& installation = installations[stem];
    if (!installation) {
        installation = std::make_unique<Installation>();
        installation->AddDemoAircraft(stem);
    }
    return *installation;
}

class DemoAircraftTest : public testing::TestWithParam<const char*> {
protected:
    const Installation& installation = InstallationWith(GetParam());
    const Configuration c = ReadPlain(GetParam());
    const stdfs::path data = installation.AppDir() / ("Data." + Trim(c.record.DataPath));
    const stdfs::path live =
        installation.Root() / "SimObjects" / "Airplanes" / Trim(c.record.AircraftDirectory);
};

INSTANTIATE_TEST_SUITE_P(Demo, DemoAircraftTest, testing::Values("KW12_Kite", "KW350_Osprey"));

TEST_P(DemoAircraftTest, BaseModelHoldsEachTextureNameAtItsOffsetsWithoutOverlap) {
    if (c.record.TextureAssignOnly != 0) GTEST_SKIP() << "repaints of this aircraft keep its model";
    const std::string model = ReadFile(data / (Trim(c.record.BaseModelName) + ".mdl"));
    std::vector<std::pair<std::int64_t, std::int64_t>> spans;
    for (const config::TextureEntry& texture : c.record.Textures) {
        const std::string name = Trim(texture.BaseTextureName) + ".bmp";
        for (const std::int32_t offset : texture.MdlOffsets) {
            ASSERT_GE(offset, 1) << name;
            ASSERT_LE(static_cast<std::size_t>(offset) - 1 + name.size(), model.size()) << name;
            EXPECT_EQ(model.substr(static_cast<std::size_t>(offset) - 1, name.size()), name);
            spans.emplace_back(offset, offset + std::ssize(name));
        }
    }
    EXPECT_FALSE(spans.empty());
    std::sort(spans.begin(), spans.end());
    for (std::size_t i = 1; i < spans.size(); ++i)
        EXPECT_LE(spans[i - 1].second, spans[i].first) << "offset " << spans[i].first;
}

TEST_P(DemoAircraftTest, TemplateAndAlphaCompanionLoadAtTheTemplateSize) {
    std::vector<stdfs::path> alphas;
    for (const auto& entry : stdfs::directory_iterator(installation.AppDir() / "Templates"))
        if (entry.path().string().ends_with("_a.bmp")) alphas.push_back(entry.path());
    ASSERT_EQ(alphas.size(), 1u);
    const std::string alphaName = alphas[0].string();
    const LoadedBitmap colour = Load(alphaName.substr(0, alphaName.size() - 6) + ".bmp");
    const LoadedBitmap alpha = Load(alphas[0]);
    EXPECT_EQ(colour.width, c.record.TemplateSizeX);
    EXPECT_EQ(colour.height, c.record.TemplateSizeY);
    EXPECT_EQ(colour.bitsPerPixel, 24);
    EXPECT_EQ(alpha.width, c.record.TemplateSizeX);
    EXPECT_EQ(alpha.height, c.record.TemplateSizeY);
    EXPECT_EQ(alpha.bitsPerPixel, 8);
    EXPECT_GE(std::count(alpha.levelsUsed.begin(), alpha.levelsUsed.end(), true),
              std::ssize(c.record.Textures) + 2);

    // Palette index i is grey level i, so an index reads as its alpha level.
    const std::string file = ReadFile(alphas[0]);
    for (std::size_t i = 0; i < 256; i += 51)
        for (std::size_t channel = 0; channel < 3; ++channel)
            EXPECT_EQ(static_cast<unsigned char>(file[54 + 4 * i + channel]), i);
}

TEST_P(DemoAircraftTest, ProgramCopyOfAircraftCfgHasTheDecaliaSectionAndDefaults) {
    const stdfs::path cfg = data / "Aircraft.cfg";
    EXPECT_NE(ReadFile(cfg).find("\r\n[decalia]\r\n"), std::string::npos);
    EXPECT_NE(Value(cfg, "decalia", "panel"), kAbsent);
    const std::string model = Value(cfg, "decalia", "model");
    if (c.record.TextureAssignOnly == 1) {
        // Repaints with their own texture folder name this model folder.
        ASSERT_NE(model, "");
        EXPECT_TRUE(stdfs::exists(live / ("Model." + model) / "Model.cfg"));
    }
    EXPECT_EQ(Value(cfg, "fltsim.0", "sim"), Trim(c.record.BaseAirName));
    EXPECT_TRUE(stdfs::exists(data / (Trim(c.record.BaseAirName) + ".air")));
    EXPECT_NE(Value(cfg, "WEIGHT_AND_BALANCE", "station_load.0"), kAbsent);
    EXPECT_EQ(Value(cfg, "fltsim.1", "title"), kAbsent);
}

TEST_P(DemoAircraftTest, LiveAircraftCfgHasItsOwnVariationAnEarlierOneAndTheUsersLoading) {
    const stdfs::path cfg = live / "Aircraft.cfg";
    EXPECT_NE(Value(cfg, "fltsim.0", "title"), "");
    EXPECT_EQ(Value(cfg, "fltsim.0", "texture"), "");
    EXPECT_EQ(Value(cfg, "fltsim.0", "model"), "");
    EXPECT_NE(Value(cfg, "fltsim.1", "title"), kAbsent);
    EXPECT_NE(Value(cfg, "fltsim.1", "title"), Value(cfg, "fltsim.0", "title"));
    EXPECT_EQ(Value(cfg, "fltsim.2", "title"), kAbsent);

    const int stations = win::GetPrivateProfileIntA("WEIGHT_AND_BALANCE", "max_number_of_stations", 0,
                                                    cfg.string());
    ASSERT_GE(stations, 1);
    int differing = 0;
    for (int s = 0; s < stations; ++s) {
        const std::string key = "station_load." + std::to_string(s);
        ASSERT_NE(Value(cfg, "WEIGHT_AND_BALANCE", key), kAbsent) << key;
        differing += Value(cfg, "WEIGHT_AND_BALANCE", key) != Value(data / "Aircraft.cfg", "WEIGHT_AND_BALANCE", key);
    }
    EXPECT_GT(differing, 0) << "the user's loading should differ from the program copy's";
}

TEST_P(DemoAircraftTest, OwnTexturesModelAndFlightModelAreWhereTheOwnVariationLooks) {
    for (const config::TextureEntry& texture : c.record.Textures) {
        const LoadedBitmap sheet = Load(live / "Texture" / (Trim(texture.BaseTextureName) + ".bmp"));
        EXPECT_EQ(sheet.bitsPerPixel, 24) << texture.BaseTextureName;
        EXPECT_EQ(sheet.width, texture.TextureSizeX) << texture.BaseTextureName;
    }
    const std::string modelName = Value(live / "Model" / "Model.cfg", "models", "normal");
    const std::string model = ReadFile(live / "Model" / (modelName + ".mdl"));
    ASSERT_FALSE(model.empty()) << modelName;
    for (const config::TextureEntry& texture : c.record.Textures)
        EXPECT_NE(model.find(Trim(texture.BaseTextureName) + ".bmp"), std::string::npos);
    EXPECT_TRUE(stdfs::exists(live / (Value(live / "Aircraft.cfg", "fltsim.0", "sim") + ".air")));
}

TEST_P(DemoAircraftTest, EarlierRepaintsFilesAreWhereItsEntryLooks) {
    const stdfs::path cfg = live / "Aircraft.cfg";
    EXPECT_TRUE(stdfs::exists(live / (Value(cfg, "fltsim.1", "sim") + ".air")));
    const std::string texture = Value(cfg, "fltsim.1", "texture");
    if (!texture.empty()) {
        for (const config::TextureEntry& sheet : c.record.Textures)
            EXPECT_TRUE(stdfs::exists(live / ("Texture." + texture) / (Trim(sheet.BaseTextureName) + ".bmp")));
        return;
    }
    // Renamed textures: the patched model differs from the base one only in
    // names of the same length, and each names a texture in Texture/.
    const stdfs::path models = live / ("Model." + Value(cfg, "fltsim.1", "model"));
    const std::string patched = ReadFile(models / (Value(models / "Model.cfg", "models", "normal") + ".mdl"));
    const std::string base = ReadFile(data / (Trim(c.record.BaseModelName) + ".mdl"));
    ASSERT_EQ(patched.size(), base.size());
    std::string unpatched = patched;
    std::size_t namesChecked = 0;
    for (const config::TextureEntry& sheet : c.record.Textures) {
        const std::size_t length = Trim(sheet.BaseTextureName).size() + 4;
        for (const std::int32_t offset : sheet.MdlOffsets) {
            const auto at = static_cast<std::size_t>(offset) - 1;
            const std::string name = patched.substr(at, length);
            EXPECT_NE(name, base.substr(at, length));
            EXPECT_TRUE(stdfs::exists(live / "Texture" / name)) << name;
            unpatched.replace(at, length, base.substr(at, length));
            ++namesChecked;
        }
    }
    EXPECT_GT(namesChecked, 0u);
    EXPECT_TRUE(unpatched == base) << "the patched model differs outside its names";
}

TEST_P(DemoAircraftTest, ExtraTexturesLieWhereTheProgramCopiesThemFrom) {
    const config::ExtraTextures& extra = c.extraTextures;
    if (extra.CopyExtraTextures != 1) GTEST_SKIP() << "no extra textures";
    const std::string folder = Trim(extra.BaseTextureFolder);
    const stdfs::path source = live / (folder.empty() ? "Texture" : "Texture." + folder);
    ASSERT_FALSE(extra.ExtraTexture.empty());
    for (const std::string& name : extra.ExtraTexture)
        EXPECT_EQ(Load(source / Trim(name)).bitsPerPixel, 24) << name;
}

TEST(DemoData, LayingOutAgainGivesTheSameFiles) {
    TempDir dir;
    const std::string app = dir / "sim/Kestrelworks Software/Decalia";
    std::string error;
    ASSERT_TRUE(WriteDemoAircraft(kDemoFolder, "KW12_Kite", app, error)) << error;
    std::map<stdfs::path, std::string> first;
    for (const auto& entry : stdfs::recursive_directory_iterator(dir.Path()))
        if (entry.is_regular_file()) first[entry.path()] = ReadFile(entry.path());
    ASSERT_TRUE(WriteDemoAircraft(kDemoFolder, "KW12_Kite", app, error)) << error;
    std::size_t files = 0;
    for (const auto& entry : stdfs::recursive_directory_iterator(dir.Path())) {
        if (!entry.is_regular_file()) continue;
        ++files;
        EXPECT_TRUE(ReadFile(entry.path()) == first[entry.path()]) << entry.path();
    }
    EXPECT_EQ(files, first.size());
}

// A configuration the program could not rename safely is refused before
// anything is written.
TEST(DemoData, RefusesConfigurationsWhoseRenamingWouldDamageFiles) {
    const std::string osprey = ReadFile(kDemoFolder + "/configurations/KW350_Osprey.ini");
    const std::string sections = ReadFile(kDemoFolder + "/aircraft/KW350_Osprey.cfg");
    struct Case {
        std::string replace, with, complaint;
    };
    const Case cases[] = {
        {"Offset.00=1057", "Offset.00=1030", "runs into"},
        {"Offset.00=1089", "Offset.00=0", "below 1"},
        {"BaseTextureName=KW350_XXX_tail", "BaseTextureName=KW350_X", "cannot place"},
        {"ReplaceMask=KW350_*\n", "ReplaceMask=KW350_\n", "cannot place"},
        {"NumIdentifierCharacters=3", "NumIdentifierCharacters=13", "demo livery"},
        {"NumTextures=6", "NumTextures=0", "no textures"},
    };
    for (const Case& bad : cases) {
        TempDir dir;
        std::string ini = osprey;
        ASSERT_NE(ini.find(bad.replace), std::string::npos) << bad.replace;
        ini.replace(ini.find(bad.replace), bad.replace.size(), bad.with);
        WriteFile(dir / "demo/configurations/Bad.ini", ini);
        WriteFile(dir / "demo/aircraft/Bad.cfg", sections);
        std::string error;
        EXPECT_FALSE(WriteDemoAircraft(dir / "demo", "Bad", dir / "app", error)) << bad.with;
        EXPECT_NE(error.find(bad.complaint), std::string::npos) << error;
        EXPECT_FALSE(stdfs::exists(dir.Path() / "app")) << bad.with;
    }
}

TEST(DemoData, MissingAircraftSectionsAreReportedByName) {
    TempDir dir;
    WriteFile(dir / "demo/configurations/Kite.ini", ReadFile(kDemoFolder + "/configurations/KW12_Kite.ini"));
    std::string error;
    EXPECT_FALSE(WriteDemoAircraft(dir / "demo", "Kite", dir / "app", error));
    EXPECT_NE(error.find("aircraft/Kite.cfg"), std::string::npos) << error;
}

}  // namespace
}  // namespace decalia::demodata
