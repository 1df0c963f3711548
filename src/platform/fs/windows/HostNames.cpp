#include "platform/fs/Fs.h"
#include "platform/fs/HostListing.h"
#include "platform/fs/windows/Win32.h"

namespace decalia::fs {

namespace detail {

std::vector<std::string> RegularFileNames(const std::string& hostFolder) {
    std::vector<std::string> names;
    const std::string all = hostFolder + (hostFolder.ends_with('\\') ? "*" : "\\*");
    WIN32_FIND_DATAA found{};
    const HANDLE search = ::FindFirstFileA(all.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.emplace_back(found.cFileName);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return names;
}

}  // namespace detail
}  // namespace decalia::fs
