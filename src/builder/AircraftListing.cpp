#include "builder/AircraftListing.h"

#include <sys/stat.h>

#include <filesystem>

namespace decalia {
namespace {

std::int64_t Nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

}  // namespace

FolderListing ListFolderFiles(const std::string& hostFolder) {
    namespace stdfs = std::filesystem;
    FolderListing listing;
    std::error_code error;
    for (stdfs::recursive_directory_iterator it(hostFolder, error), end; !error && it != end;
         it.increment(error)) {
        struct stat status {};
        if (::stat(it->path().c_str(), &status) != 0 || !S_ISREG(status.st_mode)) continue;
        const FileStamp stamp{static_cast<std::uint64_t>(status.st_size), Nanoseconds(status.st_mtim),
                              Nanoseconds(status.st_ctim), static_cast<std::uint64_t>(status.st_ino)};
        listing.emplace(it->path().lexically_relative(hostFolder).generic_string(), stamp);
    }
    return listing;
}

FileChanges CompareListings(const FolderListing& before, const FolderListing& after) {
    FileChanges changes;
    for (const auto& [path, stamp] : after) {
        const auto old = before.find(path);
        if (old == before.end()) changes.written.push_back(path);
        else if (!(old->second == stamp)) changes.replaced.push_back(path);
    }
    for (const auto& [path, stamp] : before)
        if (!after.contains(path)) changes.removed.push_back(path);
    return changes;
}

}  // namespace decalia
