#pragma once
// What a build did to the aircraft's folder, seen by listing it before and
// after: cheaper and surer than collecting it from every stage.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace decalia {

// A file copied over with its old bytes and times still gets a new change
// time or a new inode, so a replacement never passes for no change.
struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileStamp&) const = default;
};

// Every file under the folder by its path relative to it ('/' between names).
using FolderListing = std::map<std::string, FileStamp>;
FolderListing ListFolderFiles(const std::string& hostFolder);

struct FileChanges {
    std::vector<std::string> written;   // new
    std::vector<std::string> replaced;  // there before, changed since
    std::vector<std::string> removed;
};
FileChanges CompareListings(const FolderListing& before, const FolderListing& after);

}  // namespace decalia
