#include "app/MainWindowLoad.h"

#include <string>
#include <vector>

#include "appstate/Application.h"
#include "appstate/CurrentConfiguration.h"
#include "appstate/Layout.h"
#include "appstate/SkinnedWindow.h"
#include "platform/forms/Forms.h"
#include "ui/SmallFontFix.h"

namespace decalia {
namespace {

// In the order the load handler sets them up.
std::vector<ButtonSetup> ButtonSetups(MainWindow& main) {
    return {
    {main.btn_Close, 756, 15, "close", "Close", "enabled", "Click to Exit from Decalia."},
    {main.btn_Help, 715, 15, "help", "Help", "enabled",
     "Click to access the Help document for Decalia."},
    {main.btn_SelectAircraft, 16, 149, "selectaircraft", "Empty", "enabled",
     "Click to modify the aircraft selection."},
    {main.btn_SelectTemplate, 16, 201, "selecttemplate", "Empty", "disabled",
     "Click to modify the repaint template."},
    {main.btn_Variation, 16, 253, "variation", "Empty", "disabled",
     "Click to modify the aircraft variation."},
    {main.btn_Folder, 16, 305, "folder", "Empty", "disabled",
     "Click to modify the aircraft texture folder."},
    {main.btn_TailNumber, 16, 357, "tailnumber", "Empty", "disabled",
     "Click to modify the aircraft tail number."},
    {main.btn_Callsign, 16, 409, "callsign", "Empty", "disabled",
     "Click to modify the aircraft callsign."},
    {main.btn_Wizard, 185, 85, "wizard", "Wizard", "enabled",
     "Click to Start the Aircraft Repaint Wizard."},
    {main.btn_CreateAircraft, 185, 468, "create", "CreateAircraft", "disabled",
     "Click to create an aircraft repaint using the settings above."},
    };
}

std::string VersionText() {
    return "Decalia Version " + std::to_string(kVersionMajor) + "." +
           std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision);
}

void HighlightCurrentValues(MainWindow& main) {
    for (forms::Label* label : {&main.lbl_CurrentAircraft, &main.lbl_CurrentTemplate,
                                &main.lbl_CurrentVariation, &main.lbl_CurrentFolder,
                                &main.lbl_CurrentTailNumber, &main.lbl_CurrentCallsign})
        label->SetForeColor(kHighlightedText);
}

void LoadMainWindow(Application& app) {
    MainWindow& main = app.frm_Main;
    main.lbl_Version.SetCaption(VersionText());
    app.TransForm(Window::Main) = std::make_unique<ui::clsTransForm>(app.toolkit);
    ui::FixFormForFonts(main, app.fontScale);
    if (!LoadWindowSkin(app, Window::Main, 12000, 9000, "MainRegion.dat", "Main_Background.bmp"))
        EndForMissingMedia(app);
    app.Loaded(Window::Main) = true;
    ColourControls(main, kLabelText);
    SetUpButtons(main, ButtonSetups(main));
    HighlightCurrentValues(main);
}

void InstallPreviewEvents(Application& app) {
    MainWindow& main = app.frm_Main;
    const auto redraw = [&app] { RequestPreview(app); };
    main.lst_Texture.Click = redraw;
    main.opt_Alpha.Click = redraw;
    main.opt_Standard.Click = redraw;
    main.Preview_Scroll.Change = redraw;
}

}  // namespace

void InstallMainWindow(Application& app) {
    app.frm_Main.OnLoad = [&app] { LoadMainWindow(app); };
    InstallWindowDragging(app, Window::Main);
    InstallPreviewEvents(app);
}

}  // namespace decalia
