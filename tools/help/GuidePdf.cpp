#include "GuidePdf.h"

#include <QFile>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>
#include <vector>

#include "qt/QtFonts.h"

namespace decalia::guide {
namespace {

namespace stdfs = std::filesystem;

const QColor kHeading(0, 69, 140);
const QColor kRule(169, 174, 181);

bool ReadChapters(const stdfs::path& folder, QString& markdown) {
    std::vector<stdfs::path> chapters;
    for (const auto& entry : stdfs::directory_iterator(folder))
        if (entry.path().extension() == ".md") chapters.push_back(entry.path());
    std::sort(chapters.begin(), chapters.end());
    for (const auto& chapter : chapters) {
        QFile file(QString::fromStdString(chapter.string()));
        if (!file.open(QIODevice::ReadOnly)) return false;
        markdown += QString::fromUtf8(file.readAll()) + "\n\n";
    }
    return !chapters.empty();
}

// Chapters start on a page of their own; headings in the program's blue.
void StyleHeadings(QTextDocument& document) {
    bool first = true;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0) continue;
        QTextCursor cursor(block);
        QTextBlockFormat format = block.blockFormat();
        format.setTopMargin(level == 1 ? 0 : 14);
        format.setBottomMargin(6);
        if (level == 1 && !first) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        first = false;
        cursor.setBlockFormat(format);
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat characters;
        characters.setForeground(kHeading);
        cursor.mergeCharFormat(characters);
    }
}

void StyleTables(QTextFrame& frame) {
    for (QTextFrame* child : frame.childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            QTextTableFormat format = table->format();
            format.setBorder(0.5);
            format.setBorderBrush(kRule);
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderCollapse(true);
            format.setCellPadding(4);
            format.setCellSpacing(0);
            format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            table->setFormat(format);
        }
        StyleTables(*child);
    }
}

// The main window a little over half the text width, step screens smaller;
// all the picture's pixels are kept for print.
QImage OnPaper(QImage image) {
    const double width = image.width() / image.devicePixelRatio() > 500 ? 470 : 300;
    image.setDevicePixelRatio(image.width() / width);
    return image;
}

}  // namespace

bool WriteGuidePdf(const stdfs::path& textFolder, const std::map<std::string, QImage>& pictures,
                   const stdfs::path& pdf) {
    QString markdown;
    if (!ReadChapters(textFolder, markdown)) return false;

    QTextDocument document;
    QFont body(qt::ScreenFamily());
    body.setPointSizeF(10);
    document.setDefaultFont(body);
    document.setMarkdown(markdown);
    // After the text: setting the text clears the resources.
    for (const auto& [name, image] : pictures)
        document.addResource(QTextDocument::ImageResource,
                             QUrl(QString::fromStdString(name + ".png")), OnPaper(image));
    StyleHeadings(document);
    StyleTables(*document.rootFrame());

    QPdfWriter writer(QString::fromStdString(pdf.string()));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(QStringLiteral("Decalia User Guide"));
    writer.setCreator(QStringLiteral("Decalia"));
    // Laid out in pages of the writer's size, in screen units: the document
    // is then printed as it is, with the pictures it holds (a copy would lose
    // them).
    constexpr double kScreenDpi = 96;
    document.setPageSize(QSizeF(writer.width() * kScreenDpi / writer.logicalDpiX(),
                                writer.height() * kScreenDpi / writer.logicalDpiY()));
    document.setDocumentMargin(0);
    document.print(&writer);
    return QFile::exists(QString::fromStdString(pdf.string()));
}

}  // namespace decalia::guide
