#pragma once
// A temporary simulator installation for whole-program tests: the simulator
// root with SimObjects/Airplanes, the program folder two levels below it
// ("Kestrelworks Software/Decalia") with the skin files in Media (generated as
// the build generates them), Data/airlines.cfg, Aircraft Configurations,
// Templates and TempBitmaps, and the real texture library (libkwdds.so,
// kwdds.dll).
// Removed with everything in it when it goes.

#include <filesystem>
#include <string>
#include <string_view>

#include "support/TempDir.h"

namespace testsupport {

class Installation {
public:
    // With the skin and an own airline list of a few items; no configurations.
    Installation();

    const std::filesystem::path& Root() const { return root_.Path(); }
    std::filesystem::path AppDir() const;
    // The program folder as the program names it.
    std::string AppFolder() const { return AppDir().string(); }
    std::filesystem::path MediaDir() const { return AppDir() / "Media"; }
    // The texture library in the program folder, named as the host names it.
    std::filesystem::path TextureLibrary() const;

    // Adds an encrypted configuration "<fileStem>.bin" holding the INI text.
    void AddConfiguration(std::string_view fileStem, std::string_view ini) const;
    // Adds one of the demo aircraft in demo/configurations (e.g. "KW12_Kite")
    // as the build lays it out: its encrypted configuration, its data folder,
    // its template pair in Templates and the aircraft installed under
    // SimObjects/Airplanes with an earlier repaint.
    void AddDemoAircraft(std::string_view configurationStem) const;
    // A small configuration: display name, tail, manufacturer, type and
    // textureCount sheets.
    static std::string ConfigurationIni(std::string_view displayName, std::string_view tail = "",
                                        int textureCount = 2);
    void WriteOwnAirlines(std::string_view text) const;
    void RemoveOwnAirlines() const;
    void WriteSharedAirlines(std::string_view text) const;
    // Deletes one skin file of Media, e.g. "WizardRegion.dat".
    void RemoveMedia(std::string_view fileName) const;

private:
    TempDir root_;
};

}  // namespace testsupport
