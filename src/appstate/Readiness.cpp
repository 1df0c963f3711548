#include "appstate/Readiness.h"

#include <array>
#include <utility>

#include "appstate/Application.h"
#include "platform/text/Text.h"

namespace decalia {
namespace {

constexpr const char* kNoStepTemplate = "No Template Currently Selected";

void ResetStepScreens(Application& app) {
    EnsureLoaded(app.frm_SelectTemplate);
    app.frm_SelectTemplate.lbl_CurrentTemplate.SetCaption(kNoStepTemplate);
    app.frm_SelectTemplate.lbl_SelectedTemplate.SetCaption(kNoStepTemplate);
    EnsureLoaded(app.frm_Variation);
    app.frm_Variation.txt_Variation.SetText("Enter Aircraft Variation");
    EnsureLoaded(app.frm_Folder);
    app.frm_Folder.lbl_Example.SetCaption("Texture.Aircraft Folder");
    app.frm_Folder.txt_Folder.SetText("Enter Aircraft Folder Extension");
    EnsureLoaded(app.frm_TailNumber);
    app.frm_TailNumber.lbl_CurrentTailNumber.SetCaption("No Current Tail Number");
    app.frm_TailNumber.txt_TailNumber.SetText("Enter Aircraft Tail Number");
    EnsureLoaded(app.frm_Callsign);
    app.frm_Callsign.lbl_CurrentCallsign.SetCaption("No Current Callsign");
    app.frm_Callsign.lst_Callsign.SetListIndex(0);
}

void ResetMainWindow(Application& app) {
    MainWindow& main = app.frm_Main;
    for (ui::TinyButton* step : {&main.btn_SelectTemplate, &main.btn_Variation, &main.btn_Folder,
                                 &main.btn_TailNumber, &main.btn_Callsign}) {
        step->SetPicture(kStepOpen);
        step->SetState("enabled");
    }
    main.btn_CreateAircraft.SetState("disabled");
    main.lbl_CurrentTemplate.SetCaption("No repaint template currently selected");
    main.lbl_CurrentVariation.SetCaption("No aircraft variation currently entered");
    main.lbl_CurrentFolder.SetCaption("No folder extension currently entered");
    main.lbl_CurrentTailNumber.SetCaption("No tail number currently entered");
    main.lbl_CurrentCallsign.SetCaption("No callsign currently selected");
    main.previewPicture.Cls();
    main.previewPicture.SetPicture({});
    main.previewPicture.Refresh();
    main.PreviewImage.SetPicture({});
    main.lst_Texture.Clear();
}

}  // namespace

void ResetRepaintJobDisplay(Application& app) {
    ResetStepScreens(app);
    ResetMainWindow(app);
    UpdateStatusLine(app);
}

void UpdateStatusLine(Application& app) {
    MainWindow& main = app.frm_Main;
    const std::array<std::pair<ui::TinyButton*, const char*>, 6> steps = {{
        {&main.btn_SelectAircraft, "Ready to Load Aircraft Specification"},
        {&main.btn_SelectTemplate, "Ready to Load Repaint Template"},
        {&main.btn_Variation, "Ready to Enter Aircraft Variation Information"},
        {&main.btn_Folder, "Ready to Designate Texture Folder"},
        {&main.btn_TailNumber, "Ready to Enter Tail Number"},
        {&main.btn_Callsign, "Ready to Select Aircraft Callsign"},
    }};
    for (const auto& [button, status] : steps) {
        if (text::LCase(button->picture()) == "empty") {
            main.lbl_Status.SetCaption(status);
            main.lbl_Status.Refresh();
            return;
        }
    }
    main.lbl_Status.SetCaption(kStatusReadyToCreate);
    main.btn_CreateAircraft.SetState("enabled");
    main.lbl_Status.Refresh();
}

void ShowCentredOnMain(Application& app, forms::Form& window) {
    const MainWindow& main = app.frm_Main;
    window.SetLeft(main.Left() + main.Width() / 2 - window.Width() / 2);
    window.SetTop(main.Top() + main.Height() / 2 - window.Height() / 2);
    window.Show(forms::ShowMode::Modal);
}

}  // namespace decalia
