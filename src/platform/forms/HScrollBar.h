#pragma once
// The horizontal scroll bar.
//
// Reproduces (VB): Min (0), Max (32767), Value, SmallChange (1), LargeChange
// (1), the Change event whenever Value changes (by the program, by a new Min
// or Max pulling it into range, or by the user). Max may be below Min; the
// bar then runs from Min down to Max. The user's scrolling arrives as the
// WM_HSCROLL notification reflected to the bar (OCM_HSCROLL) with
// SB_LINELEFT / SB_LINERIGHT (SmallChange), SB_PAGELEFT / SB_PAGERIGHT
// (LargeChange) or SB_THUMBPOSITION (the position, signed, in the high word).
// Leaves out: the Scroll event (thumb tracking), the 32767 limits.

#include "platform/forms/Control.h"

namespace decalia::forms {

class HScrollBar : public Control {
public:
    explicit HScrollBar(const ControlSite& site) : Control(site, ControlKind::HScrollBar) {}

    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Value() const { return value_; }
    void SetValue(int value);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int value) { smallChange_ = value; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int value) { largeChange_ = value; }

    Event<> Change;

protected:
    bool CanFocus() const override { return true; }
    void OnClick() override {}
    win::LRESULT WindowProc(win::UINT message, win::WPARAM wParam, win::LPARAM lParam) override;

private:
    int Clamped(int value) const;
    void Scroll(int steps, int size);

    int min_ = 0;
    int max_ = 32767;
    int value_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

}  // namespace decalia::forms
