#pragma once
// The folders and names every build stage works with, built from the
// program's folder, the current configuration and the repaint job.

#include <string>
#include <string_view>

#include "config/AircraftConfiguration.h"

namespace decalia {

class Application;

// The same folders and base files from a program folder and a configuration
// alone, for checking a configuration without a running program.
std::string AirplanesFolderIn(std::string_view appFolder);
std::string AircraftFolderIn(std::string_view appFolder, const config::AircraftConfiguration& c);
std::string DataFolderIn(std::string_view appFolder, const config::AircraftConfiguration& c);
std::string BaseAircraftCfgIn(std::string_view appFolder, const config::AircraftConfiguration& c);
std::string BaseModelFileIn(std::string_view appFolder, const config::AircraftConfiguration& c);
std::string BaseAirFileIn(std::string_view appFolder, const config::AircraftConfiguration& c);

// <app>\..\..\SimObjects\Airplanes
std::string AirplanesFolder(const Application& app);
// A: the aircraft's folder in the simulator.
std::string AircraftFolder(const Application& app);
// D: the aircraft's data folder beside the program.
std::string DataFolder(const Application& app);
// e: the folder extension as entered, trimmed.
std::string RepaintFolderExtension(const Application& app);
// E: e in upper case, the repaint's identifier inside file names.
std::string RepaintIdentifier(const Application& app);

std::string LiveAircraftCfg(const Application& app);    // A\Aircraft.cfg
std::string AircraftCfgBackup(const Application& app);  // A\Aircraft.bak
std::string BaseAircraftCfg(const Application& app);    // D\Aircraft.cfg
std::string BaseModelFile(const Application& app);      // D\<BaseModelName>.mdl
std::string BaseAirFile(const Application& app);        // D\<BaseAirName>.air
std::string ModelCopyFolder(const Application& app);    // A\Model.E

// The repaint's name for a base file name (ApplyReplaceMask with E), trimmed;
// a name that does not fit its mask stops the build at the given stage.
std::string RepaintFileName(const Application& app, std::string_view baseName,
                            std::string_view replaceMask, std::string_view stage);

// Copies a file of the build, replacing an older copy; a missing source or a
// failed copy stops the build at the given stage.
void CopyForBuild(std::string_view source, std::string_view target, std::string_view stage);

// How a path is shown to the user: the host path it resolves to.
std::string DisplayPath(std::string_view path);

}  // namespace decalia
