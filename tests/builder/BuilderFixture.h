#pragma once
// A temporary simulator with two aircraft, one of each repaint layout, and
// the application started headless with a complete repaint job:
//  - "Kestrel K1" (configuration kestrel_k1): textures renamed into the shared
//    Texture folder and a patched model copy, flight model copied
//    (TextureAssignOnly = 0, CopyRenameAirFile = 1, three identifier characters);
//  - "Kestrel K2" (kestrel_k2): a texture folder of its own, the aircraft's own
//    model, no flight-model copy (TextureAssignOnly = 1, CopyRenameAirFile = 0).
// Each has its data folder (program copy of Aircraft.cfg with a [decalia]
// section, base .mdl, base .air) and a live folder with an Aircraft.cfg whose
// fltsim.0 is the aircraft's own variation.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "appstate/Application.h"
#include "builder/BuildFailure.h"
#include "platform/desktop/HeadlessDesktop.h"
#include "support/Installation.h"

namespace decalia::buildertest {

inline constexpr const char* kShared = "kestrel_k1";
inline constexpr const char* kOwn = "kestrel_k2";

// One [fltsim.N] section as the simulator's files have it, with a blank line after.
std::string FltsimSection(int index, const std::string& title, const std::string& model,
                          const std::string& texture);

// The base model's bytes: 4096 bytes of a pattern with no texture name in it.
std::string BaseModelBytes();

// Runs a stage that must stop the build and returns why it stopped; a stage
// that ends normally fails the test.
BuildFailure FailureOf(const std::function<void()>& stage);

class BuilderTest : public ::testing::Test {
protected:
    BuilderTest();

    desktop::HeadlessDesktop desktop;
    testsupport::Installation install;
    Application app{desktop, install.AppFolder()};

    // (Re)writes both aircraft's data folders and live Aircraft.cfg files.
    void LayOutAircraft();
    // Reads the aircraft's configuration as choosing it does, and fills the
    // rest of the job as the steps would: variation Blue, folder extension
    // abc, tail n123ab, callsign KESTREL, a template loaded.
    void Choose(const std::string& stem);

    std::filesystem::path AircraftDir(const std::string& stem) const;  // A
    std::filesystem::path DataDir(const std::string& stem) const;      // D
    std::filesystem::path LiveCfg(const std::string& stem) const { return AircraftDir(stem) / "Aircraft.cfg"; }
    void WriteLiveCfg(const std::string& stem, const std::string& text) const;
    std::string ReadLiveCfg(const std::string& stem) const;
    // Names in a folder, hidden ones included, sorted; empty when it is missing.
    static std::vector<std::string> Listing(const std::filesystem::path& folder);
    // Writes a file, creating its folders.
    static void Put(const std::filesystem::path& file, const std::string& bytes = "x");
};

}  // namespace decalia::buildertest
