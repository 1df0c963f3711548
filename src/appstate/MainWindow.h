#pragma once
// frm_Main: the program's one permanent window, declared with its controls in
// creation order. What it does lives with the application; this is only what
// it holds, so that everyone who writes to it can see it.

#include "platform/forms/Forms.h"
#include "ui/LargeButton.h"
#include "ui/TinyButton.h"

namespace decalia {

class MainWindow : public forms::Form {
public:
    MainWindow(forms::Runtime& runtime, const ui::Toolkit& toolkit);

    forms::Label& Label1;
    forms::Label& Label3;
    forms::Label& Label4;
    forms::Label& Label5;
    forms::Label& Label6;
    forms::Label& Label8;
    forms::Label& Label10;
    forms::Label& lbl_CurrentAircraft;
    forms::Label& lbl_CurrentTemplate;
    forms::Label& lbl_CurrentVariation;
    forms::Label& lbl_CurrentFolder;
    forms::Label& lbl_CurrentTailNumber;
    forms::Label& lbl_CurrentCallsign;
    forms::Label& lbl_Status;
    forms::PictureBox& Pic_StatusBackground;
    forms::PictureBox& pic_StatusBar;
    forms::Label& lbl_Version;
    forms::Label& Label12;
    forms::ComboBox& lst_Texture;
    forms::Label& Label13;
    forms::OptionButton& opt_Standard;
    forms::OptionButton& opt_Alpha;
    forms::PictureBox& previewPicture;
    forms::Image& PreviewImage;
    forms::HScrollBar& Preview_Scroll;
    forms::Label& Label14;
    forms::CheckBox& chkDXT3;
    ui::TinyButton& btn_Close;
    ui::TinyButton& btn_Help;
    ui::TinyButton& btn_SelectAircraft;
    ui::TinyButton& btn_SelectTemplate;
    ui::TinyButton& btn_Variation;
    ui::TinyButton& btn_Folder;
    ui::TinyButton& btn_TailNumber;
    ui::TinyButton& btn_Callsign;
    ui::LargeButton& btn_Wizard;
    ui::LargeButton& btn_CreateAircraft;
};

}  // namespace decalia
