#include "platform/fs/Fs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace decalia::fs {
namespace {

using testsupport::TempDir;
using testsupport::WriteFile;
using Names = std::vector<std::string>;

// Host names are UTF-8; what has no Windows-1252 form shows '?'.
TEST(ListFiles, TranslatesUtf8HostNames) {
    TempDir dir;
    WriteFile(dir / "Caf\u00E9.bin", "x");
    WriteFile(dir / "\u0160koda.bin", "x");
    WriteFile(dir / "\u4E2D.bin", "x");
    EXPECT_EQ(ListFiles(dir.Str(), "*.BIN"), (Names{"?.bin", "Caf\xE9.bin", "\x8Akoda.bin"}));
    EXPECT_EQ(ProgramPathOf(dir / "Caf\u00E9.bin"), dir.Str() + "/Caf\xE9.bin");
    EXPECT_TRUE(std::filesystem::exists(Resolve(dir.Str() + "/CAF\xC9.BIN")));
}

}  // namespace
}  // namespace decalia::fs
