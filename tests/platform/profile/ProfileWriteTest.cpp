#include "platform/profile/Profile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

namespace win {
namespace {

namespace stdfs = std::filesystem;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

// A file whose every byte a write must keep: comments, blank lines with
// blanks, LF-only lines, a quoted value and a duplicate section.
const std::string kOriginal =
    "; Aircraft file, edited by hand  \r\n"
    "[General]\r\n"
    "performance=  fast \n"
    "\r\n"
    "[fltsim.0]\r\n"
    "  Title = Kestrel 200\r\n"
    "texture=\n"
    "\t\r\n"
    "; the next one is ours\r\n"
    "\r\n"
    "[FLTSIM.0]\r\n"
    "title=second section\r\n";

class ProfileWrite : public ::testing::Test {
protected:
    std::string Write(std::string_view section, std::string_view key, std::string_view value) {
        EXPECT_TRUE(WritePrivateProfileStringA(section, key, value, file_));
        return ReadFile(file_);
    }
    void Start(const std::string& content) { WriteFile(file_, content); }

    TempDir dir_;
    std::string file_ = dir_ / "Plane/Aircraft.cfg";
};

std::string ReplaceOnce(std::string text, std::string_view from, std::string_view to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

TEST_F(ProfileWrite, AMissingFileIsCreated) {
    stdfs::create_directories(dir_ / "Plane");
    EXPECT_EQ(Write("fltsim.0", "title", "New"), "[fltsim.0]\r\ntitle=New\r\n");
}

TEST_F(ProfileWrite, ChangesOnlyTheKeysOwnLine) {
    Start(kOriginal);
    // The key keeps its spelling and the line keeps its own line end.
    EXPECT_EQ(Write("FLTSIM.0", "title", "Kestrel 300"),
              ReplaceOnce(kOriginal, "  Title = Kestrel 200\r\n", "Title=Kestrel 300\r\n"));
    Start(kOriginal);
    EXPECT_EQ(Write("fltsim.0", "TEXTURE", "abc"),
              ReplaceOnce(kOriginal, "texture=\n", "texture=abc\n"));
}

TEST_F(ProfileWrite, AddsANewKeyAfterTheSectionsLastKey) {
    Start(kOriginal);
    EXPECT_EQ(Write("fltsim.0", "model", "ABC"),
              ReplaceOnce(kOriginal, "texture=\n", "texture=\nmodel=ABC\r\n"));
    Start("[a]\r\n\r\n[b]\r\n");
    EXPECT_EQ(Write("A", "k", "v"), "[a]\r\nk=v\r\n\r\n[b]\r\n");
    Start("[a]");
    EXPECT_EQ(Write("a", "k", "v"), "[a]\r\nk=v\r\n");
    Start("[a]\r\nx=1");
    EXPECT_EQ(Write("a", "k", "v"), "[a]\r\nx=1\r\nk=v\r\n");
}

TEST_F(ProfileWrite, AppendsANewSectionAtTheEnd) {
    Start(kOriginal);
    EXPECT_EQ(Write("fltsim.1", "title", "Repaint"),
              kOriginal + "[fltsim.1]\r\ntitle=Repaint\r\n");
    Start("[a]\nk=v");
    EXPECT_EQ(Write("b", "k", "v"), "[a]\nk=v\r\n[b]\r\nk=v\r\n");
}

TEST_F(ProfileWrite, AValueEndingInCrLfLeavesAnEmptyLine) {
    Start("[fltsim.0]\r\ntitle=A\r\n");
    EXPECT_EQ(Write("fltsim.1", "atc_id", "N123\r\n"),
              "[fltsim.0]\r\ntitle=A\r\n[fltsim.1]\r\natc_id=N123\r\n\r\n");
    std::array<char, 255> buffer{};
    EXPECT_EQ(GetPrivateProfileStringA("fltsim.1", "atc_id", "", buffer, file_), 4u);
}

TEST_F(ProfileWrite, FindsTheLinesAndSectionsTheReaderFinds) {
    struct Case {
        std::string start;
        std::string_view section, key;
        std::string expected;
    };
    const Case cases[] = {
        // A lone CR ends a line; a rewritten line keeps it.
        {"[Sec]\rKey=Value\rLast=End\r", "Sec", "key", "[Sec]\rKey=new\rLast=End\r"},
        {"[Sec]\rKey=Value\rLast=End\r", "Sec", "added",
         "[Sec]\rKey=Value\rLast=End\radded=new\r\n"},
        {"[Sec]\rKey=Value\r", "Other", "k", "[Sec]\rKey=Value\r[Other]\r\nk=new\r\n"},
        // A '[' line without ']' belongs to the section before it.
        {"[a]\r\nk=1\r\n[broken\r\nlast=2\r\n[b]\r\n", "a", "added",
         "[a]\r\nk=1\r\n[broken\r\nlast=2\r\nadded=new\r\n[b]\r\n"},
        {"[a]\r\n[broken\r\n", "broken", "k", "[a]\r\n[broken\r\n[broken]\r\nk=new\r\n"},
        // A header's name runs to the last ']'.
        {"[A]B]\r\nk=1\r\n", "a]b", "k", "[A]B]\r\nk=new\r\n"},
    };
    for (const Case& c : cases) {
        Start(c.start);
        EXPECT_EQ(Write(c.section, c.key, "new"), c.expected) << c.start;
        std::string value;
        EXPECT_TRUE(ProfileText::FromFile(file_).Lookup(c.section, c.key, value)) << c.start;
        EXPECT_EQ(value, "new");
    }
}

TEST_F(ProfileWrite, WhatIsWrittenReadsBack) {
    Start(kOriginal);
    EXPECT_TRUE(WritePrivateProfileStringA("General", "performance", "slow", file_));
    EXPECT_TRUE(WritePrivateProfileStringA("fltsim.0", "ui_variation", " Blue ", file_));
    const auto text = ProfileText::FromFile(file_);
    std::string value;
    EXPECT_TRUE(text.Lookup("general", "PERFORMANCE", value));
    EXPECT_EQ(value, "slow");
    EXPECT_TRUE(text.Lookup("fltsim.0", "ui_variation", value));
    EXPECT_EQ(value, "Blue");
}

TEST_F(ProfileWrite, FailuresLeaveTheFileAsItWas) {
    Start(kOriginal);
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "v", file_ + "/under"));
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "v", dir_ / "Missing/Aircraft.cfg"));
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "v", dir_ / "Plane"));
    EXPECT_TRUE(stdfs::is_directory(dir_ / "Plane"));

    stdfs::permissions(file_, stdfs::perms::owner_read);
    EXPECT_FALSE(WritePrivateProfileStringA("General", "k", "v", file_));
    stdfs::permissions(file_, stdfs::perms::owner_all);
    EXPECT_EQ(ReadFile(file_), kOriginal);
    EXPECT_EQ(std::distance(stdfs::directory_iterator(dir_ / "Plane"), {}), 1);
}

TEST_F(ProfileWrite, AFileTooLargeToReadIsNeverRewritten) {
    Start("[s]\r\n");
    stdfs::resize_file(file_, 100ull << 20);
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "v", file_));
    EXPECT_EQ(stdfs::file_size(file_), 100ull << 20);
}

}  // namespace
}  // namespace win
