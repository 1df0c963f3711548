#include "platform/fs/Fs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace decalia::fs {
namespace {

namespace stdfs = std::filesystem;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

void MakeReadOnly(const std::string& path) {
    stdfs::permissions(path, stdfs::perms::owner_read | stdfs::perms::group_read |
                                 stdfs::perms::others_read);
}

bool IsReadOnly(const std::string& path) {
    return (stdfs::status(path).permissions() & stdfs::perms::owner_write) ==
           stdfs::perms::none;
}

TEST(Exists, TellsFilesFromFolders) {
    TempDir dir;
    WriteFile(dir / "Data/Aircraft.cfg", "abc");
    EXPECT_TRUE(FileExists(dir.Str() + "\\DATA\\aircraft.cfg"));
    EXPECT_FALSE(FolderExists(dir.Str() + "\\DATA\\aircraft.cfg"));
    EXPECT_TRUE(FolderExists(dir.Str() + "\\data"));
    EXPECT_FALSE(FileExists(dir.Str() + "\\data"));
    EXPECT_FALSE(FileExists(dir.Str() + "\\data\\missing"));
    EXPECT_FALSE(FileExists(""));
    EXPECT_EQ(FileLength(dir.Str() + "/data/AIRCRAFT.CFG"), 3u);
    EXPECT_EQ(FileLength(dir.Str() + "/data"), std::nullopt);
    EXPECT_EQ(FileLength(dir.Str() + "/missing"), std::nullopt);
}

TEST(CopyFile, CopiesAndRefusesOrReplacesAnExistingTarget) {
    TempDir dir;
    WriteFile(dir / "Data/base.air", "new");
    WriteFile(dir / "Plane/Plane.air", "old");
    EXPECT_TRUE(CopyFile(dir / "data/BASE.AIR", dir / "plane/Copy.air", Overwrite::No));
    EXPECT_EQ(ReadFile(dir / "Plane/Copy.air"), "new");

    EXPECT_FALSE(CopyFile(dir / "data/base.air", dir / "plane/plane.air", Overwrite::No));
    EXPECT_EQ(ReadFile(dir / "Plane/Plane.air"), "old");

    MakeReadOnly(dir / "Plane/Plane.air");
    EXPECT_TRUE(CopyFile(dir / "data/base.air", dir / "plane/plane.air", Overwrite::Yes));
    EXPECT_EQ(ReadFile(dir / "Plane/Plane.air"), "new");
    EXPECT_EQ(std::distance(stdfs::directory_iterator(dir / "Plane"), {}), 2);  // replaced, not added
}

TEST(CopyFile, FailsWithoutHarm) {
    TempDir dir;
    WriteFile(dir / "a.bin", "a");
    WriteFile(dir / "file", "f");
    stdfs::create_directory(dir / "Folder");
    EXPECT_FALSE(CopyFile(dir / "missing", dir / "b.bin", Overwrite::Yes));
    EXPECT_FALSE(CopyFile(dir / "Folder", dir / "b.bin", Overwrite::Yes));
    EXPECT_FALSE(CopyFile(dir / "a.bin", dir / "file/b.bin", Overwrite::Yes));
    EXPECT_FALSE(CopyFile(dir / "a.bin", dir / "folder", Overwrite::Yes));
    EXPECT_TRUE(stdfs::is_directory(dir / "Folder"));
    EXPECT_FALSE(CopyFile(dir / "a.bin", dir / "A.BIN", Overwrite::Yes));
    EXPECT_EQ(ReadFile(dir / "a.bin"), "a");
    EXPECT_EQ(ReadFile(dir / "file"), "f");
    EXPECT_EQ(std::distance(stdfs::directory_iterator(dir.Path()), {}), 3);  // no leftovers
}

TEST(MoveFile, RenamesOnlyOntoAFreeName) {
    TempDir dir;
    WriteFile(dir / "TempBitmaps/x.bmp", "x");
    WriteFile(dir / "Texture/taken.bmp", "t");
    EXPECT_FALSE(MoveFile(dir / "tempbitmaps/X.BMP", dir / "texture/TAKEN.bmp"));
    EXPECT_TRUE(MoveFile(dir / "tempbitmaps/X.BMP", dir / "texture/New.bmp"));
    EXPECT_EQ(ReadFile(dir / "Texture/New.bmp"), "x");
    EXPECT_FALSE(FileExists(dir / "TempBitmaps/x.bmp"));
    EXPECT_FALSE(MoveFile(dir / "TempBitmaps/x.bmp", dir / "Texture/Other.bmp"));
    EXPECT_EQ(ReadFile(dir / "Texture/taken.bmp"), "t");
}

TEST(MoveFile, WithOverwriteReplacesAFileButNeverAFolderOrItself) {
    TempDir dir;
    WriteFile(dir / "TempBitmaps/x.bmp", "new");
    WriteFile(dir / "Texture/x.bmp", "old");
    MakeReadOnly(dir / "Texture/x.bmp");
    WriteFile(dir / "Texture/Folder.bmp/inside", "i");
    EXPECT_FALSE(MoveFile(dir / "TempBitmaps/x.bmp", dir / "Texture/folder.bmp", Overwrite::Yes));
    EXPECT_FALSE(MoveFile(dir / "TempBitmaps/x.bmp", dir / "tempbitmaps/X.bmp", Overwrite::Yes));
    EXPECT_TRUE(MoveFile(dir / "TempBitmaps/x.bmp", dir / "texture/X.BMP", Overwrite::Yes));
    EXPECT_EQ(ReadFile(dir / "Texture/x.bmp"), "new");
    EXPECT_FALSE(FileExists(dir / "TempBitmaps/x.bmp"));
}

TEST(DeleteFile, LeavesReadOnlyFilesUntilTheirAttributeIsCleared) {
    TempDir dir;
    WriteFile(dir / "Texture.x/Thumbs.db", "t");
    MakeReadOnly(dir / "Texture.x/Thumbs.db");
    EXPECT_FALSE(DeleteFile(dir / "texture.X/thumbs.db"));
    EXPECT_TRUE(stdfs::exists(dir / "Texture.x/Thumbs.db"));
    EXPECT_TRUE(ClearAttributes(dir / "texture.X/thumbs.db"));
    EXPECT_FALSE(IsReadOnly(dir / "Texture.x/Thumbs.db"));
    EXPECT_TRUE(DeleteFile(dir / "texture.X/thumbs.db"));
    EXPECT_FALSE(stdfs::exists(dir / "Texture.x/Thumbs.db"));
    EXPECT_FALSE(DeleteFile(dir / "texture.X/thumbs.db"));
    EXPECT_FALSE(DeleteFile(dir / "Texture.x"));  // folders are not files
    EXPECT_FALSE(ClearAttributes(dir / "missing"));
}

TEST(Folders, CreateOneLevelAndRemoveOnlyWhenEmpty) {
    TempDir dir;
    WriteFile(dir / "Airplanes/file", "f");
    EXPECT_TRUE(CreateFolder(dir / "AIRPLANES/Model.ABC"));
    EXPECT_TRUE(stdfs::is_directory(dir / "Airplanes/Model.ABC"));
    EXPECT_FALSE(CreateFolder(dir / "airplanes/model.abc"));  // already there
    EXPECT_FALSE(CreateFolder(dir / "Missing/Child"));
    EXPECT_FALSE(CreateFolder(dir / "Airplanes/file/Child"));

    WriteFile(dir / "Airplanes/Model.ABC/Model.cfg", "m");
    EXPECT_FALSE(RemoveEmptyFolder(dir / "airplanes/model.abc"));
    EXPECT_FALSE(RemoveEmptyFolder(dir / "airplanes/file"));
    EXPECT_TRUE(stdfs::exists(dir / "Airplanes/file"));
    stdfs::remove(dir / "Airplanes/Model.ABC/Model.cfg");
    EXPECT_TRUE(RemoveEmptyFolder(dir / "airplanes/model.abc"));
    EXPECT_FALSE(stdfs::exists(dir / "Airplanes/Model.ABC"));
}

}  // namespace
}  // namespace decalia::fs
