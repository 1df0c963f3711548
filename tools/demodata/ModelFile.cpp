#include "ModelFile.h"

#include <algorithm>
#include <cstdint>

#include "platform/text/Text.h"

namespace decalia::demodata {
namespace {

constexpr std::int64_t kMinimumModelLength = 4096;
constexpr std::int64_t kModelPadding = 512;
constexpr std::int64_t kModelBlock = 1024;
constexpr std::size_t kAirFileLength = 6144;

// Deterministic filler: the same seed always gives the same bytes, so builds
// are reproducible and a patched copy differs from its source only in names.
std::string Filler(std::size_t length, std::string_view seed) {
    std::uint32_t state = 2166136261u;
    for (const char c : seed) state = (state ^ static_cast<std::uint8_t>(c)) * 16777619u;
    state |= 1u;
    std::string bytes(length, '\0');
    for (char& b : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        b = static_cast<char>(state >> 24);
    }
    return bytes;
}

void PutLittleEndian32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A RIFF-style header: tag, size of what follows, form type.
void PutHeader(std::string& bytes, std::string_view form) {
    bytes.replace(0, 4, "RIFF");
    PutLittleEndian32(bytes, 4, static_cast<std::uint32_t>(bytes.size() - 8));
    bytes.replace(8, 4, form.substr(0, 4));
}

}  // namespace

std::string ModelFileBytes(const std::vector<NameSlot>& slots, std::string_view seed) {
    std::int64_t end = 0;
    for (const NameSlot& slot : slots)
        if (slot.position >= 0) end = std::max(end, slot.position + std::ssize(slot.name));
    const std::int64_t length =
        std::max(kMinimumModelLength, (end + kModelPadding + kModelBlock - 1) / kModelBlock * kModelBlock);
    std::string bytes = Filler(static_cast<std::size_t>(length), seed);
    PutHeader(bytes, "KWMD");
    for (const NameSlot& slot : slots)
        if (slot.position >= 0) bytes.replace(static_cast<std::size_t>(slot.position), slot.name.size(), slot.name);
    return bytes;
}

std::string OwnModelBytes(const config::AircraftConfiguration& record) {
    const std::vector<NameSlot> slots = OffsetSlots(record);
    return ModelFileBytes(slots.empty() ? TextureTableSlots(record) : slots, text::Trim(record.BaseModelName));
}

std::string RepaintModelBytes(const config::AircraftConfiguration& record, std::string_view identifier) {
    return ModelFileBytes(OffsetSlots(record, identifier), text::Trim(record.BaseModelName));
}

std::string AirFileBytes(std::string_view airName) {
    std::string bytes = Filler(kAirFileLength, airName);
    PutHeader(bytes, "KWAF");
    const std::string name = std::string(airName.substr(0, 255)) + '\0';
    bytes.replace(12, name.size(), name);
    return bytes;
}

}  // namespace decalia::demodata
