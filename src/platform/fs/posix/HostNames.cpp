#include "platform/fs/Fs.h"
#include "platform/fs/HostListing.h"

#include <filesystem>
#include <system_error>

namespace decalia::fs {

namespace detail {

std::vector<std::string> RegularFileNames(const std::string& hostFolder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(hostFolder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError)) names.push_back(ProgramPathOf(it->path().filename().string()));
    }
    return names;
}

}  // namespace detail
}  // namespace decalia::fs
