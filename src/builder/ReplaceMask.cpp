#include "builder/ReplaceMask.h"

#include "platform/text/Text.h"

namespace decalia {

std::optional<std::string> ApplyReplaceMask(std::string_view baseName, std::string_view replaceMask,
                                            std::string_view identifier,
                                            int identifierCharacters) {
    const std::string base = text::Trim(baseName);
    const std::string mask = text::Trim(replaceMask);
    const auto star = mask.find('*');
    if (star == std::string::npos || identifierCharacters < 0) return std::nullopt;
    const auto replacedEnd = star + static_cast<std::size_t>(identifierCharacters);
    if (replacedEnd > base.size()) return std::nullopt;
    return base.substr(0, star) + std::string(identifier) + base.substr(replacedEnd);
}

}  // namespace decalia
