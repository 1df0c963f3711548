#include "app/CommandDispatch.h"

#include <string>
#include <string_view>

#include "app/ConfirmActions.h"
#include "app/Mod_Main.h"
#include "appstate/Application.h"
#include "appstate/Readiness.h"
#include "builder/BuildChecks.h"
#include "builder/BuildFailure.h"
#include "builder/BuildRepaint.h"
#include "builder/SameTitleRepaint.h"
#include "imaging/TemplateLoading.h"
#include "platform/text/Text.h"
#include "ui/SkinnedButton.h"
#include "wizard/mod_WizardScreens.h"

namespace decalia {
namespace {

using Action = void (*)(Application&);

struct Command {
    std::string_view window;
    std::string_view word;
    Action run;
};

using ShowStep = void (*)(Application&, bool);
constexpr ShowStep kShowStep[] = {ShowAircraftStep,  ShowTemplateStep,   ShowVariationStep,
                                  ShowFolderStep,    ShowTailNumberStep, ShowCallsignStep};

template <int step>
void OpenSingleStep(Application& app) {
    app.WizardMode = false;
    kShowStep[step - 1](app, false);
}

template <int step>
void CloseStep(Application& app) {
    app.WizardMode = false;
    app.StepScreenOf(step).Hide();
}

template <int step>
void PreviousStep(Application& app) {
    app.WizardMode = true;
    app.StepScreenOf(step).Hide();
    kShowStep[step - 2](app, true);
}

template <int step>
void NextStep(Application& app) {
    ConfirmStep(app, step);
}

void Shutdown(Application& app) { ShutdownApplication(app); }

void StartWizard(Application& app) {
    app.WizardMode = true;
    UpdateStatusLine(app);
    ShowAircraftStep(app, true);
}

// Searched in order; the first entry of the window with the word runs.
constexpr Command kSmallCommands[] = {
    {"frm_Main", "close", Shutdown},
    {"frm_Main", "selectaircraft", OpenSingleStep<1>},
    {"frm_Main", "selecttemplate", OpenSingleStep<2>},
    {"frm_Main", "variation", OpenSingleStep<3>},
    {"frm_Main", "folder", OpenSingleStep<4>},
    {"frm_Main", "tailnumber", OpenSingleStep<5>},
    {"frm_Main", "callsign", OpenSingleStep<6>},
    {"frm_Main", "help", OpenHelpDocument},
    {"frm_SelectAircraft", "close", CloseStep<1>},
    {"frm_SelectAircraft", "close_selectaircraft", CloseStep<1>},
    {"frm_SelectAircraft", "next", NextStep<1>},
    {"frm_SelectTemplate", "close", CloseStep<2>},
    {"frm_SelectTemplate", "close_selecttemplate", CloseStep<2>},
    {"frm_SelectTemplate", "select", ChooseTemplateFile},
    {"frm_SelectTemplate", "previous", PreviousStep<2>},
    {"frm_SelectTemplate", "next", NextStep<2>},
    {"frm_Variation", "close", CloseStep<3>},
    {"frm_Variation", "close_variation", CloseStep<3>},
    {"frm_Variation", "previous", PreviousStep<3>},
    {"frm_Variation", "next", NextStep<3>},
    {"frm_Folder", "close", CloseStep<4>},
    {"frm_Folder", "close_folder", CloseStep<4>},
    {"frm_Folder", "previous", PreviousStep<4>},
    {"frm_Folder", "next", NextStep<4>},
    {"frm_TailNumber", "close", CloseStep<5>},
    {"frm_TailNumber", "close_tailnumber", CloseStep<5>},
    {"frm_TailNumber", "previous", PreviousStep<5>},
    {"frm_TailNumber", "next", NextStep<5>},
    {"frm_Callsign", "close", CloseStep<6>},
    {"frm_Callsign", "close_callsign", CloseStep<6>},
    {"frm_Callsign", "previous", PreviousStep<6>},
    {"frm_Callsign", "next", NextStep<6>},
};

constexpr Command kLargeCommands[] = {
    {"frm_Main", "wizard", StartWizard},
    {"frm_Main", "create", CreateAircraft},
};

template <std::size_t count>
Action Find(const Command (&table)[count], std::string_view window, std::string_view word) {
    for (const Command& command : table)
        if (command.window == window && command.word == word) return command.run;
    return nullptr;
}

class ButtonCommands final : public ui::CommandDispatch {
public:
    explicit ButtonCommands(Application& app) : app_(app) {}

    void ButtonReleased(ui::SkinnedButton& button) override {
        if (button.state() == "disabled") return;
        button.SetState("highlight");
        const std::string word = text::LCase(button.button_type());
        const forms::Form* window = button.form_name();
        if (window == nullptr) {
            button.ClearPointerInside();
            button.SetState("highlight");
            return;
        }
        const Action action = button.SkinKind() == ui::ButtonKind::Tiny
                                  ? Find(kSmallCommands, window->Name(), word)
                                  : Find(kLargeCommands, window->Name(), word);
        if (action != nullptr) action(app_);
    }

private:
    Application& app_;
};

void TellBuildFailure(Application& app, const BuildFailure& failure) {
    app.runtime.Windows().MessageBoxA(0, DescribeBuildFailure(failure), kProgramTitle, win::MB_OK);
}

}  // namespace

std::unique_ptr<ui::CommandDispatch> MakeCommandDispatch(Application& app) {
    return std::make_unique<ButtonCommands>(app);
}

// A build that will be refused must not cost the earlier repaint its files,
// so the earlier repaint is only removed when the inputs pass the checks.
void CreateAircraft(Application& app) {
    if (!CheckBuildInputs(app)) {
        try {
            RemoveSameTitleRepaint(app);
        } catch (const BuildFailure& failure) {
            TellBuildFailure(app, failure);
            return;
        }
    }
    BuildRepaint(app);
}

}  // namespace decalia
