#include "platform/fs/Fs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace decalia::fs {
namespace {

using testsupport::TempDir;
using testsupport::WriteFile;
using Names = std::vector<std::string>;

TEST(ListFiles, MatchesThePatternWithoutRegardToCaseSortedByName) {
    TempDir dir;
    for (const char* name : {"b.bin", "A.BIN", "c.Bin", "a.bin.txt", "xbin", "_z.bin"}) {
        WriteFile(dir / (std::string("Aircraft Configurations/") + name), "x");
    }
    std::filesystem::create_directories(dir / "Aircraft Configurations/sub.bin");
    EXPECT_EQ(ListFiles(dir / "AIRCRAFT configurations", "*.bin"),
              (Names{"A.BIN", "b.bin", "c.Bin", "_z.bin"}));
    EXPECT_EQ(ListFiles(dir / "Aircraft Configurations", "?.BIN"),
              (Names{"A.BIN", "b.bin", "c.Bin"}));
}

TEST(ListFiles, StarDotStarListsEveryFile) {
    TempDir dir;
    for (const char* name : {"Thumbs.db", "README", "x.bmp"}) WriteFile(dir / name, "x");
    EXPECT_EQ(ListFiles(dir.Str(), "*.*"), (Names{"README", "Thumbs.db", "x.bmp"}));
    EXPECT_EQ(ListFiles(dir.Str(), "*"), (Names{"README", "Thumbs.db", "x.bmp"}));
    EXPECT_EQ(ListFiles(dir.Str(), "*.bmp"), (Names{"x.bmp"}));
}

TEST(ListFiles, GivesNothingForAMissingFolderOrAFile) {
    TempDir dir;
    WriteFile(dir / "x.bin", "x");
    EXPECT_TRUE(ListFiles(dir / "missing", "*.bin").empty());
    EXPECT_TRUE(ListFiles(dir / "x.bin", "*").empty());
}

TEST(ListFiles, GivesWindows1252NamesAsTheyWereWritten) {
    TempDir dir;
    ASSERT_TRUE(WriteAll(dir.Str() + "\\Caf\xE9.bin", "x"));
    EXPECT_EQ(ListFiles(dir.Str(), "*.BIN"), (Names{"Caf\xE9.bin"}));
    EXPECT_EQ(ReadAll(dir.Str() + "\\CAF\xC9.BIN"), "x");
}

}  // namespace
}  // namespace decalia::fs
