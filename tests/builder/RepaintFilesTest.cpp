#include "builder/RepaintFiles.h"

#include "BuilderFixture.h"

namespace decalia::buildertest {
namespace {

namespace stdfs = std::filesystem;

TEST_F(BuilderTest, SharedFolderRepaintLosesOnlyTheFilesMadeWithItsIdentifier) {
    Choose(kShared);
    const stdfs::path a = AircraftDir(kShared);
    for (const char* file : {"Texture/tex_RED_body.bmp", "Texture/tex_RED_wing.bmp",
                             "Texture/tex_BLU_body.bmp", "Model.RED/Model.cfg",
                             "Model.RED/k1_RED.mdl", "k1_RED.air", "k1_BLU.air", "Model.BLU/k1_BLU.mdl"}) {
        Put(a / file);
    }
    RemoveRepaintFiles(app, " red ", "");
    EXPECT_EQ(Listing(a / "Texture"), (std::vector<std::string>{"tex_BLU_body.bmp", "tex_XXX_body.bmp"}));
    EXPECT_EQ(Listing(a), (std::vector<std::string>{"Aircraft.cfg", "Model.BLU", "Texture", "k1_BLU.air"}));
}

TEST_F(BuilderTest, OwnTextureFolderIsEmptiedWithItsReadOnlyThumbsDb) {
    Choose(kOwn);
    const stdfs::path folder = AircraftDir(kOwn) / "Texture.old";
    Put(folder / "k2_body.bmp");
    Put(folder / "Thumbs.db");
    stdfs::permissions(folder / "Thumbs.db", stdfs::perms::owner_read | stdfs::perms::group_read);
    Put(AircraftDir(kOwn) / "Texture.other" / "k2_body.bmp");
    RemoveRepaintFiles(app, "", "old");
    EXPECT_FALSE(stdfs::exists(folder));
    EXPECT_TRUE(stdfs::exists(AircraftDir(kOwn) / "Texture.other" / "k2_body.bmp"));

    // A folder holding a sub-folder is emptied of files and stays.
    Put(folder / "k2_body.bmp");
    Put(folder / "nested" / "keep.bmp");
    RemoveRepaintFiles(app, "", "old");
    EXPECT_EQ(Listing(folder), std::vector<std::string>{"nested"});
    EXPECT_EQ(Listing(folder / "nested"), std::vector<std::string>{"keep.bmp"});
}

TEST_F(BuilderTest, NamesThatLeaveTheAircraftFolderDeleteNothing) {
    Choose(kShared);
    const stdfs::path airplanes = install.Root() / "SimObjects" / "Airplanes";
    const std::vector<stdfs::path> victims = {
        airplanes / "Kestrel K2" / "Texture.abc" / "k2_body.bmp",
        airplanes / "Kestrel K2" / "Model.cfg",
        airplanes / "x" / "Model.cfg",
        airplanes / "Texture" / "tex_X_body.bmp",
        AircraftDir(kShared) / "Texture" / "tex_XXX_body.bmp",
        AircraftDir(kShared) / "Texture" / "tex__body.bmp",
        AircraftDir(kShared) / "Model." / "Model.cfg",
        AircraftDir(kShared) / "k1_.air",
    };
    struct Hostile {
        const char* model;
        const char* texture;
    };
    const Hostile cases[] = {
        {"..\\..\\x", ""},          {"C:\\x", ""},           {"a/b", ""},
        {"", ""},                   {"\\..\\..\\Kestrel K2", ""}, {"..", ""},
        {"ABC", "\\..\\..\\Kestrel K2\\Texture.abc"}, {"ABC", "..\\..\\Kestrel K2\\Texture.abc"},
        {"ABC", "a/b"},             {"ABC", "C:x"},          {"ABC", ".."},
    };
    for (const Hostile& c : cases) {
        for (const auto& victim : victims) Put(victim);
        RemoveRepaintFiles(app, c.model, c.texture);
        for (const auto& victim : victims) {
            EXPECT_TRUE(stdfs::exists(victim)) << c.model << " | " << c.texture << " deleted " << victim;
        }
    }
}

}  // namespace
}  // namespace decalia::buildertest
