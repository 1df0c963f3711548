#include "qt/NativeControls.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPalette>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <type_traits>

#include "platform/forms/Forms.h"
#include "qt/FormWidget.h"
#include "qt/QtFonts.h"
#include "qt/QtImages.h"
#include "qt/QtText.h"

namespace decalia::qt {
namespace {

QString Css(win::COLORREF color) { return ColorFrom(color).name(); }

QPoint InForm(FormWidget& form, const QWidget& from, const QMouseEvent& event) {
    return from.mapTo(&form, event.position().toPoint());
}

// Lists and combo boxes: the lines as the runtime has them.
void SyncLines(const forms::ListControl& list, QStringList& shown, auto&& replace) {
    QStringList lines;
    for (int line = 0; line < list.ListCount(); ++line) lines << ToQt(list.List(line));
    if (lines != shown) {
        shown = lines;
        replace(lines);
    }
}

// A line moved to by the keyboard, or -1 when the key moves nothing.
int LineAfterKey(int key, int current, int count, int page) {
    if (count == 0) return -1;
    int line = current;
    switch (key) {
    case Qt::Key_Up: line = current - 1; break;
    case Qt::Key_Down: line = current + 1; break;
    case Qt::Key_PageUp: line = current - page; break;
    case Qt::Key_PageDown: line = current + page; break;
    case Qt::Key_Home: line = 0; break;
    case Qt::Key_End: line = count - 1; break;
    default: return -1;
    }
    return std::clamp(line, 0, count - 1);
}

// ---- Text box ---------------------------------------------------------------

class TextBoxWidget final : public QLineEdit, public NativeControl {
public:
    TextBoxWidget(FormWidget& form, forms::TextBox& box)
        : QLineEdit(&form), NativeControl(form, box), box_(box) {
        setContextMenuPolicy(Qt::NoContextMenu);
        setMouseTracking(true);
    }
    QWidget& Widget() override { return *this; }

protected:
    void SyncContents() override {
        const QString text = ToQt(box_.Text());
        if (this->text() != text) setText(text);
        if (box_.SelLength() > 0)
            setSelection(box_.SelStart(), box_.SelLength());
        else
            setCursorPosition(box_.SelStart());
    }
    QString StyleSheet() const override {
        return "QLineEdit { border: 1px solid #a9aeb5; border-radius: 3px; padding: 0 4px;"
               " background: #ffffff; color: #202020; selection-background-color: #00458c; }"
               "QLineEdit:focus { border-color: #00458c; }";
    }
    void mousePressEvent(QMouseEvent* event) override {
        QLineEdit::mousePressEvent(event);
        PushSelection();
        form_.ButtonPressed(InForm(form_, *this, *event), event->button(), event->modifiers());
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLineEdit::mouseReleaseEvent(event);
        PushSelection();
        form_.ButtonReleased(InForm(form_, *this, *event), event->button(), event->modifiers());
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QLineEdit::mouseDoubleClickEvent(event);
        PushSelection();
        form_.DoubleClicked(InForm(form_, *this, *event), event->button(), event->modifiers());
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        QLineEdit::mouseMoveEvent(event);
        if (event->buttons() != Qt::NoButton) PushSelection();
        form_.PointerMoved(InForm(form_, *this, *event), event->modifiers());
    }
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        if (!syncing_) form_.FocusedByUser(box_);
    }
    void keyPressEvent(QKeyEvent* event) override {
        PushSelection();
        if (event->key() == Qt::Key_Delete && !hasSelectedText()) {
            // The box knows Backspace only: delete forward as a one-letter selection.
            cursorForward(true, 1);
            PushSelection();
            if (hasSelectedText()) form_.CharacterTyped(box_, '\b');
            return;
        }
        if (event->key() == Qt::Key_Delete || event->matches(QKeySequence::Cut)) {
            if (event->matches(QKeySequence::Cut)) copy();
            if (hasSelectedText()) form_.CharacterTyped(box_, '\b');
            return;
        }
        if (event->matches(QKeySequence::Paste)) {
            for (const QChar character : QGuiApplication::clipboard()->text())
                if (character.isPrint()) form_.CharacterTyped(box_, CharacterFromQt(character));
            return;
        }
        if (form_.RouteKey(box_, *event)) return;
        QLineEdit::keyPressEvent(event);
        PushSelection();
    }

private:
    void PushSelection() {
        if (syncing_) return;
        const int start = hasSelectedText() ? selectionStart() : cursorPosition();
        box_.SetSelStart(start);
        box_.SetSelLength(static_cast<int>(selectedText().size()));
    }
    forms::TextBox& box_;
};

// ---- List box ---------------------------------------------------------------

class ListBoxWidget final : public QListWidget, public NativeControl {
public:
    ListBoxWidget(FormWidget& form, forms::ListBox& list)
        : QListWidget(&form), NativeControl(form, list), list_(list) {
        setMouseTracking(true);
        viewport()->setMouseTracking(true);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    QWidget& Widget() override { return *this; }

protected:
    void SyncContents() override {
        SyncLines(list_, lines_, [this](const QStringList& lines) {
            clear();
            addItems(lines);
        });
        if (currentRow() != list_.ListIndex()) setCurrentRow(list_.ListIndex());
        if (list_.ListIndex() >= 0) scrollToItem(item(list_.ListIndex()));
    }
    QString StyleSheet() const override {
        return QString("QListWidget { border: 1px solid #a9aeb5; border-radius: 3px; color: %1;"
                       " background: %2; outline: 0; padding: 2px; }"
                       "QListWidget::item { padding: 2px 4px; }"
                       "QListWidget::item:selected { background: #00458c; color: #ffffff; }"
                       "QListWidget::item:hover:!selected { background: #e6eef7; }")
            .arg(Css(list_.ForeColor()), Css(list_.BackColor()));
    }
    void mousePressEvent(QMouseEvent* event) override {
        const int line = indexAt(event->position().toPoint()).row();
        form_.ButtonPressed(InForm(form_, *viewport(), *event), event->button(),
                            event->modifiers());
        if (event->button() == Qt::LeftButton && line >= 0) form_.LineChosen(list_, line);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        form_.ButtonReleased(InForm(form_, *viewport(), *event), event->button(),
                             event->modifiers());
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        const int line = indexAt(event->position().toPoint()).row();
        const QPoint point = InForm(form_, *viewport(), *event);
        if (event->button() == Qt::LeftButton && line >= 0)
            form_.LineDoubleClicked(list_, line, point);
        else
            form_.DoubleClicked(point, event->button(), event->modifiers());
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        QListWidget::mouseMoveEvent(event);
        form_.PointerMoved(InForm(form_, *viewport(), *event), event->modifiers());
    }
    void focusInEvent(QFocusEvent* event) override {
        QListWidget::focusInEvent(event);
        if (!syncing_) form_.FocusedByUser(list_);
    }
    void keyPressEvent(QKeyEvent* event) override {
        const int page = std::max(1, viewport()->height() / std::max(1, sizeHintForRow(0)));
        const int line = LineAfterKey(event->key(), list_.ListIndex(), list_.ListCount(), page);
        if (line >= 0) {
            if (line != list_.ListIndex()) form_.LineChosen(list_, line);
            return;
        }
        if (!form_.RouteKey(list_, *event)) QListWidget::keyPressEvent(event);
    }

private:
    forms::ListBox& list_;
    QStringList lines_;
};

// ---- Combo box ----------------------------------------------------------------

class ComboWidget;

// The text part of an editable combo box: typing goes to the program.
class ComboEdit final : public QLineEdit {
public:
    ComboEdit(FormWidget& form, forms::ComboBox& combo, QWidget* parent)
        : QLineEdit(parent), form_(form), combo_(combo) {
        setContextMenuPolicy(Qt::NoContextMenu);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        if (event->reason() != Qt::OtherFocusReason) form_.FocusedByUser(combo_);
    }

private:
    FormWidget& form_;
    forms::ComboBox& combo_;
};

class ComboWidget final : public QComboBox, public NativeControl {
public:
    ComboWidget(FormWidget& form, forms::ComboBox& combo)
        : QComboBox(&form), NativeControl(form, combo), combo_(combo) {
        setMouseTracking(true);
        setMaxVisibleItems(12);
        if (combo.Style() == forms::vbComboDropdown) {
            setEditable(true);
            setInsertPolicy(QComboBox::NoInsert);
            setLineEdit(new ComboEdit(form, combo, this));
            setCompleter(nullptr);
        }
        connect(this, &QComboBox::activated, this, [this](int line) {
            if (!syncing_) form_.LineChosen(combo_, line);
        });
    }
    QWidget& Widget() override { return *this; }
    void Choose(int line) { form_.LineChosen(combo_, line); }

protected:
    void SyncContents() override {
        const QSignalBlocker quiet(this);
        SyncLines(combo_, lines_, [this](const QStringList& lines) {
            clear();
            addItems(lines);
        });
        if (currentIndex() != combo_.ListIndex()) setCurrentIndex(combo_.ListIndex());
        if (isEditable() && lineEdit()->text() != ToQt(combo_.Text())) {
            lineEdit()->setText(ToQt(combo_.Text()));
            lineEdit()->end(false);
        }
    }
    QString StyleSheet() const override {
        return QString("QComboBox { border: 1px solid #a9aeb5; border-radius: 3px; padding: 1px 6px;"
                       " color: %1; background: %2; }"
                       "QComboBox:focus { border-color: #00458c; }"
                       "QComboBox QAbstractItemView { color: %1; background: %2;"
                       " selection-background-color: #00458c; selection-color: #ffffff; }")
            .arg(Css(combo_.ForeColor()), Css(combo_.BackColor()));
    }
    void mousePressEvent(QMouseEvent* event) override {
        form_.ButtonPressed(InForm(form_, *this, *event), event->button(), event->modifiers());
        QComboBox::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        QComboBox::mouseReleaseEvent(event);
        form_.ButtonReleased(InForm(form_, *this, *event), event->button(), event->modifiers());
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        QComboBox::mouseMoveEvent(event);
        form_.PointerMoved(InForm(form_, *this, *event), event->modifiers());
    }
    void focusInEvent(QFocusEvent* event) override {
        QComboBox::focusInEvent(event);
        if (!syncing_) form_.FocusedByUser(combo_);
    }
    void keyPressEvent(QKeyEvent* event) override {
        const int line = LineAfterKey(event->key(), combo_.ListIndex(), combo_.ListCount(), 8);
        if (line >= 0) {
            if (line != combo_.ListIndex()) Choose(line);
            return;
        }
        if (!form_.RouteKey(combo_, *event)) QComboBox::keyPressEvent(event);
    }
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }

private:
    forms::ComboBox& combo_;
    QStringList lines_;
};

void ComboEdit::keyPressEvent(QKeyEvent* event) {
    auto* combo = static_cast<ComboWidget*>(parentWidget());
    const int line = LineAfterKey(event->key(), combo_.ListIndex(), combo_.ListCount(), 8);
    if (line >= 0 && event->key() != Qt::Key_Home && event->key() != Qt::Key_End) {
        if (line != combo_.ListIndex()) combo->Choose(line);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        for (const QChar character : QGuiApplication::clipboard()->text())
            if (character.isPrint()) form_.CharacterTyped(combo_, CharacterFromQt(character));
        return;
    }
    if (!form_.RouteKey(combo_, *event)) QLineEdit::keyPressEvent(event);
}

// ---- Scroll bar ---------------------------------------------------------------

class ScrollWidget final : public QScrollBar, public NativeControl {
public:
    ScrollWidget(FormWidget& form, forms::HScrollBar& bar)
        : QScrollBar(Qt::Horizontal, &form), NativeControl(form, bar), bar_(bar) {
        setMouseTracking(true);
        // One change when the thumb is let go: each change redraws the preview.
        setTracking(false);
        connect(this, &QScrollBar::valueChanged, this, [this](int value) {
            if (!syncing_) form_.Scrolled(bar_, value);
        });
    }
    QWidget& Widget() override { return *this; }

protected:
    void SyncContents() override {
        setRange(std::min(bar_.Min(), bar_.Max()), std::max(bar_.Min(), bar_.Max()));
        setSingleStep(bar_.SmallChange());
        setPageStep(bar_.LargeChange());
        setValue(bar_.Value());
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        QScrollBar::mouseMoveEvent(event);
        form_.PointerMoved(InForm(form_, *this, *event), event->modifiers());
    }

private:
    forms::HScrollBar& bar_;
};

// ---- Option buttons and check boxes ----------------------------------------------

// The click is the program's: the button shows the value the runtime gives it.
template <class Button, class Choice>
class ChoiceWidget final : public Button, public NativeControl {
public:
    ChoiceWidget(FormWidget& form, Choice& control)
        : Button(&form), NativeControl(form, control), choice_(control) {
        this->setMouseTracking(true);
        if constexpr (std::is_same_v<Button, QRadioButton>) this->setAutoExclusive(false);
        if constexpr (std::is_same_v<Button, QCheckBox>) this->setTristate(true);
    }
    QWidget& Widget() override { return *this; }

protected:
    void SyncContents() override {
        this->setText(ToQt(choice_.Caption()));
        if constexpr (std::is_same_v<Button, QRadioButton>) {
            this->setChecked(choice_.Value());
        } else {
            const int value = choice_.Value();
            this->setCheckState(value == forms::vbChecked   ? Qt::Checked
                                : value == forms::vbUnchecked ? Qt::Unchecked
                                                              : Qt::PartiallyChecked);
        }
    }
    // Coloured through the palette: a style sheet would take the style's own
    // indicators away.
    void ApplyColours() override {
        QPalette palette = this->palette();
        palette.setColor(QPalette::WindowText, ColorFrom(choice_.ForeColor()));
        palette.setColor(QPalette::Base, ColorFrom(choice_.BackColor()));
        this->setPalette(palette);
    }
    void mousePressEvent(QMouseEvent* event) override {
        form_.ButtonPressed(InForm(form_, *this, *event), event->button(), event->modifiers());
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        form_.ButtonReleased(InForm(form_, *this, *event), event->button(), event->modifiers());
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        form_.DoubleClicked(InForm(form_, *this, *event), event->button(), event->modifiers());
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        form_.PointerMoved(InForm(form_, *this, *event), event->modifiers());
    }
    void focusInEvent(QFocusEvent* event) override {
        Button::focusInEvent(event);
        if (!syncing_) form_.FocusedByUser(choice_);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Space) {
            const QPoint centre = this->mapTo(&form_, this->rect().center());
            form_.ButtonPressed(centre, Qt::LeftButton, event->modifiers());
            form_.ButtonReleased(centre, Qt::LeftButton, event->modifiers());
            return;
        }
        if (!form_.RouteKey(choice_, *event)) Button::keyPressEvent(event);
    }
    void keyReleaseEvent(QKeyEvent* event) override { event->accept(); }

private:
    Choice& choice_;
};

}  // namespace

