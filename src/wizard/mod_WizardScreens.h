#pragma once
// The six step screens of the repaint job: how each is built when it is first
// loaded, moved by its background, and set up and shown for one step, either
// on its own (single-step) or as a station of the guided wizard.

#include "wizard/StepInputs.h"

namespace decalia {

class Application;

// Attaches each step screen's load handler, its dragging and the handlers of
// its input; the screens are built when first loaded. `confirm` is what
// Enter and the aircraft list's double-click run.
void InstallStepScreens(Application& app, const StepConfirmation& confirm);

// Each sets up its screen for the mode (wizard true: the guided wizard; false:
// the one step from the main window), shows it centred over the main window
// and returns when the screen is hidden or unloaded.
void ShowAircraftStep(Application& app, bool wizard);
void ShowTemplateStep(Application& app, bool wizard);
void ShowVariationStep(Application& app, bool wizard);
void ShowFolderStep(Application& app, bool wizard);
void ShowTailNumberStep(Application& app, bool wizard);
void ShowCallsignStep(Application& app, bool wizard);

}  // namespace decalia
