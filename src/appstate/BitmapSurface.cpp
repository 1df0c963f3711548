#include "appstate/BitmapSurface.h"

namespace decalia {

void DeleteSurfaceObjects(BitmapSurface& surface) {
    if (surface.dcCreated) win::DeleteDC(surface.dc);
    if (surface.bitmapSelected) win::DeleteObject(surface.bitmap);
}

}  // namespace decalia
