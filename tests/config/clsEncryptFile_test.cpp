#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "config/clsEncrypt.h"
#include "support/TempDir.h"

namespace decalia::config {
namespace {

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

constexpr std::string_view kPlain = "[Main]\r\nAircraftDisplayName=Demo\r\n";

class clsEncryptFileTest : public ::testing::Test {
protected:
    std::string Sealed(std::string_view name) {
        const std::string path = dir_ / name;
        WriteFile(dir_ / "source.ini", kPlain);
        EXPECT_TRUE(clsEncrypt().EncryptFile(dir_ / "source.ini", path, true, kProgramKey));
        return path;
    }

    TempDir dir_;
};

TEST_F(clsEncryptFileTest, EncryptedFileDecryptsToTheOriginal) {
    const std::string sealed = Sealed("demo.bin");
    const auto size = std::filesystem::file_size(sealed);
    EXPECT_EQ(size % 8, 0u);
    EXPECT_GE(size, kPlain.size() + 12);
    EXPECT_LE(size, kPlain.size() + 19);

    clsEncrypt cipher;
    cipher.Key(kProgramKey);
    ASSERT_TRUE(cipher.DecryptFile(sealed, dir_ / "plain.ini", false));
    EXPECT_EQ(ReadFile(dir_ / "plain.ini"), kPlain);
    EXPECT_EQ(clsEncrypt().DecryptFileToMemory(sealed, kProgramKey), std::string(kPlain));
}

TEST_F(clsEncryptFileTest, MissingOrEmptyInputWritesNothing) {
    clsEncrypt cipher;
    EXPECT_FALSE(cipher.EncryptFile(dir_ / "missing.ini", dir_ / "out.bin", true));
    EXPECT_FALSE(cipher.DecryptFile(dir_ / "missing.bin", dir_ / "out.ini", true));
    EXPECT_FALSE(cipher.DecryptFileToMemory(dir_ / "missing.bin"));
    WriteFile(dir_ / "empty", "");
    EXPECT_FALSE(cipher.EncryptFile(dir_ / "empty", dir_ / "out.bin", true));
    EXPECT_FALSE(cipher.DecryptFile(dir_ / "empty", dir_ / "out.ini", true));
    EXPECT_FALSE(cipher.DecryptFileToMemory(dir_ / "empty"));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "out.bin"));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "out.ini"));
}

TEST_F(clsEncryptFileTest, ExistingOutputIsReplacedOnlyWhenAllowed) {
    const std::string sealed = Sealed("demo.bin");
    WriteFile(dir_ / "plain.ini", "keep me");
    clsEncrypt cipher;
    EXPECT_FALSE(cipher.DecryptFile(sealed, dir_ / "plain.ini", false, kProgramKey));
    EXPECT_EQ(ReadFile(dir_ / "plain.ini"), "keep me");
    EXPECT_TRUE(cipher.DecryptFile(sealed, dir_ / "plain.ini", true));
    EXPECT_EQ(ReadFile(dir_ / "plain.ini"), kPlain);
}

TEST_F(clsEncryptFileTest, FailedDecryptionWritesNothing) {
    const std::string sealed = Sealed("demo.bin");
    clsEncrypt cipher;
    EXPECT_FALSE(cipher.DecryptFile(sealed, dir_ / "plain.ini", true, "wrong key"));
    EXPECT_EQ(cipher.LastError(), kSizeDescriptorError);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "plain.ini"));

    WriteFile(dir_ / "previous.ini", "previous");
    EXPECT_FALSE(cipher.DecryptFile(sealed, dir_ / "previous.ini", true));
    EXPECT_EQ(ReadFile(dir_ / "previous.ini"), "previous");
    EXPECT_FALSE(cipher.DecryptFileToMemory(sealed));

    WriteFile(dir_ / "odd.bin", "seven b");
    EXPECT_FALSE(cipher.DecryptFile(dir_ / "odd.bin", dir_ / "odd.ini", true));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "odd.ini"));
}

TEST_F(clsEncryptFileTest, HugeFileIsRefusedUnread) {
    const std::string huge = dir_ / "huge.bin";
    WriteFile(huge, "");
    std::filesystem::resize_file(huge, kMaxCipherFileBytes + 8);  // sparse: costs no disk
    clsEncrypt cipher;
    EXPECT_FALSE(cipher.DecryptFileToMemory(huge));
    EXPECT_FALSE(cipher.DecryptFile(huge, dir_ / "huge.ini", true));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "huge.ini"));
}

}  // namespace
}  // namespace decalia::config
