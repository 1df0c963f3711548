#pragma once
// The six step screens, declared with their controls in creation order. Their
// build and set-up live with the wizard; this is what they hold.

#include "platform/forms/Forms.h"
#include "ui/TinyButton.h"

namespace decalia {

// What every step screen has. Step 1 has no second instruction and no
// Previous button: those are null there.
class StepScreen : public forms::Form {
public:
    forms::Label& lbl_Title;
    forms::Label& lbl_Instructions;
    forms::Label* const lbl_instructions2;
    ui::TinyButton& btn_Close;
    ui::TinyButton* const btn_Previous;
    ui::TinyButton& btn_Next;

protected:
    StepScreen(forms::Runtime& runtime, std::string name, const ui::Toolkit& toolkit,
               bool hasPrevious);

    // Adds a label placed in design pixels.
    forms::Label& AddLabel(std::string name, std::string caption, int left, int top, int width,
                           int height = 16);
    template <class T, class... Args>
    T& AddPlaced(std::string name, int left, int top, int width, int height, Args&&... args) {
        T& control = Add<T>(std::move(name), nullptr, std::forward<Args>(args)...);
        Place(control, left, top, width, height);
        return control;
    }

private:
    static void Place(forms::Control& control, int left, int top, int width, int height);
};

class SelectAircraftScreen : public StepScreen {
public:
    SelectAircraftScreen(forms::Runtime& runtime, const ui::Toolkit& toolkit);
    forms::ListBox& lst_SelectAircraft;
};

class SelectTemplateScreen : public StepScreen {
public:
    SelectTemplateScreen(forms::Runtime& runtime, const ui::Toolkit& toolkit);
    forms::Label& Label1;
    forms::Label& lbl_CurrentTemplate;
    forms::Label& Label2;
    forms::Label& lbl_SelectedTemplate;
    ui::TinyButton& btn_Select;
    forms::CommonDialog& cdl;
};

class VariationScreen : public StepScreen {
public:
    VariationScreen(forms::Runtime& runtime, const ui::Toolkit& toolkit);
    forms::Label& Label1;
    forms::Label& lbl_CurrentManufacturer;
    forms::Label& Label2;
    forms::Label& lbl_CurrentType;
    forms::TextBox& txt_Variation;
};

class FolderScreen : public StepScreen {
public:
    FolderScreen(forms::Runtime& runtime, const ui::Toolkit& toolkit);
    forms::TextBox& txt_Folder;
    forms::Label& Label1;
    forms::Label& lbl_Example;
};

class TailNumberScreen : public StepScreen {
public:
    TailNumberScreen(forms::Runtime& runtime, const ui::Toolkit& toolkit);
    forms::Label& Label1;
    forms::Label& lbl_CurrentTailNumber;
    forms::TextBox& txt_TailNumber;
};

class CallsignScreen : public StepScreen {
public:
    CallsignScreen(forms::Runtime& runtime, const ui::Toolkit& toolkit);
    forms::Label& Label1;
    forms::Label& lbl_CurrentCallsign;
    forms::ComboBox& lst_Callsign;
};

}  // namespace decalia
