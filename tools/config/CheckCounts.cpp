// Each count against the list it counts: an item the count promises but the
// file lacks reads as empty or 0; an item past the count is never read.
#include <array>

#include "CheckProblems.h"
#include "platform/text/Text.h"

namespace decalia::tools {
namespace {

constexpr std::array<const char*, 8> kPieceKeys = {"TemplateLeft", "TemplateTop", "TemplateRight",
                                                   "TemplateBottom", "DestLeft", "DestTop",
                                                   "DestRight", "DestBottom"};

bool Has(const CheckedConfiguration& c, const std::string& section, const std::string& key) {
    std::string value;
    return c.ini.Lookup(section, key, value);
}

std::string Index(std::size_t i) { return text::Format00(static_cast<std::int64_t>(i)); }

// Keys prefix + "00" .. count - 1 must be there, prefix + count should not.
void CheckList(const CheckedConfiguration& c, const std::string& section, const char* countKey,
               std::int16_t count, const std::string& prefix, ProblemList& problems) {
    const std::size_t n = count > 0 ? static_cast<std::size_t>(count) : 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (Has(c, section, prefix + Index(i))) continue;
        problems.Error(section, prefix + Index(i),
                       std::string("missing, though ") + countKey + " is " + std::to_string(count));
    }
    if (Has(c, section, prefix + Index(n)))
        problems.Warning(section, prefix + Index(n),
                         std::string("never read: ") + countKey + " is " + std::to_string(count));
}

void CheckPieces(const CheckedConfiguration& c, std::size_t i, ProblemList& problems) {
    const config::TextureEntry& t = c.record.Textures[i];
    const std::string section = TextureSection(i);
    if (t.NumSectionsOnTexture < 1)
        problems.Warning(section, "NumSectionsOnTexture",
                         "no pieces: the sheet gets nothing from the template");
    for (std::size_t j = 0; j < t.Sections.size(); ++j)
        for (const char* key : kPieceKeys)
            if (!Has(c, section, SectionKeyPrefix(j) + key))
                problems.Error(section, SectionKeyPrefix(j) + key,
                               "missing, though NumSectionsOnTexture is " +
                                   std::to_string(t.NumSectionsOnTexture));
    const std::string next = SectionKeyPrefix(t.Sections.size()) + kPieceKeys[0];
    if (Has(c, section, next))
        problems.Warning(section, next,
                         "never read: NumSectionsOnTexture is " + std::to_string(t.NumSectionsOnTexture));
}

void CheckTextures(const CheckedConfiguration& c, ProblemList& problems) {
    const std::int16_t count = c.record.NumTextures;
    if (count < 1) problems.Error("Main", "NumTextures", std::to_string(count) + ": there is nothing to build");
    for (std::size_t i = 0; i < c.record.Textures.size(); ++i) {
        if (!Has(c, TextureSection(i), "BaseTextureName")) {
            problems.Error(TextureSection(i), "", "missing, though NumTextures is " + std::to_string(count));
            continue;
        }
        CheckPieces(c, i, problems);
        const config::TextureEntry& t = c.record.Textures[i];
        CheckList(c, TextureSection(i), "NumMdlOffsets", t.NumMdlOffsets, "Offset.", problems);
    }
    if (Has(c, TextureSection(c.record.Textures.size()), "BaseTextureName"))
        problems.Warning(TextureSection(c.record.Textures.size()), "",
                         "never read: NumTextures is " + std::to_string(count));
}

void CheckExtras(const CheckedConfiguration& c, ProblemList& problems) {
    const config::ExtraTextures& textures = c.extraTextures;
    if (textures.CopyExtraTextures == 1)
        CheckList(c, "ExtraTextures", "NumTextures", textures.NumExtraTextures, "ExtraTexture.", problems);
    const config::ExtraFields& fields = c.extraFields;
    if (fields.CopyExtraFields == 1) {
        CheckList(c, "ExtraFields", "NumFields", fields.NumFields, "ExtraField.", problems);
        CheckList(c, "ExtraFields", "NumFields", fields.NumFields, "ExtraFieldDefault.", problems);
    } else if (fields.NumFields > 0) {
        problems.Warning("ExtraFields", "NumFields",
                         std::to_string(fields.NumFields) +
                             " fields are listed but CopyExtraFields is not 1, so none is written");
    }
}

}  // namespace

void CheckCounts(const CheckedConfiguration& c, ProblemList& problems) {
    CheckTextures(c, problems);
    CheckExtras(c, problems);
}

}  // namespace decalia::tools
