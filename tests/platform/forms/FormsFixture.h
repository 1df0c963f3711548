#pragma once
// A forms runtime on a headless desktop, and a small form to drive.

#include "platform/desktop/HeadlessDesktop.h"
#include "platform/forms/Forms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace formstest {

namespace forms = decalia::forms;

class TestForm : public forms::Form {
public:
    explicit TestForm(forms::Runtime& runtime, std::string name = "frm_Test")
        : Form(runtime, std::move(name)) {
        SetScaleMode(forms::ScaleMode::Pixels);
        SetSizeTwips(6000, 4500);
        lbl_Title.Move(10, 10, 100, 20);
        txt_Folder.Move(10, 40, 200, 20);
        lst_Texture.Move(10, 70, 200, 100);
        opt_Standard.Move(220, 10, 80, 20);
        opt_Alpha.Move(220, 40, 80, 20);
        Preview_Scroll.Move(10, 180, 200, 16);
    }
    forms::Label& lbl_Title = Add<forms::Label>("lbl_Title");
    forms::TextBox& txt_Folder = Add<forms::TextBox>("txt_Folder");
    forms::ListBox& lst_Texture = Add<forms::ListBox>("lst_Texture");
    forms::OptionButton& opt_Standard = Add<forms::OptionButton>("opt_Standard");
    forms::OptionButton& opt_Alpha = Add<forms::OptionButton>("opt_Alpha");
    forms::HScrollBar& Preview_Scroll = Add<forms::HScrollBar>("Preview_Scroll");
};

class FormsTest : public ::testing::Test {
protected:
    decalia::desktop::HeadlessDesktop desktop;
    forms::Runtime runtime{desktop};
    std::vector<std::string> events;
};

}  // namespace formstest
