#include "imaging/Functions_8bit.h"

#include <algorithm>

#include "appstate/Application.h"
#include "imaging/BitmapSurfaces.h"

namespace decalia {
namespace {

void MakeOpaque(BitmapSurface& sheet) {
    SizePixelBuffer(sheet);
    std::fill(sheet.pixels.begin(), sheet.pixels.end(), std::uint8_t{255});
    for (std::size_t i = 0; i < sheet.info.bmiColors.size(); ++i) {
        const auto level = static_cast<std::uint8_t>(i);
        sheet.info.bmiColors[i] = {level, level, level, 0};
    }
}

}  // namespace

bool Load8BitBitmap(Application& app, std::string_view path) {
    if (path == kNoAlphaTemplate) return false;
    return LoadSurface(app, app.alphaTemplateSurface, path, 8);
}

bool Create8BitSurface(Application& app, int bitCount, int width, int height) {
    BitmapSurface& sheet = app.alphaSheetSurface;
    if (!CreateSurface(app, sheet, bitCount, width, height)) return false;
    // Without an alpha template this read fails and the table stays as it was.
    win::GetDIBColorTable(app.alphaTemplateSurface.dc, 0, sheet.info.bmiColors);
    return win::SetDIBColorTable(sheet.dc, 0, sheet.info.bmiColors) != 0;
}

bool Stretch8Bit(Application& app, int destX, int destY, int destWidth, int destHeight, int srcX,
                 int srcY, int srcWidth, int srcHeight) {
    return StretchSurface(app.alphaSheetSurface, app.alphaTemplateSurface, destX, destY, destWidth,
                          destHeight, srcX, srcY, srcWidth, srcHeight);
}

bool Save8BitBitmap(Application& app, std::string_view name) {
    BitmapSurface& sheet = app.alphaSheetSurface;
    if (app.AlphaLoaded) {
        if (!ReadSurfacePixels(sheet)) return false;
    } else {
        MakeOpaque(sheet);
    }
    return WriteSurfaceFile(sheet, TempBitmapPath(app, name));
}

}  // namespace decalia
