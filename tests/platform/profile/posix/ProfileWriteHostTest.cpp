// Write failures and file modes that only a POSIX host lets a test stage.
#include "platform/fs/posix/FileSizeLimit.h"
#include "platform/profile/Profile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace win {
namespace {

namespace stdfs = std::filesystem;

const std::string kText = "[General]\r\nk=old\r\n";

TEST(ProfileWriteOnPosix, KeepsTheFileMode) {
    testsupport::TempDir dir;
    const std::string file = dir / "Aircraft.cfg";
    testsupport::WriteFile(file, kText);
    stdfs::permissions(file, stdfs::perms(0640));
    EXPECT_TRUE(WritePrivateProfileStringA("General", "k", "v", file));
    EXPECT_EQ(stdfs::status(file).permissions(), stdfs::perms(0640));
}

TEST(ProfileWriteOnPosix, AFullDeviceOrFileSizeLimitLeavesTheFileAsItWas) {
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "v", "/dev/full"));
    EXPECT_TRUE(stdfs::is_character_file("/dev/full"));

    testsupport::TempDir dir;
    const std::string file = dir / "Aircraft.cfg";
    testsupport::WriteFile(file, kText);
    {
        testsupport::FileSizeLimit limit(kText.size() + 4);
        EXPECT_FALSE(WritePrivateProfileStringA("General", "k", "a long value", file));
    }
    EXPECT_EQ(testsupport::ReadFile(file), kText);
    EXPECT_EQ(std::distance(stdfs::directory_iterator(dir.Path()), {}), 1);
}

}  // namespace
}  // namespace win
