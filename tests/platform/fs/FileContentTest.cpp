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

std::size_t EntryCount(const stdfs::path& folder) {
    return static_cast<std::size_t>(std::distance(stdfs::directory_iterator(folder), {}));
}

TEST(ReadAll, ReadsWholeFilesUpToTheLimit) {
    TempDir dir;
    WriteFile(dir / "Data/a.bin", std::string("a\0b\r\n", 5));
    EXPECT_EQ(ReadAll(dir / "DATA/A.BIN"), std::string("a\0b\r\n", 5));
    EXPECT_EQ(ReadAll(dir / "data/a.bin", 5), std::string("a\0b\r\n", 5));
    EXPECT_EQ(ReadAll(dir / "data/a.bin", 4), std::nullopt);
    WriteFile(dir / "empty", "");
    EXPECT_EQ(ReadAll(dir / "empty"), "");
}

TEST(ReadAll, RefusesWhatIsNotAReadableFile) {
    TempDir dir;
    EXPECT_EQ(ReadAll(dir / "missing"), std::nullopt);
    EXPECT_EQ(ReadAll(dir.Str()), std::nullopt);
    // A huge sparse file is refused before anything is allocated for it.
    WriteFile(dir / "huge", "");
    stdfs::resize_file(dir / "huge", 1ull << 33);
    EXPECT_EQ(ReadAll(dir / "huge"), std::nullopt);
}

TEST(WriteAll, CreatesOrReplaces) {
    TempDir dir;
    stdfs::create_directory(dir / "Plane");
    EXPECT_TRUE(WriteAll(dir / "plane/New.cfg", "one"));
    EXPECT_EQ(ReadFile(dir / "Plane/New.cfg"), "one");
    EXPECT_TRUE(WriteAll(dir / "PLANE/new.CFG", "two", Durability::Scratch));
    EXPECT_EQ(ReadFile(dir / "Plane/New.cfg"), "two");
    EXPECT_EQ(EntryCount(dir / "Plane"), 1u);
}

TEST(WriteAll, FailsWithoutTouchingTheTarget) {
    TempDir dir;
    WriteFile(dir / "file", "keep");
    WriteFile(dir / "readonly", "keep");
    stdfs::permissions(dir / "readonly", stdfs::perms::owner_read);
    stdfs::create_directory(dir / "Folder");
    EXPECT_FALSE(WriteAll(dir / "file/under", "x"));
    EXPECT_FALSE(WriteAll(dir / "missing/x", "x"));
    EXPECT_FALSE(WriteAll(dir / "folder", "x"));
    EXPECT_FALSE(WriteAll(dir / "READONLY", "x"));
    EXPECT_EQ(ReadFile(dir / "readonly"), "keep");
    EXPECT_TRUE(stdfs::is_directory(dir / "Folder"));
    EXPECT_EQ(EntryCount(dir.Path()), 3u);
}

TEST(WriteAt, PatchesInPlaceAndExtendsWithZeros) {
    TempDir dir;
    WriteFile(dir / "Model.ABC/plane.mdl", "0123456789");
    EXPECT_TRUE(WriteAt(dir / "model.abc/PLANE.MDL", 2, "ab"));
    EXPECT_EQ(ReadFile(dir / "Model.ABC/plane.mdl"), "01ab456789");
    EXPECT_TRUE(WriteAt(dir / "model.abc/PLANE.MDL", 12, "z"));
    EXPECT_EQ(ReadFile(dir / "Model.ABC/plane.mdl"), std::string("01ab456789\0\0z", 13));
}

TEST(WriteAt, FailsOnWhatIsNotAWritableFile) {
    TempDir dir;
    WriteFile(dir / "readonly", "abc");
    stdfs::permissions(dir / "readonly", stdfs::perms::owner_read);
    EXPECT_FALSE(WriteAt(dir / "missing", 0, "x"));
    EXPECT_FALSE(stdfs::exists(dir / "missing"));
    EXPECT_FALSE(WriteAt(dir / "readonly", 0, "x"));
    EXPECT_EQ(ReadFile(dir / "readonly"), "abc");
    EXPECT_FALSE(WriteAt(dir.Str(), 0, "x"));
}

}  // namespace
}  // namespace decalia::fs
