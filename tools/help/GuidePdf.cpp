#include "GuidePdf.h"

#include <QFile>
#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <algorithm>
#include <memory>
#include <set>
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

// Chapters start on a page of their own, and so do the headings in `breaks`
// (block numbers); headings in the program's blue.
void StyleHeadings(QTextDocument& document, const std::set<int>& breaks) {
    bool first = true;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0) continue;
        QTextCursor cursor(block);
        QTextBlockFormat format = block.blockFormat();
        format.setTopMargin(level == 1 ? 0 : 14);
        format.setBottomMargin(6);
        if ((level == 1 && !first) || breaks.contains(block.blockNumber()))
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
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

// Room below each page's text for its number, in screen units.
constexpr double kFooter = 28;

int PageOf(double y, double pageHeight) { return static_cast<int>(y / pageHeight); }

// The first section heading left at the foot of a page, apart from the
// paragraph or picture it heads; -1 when there is none. Only plain
// paragraphs count: the places of blocks in tables and lists are their own.
int StrandedHeading(QTextDocument& document, double pageHeight) {
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() < 2 || !block.next().isValid()) continue;
        const QTextCursor following(block.next());
        if (following.currentFrame() != document.rootFrame() || following.currentList() != nullptr)
            continue;
        const QRectF heading = layout->blockBoundingRect(block);
        const QRectF next = layout->blockBoundingRect(block.next());
        if (PageOf(heading.top(), pageHeight) != PageOf(next.bottom() - 1, pageHeight))
            return block.blockNumber();
    }
    return -1;
}

void PrintPages(QPainter& painter, QTextDocument& document, const QSizeF& page, double scale) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    QFont footer(qt::ScreenFamily());
    footer.setPixelSize(11);  // screen units, as the painter is scaled
    for (int number = 0; number < document.pageCount(); ++number) {
        if (number > 0) static_cast<QPagedPaintDevice*>(painter.device())->newPage();
        painter.save();
        // One unit short at the foot: the next page's first line must not
        // show its top edge here.
        const QRectF area(0, number * page.height(), page.width(), page.height() - 1);
        painter.translate(0, -area.top());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = area;
        painter.setClipRect(area);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(footer);
        painter.setPen(kRule);
        painter.drawLine(QPointF(0, page.height() + 8), QPointF(page.width(), page.height() + 8));
        painter.setPen(QColor(96, 96, 96));
        painter.drawText(QRectF(0, page.height() + 10, page.width(), kFooter - 10),
                         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Decalia User Guide"));
        painter.drawText(QRectF(0, page.height() + 10, page.width(), kFooter - 10),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(number + 1));
    }
}

std::unique_ptr<QTextDocument> Compose(const QString& markdown,
                                       const std::map<std::string, QImage>& pictures,
                                       const QSizeF& page, const std::set<int>& breaks) {
    auto document = std::make_unique<QTextDocument>();
    QFont body(qt::ScreenFamily());
    body.setPointSizeF(10);
    document->setDefaultFont(body);
    document->setMarkdown(markdown);
    // After the text: setting the text clears the resources.
    for (const auto& [name, image] : pictures)
        document->addResource(QTextDocument::ImageResource,
                              QUrl(QString::fromStdString(name + ".png")), OnPaper(image));
    StyleHeadings(*document, breaks);
    StyleTables(*document->rootFrame());
    document->setPageSize(page);
    document->setDocumentMargin(0);
    return document;
}

}  // namespace

bool WriteGuidePdf(const stdfs::path& textFolder, const std::map<std::string, QImage>& pictures,
                   const stdfs::path& pdf) {
    QString markdown;
    if (!ReadChapters(textFolder, markdown)) return false;

    QPdfWriter writer(QString::fromStdString(pdf.string()));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(QStringLiteral("Decalia User Guide"));
    writer.setCreator(QStringLiteral("Decalia"));
    // Laid out in pages of the writer's size, in screen units, and printed
    // page by page.
    constexpr double kScreenDpi = 96;
    const double scale = writer.logicalDpiX() / kScreenDpi;
    const QSizeF page(writer.width() / scale, writer.height() / scale - kFooter);
    // A heading stranded at a page's foot moves to the next page; the
    // document is made afresh each time, as a laid-out one does not take
    // such a change well.
    std::set<int> breaks;
    auto document = Compose(markdown, pictures, page, breaks);
    for (int heading; (heading = StrandedHeading(*document, page.height())) >= 0 &&
                      !breaks.contains(heading);) {
        breaks.insert(heading);
        document = Compose(markdown, pictures, page, breaks);
    }
    QPainter painter(&writer);
    PrintPages(painter, *document, page, scale);
    return QFile::exists(QString::fromStdString(pdf.string()));
}

}  // namespace decalia::guide
