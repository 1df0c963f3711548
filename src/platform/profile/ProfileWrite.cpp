#include "platform/fs/Fs.h"
#include "platform/profile/Profile.h"
#include "platform/profile/ProfileLines.h"
#include "platform/text/Text.h"

#include <optional>

namespace win {
namespace {

using decalia::profile::LineKind;
using decalia::profile::LineSpan;
using decalia::text::EqualsNoCase;

constexpr std::string_view kCrLf = "\r\n";

// Where the key stands, or where a new one goes, in the first matching section.
struct KeyPlace {
    std::optional<std::size_t> sectionLine;
    std::optional<std::size_t> keyLine;
    std::size_t lastLineOfSection = 0;  // the last key line, else the header
    std::string keySpelling;            // the key's name as the file spells it
};

KeyPlace FindKey(std::string_view bytes, const std::vector<LineSpan>& lines,
                 std::string_view section, std::string_view key) {
    KeyPlace place;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto line = decalia::profile::ClassifyLine(
            bytes.substr(lines[i].begin, lines[i].contentEnd - lines[i].begin));
        if (line.kind == LineKind::Section) {
            if (place.sectionLine) break;
            if (EqualsNoCase(line.name, section)) place.sectionLine = place.lastLineOfSection = i;
        } else if (line.kind == LineKind::Key && place.sectionLine) {
            place.lastLineOfSection = i;
            if (EqualsNoCase(line.name, key)) {
                place.keyLine = i;
                place.keySpelling = std::string(line.name);
                break;
            }
        }
    }
    return place;
}

std::string Edit(std::string bytes, std::string_view section, std::string_view key,
                 std::string_view value) {
    const auto lines = decalia::profile::SplitLines(bytes);
    const KeyPlace place = FindKey(bytes, lines, section, key);
    if (place.keyLine) {
        const LineSpan& line = lines[*place.keyLine];
        bytes.replace(line.begin, line.contentEnd - line.begin,
                      place.keySpelling + "=" + std::string(value));
        return bytes;
    }
    const std::string newLine = std::string(key) + "=" + std::string(value) + std::string(kCrLf);
    if (place.sectionLine) {
        const LineSpan& after = lines[place.lastLineOfSection];
        bytes.insert(after.end, (after.HasLineEnd() ? "" : std::string(kCrLf)) + newLine);
        return bytes;
    }
    if (!lines.empty() && !lines.back().HasLineEnd()) bytes += kCrLf;
    bytes += "[" + std::string(section) + "]" + std::string(kCrLf) + newLine;
    return bytes;
}

// The current content; empty when nothing is there, nullopt when something is
// there that we cannot read and so must not overwrite.
std::optional<std::string> ReadForEdit(std::string_view file) {
    auto bytes = decalia::fs::ReadAll(file, decalia::profile::kMaxProfileBytes);
    if (bytes) return bytes;
    if (decalia::fs::FileExists(file) || decalia::fs::FolderExists(file)) return std::nullopt;
    return std::string();
}

}  // namespace

bool WritePrivateProfileStringA(std::string_view section, std::string_view key,
                                std::string_view value, std::string_view file) {
    auto bytes = ReadForEdit(file);
    if (!bytes) return false;
    const auto trimmedSection = decalia::profile::TrimBlanks(section);
    const auto trimmedKey = decalia::profile::TrimBlanks(key);
    return decalia::fs::WriteAll(file, Edit(std::move(*bytes), trimmedSection, trimmedKey, value));
}

}  // namespace win
