#include "app/Mod_Main.h"

#include "app/CommandDispatch.h"
#include "app/ConfirmActions.h"
#include "app/MainWindowLoad.h"
#include "app/StartupLists.h"
#include "appstate/Application.h"
#include "appstate/Readiness.h"
#include "imaging/DirectX_Mod.h"
#include "platform/forms/Forms.h"
#include "ui/SkinnedButton.h"
#include "wizard/mod_WizardScreens.h"

namespace decalia {
namespace {

constexpr Window kShutdownOrder[] = {Window::Main,     Window::SelectAircraft, Window::SelectTemplate,
                                     Window::Variation, Window::Folder,       Window::TailNumber,
                                     Window::Callsign};

}  // namespace

void Main(Application& app) {
    app.commands = MakeCommandDispatch(app);
    app.toolkit.dispatch = app.commands.get();
    InstallMainWindow(app);
    InstallStepScreens(app, [&app](int step) { ConfirmStep(app, step); });
    InstallPreviewRenderer(app);
    app.TemplateLoaded = false;
    app.AlphaLoaded = false;
    LoadAirlines(app);
    LoadAircraftCatalogue(app);
    app.frm_Main.Show(forms::ShowMode::Modeless);
    UpdateStatusLine(app);
}

void ShutdownApplication(Application& app) {
    for (Window window : kShutdownOrder)
        if (app.Loaded(window)) EndButtonSubclassing(app.WindowOf(window));
    for (Window window : kShutdownOrder)
        if (app.Loaded(window)) app.TransForm(window).reset();
    for (Window window : kShutdownOrder)
        if (app.Loaded(window)) app.WindowOf(window).Release();
    app.runtime.End();
}

void EndButtonSubclassing(forms::Form& window) {
    for (int i = 0; i < window.ControlCount(); ++i) {
        if (auto* button = window.Controls(i).As<ui::SkinnedButton>()) button->end_sub_class();
    }
}

void OpenHelpDocument(Application& app) {
    (void)app.runtime.Windows().ShellExecuteA(0, "", app.AppPath("\\Decalia.pdf"), "", "",
                                              win::SW_SHOWNORMAL);
}

}  // namespace decalia
