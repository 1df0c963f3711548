#include "config/AirlineList.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace decalia::config {
namespace {

using testsupport::TempDir;
using testsupport::WriteFile;
using Items = std::vector<std::string>;

std::string Numbered(const std::string& prefix, int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += prefix + std::to_string(i) + "\r\n";
    return text;
}

// The program folder lies two levels below the simulator's root.
struct Installation {
    TempDir root;
    std::string app = root / "Kestrelworks Software/Decalia";
    void Own(const std::string& text) { WriteFile(root / "Kestrelworks Software/Decalia/Data/airlines.cfg", text); }
    void Shared(const std::string& text) { WriteFile(root / "Aircraft/airlines.cfg", text); }
};

TEST(AirlineList, ItemsSplitAtCommasAndLineEndsWithQuotedCommasKept) {
    EXPECT_EQ(SplitAirlineItems("ALPHA\r\nBRAVO,CHARLIE\n  DELTA  \r\n\"NORTH, SOUTH\"\r\nECHO"),
              (Items{"ALPHA", "BRAVO", "CHARLIE", "DELTA", "NORTH, SOUTH", "ECHO"}));
    EXPECT_EQ(SplitAirlineItems("\"QUOTED\" ignored,NEXT\r\n\r\n\r\nLAST\r\n"),
              (Items{"QUOTED", "NEXT", "LAST"}));
    EXPECT_EQ(SplitAirlineItems(""), Items{});
    EXPECT_EQ(SplitAirlineItems("\"UNCLOSED, STILL ONE\nNEXT"), (Items{"UNCLOSED, STILL ONE", "NEXT"}));
}

TEST(AirlineList, MissingOwnListIsReportedEvenWithASharedList) {
    Installation install;
    install.Shared(Numbered("SHARED", 20));
    EXPECT_FALSE(LoadAirlines(install.app).has_value());
}

TEST(AirlineList, SharedListIsPreferredOnlyWithMoreThanTenItems) {
    Installation install;
    install.Own("OWN1\r\nOWN2\r\n");

    install.Shared(Numbered("SHARED", 11));
    auto list = LoadAirlines(install.app);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Items.size(), 11u);
    EXPECT_EQ(list->Items.front(), "SHARED1");
    EXPECT_EQ(list->LastAirlineIndex, 10);

    install.Shared(Numbered("SHARED", 10));
    list = LoadAirlines(install.app);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Items, (Items{"OWN1", "OWN2"}));
    EXPECT_EQ(list->LastAirlineIndex, 1);
}

TEST(AirlineList, AnEmptyOwnListGivesNoItems) {
    Installation install;
    install.Own("");
    const auto list = LoadAirlines(install.app);
    ASSERT_TRUE(list);
    EXPECT_TRUE(list->Items.empty());
    EXPECT_EQ(list->LastAirlineIndex, -1);
}

}  // namespace
}  // namespace decalia::config
