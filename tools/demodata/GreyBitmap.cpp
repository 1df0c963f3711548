#include "GreyBitmap.h"

#include "platform/gdi/BmpFile.h"
#include "platform/gdi/Dib.h"

namespace decalia::demodata {

bool SaveGreyBitmap8(const artwork::Raster& raster, const std::string& path) {
    win::BITMAPINFO info;
    info.bmiHeader.biWidth = raster.Width();
    info.bmiHeader.biHeight = raster.Height();
    info.bmiHeader.biBitCount = 8;
    info.bmiHeader.biClrUsed = 256;
    for (std::size_t i = 0; i < info.bmiColors.size(); ++i) {
        const auto level = static_cast<std::uint8_t>(i);
        info.bmiColors[i] = {level, level, level, 0};
    }
    std::uint8_t* bits = nullptr;
    const win::HBITMAP bitmap = win::CreateDIBSection(win::HDC{}, info, win::DIB_RGB_COLORS, &bits);
    if (!bitmap) return false;
    const auto stride = static_cast<std::size_t>(gdi::DibStride(raster.Width(), 8));
    for (int y = 0; y < raster.Height(); ++y) {
        std::uint8_t* row = bits + static_cast<std::size_t>(raster.Height() - 1 - y) * stride;
        for (int x = 0; x < raster.Width(); ++x) row[x] = raster.At(x, y).r;
    }
    const bool saved = gdi::SaveBitmapFile(bitmap, path);
    win::DeleteObject(bitmap);
    return saved;
}

}  // namespace decalia::demodata
