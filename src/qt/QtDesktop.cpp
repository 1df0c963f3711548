#include "qt/QtDesktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/forms/Forms.h"
#include "platform/fs/Fs.h"
#include "platform/gdi/Font.h"
#include "qt/FormWidget.h"
#include "qt/SoundPlayer.h"
#include "qt/TooltipPopup.h"
#include "qt/QtText.h"

namespace decalia::qt {
namespace {

int ScreenDotsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? 96 : static_cast<int>(std::lround(screen->logicalDotsPerInchX()));
}

// Windows' "description|pattern|..." as Qt's "description (pattern ...)";
// both cases of each pattern, as Windows matches names without case.
QString QtFilter(const std::string& filter) {
    const QStringList parts = ToQt(filter).split('|');
    QStringList filters;
    for (qsizetype at = 0; at + 1 < parts.size(); at += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[at + 1].split(';', Qt::SkipEmptyParts)) {
            patterns << pattern.trimmed();
            if (pattern.trimmed().toUpper() != pattern.trimmed())
                patterns << pattern.trimmed().toUpper();
        }
        filters << parts[at].trimmed() + " (" + patterns.join(' ') + ")";
    }
    return filters.join(";;");
}

// A window move the platform cannot do itself: follow the pointer until the
// button is let go.
class PointerMove final : public QObject {
public:
    explicit PointerMove(QWidget& window) : window_(window), start_(QCursor::pos()) {}
    void Run() {
        window_.grabMouse();
        qApp->installEventFilter(this);
        loop_.exec();
        qApp->removeEventFilter(this);
        window_.releaseMouse();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            const QPoint now = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            window_.move(window_.pos() + now - start_);
            start_ = now;
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            loop_.quit();
            return true;
        }
        return false;
    }

private:
    QWidget& window_;
    QPoint start_;
    QEventLoop loop_;
};

}  // namespace

QtDesktop::QtDesktop(QtDesktopOptions options)
    : processEnd_(options.processEnd),
      tooltip_(std::make_unique<TooltipPopup>()),
      sound_(std::make_unique<SoundPlayer>()) {
    // One look on every desktop, whatever the user's widget theme.
    QApplication::setStyle(QStringLiteral("Fusion"));
    dotsPerInch_ = options.dotsPerInch.value_or(ScreenDotsPerInch());
    if (!win::SetScreenDpi(dotsPerInch_)) {
        dotsPerInch_ = 96;
        win::SetScreenDpi(dotsPerInch_);
    }
}

QtDesktop::~QtDesktop() = default;

FormWidget* QtDesktop::WidgetOf(const forms::Form& form) const {
    const auto found = widgets_.find(&form);
    return found == widgets_.end() ? nullptr : found->second.get();
}

FormWidget& QtDesktop::WidgetFor(forms::Form& form) {
    runtime_ = &form.GetRuntime();
    auto& widget = widgets_[&form];
    if (!widget) widget = std::make_unique<FormWidget>(*this, form);
    return *widget;
}

FormWidget* QtDesktop::WidgetOfWindow(win::HWND window) const {
    if (runtime_ == nullptr) return nullptr;
    const forms::Control* control = runtime_->FromHandle(window);
    return control == nullptr ? nullptr : WidgetOf(control->Parent());
}

QImage QtDesktop::Grab(forms::Form& form) { return WidgetFor(form).Grab(); }

bool QtDesktop::TooltipShown() const { return tooltip_->Showing(); }

void QtDesktop::AfterInput() {
    for (const auto& [form, widget] : widgets_) {
        if (form->Visible())
            widget->SyncFromProgram();
        else if (widget->isVisible())
            widget->hide();
    }
    for (const auto& [form, loop] : modalLoops_)
        if (loop && !form->ModalShowing()) loop->quit();
}

// ---- Forms -----------------------------------------------------------------------

void QtDesktop::PlaceFirstWindow(forms::Form& form) {
    // The first window opens in the middle of the screen; later ones place
    // themselves (the step screens over the main window).
    placedFirst_ = true;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const auto rect = form.GetRuntime().Windows().WindowRect(form.hWnd());
    if (screen == nullptr || !rect) return;
    const QRect room = screen->availableGeometry();
    const int width = rect->right - rect->left;
    const int height = rect->bottom - rect->top;
    form.GetRuntime().Windows().MoveWindow(form.hWnd(), room.center().x() - width / 2,
                                           std::max(room.top(), room.center().y() - height / 2),
                                           width, height);
}

