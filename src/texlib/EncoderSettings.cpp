#include "texlib/EncoderSettings.h"
#include "texlib/SquishBlock.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <string>

#include "texlib/Parallel.h"

namespace decalia::texlib {
namespace {

constexpr unsigned kMaxThreads = 256;

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::string_view Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view{} : std::string_view{value};
}

}  // namespace

std::optional<Quality> ParseQuality(std::string_view text) {
    const std::string lower = Lower(text);
    if (lower == "fast") return Quality::Fast;
    if (lower == "default") return Quality::Default;
    if (lower == "maximum") return Quality::Maximum;
    if (lower == "squish" && SquishAvailable()) return Quality::Squish;
    if (lower == "stb") return Quality::Stb;
    return std::nullopt;
}

std::optional<unsigned> ParseThreadCount(std::string_view text) {
    unsigned count = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (ec != std::errc{} || end != text.data() + text.size() || count < 1 || count > kMaxThreads) {
        return std::nullopt;
    }
    return count;
}

EncodeOptions OptionsFromEnvironment() {
    EncodeOptions options;
    options.quality = ParseQuality(Environment("KWDDS_QUALITY")).value_or(Quality::Default);
    options.threads = ParseThreadCount(Environment("KWDDS_THREADS")).value_or(HardwareThreads());
    return options;
}

}  // namespace decalia::texlib
