#pragma once
// A real child control of a form's window: EDIT, LISTBOX, COMBOBOX (with or
// without its edit part), SCROLLBAR, and BUTTON as option button or check
// box. It shows what it is told and reports what the user does; it never
// keeps a change of its own (the runtime decides, and the control is then
// told the runtime's state again).

#include <memory>
#include <string>
#include <vector>

#include "win32/NativeTypes.h"

namespace decalia::win32 {

class NativeWindow;

enum class ChildKind { Edit, List, Combo, ComboList, ScrollBar, Option, Check };

class ChildInput {
public:
    virtual ~ChildInput() = default;
    // Typed into the control (Enter, Escape and Backspace included).
    virtual void Typed(char character) = 0;
    // The caret or selection of an edit moved.
    virtual void SelectionMoved(int start, int length) = 0;
    virtual void Focused() = 0;
    virtual void LineChosen(int line) = 0;
    // Where it was double-clicked, in the form window's client pixels.
    virtual void LineDoubleClicked(int line, int x, int y) = 0;
    // SB_* code and, for a thumb position, where the thumb was let go.
    virtual void Scrolled(unsigned code, int position) = 0;
};

class NativeChild {
public:
    NativeChild(NativeWindow& form, ChildKind kind, ChildInput& input);
    ~NativeChild();
    NativeChild(const NativeChild&) = delete;
    NativeChild& operator=(const NativeChild&) = delete;

    NativeHandle Handle() const;
    // The edit part of an editable combo box, else the control itself.
    NativeHandle TypingHandle() const;
    ChildKind Kind() const { return kind_; }

    // In the form window's client pixels.
    void Place(const Rect& rect);
    void SetVisible(bool visible);
    void SetEnabled(bool enabled);
    void SetFont(const NativeFont& font);
    void SetColours(Color text, Color back);
    void SetText(const std::string& text);
    // Edit: the caret and selection.
    void SetSelection(int start, int length);
    void SetLines(const std::vector<std::string>& lines);
    void SetCurrentLine(int line);
    // A scroll bar from min to max (max may be below min: the bar runs back).
    void SetScroll(int min, int max, int value);
    // 0 unchecked, 1 checked, 2 grayed.
    void SetCheck(int state);
    void TakeFocus();
    bool HasFocus() const;

    struct Impl;

private:
    ChildKind kind_;
    std::unique_ptr<Impl> impl_;
};

}  // namespace decalia::win32
