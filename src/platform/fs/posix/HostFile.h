#pragma once
// Host-side helpers shared by the fs operations; host paths are UTF-8.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include <sys/types.h>

namespace decalia::fs::detail {

// The file's status, following links; not_found when absent or unreachable.
std::filesystem::file_status StatusOf(const std::string& hostPath);
bool Exists(const std::string& hostPath);
bool IsReadOnly(const std::filesystem::file_status& status);
mode_t ModeOf(const std::filesystem::file_status& status);

// Writes every byte, retrying short writes; pwrite when offset is given.
bool WriteFully(int fd, std::string_view bytes, std::optional<off_t> offset = std::nullopt);

// Fills a fresh file beside `target` and renames it over the target, so a
// failure at any point leaves the target as it was. Without a mode the new file
// gets the usual default for new files. With flush, the new file reaches the
// disk before the rename.
bool ReplaceAtomically(const std::string& target, std::optional<mode_t> mode,
                       const std::function<bool(int fd)>& fill, bool flush = true);

}  // namespace decalia::fs::detail
