#pragma once
// Every image and every texture level is sized through here before anything
// is allocated, so a hostile header cannot ask for more than the guard allows.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "texlib/RgbaImage.h"

namespace decalia::texlib {

inline constexpr std::uint32_t kMaxSide = 16384;

// width * height * bytesPerPixel, or nothing when a side is 0 or above kMaxSide.
[[nodiscard]] std::optional<std::size_t> CheckedImageBytes(std::int64_t width, std::int64_t height,
                                                           std::size_t bytesPerPixel);

// A zeroed image; the sides must have passed CheckedImageBytes.
RgbaImage MakeImage(std::uint32_t width, std::uint32_t height);

}  // namespace decalia::texlib
