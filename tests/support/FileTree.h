#pragma once
// What a folder holds, to see what a run of the program left behind.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace testsupport {

// Every file and folder under a folder, by path relative to it (folders end
// in '/'), with each file's bytes.
using Tree = std::map<std::string, std::string>;
Tree ReadTree(const std::filesystem::path& folder);
// Paths in `after` that are new or changed since `before`, sorted.
std::vector<std::string> Changed(const Tree& before, const Tree& after);

}  // namespace testsupport
