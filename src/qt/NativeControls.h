#pragma once
// Qt widgets for the controls the user types into, chooses from or scrolls:
// text boxes (QLineEdit), list boxes (QListWidget), combo boxes (QComboBox),
// the scroll bar (QScrollBar), option buttons (QRadioButton) and check boxes
// (QCheckBox). Each shows the runtime's state and hands what the user does to
// its form as window input; it never changes the program's state by itself.

#include <QWidget>
#include <memory>

#include "platform/forms/Forward.h"

namespace decalia::qt {

class FormWidget;

class NativeControl {
public:
    virtual ~NativeControl() = default;
    NativeControl(const NativeControl&) = delete;
    NativeControl& operator=(const NativeControl&) = delete;

    forms::Control& Control() const { return control_; }
    virtual QWidget& Widget() = 0;
    // Contents, selection, colours, font, place and visibility from the runtime.
    void SyncFromProgram(int dotsPerInch);

protected:
    NativeControl(FormWidget& form, forms::Control& control) : form_(form), control_(control) {}
    virtual void SyncContents() = 0;
    // Colours the widget as the program asks; by default with StyleSheet().
    virtual void ApplyColours();
    virtual QString StyleSheet() const;

    FormWidget& form_;
    forms::Control& control_;
    bool syncing_ = false;  // the widget is being set from the runtime

private:
    QString appliedStyle_;
};

// A widget for a control of a widget kind (see IsWidgetKind), a child of the
// form's widget; null for other kinds.
NativeControl* MakeNativeControl(FormWidget& form, forms::Control& control);

}  // namespace decalia::qt
