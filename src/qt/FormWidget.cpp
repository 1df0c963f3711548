#include "qt/FormWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/desktop/ControlInput.h"
#include "platform/forms/Forms.h"
#include "qt/FormPainter.h"
#include "qt/NativeControls.h"
#include "qt/QtDesktop.h"
#include "qt/QtImages.h"
#include "qt/QtText.h"

namespace decalia::qt {
namespace {

win::MouseButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::RightButton: return win::MouseButton::Right;
    case Qt::MiddleButton: return win::MouseButton::Middle;
    default: return win::MouseButton::Left;
    }
}

bool Handled(Qt::MouseButton button) {
    return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
}

win::Modifiers ModifiersOf(Qt::KeyboardModifiers modifiers) {
    return win::Modifiers{modifiers.testFlag(Qt::ShiftModifier),
                          modifiers.testFlag(Qt::ControlModifier)};
}

}  // namespace

FormWidget::FormWidget(QtDesktop& desktop, forms::Form& form)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), desktop_(desktop), form_(form) {
    // Outside its region the window shows nothing, also where the platform
    // masks only the input (Wayland).
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(QStringLiteral("Decalia"));
}

FormWidget::~FormWidget() = default;

win::WindowSystem& FormWidget::Windows() const { return form_.GetRuntime().Windows(); }

QRect FormWidget::RectInForm(win::HWND window) const {
    win::RECT client;
    const auto at = Windows().ClientToScreen(window, win::POINT{});
    const auto origin = Windows().ClientToScreen(form_.hWnd(), win::POINT{});
    if (!at || !origin || !Windows().GetClientRect(window, client)) return {};
    return QRect(at->x - origin->x, at->y - origin->y, client.right, client.bottom);
}

QWidget* FormWidget::WidgetOf(const forms::Control& control) const {
    const auto found = natives_.find(&control);
    return found == natives_.end() ? nullptr : &found->second->Widget();
}

// ---- Following the runtime ---------------------------------------------------

void FormWidget::SyncFromProgram() {
    if (form_.hWnd() == 0) return;
    SyncGeometry();
    SyncShape();
    SyncPointer();
    SyncWidgets();
    SyncFocus();
    update();
}

void FormWidget::SyncGeometry() {
    const auto rect = Windows().WindowRect(form_.hWnd());
    if (!rect) return;
    const QSize size(rect->right - rect->left, rect->bottom - rect->top);
    if (this->size() != size) setFixedSize(size);
    if (pos() != QPoint(rect->left, rect->top)) {
        following_ = true;
        move(rect->left, rect->top);
        following_ = false;
    }
}

void FormWidget::SyncShape() {
    const win::HRGN region = Windows().WindowRegion(form_.hWnd());
    if (region.id == shapedBy_) return;
    shapedBy_ = region.id;
    const QRegion shape = RegionFrom(region);
    if (shape.isEmpty())
        clearMask();
    else
        setMask(shape);
}

void FormWidget::SyncPointer() {
    const forms::MouseIcon& icon = form_.MouseIcon();
    const bool custom = form_.MousePointer() == forms::vbCustom && icon;
    const void* wanted = custom ? icon.get() : nullptr;
    if (wanted == cursorIcon_) return;
    cursorIcon_ = wanted;
    if (custom)
        setCursor(CursorFrom(*icon));
    else
        unsetCursor();
}

void FormWidget::CreateWidgets(win::HWND window) {
    for (const win::HWND child : Windows().Children(window)) {
        forms::Control* control = form_.GetRuntime().FromHandle(child);
        if (control == nullptr) continue;
        if (IsWidgetKind(control->Kind()) && !natives_.contains(control)) {
            if (NativeControl* native = MakeNativeControl(*this, *control))
                natives_.emplace(control, native);
        }
        CreateWidgets(child);
    }
}

void FormWidget::SyncWidgets() {
    CreateWidgets(form_.hWnd());
    for (const auto& [control, native] : natives_) native->SyncFromProgram(desktop_.DotsPerInch());
}

void FormWidget::SyncFocus() {
    const forms::Control* focused = form_.GetRuntime().FromHandle(Windows().GetFocus());
    if (focused == nullptr || &focused->Parent() != &form_) return;
    QWidget* widget = WidgetOf(*focused);
    QWidget* target = widget != nullptr ? widget : this;
    if (target->isVisible() && !target->hasFocus()) target->setFocus(Qt::OtherFocusReason);
}

void FormWidget::RepaintControl(forms::Control& control) {
    if (!isVisible()) return;
    if (const auto found = natives_.find(&control); found != natives_.end()) {
        found->second->SyncFromProgram(desktop_.DotsPerInch());
        found->second->Widget().repaint();
        return;
    }
    const QRect area = &control == &form_ ? rect() : RectInForm(control.hWnd());
    if (!area.isEmpty()) repaint(area);
}

void FormWidget::ShowModeless() {
    SyncFromProgram();
    show();
    raise();
    activateWindow();
}

void FormWidget::ShowModal() {
    // Modality only takes when the window is shown again.
    if (isVisible() && windowModality() != Qt::ApplicationModal) hide();
    setWindowModality(Qt::ApplicationModal);
    ShowModeless();
}

