#include "builder/ProfileDraft.h"

#include <algorithm>

#include "platform/profile/ProfileLines.h"
#include "platform/text/Text.h"

namespace decalia {
namespace {

using profile::LineKind;

constexpr std::string_view kCrLf = "\r\n";

profile::ProfileLine LineAt(std::string_view text, const profile::LineSpan& span) {
    return profile::ClassifyLine(text.substr(span.begin, span.contentEnd - span.begin));
}

bool BreaksLines(std::string_view value) { return value.find_first_of("\r\n") != value.npos; }

}  // namespace

ProfileDraft::ProfileDraft(std::string_view bytes) { Split(bytes); }

void ProfileDraft::Split(std::string_view bytes) {
    pieces_.assign(1, Piece{});
    first_.clear();
    for (const profile::LineSpan& span : profile::SplitLines(bytes)) {
        const auto line = LineAt(bytes, span);
        if (line.kind == LineKind::Section) {
            pieces_.push_back({text::UCase(line.name), {}});
            first_.try_emplace(pieces_.back().name, pieces_.size() - 1);
        }
        pieces_.back().text.append(bytes.substr(span.begin, span.end - span.begin));
    }
}

std::string ProfileDraft::Bytes() const {
    std::string bytes;
    for (const Piece& piece : pieces_) bytes += piece.text;
    return bytes;
}

void ProfileDraft::Write(std::string_view section, std::string_view key, std::string_view value) {
    const auto trimmedSection = profile::TrimBlanks(section);
    const auto trimmedKey = profile::TrimBlanks(key);
    const auto found = first_.find(text::UCase(trimmedSection));
    std::size_t edited = pieces_.size();
    if (found != first_.end()) {
        edited = found->second;
        EditPiece(pieces_[edited], trimmedKey, value);
    } else {
        AppendSection(trimmedSection, trimmedKey, value);
    }
    // A value holding a line break may have made a header line of its own.
    if (BreaksLines(value) && HasInnerHeader(pieces_[std::min(edited, pieces_.size() - 1)])) {
        Split(Bytes());
    }
}

// The key's own line changes, or a new line follows the section's last key
// (the header when it has none).
void ProfileDraft::EditPiece(Piece& piece, std::string_view key, std::string_view value) {
    const auto lines = profile::SplitLines(piece.text);
    std::size_t lastKeyLine = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto line = LineAt(piece.text, lines[i]);
        if (line.kind != LineKind::Key) continue;
        lastKeyLine = i;
        if (text::EqualsNoCase(line.name, key)) {
            const std::string spelling(line.name);
            piece.text.replace(lines[i].begin, lines[i].contentEnd - lines[i].begin,
                               spelling + "=" + std::string(value));
            return;
        }
    }
    const profile::LineSpan& after = lines[lastKeyLine];
    piece.text.insert(after.end, (after.HasLineEnd() ? "" : std::string(kCrLf)) + std::string(key) +
                                     "=" + std::string(value) + std::string(kCrLf));
}

bool ProfileDraft::HasInnerHeader(const Piece& piece) {
    const auto lines = profile::SplitLines(piece.text);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (LineAt(piece.text, lines[i]).kind == LineKind::Section) return true;
    }
    return false;
}

void ProfileDraft::AppendSection(std::string_view section, std::string_view key,
                                 std::string_view value) {
    for (auto piece = pieces_.rbegin(); piece != pieces_.rend(); ++piece) {
        if (piece->text.empty()) continue;
        if (piece->text.back() != '\n' && piece->text.back() != '\r') piece->text += kCrLf;
        break;
    }
    pieces_.push_back({text::UCase(section), "[" + std::string(section) + "]" + std::string(kCrLf) +
                                                 std::string(key) + "=" + std::string(value) +
                                                 std::string(kCrLf)});
    first_.try_emplace(pieces_.back().name, pieces_.size() - 1);
}

}  // namespace decalia
