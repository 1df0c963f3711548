#include "WizardUser.h"

#include "BatchJob.h"
#include "appstate/Application.h"
#include "platform/desktop/HeadlessDesktop.h"
#include "platform/forms/Forms.h"
#include "platform/text/Text.h"

namespace decalia::batch {
namespace {

std::string Comparable(const std::string& name) { return text::UCase(text::Trim(name)); }

}  // namespace

int WizardUser::AircraftLine(const std::string& aircraft) const {
    const forms::ListBox& list = app_.frm_SelectAircraft.lst_SelectAircraft;
    for (int line = 0; line < list.ListCount(); ++line)
        if (Comparable(list.List(line)) == Comparable(aircraft)) return line;
    return -1;
}

void WizardUser::RunWizard(const BatchJob& job) {
    Application& a = app_;
    forms::CheckBox& dxt3 = a.frm_Main.chkDXT3;
    if ((dxt3.Value() == forms::vbChecked) != job.dxt3) desktop_.Click(dxt3);
    const auto next = [this](StepScreen& screen) { desktop_.Click(screen.btn_Next); };
    desktop_.OnModal(a.frm_SelectAircraft.Name(), [&, next](forms::Form&) {
        desktop_.SelectItem(a.frm_SelectAircraft.lst_SelectAircraft, AircraftLine(job.aircraft));
        next(a.frm_SelectAircraft);
    });
    desktop_.OnModal(a.frm_SelectTemplate.Name(), [&, next](forms::Form&) {
        desktop_.AnswerOpenFile(job.templatePath);
        desktop_.Click(a.frm_SelectTemplate.btn_Select);
        next(a.frm_SelectTemplate);
    });
    desktop_.OnModal(a.frm_Variation.Name(), [&, next](forms::Form&) {
        desktop_.TypeOver(a.frm_Variation.txt_Variation, job.variation);
        next(a.frm_Variation);
    });
    desktop_.OnModal(a.frm_Folder.Name(), [&, next](forms::Form&) {
        desktop_.TypeOver(a.frm_Folder.txt_Folder, job.folderExtension);
        next(a.frm_Folder);
    });
    // An empty tail number keeps the one the step shows: the aircraft's own.
    desktop_.OnModal(a.frm_TailNumber.Name(), [&, next](forms::Form&) {
        if (!text::Trim(job.tailNumber).empty())
            desktop_.TypeOver(a.frm_TailNumber.txt_TailNumber, job.tailNumber);
        next(a.frm_TailNumber);
    });
    desktop_.OnModal(a.frm_Callsign.Name(), [&, next](forms::Form&) {
        desktop_.TypeOver(a.frm_Callsign.lst_Callsign, job.callsign);
        next(a.frm_Callsign);
    });
    desktop_.Click(a.frm_Main.btn_Wizard);
}

void WizardUser::CreateAircraft() { desktop_.Click(app_.frm_Main.btn_CreateAircraft); }

}  // namespace decalia::batch
