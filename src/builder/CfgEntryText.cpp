#include "builder/CfgEntryText.h"

#include <sstream>

#include "platform/fs/Fs.h"
#include "platform/text/Text.h"

namespace decalia {
namespace {

std::string WithoutLineEnd(std::string line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    return line;
}

bool IsTitleLine(const std::string& line, const std::string& upperTitle) {
    const auto equals = line.find('=');
    if (equals == std::string::npos || text::UCase(text::Trim(line.substr(0, equals))) != "TITLE")
        return false;
    return text::UCase(text::Trim(line.substr(equals + 1))) == upperTitle;
}

}  // namespace

std::optional<CfgEntryText> FindEntryTitled(const std::string& cfgPath, const std::string& upperTitle) {
    const auto bytes = fs::ReadAll(cfgPath);
    if (!bytes) return std::nullopt;
    std::istringstream in(*bytes);
    std::optional<CfgEntryText> current;
    bool titled = false;
    for (std::string raw; std::getline(in, raw);) {
        const std::string line = text::Trim(WithoutLineEnd(raw));
        if (line.starts_with('[')) {
            if (current && titled) return current;
            const std::string name = line.substr(1, line.find(']') - 1);
            current.reset();
            titled = false;
            if (text::UCase(name).starts_with("FLTSIM.")) current = CfgEntryText{name, {}};
            continue;
        }
        if (!current || line.empty()) continue;
        current->lines.push_back(line);
        titled = titled || IsTitleLine(line, upperTitle);
    }
    if (current && titled) return current;
    return std::nullopt;
}

}  // namespace decalia
