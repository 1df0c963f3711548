#pragma once
// Pictures and mouse icons: a loaded bitmap (a DIB section that the picture
// owns) or a cursor image, shared by every property that holds it.

#include "platform/gdi/CursorFile.h"
#include "platform/gdi/GdiObjects.h"

#include <memory>
#include <string_view>

namespace decalia::forms {

class Picture {
public:
    Picture() = default;
    // Takes the bitmap; null gives an empty picture.
    static Picture Adopt(win::HBITMAP bitmap);
    // A bitmap file as a picture; empty when it cannot be read.
    static Picture FromBitmapFile(std::string_view path);

    explicit operator bool() const { return static_cast<bool>(bitmap_); }
    win::HBITMAP Handle() const;
    int Width() const;   // pixels
    int Height() const;  // pixels
    friend bool operator==(const Picture&, const Picture&) = default;

private:
    struct Owned;
    std::shared_ptr<const Owned> bitmap_;
};

using MouseIcon = std::shared_ptr<const gdi::CursorImage>;

// A .cur file as a mouse icon; null when it cannot be read.
MouseIcon LoadMouseIcon(std::string_view path);

}  // namespace decalia::forms
