#pragma once
// What the Win32 side and the runtime side of the desktop say to each other,
// in types that name nothing of <windows.h> (whose macros clash with the
// platform's own Windows names): rectangles, colours, fonts, a paint list,
// and the input a real window hands back.

#include <cstdint>
#include <string>
#include <vector>

namespace decalia::win32 {

// A real window handle, as a number.
using NativeHandle = std::uintptr_t;

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// 0x00BBGGRR, as COLORREF.
using Color = std::uint32_t;

struct NativeFont {
    std::string face;
    int pixelHeight = 11;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    friend bool operator==(const NativeFont&, const NativeFont&) = default;
};

// Pixels a paint step shows; they stay the runtime's and must outlive the
// paint. Rows bottom-up when bottomUp; 24 or 32 bits per pixel.
struct PixelView {
    const void* bits = nullptr;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32;
    bool bottomUp = false;
};

enum class TextAlign { Left, Right, Centre };

struct PaintStep {
    enum class Kind { Fill, Pixels, Text, Frame };
    Kind kind = Kind::Fill;
    Rect area;   // in the window's client pixels
    Rect clip;   // nothing outside it is touched
    Color color = 0;       // fill, text or frame line colour
    Color backColor = 0;   // behind a frame's caption
    PixelView pixels;
    bool stretch = false;  // pixels over the whole area, else unscaled
    std::string text;      // Windows-1252
    NativeFont font;
    TextAlign align = TextAlign::Left;
};
using PaintList = std::vector<PaintStep>;

enum class Button { Left, Right, Middle };

struct KeyState {
    bool shift = false;
    bool control = false;
};

// A mouse cursor's pixels: 0xAARRGGBB row-major from the top.
struct CursorPixels {
    int width = 0;
    int height = 0;
    int hotspotX = 0;
    int hotspotY = 0;
    const std::uint32_t* pixels = nullptr;
};

}  // namespace decalia::win32
