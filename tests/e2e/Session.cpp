#include "Session.h"

#include <algorithm>
#include <regex>

#include "app/Mod_Main.h"
#include "builder/BuildRepaint.h"
#include "config/ConfigFile.h"
#include "platform/forms/Forms.h"
#include "platform/text/Text.h"

namespace decalia::e2e {

namespace {

bool IsReport(const std::string& path) {
    return path.find("/Reports/") != std::string::npos || path.ends_with("last-build.txt");
}

void MaskRoot(std::string& bytes, const std::filesystem::path& root) {
    for (const std::string& place : {root.string(), root.generic_string()}) {
        for (std::size_t at = bytes.find(place); at != std::string::npos; at = bytes.find(place, at))
            bytes.replace(at, place.size(), "<root>");
    }
}

}  // namespace

WrittenFiles Written(const testsupport::Tree& before, const testsupport::Tree& after,
                     const std::filesystem::path& root) {
    static const std::regex stamp(R"(\d{4}-\d\d-\d\d \d\d[-:]\d\d[-:]\d\d)");
    static const std::regex took(R"(Took: [0-9.]+ s|  \d+ ms\r)");
    WrittenFiles written;
    for (const std::string& path : testsupport::Changed(before, after)) {
        std::string bytes = after.at(path);
        MaskRoot(bytes, root);
        if (IsReport(path)) std::replace(bytes.begin(), bytes.end(), '\\', '/');
        bytes = std::regex_replace(std::regex_replace(bytes, stamp, "<time>"), took, "<took>");
        written[std::regex_replace(path, stamp, "<time>")] = bytes;
    }
    return written;
}

std::vector<std::string> Differences(const WrittenFiles& one, const WrittenFiles& other) {
    std::vector<std::string> differing;
    for (const auto& [path, bytes] : one) {
        const auto found = other.find(path);
        if (found == other.end() || found->second != bytes) differing.push_back(path);
    }
    for (const auto& [path, bytes] : other)
        if (!one.contains(path)) differing.push_back(path);
    return differing;
}

// Each file as its path, its length and its bytes, one after another.
void SaveWritten(const WrittenFiles& written, const std::filesystem::path& file) {
    std::string record;
    for (const auto& [path, bytes] : written)
        record += path + "\n" + std::to_string(bytes.size()) + "\n" + bytes;
    std::filesystem::create_directories(file.parent_path());
    testsupport::WriteFile(file, record);
}

WrittenFiles LoadWritten(const std::filesystem::path& file) {
    const std::string record = testsupport::ReadFile(file);
    WrittenFiles written;
    for (std::size_t at = 0; at < record.size();) {
        const std::size_t pathEnd = record.find('\n', at);
        const std::size_t sizeEnd = record.find('\n', pathEnd + 1);
        if (pathEnd == std::string::npos || sizeEnd == std::string::npos) break;
        const std::size_t size = std::stoul(record.substr(pathEnd + 1, sizeEnd - pathEnd - 1));
        written[record.substr(at, pathEnd - at)] = record.substr(sizeEnd + 1, size);
        at = sizeEnd + 1 + size;
    }
    return written;
}

namespace stdfs = std::filesystem;

namespace {

constexpr int kEnter = 13;

int LineOf(const forms::ListControl& list, const std::string& text) {
    for (int line = 0; line < list.ListCount(); ++line)
        if (list.List(line) == text) return line;
    ADD_FAILURE() << "no line \"" << text << "\" in " << list.Name();
    return 0;
}

}  // namespace

Application& Session::StartWith(std::initializer_list<const char*> aircraft) {
    for (const char* stem : aircraft) install.AddDemoAircraft(stem);
    program = std::make_unique<Application>(desktop, install.AppFolder());
    decalia::Main(*program);
    return *program;
}

void Session::When(StepScreen& screen, std::function<void()> user) {
    desktop.OnModal(screen.Name(), [user = std::move(user)](forms::Form&) { user(); });
}

StepScreen& Session::Shown() {
    for (auto form = desktop.ShownForms().rbegin(); form != desktop.ShownForms().rend(); ++form)
        if (auto* screen = dynamic_cast<StepScreen*>(*form)) return *screen;
    throw desktop::ScriptError("no step screen is shown");
}

void Session::PressClose() {
    StepScreen& screen = Shown();
    Click(screen.btn_Close.Visible() ? screen.btn_Close : *screen.btn_Previous);
}

// Windows gives a window's first control the focus when it opens; step 2 has
// no activation of its own that would.
void Session::PressEnter() {
    StepScreen& screen = Shown();
    const win::HWND focus = program->runtime.Windows().GetFocus();
    if (focus == 0 || program->runtime.FromHandle(focus) == nullptr ||
        &program->runtime.FromHandle(focus)->Parent() != &screen)
        screen.btn_Close.SetFocus();
    desktop.PressKey(program->runtime, kEnter);
}

void Session::ChooseAircraft(const std::string& name) {
    forms::ListBox& list = program->frm_SelectAircraft.lst_SelectAircraft;
    desktop.SelectItem(list, LineOf(list, name));
}

void Session::DoubleClickAircraft(const std::string& name) {
    forms::ListBox& list = program->frm_SelectAircraft.lst_SelectAircraft;
    desktop.DoubleClickItem(list, LineOf(list, name));
}

void Session::PickTemplate(const stdfs::path& file) {
    desktop.AnswerOpenFile(file.string());
    Click(program->frm_SelectTemplate.btn_Select);
}

void Session::TypeInto(forms::TextBox& box, const std::string& text) { desktop.TypeOver(box, text); }

void Session::TypeCallsign(const std::string& text) {
    desktop.TypeOver(program->frm_Callsign.lst_Callsign, text);
}

void Session::ChooseCallsign(const std::string& line) {
    forms::ComboBox& box = program->frm_Callsign.lst_Callsign;
    desktop.SelectItem(box, LineOf(box, line));
}

void Session::RunWizard(const std::string& aircraft, const std::string& variation,
                        const std::string& folder, const std::string& tail,
                        const std::string& callsign) {
    RunWizard(aircraft, variation, folder, tail, [=, this] {
        ChooseCallsign(callsign);
        PressNext();
    });
}

void Session::RunWizard(const std::string& aircraft, const std::string& variation,
                        const std::string& folder, const std::string& tail,
                        std::function<void()> onCallsign) {
    Application& a = *program;
    When(a.frm_SelectAircraft, [=, this] {
        ChooseAircraft(aircraft);
        PressNext();
    });
    When(a.frm_SelectTemplate, [&a, this] {
        PickTemplate(install.AppDir() / "Templates" /
                     (text::Trim(a.configuration.DataPath) + "_Template.bmp"));
        PressNext();
    });
    When(a.frm_Variation, [=, &a, this] {
        TypeInto(a.frm_Variation.txt_Variation, variation);
        PressNext();
    });
    When(a.frm_Folder, [=, &a, this] {
        TypeInto(a.frm_Folder.txt_Folder, folder);
        PressNext();
    });
    When(a.frm_TailNumber, [=, &a, this] {
        TypeInto(a.frm_TailNumber.txt_TailNumber, tail);
        PressNext();
    });
    When(a.frm_Callsign, std::move(onCallsign));
    Click(Main().btn_Wizard);
}

stdfs::path Session::TemplateOf(const char* demoAircraft) const {
    const std::string stem(demoAircraft);
    return install.AppDir() / "Templates" / (stem.substr(0, stem.find('_')) + "_Template.bmp");
}

stdfs::path Session::AircraftDir(const char* demoAircraft) const {
    const std::string stem(demoAircraft);
    const std::string folder = stem == kKite ? "Kestrelworks KW12 Kite" : "Kestrelworks KW350 Osprey";
    return install.Root() / "SimObjects" / "Airplanes" / folder;
}

std::string Session::EntryValue(const char* demoAircraft, int index, const char* key) const {
    return config::ReadProfileString("fltsim." + std::to_string(index), key,
                                     (AircraftDir(demoAircraft) / "Aircraft.cfg").string());
}

int Session::EntryTitled(const char* demoAircraft, const std::string& title) const {
    for (int index = 0; index < 40; ++index)
        if (EntryValue(demoAircraft, index, "title") == title) return index;
    return -1;
}

int Session::EntriesTitled(const char* demoAircraft, const std::string& title) const {
    int count = 0;
    for (int index = 0; index < 40; ++index)
        count += EntryValue(demoAircraft, index, "title") == title ? 1 : 0;
    return count;
}

void Session::ExpectReadyForTheNextRepaintOf(const std::string& aircraftName) {
    const Application& a = *program;
    const MainWindow& main = a.frm_Main;
    EXPECT_EQ(main.lbl_Status.Caption(), kStatusBuilt);
    EXPECT_EQ(main.btn_CreateAircraft.state(), "disabled");
    EXPECT_EQ(a.job.AircraftName, aircraftName);
    EXPECT_EQ(main.lbl_CurrentAircraft.Caption(), aircraftName);
    EXPECT_EQ(main.btn_SelectAircraft.picture(), kStepDone);
    for (const ui::TinyButton* step : {&main.btn_SelectTemplate, &main.btn_Variation,
                                       &main.btn_Folder, &main.btn_Callsign})
        EXPECT_EQ(step->picture(), kStepOpen) << step->Name();
    EXPECT_EQ(a.job.Variation, "");
    EXPECT_EQ(a.job.FolderExtension, "");
    EXPECT_EQ(a.job.Callsign, "");
    EXPECT_EQ(a.frm_Callsign.lst_Callsign.Text(), "*NONE*");
    EXPECT_EQ(a.frm_Variation.txt_Variation.Text(), "Enter Aircraft Variation");
}

}  // namespace decalia::e2e
