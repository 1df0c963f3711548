#include "platform/forms/PictureBox.h"

namespace decalia::forms {

void PictureBox::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    FitPicture();
}

void PictureBox::SetPicture(forms::Picture picture) {
    Canvas::SetPicture(std::move(picture));
    FitPicture();
}

void PictureBox::FitPicture() {
    if (autoSize_ && Picture()) {
        SetSizeTwips(Picture().Width() * TwipsPerPixelX(), Picture().Height() * TwipsPerPixelY());
    }
}

}  // namespace decalia::forms
