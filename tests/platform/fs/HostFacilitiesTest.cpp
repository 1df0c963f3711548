#include "platform/fs/FileStamp.h"
#include "platform/fs/Fs.h"
#include "platform/fs/Terminal.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace decalia::fs {
namespace {

using testsupport::TempDir;
using testsupport::WriteFile;

TEST(StampOf, TellsAReplacedFileFromTheOldOneEvenWithTheSameBytes) {
    TempDir dir;
    WriteFile(dir / "Texture/a.bmp", "12345");
    const auto before = StampOf(dir / "texture/A.BMP");
    ASSERT_TRUE(before.has_value());
    EXPECT_EQ(before->size, 5u);
    EXPECT_EQ(StampOf(dir / "texture/A.BMP"), before);
    ASSERT_TRUE(WriteAll(dir / "texture/A.BMP", "12345", Durability::Scratch));
    EXPECT_NE(StampOf(dir / "texture/A.BMP"), before);
    EXPECT_EQ(StampOf(dir / "Texture"), std::nullopt);
    EXPECT_EQ(StampOf(dir / "missing"), std::nullopt);
}

TEST(ExecutableFolder, HoldsTheRunningProgram) {
    const std::string folder = ExecutableFolder();
    ASSERT_TRUE(FolderExists(folder));
    EXPECT_FALSE(ListFiles(folder, "test_fs*").empty());
}

TEST(IsTerminal, NotForAFile) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    EXPECT_FALSE(IsTerminal(file));
    std::fclose(file);
}

}  // namespace
}  // namespace decalia::fs
