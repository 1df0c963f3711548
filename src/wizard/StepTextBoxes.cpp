#include "wizard/StepTextBoxes.h"

#include <string>

#include "appstate/Application.h"
#include "platform/forms/Forms.h"
#include "platform/text/Text.h"
#include "wizard/StepTexts.h"

namespace decalia {
namespace {

// The step value keeps the text as typed, blanks included; Next is offered
// whatever the text is, also when it became empty.
void KeepStepValue(forms::TextBox& box, std::string& stepValue, ui::TinyButton& next) {
    box.Change = [&box, &stepValue, &next] {
        stepValue = box.Text();
        next.SetState("enabled");
    };
}

}  // namespace

void InstallTextBoxChanges(Application& app) {
    KeepStepValue(app.frm_Variation.txt_Variation, app.job.StepVariation,
                  app.frm_Variation.btn_Next);
    KeepStepValue(app.frm_TailNumber.txt_TailNumber, app.job.StepTailNumber,
                  app.frm_TailNumber.btn_Next);

    FolderScreen& folder = app.frm_Folder;
    folder.txt_Folder.Change = [&app, &folder] {
        app.job.StepFolderExtension = folder.txt_Folder.Text();
        folder.btn_Next.SetState("enabled");
        folder.lbl_Example.SetCaption(kExamplePrefix + text::Trim(folder.txt_Folder.Text()));
    };
}

}  // namespace decalia
