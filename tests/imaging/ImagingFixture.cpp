#include "ImagingFixture.h"

#include "appstate/CurrentConfiguration.h"
#include "imaging/DirectX_Mod.h"
#include "platform/gdi/BmpFile.h"
#include "platform/text/Text.h"

namespace decalia::imagingtest {
namespace {

std::string SectionKeys(std::size_t index, const config::SectionMapping& s) {
    const std::string p = "Section." + text::Format00(static_cast<int>(index)) + ".";
    return p + "TemplateLeft=" + std::to_string(s.TemplateLeft) + "\r\n" + p +
           "TemplateTop=" + std::to_string(s.TemplateTop) + "\r\n" + p +
           "TemplateRight=" + std::to_string(s.TemplateRight) + "\r\n" + p +
           "TemplateBottom=" + std::to_string(s.TemplateBottom) + "\r\n" + p +
           "DestLeft=" + std::to_string(s.DestLeft) + "\r\n" + p + "DestTop=" +
           std::to_string(s.DestTop) + "\r\n" + p + "DestRight=" + std::to_string(s.DestRight) +
           "\r\n" + p + "DestBottom=" + std::to_string(s.DestBottom) + "\r\n";
}

std::string AircraftIni(int templateWidth, int templateHeight, int useAlpha,
                        const std::vector<Sheet>& sheets) {
    std::string ini = "[Main]\r\nAircraftDisplayName=Imaging Test\r\nTemplateSizeX=" +
                      std::to_string(templateWidth) + "\r\nTemplateSizeY=" +
                      std::to_string(templateHeight) + "\r\nUseAlpha=" + std::to_string(useAlpha) +
                      "\r\nNumTextures=" + std::to_string(sheets.size()) + "\r\n";
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const Sheet& sheet = sheets[i];
        ini += "[Texture." + text::Format00(static_cast<int>(i)) + "]\r\nViewName=Sheet " +
               std::to_string(i) +
               "\r\nTextureSizeX=" + std::to_string(sheet.width) + "\r\nTextureSizeY=" +
               std::to_string(sheet.height) + "\r\nNumSectionsOnTexture=" +
               std::to_string(sheet.sections.size()) + "\r\n";
        for (std::size_t s = 0; s < sheet.sections.size(); ++s) ini += SectionKeys(s, sheet.sections[s]);
    }
    return ini;
}

template <class Fill>
void WriteBitmap(const std::string& path, int width, int height, int bits, Fill fill) {
    win::BITMAPINFO info;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biBitCount = static_cast<std::uint16_t>(bits);
    for (int i = 0; i < 256; ++i) {
        const auto level = static_cast<std::uint8_t>(i);
        info.bmiColors[static_cast<std::size_t>(i)] = {level, level, level, 0};
    }
    std::uint8_t* pixels = nullptr;
    gdi::Owned<win::HBITMAP> bitmap(win::CreateDIBSection({}, info, win::DIB_RGB_COLORS, &pixels));
    const auto stride = static_cast<std::size_t>(gdi::DibStride(width, bits));
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = pixels + static_cast<std::size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) fill(row + static_cast<std::size_t>(x * bits / 8), x, y);
    }
    ASSERT_TRUE(gdi::SaveBitmapFile(bitmap.Get(), path));
}

}  // namespace

win::COLORREF TemplateColour(int x, int y) {
    return win::RGB(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                    static_cast<std::uint8_t>(((x >> 8) << 4) | (y >> 8)));
}

std::uint8_t AlphaIndex(int x, int y) { return static_cast<std::uint8_t>(x + 2 * y); }

ImagingTest::ImagingTest() {
    // As the main window's shaping leaves it: geometry in pixels.
    main.SetScaleMode(forms::ScaleMode::Pixels);
    InstallPreviewRenderer(app);
}

void ImagingTest::UseAircraft(int templateWidth, int templateHeight, int useAlpha,
                              const std::vector<Sheet>& sheets) {
    install.AddConfiguration("Imaging", AircraftIni(templateWidth, templateHeight, useAlpha, sheets));
    ReadAircraftConfiguration(app,
                              (install.AppDir() / "Aircraft Configurations" / "Imaging.bin").string());
}

std::string ImagingTest::TemplatePath(const std::string& name) const {
    return (install.AppDir() / "Templates" / name).string();
}

std::string ImagingTest::WriteTemplate(const std::string& name, int width, int height,
                                       bool withAlpha) {
    const std::string path = TemplatePath(name);
    WriteBitmap(path, width, height, 24, [](std::uint8_t* pixel, int x, int y) {
        const win::COLORREF colour = TemplateColour(x, y);
        pixel[0] = win::GetBValue(colour);
        pixel[1] = win::GetGValue(colour);
        pixel[2] = win::GetRValue(colour);
    });
    if (withAlpha) {
        WriteBitmap(path.substr(0, path.size() - 4) + "_a.bmp", width, height, 8,
                    [](std::uint8_t* pixel, int x, int y) { *pixel = AlphaIndex(x, y); });
    }
    return path;
}

win::COLORREF PixelOf(win::HBITMAP bitmap, int x, int y) {
    gdi::Owned<win::HDC> dc(win::CreateCompatibleDC({}));
    const win::HBITMAP previous = win::SelectObject(dc.Get(), bitmap);
    if (!previous) return win::CLR_INVALID;
    const win::COLORREF colour = win::GetPixel(dc.Get(), x, y);
    win::SelectObject(dc.Get(), previous);
    return colour;
}

std::pair<int, int> SizeOf(win::HBITMAP bitmap) {
    win::BITMAP object;
    if (!win::GetObject(bitmap, object)) return {0, 0};
    return {object.bmWidth, object.bmHeight};
}

}  // namespace decalia::imagingtest
