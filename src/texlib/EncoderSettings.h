#pragma once

#include <optional>
#include <string_view>

#include "texlib/BlockCodec.h"

namespace decalia::texlib {

// "fast", "default", "maximum", "squish" or "stb", in any case.
[[nodiscard]] std::optional<Quality> ParseQuality(std::string_view text);
// A whole number from 1 to 256.
[[nodiscard]] std::optional<unsigned> ParseThreadCount(std::string_view text);

// KWDDS_QUALITY and KWDDS_THREADS when set and valid; otherwise the default
// quality on every core.
EncodeOptions OptionsFromEnvironment();

}  // namespace decalia::texlib
