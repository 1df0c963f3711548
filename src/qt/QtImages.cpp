#include "qt/QtImages.h"

#include <vector>

#include "platform/gdi/ByteIo.h"
#include "platform/gdi/Dib.h"
#include "platform/gdi/DibPixels.h"

namespace decalia::qt {
namespace {

// The section's own bits, without a copy, and whether its rows run bottom-up.
struct BitsView {
    QImage image;
    bool bottomUp = false;
};

BitsView ViewOf(win::HBITMAP bitmap) {
    win::DIBSECTION section;
    if (!win::GetObject(bitmap, section) || section.dsBm.bmBits == nullptr) return {};
    const win::BITMAP& bm = section.dsBm;
    QImage::Format format = QImage::Format_Invalid;
    if (bm.bmBitsPixel == 24) format = QImage::Format_BGR888;
    if (bm.bmBitsPixel == 32) format = QImage::Format_RGB32;
    if (format == QImage::Format_Invalid) return {};
    return BitsView{QImage(bm.bmBits, bm.bmWidth, bm.bmHeight, bm.bmWidthBytes, format),
                    section.dsBmih.biHeight > 0};
}

}  // namespace

QImage CopyBitmap(win::HBITMAP bitmap) {
    if (const BitsView view = ViewOf(bitmap); !view.image.isNull())
        return view.bottomUp ? view.image.mirrored(false, true) : view.image.copy();
    // Palette bitmaps: let the GDI expand them to 32 bits, top-down.
    const auto expanded = gdi::ReadPixels32(bitmap);
    if (!expanded) return {};
    return QImage(expanded->bytes.data(), expanded->width, expanded->height, expanded->width * 4,
                  QImage::Format_RGB32)
        .copy();
}

void DrawBitmap(QPainter& painter, win::HBITMAP bitmap, const QRect& target, Fit fit) {
    BitsView view = ViewOf(bitmap);
    if (view.image.isNull()) {
        view = BitsView{CopyBitmap(bitmap), false};
        if (view.image.isNull()) return;
    }
    const QSize size = fit == Fit::Stretched ? target.size() : view.image.size();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, fit == Fit::Stretched);
    // Bottom-up rows are drawn through a flipped painter instead of copied.
    if (view.bottomUp) {
        painter.translate(target.left(), target.top() + size.height());
        painter.scale(1, -1);
        painter.drawImage(QRect(QPoint(0, 0), size), view.image);
    } else {
        painter.drawImage(QRect(target.topLeft(), size), view.image);
    }
    painter.restore();
}

QCursor CursorFrom(const gdi::CursorImage& image) {
    QImage picture(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            picture.setPixel(x, y, image.pixels[static_cast<std::size_t>(y * image.width + x)]);
    return QCursor(QPixmap::fromImage(picture), image.hotspotX, image.hotspotY);
}

QRegion RegionFrom(win::HRGN region) {
    const std::uint32_t size = win::GetRegionData(region, {});
    if (size < sizeof(win::RGNDATAHEADER)) return {};
    std::vector<std::uint8_t> data(size);
    if (win::GetRegionData(region, data) != size) return {};
    gdi::ByteReader reader(data);
    reader.Seek(sizeof(win::RGNDATAHEADER));
    QRegion shape;
    while (reader.Position() + 16 <= data.size()) {
        const int left = reader.I32();
        const int top = reader.I32();
        const int right = reader.I32();
        const int bottom = reader.I32();
        shape += QRect(left, top, right - left, bottom - top);
    }
    return shape;
}

}  // namespace decalia::qt
