#include "qt/TooltipPopup.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include "platform/gdi/Font.h"
#include "qt/QtFonts.h"
#include "qt/QtImages.h"
#include "qt/QtText.h"

namespace decalia::qt {
namespace {

// Below the pointer's arrow, as the system's own tips stand.
constexpr int kBelowPointer = 21;

}  // namespace

TooltipPopup::TooltipPopup()
    : QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    delay_.setSingleShot(true);
    visible_.setSingleShot(true);
    QObject::connect(&delay_, &QTimer::timeout, this, [this] { ShowAtPointer(); });
    QObject::connect(&visible_, &QTimer::timeout, this, [this] { hide(); });
}

void TooltipPopup::Arm(const win::TooltipShow& tip, const win::TooltipState& state) {
    hide();
    tooltip_ = tip.tooltip;
    setText(ToQt(tip.text));
    win::LOGFONTA font;
    if (state.font && win::GetObject(state.font, font)) setFont(ScreenFont(font));
    setStyleSheet(QString("QLabel { color: %1; background: %2; border: 1px solid #767676;"
                          " padding: 2px 4px; }")
                      .arg(ColorFrom(state.textColor).name(), ColorFrom(state.backColor).name()));
    setMaximumWidth(state.maxTipWidth > 0 ? state.maxTipWidth : QWIDGETSIZE_MAX);
    adjustSize();
    delay_.start(std::max(0, tip.initialDelayMs));
    visible_.setInterval(std::max(0, tip.autoPopMs));
}

void TooltipPopup::Disarm(win::HWND tooltip) {
    if (tooltip != tooltip_) return;
    delay_.stop();
    visible_.stop();
    hide();
    tooltip_ = 0;
}

void TooltipPopup::ShowAtPointer() {
    QPoint at = QCursor::pos() + QPoint(0, kBelowPointer);
    if (const QScreen* screen = QGuiApplication::screenAt(QCursor::pos())) {
        const QRect room = screen->availableGeometry();
        at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - width())));
        if (at.y() + height() > room.bottom()) at.setY(QCursor::pos().y() - height() - 4);
    }
    move(at);
    show();
    raise();
    visible_.start();
}

}  // namespace decalia::qt
