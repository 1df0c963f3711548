#include "builder/ReplaceMask.h"

#include <gtest/gtest.h>

namespace decalia {
namespace {

struct MaskCase {
    const char* baseName;
    const char* mask;
    const char* identifier;
    int characters;
    std::optional<std::string> expected;
};

TEST(ApplyReplaceMask, PutsTheIdentifierWhereTheStarStands) {
    const MaskCase cases[] = {
        {"tex_XXX_body", "tex_*", "ABC", 3, "tex_ABC_body"},
        {"  tex_XXX_body ", " tex_* ", "ABC", 3, "tex_ABC_body"},
        // Only the star's position counts, not the characters around it.
        {"tex_XXX_body", "zzz_*zz", "ABC", 3, "tex_ABC_body"},
        {"k1_XXX", "k1_*", "ABC", 3, "k1_ABC"},
        {"XXX_body", "*", "QRS", 3, "QRS_body"},
        // An identifier of another length changes the name's length.
        {"tex_XXX_body", "tex_*", "AB", 3, "tex_AB_body"},
        {"tex_XXX_body", "tex_*", "ABCD", 3, "tex_ABCD_body"},
        {"tex_body", "tex_*", "ABC", 0, "tex_ABCbody"},
        {"tex_XXX_body", "tex_body", "ABC", 3, std::nullopt},
        {"tex_XX", "tex_*", "ABC", 3, std::nullopt},
        {"tex_XXX", "tex_*", "ABC", -1, std::nullopt},
        {"", "*", "", 0, ""},
    };
    for (const MaskCase& c : cases) {
        EXPECT_EQ(ApplyReplaceMask(c.baseName, c.mask, c.identifier, c.characters), c.expected)
            << c.baseName << " / " << c.mask;
    }
}

}  // namespace
}  // namespace decalia
