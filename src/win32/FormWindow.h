#pragma once
// One form on the Windows screen: its real window (NativeWindow) placed,
// shaped and painted as the runtime holds the form, and a real control for
// each control of a widget kind (ChildControl). The user's input goes to the
// window system as messages, as the pointer and keyboard deliver them; the
// real windows then follow the runtime's state again.

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "platform/forms/Forward.h"
#include "platform/win/Forward.h"
#include "platform/win/Types.h"
#include "win32/NativeWindow.h"

namespace decalia::win32 {

class Win32Desktop;
class ChildControl;

class FormWindow final : public WindowInput {
public:
    FormWindow(Win32Desktop& desktop, forms::Form& form);
    ~FormWindow() override;

    forms::Form& Form() const { return form_; }
    NativeWindow& Native() { return native_; }
    const NativeWindow& Native() const { return native_; }
    // The real control of a control; null for a painted one.
    ChildControl* ChildOf(const forms::Control& control) const;

    // Follows the runtime: place, region, pointer, controls, focus, drawing.
    void SyncFromProgram();
    // Paints the control at once (the program does not return to the loop).
    void RepaintControl(forms::Control& control);
    void Show();
    void Hide();
    // Where a window of the form lies, in the form's pixels.
    Rect RectInForm(win::HWND window) const;

    // ---- What the user does with a real control ----------------------------
    void TypedInto(forms::Control& control, char character);
    void FocusedByUser(forms::Control& control);
    void LineChosen(forms::Control& list, int line);
    void LineDoubleClicked(forms::Control& list, int line, int x, int y);
    void Scrolled(forms::Control& bar, unsigned code, int position);

    // ---- WindowInput --------------------------------------------------------
    void PointerMoved(int x, int y, KeyState keys) override;
    void ButtonPressed(int x, int y, Button button, KeyState keys) override;
    void ButtonReleased(int x, int y, Button button, KeyState keys) override;
    void DoubleClicked(int x, int y, Button button, KeyState keys) override;
    void PointerLeft() override;
    void CharacterTyped(char character) override;
    PaintList Paint() override;

private:
    win::WindowSystem& Windows() const;
    void SyncGeometry();
    void SyncShape();
    void SyncPointer();
    void SyncChildren();
    void SyncFocus();
    void CreateChildren(win::HWND window);
    // The form's first control that takes the focus; null when none does.
    forms::Control* FirstToFocus();

    Win32Desktop& desktop_;
    forms::Form& form_;
    NativeWindow native_;
    std::map<const forms::Control*, std::unique_ptr<ChildControl>> children_;
    std::uint32_t shapedBy_ = 0;  // the region the window's shape was made from
    const void* cursorIcon_ = nullptr;
    // Pixels converted for the paint in progress (palette bitmaps).
    std::vector<std::vector<std::uint8_t>> converted_;
};

}  // namespace decalia::win32
