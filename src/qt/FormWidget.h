#pragma once
// One form on the screen: a frameless top-level widget masked by the form's
// window region, painting what the runtime holds (FormPainter) and hosting a
// Qt widget for each control of a widget kind. The user's input goes to the
// window system as messages, as the pointer and keyboard would deliver them;
// the widgets then follow the runtime's state again.

#include <QImage>
#include <QKeyEvent>
#include <QWidget>
#include <map>

#include "platform/forms/Forward.h"
#include "platform/win/Forward.h"
#include "platform/win/Types.h"

namespace decalia::qt {

class QtDesktop;
class NativeControl;

class FormWidget final : public QWidget {
public:
    FormWidget(QtDesktop& desktop, forms::Form& form);
    ~FormWidget() override;

    forms::Form& Form() const { return form_; }

    // Follows the runtime: position, size, region, pointer, widgets, drawing.
    void SyncFromProgram();
    // Paints the control at once (the program does not return to the loop).
    void RepaintControl(forms::Control& control);
    void ShowModeless();
    void ShowModal();
    // The window as it looks: its own pixels inside the region, transparent
    // outside it.
    QImage Grab();
    // The Qt widget of a control; null for a painted control.
    QWidget* WidgetOf(const forms::Control& control) const;
    // Where a window of the form lies, in the form's pixels.
    QRect RectInForm(win::HWND window) const;

    // ---- The user's input, in the form's pixels ---------------------------
    void PointerMoved(QPoint point, Qt::KeyboardModifiers modifiers);
    void ButtonPressed(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void ButtonReleased(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void DoubleClicked(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // A character for the control, which takes the focus first.
    void CharacterTyped(forms::Control& control, char character);
    // Enter, Escape, Backspace and typed text go to the program; false for
    // keys it leaves to the widget.
    bool RouteKey(forms::Control& control, const QKeyEvent& event);
    // The user chose a line of a list or combo box.
    void LineChosen(forms::Control& list, int line);
    void LineDoubleClicked(forms::Control& list, int line, QPoint point);
    void Scrolled(forms::Control& bar, int value);
    void FocusedByUser(forms::Control& control);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    win::WindowSystem& Windows() const;
    void SyncGeometry();
    void SyncShape();
    void SyncPointer();
    void SyncWidgets();
    void SyncFocus();
    void CreateWidgets(win::HWND window);
    // The form's first control that takes the focus; null when none does.
    forms::Control* FirstToFocus();

    QtDesktop& desktop_;
    forms::Form& form_;
    std::map<const forms::Control*, NativeControl*> natives_;  // widgets owned by Qt
    std::uint32_t shapedBy_ = 0;  // the region the mask was made from
    const void* cursorIcon_ = nullptr;
    bool following_ = false;  // moving to where the runtime has the form
};

}  // namespace decalia::qt
