#include "platform/gdi/DibPixels.h"

#include "platform/gdi/GdiObjects.h"

namespace decalia::gdi {

std::optional<Pixels32> ReadPixels32(win::HBITMAP bitmap) {
    win::BITMAP bm;
    if (!win::GetObject(bitmap, bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return std::nullopt;
    const Owned<win::HDC> dc(win::CreateCompatibleDC(win::HDC{}));
    win::BITMAPINFO info;
    info.bmiHeader.biWidth = bm.bmWidth;
    info.bmiHeader.biHeight = -bm.bmHeight;  // top-down
    info.bmiHeader.biBitCount = 32;
    Pixels32 pixels{bm.bmWidth, bm.bmHeight,
                    std::vector<std::uint8_t>(static_cast<std::size_t>(bm.bmWidth) *
                                              static_cast<std::size_t>(bm.bmHeight) * 4)};
    if (win::GetDIBits(dc.Get(), bitmap, 0, static_cast<unsigned>(bm.bmHeight), pixels.bytes, info,
                       win::DIB_RGB_COLORS) != bm.bmHeight)
        return std::nullopt;
    return pixels;
}

}  // namespace decalia::gdi
