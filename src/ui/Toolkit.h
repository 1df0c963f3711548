#pragma once
// What every skinned control needs from the program that uses it: the forms
// runtime, the program's folder (for the "Media" pictures), the executable's
// name (for error sources), the command dispatch that a button release runs,
// and the main window (whose drag pointer a window move resets).
//
// The program owns one Toolkit and hands it by reference to each control and
// shaped-window object it creates; it may install the dispatch and the main
// window later, as the controls read them only when they need them.

#include "platform/forms/Forward.h"
#include "ui/Forward.h"

#include <string>

namespace decalia::ui {

// The program's reaction to the release of a skinned button. It decides from
// the button's form_name and button_type what to run, and sets the released
// look itself ("highlight" unless the button is "disabled").
class CommandDispatch {
public:
    virtual ~CommandDispatch() = default;
    virtual void ButtonReleased(SkinnedButton& button) = 0;
};

struct Toolkit {
    forms::Runtime& runtime;
    // The folder of the running executable, without a trailing separator.
    std::string appFolder;
    std::string exeName = "decalia";
    CommandDispatch* dispatch = nullptr;
    forms::Form* mainWindow = nullptr;
};

}  // namespace decalia::ui
