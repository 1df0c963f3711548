#pragma once
// A control of the runtime shown as a real control (NativeChild): it is told
// the runtime's contents, selection, colours, font, place and visibility, and
// hands what the user does to its form as window input.

#include <optional>

#include "platform/forms/Forward.h"
#include "win32/NativeChild.h"

namespace decalia::win32 {

class FormWindow;

// The real control a control kind is shown as; nothing for painted kinds.
std::optional<ChildKind> ChildKindOf(const forms::Control& control);

NativeFont ScreenFont(const forms::Font& font, int dotsPerInch);

class ChildControl final : public ChildInput {
public:
    ChildControl(FormWindow& form, forms::Control& control, ChildKind kind);

    NativeChild& Native() { return native_; }
    forms::Control& Control() const { return control_; }
    void SyncFromProgram(int dotsPerInch);

    // ---- ChildInput ----------------------------------------------------------
    void Typed(char character) override;
    void SelectionMoved(int start, int length) override;
    void Focused() override;
    void LineChosen(int line) override;
    void LineDoubleClicked(int line, int x, int y) override;
    void Scrolled(unsigned code, int position) override;

private:
    void SyncContents();

    FormWindow& form_;
    forms::Control& control_;
    NativeChild native_;
    bool syncing_ = false;
};

}  // namespace decalia::win32
