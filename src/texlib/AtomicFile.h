#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace decalia::texlib {

// Removes a file left at `file`; false when one is there and stays.
[[nodiscard]] bool RemoveOldOutput(const std::filesystem::path& file);

// Writes a temporary file beside `file` and renames it into place, so readers
// see either no file or the whole of it. Leaves nothing behind on failure.
[[nodiscard]] bool WriteFileAtomically(const std::filesystem::path& file,
                                       std::span<const std::uint8_t> bytes);

}  // namespace decalia::texlib
