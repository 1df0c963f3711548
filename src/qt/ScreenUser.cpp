#include "qt/ScreenUser.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <stdexcept>

#include "platform/forms/Forms.h"
#include "qt/FormWidget.h"
#include "qt/QtDesktop.h"
#include "qt/QtText.h"

namespace decalia::qt {
namespace {

void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void ClickAt(QWidget& widget, QPoint at) {
    SendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void SendKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&widget, &release);
}

}  // namespace

FormWidget& ScreenUser::Shown(const forms::Form& form) const {
    FormWidget* widget = desktop_.WidgetOf(form);
    if (widget == nullptr || !widget->isVisible())
        throw std::runtime_error(form.Name() + " is not on the screen");
    return *widget;
}

void ScreenUser::Click(forms::Control& control) const {
    FormWidget& form = Shown(control.Parent());
    if (QWidget* widget = form.WidgetOf(control))
        ClickAt(*widget, widget->rect().center());
    else
        ClickAt(form, form.RectInForm(control.hWnd()).center());
}

void ScreenUser::ClickLine(forms::ListBox& list, int line) const {
    auto* view = qobject_cast<QAbstractItemView*>(Shown(list.Parent()).WidgetOf(list));
    if (view == nullptr) throw std::runtime_error(list.Name() + " is not a list on the screen");
    ClickAt(*view->viewport(), view->visualRect(view->model()->index(line, 0)).center());
}

void ScreenUser::TypeInto(forms::TextBox& box, std::string_view text) const {
    QWidget* widget = Shown(box.Parent()).WidgetOf(box);
    if (widget == nullptr) throw std::runtime_error(box.Name() + " is not on the screen");
    ClickAt(*widget, widget->rect().center());
    SendKey(*widget, Qt::Key_A, Qt::ControlModifier, {});
    for (const QChar character : ToQt(text)) SendKey(*widget, 0, Qt::NoModifier, character);
}

void ScreenUser::PressKey(forms::Control& control, Qt::Key key,
                          Qt::KeyboardModifiers modifiers) const {
    FormWidget& form = Shown(control.Parent());
    QWidget* widget = form.WidgetOf(control);
    const QString text = key == Qt::Key_Return ? QStringLiteral("\r") : QString();
    SendKey(widget != nullptr ? *widget : form, key, modifiers, text);
}

}  // namespace decalia::qt
