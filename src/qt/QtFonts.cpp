#include "qt/QtFonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>
#include <cstdlib>

namespace decalia::qt {

QString ScreenFamily() {
    // Nearest in width and x-height first: a wider face would clip the
    // captions the windows were laid out for.
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* face : {"Tahoma", "Liberation Sans", "Arial", "Nimbus Sans",
                                 "DejaVu Sans Condensed", "DejaVu Sans"})
            if (installed.contains(QString::fromLatin1(face), Qt::CaseInsensitive))
                return QString::fromLatin1(face);
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

namespace {

QFont SansSerif(int pixelSize, int weight, bool italic, bool underline, bool strikeOut) {
    QFont font(ScreenFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, pixelSize));
    font.setWeight(weight >= 600 ? QFont::Bold : QFont::Normal);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    return font;
}

}  // namespace

QFont ScreenFont(const forms::Font& font, int dotsPerInch) {
    const int pixels = static_cast<int>(std::lround(font.Size * dotsPerInch / 72.0));
    return SansSerif(pixels, font.Bold ? 700 : font.Weight, font.Italic, font.Underline,
                     font.Strikethrough);
}

QFont ScreenFont(const win::LOGFONTA& font) {
    return SansSerif(std::abs(font.lfHeight), font.lfWeight, font.lfItalic != 0,
                     font.lfUnderline != 0, font.lfStrikeOut != 0);
}

}  // namespace decalia::qt
