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
    // Only the first section of a name counts, and in it the first of a key.
    Section* current = nullptr;
    for (const auto& span : decalia::profile::SplitLines(bytes)) {
        const auto line = ClassifyLine(bytes.substr(span.begin, span.contentEnd - span.begin));
        if (line.kind == LineKind::Section) {
            auto [it, fresh] = sections_.try_emplace(UCase(line.name));
            current = fresh ? &it->second : nullptr;
        } else if (line.kind == LineKind::Key && current != nullptr) {
            current->try_emplace(UCase(line.name),
                                 std::string(decalia::profile::Unquote(line.value)));
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
    const auto found = sections_.find(wantedSection);
    if (found == sections_.end()) return false;
    const auto entry = found->second.find(wantedKey);
    if (entry == found->second.end()) return false;
    value = entry->second;
    return true;
}

}  // namespace win
