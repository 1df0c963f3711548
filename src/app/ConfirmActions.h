#pragma once
// The confirm actions of the six steps: each stores its screen's value as the
// step value and the job value, marks the step done on the main window, hides
// the screen, plays the confirmation sound, refreshes the status line and, in
// the wizard, opens the next step. The Next buttons, the Enter key and the
// aircraft list's double-click all run them.

namespace decalia {

class Application;

void ConfirmAircraftStep(Application& app);
void ConfirmTemplateStep(Application& app);
void ConfirmVariationStep(Application& app);
void ConfirmFolderStep(Application& app);
void ConfirmTailNumberStep(Application& app);
void ConfirmCallsignStep(Application& app);

// The confirm action of a step, 1 to 6.
void ConfirmStep(Application& app, int step);

// "<app>\Media\Next.wav", asynchronously; a missing file plays nothing.
void PlayConfirmSound(Application& app);

}  // namespace decalia
