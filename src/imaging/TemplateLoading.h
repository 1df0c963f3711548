#pragma once
// Choosing the painter's template and loading it, with its alpha companion
// (<name>_a.bmp), into the template surfaces.

#include <string>
#include <string_view>

namespace decalia {

class Application;

inline constexpr const char* kTemplateFilter = "Decalia Template Files |*.bmp";
inline constexpr const char* kNoAlphaMessage =
    "No Alpha Channel bitmap was found.  This aircraft will still compile, but will not show "
    "reflections.\n\nIf you need further assistance, please consult the documentation.";

// The template path trimmed, its last four characters replaced by "_a.bmp".
std::string AlphaCompanionPath(std::string_view templatePath);

// Step 2's "select": the open-file dialog, then the step's values and labels.
void ChooseTemplateFile(Application& app);
// Loads the template (and its companion when the aircraft wants one), updates
// the main window's preview controls and shows the first preview.
void LoadTemplate(Application& app, std::string_view templatePath);
void LoadTemplateBitmaps(Application& app, std::string_view templatePath, std::string_view alphaPath);

}  // namespace decalia
