#pragma once
// The program's bitmaps, cursors and regions as Qt sees them.

#include <QCursor>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include "platform/gdi/CursorFile.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Region.h"

namespace decalia::qt {

// Draws a DIB section into a rectangle: unscaled from its top-left corner
// (clipped by the painter), or stretched over the whole rectangle.
enum class Fit { Unscaled, Stretched };
void DrawBitmap(QPainter& painter, win::HBITMAP bitmap, const QRect& target, Fit fit);

// A copy of the bitmap's pixels; null for no bitmap.
QImage CopyBitmap(win::HBITMAP bitmap);

QCursor CursorFrom(const gdi::CursorImage& image);

// The region's rectangles; empty for no region.
QRegion RegionFrom(win::HRGN region);

inline QColor ColorFrom(win::COLORREF color) {
    return QColor(win::GetRValue(color), win::GetGValue(color), win::GetBValue(color));
}

}  // namespace decalia::qt
