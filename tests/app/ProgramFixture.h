#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/Mod_Main.h"
#include "appstate/Application.h"
#include "platform/desktop/HeadlessDesktop.h"
#include "platform/win/DesktopPort.h"
#include "support/Installation.h"

namespace decalia {

// The real program on a temporary installation, driven like a user would.
class ProgramTest : public ::testing::Test {
protected:
    desktop::HeadlessDesktop desktop;
    testsupport::Installation install;
    std::unique_ptr<Application> app;

    Application& Start() {
        app = std::make_unique<Application>(desktop, install.AppFolder());
        Main(*app);
        return *app;
    }

    // Starts a program that is expected to end itself; returns its exit code.
    unsigned StartExpectingTheEnd() {
        app = std::make_unique<Application>(desktop, install.AppFolder());
        try {
            Main(*app);
        } catch (const win::ProcessEnded& ended) {
            return ended.exitCode;
        }
        ADD_FAILURE() << "the program did not end";
        return ~0u;
    }

    std::string ConfigurationPath(const std::string& stem) const {
        return (install.AppDir() / "Aircraft Configurations" / (stem + ".bin")).string();
    }
};

}  // namespace decalia
