#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace decalia::tools {

struct ToolArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // "--name" to its value ("" for a switch)
    std::string error;                           // empty when the arguments parsed
};

// `withValue` options take the next argument; `switches` take none.
ToolArgs ParseToolArgs(const std::vector<std::string>& args, const std::set<std::string>& withValue,
                       const std::set<std::string>& switches = {});

}  // namespace decalia::tools
