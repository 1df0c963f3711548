#pragma once
// A demo aircraft installed in a temporary simulator as the build lays it
// out, chosen with its template loaded and the four texts entered, ready for
// "Create Aircraft"; and what it takes to check what a build left.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "appstate/Application.h"
#include "platform/desktop/HeadlessDesktop.h"
#include "support/FileTree.h"
#include "support/Installation.h"
#include "texlib/RgbaImage.h"

namespace decalia::buildertest {

inline constexpr const char* kOsprey = "KW350_Osprey";  // shared Texture folder, model copy
inline constexpr const char* kKite = "KW12_Kite";       // own texture folder, extra textures

using testsupport::Changed;
using testsupport::ReadTree;
using testsupport::Tree;

class WholeBuildTest : public ::testing::Test {
protected:
    desktop::HeadlessDesktop desktop;
    testsupport::Installation install;
    Application app{desktop, install.AppFolder()};

    WholeBuildTest();
    // Installs the demo aircraft, reads it, loads its template and fills the
    // job: variation, folder extension, tail number, callsign.
    void Prepare(const std::string& stem, const std::string& variation,
                 const std::string& extension, const std::string& tail = "n123ab",
                 const std::string& callsign = "*NONE*");
    std::filesystem::path AircraftDir() const;
    Tree SimTree() const { return ReadTree(install.Root() / "SimObjects"); }

    // The texture's colour (alpha in A) as the template gives it now.
    texlib::RgbaImage ComposedSheet(std::size_t textureIndex);
};

}  // namespace decalia::buildertest
