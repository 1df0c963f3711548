#pragma once
// An error raised the way the skin classes raise theirs: a number, the source
// that raised it and a description. Window load handlers catch it to tell the
// user that the skin files are missing.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

namespace decalia::ui {

struct VbError : std::runtime_error {
    VbError(std::int32_t number, std::string source, std::string description)
        : std::runtime_error(description),
          Number(number),
          Source(std::move(source)),
          Description(std::move(description)) {}

    std::int32_t Number;
    std::string Source;
    std::string Description;
};

}  // namespace decalia::ui
