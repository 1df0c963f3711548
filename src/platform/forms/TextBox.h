#pragma once
// The single-line text box.
//
// Reproduces (VB): Text (a Change event when it differs from what the box
// showed; the caret then goes to the start), SelStart / SelLength (clamped to
// the text), SelText, MaxLength (0 for no limit), Locked; typing (WM_CHAR)
// replaces the selection with the character and raises Change, Backspace
// deletes the selection or the character before the caret; Enter and the
// other control characters are not inserted (they reach KeyPress only).
// Leaves out: MultiLine, PasswordChar, clipboard keys, caret movement keys
// (WM_KEYDOWN arrows), undo, HideSelection.

#include "platform/forms/Control.h"

#include <string>

namespace decalia::forms {

class TextBox : public Control {
public:
    explicit TextBox(const ControlSite& site);

    const std::string& Text() const { return text_; }
    void SetText(std::string text);
    int SelStart() const { return selStart_; }
    void SetSelStart(int start);
    int SelLength() const { return selLength_; }
    void SetSelLength(int length);
    std::string SelText() const;
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length) { maxLength_ = length; }
    bool Locked() const { return locked_; }
    void SetLocked(bool locked) { locked_ = locked; }

    Event<> Change;

protected:
    bool CanFocus() const override { return true; }
    void OnCharacter(int code) override;

private:
    // Replaces the selection; raises Change when the text changed.
    void ReplaceSelection(const std::string& with);

    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
    int maxLength_ = 0;
    bool locked_ = false;
};

}  // namespace decalia::forms
