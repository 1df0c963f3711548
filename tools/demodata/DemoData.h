#pragma once
// decalia-demodata: lays out one demo aircraft of demo/ in a program folder:
// its data folder, the painter's template pair and the aircraft as installed
// in the simulator two folders above. Everything is made from the aircraft's
// plain configuration (configurations/<stem>.ini) and its simulator sections
// (aircraft/<stem>.cfg).

#include <string>
#include <string_view>
#include <vector>

namespace decalia::demodata {

// demoFolder and appFolder are program paths. Before anything is written the
// configuration is checked: offsets must not overlap and every mask must be
// able to place the identifier, or the program's renaming would damage files.
// On failure returns false and says why in `error`.
bool WriteDemoAircraft(const std::string& demoFolder, std::string_view stem,
                       const std::string& appFolder, std::string& error);

}  // namespace decalia::demodata
