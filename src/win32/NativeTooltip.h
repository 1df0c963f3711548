#pragma once
// The tip of a skinned control in the system's tooltip control
// (tooltips_class32): shown after its initial delay below the pointer, in the
// colours, font and width it was given, and hidden after its visible time.

#include <memory>
#include <optional>
#include <string>

#include "win32/NativeTypes.h"

namespace decalia::win32 {

struct TipLooks {
    std::string text;
    std::optional<NativeFont> font;
    Color textColor = 0;
    Color backColor = 0;
    int maxWidth = -1;
    int initialDelayMs = 0;
    int autoPopMs = 0;
};

class NativeTooltip {
public:
    NativeTooltip();
    ~NativeTooltip();
    NativeTooltip(const NativeTooltip&) = delete;
    NativeTooltip& operator=(const NativeTooltip&) = delete;

    void Arm(const TipLooks& tip);
    void Disarm();
    bool Showing() const;
    NativeHandle Handle() const;

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace decalia::win32
