#include "imaging/Functions_24bit.h"

#include "appstate/Application.h"
#include "imaging/BitmapSurfaces.h"

namespace decalia {

bool Load24BitBitmap(Application& app, std::string_view path) {
    return LoadSurface(app, app.templateSurface, path, 24);
}

bool Create24BitSurface(Application& app, int bitCount, int width, int height) {
    return CreateSurface(app, app.sheetSurface, bitCount, width, height);
}

bool Stretch24Bit(Application& app, int destX, int destY, int destWidth, int destHeight, int srcX,
                  int srcY, int srcWidth, int srcHeight) {
    return StretchSurface(app.sheetSurface, app.templateSurface, destX, destY, destWidth,
                          destHeight, srcX, srcY, srcWidth, srcHeight);
}

bool Save24BitBitmap(Application& app, std::string_view name) {
    BitmapSurface& sheet = app.sheetSurface;
    if (!ReadSurfacePixels(sheet)) return false;
    return WriteSurfaceFile(sheet, TempBitmapPath(app, name));
}

}  // namespace decalia
