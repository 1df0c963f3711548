// The profile stand-in against kernel32's profile functions, on real files.

#include "KnownWineDifference.h"
#include "RealWindows.h"
#include "platform/profile/Profile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

struct ReadCase {
    const char* name;
    std::string_view text;
    std::string_view section;
    std::string_view key;
    std::string_view defaultValue = "<default>";
    std::uint32_t bufferSize = 256;
    const char* wineDiffers = nullptr;
};

std::ostream& operator<<(std::ostream& out, const ReadCase& c) {
    return out << c.name;
}

class ProfileReadReal : public ::testing::TestWithParam<ReadCase> {
protected:
    TempDir dir_;
};

TEST_P(ProfileReadReal, StringMatchesKernel32) {
    const ReadCase& c = GetParam();
    SKIP_WHERE_WINE_DIFFERS(c.wineDiffers);
    const std::string file = dir_ / "case.ini";
    WriteFile(file, c.text);
    std::vector<char> buffer(c.bufferSize, '\x7f');
    const std::uint32_t count =
        win::GetPrivateProfileStringA(c.section, c.key, c.defaultValue, buffer, file);
    const std::string ours = c.bufferSize > 0 ? std::string(buffer.data()) : std::string();
    const auto real = realwin::ProfileReadString(std::string(c.section), std::string(c.key),
                                                 std::string(c.defaultValue), c.bufferSize, file);
    EXPECT_EQ(ours, real.value);
    EXPECT_EQ(count, real.count);
}

// Every case reads one key of a small file; the names say what the file holds.
const ReadCase kReadCases[] = {
    {"LfLines", "[s]\nfirst=1\nk=lf\n", "s", "k"},
    {"CrLfLines", "[s]\r\nfirst=1\r\nk=crlf\r\n", "s", "k"},
    {"LoneCrLines", "[s]\rfirst=1\rk=cr\r", "s", "k"},
    {"MixedLineEnds", "[a]\r\nx=1\n[s]\rk=mixed\r\nlast=2", "s", "k"},
    {"LastLineWithoutEnd", "[s]\r\nk=end", "s", "k"},
    {"BlankLineWithCrOnly", "[s]\r\r\nk=after", "s", "k"},
    {"NamesIgnoreCase", "[SeCtIoN]\r\nKeY=case\r\n", "section", "KEY"},
    {"BlanksAroundEverything", "  [ s ]  \r\n\t k \t=\t two words \t\r\n", "s", "k"},
    {"BlanksInTheQuery", "[s]\r\nk=v\r\n", " s ", " k "},
    {"DoubleQuotes", "[s]\r\nk=\" inside \"\r\n", "s", "k"},
    {"SingleQuotes", "[s]\r\nk='single'\r\n", "s", "k"},
    {"MismatchedQuotes", "[s]\r\nk=\"mixed'\r\n", "s", "k"},
    {"LoneQuote", "[s]\r\nk=\"\r\n", "s", "k"},
    {"EmptyQuotes", "[s]\r\nk=\"\"\r\n", "s", "k"},
    {"QuotesInside", "[s]\r\nk=a \"b\" c\r\n", "s", "k"},
    {"EmptyValue", "[s]\r\nk=\r\n", "s", "k"},
    {"EqualsInValue", "[s]\r\nk=a=b\r\n", "s", "k"},
    {"SemicolonInValue", "[s]\r\nk=v ; kept\r\n", "s", "k"},
    {"FirstDuplicateKey", "[s]\r\nk=one\r\nK=two\r\n", "s", "k"},
    {"FirstDuplicateSection", "[s]\r\nk=one\r\n[S]\r\nk=two\r\nonly=second\r\n", "s", "k"},
    {"KeyOnlyInSecondSection", "[s]\r\nk=one\r\n[S]\r\nonly=second\r\n", "s", "only"},
    {"NameToTheLastBracket", "[A]B]\r\nk=v\r\n", "A]B", "k"},
    {"NameNotToTheFirstBracket", "[A]B]\r\nk=v\r\n", "A", "k"},
    {"TextAfterTheBracket", "[s] trailing\r\nk=v\r\n", "s", "k"},
    {"UnclosedHeaderContinuesSection", "[s]\r\n[open\r\nk=v\r\n", "s", "k"},
    {"UnclosedHeaderIsNoSection", "[s]\r\n[open\r\nk=v\r\n", "open", "k"},
    {"CommentedKey", "[s]\r\n;k=hidden\r\n", "s", "k"},
    {"IndentedComment", "[s]\r\n  ;k=hidden\r\n", "s", "k"},
    {"CommentAsKeyName", "[s]\r\n;k=hidden\r\n", "s", ";k", "<default>", 256,
     "Wine reads a ';' line as a key; Windows treats it as a comment, as the team recorded"},
    {"HashIsNoComment", "[s]\r\n#k=shown\r\n", "s", "#k"},
    {"LineWithoutEquals", "[s]\r\nlonely\r\n", "s", "lonely"},
    {"KeyBeforeAnySection", "k=orphan\r\n[s]\r\n", "s", "k"},
    {"MissingSection", "[s]\r\nk=v\r\n", "other", "k"},
    {"MissingKey", "[s]\r\nk=v\r\n", "s", "other"},
    {"EmptyFile", "", "s", "k"},
    {"DefaultLosesTrailingSpaces", "", "s", "k", "two words  "},
    {"DefaultOfSpacesKeepsOne", "", "s", "k", "   "},
    {"DefaultKeepsLeadingSpaces", "", "s", "k", "  lead "},
    {"EmptyDefault", "", "s", "k", ""},
    {"ValueCutToTheBuffer", "[s]\r\nk=abcdefgh\r\n", "s", "k", "", 5},
    {"ValueFillingTheBuffer", "[s]\r\nk=abcd\r\n", "s", "k", "", 5},
    {"ValueInOneByte", "[s]\r\nk=abcd\r\n", "s", "k", "", 1},
    {"DefaultCutToTheBuffer", "", "s", "k", "defaultvalue", 4},
    {"NoBufferAtAll", "[s]\r\nk=abcd\r\n", "s", "k", "", 0},
};

