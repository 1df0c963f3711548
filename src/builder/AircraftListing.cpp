#include "builder/AircraftListing.h"

#include <filesystem>

#include "platform/fs/FileStamp.h"
#include "platform/fs/Fs.h"

namespace decalia {

FolderListing ListFolderFiles(const std::string& hostFolder) {
    namespace stdfs = std::filesystem;
    FolderListing listing;
    std::error_code error;
    for (stdfs::recursive_directory_iterator it(hostFolder, error), end; !error && it != end;
         it.increment(error)) {
        const auto stamp = fs::StampOfHostFile(it->path());
        if (!stamp) continue;
        // Names as the program spells them: the report that lists them is Windows-1252.
        listing.emplace(fs::ProgramPathOf(it->path().lexically_relative(hostFolder).generic_string()),
                        FileStamp{stamp->size, stamp->modifiedNs, stamp->changedNs, stamp->fileId});
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
