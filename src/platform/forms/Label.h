#pragma once
// Labels, frames and image controls: controls that show something and take
// no keyboard input.
//
// Reproduces (VB): Label.Caption and Alignment (0 left, 1 right, 2 centre);
// Frame.Caption, and controls placed inside a frame (their geometry in the
// frame's container's unit, relative to the frame); Image.Picture, with the
// control taking the picture's size unless Stretch is on. All three have a
// window here (VB's label and image have none), so they can be hit and
// intercepted like any other control.
// Leaves out: AutoSize and WordWrap of labels, mnemonics, UseMnemonic.

#include "platform/forms/Control.h"

#include <string>

namespace decalia::forms {

class Label : public Control {
public:
    explicit Label(const ControlSite& site);
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    int Alignment() const { return alignment_; }
    void SetAlignment(int alignment) { alignment_ = alignment; }

private:
    std::string caption_;
    int alignment_ = 0;
};

class Frame : public Control {
public:
    explicit Frame(const ControlSite& site) : Control(site, ControlKind::Frame) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    bool IsContainer() const override { return true; }

private:
    std::string caption_;
};

class Image : public Control {
public:
    explicit Image(const ControlSite& site) : Control(site, ControlKind::Image) {}
    const forms::Picture& Picture() const { return picture_; }
    void SetPicture(forms::Picture picture);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch) { stretch_ = stretch; }

private:
    forms::Picture picture_;
    bool stretch_ = false;
};

}  // namespace decalia::forms
