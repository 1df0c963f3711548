#include "platform/forms/Label.h"

namespace decalia::forms {

Label::Label(const ControlSite& site) : Control(site, ControlKind::Label) {}

void Label::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    SetWindowText(caption_);
}

void Frame::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    SetWindowText(caption_);
}

void Image::SetPicture(forms::Picture picture) {
    picture_ = std::move(picture);
    if (picture_ && !stretch_) {
        SetSizeTwips(picture_.Width() * TwipsPerPixelX(), picture_.Height() * TwipsPerPixelY());
    }
}

}  // namespace decalia::forms
