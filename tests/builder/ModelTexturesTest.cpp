#include "builder/ModelTextures.h"

#include "BuilderFixture.h"
#include "builder/AircraftFolders.h"
#include "support/TempDir.h"

namespace decalia::buildertest {
namespace {

TEST_F(BuilderTest, ModelCopyCarriesTheRepaintsTextureNamesAtTheOneBasedOffsets) {
    Choose(kShared);
    CreateAircraftFolders(app);
    RenameModelTextures(app);
    EXPECT_EQ(app.frm_Main.lbl_Status.Caption(), "Renaming Textures in MDL");

    std::string expected = BaseModelBytes();
    expected.replace(1024, 16, "tex_ABC_body.bmp");
    expected.replace(2048, 16, "tex_ABC_body.bmp");
    expected.replace(3000, 16, "tex_ABC_wing.bmp");
    const std::string copy = testsupport::ReadFile(AircraftDir(kShared) / "Model.abc" / "k1_ABC.mdl");
    ASSERT_EQ(copy.size(), expected.size());
    for (std::size_t i = 0; i < copy.size(); ++i) ASSERT_EQ(copy[i], expected[i]) << "byte " << i;
    EXPECT_EQ(testsupport::ReadFile(DataDir(kShared) / "k1_XXX.mdl"), BaseModelBytes());
}

TEST_F(BuilderTest, ModelCfgNamesTheCopyOnceAfterASecondBuild) {
    Choose(kShared);
    CreateAircraftFolders(app);
    RenameModelTextures(app);
    RenameModelTextures(app);
    EXPECT_EQ(testsupport::ReadFile(AircraftDir(kShared) / "Model.abc" / "Model.cfg"),
              "[models]\r\nnormal=k1_ABC\r\n");
}

TEST_F(BuilderTest, OwnTextureFolderLayoutLeavesTheModelAlone) {
    Choose(kOwn);
    CreateAircraftFolders(app);
    app.frm_Main.lbl_Status.SetCaption("before");
    RenameModelTextures(app);
    EXPECT_EQ(app.frm_Main.lbl_Status.Caption(), "before");
    EXPECT_EQ(Listing(AircraftDir(kOwn)), (std::vector<std::string>{"Aircraft.cfg", "Texture.abc"}));
}

}  // namespace
}  // namespace decalia::buildertest
