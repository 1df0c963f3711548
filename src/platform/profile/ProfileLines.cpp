#include "platform/profile/ProfileLines.h"

namespace decalia::profile {
namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";

}  // namespace

// Old tools end lines in a lone CR; it ends a line as LF and CR LF do.
std::vector<LineSpan> SplitLines(std::string_view bytes) {
    std::vector<LineSpan> lines;
    std::size_t begin = 0;
    while (begin < bytes.size()) {
        const std::size_t lineEnd = bytes.find_first_of("\r\n", begin);
        if (lineEnd == std::string_view::npos) {
            lines.push_back({begin, bytes.size(), bytes.size()});
            break;
        }
        const bool crlf = bytes.substr(lineEnd, 2) == "\r\n";
        const std::size_t next = lineEnd + (crlf ? 2 : 1);
        lines.push_back({begin, lineEnd, next});
        begin = next;
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
    // Without a ']' it is no header, so the section before it goes on.
    const auto close = line.rfind(']');
    if (line.front() == '[' && close != std::string_view::npos) {
        return {LineKind::Section, TrimBlanks(line.substr(1, close - 1)), {}};
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    return {LineKind::Key, TrimBlanks(line.substr(0, equals)),
            TrimBlanks(line.substr(equals + 1))};
}

}  // namespace decalia::profile
