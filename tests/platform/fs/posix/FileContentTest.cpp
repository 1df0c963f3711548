#include "platform/fs/Fs.h"
#include "platform/fs/posix/FileSizeLimit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

namespace decalia::fs {
namespace {

namespace stdfs = std::filesystem;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

TEST(ReadAll, NeverWaitsOnDevicesOrPipes) {
    TempDir dir;
    EXPECT_EQ(ReadAll("/dev/zero"), std::nullopt);  // endless: must not hang
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    EXPECT_EQ(ReadAll(dir / "fifo"), std::nullopt);  // no writer: must not block
}

TEST(WriteAll, KeepsTheModeOfTheFileItReplaces) {
    TempDir dir;
    WriteFile(dir / "Plane/New.cfg", "one");
    stdfs::permissions(dir / "Plane/New.cfg", stdfs::perms(0640));
    EXPECT_TRUE(WriteAll(dir / "PLANE/new.CFG", "two"));
    EXPECT_EQ(stdfs::status(dir / "Plane/New.cfg").permissions(), stdfs::perms(0640));
}

TEST(WriteAll, AFailedWriteLeavesTheOldContent) {
    TempDir dir;
    WriteFile(dir / "Aircraft.cfg", "precious");
    {
        testsupport::FileSizeLimit limit(4096);
        EXPECT_FALSE(WriteAll(dir / "aircraft.cfg", std::string(10000, 'x')));
    }
    EXPECT_EQ(ReadFile(dir / "Aircraft.cfg"), "precious");
    EXPECT_EQ(std::distance(stdfs::directory_iterator(dir.Path()), {}), 1);
    // A device is never swapped for a file, not even by root.
    EXPECT_FALSE(WriteAll("/dev/full", "x"));
    EXPECT_TRUE(stdfs::is_character_file("/dev/full"));
}

TEST(WriteAt, AFailedWriteLeavesTheFileAlone) {
    TempDir dir;
    WriteFile(dir / "small", "abc");
    EXPECT_FALSE(WriteAt("/dev/full", 0, "x"));
    {
        testsupport::FileSizeLimit limit(4096);
        EXPECT_FALSE(WriteAt(dir / "small", 5000, "x"));
    }
    EXPECT_EQ(ReadFile(dir / "small"), "abc");
}

}  // namespace
}  // namespace decalia::fs
