#pragma once
// List boxes, combo boxes and file list boxes.
//
// Reproduces (VB): AddItem (at the end or at an index), RemoveItem, Clear,
// List(i) (read and write), ListCount, ListIndex (-1 for none; setting it to
// another line raises Click, as a choice by the user does; an index out of
// range is refused), Text (the selected line's text), IntegralHeight (kept).
// The user's choice arrives as LB_SETCURSEL / CB_SETCURSEL followed by the
// selection-change notification reflected to the control (OCM_COMMAND), which
// raises Click; a double-click on a line arrives as the LBN_DBLCLK
// notification and raises DblClick.
// ComboBox: Style 0 (an editable text part: typing raises Change and leaves
// no line selected, ListIndex -1; a choice puts the line into Text without
// Change) or 2 (a drop-down list).
// FileListBox: Path and Pattern (patterns separated by ';'), the files listed
// as fs::ListFiles lists them, sorted without regard to case; FileName.
// Leaves out: Sorted, MultiSelect, ItemData, TopIndex, NewIndex, Selected().

#include "platform/forms/Control.h"

#include <string>
#include <vector>

namespace decalia::forms {

class ListControl : public Control {
public:
    void AddItem(std::string item);
    void AddItem(std::string item, int index);
    void RemoveItem(int index);
    void Clear();
    // "" outside the list.
    std::string List(int index) const;
    void SetList(int index, std::string item);
    int ListCount() const { return static_cast<int>(items_.size()); }
    int ListIndex() const { return listIndex_; }
    // False (nothing changes) for an index outside -1 .. ListCount - 1.
    bool SetListIndex(int index);

protected:
    ListControl(const ControlSite& site, ControlKind kind);
    bool CanFocus() const override { return true; }
    // Clicks come from choices, not from the mouse.
    void OnClick() override {}
    void OnDoubleClick() override {}
    win::LRESULT WindowProc(win::UINT message, win::WPARAM wParam, win::LPARAM lParam) override;
    // The selected line changed (by the program or the user).
    virtual void OnSelected() {}
    // No line is selected any more, the text kept (an edit of a combo box).
    void ForgetSelection() { listIndex_ = -1; }

    std::vector<std::string> items_;

private:
    void Select(int index);
    int listIndex_ = -1;
};

class ListBox : public ListControl {
public:
    explicit ListBox(const ControlSite& site) : ListControl(site, ControlKind::ListBox) {}
    std::string Text() const { return List(ListIndex()); }
    bool IntegralHeight() const { return integralHeight_; }
    void SetIntegralHeight(bool integral) { integralHeight_ = integral; }

protected:
    ListBox(const ControlSite& site, ControlKind kind) : ListControl(site, kind) {}

private:
    bool integralHeight_ = true;
};

inline constexpr int vbComboDropdown = 0;
inline constexpr int vbComboDropdownList = 2;

class ComboBox : public ListControl {
public:
    explicit ComboBox(const ControlSite& site, int style = vbComboDropdown);
    int Style() const { return style_; }
    const std::string& Text() const { return text_; }
    // Style 0: any text (Change when it differs); style 2: selects the
    // matching line, and a text matching none is refused.
    bool SetText(std::string text);

    Event<> Change;

protected:
    void OnCharacter(int code) override;
    void OnSelected() override;

private:
    int style_;
    std::string text_;
};

class FileListBox : public ListBox {
public:
    explicit FileListBox(const ControlSite& site)
        : ListBox(site, ControlKind::FileListBox) {}
    const std::string& Path() const { return path_; }
    void SetPath(std::string path);
    const std::string& Pattern() const { return pattern_; }
    void SetPattern(std::string pattern);
    std::string FileName() const { return Text(); }
    // Reads the folder again.
    void Refresh();

private:
    std::string path_;
    std::string pattern_ = "*.*";
};

}  // namespace decalia::forms
