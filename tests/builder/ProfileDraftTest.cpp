#include "builder/ProfileDraft.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/profile/Profile.h"
#include "support/TempDir.h"

namespace decalia {
namespace {

struct Edit {
    const char* section;
    const char* key;
    const char* value;
};

struct DraftCase {
    const char* name;
    const char* start;
    std::vector<Edit> edits;
};

// The draft must leave exactly the bytes the profile writer leaves in a file.
TEST(ProfileDraft, EditsAsTheProfileWriterEditsAFile) {
    const DraftCase cases[] = {
        {"key replaced, spelling kept", "[Sec]\r\nKey=old\r\nother=1\r\n", {{"sec", "KEY", "new"}}},
        {"new key after the last key, before blank lines",
         "[a]\r\nx=1\r\n\r\n; note\r\n[b]\r\ny=2\r\n",
         {{"a", "z", "3"}, {"b", "w", "4"}}},
        {"missing section appended, line end added", "[a]\r\nx=1", {{"c", "k", "v"}, {"c", "k2", "v2"}}},
        {"empty file", "", {{"s", "k", "v"}}},
        {"first of duplicated sections", "[a]\r\nx=1\r\n[A]\r\nx=2\r\n", {{"a", "x", "9"}, {"a", "y", "8"}}},
        {"blanks around names", "[ a ]\r\n  x = 1\r\n", {{" a ", " x ", "2"}, {"a", " y", "3"}}},
        {"keys before the first section are no section's", "x=1\r\n[a]\r\n", {{"a", "x", "2"}}},
        {"lone CR and LF line ends", "[a]\rx=1\n[b]\ny=1", {{"a", "z", "1"}, {"b", "z", "2"}}},
        {"header without keys", "[a]\r\n\r\n[b]\r\n", {{"a", "k", "v"}}},
        {"section end with a line break, then more keys",
         "[fltsim.0]\r\ntitle=t\r\n",
         {{"fltsim.0", "atc_id_color", "c\r\n"}, {"fltsim.0", "extra", "e"}, {"fltsim.1", "title", "u"},
          {"fltsim.1", "atc_id_color", "\r\n"}, {"fltsim.1", "title", "v"}}},
        {"a value that makes a header of its own",
         "[a]\r\nx=1\r\n[c]\r\nz=1\r\n",
         {{"a", "x", "1\r\n[c]\r\ny=2"}, {"c", "y", "3"}, {"c", "w", "4"}}},
        {"one line without a line end", "[a]", {{"a", "k", "v"}}},
        {"section appended after a final lone CR", "[a]\rx=1\r", {{"b", "k", "v"}}},
    };
    for (const DraftCase& c : cases) {
        testsupport::TempDir dir;
        const std::string file = dir / "profile.ini";
        testsupport::WriteFile(file, c.start);
        ProfileDraft draft(c.start);
        for (const Edit& edit : c.edits) {
            ASSERT_TRUE(win::WritePrivateProfileStringA(edit.section, edit.key, edit.value, file));
            draft.Write(edit.section, edit.key, edit.value);
        }
        EXPECT_EQ(draft.Bytes(), testsupport::ReadFile(file)) << c.name;
    }
}

}  // namespace
}  // namespace decalia
