#pragma once
// One [fltsim.N] entry of an Aircraft.cfg as it stands in the file, for the
// build report: what a build added and what it replaced.

#include <optional>
#include <string>
#include <vector>

namespace decalia {

struct CfgEntryText {
    std::string section;             // "fltsim.3"
    std::vector<std::string> lines;  // "key=value", blank lines left out
};

// The first fltsim entry whose title, trimmed and upper-cased, is upperTitle.
std::optional<CfgEntryText> FindEntryTitled(const std::string& cfgPath, const std::string& upperTitle);

}  // namespace decalia
