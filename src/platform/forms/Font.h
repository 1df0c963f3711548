#pragma once
// The font of a form or control, as the program's font object describes it.

#include <string>

namespace decalia::forms {

struct Font {
    std::string Name = "MS Sans Serif";
    double Size = 8.25;  // points, kept as set (no rounding to device sizes)
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;
    int Weight = 400;
    friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace decalia::forms
