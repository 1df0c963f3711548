#include "qt/FormPainter.h"

#include "platform/forms/Forms.h"
#include "qt/QtFonts.h"
#include "qt/QtImages.h"
#include "qt/QtText.h"

namespace decalia::qt {
namespace {

struct PaintContext {
    QPainter& painter;
    forms::Runtime& runtime;
    int dotsPerInch;
};

void PaintCanvas(PaintContext& context, forms::Canvas& canvas, const QRect& area) {
    QPainter& painter = context.painter;
    if (canvas.AutoRedraw() && canvas.hDC()) {
        // The persistent drawing already holds the background and the picture.
        DrawBitmap(painter, win::GetCurrentObject(canvas.hDC(), win::OBJ_BITMAP), area,
                   Fit::Unscaled);
    } else {
        painter.fillRect(area, ColorFrom(canvas.BackColor()));
        if (canvas.Picture()) DrawBitmap(painter, canvas.Picture().Handle(), area, Fit::Unscaled);
    }
    const auto* box = dynamic_cast<const forms::PictureBox*>(&canvas);
    if (box != nullptr && box->BorderStyle() == 1) {
        painter.setPen(QColor(150, 150, 150));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }
}

int LabelAlignment(int alignment) {
    switch (alignment) {
    case 1: return Qt::AlignRight;
    case 2: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

void PaintLabel(PaintContext& context, forms::Label& label, const QRect& area) {
    QPainter& painter = context.painter;
    if (label.BackStyle() == 1) painter.fillRect(area, ColorFrom(label.BackColor()));
    painter.setFont(ScreenFont(label.Font(), context.dotsPerInch));
    painter.setPen(label.Enabled() ? ColorFrom(label.ForeColor()) : QColor(160, 160, 160));
    painter.drawText(area, LabelAlignment(label.Alignment()) | Qt::AlignTop | Qt::TextWordWrap,
                     ToQt(label.Caption()));
}

void PaintFrame(PaintContext& context, forms::Frame& frame, const QRect& area) {
    QPainter& painter = context.painter;
    const QFont font = ScreenFont(frame.Font(), context.dotsPerInch);
    const int captionHeight = QFontMetrics(font).height();
    painter.setPen(ColorFrom(frame.ForeColor()));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(area.adjusted(0, captionHeight / 2, -1, -1), 3, 3);
    if (frame.Caption().empty()) return;
    painter.setFont(font);
    const QString caption = ToQt(frame.Caption());
    const QRect label(area.left() + 8, area.top(), QFontMetrics(font).horizontalAdvance(caption) + 6,
                      captionHeight);
    painter.fillRect(label, ColorFrom(frame.BackColor()));
    painter.drawText(label, Qt::AlignCenter, caption);
}

void PaintControl(PaintContext& context, forms::Control& control, const QRect& area) {
    if (auto* canvas = dynamic_cast<forms::Canvas*>(&control)) {
        PaintCanvas(context, *canvas, area);
    } else if (auto* label = dynamic_cast<forms::Label*>(&control)) {
        PaintLabel(context, *label, area);
    } else if (auto* image = dynamic_cast<forms::Image*>(&control)) {
        if (image->Picture())
            DrawBitmap(context.painter, image->Picture().Handle(), area,
                       image->Stretch() ? Fit::Stretched : Fit::Unscaled);
    } else if (auto* frame = dynamic_cast<forms::Frame*>(&control)) {
        PaintFrame(context, *frame, area);
    }
}

void PaintWindow(PaintContext& context, win::HWND window, QPoint origin, const QRect& clip) {
    forms::Control* control = context.runtime.FromHandle(window);
    win::RECT client;
    if (control == nullptr || !control->Visible() ||
        !context.runtime.Windows().GetClientRect(window, client))
        return;
    const QRect area(origin, QSize(client.right, client.bottom));
    const QRect shown = area & clip;
    if (shown.isEmpty() || IsWidgetKind(control->Kind())) return;
    context.painter.save();
    context.painter.setClipRect(shown);
    PaintControl(context, *control, area);
    context.painter.restore();
    for (const win::HWND child : context.runtime.Windows().Children(window)) {
        const auto rect = context.runtime.Windows().WindowRect(child);
        if (rect) PaintWindow(context, child, origin + QPoint(rect->left, rect->top), shown);
    }
}

}  // namespace

bool IsWidgetKind(forms::ControlKind kind) {
    using forms::ControlKind;
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::ListBox:
    case ControlKind::ComboBox:
    case ControlKind::FileListBox:
    case ControlKind::HScrollBar:
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
        return true;
    default:
        return false;
    }
}

void PaintForm(QPainter& painter, forms::Form& form, int dotsPerInch) {
    if (form.hWnd() == 0) return;
    PaintContext context{painter, form.GetRuntime(), dotsPerInch};
    PaintWindow(context, form.hWnd(), QPoint(0, 0), QRect(0, 0, 1 << 15, 1 << 15));
}

}  // namespace decalia::qt
