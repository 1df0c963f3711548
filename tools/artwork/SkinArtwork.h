#pragma once
// The skin's pictures: window backgrounds with a shaped outline (pure black
// where the window is cut away, never inside it) and the button strips of four
// frames (enabled, highlight, down, disabled) stacked from the top.

#include <string>
#include <vector>

#include "Raster.h"

namespace decalia::artwork {

inline constexpr Rgb kCutAway{0, 0, 0};

Raster MainBackground();    // 800 x 600
Raster WizardBackground();  // 400 x 300

struct StripPicture {
    std::string name;  // the file's base name in Media
    Raster strip;
};

// "Close", "Help", "Empty", "Check", "Next", "Previous": 33 x 140.
// "Wizard", "CreateAircraft": 166 x 200.
std::vector<StripPicture> ButtonStrips();

}  // namespace decalia::artwork
