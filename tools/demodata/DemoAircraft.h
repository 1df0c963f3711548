#pragma once
// One demo aircraft as the demo data is made from it: its configuration, read
// from the plain INI text in demo/configurations exactly as the program reads
// the encrypted one, and the folders the program will look for it in.

#include <string>
#include <string_view>

#include "config/AircraftConfiguration.h"

namespace decalia::demodata {

struct DemoAircraft {
    config::AircraftConfiguration record;
    config::ExtraTextures extraTextures;
    config::ExtraFields extraFields;
};

// Reads a plain configuration file; every key missing when it cannot be read.
DemoAircraft ReadDemoAircraft(std::string_view iniPath);

// Folders of the program's layout, all program paths without a trailing '/'.
std::string DataFolder(const std::string& appFolder, const DemoAircraft& aircraft);
std::string TemplatesFolder(const std::string& appFolder);
std::string AircraftFolder(const std::string& appFolder, const DemoAircraft& aircraft);
// Where the program takes the extra textures from when it copies them.
std::string ExtraTextureSourceFolder(const std::string& aircraftFolder,
                                     const DemoAircraft& aircraft);

// "<DataPath>_Template.bmp" and its alpha companion "<DataPath>_Template_a.bmp".
std::string TemplateFileName(const DemoAircraft& aircraft);
std::string AlphaTemplateFileName(const DemoAircraft& aircraft);

// Creates a folder and every missing folder above it; false when one fails.
bool CreateFolderTree(std::string_view path);

}  // namespace decalia::demodata
