#include "builder/AircraftCfgWriter.h"

#include <functional>

#include "BuilderFixture.h"
#include "support/TempDir.h"

namespace decalia::buildertest {
namespace {

namespace stdfs = std::filesystem;

struct FailureCase {
    const char* name;
    const char* stage;
    std::function<void()> breakIt;
};

class FailureTest : public BuilderTest {
protected:
    // A same-title repaint in the live file, so that the writer's own removal
    // deletes and rebuilds files too.
    const std::string live = FltsimSection(0, "Kestrel K1 Factory", "", "") +
                             FltsimSection(1, "Kestrel K1 Blue", "ABC", "") +
                             "[WEIGHT_AND_BALANCE]\r\nempty_weight=950\r\n";
    void BreakAircraftFolderPlace(const std::string& name) {
        stdfs::remove_all(AircraftDir(kShared) / name);
        Put(AircraftDir(kShared) / name, "a file where a folder must be");
    }
};

// As root a read-only folder stops nothing, so each case makes a stage fail
// by what is in its way: a missing source, a file in a folder's place, a
// read-only Aircraft.cfg (the program itself refuses to replace it).
TEST_F(FailureTest, AFailingStageLeavesAircraftCfgAsItWasAndNoTemporaryFile) {
    const FailureCase cases[] = {
        {"missing program copy", "copying the program's Aircraft.cfg",
         [this] { stdfs::remove(DataDir(kShared) / "Aircraft.cfg"); }},
        {"read-only Aircraft.cfg", "backing up Aircraft.cfg",
         [this] {
             stdfs::permissions(LiveCfg(kShared), stdfs::perms::owner_write, stdfs::perm_options::remove);
         }},
        {"backup in a folder's place", "backing up Aircraft.cfg",
         [this] { Put(AircraftDir(kShared) / "Aircraft.bak" / "keep"); }},
        {"flight model gone after the check", "copying the flight model file",
         [this] { stdfs::remove(DataDir(kShared) / "k1_XXX.air"); }},
        {"base model gone after the check", "copying the model file",
         [this] { stdfs::remove(DataDir(kShared) / "k1_XXX.mdl"); }},
        {"model folder cannot be made again", "creating the aircraft folders",
         [this] { BreakAircraftFolderPlace("Model.abc"); }},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        stdfs::remove_all(AircraftDir(kShared));
        WriteLiveCfg(kShared, live);
        Put(AircraftDir(kShared) / "Model.abc" / "k1_ABC.mdl", "earlier build");
        Choose(kShared);
        c.breakIt();
        const BuildFailure failure = FailureOf([this] { WriteAircraftCfg(app); });
        EXPECT_EQ(failure.stage, c.stage);
        EXPECT_FALSE(failure.cause.empty());
        EXPECT_EQ(ReadLiveCfg(kShared), live);
        for (const std::string& name : Listing(AircraftDir(kShared))) {
            const bool temporary = name.front() == '.' || (name.find("ircraft") != std::string::npos &&
                                                           name != "Aircraft.cfg" && name != "Aircraft.bak");
            EXPECT_FALSE(temporary) << "left behind: " << name;
        }
        stdfs::permissions(LiveCfg(kShared), stdfs::perms::owner_write, stdfs::perm_options::add);
    }
}

TEST_F(FailureTest, AnAircraftCfgThatCannotBeReplacedStaysWhatItIs) {
    stdfs::remove(LiveCfg(kShared));
    Put(LiveCfg(kShared) / "keep", "a folder in the file's place");
    Choose(kShared);
    const BuildFailure failure = FailureOf([this] { WriteAircraftCfg(app); });
    EXPECT_EQ(failure.stage, "writing Aircraft.cfg");
    EXPECT_NE(failure.cause.find("Aircraft.cfg"), std::string::npos);
    EXPECT_EQ(Listing(LiveCfg(kShared)), std::vector<std::string>{"keep"});
    EXPECT_EQ(Listing(AircraftDir(kShared)), (std::vector<std::string>{"Aircraft.cfg", "Texture"}));
}

}  // namespace
}  // namespace decalia::buildertest
