#include "builder/BuildRepaint.h"

#include <string>

#include "appstate/Application.h"
#include "appstate/CurrentConfiguration.h"
#include "builder/AircraftCfgWriter.h"
#include "builder/AircraftFolders.h"
#include "builder/BuildChecks.h"
#include "builder/BuildFailure.h"
#include "builder/BuildProgress.h"
#include "builder/BuildReport.h"
#include "builder/ModelTextures.h"
#include "builder/SaveTextures.h"
#include "platform/fs/Fs.h"

namespace decalia {
namespace {

void Tell(Application& app, const std::string& message) {
    app.runtime.Windows().MessageBoxA(0, message, kProgramTitle, win::MB_OK);
}

// Everything before the textures; these stages stop at their first failure.
void BuildFilesAndEntry(Application& app) {
    ShowBuildProgress(app, 0);
    CreateAircraftFolders(app);
    ShowBuildProgress(app, 1);
    if (app.configuration.TextureAssignOnly == 0) RenameModelTextures(app);
    ShowBuildProgress(app, 2);
    if (app.configuration.CopyRenameAirFile == 1) CopyAirFile(app);
    ShowBuildProgress(app, 3);
    WriteAircraftCfg(app);
}

// The next repaint starts from the same aircraft, as if chosen again.
void ReadAircraftAgain(Application& app) {
    const std::int32_t index = app.job.AircraftIndex;
    if (index >= 0 && index <= app.catalogue.LastCatalogueIndex) ReadCatalogueAircraft(app, index);
}

std::string ShortfallText(const TextureShortfall& shortfall) {
    std::string names;
    for (const std::string& name : shortfall.missing) names += (names.empty() ? "" : ", ") + name;
    return "Repaint built without " + std::to_string(shortfall.missing.size()) + " of " +
           std::to_string(shortfall.total) + " textures: " + names;
}

}  // namespace

void BuildRepaint(Application& app) {
    BuildRecorder report(app);
    if (const auto problem = CheckBuildInputs(app)) {
        report.Refused(*problem);
        Tell(app, *problem);
        return;
    }
    report.Started();
    MainWindow& main = app.frm_Main;
    ShowBuildStatus(app, "Copying Files");
    fs::SetCurrentFolder(app.AppFolder());
    main.Pic_StatusBackground.SetVisible(true);
    try {
        BuildFilesAndEntry(app);
    } catch (const BuildFailure& failure) {
        report.Failed(failure);
        Tell(app, DescribeBuildFailure(failure));
        return;
    }
    ShowBuildProgress(app, 20);
    const TextureShortfall shortfall = ProduceTextures(app);
    main.Pic_StatusBackground.SetVisible(false);
    report.Finished(shortfall, shortfall.missing.empty() ? "Built" : ShortfallText(shortfall));
    ReadAircraftAgain(app);
    if (!shortfall.missing.empty()) {
        ShowBuildStatus(app, ShortfallText(shortfall));
        return;
    }
    ShowBuildStatus(app, kStatusBuilt);
    app.runtime.Windows().PlaySoundA(app.AppPath("\\Media\\Next.wav"),
                                     win::SND_ASYNC | win::SND_NODEFAULT | win::SND_FILENAME);
}

}  // namespace decalia
