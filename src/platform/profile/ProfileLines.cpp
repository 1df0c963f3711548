#include "platform/profile/ProfileLines.h"

namespace decalia::profile {
namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";

}  // namespace

std::vector<LineSpan> SplitLines(std::string_view bytes) {
    std::vector<LineSpan> lines;
    std::size_t begin = 0;
    while (begin < bytes.size()) {
        const std::size_t newline = bytes.find('\n', begin);
        if (newline == std::string_view::npos) {
            lines.push_back({begin, bytes.size(), bytes.size()});
            break;
        }
        const bool crlf = newline > begin && bytes[newline - 1] == '\r';
        lines.push_back({begin, crlf ? newline - 1 : newline, newline + 1});
        begin = newline + 1;
    }
    return lines;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::string_view Unquote(std::string_view value) {
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

ProfileLine ClassifyLine(std::string_view content) {
    const std::string_view line = TrimBlanks(content);
    if (line.empty() || line.front() == ';') return {};
    if (line.front() == '[') {
        const std::string_view inside = line.substr(1);
        return {LineKind::Section, TrimBlanks(inside.substr(0, inside.find(']'))), {}};
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    return {LineKind::Key, TrimBlanks(line.substr(0, equals)),
            TrimBlanks(line.substr(equals + 1))};
}

}  // namespace decalia::profile
