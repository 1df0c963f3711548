// The layout flags and the replace masks that put a repaint's identifier into
// the model's, the textures' and the flight model's names.
#include "CheckProblems.h"
#include "builder/ReplaceMask.h"
#include "platform/text/Text.h"

namespace decalia::tools {
namespace {

// The mask's text around the "*" should be the base name's there; only the
// star's position counts, so a difference is a warning.
void CheckMaskAgrees(const std::string& section, const std::string& maskKey, const std::string& base,
                     const std::string& mask, std::size_t characters, ProblemList& problems) {
    const std::size_t star = mask.find('*');
    const std::string before = mask.substr(0, star);
    const std::string after = mask.substr(star + 1);
    const std::size_t tail = star + characters;
    const bool headAgrees = text::UCase(base.substr(0, star)) == text::UCase(before);
    const bool tailAgrees = after.empty() || text::UCase(base.substr(tail, after.size())) == text::UCase(after);
    if (headAgrees && tailAgrees) return;
    problems.Warning(section, maskKey,
                     Quoted(mask) + " does not read like " + Quoted(base) + " with " +
                         std::to_string(characters) + " identifier characters at the \"*\"");
}

void CheckMask(const CheckedConfiguration& c, const std::string& section, const std::string& baseKey,
               const std::string& maskKey, std::string_view baseName, std::string_view replaceMask,
               ProblemList& problems) {
    const std::string base = text::Trim(baseName);
    const std::string mask = text::Trim(replaceMask);
    const int characters = c.record.NumIdentifierCharacters;
    if (base.empty()) {
        problems.Error(section, baseKey, "empty: the repaint's file names are made from it");
        return;
    }
    if (mask.find('*') == std::string::npos) {
        problems.Error(section, maskKey, Quoted(mask) + " has no \"*\" for the repaint's identifier");
        return;
    }
    if (characters < 1) return;  // reported once, on NumIdentifierCharacters
    const std::string identifier(static_cast<std::size_t>(characters), 'X');
    if (!ApplyReplaceMask(base, mask, identifier, characters)) {
        problems.Error(section, maskKey,
                       Quoted(mask) + " leaves no room for " + std::to_string(characters) +
                           " identifier characters in " + Quoted(base));
        return;
    }
    CheckMaskAgrees(section, maskKey, base, mask, static_cast<std::size_t>(characters), problems);
}

void CheckFlags(const config::AircraftConfiguration& r, ProblemList& problems) {
    if (r.TextureAssignOnly != 0 && r.TextureAssignOnly != 1)
        problems.Error("Main", "TextureAssignOnly",
                       std::to_string(r.TextureAssignOnly) + " cannot be built: it must be 0 or 1");
    if (r.CopyRenameAirFile != 0 && r.CopyRenameAirFile != 1)
        problems.Warning("Air", "CopyRenameAirFile",
                         std::to_string(r.CopyRenameAirFile) +
                             " is neither 0 nor 1: no flight model file is copied and the entry's "
                             "sim value is empty");
    if (r.TextureAssignOnly == 0 && r.NumIdentifierCharacters < 1)
        problems.Error("Main", "NumIdentifierCharacters",
                       std::to_string(r.NumIdentifierCharacters) +
                           ": textures in the shared folder need at least 1 identifier character");
}

}  // namespace

void CheckNames(const CheckedConfiguration& c, ProblemList& problems) {
    const config::AircraftConfiguration& r = c.record;
    CheckFlags(r, problems);
    if (r.CopyRenameAirFile == 1)
        CheckMask(c, "Air", "BaseAirName", "ReplaceAirMask", r.BaseAirName, r.ReplaceAirMask, problems);
    if (r.TextureAssignOnly == 0) {
        CheckMask(c, "Model", "BaseModelName", "ReplaceMask", r.BaseModelName, r.ReplaceMask, problems);
        for (std::size_t i = 0; i < r.Textures.size(); ++i)
            if (HasTextureSection(c, i))
                CheckMask(c, TextureSection(i), "BaseTextureName", "ReplaceMask",
                          r.Textures[i].BaseTextureName, r.Textures[i].ReplaceMask, problems);
    } else {
        for (std::size_t i = 0; i < r.Textures.size(); ++i)
            if (HasTextureSection(c, i) && text::Trim(r.Textures[i].BaseTextureName).empty())
                problems.Error(TextureSection(i), "BaseTextureName", "empty: the texture has no file name");
    }
}

}  // namespace decalia::tools
