#pragma once
// The desktop port of the forms runtime: what a screen does with forms.
//
// A desktop shows each top-level form with everything on it (reading the
// runtime's state: controls, their kinds and properties, window regions and
// mouse pointers), turns the user's input into window messages through the
// window system (win::WindowSystem's input calls), and runs a nested loop
// while a form is shown modally. Everything of win::DesktopPort comes with it
// (message boxes, the open-file dialog, shell open, sounds, the move loop,
// tooltips, the end of the process, dots per inch).

#include "platform/forms/Forward.h"
#include "platform/win/DesktopPort.h"

namespace decalia::forms {

class Desktop : public win::DesktopPort {
public:
    virtual void FormShown(Form& form) = 0;
    virtual void FormHidden(Form& form) = 0;
    // Returns once form.ModalShowing() is false (hidden or unloaded). A
    // desktop that cannot wait (nothing will ever hide the form) throws.
    virtual void RunModalLoop(Form& form) = 0;
    // The program asked for a control (or form) to be redrawn at once,
    // without returning to the message loop.
    virtual void Refresh(Control& control) = 0;
};

}  // namespace decalia::forms
