// The painter's template pair read from disk, and every sheet of the larger
// demo aircraft (4096 x 2048 template, six sheets) composed from it, colour
// and alpha. The peak resident memory of the run is reported as a counter.
#include <benchmark/benchmark.h>

#include <string>

#include "PeakMemory.h"
#include "appstate/Application.h"
#include "appstate/CurrentConfiguration.h"
#include "config/AircraftCatalogue.h"
#include "imaging/BitmapSurfaces.h"
#include "imaging/Composition.h"
#include "imaging/TemplateLoading.h"
#include "platform/desktop/HeadlessDesktop.h"

namespace {

using namespace decalia;



// The demo installation the build lays out, read and never written.
struct Osprey {
    desktop::HeadlessDesktop desktop;
    Application app{desktop, DECALIA_APP_DIR};
    std::string templatePath = app.AppPath("/Templates/KW350_Template.bmp");
    std::string alphaPath = AlphaCompanionPath(templatePath);

    Osprey() {
        app.frm_Main.SetScaleMode(forms::ScaleMode::Pixels);
        ReadAircraftConfiguration(app, app.AppPath("/Aircraft Configurations/KW350_Osprey.bin"));
    }
};

void BM_LoadTemplatePair(benchmark::State& state) {
    Osprey osprey;
    for (auto _ : state) {
        LoadTemplateBitmaps(osprey.app, osprey.templatePath, osprey.alphaPath);
        if (!osprey.app.AlphaLoaded) state.SkipWithError("the template pair did not load");
    }
    state.counters["peak_MiB"] = bench::PeakResidentMiB();
}
BENCHMARK(BM_LoadTemplatePair)->Unit(benchmark::kMillisecond);

void BM_ComposeAllSheets(benchmark::State& state) {
    Osprey osprey;
    Application& app = osprey.app;
    LoadTemplateBitmaps(app, osprey.templatePath, osprey.alphaPath);
    for (auto _ : state) {
        for (std::size_t i = 0; i < app.configuration.Textures.size(); ++i) {
            ReleaseWorkSurfaces(app);
            const auto index = static_cast<std::int16_t>(i);
            if (!ComposeTextureSheet(app, index) || !ComposeAlphaSheet(app, index))
                state.SkipWithError("a sheet did not compose");
        }
    }
    state.counters["peak_MiB"] = bench::PeakResidentMiB();
}
BENCHMARK(BM_ComposeAllSheets)->Unit(benchmark::kMillisecond);

}  // namespace
