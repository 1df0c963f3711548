#include "builder/BuildPaths.h"

#include "appstate/Application.h"
#include "builder/BuildFailure.h"
#include "builder/ReplaceMask.h"
#include "platform/fs/Fs.h"
#include "platform/text/Text.h"

namespace decalia {

std::string AirplanesFolderIn(std::string_view appFolder) {
    return std::string(appFolder) + "\\..\\..\\SimObjects\\Airplanes";
}

std::string AircraftFolderIn(std::string_view appFolder, const config::AircraftConfiguration& c) {
    return AirplanesFolderIn(appFolder) + "\\" + text::Trim(c.AircraftDirectory);
}

std::string DataFolderIn(std::string_view appFolder, const config::AircraftConfiguration& c) {
    return std::string(appFolder) + "\\Data." + text::Trim(c.DataPath);
}

std::string BaseAircraftCfgIn(std::string_view appFolder, const config::AircraftConfiguration& c) {
    return DataFolderIn(appFolder, c) + "\\Aircraft.cfg";
}

std::string BaseModelFileIn(std::string_view appFolder, const config::AircraftConfiguration& c) {
    return DataFolderIn(appFolder, c) + "\\" + text::Trim(c.BaseModelName) + ".mdl";
}

std::string BaseAirFileIn(std::string_view appFolder, const config::AircraftConfiguration& c) {
    return DataFolderIn(appFolder, c) + "\\" + text::Trim(c.BaseAirName) + ".air";
}

std::string AirplanesFolder(const Application& app) { return AirplanesFolderIn(app.AppFolder()); }

std::string AircraftFolder(const Application& app) {
    return AircraftFolderIn(app.AppFolder(), app.configuration);
}

std::string DataFolder(const Application& app) {
    return DataFolderIn(app.AppFolder(), app.configuration);
}

std::string RepaintFolderExtension(const Application& app) {
    return text::Trim(app.job.FolderExtension);
}

std::string RepaintIdentifier(const Application& app) {
    return text::UCase(RepaintFolderExtension(app));
}

std::string LiveAircraftCfg(const Application& app) {
    return AircraftFolder(app) + "\\Aircraft.cfg";
}

std::string AircraftCfgBackup(const Application& app) {
    return AircraftFolder(app) + "\\Aircraft.bak";
}

std::string BaseAircraftCfg(const Application& app) {
    return BaseAircraftCfgIn(app.AppFolder(), app.configuration);
}

std::string BaseModelFile(const Application& app) {
    return BaseModelFileIn(app.AppFolder(), app.configuration);
}

std::string BaseAirFile(const Application& app) {
    return BaseAirFileIn(app.AppFolder(), app.configuration);
}

std::string ModelCopyFolder(const Application& app) {
    return AircraftFolder(app) + "\\Model." + RepaintIdentifier(app);
}

std::string RepaintFileName(const Application& app, std::string_view baseName,
                            std::string_view replaceMask, std::string_view stage) {
    const auto name = ApplyReplaceMask(baseName, replaceMask, RepaintIdentifier(app),
                                       app.configuration.NumIdentifierCharacters);
    if (!name) {
        throw BuildFailure(std::string(stage), "The name \"" + text::Trim(baseName) +
                                                   "\" does not fit its replace mask \"" +
                                                   text::Trim(replaceMask) + "\".");
    }
    return text::Trim(*name);
}

void CopyForBuild(std::string_view source, std::string_view target, std::string_view stage) {
    if (!fs::FileExists(source)) {
        throw BuildFailure(std::string(stage), "The file " + DisplayPath(source) + " is missing.");
    }
    if (!fs::CopyFile(source, target, fs::Overwrite::Yes)) {
        throw BuildFailure(std::string(stage), "The file " + DisplayPath(source) +
                                                   " could not be copied to " + DisplayPath(target) +
                                                   ".");
    }
}

std::string DisplayPath(std::string_view path) { return fs::ProgramPathOf(fs::Resolve(path)); }

}  // namespace decalia
