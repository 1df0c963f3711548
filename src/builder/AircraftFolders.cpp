#include "builder/AircraftFolders.h"

#include "appstate/Application.h"
#include "builder/BuildFailure.h"
#include "builder/BuildPaths.h"
#include "builder/BuildProgress.h"
#include "platform/fs/Fs.h"

namespace decalia {
namespace {

constexpr const char* kFoldersStage = "creating the aircraft folders";
constexpr const char* kAirStage = "copying the flight model file";

void EnsureFolder(const std::string& folder) {
    if (fs::FolderExists(folder) || fs::CreateFolder(folder)) return;
    throw BuildFailure(kFoldersStage, "The folder " + DisplayPath(folder) +
                                          " could not be created (is a file in its place, or is "
                                          "its parent missing?).");
}

}  // namespace

void CreateAircraftFolders(Application& app) {
    ShowBuildStatus(app, kStatusCreatingFolders);
    const std::string aircraft = AircraftFolder(app);
    EnsureFolder(aircraft);
    switch (app.configuration.TextureAssignOnly) {
        case 1:
            EnsureFolder(aircraft + "\\Texture." + RepaintFolderExtension(app));
            break;
        case 0:
            EnsureFolder(aircraft + "\\Texture");
            EnsureFolder(aircraft + "\\Model." + RepaintFolderExtension(app));
            break;
        default:
            break;
    }
}

void CopyAirFile(Application& app) {
    const std::string name = RepaintFileName(app, app.configuration.BaseAirName,
                                             app.configuration.ReplaceAirMask, kAirStage);
    CopyForBuild(BaseAirFile(app), AircraftFolder(app) + "\\" + name + ".air", kAirStage);
}

}  // namespace decalia
