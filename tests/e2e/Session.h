#pragma once
// A user's session with the whole program on a temporary simulator with the
// demo aircraft. The user is scripted through the headless desktop: a step
// screen is shown modally, so what the user does on it is said before the
// button that opens it is clicked ("when the folder screen shows, type abc
// and press Next").

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "appstate/Application.h"
#include "platform/desktop/HeadlessDesktop.h"
#include "support/FileTree.h"
#include "support/Installation.h"

namespace decalia::e2e {

// What a run left under an installation, comparable between runs and hosts:
// each new or changed file by path, with the installation's own folder, the
// build report's clock readings (also in its name) and its path separators
// masked.
using WrittenFiles = std::map<std::string, std::string>;
WrittenFiles Written(const testsupport::Tree& before, const testsupport::Tree& after,
                     const std::filesystem::path& root);
// The paths that only one record has or that the two hold different bytes for.
std::vector<std::string> Differences(const WrittenFiles& one, const WrittenFiles& other);
// One file holding such a record, for a run on another host to compare with.
void SaveWritten(const WrittenFiles& written, const std::filesystem::path& file);
WrittenFiles LoadWritten(const std::filesystem::path& file);

inline constexpr const char* kKite = "KW12_Kite";        // own texture folder, no default tail
inline constexpr const char* kOsprey = "KW350_Osprey";   // shared textures, model copy, tail N350KW
inline constexpr const char* kKiteName = "Kestrelworks KW-12 Kite";
inline constexpr const char* kOspreyName = "Kestrelworks KW-350 Osprey";

class Session : public ::testing::Test {
protected:
    desktop::HeadlessDesktop desktop;
    testsupport::Installation install;
    std::unique_ptr<Application> program;

    // Installs the demo aircraft and starts the program.
    Application& StartWith(std::initializer_list<const char*> aircraft);
    MainWindow& Main() { return program->frm_Main; }

    // ---- What the user does ------------------------------------------------
    // What the user does the next time the screen shows; it must leave it.
    void When(StepScreen& screen, std::function<void()> user);
    void Click(ui::SkinnedButton& button) { desktop.Click(button); }
    void PressNext() { Click(Shown().btn_Next); }
    void PressPrevious() { Click(*Shown().btn_Previous); }
    // The Close button the screen shows: top right, or in the Previous place.
    void PressClose();
    void PressEnter();
    void ChooseAircraft(const std::string& name);
    void DoubleClickAircraft(const std::string& name);
    // Clicks "select" and answers the file dialog with the template.
    void PickTemplate(const std::filesystem::path& file);
    // Selects all of the box's text and types over it.
    void TypeInto(forms::TextBox& box, const std::string& text);
    // Erases the callsign box's text and types a callsign.
    void TypeCallsign(const std::string& text);
    void ChooseCallsign(const std::string& line);

    // The wizard from the main window's "wizard" button to step 6 confirmed
    // with a line of the callsign list, or with what `onCallsign` does there.
    void RunWizard(const std::string& aircraft, const std::string& variation,
                   const std::string& folder, const std::string& tail,
                   const std::string& callsign);
    void RunWizard(const std::string& aircraft, const std::string& variation,
                   const std::string& folder, const std::string& tail,
                   std::function<void()> onCallsign);

    // ---- What the user sees and what is left on disk ----------------------
    StepScreen& Shown();
    std::filesystem::path TemplateOf(const char* demoAircraft) const;
    std::filesystem::path AircraftDir(const char* demoAircraft) const;
    testsupport::Tree SimTree() const { return testsupport::ReadTree(install.Root() / "SimObjects"); }
    // The index of the first [fltsim.N] entry with the title, -1 if none.
    int EntryTitled(const char* demoAircraft, const std::string& title) const;
    int EntriesTitled(const char* demoAircraft, const std::string& title) const;
    std::string EntryValue(const char* demoAircraft, int index, const char* key) const;
    // The job is reset for the next repaint of the same aircraft.
    void ExpectReadyForTheNextRepaintOf(const std::string& aircraftName);
};

}  // namespace decalia::e2e
