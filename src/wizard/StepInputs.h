#pragma once
// What the step screens' inputs do while a screen is shown: what each selects
// or focuses when it becomes active, what a click or a double-click does, and
// the Enter key, which confirms the step whichever control has the focus.

#include <functional>

namespace decalia {

class Application;

// Runs the confirm action of a step (1 to 6). The program's commands own the
// confirm actions; the screens only ask for them.
using StepConfirmation = std::function<void(int step)>;

inline constexpr const char* kNoAircraftMessage =
    "Cannot continue! There are no aircraft configurations present. Aircraft configurations are "
    "installed with your main aircraft setup applications.";

void InstallStepInputs(Application& app, const StepConfirmation& confirm);

}  // namespace decalia