INSTANTIATE_TEST_SUITE_P(Texts, ProfileReadReal, ::testing::ValuesIn(kReadCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(ProfileReadRealFile, AMissingFileGivesTheDefault) {
    TempDir dir;
    const std::string file = dir / "absent.ini";
    std::vector<char> buffer(64);
    const auto count = win::GetPrivateProfileStringA("s", "k", "fallback  ", buffer, file);
    const auto real = realwin::ProfileReadString("s", "k", "fallback  ", 64, file);
    EXPECT_EQ(std::string(buffer.data()), real.value);
    EXPECT_EQ(count, real.count);
    EXPECT_EQ(win::GetPrivateProfileIntA("s", "k", -3, file),
              realwin::ProfileReadInt("s", "k", -3, file));
}

struct IntCase {
    const char* name;
    std::string_view value;
    const char* wineDiffers = nullptr;
};

std::ostream& operator<<(std::ostream& out, const IntCase& c) {
    return out << c.name;
}

class ProfileIntReal : public ::testing::TestWithParam<IntCase> {};

TEST_P(ProfileIntReal, IntegerMatchesKernel32) {
    const IntCase& c = GetParam();
    SKIP_WHERE_WINE_DIFFERS(c.wineDiffers);
    TempDir dir;
    const std::string file = dir / "int.ini";
    WriteFile(file, "[s]\r\nk=" + std::string(c.value) + "\r\n");
    for (const std::int32_t fallback : {-77, 77}) {
        EXPECT_EQ(win::GetPrivateProfileIntA("s", "k", fallback, file),
                  realwin::ProfileReadInt("s", "k", fallback, file))
            << "default " << fallback;
    }
}

const IntCase kIntCases[] = {
    {"Plain", "1234"},
    {"LeadingBlanks", "   56"},
    {"Plus", "+8"},
    {"Minus", "-8"},
    {"MinusZero", "-0"},
    {"SignThenBlank", "- 5"},
    {"TwoSigns", "--5"},
    {"DigitsThenLetters", "42abc"},
    {"DigitsThenBlank", "4 2"},
    {"LettersOnly", "abc"},
    {"Empty", "",
     "Wine gives the default for a key present without a value; Windows reads 0, as the team "
     "recorded"},
    {"QuotedWithBlank", "\" 19\""},
    {"LowerHex", "0x1f"},
    {"UpperHexDigits", "0xAB"},
    {"UpperHexPrefix", "0X1F"},
    {"HexWithoutDigits", "0x"},
    {"NegativeHex", "-0x10"},
    {"HexAllOnes", "0xFFFFFFFF"},
    {"BinaryPrefix", "0b101"},
    {"OctalPrefix", "0o17"},
    {"LeadingZeros", "0017"},
    {"Int32Max", "2147483647"},
    {"PastInt32Max", "2147483648"},
    {"Int32Min", "-2147483648"},
    {"PastInt32Min", "-2147483649"},
    {"TwoToThe32", "4294967296"},
    {"TwoToThe32PlusOne", "4294967297"},
    {"Huge", "99999999999999999999"},
    {"DecimalPoint", "3.9"},
};

INSTANTIATE_TEST_SUITE_P(Values, ProfileIntReal, ::testing::ValuesIn(kIntCases),
                         [](const auto& test) { return std::string(test.param.name); });

struct WriteCase {
    const char* name;
    std::optional<std::string_view> before;  // nullopt: no file yet
    std::string_view section;
    std::string_view key;
    std::string_view value;
    const char* wineDiffers = nullptr;
};

std::ostream& operator<<(std::ostream& out, const WriteCase& c) {
    return out << c.name;
}

class ProfileWriteReal : public ::testing::TestWithParam<WriteCase> {};

// Both sides edit their own copy; the files must end up byte for byte alike.
TEST_P(ProfileWriteReal, FileBytesMatchKernel32) {
    const WriteCase& c = GetParam();
    SKIP_WHERE_WINE_DIFFERS(c.wineDiffers);
    TempDir dir;
    const std::string ours = dir / "ours.ini";
    const std::string real = dir / "real.ini";
    if (c.before) {
        WriteFile(ours, *c.before);
        WriteFile(real, *c.before);
    }
    EXPECT_EQ(win::WritePrivateProfileStringA(c.section, c.key, c.value, ours),
              realwin::ProfileWrite(std::string(c.section), std::string(c.key),
                                    std::string(c.value), real));
    EXPECT_EQ(ReadFile(ours), ReadFile(real));
}

// Windows keeps bytes it does not edit (Wine's own conformance test of bytes
// before the first section is marked todo_wine).
constexpr const char* kWineRewrites =
    "Wine writes the whole file back from what it parsed: CR LF everywhere, blank lines dropped, "
    "a line end added; Windows edits in place";

const WriteCase kWriteCases[] = {
    {"MissingFile", std::nullopt, "s", "k", "v"},
    {"EmptyFile", "", "s", "k", "v"},
    {"NewKeyAfterTheLastKey", "[s]\r\na=1\r\nb=2\r\n[t]\r\nc=3\r\n", "s", "k", "v"},
    {"NewKeyInLfFile", "[s]\na=1\n[t]\nc=3\n", "s", "k", "v", kWineRewrites},
    {"NewKeyInSectionWithoutKeys", "[s]\r\n[t]\r\nc=3\r\n", "s", "k", "v"},
    {"NewKeyBeforeBlankLines", "[s]\r\na=1\r\n\r\n\r\n[t]\r\nc=3\r\n", "s", "k", "v",
     kWineRewrites},
    {"NewKeyAtEndWithoutLineEnd", "[s]\r\na=1", "s", "k", "v"},
    {"NewSectionAtTheEnd", "[s]\r\na=1\r\n", "t", "k", "v"},
    {"NewSectionAfterMissingLineEnd", "[s]\r\na=1", "t", "k", "v"},
    {"RewriteKeepsCrLf", "[s]\r\nk=old\r\nz=1\r\n", "s", "k", "new"},
    {"RewriteKeepsLf", "[s]\nk=old\nz=1\n", "s", "k", "new", kWineRewrites},
    {"RewriteKeepsLoneCr", "[s]\rk=old\rz=1\r", "s", "k", "new", kWineRewrites},
    {"RewriteLastLineWithoutEnd", "[s]\r\nk=old", "s", "k", "new", kWineRewrites},
    {"RewriteKeepsTheKeysSpelling", "[S]\r\n  KeY = old \r\n", "s", "key", "new"},
    {"RewriteKeepsCommentsAndBlanks", "; top\r\n\r\n[s]\r\n; note\r\nk=old\r\n\t\r\n", "s", "k",
     "new", kWineRewrites},
    {"RewriteInTheFirstDuplicateSection", "[s]\r\nk=1\r\n[S]\r\nk=2\r\n", "S", "k", "new"},
    {"RewriteFirstDuplicateKey", "[s]\r\nk=1\r\nK=2\r\n", "s", "k", "new"},
    {"ValueWithBlanksAndQuotes", "[s]\r\nk=old\r\n", "s", "k", "  \"spaced\"  ",
     "Wine drops the value's leading blanks; the stand-in writes the value as given (no Windows "
     "record either way; reading back trims them alike)"},
    {"EmptyValue", "[s]\r\nk=old\r\n", "s", "k", ""},
    {"BlanksAroundNames", "[s]\r\nk=old\r\n", " s ", " k ", "new"},
    {"SectionNameToTheLastBracket", "[A]B]\r\nk=old\r\n", "A]B", "k", "new"},
    {"KeyBeforeAnySectionIsNotTheSectionsKey", "k=orphan\r\n[s]\r\n", "s", "k", "new"},
};

INSTANTIATE_TEST_SUITE_P(Edits, ProfileWriteReal, ::testing::ValuesIn(kWriteCases),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
