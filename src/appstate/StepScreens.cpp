#include "appstate/StepScreens.h"

#include "appstate/Layout.h"

namespace decalia {
namespace {

// Where the second instruction stands, below each screen's own input.
constexpr int kSecondInstructionTop = 206;

}  // namespace

StepScreen::StepScreen(forms::Runtime& runtime, std::string name, const ui::Toolkit& toolkit,
                       bool hasPrevious)
    : Form(runtime, std::move(name)),
      lbl_Title(AddLabel("lbl_Title", "", 20, 50, 330, 20)),
      lbl_Instructions(AddLabel("lbl_Instructions", "", 20, 74, 360, 64)),
      lbl_instructions2(hasPrevious
                            ? &AddLabel("lbl_instructions2", "", 20, kSecondInstructionTop, 360, 42)
                            : nullptr),
      btn_Close(Add<ui::TinyButton>("btn_Close", nullptr, toolkit)),
      btn_Previous(hasPrevious ? &Add<ui::TinyButton>("btn_Previous", nullptr, toolkit) : nullptr),
      btn_Next(Add<ui::TinyButton>("btn_Next", nullptr, toolkit)) {
    lbl_Title.SetFontSize(9.75);
}

forms::Label& StepScreen::AddLabel(std::string name, std::string caption, int left, int top,
                                   int width, int height) {
    forms::Label& label = Add<forms::Label>(std::move(name));
    label.SetCaption(std::move(caption));
    Place(label, left, top, width, height);
    return label;
}

void StepScreen::Place(forms::Control& control, int left, int top, int width, int height) {
    PlacePixels(control, left, top, width, height);
}

SelectAircraftScreen::SelectAircraftScreen(forms::Runtime& runtime, const ui::Toolkit& toolkit)
    : StepScreen(runtime, "frm_SelectAircraft", toolkit, false),
      lst_SelectAircraft(AddPlaced<forms::ListBox>("lst_SelectAircraft", 20, 142, 360, 104)) {}

SelectTemplateScreen::SelectTemplateScreen(forms::Runtime& runtime, const ui::Toolkit& toolkit)
    : StepScreen(runtime, "frm_SelectTemplate", toolkit, true),
      Label1(AddLabel("Label1", "Current template:", 60, 150, 110)),
      lbl_CurrentTemplate(AddLabel("lbl_CurrentTemplate", "No Template Currently Selected", 170,
                                   150, 210)),
      Label2(AddLabel("Label2", "Selected template:", 60, 180, 110)),
      lbl_SelectedTemplate(AddLabel("lbl_SelectedTemplate", "No Template Currently Selected", 170,
                                    180, 210)),
      btn_Select(Add<ui::TinyButton>("btn_Select", nullptr, toolkit)),
      cdl(Add<forms::CommonDialog>("cdl")) {
    // Clear of the Select button's column.
    PlacePixels(*lbl_instructions2, 60, 204, 320, 44);
}

VariationScreen::VariationScreen(forms::Runtime& runtime, const ui::Toolkit& toolkit)
    : StepScreen(runtime, "frm_Variation", toolkit, true),
      Label1(AddLabel("Label1", "Manufacturer:", 20, 142, 100)),
      lbl_CurrentManufacturer(AddLabel("lbl_CurrentManufacturer", "", 120, 142, 260)),
      Label2(AddLabel("Label2", "Aircraft type:", 20, 160, 100)),
      lbl_CurrentType(AddLabel("lbl_CurrentType", "", 120, 160, 260)),
      txt_Variation(AddPlaced<forms::TextBox>("txt_Variation", 20, 180, 360, 21)) {
    txt_Variation.SetText("Enter Aircraft Variation");
}

FolderScreen::FolderScreen(forms::Runtime& runtime, const ui::Toolkit& toolkit)
    : StepScreen(runtime, "frm_Folder", toolkit, true),
      txt_Folder(AddPlaced<forms::TextBox>("txt_Folder", 20, 148, 360, 21)),
      Label1(AddLabel("Label1", "Folder name:", 20, 178, 90)),
      lbl_Example(AddLabel("lbl_Example", "Texture.Aircraft Folder", 110, 178, 270)) {
    txt_Folder.SetText("Enter Aircraft Folder Extension");
}

TailNumberScreen::TailNumberScreen(forms::Runtime& runtime, const ui::Toolkit& toolkit)
    : StepScreen(runtime, "frm_TailNumber", toolkit, true),
      Label1(AddLabel("Label1", "Current tail number:", 20, 150, 130)),
      lbl_CurrentTailNumber(AddLabel("lbl_CurrentTailNumber", "No Current Tail Number", 150, 150, 230)),
      txt_TailNumber(AddPlaced<forms::TextBox>("txt_TailNumber", 20, 174, 360, 21)) {
    txt_TailNumber.SetText("Enter Aircraft Tail Number");
}

CallsignScreen::CallsignScreen(forms::Runtime& runtime, const ui::Toolkit& toolkit)
    : StepScreen(runtime, "frm_Callsign", toolkit, true),
      Label1(AddLabel("Label1", "Current callsign:", 20, 150, 110)),
      lbl_CurrentCallsign(AddLabel("lbl_CurrentCallsign", "No Current Callsign", 130, 150, 250)),
      lst_Callsign(AddPlaced<forms::ComboBox>("lst_Callsign", 20, 174, 360, 21,
                                              forms::vbComboDropdown)) {}

}  // namespace decalia
