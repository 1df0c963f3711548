#include "platform/text/Text.h"

#include <gtest/gtest.h>

#include <limits>

namespace decalia::text {
namespace {

TEST(CodePage, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(CodePage, HighBytesMapToTheirCharacters) {
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(Cp1252ToUtf8("\x8A\x9F"), "\u0160\u0178");
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D"), "\u0081\u008D");  // undefined codes
    EXPECT_EQ(Cp1252ToUtf8("caf\xE9"), "caf\u00E9");
    EXPECT_EQ(Utf8ToCp1252("\u20AC \u2122 \u00FF"), "\x80 \x99 \xFF");
}

TEST(CodePage, CharactersWithoutAFormBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("a\u4E2Db"), "a?b");
    EXPECT_EQ(Utf8ToCp1252("a\U0001F600b"), "a?b");
    // U+0080 is a C1 control whose byte Windows gave to the euro sign.
    EXPECT_EQ(Utf8ToCp1252("\u0080"), "?");
}

TEST(CodePage, MalformedUtf8BecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("\x80x"), "?x");              // stray continuation
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82" "A"), "?A");       // cut sequence, one mark
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");           // overlong
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???");      // surrogate
    EXPECT_EQ(Utf8ToCp1252("\xF4\x90\x80\x80"), "????");  // above U+10FFFF
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82"), "?");            // cut at the end
}

TEST(Trim, RemovesSpacesOnly) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(Trim("    "), "");
    EXPECT_EQ(Trim(""), "");
}

TEST(Case, FollowsWindows1252Letters) {
    EXPECT_EQ(UCase("abz\x9A\x9C\x9E\xFF\xE0\xE9\xFE"), "ABZ\x8A\x8C\x8E\x9F\xC0\xC9\xDE");
    EXPECT_EQ(LCase("ABZ\x8A\x8C\x8E\x9F\xC0\xC9\xDE"), "abz\x9A\x9C\x9E\xFF\xE0\xE9\xFE");
    // sharp s, micro, division and multiplication signs have no partner
    EXPECT_EQ(UCase("\xDF\xB5\xF7"), "\xDF\xB5\xF7");
    EXPECT_EQ(LCase("\xD7"), "\xD7");
    EXPECT_EQ(UCase("1.-_[]"), "1.-_[]");
    EXPECT_EQ(UpperChar('q'), 'Q');
    EXPECT_EQ(UpperChar('\xE7'), '\xC7');
}

TEST(Case, ComparisonsIgnoreCase) {
    EXPECT_TRUE(EqualsNoCase("Model.abc", "MODEL.ABC"));
    EXPECT_TRUE(EqualsNoCase("\xC9t\xE9", "\xE9T\xC9"));
    EXPECT_FALSE(EqualsNoCase("abc", "abcd"));
    EXPECT_TRUE(LessNoCase("a", "B"));
    EXPECT_TRUE(LessNoCase("B", "c"));
    EXPECT_TRUE(LessNoCase("ab", "ABC"));
    EXPECT_FALSE(LessNoCase("A", "a"));
    EXPECT_FALSE(LessNoCase("a", "A"));
}

TEST(Format00, PadsToTwoDigits) {
    EXPECT_EQ(Format00(0), "00");
    EXPECT_EQ(Format00(7), "07");
    EXPECT_EQ(Format00(10), "10");
    EXPECT_EQ(Format00(123), "123");
    EXPECT_EQ(Format00(-3), "-03");
    EXPECT_EQ(Format00(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

}  // namespace
}  // namespace decalia::text
