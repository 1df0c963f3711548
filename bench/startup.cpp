// From launch to the main window on the screen: the Application, Main (the
// airline list, the catalogue of 100 configurations, the skinned main
// window) and the window shown and painted, on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <string>

#include "app/Mod_Main.h"
#include "appstate/Application.h"
#include "qt/FormWidget.h"
#include "qt/QtDesktop.h"
#include "support/Installation.h"

namespace {

void EnsureApplication() {
    if (QApplication::instance() != nullptr) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    static int argc = 1;
    static char name[] = "bench_startup";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

void BM_LaunchToMainWindow(benchmark::State& state) {
    EnsureApplication();
    testsupport::Installation install;
    for (int n = 0; n < 100; ++n)
        install.AddConfiguration("aircraft" + std::to_string(n),
                                 testsupport::Installation::ConfigurationIni(
                                     "Aircraft " + std::to_string(n), "", 6));
    for (auto _ : state) {
        auto desktop = std::make_unique<decalia::qt::QtDesktop>(
            decalia::qt::QtDesktopOptions{96, decalia::qt::ProcessEnd::Throw});
        auto app = std::make_unique<decalia::Application>(*desktop, install.AppFolder());
        decalia::Main(*app);
        decalia::qt::FormWidget* main = desktop->WidgetOf(app->frm_Main);
        QApplication::processEvents();
        main->repaint();
        if (!main->isVisible() || app->catalogue.LastCatalogueIndex != 99)
            state.SkipWithError("the main window did not come up with the catalogue");
        state.PauseTiming();
        app.reset();
        desktop.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LaunchToMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace
