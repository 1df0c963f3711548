#include "builder/AircraftFolders.h"

#include <algorithm>

#include "BuilderFixture.h"
#include "platform/text/Text.h"
#include "support/TempDir.h"

namespace decalia::buildertest {
namespace {

namespace stdfs = std::filesystem;

struct LayoutCase {
    const char* stem;
    std::vector<std::string> created;
    std::vector<std::string> notCreated;
};

TEST_F(BuilderTest, EachLayoutGetsItsOwnFolders) {
    const LayoutCase cases[] = {
        {kShared, {"Texture", "Model.abc"}, {"Texture.abc"}},
        {kOwn, {"Texture.abc"}, {"Texture", "Model.abc"}},
    };
    for (const LayoutCase& c : cases) {
        Choose(c.stem);
        stdfs::remove_all(AircraftDir(c.stem));
        CreateAircraftFolders(app);
        EXPECT_EQ(app.frm_Main.lbl_Status.Caption(), "Creating Aircraft Directories");
        for (const auto& name : c.created) EXPECT_TRUE(stdfs::is_directory(AircraftDir(c.stem) / name)) << name;
        for (const auto& name : c.notCreated) EXPECT_FALSE(stdfs::exists(AircraftDir(c.stem) / name)) << name;
    }
}

TEST_F(BuilderTest, ASecondRunKeepsTheFoldersAndWhatIsInThem) {
    Choose(kShared);
    Put(AircraftDir(kShared) / "MODEL.ABC" / "keep.txt");
    CreateAircraftFolders(app);
    CreateAircraftFolders(app);
    // "Model.abc" and "MODEL.ABC" name one folder, as on Windows.
    EXPECT_EQ(Listing(AircraftDir(kShared) / "MODEL.ABC"), std::vector<std::string>{"keep.txt"});
    const auto names = Listing(AircraftDir(kShared));
    EXPECT_EQ(std::count_if(names.begin(), names.end(),
                            [](const std::string& name) { return decalia::text::EqualsNoCase(name, "Model.abc"); }),
              1);
}

TEST_F(BuilderTest, FlightModelIsCopiedUnderTheRepaintsName) {
    Choose(kShared);
    CopyAirFile(app);
    EXPECT_EQ(testsupport::ReadFile(AircraftDir(kShared) / "k1_ABC.air"), "K1 flight model");
    testsupport::WriteFile(DataDir(kShared) / "k1_XXX.air", "newer flight model");
    CopyAirFile(app);
    EXPECT_EQ(testsupport::ReadFile(AircraftDir(kShared) / "k1_ABC.air"), "newer flight model");
}

}  // namespace
}  // namespace decalia::buildertest
