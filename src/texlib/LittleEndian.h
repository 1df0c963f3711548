#pragma once
// Little-endian fields of bitmap headers. Readers take the offset the caller
// has already checked against the buffer length.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace decalia::texlib {

inline std::uint16_t GetU16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

inline std::uint32_t GetU32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

inline std::int32_t GetI32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::int32_t>(GetU32(bytes, at));
}

inline void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFFu);
    PutU16(out, value >> 16);
}

}  // namespace decalia::texlib
