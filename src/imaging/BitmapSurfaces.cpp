#include "imaging/BitmapSurfaces.h"

#include "appstate/Application.h"
#include "platform/fs/Fs.h"
#include "platform/gdi/BmpFile.h"
#include "platform/gdi/ByteIo.h"
#include "platform/gdi/StretchBlt.h"
#include "platform/text/Text.h"

namespace decalia {
namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kColorTableBytes = 1024;

void ResetFormat(BitmapSurface& surface, int bitCount, int width, int height) {
    win::BITMAPINFOHEADER& header = surface.info.bmiHeader;
    header = {};
    header.biWidth = width;
    header.biHeight = height;
    header.biBitCount = static_cast<std::uint16_t>(bitCount);
}

bool CreateDc(Application& app, BitmapSurface& surface) {
    surface.dc = win::CreateCompatibleDC(app.frm_Main.hDC());
    surface.dcCreated = static_cast<bool>(surface.dc);
    return surface.dcCreated;
}

bool SelectBitmap(BitmapSurface& surface) {
    surface.bitmapSelected = static_cast<bool>(win::SelectObject(surface.dc, surface.bitmap));
    return surface.bitmapSelected;
}

int DepthOf(win::HBITMAP bitmap) {
    win::BITMAP object;
    return win::GetObject(bitmap, object) ? object.bmBitsPixel : 0;
}

void WriteInfoHeader(gdi::ByteWriter& out, const win::BITMAPINFOHEADER& header) {
    out.U32(header.biSize);
    out.I32(header.biWidth);
    out.I32(header.biHeight);
    out.U16(header.biPlanes);
    out.U16(header.biBitCount);
    out.U32(header.biCompression);
    out.U32(header.biSizeImage);
    out.I32(header.biXPelsPerMeter);
    out.I32(header.biYPelsPerMeter);
    out.U32(header.biClrUsed);
    out.U32(header.biClrImportant);
}

}  // namespace

bool LoadSurface(Application& app, BitmapSurface& surface, std::string_view path, int bitCount) {
    ResetFormat(surface, bitCount, 0, 0);
    if (!CreateDc(app, surface)) return false;
    surface.bitmap = win::LoadImageA(nullptr, path, win::IMAGE_BITMAP, 0, 0,
                                     win::LR_LOADFROMFILE | win::LR_CREATEDIBSECTION);
    // A template of another depth would only fail later, copy by copy.
    if (surface.bitmap && DepthOf(surface.bitmap) != bitCount) {
        win::DeleteObject(surface.bitmap);
        surface.bitmap = {};
    }
    surface.bitmapCreated = static_cast<bool>(surface.bitmap);
    if (!surface.bitmapCreated) return false;
    return SelectBitmap(surface);
}

bool CreateSurface(Application& app, BitmapSurface& surface, int bitCount, int width, int height) {
    ResetFormat(surface, bitCount, width, height);
    if (gdi::CheckedDibBytes(width, height, bitCount) == 0) return false;
    if (!CreateDc(app, surface)) return false;
    std::uint8_t* bits = nullptr;
    surface.bitmap = win::CreateDIBSection(surface.dc, surface.info, win::DIB_RGB_COLORS, &bits);
    surface.bitmapCreated = static_cast<bool>(surface.bitmap);
    if (!surface.bitmapCreated) return false;
    return SelectBitmap(surface);
}

bool StretchSurface(BitmapSurface& to, BitmapSurface& from, int destX, int destY, int destWidth,
                    int destHeight, int srcX, int srcY, int srcWidth, int srcHeight) {
    return win::StretchBlt(to.dc, destX, destY, destWidth, destHeight, from.dc, srcX, srcY,
                           srcWidth, srcHeight, win::SRCCOPY);
}

void SizePixelBuffer(BitmapSurface& surface) {
    const win::BITMAPINFOHEADER& header = surface.info.bmiHeader;
    // Rows keep their 4-byte padding, so any width makes a valid file.
    surface.pixels.resize(gdi::CheckedDibBytes(header.biWidth, header.biHeight, header.biBitCount));
}

bool ReadSurfacePixels(BitmapSurface& surface) {
    SizePixelBuffer(surface);
    const win::BITMAPINFOHEADER& header = surface.info.bmiHeader;
    const auto height = static_cast<unsigned>(header.biHeight < 0 ? 0 : header.biHeight);
    return win::GetDIBits(surface.dc, surface.bitmap, 0, height, surface.pixels, surface.info,
                          win::DIB_RGB_COLORS) != 0;
}

std::string TempBitmapPath(const Application& app, std::string_view name) {
    return app.AppPath("\\TempBitmaps\\" + text::Trim(name) + ".bmp");
}

bool WriteSurfaceFile(BitmapSurface& surface, const std::string& path) {
    const bool indexed = surface.info.bmiHeader.biBitCount == 8;
    const std::uint32_t pixelsAt =
        kFileHeaderBytes + kInfoHeaderBytes + (indexed ? kColorTableBytes : 0);
    gdi::ByteWriter out;
    out.U16(0x4D42);
    out.U32(pixelsAt + static_cast<std::uint32_t>(surface.pixels.size()));
    out.U32(0);
    out.U32(pixelsAt);
    WriteInfoHeader(out, surface.info.bmiHeader);
    if (indexed) {
        for (const win::RGBQUAD& entry : surface.info.bmiColors)
            out.Bytes(std::array{entry.rgbBlue, entry.rgbGreen, entry.rgbRed, entry.rgbReserved});
    }
    out.Bytes(surface.pixels);
    // Only the file needs the pixels; a sheet of every texture passes through.
    std::vector<std::uint8_t>().swap(surface.pixels);
    // The texture library reads it at once; it is made again by every build.
    return fs::WriteAll(path, out.Take(), fs::Durability::Scratch);
}

void ReleaseWorkSurfaces(Application& app) {
    DeleteSurfaceObjects(app.sheetSurface);
    DeleteSurfaceObjects(app.alphaSheetSurface);
}

}  // namespace decalia
