#pragma once
// Everything the program keeps for the whole run, in one object: the windows,
// the repaint job, the current aircraft configuration, the catalogue, the
// airline list and the flags beside them. Main creates one; so does every
// test, so that tests run in any order and in parallel.

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "appstate/BitmapSurface.h"
#include "appstate/FltsimTable.h"
#include "appstate/MainWindow.h"
#include "appstate/RepaintJob.h"
#include "appstate/StepScreens.h"
#include "config/AircraftCatalogue.h"
#include "config/AircraftConfiguration.h"
#include "config/AirlineList.h"
#include "platform/forms/Runtime.h"
#include "ui/SmallFontFix.h"
#include "ui/Toolkit.h"
#include "ui/clsTransForm.h"

namespace decalia {

inline constexpr const char* kProgramTitle = "Decalia";
inline constexpr const char* kMediaMissingMessage =
    "Media files are missing. Please reinstall Decalia.";

// The seven windows in the fixed order shutdown walks them.
enum class Window { Main, SelectAircraft, SelectTemplate, Variation, Folder, TailNumber, Callsign };
inline constexpr std::size_t kWindowCount = 7;

class Application {
public:
    // appFolder: the folder of the running executable, as a program path.
    Application(forms::Desktop& desktop, std::string appFolder);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    const std::string& AppFolder() const { return toolkit.appFolder; }
    // The program's folder followed by a relative path given with '\'.
    std::string AppPath(std::string_view relative) const;

    forms::Runtime runtime;
    ui::Toolkit toolkit;
    ui::FontScaleState fontScale;

    MainWindow frm_Main;
    SelectAircraftScreen frm_SelectAircraft;
    SelectTemplateScreen frm_SelectTemplate;
    VariationScreen frm_Variation;
    FolderScreen frm_Folder;
    TailNumberScreen frm_TailNumber;
    CallsignScreen frm_Callsign;

    forms::Form& WindowOf(Window window);
    StepScreen& StepScreenOf(int step);  // 1 to 6

    // True once the window's load handler ran; never cleared.
    std::array<bool, kWindowCount> loaded{};
    // Each window's shaped-window object, made by its load handler.
    std::array<std::unique_ptr<ui::clsTransForm>, kWindowCount> transForms;
    bool& Loaded(Window window) { return loaded[static_cast<std::size_t>(window)]; }
    std::unique_ptr<ui::clsTransForm>& TransForm(Window window) {
        return transForms[static_cast<std::size_t>(window)];
    }

    RepaintJob job;
    bool TemplateLoaded = false;
    bool AlphaLoaded = false;
    bool WizardMode = false;
    bool ConfigurationLoading = false;

    config::AircraftConfiguration configuration;
    config::ExtraTextures extraTextures;
    config::ExtraFields extraFields;
    config::AircraftCatalogue catalogue;
    config::AirlineList airlines;

    // The template pair, loaded from the painter's files, and the pair of
    // sheets composed from them.
    BitmapSurface templateSurface;
    BitmapSurface alphaTemplateSurface;
    BitmapSurface sheetSurface;
    BitmapSurface alphaSheetSurface;

    // The texture library, opened on first use.
    std::shared_ptr<void> textureLibrary;

    FltsimEntries fltsim;
    WeightAndBalance weightAndBalance;

    // Draws the texture preview from the main window's controls; installed by
    // the imaging layer, and left empty where there is none.
    std::function<void()> renderPreview;

    // What a button release runs; installed by the program's start-up and
    // handed to the skinned buttons through the toolkit.
    std::unique_ptr<ui::CommandDispatch> commands;
};

// Loads a window that has not been loaded yet: a window's controls may be
// written before it was ever shown, and that builds it first.
void EnsureLoaded(forms::Form& window);

// The message every window shows when a skin file cannot be read, and the end
// of the program. Does not return.
[[noreturn]] void EndForMissingMedia(Application& app);

}  // namespace decalia
