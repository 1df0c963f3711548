#pragma once
// How profile text splits into lines and what each line says; shared by the
// reader and the in-place writer so that both see the same file.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace decalia::profile {

// Profiles larger than this are not profiles; they read as empty and are
// never rewritten.
constexpr std::uint64_t kMaxProfileBytes = 64ull << 20;

// Byte offsets of one line: its content, then its line end (LF, CR LF or a
// lone CR; absent on a last line without one).
struct LineSpan {
    std::size_t begin;
    std::size_t contentEnd;
    std::size_t end;
    bool HasLineEnd() const { return end > contentEnd; }
};

std::vector<LineSpan> SplitLines(std::string_view bytes);

enum class LineKind { Other, Section, Key };

// A section header is a line starting with '[' that holds a ']'; its name
// runs to the last ']'. name: the section or key name without surrounding
// blanks; value: the text after the first '=' without surrounding blanks,
// quotes still on.
struct ProfileLine {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
};

ProfileLine ClassifyLine(std::string_view content);

std::string_view TrimBlanks(std::string_view text);
// Removes one pair of matching surrounding quotes (" or ').
std::string_view Unquote(std::string_view value);

}  // namespace decalia::profile
