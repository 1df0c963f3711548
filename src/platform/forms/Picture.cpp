#include "platform/forms/Picture.h"

#include "platform/gdi/BmpFile.h"
#include "platform/gdi/Dib.h"

namespace decalia::forms {

struct Picture::Owned {
    explicit Owned(win::HBITMAP handle) : bitmap(handle) {}
    gdi::Owned<win::HBITMAP> bitmap;
};

Picture Picture::Adopt(win::HBITMAP bitmap) {
    Picture picture;
    if (bitmap) {
        picture.bitmap_ = std::make_shared<const Owned>(bitmap);
    }
    return picture;
}

Picture Picture::FromBitmapFile(std::string_view path) {
    return Adopt(win::LoadImageA(nullptr, path, win::IMAGE_BITMAP, 0, 0,
                                 win::LR_LOADFROMFILE | win::LR_CREATEDIBSECTION));
}

win::HBITMAP Picture::Handle() const { return bitmap_ ? bitmap_->bitmap.Get() : win::HBITMAP{}; }

int Picture::Width() const {
    win::BITMAP info;
    return win::GetObject(Handle(), info) ? info.bmWidth : 0;
}

int Picture::Height() const {
    win::BITMAP info;
    return win::GetObject(Handle(), info) ? info.bmHeight : 0;
}

MouseIcon LoadMouseIcon(std::string_view path) {
    auto image = gdi::ReadCursorFile(path);
    if (!image) {
        return nullptr;
    }
    return std::make_shared<const gdi::CursorImage>(std::move(*image));
}

}  // namespace decalia::forms
