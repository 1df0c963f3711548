// A whole "Create Aircraft" of the larger demo aircraft (4096 x 2048 template
// pair, six sheets) in a fresh copy of the demo simulator, against the
// encoding of its sheets alone: the same library calls on the same sheet
// bitmaps, timed after the build. Arg 1 builds DXT3 textures, 0 uncompressed
// 32-bit ones. Counters: the build and encoding times of the last iteration,
// their ratio, the resident memory before the build (program, template pair,
// preview) and the peak during it.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "PeakMemory.h"
#include "appstate/Application.h"
#include "appstate/CurrentConfiguration.h"
#include "builder/BuildRepaint.h"
#include "builder/SaveTextures.h"
#include "config/AircraftCatalogue.h"
#include "imaging/CallDXTdll.h"
#include "imaging/TemplateLoading.h"
#include "platform/desktop/HeadlessDesktop.h"
#include "platform/text/Text.h"
#include "texlib/kwdds.h"

namespace {

using namespace decalia;
namespace stdfs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Peak memory is measured over the build alone: freed memory goes back to
// the system first, then the high-water mark restarts from what is resident.
void RestartPeakResident() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A copy of the demo simulator with the Osprey chosen, its template loaded
// and the job filled, as the wizard leaves it.
struct PreparedBuild {
    stdfs::path root = stdfs::temp_directory_path() / "decalia-bench-build";
    desktop::HeadlessDesktop desktop;
    std::unique_ptr<Application> app;

    explicit PreparedBuild(bool dxt3) {
        stdfs::remove_all(root);
        stdfs::copy(DECALIA_SIM_DIR, root, stdfs::copy_options::recursive);
        ::sync();  // the copy's writes must not be waited for inside the build
        const stdfs::path appDir = root / stdfs::relative(DECALIA_APP_DIR, DECALIA_SIM_DIR);
        app = std::make_unique<Application>(desktop, appDir.string());
        app->frm_Main.SetScaleMode(forms::ScaleMode::Pixels);
        app->frm_Main.chkDXT3.SetValue(dxt3 ? 1 : 0);
        app->catalogue = config::LoadAircraftCatalogue(config::ConfigurationsFolder(app->AppFolder()));
        for (int i = 0; i <= app->catalogue.LastCatalogueIndex; ++i) {
            if (app->catalogue.Entries[static_cast<std::size_t>(i)].FilePath.find("KW350") == std::string::npos)
                continue;
            ReadAircraftConfiguration(*app, app->catalogue.Entries[static_cast<std::size_t>(i)].FilePath);
            app->job.AircraftIndex = i;
        }
        LoadTemplate(*app, app->AppPath("/Templates/KW350_Template.bmp"));
        app->job.Variation = "Bench";
        app->job.FolderExtension = "BEN";
        app->job.TailNumber = "N350BN";
        app->job.Callsign = "*NONE*";
    }
    ~PreparedBuild() {
        app.reset();
        stdfs::remove_all(root);
    }
};

// The library's work alone, on the sheet bitmaps the build left behind.
double EncodingMilliseconds(Application& app, const std::vector<std::string>& names, bool dxt3) {
    const std::string temp = app.AppPath("/TempBitmaps/");
    double total = 0;
    for (const std::string& name : names) {
        const auto start = Clock::now();
        const std::int32_t result = BMPScompressBMP((temp + name + "_c.bmp").c_str(), (temp + name + "_a.bmp").c_str(),
                        dxt3 ? kFormatCodeDxt3 : kFormatCode32Alpha, 0, 0,
                        (temp + "encoded.bmp").c_str());
        if (result != 0) return -1;
        total += MillisecondsSince(start);
    }
    return total;
}

void BM_BuildRepaint(benchmark::State& state) {
    const bool dxt3 = state.range(0) == 1;
    double buildMs = 0;
    double encodeMs = 0;
    double peakMiB = 0;
    double baseMiB = 0;
    for (auto _ : state) {
        state.PauseTiming();
        PreparedBuild prepared(dxt3);
        // Named before the build: its end starts a new, empty job.
        std::vector<std::string> names;
        for (std::size_t i = 0; i < prepared.app->configuration.Textures.size(); ++i)
            names.push_back(*TextureOutputName(*prepared.app, i));
        RestartPeakResident();
        const double residentBefore = bench::PeakResidentMiB();
        state.ResumeTiming();
        const auto start = Clock::now();
        BuildRepaint(*prepared.app);
        buildMs = MillisecondsSince(start);
        peakMiB = bench::PeakResidentMiB();
        baseMiB = residentBefore;
        state.PauseTiming();
        if (prepared.app->frm_Main.lbl_Status.Caption() != kStatusBuilt)
            state.SkipWithError(prepared.app->frm_Main.lbl_Status.Caption().c_str());
        encodeMs = EncodingMilliseconds(*prepared.app, names, dxt3);
        state.ResumeTiming();
    }
    state.counters["build_ms"] = buildMs;
    state.counters["encode_ms"] = encodeMs;
    state.counters["build_per_encode"] = encodeMs > 0 ? buildMs / encodeMs : 0;
    state.counters["resident_before_MiB"] = baseMiB;
    state.counters["peak_MiB"] = peakMiB;
}
BENCHMARK(BM_BuildRepaint)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
