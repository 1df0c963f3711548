#include "platform/forms/HScrollBar.h"

#include <algorithm>
#include <cstdint>

namespace decalia::forms {

int HScrollBar::Clamped(int value) const {
    return std::clamp(value, std::min(min_, max_), std::max(min_, max_));
}

void HScrollBar::SetValue(int value) {
    const int clamped = Clamped(value);
    if (clamped != value_) {
        value_ = clamped;
        Change.Raise();
    }
}

void HScrollBar::SetMin(int value) {
    min_ = value;
    SetValue(value_);
}

void HScrollBar::SetMax(int value) {
    max_ = value;
    SetValue(value_);
}

// Towards Max is "right", whichever of Min and Max is larger.
void HScrollBar::Scroll(int steps, int size) {
    const int direction = max_ >= min_ ? 1 : -1;
    SetValue(value_ + steps * size * direction);
}

win::LRESULT HScrollBar::WindowProc(win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
    if (message != win::OCM_HSCROLL) {
        return Control::WindowProc(message, wParam, lParam);
    }
    switch (win::LOWORD(wParam)) {
    case win::SB_LINELEFT: Scroll(-1, smallChange_); break;
    case win::SB_LINERIGHT: Scroll(1, smallChange_); break;
    case win::SB_PAGELEFT: Scroll(-1, largeChange_); break;
    case win::SB_PAGERIGHT: Scroll(1, largeChange_); break;
    case win::SB_THUMBPOSITION:
        SetValue(static_cast<std::int16_t>(win::HIWORD(wParam)));
        break;
    default: break;
    }
    return 0;
}

}  // namespace decalia::forms
