#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace decalia::tools {

inline constexpr int kToolFailed = 1;
inline constexpr int kToolUsage = 2;

// decalia-texture: info, decode, encode and compare. Returns the exit status:
// 0, kToolFailed for unreadable or unwritable files, kToolUsage for bad
// arguments. `showProgress` prints a progress line for long encodes.
int RunTextureTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   bool showProgress);

}  // namespace decalia::tools
