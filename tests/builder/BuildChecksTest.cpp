#include "builder/BuildChecks.h"

#include <functional>
#include <map>

#include "BuilderFixture.h"
#include "support/TempDir.h"

namespace decalia::buildertest {
namespace {

namespace stdfs = std::filesystem;

using Tree = std::map<std::string, std::string>;

Tree Snapshot(const stdfs::path& root) {
    Tree tree;
    for (const auto& entry : stdfs::recursive_directory_iterator(root)) {
        tree[entry.path().string()] = entry.is_regular_file() ? testsupport::ReadFile(entry.path()) : "/";
    }
    return tree;
}

struct Refusal {
    const char* name;
    const char* stem;
    std::function<void()> arrange;
    std::vector<const char*> messageParts;
};

TEST_F(BuilderTest, EachUnbuildableJobIsRefusedWithAMessageAndNothingWritten) {
    const Refusal cases[] = {
        {"short folder extension", kShared, [this] { app.job.FolderExtension = "ab"; }, {"\"ab\"", "exactly 3"}},
        {"long folder extension", kShared, [this] { app.job.FolderExtension = "abcd"; }, {"exactly 3", "damage"}},
        {"separator in the extension", kOwn, [this] { app.job.FolderExtension = "..\\x"; }, {"cannot have"}},
        {"empty extension", kOwn, [this] { app.job.FolderExtension = "  "; }, {"folder extension"}},
        {"offset past the end", kShared, [this] { app.configuration.Textures[1].MdlOffsets = {4090}; },
         {"4090", "Wing", "k1_XXX.mdl", "4096 bytes"}},
        {"offset zero", kShared, [this] { app.configuration.Textures[0].MdlOffsets = {0}; }, {"offset 0"}},
        {"unknown format", kOwn, [this] { app.configuration.Textures[0].TextureFormat = " DXT5 "; },
         {"\"DXT5\"", "Body"}},
        {"layout 2", kOwn, [this] { app.configuration.TextureAssignOnly = 2; }, {"TextureAssignOnly", "0 or 1"}},
        {"mask without star", kShared, [this] { app.configuration.Textures[1].ReplaceMask = "tex_"; },
         {"tex_XXX_wing", "\"tex_\""}},
        {"base name too short", kShared, [this] { app.configuration.BaseModelName = "k1_X"; }, {"k1_X"}},
        {"flight model mask", kShared, [this] { app.configuration.ReplaceAirMask = "k1"; }, {"k1_XXX"}},
        {"missing data folder", kOwn, [this] { stdfs::remove_all(DataDir(kOwn)); }, {"data folder", "Data.K2"}},
        {"missing program copy", kOwn, [this] { stdfs::remove(DataDir(kOwn) / "Aircraft.cfg"); },
         {"Aircraft.cfg", "missing"}},
        {"missing base model", kShared, [this] { stdfs::remove(DataDir(kShared) / "k1_XXX.mdl"); },
         {"k1_XXX.mdl", "missing"}},
        {"missing base flight model", kShared, [this] { stdfs::remove(DataDir(kShared) / "k1_XXX.air"); },
         {"k1_XXX.air", "missing"}},
        {"no template", kOwn, [this] { app.TemplateLoaded = false; }, {"template"}},
        {"title of the aircraft's own variation", kShared, [this] { app.job.Variation = " factory "; },
         {"Kestrel K1 factory", "own variations"}},
        {"aircraft folder outside Airplanes", kOwn, [this] { app.configuration.AircraftDirectory = "..\\x"; },
         {"..\\x"}},
        {"no SimObjects\\Airplanes", kOwn,
         [this] { stdfs::rename(install.Root() / "SimObjects", install.Root() / "Elsewhere"); },
         {"Airplanes", "missing"}},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        LayOutAircraft();
        Choose(c.stem);
        c.arrange();
        const Tree before = Snapshot(install.Root());
        const auto message = CheckBuildInputs(app);
        ASSERT_TRUE(message);
        for (const char* part : c.messageParts) EXPECT_NE(message->find(part), std::string::npos) << *message;
        EXPECT_EQ(Snapshot(install.Root()), before);
        if (stdfs::exists(install.Root() / "Elsewhere")) {
            stdfs::rename(install.Root() / "Elsewhere", install.Root() / "SimObjects");
        }
    }
}

TEST_F(BuilderTest, BuildableJobsPass) {
    const std::pair<const char*, std::function<void()>> cases[] = {
        {kShared, [] {}},
        {kOwn, [] {}},
        // With a folder of its own a repaint's extension may have any length.
        {kOwn, [this] { app.job.FolderExtension = "a much longer name"; }},
        {kOwn, [this] { app.configuration.Textures[0].TextureFormat = " dxt3nm "; }},
        {kShared, [this] { app.configuration.Textures[1].MdlOffsets = {4081}; }},
        // A title taken by an earlier repaint is replaced, not refused.
        {kShared, [this] {
             WriteLiveCfg(kShared, FltsimSection(0, "Kestrel K1 Factory", "", "") +
                                       FltsimSection(1, "Kestrel K1 Blue", "BLU", ""));
         }},
    };
    for (const auto& [stem, arrange] : cases) {
        Choose(stem);
        arrange();
        EXPECT_EQ(CheckBuildInputs(app), std::nullopt) << stem;
    }
}

}  // namespace
}  // namespace decalia::buildertest
