#include "platform/fs/CurrentFolderGuard.h"
#include "platform/fs/Fs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace decalia::fs {
namespace {

using testsupport::CurrentFolderGuard;
using testsupport::TempDir;
using testsupport::WriteFile;

TEST(Resolve, MatchesExistingComponentsWithoutRegardToCase) {
    TempDir dir;
    WriteFile(dir / "SimObjects/Airplanes/Kestrel 200/Aircraft.cfg", "x");
    EXPECT_EQ(Resolve(dir.Str() + "\\simobjects\\AIRPLANES\\kestrel 200\\aircraft.CFG"),
              dir / "SimObjects/Airplanes/Kestrel 200/Aircraft.cfg");
    EXPECT_EQ(Resolve(dir.Str() + "/SIMOBJECTS//Airplanes/"), dir / "SimObjects/Airplanes");
}

TEST(Resolve, PrefersTheExactNameThenTheFirstInNameOrder) {
    TempDir dir;
    std::filesystem::create_directories(dir / "model.b");
    std::filesystem::create_directories(dir / "Model.B");
    std::filesystem::create_directories(dir / "MODEL.B");
    EXPECT_EQ(Resolve(dir.Str() + "/Model.B"), dir / "Model.B");
    EXPECT_EQ(Resolve(dir.Str() + "/model.b"), dir / "model.b");
    EXPECT_EQ(Resolve(dir.Str() + "/mODEL.b"), dir / "MODEL.B");
}

TEST(Resolve, MissingComponentsKeepTheCaseGiven) {
    TempDir dir;
    std::filesystem::create_directories(dir / "Airplanes/a");
    // Beyond a missing folder nothing is searched, even a name that exists elsewhere.
    EXPECT_EQ(Resolve(dir.Str() + "\\AIRPLANES\\Texture.ABC\\A"),
              dir / "Airplanes/Texture.ABC/A");
}

TEST(Resolve, NormalisesDotsLexically) {
    TempDir dir;
    std::filesystem::create_directories(dir / "App/Data");
    std::filesystem::create_directories(dir / "SimObjects");
    EXPECT_EQ(Resolve(dir.Str() + "\\app\\data\\..\\..\\.\\simobjects\\new"),
              dir / "SimObjects/new");
    // ".." above a missing folder still removes it, as Windows does.
    EXPECT_EQ(Resolve(dir.Str() + "/Missing/../APP"), dir / "App");
    EXPECT_EQ(Resolve("/../../" + dir.Str().substr(1)), dir.Str());
    EXPECT_EQ(Resolve("\\.."), "/");
}

TEST(Resolve, TakesRelativePathsFromTheCurrentFolder) {
    TempDir dir;
    std::filesystem::create_directories(dir / "Kestrelworks/Decalia");
    CurrentFolderGuard guard;
    ASSERT_TRUE(SetCurrentFolder(dir.Str() + "/KESTRELWORKS"));
    EXPECT_EQ(Resolve("decalia\\media"), dir / "Kestrelworks/Decalia/media");
    EXPECT_EQ(Resolve("..\\kestrelworks"), dir / "Kestrelworks");
    EXPECT_EQ(CurrentFolder(), dir / "Kestrelworks");
    EXPECT_EQ(Resolve(""), "");
}

TEST(Resolve, MatchesWindows1252NamesAgainstUtf8HostNames) {
    TempDir dir;
    std::filesystem::create_directories(dir / "\u00C9t\u00E9/\u0160koda");
    // The program spells names in Windows-1252 and in any case.
    EXPECT_EQ(Resolve(dir.Str() + "/\xE9T\xC9/\x9A" "KODA"),
              dir / "\u00C9t\u00E9/\u0160koda");
    EXPECT_EQ(Resolve(dir.Str() + "/\xE9T\xC9/Caf\xE9"), dir / "\u00C9t\u00E9/Caf\u00E9");
}

}  // namespace
}  // namespace decalia::fs
