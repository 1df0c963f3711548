#include "win32/ChildControl.h"

#include <cmath>

#include "platform/forms/Forms.h"
#include "win32/FormWindow.h"

namespace decalia::win32 {
namespace {

std::vector<std::string> LinesOf(const forms::ListControl& list) {
    std::vector<std::string> lines;
    for (int line = 0; line < list.ListCount(); ++line) lines.push_back(list.List(line));
    return lines;
}

}  // namespace

std::optional<ChildKind> ChildKindOf(const forms::Control& control) {
    using forms::ControlKind;
    switch (control.Kind()) {
    case ControlKind::TextBox: return ChildKind::Edit;
    case ControlKind::ListBox:
    case ControlKind::FileListBox: return ChildKind::List;
    case ControlKind::ComboBox: {
        const auto* combo = dynamic_cast<const forms::ComboBox*>(&control);
        return combo != nullptr && combo->Style() == forms::vbComboDropdown ? ChildKind::Combo
                                                                             : ChildKind::ComboList;
    }
    case ControlKind::HScrollBar: return ChildKind::ScrollBar;
    case ControlKind::OptionButton: return ChildKind::Option;
    case ControlKind::CheckBox: return ChildKind::Check;
    default: return std::nullopt;
    }
}

NativeFont ScreenFont(const forms::Font& font, int dotsPerInch) {
    NativeFont native;
    native.face = font.Name;
    native.pixelHeight = std::max(1, static_cast<int>(std::lround(font.Size * dotsPerInch / 72.0)));
    native.weight = font.Bold ? 700 : font.Weight;
    native.italic = font.Italic;
    native.underline = font.Underline;
    native.strikeOut = font.Strikethrough;
    return native;
}

ChildControl::ChildControl(FormWindow& form, forms::Control& control, ChildKind kind)
    : form_(form), control_(control), native_(form.Native(), kind, *this) {}

void ChildControl::SyncFromProgram(int dotsPerInch) {
    syncing_ = true;
    native_.Place(form_.RectInForm(control_.hWnd()));
    native_.SetFont(ScreenFont(control_.Font(), dotsPerInch));
    native_.SetEnabled(control_.Enabled());
    native_.SetColours(control_.ForeColor(), control_.BackColor());
    SyncContents();
    syncing_ = false;
    native_.SetVisible(control_.hWnd() != 0 &&
                       control_.GetRuntime().Windows().IsWindowVisible(control_.hWnd()));
}

void ChildControl::SyncContents() {
    if (auto* box = control_.As<forms::TextBox>()) {
        native_.SetText(box->Text());
        native_.SetSelection(box->SelStart(), box->SelLength());
    } else if (auto* combo = control_.As<forms::ComboBox>()) {
        native_.SetLines(LinesOf(*combo));
        native_.SetCurrentLine(combo->ListIndex());
        if (combo->Style() == forms::vbComboDropdown) native_.SetText(combo->Text());
    } else if (auto* list = control_.As<forms::ListControl>()) {
        native_.SetLines(LinesOf(*list));
        native_.SetCurrentLine(list->ListIndex());
    } else if (auto* bar = control_.As<forms::HScrollBar>()) {
        native_.SetScroll(bar->Min(), bar->Max(), bar->Value());
    } else if (auto* option = control_.As<forms::OptionButton>()) {
        native_.SetText(option->Caption());
        native_.SetCheck(option->Value() ? forms::vbChecked : forms::vbUnchecked);
    } else if (auto* check = control_.As<forms::CheckBox>()) {
        native_.SetText(check->Caption());
        native_.SetCheck(check->Value());
    }
}

void ChildControl::Typed(char character) { form_.TypedInto(control_, character); }

void ChildControl::SelectionMoved(int start, int length) {
    if (syncing_) return;
    if (auto* box = control_.As<forms::TextBox>()) {
        box->SetSelStart(start);
        box->SetSelLength(length);
    }
}

void ChildControl::Focused() {
    if (!syncing_) form_.FocusedByUser(control_);
}

void ChildControl::LineChosen(int line) {
    if (!syncing_) form_.LineChosen(control_, line);
}

void ChildControl::LineDoubleClicked(int line, int x, int y) {
    if (!syncing_) form_.LineDoubleClicked(control_, line, x, y);
}

void ChildControl::Scrolled(unsigned code, int position) {
    if (!syncing_) form_.Scrolled(control_, code, position);
}

}  // namespace decalia::win32
