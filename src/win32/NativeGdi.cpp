#include "win32/NativeGdi.h"

#include <map>
#include <tuple>

namespace decalia::win32 {
namespace {

auto FontKey(const NativeFont& font) {
    return std::make_tuple(font.face, font.pixelHeight, font.weight, font.italic, font.underline,
                           font.strikeOut);
}

void PaintPixels(HDC dc, const PaintStep& step) {
    const PixelView& view = step.pixels;
    if (view.bits == nullptr || view.width <= 0 || view.height <= 0) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = view.width;
    info.bmiHeader.biHeight = view.bottomUp ? view.height : -view.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(view.bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    const int width = step.stretch ? step.area.Width() : view.width;
    const int height = step.stretch ? step.area.Height() : view.height;
    SetStretchBltMode(dc, step.stretch ? HALFTONE : COLORONCOLOR);
    StretchDIBits(dc, step.area.left, step.area.top, width, height, 0, 0, view.width,
                  view.height, view.bits, &info, DIB_RGB_COLORS, SRCCOPY);
}

UINT TextFormat(TextAlign align) {
    const UINT side = align == TextAlign::Right    ? DT_RIGHT
                      : align == TextAlign::Centre ? DT_CENTER
                                                   : DT_LEFT;
    return side | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;
}

void PaintText(HDC dc, const PaintStep& step) {
    const HGDIOBJ previous = SelectObject(dc, FontFor(step.font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, step.color);
    RECT area = AsRect(step.area);
    DrawTextA(dc, step.text.c_str(), static_cast<int>(step.text.size()), &area,
              TextFormat(step.align));
    SelectObject(dc, previous);
}

void PaintFrame(HDC dc, const PaintStep& step) {
    const HGDIOBJ font = SelectObject(dc, FontFor(step.font));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const int captionHeight = metrics.tmHeight;
    const HGDIOBJ pen = SelectObject(dc, CreatePen(PS_SOLID, 1, step.color));
    const HGDIOBJ brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, step.area.left, step.area.top + captionHeight / 2, step.area.right,
              step.area.bottom, 6, 6);
    SelectObject(dc, brush);
    DeleteObject(SelectObject(dc, pen));
    if (!step.text.empty()) {
        SIZE size{};
        GetTextExtentPoint32A(dc, step.text.c_str(), static_cast<int>(step.text.size()), &size);
        RECT label{step.area.left + 8, step.area.top, step.area.left + 8 + size.cx + 6,
                   step.area.top + captionHeight};
        FillRect(dc, &label, BrushFor(step.backColor));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, step.color);
        DrawTextA(dc, step.text.c_str(), static_cast<int>(step.text.size()), &label,
                  DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, font);
}

}  // namespace

HFONT FontFor(const NativeFont& font) {
    static std::map<decltype(FontKey(font)), HFONT> made;
    HFONT& handle = made[FontKey(font)];
    if (handle == nullptr) {
        LOGFONTA description{};
        description.lfHeight = -font.pixelHeight;
        description.lfWeight = font.weight;
        description.lfItalic = font.italic ? 1 : 0;
        description.lfUnderline = font.underline ? 1 : 0;
        description.lfStrikeOut = font.strikeOut ? 1 : 0;
        description.lfCharSet = ANSI_CHARSET;
        description.lfQuality = CLEARTYPE_QUALITY;
        lstrcpynA(description.lfFaceName, font.face.c_str(), LF_FACESIZE);
        handle = CreateFontIndirectA(&description);
    }
    return handle;
}

HBRUSH BrushFor(Color color) {
    static std::map<Color, HBRUSH> made;
    HBRUSH& brush = made[color];
    if (brush == nullptr) brush = CreateSolidBrush(color);
    return brush;
}

KeyState KeysOf(WPARAM mouseKeys) {
    return KeyState{(mouseKeys & MK_SHIFT) != 0, (mouseKeys & MK_CONTROL) != 0};
}

KeyState KeysNow() {
    return KeyState{(GetKeyState(VK_SHIFT) & 0x8000) != 0,
                    (GetKeyState(VK_CONTROL) & 0x8000) != 0};
}

void PaintInto(HDC dc, const PaintList& steps) {
    for (const PaintStep& step : steps) {
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, step.clip.left, step.clip.top, step.clip.right, step.clip.bottom);
        switch (step.kind) {
        case PaintStep::Kind::Fill: {
            const RECT area = AsRect(step.area);
            FillRect(dc, &area, BrushFor(step.color));
            break;
        }
        case PaintStep::Kind::Pixels: PaintPixels(dc, step); break;
        case PaintStep::Kind::Text: PaintText(dc, step); break;
        case PaintStep::Kind::Frame: PaintFrame(dc, step); break;
        }
        RestoreDC(dc, saved);
    }
}

}  // namespace decalia::win32
