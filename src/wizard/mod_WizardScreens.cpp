#include "wizard/mod_WizardScreens.h"

#include "wizard/StepScreenBuild.h"
#include "wizard/StepTextBoxes.h"

namespace decalia {

void InstallStepScreens(Application& app, const StepConfirmation& confirm) {
    InstallStepScreenBuilds(app);
    InstallTextBoxChanges(app);
    InstallStepInputs(app, confirm);
}

}  // namespace decalia
