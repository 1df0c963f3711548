#include "app/ConfirmActions.h"

#include <string>
#include <string_view>

#include "appstate/Application.h"
#include "appstate/CurrentConfiguration.h"
#include "appstate/Readiness.h"
#include "imaging/TemplateLoading.h"
#include "platform/text/Text.h"
#include "wizard/mod_WizardScreens.h"

namespace decalia {
namespace {

void MarkDone(ui::TinyButton& stepButton, forms::Label& label, const std::string& shown) {
    stepButton.SetPicture(kStepDone);
    label.SetCaption(shown);
}

void Finish(Application& app, forms::Form& screen) {
    screen.Hide();
    PlayConfirmSound(app);
    UpdateStatusLine(app);
}

void ChooseAircraft(Application& app, std::int32_t index) {
    ReadCatalogueAircraft(app, index);
    MainWindow& main = app.frm_Main;
    MarkDone(main.btn_SelectAircraft, main.lbl_CurrentAircraft, app.job.AircraftName);
    for (ui::TinyButton* step : {&main.btn_SelectTemplate, &main.btn_Variation, &main.btn_Folder,
                                 &main.btn_TailNumber, &main.btn_Callsign})
        step->SetState("enabled");
    Finish(app, app.frm_SelectAircraft);
}

// A step whose screen's text, unchanged, becomes the step value and the job
// value. The main window shows the value, or the prefix and the trimmed value.
struct TextStep {
    forms::Form& screen;
    std::string text;
    std::string RepaintJob::*stepValue;
    std::string RepaintJob::*jobValue;
    ui::TinyButton& mark;
    forms::Label& label;
    std::string_view shownPrefix;
};

void ConfirmTextStep(Application& app, const TextStep& step) {
    app.job.*step.stepValue = step.text;
    const std::string& value = app.job.*step.jobValue = step.text;
    MarkDone(step.mark, step.label,
             step.shownPrefix.empty() ? value : std::string(step.shownPrefix) + text::Trim(value));
    Finish(app, step.screen);
}

}  // namespace

// Every entry with the chosen name is read in turn, so the last one stays
// chosen; the wizard goes on once, after the last, so that a second entry of
// the same name cannot send the user through the wizard again and clear it.
void ConfirmAircraftStep(Application& app) {
    const forms::ListBox& list = app.frm_SelectAircraft.lst_SelectAircraft;
    if (list.ListIndex() < 0) return;
    const std::string target = text::UCase(text::Trim(list.Text()));
    bool chosen = false;
    for (std::int32_t i = 0; i <= app.catalogue.LastCatalogueIndex; ++i) {
        const auto& entry = app.catalogue.Entries[static_cast<std::size_t>(i)];
        if (text::UCase(text::Trim(entry.DisplayName)) != target) continue;
        ChooseAircraft(app, i);
        chosen = true;
    }
    if (chosen && app.WizardMode) ShowTemplateStep(app, true);
}

void ConfirmTemplateStep(Application& app) {
    RepaintJob& job = app.job;
    job.TemplateName = job.StepTemplateName;
    job.TemplatePath = job.StepTemplatePath;
    app.frm_SelectTemplate.lbl_CurrentTemplate.SetCaption(job.TemplateName);
    MainWindow& main = app.frm_Main;
    MarkDone(main.btn_SelectTemplate, main.lbl_CurrentTemplate, job.StepTemplateName);
    LoadTemplate(app, text::Trim(job.TemplatePath));
    Finish(app, app.frm_SelectTemplate);
    if (app.WizardMode) ShowVariationStep(app, true);
}

void ConfirmVariationStep(Application& app) {
    MainWindow& main = app.frm_Main;
    ConfirmTextStep(app, {app.frm_Variation, app.frm_Variation.txt_Variation.Text(),
                          &RepaintJob::StepVariation, &RepaintJob::Variation, main.btn_Variation,
                          main.lbl_CurrentVariation, ""});
    if (app.WizardMode) ShowFolderStep(app, true);
}

void ConfirmFolderStep(Application& app) {
    MainWindow& main = app.frm_Main;
    ConfirmTextStep(app, {app.frm_Folder, app.frm_Folder.txt_Folder.Text(),
                          &RepaintJob::StepFolderExtension, &RepaintJob::FolderExtension,
                          main.btn_Folder, main.lbl_CurrentFolder, "Texture."});
    if (app.WizardMode) ShowTailNumberStep(app, true);
}

void ConfirmTailNumberStep(Application& app) {
    MainWindow& main = app.frm_Main;
    ConfirmTextStep(app, {app.frm_TailNumber, app.frm_TailNumber.txt_TailNumber.Text(),
                          &RepaintJob::StepTailNumber, &RepaintJob::TailNumber, main.btn_TailNumber,
                          main.lbl_CurrentTailNumber, ""});
    if (app.WizardMode) ShowCallsignStep(app, true);
}

void ConfirmCallsignStep(Application& app) {
    MainWindow& main = app.frm_Main;
    ConfirmTextStep(app, {app.frm_Callsign, app.frm_Callsign.lst_Callsign.Text(),
                          &RepaintJob::StepCallsign, &RepaintJob::Callsign, main.btn_Callsign,
                          main.lbl_CurrentCallsign, ""});
    if (app.WizardMode) main.btn_CreateAircraft.SetState("enabled");
}

void ConfirmStep(Application& app, int step) {
    switch (step) {
        case 1: ConfirmAircraftStep(app); break;
        case 2: ConfirmTemplateStep(app); break;
        case 3: ConfirmVariationStep(app); break;
        case 4: ConfirmFolderStep(app); break;
        case 5: ConfirmTailNumberStep(app); break;
        case 6: ConfirmCallsignStep(app); break;
        default: break;
    }
}

void PlayConfirmSound(Application& app) {
    (void)app.runtime.Windows().PlaySoundA(app.AppPath("\\Media\\Next.wav"),
                                           win::SND_ASYNC | win::SND_NODEFAULT | win::SND_FILENAME);
}

}  // namespace decalia
