#include "platform/fs/Fs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace decalia::fs {
namespace {

using testsupport::TempDir;
using testsupport::WriteFile;
using Names = std::vector<std::string>;

// Host names are the program's own bytes: Windows-1252 reaches the system as
// the characters it stands for, and what has no Windows-1252 form shows '?'.
TEST(ListFiles, PassesWindows1252NamesThroughTheAnsiCodePage) {
    TempDir dir;
    WriteFile(dir.Path() / L"\u0160koda.bin", "x");
    WriteFile(dir.Path() / L"\u4E2D.bin", "x");
    ASSERT_TRUE(WriteAll(dir.Str() + "\\Caf\xE9.bin", "x"));
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / L"Caf\u00E9.bin"));
    EXPECT_EQ(ListFiles(dir.Str(), "*.BIN"), (Names{"?.bin", "Caf\xE9.bin", "\x8Akoda.bin"}));
    EXPECT_EQ(ProgramPathOf(Resolve(dir.Str() + "\\Caf\xE9.bin")), dir.Str() + "\\Caf\xE9.bin");
}

}  // namespace
}  // namespace decalia::fs
