#include "platform/fs/CurrentFolderGuard.h"
#include "platform/fs/Fs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace decalia::fs {
namespace {

using testsupport::CurrentFolderGuard;
using testsupport::TempDir;
using testsupport::WriteFile;

TEST(Resolve, NormalisesDriveAndUncPathsLexically) {
    const struct {
        const char* given;
        const char* host;
    } cases[] = {
        {"C:\\Sim\\Objects\\..\\Air/planes\\.\\X\\", "C:\\Sim\\Air\\planes\\X"},
        {"c:/sim//objects/", "c:\\sim\\objects"},
        {"C:\\", "C:\\"},
        {"C:\\..\\..\\Sim", "C:\\Sim"},
        {"\\\\server\\share\\a\\..\\b", "\\\\server\\share\\b"},
        {"//server/share/", "\\\\server\\share\\"},
        {"\\\\server\\share\\..\\x", "\\\\server\\share\\x"},
    };
    for (const auto& c : cases) EXPECT_EQ(Resolve(c.given), c.host) << c.given;
}

TEST(Resolve, FindsFilesByAnyCaseAndEitherSeparator) {
    TempDir dir;
    WriteFile(dir / "SimObjects/Airplanes/Kestrel 200/Aircraft.cfg", "x");
    std::string mixed = dir.Str() + "/simobjects\\AIRPLANES/kestrel 200\\aircraft.CFG";
    mixed[0] = static_cast<char>(mixed[0] ^ 0x20);  // the drive letter's other case
    EXPECT_TRUE(FileExists(mixed));
    EXPECT_EQ(ReadAll(mixed), "x");
}

TEST(Resolve, TakesRelativePathsFromTheCurrentFolderAndDrive) {
    TempDir dir;
    WriteFile(dir / "Kestrelworks/Decalia/Media/a.bmp", "x");
    CurrentFolderGuard guard;
    ASSERT_TRUE(SetCurrentFolder(dir.Str() + "\\Kestrelworks"));
    EXPECT_EQ(Resolve("decalia\\media"), dir.Str() + "\\Kestrelworks\\decalia\\media");
    EXPECT_TRUE(FileExists("decalia/MEDIA/a.bmp"));
    EXPECT_EQ(Resolve("..\\kestrelworks"), dir.Str() + "\\kestrelworks");
    EXPECT_EQ(CurrentFolder(), dir.Str() + "\\Kestrelworks");
    // A path from the root stays on the current folder's drive.
    EXPECT_EQ(Resolve("\\Sim"), dir.Str().substr(0, 2) + "\\Sim");
}

}  // namespace
}  // namespace decalia::fs
