#pragma once
// What refuses a build before anything is written: inputs that would stop it
// half way or damage what it writes.

#include <cstdint>
#include <optional>
#include <string>

namespace decalia {

class Application;

// The message for the user naming the first problem found; nothing when the
// build may go ahead. Reads files, writes none.
std::optional<std::string> CheckBuildInputs(const Application& app);

// A name of nameLength bytes written at the 1-based model offset lies wholly
// inside a model of modelLength bytes.
bool ModelOffsetHolds(std::int32_t offset, std::uint64_t nameLength, std::uint64_t modelLength);

}  // namespace decalia
