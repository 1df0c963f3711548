#pragma once
// What each host supplies to the shared listing code.

#include <string>
#include <vector>

namespace decalia::fs::detail {

// Names (Windows-1252) of the regular files in a host folder, in no order;
// nothing for a missing folder.
std::vector<std::string> RegularFileNames(const std::string& hostFolder);

}  // namespace decalia::fs::detail
