#include "platform/profile/Profile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace win {
namespace {

using testsupport::TempDir;
using testsupport::WriteFile;

// Reads a value the way the program's callers do: a 255-character buffer.
std::string Read(const ProfileText& text, std::string_view section, std::string_view key,
                 std::string_view fallback = "<none>") {
    std::array<char, 255> buffer{};
    const auto count = GetPrivateProfileStringA(section, key, fallback, buffer, text);
    return std::string(buffer.data(), count);
}

const ProfileText kSample(
    "; header comment\r\n"
    "orphan=before any section\r\n"
    "[General]\r\n"
    "Title = Kestrel 200 \r\n"
    "\tDescription\t=\t\"  quoted, kept inside  \"\r\n"
    "single='it''s'\r\n"
    "mismatched=\"abc'\r\n"
    "lone=\"\r\n"
    "empty=\r\n"
    ";Commented=1\r\n"
    "no equals sign here\r\n"
    "dup=first\r\n"
    "DUP=second\r\n"
    "inline=value ; not a comment\r\n"
    "[ Fltsim.0 ]\n"
    "title=lf only\n"
    "[general]\r\n"
    "Title=from the second section\r\n"
    "OnlyHere=never seen\r\n");

TEST(ProfileRead, ValuesOfTheSample) {
    struct Case {
        std::string_view section, key, expected;
    };
    const Case cases[] = {
        // Names match without regard to case or blanks.
        {"GENERAL", "title", "Kestrel 200"},
        {" general ", " TITLE ", "Kestrel 200"},
        {"fltsim.0", "Title", "lf only"},
        // One pair of matching quotes goes; nothing else is taken off.
        {"General", "Description", "  quoted, kept inside  "},
        {"General", "single", "it''s"},
        {"General", "mismatched", "\"abc'"},
        {"General", "lone", "\""},
        {"General", "inline", "value ; not a comment"},
        // The first of duplicate keys and sections wins.
        {"General", "dup", "first"},
        {"General", "OnlyHere", "<none>"},
        // Comments, stray lines and missing names give the default.
        {"General", "Commented", "<none>"},
        {"General", ";Commented", "<none>"},
        {"General", "no equals sign here", "<none>"},
        {"", "orphan", "<none>"},
        {"Missing", "Title", "<none>"},
        {"General", "empty", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Read(kSample, c.section, c.key), c.expected) << c.section << " / " << c.key;
    }
    EXPECT_EQ(Read(ProfileText(), "General", "Title", " "), " ");
}

TEST(ProfileRead, LineEndsAndSectionHeaders) {
    struct Case {
        std::string_view text, section, key, expected;
    };
    const Case cases[] = {
        // A lone CR ends a line, alone or among the other line ends.
        {"[Sec]\rKey=Value\rLast=End\r", "Sec", "Key", "Value"},
        {"[Sec]\rKey=Value\rLast=End\r", "Sec", "Last", "End"},
        {"[a]\rk=1\r\n[b]\nk=2\r", "b", "k", "2"},
        {"[a]\r\r\nk=1", "a", "k", "1"},
        // A header's name runs to the last ']'.
        {"[A]B]\rk=v", "A]B", "k", "v"},
        {"[A]B]\rk=v", "A", "k", "<none>"},
        // Without a ']' a line is no header: the section before it goes on.
        {"[a]\r\n[broken\r\nafter=2", "a", "after", "2"},
        {"[a]\r\n[broken\r\nafter=2", "broken", "after", "<none>"},
        {"[a]\r\n[half=3\r\n", "a", "[half", "3"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Read(ProfileText(c.text), c.section, c.key), c.expected)
            << c.text << " / " << c.section << " / " << c.key;
    }
}

TEST(ProfileRead, ADefaultLosesTrailingSpacesButNeverItsFirstCharacter) {
    struct Case {
        std::string_view fallback, expected;
    };
    for (const Case& c :
         {Case{"  ", " "}, Case{" ", " "}, Case{"x ", "x"}, Case{" x  ", " x"}, Case{"", ""}}) {
        EXPECT_EQ(Read(kSample, "General", "missing", c.fallback), c.expected)
            << "[" << c.fallback << "]";
    }
}

TEST(ProfileRead, CutsToTheBufferAndTerminates) {
    const std::string longValue(300, 'v');
    const ProfileText text("[s]\r\nk=" + longValue + "\r\n");
    std::array<char, 255> small{};
    small.fill('#');
    EXPECT_EQ(GetPrivateProfileStringA("s", "k", " ", small, text), 254u);
    EXPECT_EQ(std::string(small.data(), 254), longValue.substr(0, 254));
    EXPECT_EQ(small[254], '\0');
    std::array<char, 512> large{};
    EXPECT_EQ(GetPrivateProfileStringA("s", "k", " ", large, text), 300u);
    EXPECT_EQ(std::string(large.data()), longValue);
    std::array<char, 4> tiny{};
    EXPECT_EQ(GetPrivateProfileStringA("s", "missing", "default", tiny, text), 3u);
    EXPECT_EQ(std::string(tiny.data()), "def");
    EXPECT_EQ(GetPrivateProfileStringA("s", "k", "", std::span<char>(), text), 0u);
}

std::int32_t ReadInt(std::string_view value, std::int32_t fallback = -99) {
    return GetPrivateProfileIntA("s", "k", fallback, ProfileText("[s]\nk=" + std::string(value)));
}

TEST(ProfileRead, IntegersStopAtTheFirstOtherCharacterAndWrapAt32Bits) {
    struct Case {
        std::string_view value;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"12abc", 12},     {"  42  ", 42},  {"-5", -5},        {"+7", 7},
        {"'-7'", -7},      {"\" 12\"", 12}, {"' \t-3x'", -3},   {"0x1F", 31},
        {"0x1fz", 31},     {"-0x10", -16},  {"0X1F", 0},       {"1 2", 1},
        {"0o17", 15},      {"0b1012", 5},   {"-0b11", -3},     {"0B11", 0},
        {"abc", 0},        {"", 0},         {"0xFFFFFFFF", -1}, {"4294967297", 1},
        {"2147483647", std::numeric_limits<std::int32_t>::max()},
        {"2147483648", std::numeric_limits<std::int32_t>::min()},
        {"-2147483649", std::numeric_limits<std::int32_t>::max()},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadInt(c.value), c.expected) << c.value;
    EXPECT_EQ(GetPrivateProfileIntA("s", "other", -99, ProfileText("[s]\nk=1")), -99);
}

