#include "CheckProblems.h"

#include <algorithm>

#include "platform/text/Text.h"

namespace decalia::tools {

void ProblemList::Error(std::string section, std::string key, std::string text) {
    problems_.push_back({Severity::Error, std::move(section), std::move(key), std::move(text)});
}

void ProblemList::Warning(std::string section, std::string key, std::string text) {
    problems_.push_back({Severity::Warning, std::move(section), std::move(key), std::move(text)});
}

bool ProblemList::HasErrors() const {
    return std::any_of(problems_.begin(), problems_.end(),
                       [](const CheckProblem& p) { return p.severity == Severity::Error; });
}

std::string TextureSection(std::size_t index) {
    return "Texture." + text::Format00(static_cast<std::int64_t>(index));
}

std::string SectionKeyPrefix(std::size_t index) {
    return "Section." + text::Format00(static_cast<std::int64_t>(index)) + ".";
}

std::string Quoted(std::string_view value) { return "\"" + std::string(value) + "\""; }

bool HasTextureSection(const CheckedConfiguration& c, std::size_t index) {
    std::string value;
    return c.ini.Lookup(TextureSection(index), "BaseTextureName", value);
}

bool HasPiece(const CheckedConfiguration& c, std::size_t texture, std::size_t piece) {
    std::string value;
    return std::any_of(kPieceKeys.begin(), kPieceKeys.end(), [&](const char* key) {
        return c.ini.Lookup(TextureSection(texture), SectionKeyPrefix(piece) + key, value);
    });
}

}  // namespace decalia::tools
