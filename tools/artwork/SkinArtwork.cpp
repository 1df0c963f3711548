#include "SkinArtwork.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace decalia::artwork {
namespace {

// The skin's colours. Nothing inside a window may be pure black: black is
// what the outline cuts away.
const QColor kHeader(30, 74, 123);
const QColor kHeaderGloss(61, 110, 166);
const QColor kHeaderEdge(15, 45, 80);
const QColor kBody(232, 236, 241);
const QColor kPanel(250, 251, 252);
const QColor kPanelEdge(197, 205, 216);
const QColor kTagline(169, 196, 228);

enum class Look { Enabled, Highlight, Down, Disabled };
constexpr Look kLooks[] = {Look::Enabled, Look::Highlight, Look::Down, Look::Disabled};

// Colours of a button's face in one look.
struct Face {
    QColor top, bottom, edge, ink;
};

QFont SkinFont(int pixels, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

Raster ToRaster(const QImage& image) {
    Raster raster(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            raster.Set(x, y, Rgb{static_cast<std::uint8_t>(qRed(pixel)),
                                 static_cast<std::uint8_t>(qGreen(pixel)),
                                 static_cast<std::uint8_t>(qBlue(pixel))});
        }
    return raster;
}

void Smooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

// ---- Faces ------------------------------------------------------------------------

Face BlueFace(Look look) {
    switch (look) {
    case Look::Highlight: return {{112, 158, 214}, {58, 110, 176}, {33, 78, 136}, Qt::white};
    case Look::Down: return {{37, 78, 128}, {52, 98, 154}, {22, 55, 98}, {228, 238, 250}};
    case Look::Disabled: return {{226, 230, 235}, {209, 214, 221}, {186, 193, 203}, {150, 158, 170}};
    default: return {{86, 134, 195}, {44, 91, 153}, {30, 70, 122}, Qt::white};
    }
}

Face GreenFace(Look look) {
    switch (look) {
    case Look::Highlight: return {{103, 196, 128}, {47, 150, 82}, {30, 112, 58}, Qt::white};
    case Look::Down: return {{30, 110, 60}, {41, 134, 74}, {22, 88, 47}, {230, 246, 235}};
    case Look::Disabled: return BlueFace(Look::Disabled);
    default: return {{76, 178, 106}, {36, 133, 68}, {26, 100, 52}, Qt::white};
    }
}

// Buttons on the title band: glass over the band's blue.
Face GlassFace(Look look) {
    switch (look) {
    case Look::Highlight: return {{255, 255, 255, 90}, {255, 255, 255, 50}, {255, 255, 255, 150}, Qt::white};
    case Look::Down: return {{0, 20, 50, 90}, {0, 20, 50, 60}, {255, 255, 255, 70}, {220, 232, 246}};
    case Look::Disabled: return {{255, 255, 255, 18}, {255, 255, 255, 10}, {255, 255, 255, 40}, {150, 175, 205}};
    default: return {{255, 255, 255, 52}, {255, 255, 255, 22}, {255, 255, 255, 100}, Qt::white};
    }
}

// The step marks: a ring to fill in, or a green disc with its tick.
Face RingFace(Look look) {
    switch (look) {
    case Look::Highlight: return {{240, 246, 253}, {221, 233, 248}, {58, 110, 176}, {58, 110, 176}};
    case Look::Down: return {{205, 220, 238}, {222, 233, 246}, {37, 78, 128}, {37, 78, 128}};
    case Look::Disabled: return {{246, 247, 249}, {238, 240, 243}, {208, 214, 222}, {208, 214, 222}};
    default: return {{255, 255, 255}, {236, 241, 247}, {128, 150, 178}, {128, 150, 178}};
    }
}

void PaintFace(QPainter& painter, const QPainterPath& shape, const Face& face, Look look) {
    const QRectF box = shape.boundingRect();
    if (look == Look::Enabled || look == Look::Highlight) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(10, 30, 60, 40));
        painter.drawPath(shape.translated(0, 1.5));
    }
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, face.top);
    fill.setColorAt(1, face.bottom);
    painter.setBrush(fill);
    painter.setPen(QPen(face.edge, 1));
    painter.drawPath(shape);
    if (look == Look::Enabled || look == Look::Highlight) {
        // A soft sheen over the upper half.
        QLinearGradient sheen(box.topLeft(), QPointF(box.left(), box.center().y()));
        sheen.setColorAt(0, QColor(255, 255, 255, 70));
        sheen.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(sheen);
        QPainterPath upper;
        upper.addRect(box.left(), box.top(), box.width(), box.height() / 2);
        painter.drawPath(shape.intersected(upper));
    }
}

