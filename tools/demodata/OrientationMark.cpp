#include "OrientationMark.h"

#include <algorithm>

#include "LabelFont.h"

namespace decalia::demodata {
namespace {

constexpr int kSmallestBlock = 12;
constexpr int kLargestBlock = 64;

void ArrowRight(artwork::Raster& raster, int left, int centreY, int size, artwork::Rgb ink) {
    const int shaft = std::max(2, size / 5);
    raster.FillRect(left, centreY - shaft / 2, left + size, centreY + shaft - shaft / 2, ink);
    const int head = size / 2;
    for (int i = 0; i < head; ++i)
        raster.FillRect(left + size + i, centreY - (head - i), left + size + i + 1, centreY + (head - i), ink);
}

}  // namespace

void DrawOrientationMark(artwork::Raster& raster, const MarkBox& box, artwork::Rgb ink) {
    const int block = std::min(kLargestBlock, std::min(box.right - box.left, box.bottom - box.top) / 10);
    if (block < kSmallestBlock) return;
    const int x = box.left + block / 4;
    const int y = box.top + block / 4;
    raster.FillRect(x, y, x + block, y + block, ink);
    const int scale = std::max(1, block / 10);
    const int textLeft = x + block + block / 3;
    DrawLabel(raster, textLeft, y + (block - LabelHeight(scale)) / 2, "TOP LEFT", scale, ink);
    ArrowRight(raster, textLeft + LabelWidth("TOP LEFT", scale) + block / 3, y + block / 2, block, ink);
}

}  // namespace decalia::demodata
