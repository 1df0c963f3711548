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

}  // namespace decalia::tools