TEST(ProfileRead, ReadsFilesAndTreatsAMissingFileAsEmpty) {
    TempDir dir;
    WriteFile(dir / "Plane/Aircraft.cfg", "[fltsim.0]\r\ntitle=On disk\r\nvolume=3\r\n");
    const std::string path = dir.Str() + "\\PLANE\\aircraft.cfg";
    std::array<char, 255> buffer{};
    EXPECT_EQ(GetPrivateProfileStringA("FLTSIM.0", "TITLE", "", buffer, path), 7u);
    EXPECT_EQ(std::string(buffer.data()), "On disk");
    EXPECT_EQ(GetPrivateProfileIntA("fltsim.0", "volume", 0, path), 3);
    EXPECT_EQ(GetPrivateProfileIntA("fltsim.0", "volume", 5, dir / "missing.cfg"), 5);
    EXPECT_EQ(GetPrivateProfileStringA("a", "b", "d", buffer, dir / "missing.cfg"), 1u);
    EXPECT_EQ(GetPrivateProfileIntA("a", "b", 5, dir.Str()), 5);  // a folder reads as empty
    std::string value;
    EXPECT_TRUE(ProfileText::FromFile(path).Lookup("Fltsim.0", "Title", value));
    EXPECT_EQ(value, "On disk");
}

TEST(ProfileRead, SurvivesBinaryNoise) {
    std::string noise;
    for (std::uint32_t x = 1; noise.size() < 100000;) {
        x = x * 1103515245u + 12345u;
        noise.push_back(static_cast<char>(x >> 24));
    }
    const ProfileText text(noise + "\n[s]\nk=found");
    EXPECT_EQ(Read(text, "s", "k"), "found");
}

}  // namespace
}  // namespace win
