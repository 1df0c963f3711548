#include "platform/fs/FileStamp.h"

#include <sys/stat.h>

namespace decalia::fs {
namespace {

std::int64_t Nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

}  // namespace

std::optional<FileStamp> StampOfHostFile(const std::filesystem::path& hostPath) {
    struct stat status {};
    if (::stat(hostPath.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    return FileStamp{static_cast<std::uint64_t>(status.st_size), Nanoseconds(status.st_mtim),
                     Nanoseconds(status.st_ctim), static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace decalia::fs
