#pragma once
// What the configuration checker finds, and the configuration it looks at:
// the record as the program reads it, beside the raw INI text, since a count
// that disagrees with its list only shows in the text.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "config/AircraftConfiguration.h"
#include "platform/profile/Profile.h"

namespace decalia::tools {

enum class Severity { Error, Warning };

struct CheckProblem {
    Severity severity;
    std::string section;  // INI section, e.g. "Texture.02"
    std::string key;      // e.g. "Section.00.DestRight"; empty for the section as a whole
    std::string text;
};

class ProblemList {
public:
    void Error(std::string section, std::string key, std::string text);
    void Warning(std::string section, std::string key, std::string text);
    const std::vector<CheckProblem>& All() const { return problems_; }
    bool HasErrors() const;

private:
    std::vector<CheckProblem> problems_;
};

struct CheckedConfiguration {
    const win::ProfileText& ini;
    const config::AircraftConfiguration& record;
    const config::ExtraTextures& extraTextures;
    const config::ExtraFields& extraFields;
    std::string appFolder;
};

// "Texture.02", the INI section of texture i.
std::string TextureSection(std::size_t index);
// "Section.03." for piece j of a sheet, as its keys begin.
std::string SectionKeyPrefix(std::size_t index);
std::string Quoted(std::string_view value);
// A texture the count promises but the file lacks is reported once, as
// missing, and checked no further.
bool HasTextureSection(const CheckedConfiguration& c, std::size_t index);
// Likewise a piece of a sheet with none of its keys in the file.
inline constexpr std::array<const char*, 8> kPieceKeys = {"TemplateLeft", "TemplateTop", "TemplateRight",
                                                          "TemplateBottom", "DestLeft", "DestTop",
                                                          "DestRight", "DestBottom"};
bool HasPiece(const CheckedConfiguration& c, std::size_t texture, std::size_t piece);

void CheckSheets(const CheckedConfiguration& c, ProblemList& problems);
void CheckNames(const CheckedConfiguration& c, ProblemList& problems);
void CheckCounts(const CheckedConfiguration& c, ProblemList& problems);
void CheckFiles(const CheckedConfiguration& c, ProblemList& problems);

}  // namespace decalia::tools
