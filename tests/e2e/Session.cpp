#include "Session.h"

#include "app/Mod_Main.h"
#include "builder/BuildRepaint.h"
#include "config/ConfigFile.h"
#include "platform/forms/Forms.h"
#include "platform/text/Text.h"

namespace decalia::e2e {

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
