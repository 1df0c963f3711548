#include "wizard/mod_WizardScreens.h"

#include "wizard/StepScreenBuild.h"
#include "wizard/StepTextBoxes.h"

namespace decalia {

void InstallStepScreens(Application& app) {
    InstallStepScreenBuilds(app);
    InstallTextBoxChanges(app);
}

}  // namespace decalia
