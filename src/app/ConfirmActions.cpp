#include "app/ConfirmActions.h"

#include <string>

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
    const config::CatalogueEntry& entry = app.catalogue.Entries[static_cast<std::size_t>(index)];
    ReadAircraftConfiguration(app, entry.FilePath);
    app.job.AircraftIndex = index;
    app.job.StepAircraftName = entry.DisplayName;
    app.job.AircraftName = app.job.StepAircraftName;
    MainWindow& main = app.frm_Main;
    MarkDone(main.btn_SelectAircraft, main.lbl_CurrentAircraft, app.job.AircraftName);
    for (ui::TinyButton* step : {&main.btn_SelectTemplate, &main.btn_Variation, &main.btn_Folder,
                                 &main.btn_TailNumber, &main.btn_Callsign})
        step->SetState("enabled");
    Finish(app, app.frm_SelectAircraft);
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
    RepaintJob& job = app.job;
    job.Variation = job.StepVariation = app.frm_Variation.txt_Variation.Text();
    MarkDone(app.frm_Main.btn_Variation, app.frm_Main.lbl_CurrentVariation, job.Variation);
    Finish(app, app.frm_Variation);
    if (app.WizardMode) ShowFolderStep(app, true);
}

void ConfirmFolderStep(Application& app) {
    RepaintJob& job = app.job;
    job.FolderExtension = job.StepFolderExtension = app.frm_Folder.txt_Folder.Text();
    MarkDone(app.frm_Main.btn_Folder, app.frm_Main.lbl_CurrentFolder,
             "Texture." + text::Trim(job.FolderExtension));
    Finish(app, app.frm_Folder);
    if (app.WizardMode) ShowTailNumberStep(app, true);
}

void ConfirmTailNumberStep(Application& app) {
    RepaintJob& job = app.job;
    job.TailNumber = job.StepTailNumber = app.frm_TailNumber.txt_TailNumber.Text();
    MarkDone(app.frm_Main.btn_TailNumber, app.frm_Main.lbl_CurrentTailNumber, job.TailNumber);
    Finish(app, app.frm_TailNumber);
    if (app.WizardMode) ShowCallsignStep(app, true);
}

void ConfirmCallsignStep(Application& app) {
    RepaintJob& job = app.job;
    job.Callsign = job.StepCallsign = app.frm_Callsign.lst_Callsign.Text();
    MarkDone(app.frm_Main.btn_Callsign, app.frm_Main.lbl_CurrentCallsign, job.Callsign);
    Finish(app, app.frm_Callsign);
    if (app.WizardMode) app.frm_Main.btn_CreateAircraft.SetState("enabled");
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
