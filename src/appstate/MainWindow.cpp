#include "appstate/MainWindow.h"

#include "appstate/Layout.h"

namespace decalia {
namespace {

using forms::Label;

Label& MakeLabel(forms::Form& form, std::string name, std::string text, int left, int top,
               int width, int height = 16) {
    Label& label = form.Add<Label>(std::move(name));
    label.SetCaption(std::move(text));
    PlacePixels(label, left, top, width, height);
    return label;
}

// The step column: a caption and the current value beside each step button.
constexpr int kStepTop = 149;
constexpr int kStepPitch = 52;
int StepCaptionTop(int step) { return kStepTop + step * kStepPitch + 1; }
int StepValueTop(int step) { return StepCaptionTop(step) + 17; }

template <class T>
T& Placed(forms::Form& form, std::string name, int left, int top, int width, int height) {
    T& control = form.Add<T>(std::move(name));
    PlacePixels(control, left, top, width, height);
    return control;
}

}  // namespace

MainWindow::MainWindow(forms::Runtime& runtime, const ui::Toolkit& toolkit)
    : Form(runtime, "frm_Main"),
      Label1(MakeLabel(*this, "Label1", "Your repaint", 20, 116, 380)),
      Label3(MakeLabel(*this, "Label3", "Aircraft", 60, StepCaptionTop(0), 340)),
      Label4(MakeLabel(*this, "Label4", "Repaint template", 60, StepCaptionTop(1), 340)),
      Label5(MakeLabel(*this, "Label5", "Aircraft variation", 60, StepCaptionTop(2), 340)),
      Label6(MakeLabel(*this, "Label6", "Texture folder", 60, StepCaptionTop(3), 340)),
      Label8(MakeLabel(*this, "Label8", "Tail number", 60, StepCaptionTop(4), 340)),
      Label10(MakeLabel(*this, "Label10", "Callsign", 60, StepCaptionTop(5), 340)),
      lbl_CurrentAircraft(MakeLabel(*this, "lbl_CurrentAircraft", "No aircraft currently selected",
                                  60, StepValueTop(0), 350)),
      lbl_CurrentTemplate(MakeLabel(*this, "lbl_CurrentTemplate",
                                  "No repaint template currently selected", 60, StepValueTop(1), 350)),
      lbl_CurrentVariation(MakeLabel(*this, "lbl_CurrentVariation",
                                   "No aircraft variation currently entered", 60, StepValueTop(2), 350)),
      lbl_CurrentFolder(MakeLabel(*this, "lbl_CurrentFolder", "No folder extension currently entered",
                                60, StepValueTop(3), 350)),
      lbl_CurrentTailNumber(MakeLabel(*this, "lbl_CurrentTailNumber",
                                    "No tail number currently entered", 60, StepValueTop(4), 350)),
      lbl_CurrentCallsign(MakeLabel(*this, "lbl_CurrentCallsign", "No callsign currently selected",
                                  60, StepValueTop(5), 350)),
      lbl_Status(MakeLabel(*this, "lbl_Status", "", 24, 536, 380)),
      Pic_StatusBackground(Placed<forms::PictureBox>(*this, "Pic_StatusBackground", 24, 556, 380, 16)),
      pic_StatusBar(Add<forms::PictureBox>("pic_StatusBar", &Pic_StatusBackground)),
      lbl_Version(MakeLabel(*this, "lbl_Version", "", 596, 572, 190)),
      Label12(MakeLabel(*this, "Label12", "Texture preview", 450, 88, 330)),
      lst_Texture(Add<forms::ComboBox>("lst_Texture", nullptr, forms::vbComboDropdownList)),
      Label13(MakeLabel(*this, "Label13", "View", 450, 136, 40)),
      opt_Standard(Placed<forms::OptionButton>(*this, "opt_Standard", 500, 134, 110, 18)),
      opt_Alpha(Placed<forms::OptionButton>(*this, "opt_Alpha", 620, 134, 110, 18)),
      previewPicture(Placed<forms::PictureBox>(*this, "previewPicture", 450, 160, 330, 330)),
      PreviewImage(Placed<forms::Image>(*this, "PreviewImage", 450, 160, 330, 330)),
      Preview_Scroll(Placed<forms::HScrollBar>(*this, "Preview_Scroll", 450, 494, 330, 17)),
      Label14(MakeLabel(*this, "Label14", "Texture compression", 450, 516, 160)),
      chkDXT3(Placed<forms::CheckBox>(*this, "chkDXT3", 610, 514, 170, 18)),
      btn_Close(Add<ui::TinyButton>("btn_Close", nullptr, toolkit)),
      btn_Help(Add<ui::TinyButton>("btn_Help", nullptr, toolkit)),
      btn_SelectAircraft(Add<ui::TinyButton>("btn_SelectAircraft", nullptr, toolkit)),
      btn_SelectTemplate(Add<ui::TinyButton>("btn_SelectTemplate", nullptr, toolkit)),
      btn_Variation(Add<ui::TinyButton>("btn_Variation", nullptr, toolkit)),
      btn_Folder(Add<ui::TinyButton>("btn_Folder", nullptr, toolkit)),
      btn_TailNumber(Add<ui::TinyButton>("btn_TailNumber", nullptr, toolkit)),
      btn_Callsign(Add<ui::TinyButton>("btn_Callsign", nullptr, toolkit)),
      btn_Wizard(Add<ui::LargeButton>("btn_Wizard", nullptr, toolkit)),
      btn_CreateAircraft(Add<ui::LargeButton>("btn_CreateAircraft", nullptr, toolkit)) {
    PlacePixels(pic_StatusBar, 0, 0, 0, 14);
    PlacePixels(lst_Texture, 450, 106, 330, 21);
    opt_Standard.SetCaption("Standard");
    opt_Standard.SetValue(true);
    opt_Alpha.SetCaption("Alpha");
    // The picture box is only the drawing surface; the image shows it scaled.
    previewPicture.SetVisible(false);
    previewPicture.SetAutoRedraw(true);
    PreviewImage.SetStretch(true);
    // Loading a template shows the preview and unlocks its list; a build
    // shows the progress bar while it runs.
    PreviewImage.SetVisible(false);
    Preview_Scroll.SetVisible(false);
    lst_Texture.SetEnabled(false);
    Pic_StatusBackground.SetVisible(false);
    Preview_Scroll.SetMax(100);
    Preview_Scroll.SetLargeChange(10);
    chkDXT3.SetCaption("DXT3 compressed");
}

}  // namespace decalia
