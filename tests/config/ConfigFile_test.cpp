#include "config/ConfigFile.h"

#include <gtest/gtest.h>

#include "platform/profile/Profile.h"
#include "support/TempDir.h"

namespace decalia::config {
namespace {

using testsupport::TempDir;
using testsupport::WriteFile;

TEST(ConfigFile, MissingEntriesReadAsEmptyOrZeroFromFilesAndMemory) {
    TempDir dir;
    const std::string file = dir / "a.ini";
    WriteFile(file, "[Main]\r\nName=Kite\r\n");
    const win::ProfileText text("[Main]\r\nName=Kite\r\n");

    EXPECT_EQ(ReadProfileString("Main", "Missing", file), "");
    EXPECT_EQ(ReadProfileLongString("Main", "Missing", file), "");
    EXPECT_EQ(ReadProfileInt("Main", "Missing", file), 0);
    EXPECT_EQ(ReadProfileString("Other", "Name", file), "");
    EXPECT_EQ(ReadProfileString("Main", "Name", dir / "none.ini"), "");
    EXPECT_EQ(ReadProfileInt("Main", "Name", dir / "none.ini"), 0);
    EXPECT_EQ(ReadProfileString("Main", "Missing", text), "");
    EXPECT_EQ(ReadProfileInt("Main", "Missing", text), 0);
    EXPECT_EQ(ReadProfileString("main", "NAME", text), "Kite");
}

TEST(ConfigFile, ValuesComeBackTrimmedAndCutAtTheBufferSizes) {
    const std::string value300(300, 'x');
    const std::string value600(600, 'y');
    const win::ProfileText text("[Main]\r\nA=" + value300 + "\r\nB=" + value600 +
                                "\r\nBlank=    \r\nPadded=   two words   \r\n");
    EXPECT_EQ(ReadProfileString("Main", "A", text), std::string(254, 'x'));
    EXPECT_EQ(ReadProfileString("Main", "Blank", text), "");
    EXPECT_EQ(ReadProfileLongString("Main", "Padded", text), "two words");
    EXPECT_EQ(ReadProfileLongString("Main", "A", text), value300);
    EXPECT_EQ(ReadProfileLongString("Main", "B", text), std::string(511, 'y'));
}

TEST(ConfigFile, WritingCreatesTheFileAndReadsBack) {
    TempDir dir;
    const std::string file = dir / "Model.cfg";
    WriteProfileString("models", "normal", "KW350_ABC", file);
    WriteProfileString("Main", "Count", "42", file);
    EXPECT_EQ(ReadProfileString("models", "normal", file), "KW350_ABC");
    EXPECT_EQ(ReadProfileInt("main", "count", file), 42);
}

TEST(ConfigFile, AFailedWriteIsSilent) {
    TempDir dir;
    WriteFile(dir / "blocker", "a file where a folder should be");
    WriteProfileString("Main", "Key", "value", dir / "blocker/inside.ini");
    EXPECT_EQ(ReadProfileString("Main", "Key", dir / "blocker/inside.ini"), "");
}

}  // namespace
}  // namespace decalia::config
