#include "builder/SameTitleRepaint.h"

#include "BuilderFixture.h"
#include "builder/AircraftCfgWriter.h"

namespace decalia::buildertest {
namespace {

namespace stdfs = std::filesystem;

// The pass the "create" command runs before the build works on the table the
// previous build read, and only when that build was for this aircraft.
class FirstPassTest : public BuilderTest {
protected:
    FirstPassTest() {
        WriteLiveCfg(kShared, FltsimSection(0, "Kestrel K1 Factory", "", "") +
                                  FltsimSection(1, "Kestrel K1 Blue", "BLU", ""));
        Put(AircraftDir(kShared) / "Texture" / "tex_BLU_body.bmp");
    }
    bool EarlierBlueRemains() const {
        return stdfs::exists(AircraftDir(kShared) / "Texture" / "tex_BLU_body.bmp");
    }
};

TEST_F(FirstPassTest, DoesNothingInAFreshRun) {
    Choose(kShared);
    RemoveSameTitleRepaint(app);
    EXPECT_TRUE(EarlierBlueRemains());
    EXPECT_TRUE(Listing(AircraftDir(kShared) / "Model.abc").empty());
}

TEST_F(FirstPassTest, DoesNothingWithATableOfAnotherAircraft) {
    Choose(kOwn);
    WriteAircraftCfg(app);
    Choose(kShared);
    RemoveSameTitleRepaint(app);
    EXPECT_TRUE(EarlierBlueRemains());
}

TEST_F(FirstPassTest, RemovesTheRepaintFromTheTableOfThePreviousBuildOfThisAircraft) {
    Choose(kShared);
    app.job.Variation = "Red";
    WriteAircraftCfg(app);
    Choose(kShared);
    RemoveSameTitleRepaint(app);
    EXPECT_FALSE(EarlierBlueRemains());
    EXPECT_EQ(app.fltsim.LastFltsimIndex, 0);
    EXPECT_TRUE(stdfs::exists(AircraftDir(kShared) / "Model.abc" / "k1_ABC.mdl"));
}

}  // namespace
}  // namespace decalia::buildertest
