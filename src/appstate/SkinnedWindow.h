#pragma once
// What every skinned window's load handler does alike: load the skin (size,
// drag cursor, outline from its region file, background), set up its skinned
// buttons, and let the user drag it by its surface.

#include <string_view>
#include <vector>

#include "appstate/Application.h"

namespace decalia {

struct ButtonSetup {
    ui::SkinnedButton& button;
    int left;  // pixels
    int top;
    const char* buttonType;
    const char* picture;
    const char* state;
    const char* toolTip;
};

// Sets each button up in order: position, then button_type, form_name (the
// owner), picture, state and ToolTip. The owner's scale must be pixels.
void SetUpButtons(forms::Form& owner, const std::vector<ButtonSetup>& buttons);

// Sizes the window, then loads "\Media\HMOVE.cur" as its pointer, its outline
// from the region file and its background picture (both under "\Media\").
// False when a skin file cannot be read.
bool LoadWindowSkin(Application& app, Window which, double widthTwips, double heightTwips,
                    std::string_view regionFile, std::string_view backgroundFile);

// A left press shows the move pointer; a move with a button held hands the
// window to DragForm (only the left button moves it); the pointer returns to
// the default on release, and after a drag, whose move loop takes the release.
void InstallWindowDragging(Application& app, Window which);

}  // namespace decalia