void QtDesktop::FormShown(forms::Form& form) {
    if (!placedFirst_) PlaceFirstWindow(form);
    WidgetFor(form).ShowModeless();
    AfterInput();
}

void QtDesktop::FormHidden(forms::Form& form) {
    if (FormWidget* widget = WidgetOf(form)) {
        widget->hide();
        widget->setWindowModality(Qt::NonModal);
    }
    if (tooltip_->Tooltip() != 0) tooltip_->Disarm(tooltip_->Tooltip());
    for (const auto& [shown, loop] : modalLoops_)
        if (shown == &form && loop) loop->quit();
}

void QtDesktop::RunModalLoop(forms::Form& form) {
    FormWidget& widget = WidgetFor(form);
    widget.ShowModal();
    AfterInput();
    bool hooked = false;
    while (form.ModalShowing()) {
        QEventLoop loop;
        modalLoops_.emplace_back(&form, &loop);
        if (modalHook_ && !hooked) {
            hooked = true;
            QTimer::singleShot(0, &loop, [this, &form] {
                if (modalHook_ && form.ModalShowing()) modalHook_(form);
            });
        }
        loop.exec();
        std::erase_if(modalLoops_, [&loop](const auto& entry) { return entry.second == &loop; });
    }
}

void QtDesktop::Refresh(forms::Control& control) {
    if (FormWidget* widget = WidgetOf(control.Parent())) widget->RepaintControl(control);
}

// ---- Dialogs and the shell -----------------------------------------------------------

QWidget* QtDesktop::DialogParent(win::HWND owner) const {
    if (FormWidget* widget = WidgetOfWindow(owner); widget != nullptr && widget->isVisible())
        return widget;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    for (const auto& [form, widget] : widgets_)
        if (widget->isVisible()) return widget.get();
    return nullptr;
}

void QtDesktop::RunDialogHook(QWidget& dialog) {
    if (!dialogHook_) return;
    QPointer<QWidget> guarded(&dialog);
    QTimer::singleShot(0, &dialog, [this, guarded] {
        if (guarded && dialogHook_) dialogHook_(*guarded);
    });
}

int QtDesktop::ShowMessageBox(win::HWND owner, const std::string& text,
                              const std::string& caption) {
    messageBoxes_.push_back(text);
    QMessageBox box(QMessageBox::NoIcon, ToQt(caption), ToQt(text), QMessageBox::Ok,
                    DialogParent(owner));
    box.setTextFormat(Qt::PlainText);
    RunDialogHook(box);
    box.exec();
    AfterInput();
    return win::IDOK;
}

std::optional<std::string> QtDesktop::ShowOpenFileDialog(const win::OpenFileRequest& request) {
    QFileDialog dialog(DialogParent(request.owner), ToQt(request.title),
                       QString::fromStdString(fs::Resolve(request.initialFolder)),
                       QtFilter(request.filter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    RunDialogHook(dialog);
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    AfterInput();
    if (!chosen) return std::nullopt;
    return FromQt(dialog.selectedFiles().front());
}

bool QtDesktop::ShellOpen(const std::string& document) {
    const std::string path = fs::Resolve(document);
    if (!fs::FileExists(document)) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

bool QtDesktop::PlaySoundAsync(const std::string& wavFile) {
    return sound_->Play(fs::Resolve(wavFile));
}

win::MoveOffset QtDesktop::RunMoveLoop(win::HWND window) {
    FormWidget* widget = WidgetOfWindow(window);
    if (widget == nullptr) return {};
    // The platform's own move when it has one; the widget's move event tells
    // the runtime where the window went, so no offset is handed back.
    QWindow* handle = widget->windowHandle();
    if (handle == nullptr || !handle->startSystemMove()) PointerMove(*widget).Run();
    return {};
}

void QtDesktop::ShowTooltip(const win::TooltipShow& tip) {
    if (runtime_ == nullptr) return;
    if (const win::TooltipState* state = runtime_->Windows().Tooltip(tip.tooltip))
        tooltip_->Arm(tip, *state);
}

void QtDesktop::HideTooltip(win::HWND tooltip) { tooltip_->Disarm(tooltip); }

void QtDesktop::EndProcess(unsigned exitCode) {
    if (processEnd_ == ProcessEnd::Throw) throw win::ProcessEnded{exitCode};
    // At once, as the program asks: no window is asked and nothing is unwound.
    std::fflush(nullptr);
    std::_Exit(static_cast<int>(exitCode));
}

}  // namespace decalia::qt
