#pragma once
// The tip of a skinned button: shown after the tooltip window's initial delay
// below the pointer, in the colours, font and maximum width it was given, and
// hidden again after its visible time.

#include <QLabel>
#include <QTimer>

#include "platform/win/DesktopPort.h"
#include "platform/win/Tooltip.h"

namespace decalia::qt {

class TooltipPopup final : public QLabel {
public:
    TooltipPopup();
    // Waits the initial delay, then shows the tip for its visible time.
    void Arm(const win::TooltipShow& tip, const win::TooltipState& state);
    void Disarm(win::HWND tooltip);
    win::HWND Tooltip() const { return tooltip_; }
    bool Showing() const { return isVisible(); }

private:
    void ShowAtPointer();

    QTimer delay_;
    QTimer visible_;
    win::HWND tooltip_ = 0;
};

}  // namespace decalia::qt
