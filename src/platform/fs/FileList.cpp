#include "platform/fs/Fs.h"
#include "platform/fs/HostListing.h"
#include "platform/text/Text.h"

#include <algorithm>

namespace decalia::fs {
namespace {

// '*' and '?' over upper-cased names, backtracking only to the last '*'.
bool WildcardMatch(std::string_view pattern, std::string_view name) {
    std::size_t p = 0, n = 0;
    std::size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p, ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++, starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1, n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

// As on Windows, a trailing ".*" also matches names without an extension, so
// "*.*" lists every file.
bool PatternMatches(const std::string& upperPattern, const std::string& upperName) {
    if (WildcardMatch(upperPattern, upperName)) return true;
    const std::string_view p(upperPattern);
    return p.size() >= 2 && p.substr(p.size() - 2) == ".*" &&
           WildcardMatch(p.substr(0, p.size() - 2), upperName);
}

bool ByNameNoCase(const std::string& a, const std::string& b) {
    if (text::LessNoCase(a, b)) return true;
    if (text::LessNoCase(b, a)) return false;
    return a < b;  // names differing only in case keep a fixed order
}

}  // namespace

std::vector<std::string> ListFiles(std::string_view folder, std::string_view pattern) {
    const std::string upperPattern = text::UCase(pattern);
    std::vector<std::string> names;
    for (std::string& name : detail::RegularFileNames(Resolve(folder))) {
        if (PatternMatches(upperPattern, text::UCase(name))) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), ByNameNoCase);
    return names;
}

}  // namespace decalia::fs
