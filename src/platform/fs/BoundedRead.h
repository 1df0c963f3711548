#pragma once
// Reading a whole open file without trusting its size, shared by both hosts.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace decalia::fs::detail {

// Reads up to `room` bytes into `into`; the count (0 at the end), or nullopt
// on an error.
using ReadSome = std::function<std::optional<std::size_t>(char* into, std::size_t room)>;

// Reads to the end into `out` (sized to what the file said it holds); false
// once more than maxBytes arrive, so a file that grows while we read is
// bounded too.
bool ReadBounded(const ReadSome& readSome, std::string& out, std::uint64_t maxBytes);

}  // namespace decalia::fs::detail