QPainterPath RoundedBox(const QRectF& box, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

QPainterPath Disc(QPointF centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPen Ink(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// ---- Icons --------------------------------------------------------------------------

using Icon = std::function<void(QPainter&, QPointF centre, const QColor& ink)>;

void Cross(QPainter& painter, QPointF c, const QColor& ink) {
    painter.setPen(Ink(ink, 2.6));
    painter.drawLine(c + QPointF(-6, -6), c + QPointF(6, 6));
    painter.drawLine(c + QPointF(-6, 6), c + QPointF(6, -6));
}

void Question(QPainter& painter, QPointF c, const QColor& ink) {
    painter.setPen(ink);
    painter.setFont(SkinFont(19, true));
    painter.drawText(QRectF(c.x() - 12, c.y() - 12, 24, 24), Qt::AlignCenter, QStringLiteral("?"));
}

void Tick(QPainter& painter, QPointF c, const QColor& ink) {
    painter.setPen(Ink(ink, 2.8));
    painter.setBrush(Qt::NoBrush);
    QPainterPath tick(c + QPointF(-6, 0.5));
    tick.lineTo(c + QPointF(-2, 4.5));
    tick.lineTo(c + QPointF(6, -4.5));
    painter.drawPath(tick);
}

void Arrow(QPainter& painter, QPointF c, const QColor& ink, qreal direction) {
    painter.setPen(Ink(ink, 2.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(c + QPointF(-6.5 * direction, 0), c + QPointF(6 * direction, 0));
    QPainterPath head(c + QPointF(0.5 * direction, -5.5));
    head.lineTo(c + QPointF(6 * direction, 0));
    head.lineTo(c + QPointF(0.5 * direction, 5.5));
    painter.drawPath(head);
}

// ---- Strips ---------------------------------------------------------------------------

using FramePainter = std::function<void(QPainter&, const QRectF& frame, Look look)>;

// Four frames stacked from the top, each on the colour the button stands on.
Raster Strip(int width, int height, const QColor& backdrop, const FramePainter& paint) {
    QImage image(width, height * 4, QImage::Format_RGB32);
    image.fill(backdrop);
    QPainter painter(&image);
    Smooth(painter);
    int top = 0;
    for (const Look look : kLooks) {
        painter.save();
        painter.setClipRect(0, top, width, height);
        paint(painter, QRectF(0, top, width, height), look);
        painter.restore();
        top += height;
    }
    painter.end();
    return ToRaster(image);
}

// Pressed buttons sink by a pixel.
qreal Sink(Look look) { return look == Look::Down ? 1.0 : 0.0; }

Raster SquareStrip(const QColor& backdrop, Face (*faces)(Look), const Icon& icon) {
    return Strip(33, 35, backdrop, [=](QPainter& painter, const QRectF& frame, Look look) {
        const QRectF box(frame.left() + 2.5, frame.top() + 3 + Sink(look), 28, 28);
        const Face face = faces(look);
        PaintFace(painter, RoundedBox(box, 6.5), face, look);
        icon(painter, box.center(), face.ink);
    });
}

Raster RoundStrip(const QColor& backdrop, Face (*faces)(Look), const Icon& icon) {
    return Strip(33, 35, backdrop, [=](QPainter& painter, const QRectF& frame, Look look) {
        const QPointF centre(frame.left() + 16.5, frame.top() + 17 + Sink(look));
        const Face face = faces(look);
        PaintFace(painter, Disc(centre, 13.5), face, look);
        if (faces == RingFace) {
            painter.setPen(QPen(face.edge, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(centre, 12.5, 12.5);
        }
        icon(painter, centre, face.ink);
    });
}

Raster LargeStrip(const QString& caption, Face (*faces)(Look), const Icon& icon) {
    return Strip(166, 50, kBody, [=](QPainter& painter, const QRectF& frame, Look look) {
        const QRectF box(frame.left() + 3, frame.top() + 3 + Sink(look), 160, 42);
        const Face face = faces(look);
        PaintFace(painter, RoundedBox(box, 9), face, look);
        painter.setFont(SkinFont(16, true));
        const qreal captionWidth = QFontMetricsF(painter.font()).horizontalAdvance(caption);
        const qreal left = box.center().x() - (captionWidth + 26) / 2;
        icon(painter, QPointF(left + 9, box.center().y()), face.ink);
        painter.setPen(face.ink);
        painter.drawText(QRectF(left + 26, box.top(), captionWidth + 2, box.height()),
                         Qt::AlignVCenter | Qt::AlignLeft, caption);
    });
}

// A wand with a spark: the wizard.
void Wand(QPainter& painter, QPointF c, const QColor& ink) {
    painter.setPen(Ink(ink, 2.6));
    painter.drawLine(c + QPointF(-6, 6), c + QPointF(3, -3));
    painter.setPen(Ink(ink, 1.6));
    for (const QPointF ray : {QPointF(0, -5), QPointF(5, 0), QPointF(4, -4), QPointF(-1, -3)}) {
        const QPointF spark = c + QPointF(5, -5);
        painter.drawLine(spark + ray * 0.35, spark + ray * 0.8);
    }
}

// A small aircraft seen from above: the build.
void Aircraft(QPainter& painter, QPointF c, const QColor& ink) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    QPainterPath plane;
    plane.moveTo(c + QPointF(0, -8));
    plane.cubicTo(c + QPointF(1.6, -8), c + QPointF(1.6, -5), c + QPointF(1.6, -3));
    plane.lineTo(c + QPointF(8, 1.5));
    plane.lineTo(c + QPointF(8, 3));
    plane.lineTo(c + QPointF(1.6, 1));
    plane.lineTo(c + QPointF(1.3, 5.5));
    plane.lineTo(c + QPointF(3.5, 7.5));
    plane.lineTo(c + QPointF(3.5, 8.5));
    plane.lineTo(c + QPointF(0, 7.5));
    plane.lineTo(c + QPointF(-3.5, 8.5));
    plane.lineTo(c + QPointF(-3.5, 7.5));
    plane.lineTo(c + QPointF(-1.3, 5.5));
    plane.lineTo(c + QPointF(-1.6, 1));
    plane.lineTo(c + QPointF(-8, 3));
    plane.lineTo(c + QPointF(-8, 1.5));
    plane.lineTo(c + QPointF(-1.6, -3));
    plane.cubicTo(c + QPointF(-1.6, -5), c + QPointF(-1.6, -8), c + QPointF(0, -8));
    painter.drawPath(plane);
}

// ---- Windows ------------------------------------------------------------------------

// The program's mark: a tail fin with a cheat line, as a painter draws one.
void Mark(QPainter& painter, const QRectF& box) {
    QLinearGradient fill(box.topLeft(), box.bottomRight());
    fill.setColorAt(0, QColor(128, 176, 232));
    fill.setColorAt(1, QColor(58, 110, 176));
    painter.setPen(QPen(QColor(200, 222, 248), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, 6, 6);
    QPainterPath fin(QPointF(box.left() + 6, box.bottom() - 5));
    fin.lineTo(QPointF(box.left() + 13, box.top() + 5));
    fin.lineTo(QPointF(box.right() - 5, box.top() + 5));
    fin.lineTo(QPointF(box.right() - 9, box.bottom() - 5));
    fin.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawPath(fin);
    painter.setPen(QPen(QColor(214, 64, 64), 2.2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(box.left() + 7, box.bottom() - 9), QPointF(box.right() - 6, box.top() + 11));
}

void Panel(QPainter& painter, const QRectF& box) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 40, 70, 18));
    painter.drawRoundedRect(box.translated(0, 1), 6, 6);
    painter.setPen(QPen(kPanelEdge, 1));
    painter.setBrush(kPanel);
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}

// A window: the title band with the mark and the name, the light body, a dark
// rim, and black all round the rounded outline.
QImage Window(int width, int height, qreal radius, int band, const QString& tagline) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    Smooth(painter);
    const QPainterPath outline = RoundedBox(QRectF(0.5, 0.5, width - 1, height - 1), radius);
    painter.fillPath(outline, kBody);
    QPainterPath bandArea;
    bandArea.addRect(0, 0, width, band);
    painter.fillPath(outline.intersected(bandArea), kHeader);
    painter.setPen(QPen(kHeaderGloss, 1));
    painter.drawLine(QPointF(radius, 2.5), QPointF(width - radius, 2.5));
    painter.fillRect(QRectF(1, band, width - 2, 2), kHeaderEdge);
    painter.setPen(QPen(kHeaderEdge, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);

    const qreal markSize = band >= 60 ? 34 : 26;
    const QRectF mark(radius * 0.6 + 4, (band - markSize) / 2, markSize, markSize);
    Mark(painter, mark);
    const QFont title = SkinFont(band >= 60 ? 26 : 19, true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    const qreal titleLeft = mark.right() + 10;
    const QString name = QStringLiteral("Decalia");
    painter.drawText(QRectF(titleLeft, 0, 200, band), Qt::AlignVCenter | Qt::AlignLeft, name);
    if (!tagline.isEmpty()) {
        painter.setFont(SkinFont(band >= 60 ? 13 : 11, false));
        painter.setPen(kTagline);
        const qreal left = titleLeft + QFontMetricsF(title).horizontalAdvance(name) + 12;
        painter.drawText(QRectF(left, 0, 300, band + 3), Qt::AlignVCenter | Qt::AlignLeft, tagline);
    }
    return image;
}

}  // namespace

Raster MainBackground() {
    QImage image = Window(800, 600, 18, 64, QStringLiteral("Aircraft repaint builder"));
    QPainter painter(&image);
    Smooth(painter);
    // Behind the step column, the preview and the status line.
    Panel(painter, QRectF(12, 140, 408, 310));
    Panel(painter, QRectF(440, 80, 348, 460));
    Panel(painter, QRectF(12, 530, 408, 50));
    painter.end();
    return ToRaster(image);
}

Raster WizardBackground() {
    QImage image = Window(400, 300, 14, 44, QStringLiteral("Repaint wizard"));
    QPainter painter(&image);
    Smooth(painter);
    // Behind each step's input.
    Panel(painter, QRectF(12, 137, 376, 114));
    painter.end();
    return ToRaster(image);
}

std::vector<StripPicture> ButtonStrips() {
    const auto arrow = [](qreal direction) {
        return [direction](QPainter& p, QPointF c, const QColor& ink) { Arrow(p, c, ink, direction); };
    };
    const Icon none = [](QPainter&, QPointF, const QColor&) {};
    return {
        {"Close", SquareStrip(kHeader, GlassFace, Cross)},
        {"Help", SquareStrip(kHeader, GlassFace, Question)},
        {"Empty", RoundStrip(kPanel, RingFace, none)},
        {"Check", RoundStrip(kPanel, GreenFace, Tick)},
        {"Next", RoundStrip(kBody, BlueFace, arrow(1))},
        {"Previous", RoundStrip(kBody, BlueFace, arrow(-1))},
        {"Wizard", LargeStrip(QStringLiteral("Repaint Wizard"), BlueFace, Wand)},
        {"CreateAircraft", LargeStrip(QStringLiteral("Create Aircraft"), GreenFace, Aircraft)},
    };
}

}  // namespace decalia::artwork
