#include "config/LoadAircraftConfig.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "config/clsEncrypt.h"
#include "platform/profile/Profile.h"
#include "support/Configurations.h"
#include "support/TempDir.h"

namespace decalia::config {
namespace {

using testsupport::TempDir;

AircraftConfiguration Read(const std::string& ini,
                           SheetFormatChoice format = SheetFormatChoice::Uncompressed32NormalMap) {
    ExtraTextures textures;
    ExtraFields fields;
    return ReadAircraftConfiguration(win::ProfileText(ini), format, textures, fields);
}

std::vector<std::string> FolderContents(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReadAircraftConfiguration, ReadsEveryTextureSectionAndOffset) {
    std::string ini = testsupport::MinimalConfigurationIni("Kite", 12);
    ini += "[Texture.03]\r\nSection.03.TemplateLeft=77\r\nNumSectionsOnTexture=4\r\n"
           "NumMdlOffsets=2\r\nOffset.00=1025\r\nOffset.01=-7\r\n";
    const auto c = Read(ini);
    ASSERT_EQ(c.NumTextures, 12);
    ASSERT_EQ(c.Textures.size(), 12u);
    EXPECT_EQ(c.Textures[11].ViewName, "Sheet 11");
    // The first of two [Texture.03] sections wins, so its single section stays.
    EXPECT_EQ(c.Textures[3].NumSectionsOnTexture, 1);

    const auto second = Read("[Main]\r\nNumTextures=1\r\n[Texture.00]\r\nNumSectionsOnTexture=4\r\n"
                             "Section.03.TemplateLeft=77\r\nSection.03.DestBottom=9\r\n"
                             "NumMdlOffsets=2\r\nOffset.00=1025\r\nOffset.01=-7\r\n");
    const auto& sheet = second.Textures.at(0);
    ASSERT_EQ(sheet.Sections.size(), 4u);
    EXPECT_EQ(sheet.Sections[3].TemplateLeft, 77);
    EXPECT_EQ(sheet.Sections[3].DestBottom, 9);
    EXPECT_EQ(sheet.Sections[0].TemplateLeft, 0);
    EXPECT_EQ(sheet.MdlOffsets, (std::vector<std::int32_t>{1025, -7}));
}

TEST(ReadAircraftConfiguration, SheetFormatComesFromTheChoiceNotTheFile) {
    const std::string ini = "[Main]\r\nNumTextures=2\r\n[Texture.00]\r\nTextureFormat=DXT1\r\n";
    for (const auto& t : Read(ini, SheetFormatChoice::Dxt3NormalMap).Textures)
        EXPECT_EQ(t.TextureFormat, "DXT3NM");
    for (const auto& t : Read(ini, SheetFormatChoice::Uncompressed32NormalMap).Textures)
        EXPECT_EQ(t.TextureFormat, "32ANM");
}

TEST(ReadAircraftConfiguration, TextsAreTrimmedAndCutToTheirWidths) {
    const auto c = Read("[Main]\r\nDataPath=  ABCDEFGHIJKLMNOPQRSTUVWXYZ  \r\nAircraftTail= N123AB \r\n"
                        "Manufacturer=" + std::string(150, 'm') + "\r\nDescription=" +
                        std::string(600, 'd') + "\r\n");
    EXPECT_EQ(c.DataPath, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(c.AircraftTail, "N123AB");
    EXPECT_EQ(c.Manufacturer, std::string(100, 'm'));
    EXPECT_EQ(c.Description, std::string(511, 'd'));
    EXPECT_EQ(PadToWidth("KW12", 10), "KW12      ");
}

TEST(ReadAircraftConfiguration, OutOfRangeIntegersAndBadCountsLeaveFieldsAndListsEmpty) {
    const auto c = Read("[Main]\r\nTemplateSizeX=40000\r\nTemplateSizeY=-32768\r\nNumTextures=-3\r\n"
                        "UseAlpha=1\r\n");
    EXPECT_EQ(c.TemplateSizeX, 0);
    EXPECT_EQ(c.TemplateSizeY, -32768);
    EXPECT_EQ(c.UseAlpha, 1);
    EXPECT_TRUE(c.Textures.empty());

    const auto zero = Read("[Main]\r\nNumTextures=1\r\n[Texture.00]\r\nNumSectionsOnTexture=0\r\n"
                           "NumMdlOffsets=-1\r\n");
    EXPECT_TRUE(zero.Textures.at(0).Sections.empty());
    EXPECT_TRUE(zero.Textures.at(0).MdlOffsets.empty());
}

TEST(ReadAircraftConfiguration, CompanionListsSurviveAReadWhoseCopyFlagIsOff) {
    ExtraTextures textures;
    ExtraFields fields;
    ReadAircraftConfiguration(
        win::ProfileText("[ExtraFields]\r\nCopyExtraFields=1\r\nNumFields=2\r\nExtraField.00=a\r\n"
                         "ExtraFieldDefault.00=1\r\nExtraField.01=b\r\n"
                         "[ExtraTextures]\r\nCopyExtraTextures=1\r\nNumTextures=1\r\n"
                         "BaseTextureFolder=Texture\r\nExtraTexture.00=panel.bmp\r\n"),
        SheetFormatChoice::Uncompressed32NormalMap, textures, fields);
    EXPECT_EQ(fields.ExtraField, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(fields.ExtraFieldDefault, (std::vector<std::string>{"1", ""}));
    EXPECT_EQ(textures.ExtraTexture, (std::vector<std::string>{"panel.bmp"}));

    ReadAircraftConfiguration(
        win::ProfileText("[ExtraFields]\r\nCopyExtraFields=0\r\nNumFields=5\r\n"
                         "[ExtraTextures]\r\nCopyExtraTextures=1\r\nNumTextures=70000\r\n"),
        SheetFormatChoice::Uncompressed32NormalMap, textures, fields);
    EXPECT_EQ(fields.CopyExtraFields, 0);
    EXPECT_EQ(fields.NumFields, 5);
    EXPECT_EQ(fields.ExtraField.size(), 2u);
    // 70000 does not fit: the count keeps its earlier 1, so with the flag on the
    // list is read again, from a file that has no such key.
    EXPECT_EQ(textures.NumExtraTextures, 1);
    EXPECT_EQ(textures.ExtraTexture, (std::vector<std::string>{""}));
    EXPECT_TRUE(textures.BaseTextureFolder.empty());
}

TEST(ReadAircraftConfiguration, OnlyACopyFlagOfOneFillsTheCompanionLists) {
    for (const char* flag : {"2", "-1", "0"}) {
        SCOPED_TRACE(flag);
        ExtraTextures textures;
        ExtraFields fields;
        const std::string f(flag);
        ReadAircraftConfiguration(
            win::ProfileText("[ExtraFields]\r\nCopyExtraFields=" + f + "\r\nNumFields=1\r\n"
                             "ExtraField.00=a\r\nExtraFieldDefault.00=1\r\n"
                             "[ExtraTextures]\r\nCopyExtraTextures=" + f + "\r\nNumTextures=1\r\n"
                             "ExtraTexture.00=panel.bmp\r\n"),
            SheetFormatChoice::Uncompressed32NormalMap, textures, fields);
        EXPECT_TRUE(fields.ExtraField.empty());
        EXPECT_TRUE(fields.ExtraFieldDefault.empty());
        EXPECT_TRUE(textures.ExtraTexture.empty());
    }
}

TEST(ReadAircraftConfiguration, HostileCountsAreCappedAndCountsMatchTheirLists) {
    std::string ini = "[Main]\r\nNumTextures=32767\r\n";
    for (int i = 0; i < 40; ++i)
        ini += "[Texture." + std::to_string(10 + i) + "]\r\nNumSectionsOnTexture=32767\r\n";
    const auto c = Read(ini);
    std::size_t total = 0;
    for (const auto& t : c.Textures) {
        EXPECT_EQ(static_cast<std::size_t>(t.NumSectionsOnTexture), t.Sections.size());
        total += t.Sections.size();
    }
    EXPECT_EQ(total, kMaxConfigurationItems);
}

TEST(ReadAircraftConfiguration, DecryptsInMemoryAndLeavesNoPlainCopy) {
    TempDir dir;
    const auto bin = dir.Path() / "Kite.bin";
    testsupport::WriteEncryptedConfiguration(bin, "[Main]\r\nAircraftDisplayName=Kite\r\n"
                                                  "AircraftTail=N123AB\r\n");
    ExtraTextures textures;
    ExtraFields fields;
    const auto c = ReadAircraftConfiguration("  " + bin.string() + "  ",
                                             SheetFormatChoice::Dxt3NormalMap, textures, fields);
    EXPECT_EQ(c.AircraftDisplayName, "Kite");
    EXPECT_EQ(c.AircraftTail, "N123AB");
    EXPECT_EQ(FolderContents(dir.Path()), std::vector<std::string>{"Kite.bin"});
}

TEST(ReadAircraftConfiguration, FilesThatAreNotConfigurationsReadAsEmpty) {
    TempDir dir;
    std::mt19937 random(7);
    std::string noise(4096, '\0');
    for (auto& c : noise) c = static_cast<char>(random());
    std::string encrypted = "[Main]\r\nAircraftDisplayName=Kite\r\nNumTextures=3\r\n";
    clsEncrypt cipher;
    cipher.EncryptByte(encrypted, kProgramKey);

    const std::vector<std::pair<std::string, std::string>> files = {
        {"empty.bin", ""},
        {"seven.bin", "1234567"},
        {"noise.bin", noise},
        {"odd.bin", noise.substr(0, 4093)},
        {"truncated.bin", encrypted.substr(0, encrypted.size() - 8)},
        {"large.bin", std::string(50u << 20, 'Z')},
    };
    for (const auto& [name, bytes] : files) {
        testsupport::WriteFile(dir.Path() / name, bytes);
        ExtraTextures textures;
        ExtraFields fields;
        const auto c = ReadAircraftConfiguration(dir / name, SheetFormatChoice::Dxt3NormalMap,
                                                 textures, fields);
        EXPECT_EQ(c.AircraftDisplayName, "") << name;
        EXPECT_TRUE(c.Textures.empty()) << name;
    }
    testsupport::WriteEncryptedConfiguration(dir.Path() / "otherkey.bin", "[Main]\r\nNumTextures=2\r\n",
                                             "another key");
    ExtraTextures textures;
    ExtraFields fields;
    EXPECT_EQ(ReadAircraftConfiguration(dir / "otherkey.bin", SheetFormatChoice::Dxt3NormalMap,
                                        textures, fields)
                  .NumTextures,
              0);
    EXPECT_EQ(ReadAircraftConfiguration(dir / "missing.bin", SheetFormatChoice::Dxt3NormalMap,
                                        textures, fields)
                  .NumTextures,
              0);
}

}  // namespace
}  // namespace decalia::config
