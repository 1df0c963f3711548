#include "platform/forms/Canvas.h"

namespace decalia::forms {

namespace {

// Twips per unit of the fixed scales; 0 for the pixel and user scales.
double FixedTwipsPerUnit(ScaleMode mode) {
    switch (mode) {
    case ScaleMode::Twips: return 1;
    case ScaleMode::Points: return 20;
    case ScaleMode::Inches: return 1440;
    case ScaleMode::Millimeters: return 1440 / 25.4;
    case ScaleMode::Centimeters: return 1440 / 2.54;
    case ScaleMode::Pixels:
    case ScaleMode::User: return 0;
    }
    return 1;
}

}  // namespace

void Canvas::SetScaleMode(forms::ScaleMode mode) {
    if (mode == forms::ScaleMode::User) {
        userScaleWidth_ = ScaleWidth();
        userScaleHeight_ = ScaleHeight();
    }
    scaleMode_ = mode;
}

double Canvas::TwipsPerUnitX() const {
    switch (scaleMode_) {
    case forms::ScaleMode::Pixels: return TwipsPerPixelX();
    case forms::ScaleMode::User: return userScaleWidth_ == 0 ? 1 : width_ / userScaleWidth_;
    default: return FixedTwipsPerUnit(scaleMode_);
    }
}

double Canvas::TwipsPerUnitY() const {
    switch (scaleMode_) {
    case forms::ScaleMode::Pixels: return TwipsPerPixelY();
    case forms::ScaleMode::User: return userScaleHeight_ == 0 ? 1 : height_ / userScaleHeight_;
    default: return FixedTwipsPerUnit(scaleMode_);
    }
}

double Canvas::ScaleToTwipsX(double value) const { return value * TwipsPerUnitX(); }
double Canvas::ScaleToTwipsY(double value) const { return value * TwipsPerUnitY(); }
double Canvas::TwipsToScaleX(double twips) const { return twips / TwipsPerUnitX(); }
double Canvas::TwipsToScaleY(double twips) const { return twips / TwipsPerUnitY(); }

double Canvas::ScaleWidth() const {
    return scaleMode_ == forms::ScaleMode::User ? userScaleWidth_ : TwipsToScaleX(width_);
}

double Canvas::ScaleHeight() const {
    return scaleMode_ == forms::ScaleMode::User ? userScaleHeight_ : TwipsToScaleY(height_);
}

void Canvas::SetScaleWidth(double value) {
    if (scaleMode_ != forms::ScaleMode::User) {
        userScaleHeight_ = ScaleHeight();
        scaleMode_ = forms::ScaleMode::User;
    }
    userScaleWidth_ = value;
}

void Canvas::SetScaleHeight(double value) {
    if (scaleMode_ != forms::ScaleMode::User) {
        userScaleWidth_ = ScaleWidth();
        scaleMode_ = forms::ScaleMode::User;
    }
    userScaleHeight_ = value;
}

void Canvas::SetPicture(forms::Picture picture) {
    picture_ = std::move(picture);
    Redraw();
}

void Canvas::SetAutoRedraw(bool autoRedraw) {
    autoRedraw_ = autoRedraw;
    if (!autoRedraw) {
        surface_.Release();
        return;
    }
    if (surface_.Width() != PixelWidth() || surface_.Height() != PixelHeight()) {
        surface_.Resize(PixelWidth(), PixelHeight(), BackColor());
        Redraw();
    }
}

void Canvas::SetBackColor(win::COLORREF color) {
    Control::SetBackColor(color);
    Redraw();
}

void Canvas::OnGeometryStored() {
    if (autoRedraw_ && (surface_.Width() != PixelWidth() || surface_.Height() != PixelHeight())) {
        surface_.Resize(PixelWidth(), PixelHeight(), BackColor());
        surface_.Draw(picture_);
    }
}

void Canvas::Redraw() {
    if (!autoRedraw_) {
        return;
    }
    // A picture that covers the whole drawing leaves no background to show.
    if (!picture_ || picture_.Width() < surface_.Width() || picture_.Height() < surface_.Height()) {
        surface_.Fill(BackColor());
    }
    surface_.Draw(picture_);
}

forms::Picture Canvas::Image() const { return autoRedraw_ ? surface_.Snapshot() : picture_; }

}  // namespace decalia::forms
