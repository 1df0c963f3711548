#pragma once
// A profile text edited in memory with exactly the edits the profile writer
// makes to a file (see platform/profile/Profile.h): the new Aircraft.cfg is
// composed here and reaches the disk in one whole-file replacement, so the
// user's file is never half written and a table of a thousand variations does
// not rewrite the file twenty thousand times.
//
// The text is held as one piece per section (the lines before the first
// section header form the first piece), so a write only re-reads its own
// section.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace decalia {

class ProfileDraft {
public:
    explicit ProfileDraft(std::string_view bytes = {});

    // As WritePrivateProfileStringA on a file holding Bytes().
    void Write(std::string_view section, std::string_view key, std::string_view value);
    std::string Bytes() const;

private:
    struct Piece {
        std::string name;  // upper case; empty for the lines before the first section
        std::string text;
    };

    void Split(std::string_view bytes);
    void EditPiece(Piece& piece, std::string_view key, std::string_view value);
    static bool HasInnerHeader(const Piece& piece);
    void AppendSection(std::string_view section, std::string_view key, std::string_view value);

    std::vector<Piece> pieces_;
    // The first piece of each name: the one the profile functions use.
    std::unordered_map<std::string, std::size_t> first_;
};

}  // namespace decalia
