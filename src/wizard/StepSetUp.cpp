#include <string>

#include "appstate/Readiness.h"
#include "platform/forms/Forms.h"
#include "platform/text/Text.h"
#include "wizard/StepScreenBuild.h"
#include "wizard/StepTexts.h"
#include "wizard/mod_WizardScreens.h"

namespace decalia {
namespace {

enum class Mode { SingleStep, Wizard };

// The Next rule reads the confirmed job values, so a step confirmed before
// offers Next at once when its screen opens again.
bool Confirmed(const std::string& jobValue) { return !text::Trim(jobValue).empty(); }

void SetButton(ui::TinyButton& button, const char* buttonType, forms::Form& screen,
               const char* picture, const char* state, const char* toolTip) {
    button.SetButtonType(buttonType);
    button.SetFormName(&screen);
    button.SetPicture(picture);
    button.SetState(state);
    button.SetToolTip(toolTip);
}

void SetTexts(StepScreen& screen, const StepTexts& texts, Mode mode) {
    const bool wizard = mode == Mode::Wizard;
    screen.lbl_Title.SetCaption(wizard ? texts.titleWizard : texts.titleSingle);
    screen.lbl_Instructions.SetCaption(wizard ? texts.instructionWizard : texts.instructionSingle);
    if (screen.lbl_instructions2)
        screen.lbl_instructions2->SetCaption(wizard ? texts.secondInstructionWizard
                                                    : texts.secondInstructionSingle);
}

// In single-step mode the Previous position carries a Close button.
void SetPrevious(StepScreen& screen, const StepTexts& texts, Mode mode) {
    if (!screen.btn_Previous) return;
    if (mode == Mode::Wizard)
        SetButton(*screen.btn_Previous, "previous", screen, "Previous", "enabled",
                  kPreviousToolTip);
    else
        SetButton(*screen.btn_Previous, texts.closeWord, screen, "Close", "enabled",
                  texts.cancelToolTip);
}

void SetNext(StepScreen& screen, const StepTexts& texts, Mode mode, bool nextEnabled) {
    SetButton(screen.btn_Next, "next", screen, "Next", nextEnabled ? "enabled" : "disabled",
              mode == Mode::Wizard ? kNextToolTip : texts.confirmToolTip);
}

// The set-up every step shares; nextRule and extraFields are the step's own.
template <class NextRule, class ExtraFields>
void SetUpAndShow(Application& app, int step, bool wizard, NextRule nextRule,
                  ExtraFields extraFields) {
    StepScreen& screen = app.StepScreenOf(step);
    const StepTexts& texts = TextsOfStep(step);
    const Mode mode = wizard ? Mode::Wizard : Mode::SingleStep;
    // Also a screen unloaded since its build (step 1 with no aircraft) is
    // built again before its controls are written.
    if (!app.Loaded(WindowOfStep(step)) || !screen.IsLoaded()) screen.Load();
    SetTexts(screen, texts, mode);
    SetPrevious(screen, texts, mode);
    SetNext(screen, texts, mode, nextRule());
    screen.btn_Close.SetVisible(mode == Mode::Wizard || step == kFirstStep);
    extraFields();
    ShowCentredOnMain(app, screen);
}

// The list's activation offers Next on steps 1 and 6.
bool NeverAtSetUp() { return false; }
void NoExtraFields() {}

}  // namespace

void ShowAircraftStep(Application& app, bool wizard) {
    SetUpAndShow(app, 1, wizard, NeverAtSetUp, NoExtraFields);
}

void ShowTemplateStep(Application& app, bool wizard) {
    SetUpAndShow(app, 2, wizard, [&app] { return Confirmed(app.job.TemplateName); },
                 NoExtraFields);
}

void ShowVariationStep(Application& app, bool wizard) {
    VariationScreen& screen = app.frm_Variation;
    SetUpAndShow(app, 3, wizard, [&app] { return Confirmed(app.job.Variation); }, [&app, &screen] {
        screen.lbl_CurrentManufacturer.SetCaption(text::Trim(app.configuration.Manufacturer));
        screen.lbl_CurrentType.SetCaption(text::Trim(app.configuration.AircraftType));
        // Read before the box is written: its change handler rewrites the step value.
        const std::string variation = app.job.StepVariation;
        screen.txt_Variation.SetText(Confirmed(variation) ? variation : kVariationPrompt);
    });
}

void ShowFolderStep(Application& app, bool wizard) {
    SetUpAndShow(app, 4, wizard, [&app] { return Confirmed(app.job.FolderExtension); }, [&app] {
        const std::string extension = app.job.StepFolderExtension;
        app.frm_Folder.txt_Folder.SetText(Confirmed(extension) ? extension : kFolderPrompt);
    });
}

void ShowTailNumberStep(Application& app, bool wizard) {
    TailNumberScreen& screen = app.frm_TailNumber;
    SetUpAndShow(app, 5, wizard, [&app] { return Confirmed(app.job.TailNumber); }, [&app, &screen] {
        screen.lbl_CurrentTailNumber.SetCaption(app.job.TailNumber);
        // An empty tail number leaves the box empty: there is no prompt here.
        screen.txt_TailNumber.SetText(app.job.StepTailNumber);
    });
}

void ShowCallsignStep(Application& app, bool wizard) {
    SetUpAndShow(app, 6, wizard, NeverAtSetUp, NoExtraFields);
}

}  // namespace decalia
