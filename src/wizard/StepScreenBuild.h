#pragma once
// The build of a step screen when it is loaded, and its dragging.

#include "appstate/Application.h"

namespace decalia {

// step: 1 to 6, in the order of the windows after the main window.
inline Window WindowOfStep(int step) { return static_cast<Window>(step); }

// Attaches the load handler and the mouse handlers of each step screen.
void InstallStepScreenBuilds(Application& app);

}  // namespace decalia
