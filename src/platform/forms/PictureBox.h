#pragma once
// The picture box: a canvas control (see Canvas.h) inside a form or a user
// control, which can take the focus and size itself to its picture.
//
// Reproduces (VB): AutoSize (the box takes the picture's size when a picture
// is set), BorderStyle (kept), everything of Canvas.
// Leaves out: Align, the Paint event (drawing persists only with AutoRedraw).

#include "platform/forms/Canvas.h"

namespace decalia::forms {

class PictureBox : public Canvas {
public:
    explicit PictureBox(const ControlSite& site) : Canvas(site, ControlKind::PictureBox) {}

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int style) { borderStyle_ = style; }
    void SetPicture(forms::Picture picture);

protected:
    bool CanFocus() const override { return true; }

private:
    void FitPicture();

    bool autoSize_ = false;
    int borderStyle_ = 1;
};

}  // namespace decalia::forms
