#pragma once
// The two Aircraft.cfg files of a demo aircraft, both made from the aircraft's
// simulator sections (demo/aircraft/<stem>.cfg) and its configuration:
// - the program's copy in the data folder: the aircraft's own variation as
//   fltsim.0, the maker's default loading, and the [decalia] section;
// - the live file in the aircraft folder: fltsim.0, the installed repaint as
//   fltsim.1, and the user's own loading, which a build must keep.

#include <string>
#include <string_view>

#include "DemoAircraft.h"
#include "InstalledLivery.h"
#include "Output.h"

namespace decalia::demodata {

// The weight every station carries in the user's own loading.
inline constexpr std::string_view kUserStationWeight = "185";

// The model folder extension a repaint with its own texture folder uses; empty
// when repaints get a model folder of their own.
std::string RepaintModelFolder(const DemoAircraft& aircraft);

void WriteProgramAircraftCfg(const DemoAircraft& aircraft, std::string_view sections,
                             const std::string& file, Output& out);
void WriteLiveAircraftCfg(const DemoAircraft& aircraft, std::string_view sections,
                          const InstalledLivery& livery, const std::string& file, Output& out);

}  // namespace decalia::demodata
