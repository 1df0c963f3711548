#pragma once
// The readiness of the repaint job: which step is open first, shown in the
// status line, and whether "Create Aircraft" may be pressed.

#include "platform/forms/Forward.h"

namespace decalia {

class Application;

inline constexpr const char* kStatusReadyToCreate = "Ready to Create Aircraft Repaint";

// Puts the step screens and the main window back to an empty job after the
// job record was cleared: steps 2 to 6 open, their labels reset, Create
// Aircraft off, the preview emptied.
void ResetRepaintJobDisplay(Application& app);

// Shows the first open step in the status line; with none open, enables
// Create Aircraft.
void UpdateStatusLine(Application& app);

// Places a step screen over the centre of the main window and shows it
// modally; returns when the screen is hidden or unloaded.
void ShowCentredOnMain(Application& app, forms::Form& window);

}  // namespace decalia
