#include "ModelNames.h"

#include <algorithm>

#include "builder/ReplaceMask.h"
#include "platform/text/Text.h"

namespace decalia::demodata {
namespace {

using text::Trim;

constexpr std::int64_t kTextureTableStart = 1024;
constexpr std::int64_t kTextureTableEntry = 64;

void CheckMask(std::string_view what, std::string_view base, std::string_view mask,
               std::size_t identifierLength, std::vector<std::string>& problems) {
    if (!MaskedName(base, mask, std::string(identifierLength, 'X')))
        problems.push_back(std::string(what) + ": the mask \"" + Trim(mask) +
                           "\" cannot place " + std::to_string(identifierLength) +
                           " identifier characters in \"" + Trim(base) + "\"");
}

void CheckOverlaps(std::vector<NameSlot> slots, std::vector<std::string>& problems) {
    std::sort(slots.begin(), slots.end(),
              [](const NameSlot& a, const NameSlot& b) { return a.position < b.position; });
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (slots[i].position < 0)
            problems.push_back("the offset of " + slots[i].name + " is below 1");
        if (i + 1 < slots.size() &&
            slots[i].position + std::ssize(slots[i].name) > slots[i + 1].position)
            problems.push_back(slots[i].name + " at offset " +
                               std::to_string(slots[i].position + 1) + " runs into " +
                               slots[i + 1].name + " at offset " +
                               std::to_string(slots[i + 1].position + 1));
    }
}

}  // namespace

std::optional<std::string> MaskedName(std::string_view baseName, std::string_view mask,
                                      std::string_view identifier) {
    return ApplyReplaceMask(baseName, mask, identifier, static_cast<int>(identifier.size()));
}

std::vector<NameSlot> OffsetSlots(const config::AircraftConfiguration& record,
                                  std::string_view identifier) {
    std::vector<NameSlot> slots;
    for (const config::TextureEntry& texture : record.Textures) {
        const std::optional<std::string> name =
            identifier.empty() ? Trim(texture.BaseTextureName)
                               : MaskedName(texture.BaseTextureName, texture.ReplaceMask, identifier);
        if (!name) continue;
        for (const std::int32_t offset : texture.MdlOffsets)
            slots.push_back({std::int64_t{offset} - 1, *name + ".bmp"});
    }
    return slots;
}

std::vector<NameSlot> TextureTableSlots(const config::AircraftConfiguration& record) {
    std::vector<NameSlot> slots;
    for (std::size_t i = 0; i < record.Textures.size(); ++i)
        slots.push_back({kTextureTableStart + static_cast<std::int64_t>(i) * kTextureTableEntry,
                         Trim(record.Textures[i].BaseTextureName) + ".bmp"});
    return slots;
}

std::vector<std::string> NamingProblems(const config::AircraftConfiguration& record) {
    std::vector<std::string> problems;
    if (record.Textures.empty()) problems.push_back("the configuration has no textures");
    if (record.NumIdentifierCharacters < 1) problems.push_back("NumIdentifierCharacters is below 1");
    const auto k = static_cast<std::size_t>(std::max<std::int16_t>(record.NumIdentifierCharacters, 1));
    if (record.CopyRenameAirFile == 1)
        CheckMask("[Air]", record.BaseAirName, record.ReplaceAirMask, k, problems);
    if (record.TextureAssignOnly == 0) {
        CheckMask("[Model]", record.BaseModelName, record.ReplaceMask, k, problems);
        for (std::size_t i = 0; i < record.Textures.size(); ++i)
            CheckMask("[Texture." + text::Format00(static_cast<std::int64_t>(i)) + "]",
                      record.Textures[i].BaseTextureName, record.Textures[i].ReplaceMask, k, problems);
        CheckOverlaps(OffsetSlots(record), problems);
    }
    return problems;
}

}  // namespace decalia::demodata
