#pragma once
// Plays the user through the wizard on the screenless desktop: every step
// screen answered as a person would answer it (a line clicked, the file
// dialog answered, text typed over the box's text), then Next.

#include <string>

namespace decalia {
class Application;
namespace desktop {
class HeadlessDesktop;
}
}  // namespace decalia

namespace decalia::batch {

struct BatchJob;

class WizardUser {
public:
    WizardUser(desktop::HeadlessDesktop& desktop, Application& app) : desktop_(desktop), app_(app) {}

    // The aircraft's line of step 1, compared trimmed and in any case; -1 when
    // the aircraft is not installed.
    int AircraftLine(const std::string& aircraft) const;
    // Ticks "Create Plane in DXT3 Format" as the job asks, then runs the wizard
    // from the main window's wizard button to step 6 confirmed. Throws the
    // desktop's ScriptError when a screen does not take what it was given.
    void RunWizard(const BatchJob& job);
    // "Create Aircraft".
    void CreateAircraft();

private:
    desktop::HeadlessDesktop& desktop_;
    Application& app_;
};

}  // namespace decalia::batch
