#pragma once
// Plays the user on the Qt desktop: clicks, lines chosen and text typed go to
// the real widgets as Qt's own mouse and key events, so they take the same
// road as a person's. For whole-program tests and the user guide's pictures.

#include <Qt>
#include <string_view>

#include "platform/forms/Forward.h"

namespace decalia::qt {

class QtDesktop;
class FormWidget;

class ScreenUser {
public:
    explicit ScreenUser(QtDesktop& desktop) : desktop_(desktop) {}

    // The form's window; throws std::runtime_error when it is not shown.
    FormWidget& Shown(const forms::Form& form) const;
    // Moves to the middle of the control and clicks the left button there.
    void Click(forms::Control& control) const;
    void ClickLine(forms::ListBox& list, int line) const;
    // Clicks into the box, selects all of its text and types over it.
    void TypeInto(forms::TextBox& box, std::string_view text) const;
    void PressKey(forms::Control& control, Qt::Key key,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;

private:
    QtDesktop& desktop_;
};

}  // namespace decalia::qt
