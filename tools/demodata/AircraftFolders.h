#pragma once
// The folders a demo aircraft needs: the program's data folder and the
// aircraft as installed in the simulator, with its own files and those of a
// repaint installed earlier.

#include <string>
#include <string_view>

#include "DemoAircraft.h"
#include "InstalledLivery.h"
#include "Output.h"

namespace decalia::demodata {

// Data.<DataPath>: the program's Aircraft.cfg, the base model (when repaints
// patch a copy of it) and the base flight model.
void WriteDataFolder(const DemoAircraft& aircraft, std::string_view sections,
                     const std::string& appFolder, Output& out);

// SimObjects/Airplanes/<AircraftDirectory>: the live Aircraft.cfg, Texture/,
// the extra textures, Model/ (and the model folder repaints use), the flight
// model, and the installed livery's files.
void WriteLiveFolder(const DemoAircraft& aircraft, std::string_view sections,
                     const InstalledLivery& livery, const std::string& appFolder, Output& out);

}  // namespace decalia::demodata
