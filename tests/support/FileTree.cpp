#include "support/FileTree.h"

#include "support/TempDir.h"

namespace testsupport {

namespace stdfs = std::filesystem;

Tree ReadTree(const stdfs::path& folder) {
    Tree tree;
    if (!stdfs::exists(folder)) return tree;
    for (const auto& entry : stdfs::recursive_directory_iterator(folder)) {
        const std::string relative = stdfs::relative(entry.path(), folder).generic_string();
        tree[relative + (entry.is_directory() ? "/" : "")] =
            entry.is_directory() ? "" : ReadFile(entry.path());
    }
    return tree;
}

std::vector<std::string> Changed(const Tree& before, const Tree& after) {
    std::vector<std::string> changed;
    for (const auto& [path, bytes] : after) {
        const auto old = before.find(path);
        if (old == before.end() || old->second != bytes) changed.push_back(path);
    }
    return changed;
}

}  // namespace testsupport
