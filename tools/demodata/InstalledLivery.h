#pragma once
// The repaint a demo aircraft already has installed, laid out as the program
// would have built it, so a new build finds an earlier variation to keep.

#include <optional>
#include <string>

#include "DemoAircraft.h"

namespace decalia::demodata {

struct InstalledLivery {
    std::string variation;  // the variation name the painter entered
    std::string extension;  // the folder extension as entered
    std::string identifier; // the extension in upper case
    std::string airline;
};

// nullopt when the configuration asks for more identifier characters than the
// livery's name has.
std::optional<InstalledLivery> DemoLivery(const DemoAircraft& aircraft);

// The file names the program gives this livery's textures, model and flight
// model; nullopt when a mask cannot place the identifier.
std::optional<std::string> LiveryTextureName(const config::TextureEntry& texture,
                                             const InstalledLivery& livery);
std::optional<std::string> LiveryModelName(const DemoAircraft& aircraft, const InstalledLivery& livery);
std::optional<std::string> LiveryAirName(const DemoAircraft& aircraft, const InstalledLivery& livery);

}  // namespace decalia::demodata