QString NativeControl::StyleSheet() const { return {}; }

void NativeControl::ApplyColours() {
    if (const QString style = StyleSheet(); style != appliedStyle_) {
        appliedStyle_ = style;
        Widget().setStyleSheet(style);
    }
}

void NativeControl::SyncFromProgram(int dotsPerInch) {
    QWidget& widget = Widget();
    syncing_ = true;
    const QRect place = form_.RectInForm(control_.hWnd());
    if (widget.geometry() != place) widget.setGeometry(place);
    widget.setFont(ScreenFont(control_.Font(), dotsPerInch));
    widget.setEnabled(control_.Enabled());
    ApplyColours();
    SyncContents();
    syncing_ = false;
    widget.setVisible(control_.hWnd() != 0 &&
                      control_.GetRuntime().Windows().IsWindowVisible(control_.hWnd()));
}

NativeControl* MakeNativeControl(FormWidget& form, forms::Control& control) {
    if (auto* box = control.As<forms::TextBox>()) return new TextBoxWidget(form, *box);
    if (auto* list = control.As<forms::ListBox>()) return new ListBoxWidget(form, *list);
    if (auto* combo = control.As<forms::ComboBox>()) return new ComboWidget(form, *combo);
    if (auto* bar = control.As<forms::HScrollBar>()) return new ScrollWidget(form, *bar);
    if (auto* option = control.As<forms::OptionButton>())
        return new ChoiceWidget<QRadioButton, forms::OptionButton>(form, *option);
    if (auto* check = control.As<forms::CheckBox>())
        return new ChoiceWidget<QCheckBox, forms::CheckBox>(form, *check);
    return nullptr;
}

}  // namespace decalia::qt
