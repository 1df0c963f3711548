#include "platform/fs/Fs.h"
#include "platform/fs/Terminal.h"
#include "support/TempDir.h"

#include <windows.h>
#undef CopyFile
#undef DeleteFile
#undef MoveFile

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

namespace decalia::fs {
namespace {

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

constexpr DWORD kReadOnlyHiddenSystem = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

DWORD Attributes(const std::string& path) { return ::GetFileAttributesA(path.c_str()); }

TEST(Attributes, ReadOnlyRefusesChangesUntilCleared) {
    TempDir dir;
    const std::string thumbs = dir / "Texture.x/Thumbs.db";
    WriteFile(thumbs, "t");
    ASSERT_TRUE(::SetFileAttributesA(thumbs.c_str(), kReadOnlyHiddenSystem));
    const std::string other = dir / "TEXTURE.X/thumbs.DB";
    EXPECT_TRUE(IsReadOnly(other));
    EXPECT_FALSE(WriteAll(other, "x"));
    EXPECT_FALSE(WriteAt(other, 0, "x"));
    EXPECT_FALSE(DeleteFile(other));
    EXPECT_EQ(ReadFile(thumbs), "t");
    EXPECT_TRUE(ClearAttributes(other));
    EXPECT_EQ(Attributes(thumbs) & kReadOnlyHiddenSystem, 0u);
    EXPECT_FALSE(IsReadOnly(other));
    EXPECT_TRUE(DeleteFile(other));
}

TEST(Attributes, AReplacedFileKeepsItsHiddenAttribute) {
    TempDir dir;
    const std::string cfg = dir / "Aircraft.cfg";
    WriteFile(cfg, "old");
    ASSERT_TRUE(::SetFileAttributesA(cfg.c_str(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_TRUE(WriteAll(dir / "AIRCRAFT.CFG", "new"));
    EXPECT_EQ(ReadFile(cfg), "new");
    EXPECT_NE(Attributes(cfg) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

// Windows itself refuses to replace a read-only file; we do it when told to.
TEST(Attributes, AReadOnlyTargetIsReplacedOnlyWithOverwrite) {
    using Operation = std::function<bool(std::string_view, std::string_view, Overwrite)>;
    const struct {
        const char* name;
        Operation operation;
    } cases[] = {
        {"CopyFile", [](auto from, auto to, Overwrite o) { return CopyFile(from, to, o); }},
        {"MoveFile", [](auto from, auto to, Overwrite o) { return MoveFile(from, to, o); }},
    };
    for (const auto& c : cases) {
        TempDir dir;
        WriteFile(dir / "TempBitmaps/x.bmp", "new");
        const std::string target = dir / "Texture/x.bmp";
        WriteFile(target, "old");
        ASSERT_TRUE(::SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY));
        EXPECT_FALSE(c.operation(dir / "tempbitmaps/X.BMP", dir / "TEXTURE/X.bmp", Overwrite::No)) << c.name;
        EXPECT_EQ(ReadFile(target), "old") << c.name;
        EXPECT_TRUE(IsReadOnly(target)) << c.name;
        EXPECT_TRUE(c.operation(dir / "tempbitmaps/X.BMP", dir / "TEXTURE/X.bmp", Overwrite::Yes)) << c.name;
        EXPECT_EQ(ReadFile(target), "new") << c.name;
    }
}

TEST(Devices, AreNeitherReadNorWrittenAsFiles) {
    TempDir dir;
    EXPECT_EQ(ReadAll("NUL"), std::nullopt);
    EXPECT_EQ(ReadAll(dir / "Folder/NUL"), std::nullopt);
    EXPECT_FALSE(WriteAt("NUL", 0, "x"));
    EXPECT_FALSE(FileExists("NUL"));
    std::FILE* nul = std::fopen("NUL", "w");
    ASSERT_NE(nul, nullptr);
    EXPECT_FALSE(IsTerminal(nul));
    std::fclose(nul);
}

}  // namespace
}  // namespace decalia::fs
