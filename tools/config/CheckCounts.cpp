// Each count against the list it counts: an item the count promises but the
// file lacks reads as empty or 0; an item past the count is never read.
#include "CheckProblems.h"
#include "platform/text/Text.h"

namespace decalia::tools {
namespace {

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
    const std::string why = "missing, though NumSectionsOnTexture is " + std::to_string(t.NumSectionsOnTexture);
    for (std::size_t j = 0; j < t.Sections.size(); ++j) {
        const std::string prefix = SectionKeyPrefix(j);
        if (!HasPiece(c, i, j)) {
            problems.Error(section, prefix.substr(0, prefix.size() - 1), why);
            continue;
        }
        for (const char* key : kPieceKeys)
            if (!Has(c, section, prefix + key)) problems.Error(section, prefix + key, why);
    }
    const std::string next = SectionKeyPrefix(t.Sections.size()) + kPieceKeys[0];
    if (Has(c, section, next))
        problems.Warning(section, next,
                         "never read: NumSectionsOnTexture is " + std::to_string(t.NumSectionsOnTexture));
}

void CheckTextures(const CheckedConfiguration& c, ProblemList& problems) {
    const std::int16_t count = c.record.NumTextures;
    if (count < 1) problems.Error("Main", "NumTextures", std::to_string(count) + ": there is nothing to build");
    for (std::size_t i = 0; i < c.record.Textures.size(); ++i) {
        if (!HasTextureSection(c, i)) {
            problems.Error(TextureSection(i), "", "missing, though NumTextures is " + std::to_string(count));
            continue;
        }
        CheckPieces(c, i, problems);
        const config::TextureEntry& t = c.record.Textures[i];
        CheckList(c, TextureSection(i), "NumMdlOffsets", t.NumMdlOffsets, "Offset.", problems);
    }
    if (HasTextureSection(c, c.record.Textures.size()))
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
