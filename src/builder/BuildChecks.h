#pragma once
// What refuses a build before anything is written: inputs that would stop it
// half way or damage what it writes.

#include <optional>
#include <string>

namespace decalia {

class Application;

// The message for the user naming the first problem found; nothing when the
// build may go ahead. Reads files, writes none.
std::optional<std::string> CheckBuildInputs(const Application& app);

}  // namespace decalia
