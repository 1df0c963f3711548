#pragma once
// Rescales a window designed for 96 pixels per logical inch, and its
// controls, to the screen's density, so the skinned layout keeps its pixel
// proportions. Every window's load handler runs it first.

#include "platform/forms/Forward.h"

#include <cstdint>

namespace win {
class WindowSystem;
}

namespace decalia::ui {

// The last measurement and factor, kept by the program (one per Application)
// and handed to every call.
struct FontScaleState {
    // Horizontal pixels per logical inch of the desktop, as last measured.
    std::int32_t ScreenDpi = 0;
    // 96 divided by the density in use, as last computed.
    float FontScaleFactor = 1.0f;
};

inline constexpr std::int32_t kDesignDpi = 96;

// Measures and stores ScreenDpi; true when it is 96.
bool IsSmallFonts(win::WindowSystem& windows, FontScaleState& state);
void FixFormForFonts(forms::Form& window, FontScaleState& state);

}  // namespace decalia::ui
