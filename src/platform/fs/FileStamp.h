#pragma once
// What tells one version of a file from another, read the same way on every
// host, so a caller can see that a file was written even when its size and
// modification time came out unchanged.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace decalia::fs {

struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;  // since 1970, in nanoseconds
    // Inode change time on Linux, the change time of the file's record on
    // Windows: a file copied over with its old times still gets a new one.
    std::int64_t changedNs = 0;
    // Inode number on Linux, file index on Windows: a file replaced by a new
    // one gets a new identity.
    std::uint64_t fileId = 0;
    bool operator==(const FileStamp&) const = default;
};

// Of a regular file (links followed) at a host path; nullopt for anything else.
std::optional<FileStamp> StampOfHostFile(const std::filesystem::path& hostPath);
// Of a regular file at a program path.
std::optional<FileStamp> StampOf(std::string_view path);

}  // namespace decalia::fs