QImage FormWidget::Grab() {
    SyncFromProgram();
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    if (!mask().isEmpty()) painter.setClipRegion(mask());
    const QPixmap pixels = QWidget::grab();
    painter.drawPixmap(0, 0, pixels);
    return image;
}

void FormWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (!mask().isEmpty()) painter.setClipRegion(mask());
    PaintForm(painter, form_, desktop_.DotsPerInch());
}

// ---- The user's input ---------------------------------------------------------

void FormWidget::PointerMoved(QPoint point, Qt::KeyboardModifiers modifiers) {
    Windows().MovePointer(form_.hWnd(), win::POINT{point.x(), point.y()}, ModifiersOf(modifiers));
    desktop_.AfterInput();
}

void FormWidget::ButtonPressed(QPoint point, Qt::MouseButton button,
                               Qt::KeyboardModifiers modifiers) {
    if (!Handled(button)) return;
    Windows().PressButton(form_.hWnd(), win::POINT{point.x(), point.y()}, ButtonOf(button),
                          ModifiersOf(modifiers));
    desktop_.AfterInput();
}

void FormWidget::ButtonReleased(QPoint point, Qt::MouseButton button,
                                Qt::KeyboardModifiers modifiers) {
    if (!Handled(button)) return;
    // The press may have hidden the form meanwhile; the release still ends it.
    Windows().ReleaseButton(form_.Visible() ? form_.hWnd() : 0, win::POINT{point.x(), point.y()},
                            ButtonOf(button), ModifiersOf(modifiers));
    desktop_.AfterInput();
}

void FormWidget::DoubleClicked(QPoint point, Qt::MouseButton button,
                               Qt::KeyboardModifiers modifiers) {
    if (!Handled(button)) return;
    Windows().DoubleClickButton(form_.hWnd(), win::POINT{point.x(), point.y()}, ButtonOf(button),
                                ModifiersOf(modifiers));
    desktop_.AfterInput();
}

void FormWidget::FocusedByUser(forms::Control& control) {
    if (!control.HasFocus() && control.SetFocus()) desktop_.AfterInput();
}

void FormWidget::CharacterTyped(forms::Control& control, char character) {
    if (desktop::TypeCharacter(control, character)) desktop_.AfterInput();
}

bool FormWidget::RouteKey(forms::Control& control, const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: CharacterTyped(control, '\r'); return true;
    case Qt::Key_Escape: CharacterTyped(control, '\x1b'); return true;
    case Qt::Key_Backspace: CharacterTyped(control, '\b'); return true;
    default: break;
    }
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString typed = event.text();
    if (typed.isEmpty() || !typed.front().isPrint()) return false;
    for (const QChar character : typed) CharacterTyped(control, CharacterFromQt(character));
    return true;
}

void FormWidget::LineChosen(forms::Control& list, int line) {
    desktop::ChooseLine(list, line);
    desktop_.AfterInput();
}

void FormWidget::LineDoubleClicked(forms::Control& list, int line, QPoint point) {
    desktop::DoubleClickLine(form_, list, line, win::POINT{point.x(), point.y()});
    desktop_.AfterInput();
}

void FormWidget::Scrolled(forms::Control& bar, int value) {
    desktop::Scroll(bar, win::SB_THUMBPOSITION, value);
    desktop_.AfterInput();
}

void FormWidget::mouseMoveEvent(QMouseEvent* event) {
    PointerMoved(event->position().toPoint(), event->modifiers());
}

void FormWidget::mousePressEvent(QMouseEvent* event) {
    ButtonPressed(event->position().toPoint(), event->button(), event->modifiers());
}

void FormWidget::mouseReleaseEvent(QMouseEvent* event) {
    ButtonReleased(event->position().toPoint(), event->button(), event->modifiers());
}

void FormWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    DoubleClicked(event->position().toPoint(), event->button(), event->modifiers());
}

void FormWidget::leaveEvent(QEvent*) {
    // Qt also reports a leave when the pointer moves onto one of the form's
    // own widgets; only leaving the window counts.
    if (rect().contains(mapFromGlobal(QCursor::pos()))) return;
    Windows().PointerLeft();
    desktop_.AfterInput();
}

void FormWidget::keyPressEvent(QKeyEvent* event) {
    forms::Control* focused = form_.GetRuntime().FromHandle(Windows().GetFocus());
    if (focused == nullptr || &focused->Parent() != &form_) focused = FirstToFocus();
    if (focused == nullptr || !RouteKey(*focused, *event)) QWidget::keyPressEvent(event);
}

forms::Control* FormWidget::FirstToFocus() {
    // As Windows gives a window's first control the focus when nothing has it.
    for (int index = 0; index < form_.ControlCount(); ++index) {
        forms::Control& control = form_.Controls(index);
        if (control.Visible() && control.Enabled() && control.SetFocus()) return &control;
    }
    return nullptr;
}

void FormWidget::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // The user dragged the window (the platform's own move): the runtime
    // learns where it is now.
    const auto rect = Windows().WindowRect(form_.hWnd());
    if (following_ || !rect || QPoint(rect->left, rect->top) == pos()) return;
    Windows().MoveWindow(form_.hWnd(), x(), y(), rect->right - rect->left,
                         rect->bottom - rect->top);
}

void FormWidget::closeEvent(QCloseEvent* event) {
    // The windows close through their own Close buttons only.
    event->ignore();
}

}  // namespace decalia::qt
