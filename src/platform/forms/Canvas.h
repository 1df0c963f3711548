#pragma once
// What forms, picture boxes and user controls share: a scale of their own for
// the controls inside them and for their mouse coordinates, a background
// picture, and with AutoRedraw a persistent drawing with a DC (hDC).
//
// Reproduces (VB): ScaleMode twips (1), points (2), pixels (3), inches (5),
// millimetres (6), centimetres (7), and user (0) which writing ScaleWidth or
// ScaleHeight selects; ScaleWidth/ScaleHeight as the inside size in the
// scale unit; Picture drawn unscaled at the top-left corner; AutoRedraw with
// the drawing kept in a memory bitmap the size of the inside, filled with
// BackColor and then the picture; Image as a copy of that drawing; the Resize
// event; Cls. Leaves out: ScaleLeft/ScaleTop, drawing methods (Line, Circle, Print,
// PSet), DrawMode and other pen state.

#include "platform/forms/Control.h"
#include "platform/forms/Surface.h"

namespace decalia::forms {

enum class ScaleMode {
    User = 0,
    Twips = 1,
    Points = 2,
    Pixels = 3,
    Inches = 5,
    Millimeters = 6,
    Centimeters = 7,
};

class Canvas : public Control {
public:
    forms::ScaleMode ScaleMode() const { return scaleMode_; }
    void SetScaleMode(forms::ScaleMode mode);
    double ScaleWidth() const;
    double ScaleHeight() const;
    void SetScaleWidth(double value);
    void SetScaleHeight(double value);

    const forms::Picture& Picture() const { return picture_; }
    void SetPicture(forms::Picture picture);
    bool AutoRedraw() const { return autoRedraw_; }
    void SetAutoRedraw(bool autoRedraw);
    bool ClipControls() const { return clipControls_; }
    void SetClipControls(bool clip) { clipControls_ = clip; }
    // The persistent drawing's DC; null without AutoRedraw.
    win::HDC hDC() const { return surface_.Dc(); }
    // The persistent drawing as a picture (the Picture without AutoRedraw).
    forms::Picture Image() const;
    // Clears what was drawn: the persistent drawing goes back to the
    // background colour and the picture.
    void Cls() { Redraw(); }
    void SetBackColor(win::COLORREF color) override;

    Event<> Resize;

    bool IsContainer() const override { return true; }
    double ScaleToTwipsX(double value) const override;
    double ScaleToTwipsY(double value) const override;
    double TwipsToScaleX(double twips) const override;
    double TwipsToScaleY(double twips) const override;

protected:
    using Control::Control;
    void OnResized() override { Resize.Raise(); }
    void OnGeometryStored() override;
    // Repaints the persistent drawing: background, then picture.
    void Redraw();

private:
    double TwipsPerUnitX() const;
    double TwipsPerUnitY() const;

    forms::ScaleMode scaleMode_ = forms::ScaleMode::Twips;
    double userScaleWidth_ = 0;
    double userScaleHeight_ = 0;
    forms::Picture picture_;
    bool autoRedraw_ = false;
    bool clipControls_ = true;
    Surface surface_;
};

}  // namespace decalia::forms
