#pragma once
// Everything of the GDI stand-in: handles and DCs, DIB sections, StretchBlt,
// bitmap files, regions, cursor files, fonts and device capabilities.

#include "platform/gdi/BmpFile.h"
#include "platform/gdi/CursorFile.h"
#include "platform/gdi/Dib.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/StretchBlt.h"
