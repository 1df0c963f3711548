#include "wizard/StepScreenBuild.h"

#include <memory>
#include <vector>

#include "appstate/Layout.h"
#include "appstate/SkinnedWindow.h"
#include "platform/forms/Forms.h"
#include "ui/SmallFontFix.h"
#include "wizard/StepTexts.h"

namespace decalia {
namespace {

// The twips size of every step screen: 400 x 300 pixels at the design density.
constexpr double kScreenWidthTwips = 6000;
constexpr double kScreenHeightTwips = 4500;

// In the order the build sets them up: Close, Previous, Next, Select.
std::vector<ButtonSetup> ButtonsOf(Application& app, int step) {
    StepScreen& screen = app.StepScreenOf(step);
    std::vector<ButtonSetup> buttons;
    buttons.push_back({screen.btn_Close, 360, 7, "close", "Close", "enabled",
                       TextsOfStep(step).closeToolTip});
    if (screen.btn_Previous)
        buttons.push_back({*screen.btn_Previous, 161, 253, "previous", "Previous", "enabled",
                           kPreviousToolTip});
    // Step 1 has no Previous beside it, so its Next stands nearer the middle.
    buttons.push_back({screen.btn_Next, step == kFirstStep ? 183 : 206, 253, "next", "Next",
                       "disabled", kNextToolTip});
    if (step == 2)
        buttons.push_back({app.frm_SelectTemplate.btn_Select, 17, 176, "select", "Empty",
                           "enabled", kSelectToolTip});
    return buttons;
}

std::vector<forms::Label*> HighlightedLabelsOf(Application& app, int step) {
    std::vector<forms::Label*> labels{&app.StepScreenOf(step).lbl_Title};
    switch (step) {
        case 2:
            labels.push_back(&app.frm_SelectTemplate.lbl_CurrentTemplate);
            labels.push_back(&app.frm_SelectTemplate.lbl_SelectedTemplate);
            break;
        case 3:
            labels.push_back(&app.frm_Variation.lbl_CurrentManufacturer);
            labels.push_back(&app.frm_Variation.lbl_CurrentType);
            break;
        case 4: labels.push_back(&app.frm_Folder.lbl_Example); break;
        case 5: labels.push_back(&app.frm_TailNumber.lbl_CurrentTailNumber); break;
        case 6: labels.push_back(&app.frm_Callsign.lbl_CurrentCallsign); break;
        default: break;
    }
    return labels;
}

void BuildStepScreen(Application& app, int step) {
    StepScreen& screen = app.StepScreenOf(step);
    const Window window = WindowOfStep(step);
    app.TransForm(window) = std::make_unique<ui::clsTransForm>(app.toolkit);
    ui::FixFormForFonts(screen, app.fontScale);
    if (!LoadWindowSkin(app, window, kScreenWidthTwips, kScreenHeightTwips, "WizardRegion.dat",
                        "Wizard_Background.bmp"))
        EndForMissingMedia(app);
    app.Loaded(window) = true;
    ColourControls(screen, kHighlightedText);
    // Positions are pixels: shaping the screen switched it to the pixel scale.
    SetUpButtons(screen, ButtonsOf(app, step));
    for (forms::Label* label : HighlightedLabelsOf(app, step)) label->SetForeColor(kHighlightedText);
}

}  // namespace

void InstallStepScreenBuilds(Application& app) {
    for (int step = kFirstStep; step <= kLastStep; ++step) {
        StepScreen& screen = app.StepScreenOf(step);
        screen.OnLoad = [&app, step] { BuildStepScreen(app, step); };
        InstallWindowDragging(app, WindowOfStep(step));
    }
}

}  // namespace decalia
