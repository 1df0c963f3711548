#include "appstate/Application.h"

#include "platform/win/WindowSystem.h"

namespace decalia {

Application::Application(forms::Desktop& desktop, std::string appFolder)
    : runtime(desktop),
      toolkit{runtime, std::move(appFolder)},
      frm_Main(runtime, toolkit),
      frm_SelectAircraft(runtime, toolkit),
      frm_SelectTemplate(runtime, toolkit),
      frm_Variation(runtime, toolkit),
      frm_Folder(runtime, toolkit),
      frm_TailNumber(runtime, toolkit),
      frm_Callsign(runtime, toolkit) {
    toolkit.mainWindow = &frm_Main;
}

// The GDI objects outlive nothing else of the program: a batch of builds in
// one process must not keep every template it ever loaded.
Application::~Application() {
    for (BitmapSurface* surface :
         {&templateSurface, &alphaTemplateSurface, &sheetSurface, &alphaSheetSurface})
        DeleteSurfaceObjects(*surface);
}

std::string Application::AppPath(std::string_view relative) const {
    return AppFolder() + std::string(relative);
}

forms::Form& Application::WindowOf(Window window) {
    switch (window) {
        case Window::Main: return frm_Main;
        case Window::SelectAircraft: return frm_SelectAircraft;
        case Window::SelectTemplate: return frm_SelectTemplate;
        case Window::Variation: return frm_Variation;
        case Window::Folder: return frm_Folder;
        case Window::TailNumber: return frm_TailNumber;
        case Window::Callsign: return frm_Callsign;
    }
    return frm_Main;
}

StepScreen& Application::StepScreenOf(int step) {
    switch (step) {
        case 1: return frm_SelectAircraft;
        case 2: return frm_SelectTemplate;
        case 3: return frm_Variation;
        case 4: return frm_Folder;
        case 5: return frm_TailNumber;
        default: return frm_Callsign;
    }
}

void EnsureLoaded(forms::Form& window) {
    if (!window.IsLoaded()) window.Load();
}

void EndForMissingMedia(Application& app) {
    app.runtime.Windows().MessageBoxA(0, kMediaMissingMessage, kProgramTitle, win::MB_OK);
    app.runtime.End();
}

}  // namespace decalia
