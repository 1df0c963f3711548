#include "platform/fs/Fs.h"
#include "platform/profile/Profile.h"
#include "platform/profile/ProfileLines.h"
#include "platform/text/Text.h"

namespace win {

using decalia::profile::ClassifyLine;
using decalia::profile::LineKind;
using decalia::text::UCase;

// Names are kept upper-cased so that a lookup compares bytes only.
ProfileText::ProfileText(std::string_view bytes) {
    for (const auto& span : decalia::profile::SplitLines(bytes)) {
        const auto line = ClassifyLine(bytes.substr(span.begin, span.contentEnd - span.begin));
        if (line.kind == LineKind::Section) {
            sections_.push_back({UCase(line.name), {}});
        } else if (line.kind == LineKind::Key && !sections_.empty()) {
            sections_.back().entries.push_back(
                {UCase(line.name), std::string(decalia::profile::Unquote(line.value))});
        }
    }
}

ProfileText ProfileText::FromFile(std::string_view path) {
    const auto bytes = decalia::fs::ReadAll(path, decalia::profile::kMaxProfileBytes);
    return bytes ? ProfileText(*bytes) : ProfileText();
}

bool ProfileText::Lookup(std::string_view section, std::string_view key,
                         std::string& value) const {
    const std::string wantedSection = UCase(decalia::profile::TrimBlanks(section));
    const std::string wantedKey = UCase(decalia::profile::TrimBlanks(key));
    for (const Section& s : sections_) {
        if (s.name != wantedSection) continue;
        // Only the first section of a name counts, even when it lacks the key.
        for (const Entry& e : s.entries) {
            if (e.key != wantedKey) continue;
            value = e.value;
            return true;
        }
        return false;
    }
    return false;
}

}  // namespace win
