#include "wizard/StepInputs.h"

#include <string>

#include "appstate/Application.h"
#include "platform/forms/Forms.h"
#include "platform/text/Text.h"

namespace decalia {
namespace {

constexpr int kEnter = 13;

std::string Key(std::string_view text) { return text::UCase(text::Trim(text)); }

// Enter confirms the step whichever control has the focus: the screen sees
// every key first.
void ConfirmOnEnter(StepScreen& screen, int step, const StepConfirmation& confirm) {
    screen.SetKeyPreview(true);
    screen.KeyPress = [step, confirm](int& code) {
        if (code != kEnter) return;
        confirm(step);
        code = 0;
    };
}

// The line of the aircraft chosen before, else the first line.
int AircraftLine(const forms::ListBox& list, const std::string& aircraftName) {
    if (Key(aircraftName).empty()) return 0;
    for (int line = 0; line < list.ListCount(); ++line)
        if (Key(list.List(line)) == Key(aircraftName)) return line;
    return 0;
}

void InstallAircraftList(Application& app, const StepConfirmation& confirm) {
    SelectAircraftScreen& screen = app.frm_SelectAircraft;
    forms::ListBox& list = screen.lst_SelectAircraft;
    screen.Activate = [&app, &screen, &list] {
        if (list.ListIndex() < 0) {
            app.runtime.Windows().MessageBoxA(0, kNoAircraftMessage, kProgramTitle, win::MB_OK);
            screen.Unload();
            return;
        }
        list.SetListIndex(AircraftLine(list, app.job.AircraftName));
        screen.btn_Next.SetState("enabled");
        list.SetFocus();
    };
    list.Click = [&screen] { screen.btn_Next.SetState("enabled"); };
    list.DblClick = [confirm] { confirm(1); };
    ConfirmOnEnter(screen, 1, confirm);
}

// Without a chosen template Enter does nothing; the key is not consumed.
void InstallTemplateKeys(Application& app, const StepConfirmation& confirm) {
    SelectTemplateScreen& screen = app.frm_SelectTemplate;
    screen.SetKeyPreview(true);
    screen.KeyPress = [&app, confirm](int& code) {
        if (code == kEnter && !text::Trim(app.job.StepTemplateName).empty()) confirm(2);
    };
}

// The selection covers the trimmed text counted from the start, so leading
// blanks shift it.
void SelectTrimmedText(forms::TextBox& box) {
    box.SetSelStart(0);
    box.SetSelLength(static_cast<int>(text::Trim(box.Text()).size()));
}

void InstallTextBox(StepScreen& screen, forms::TextBox& box, int step, const StepConfirmation& confirm) {
    screen.Activate = [&box] {
        box.SetFocus();
        SelectTrimmedText(box);
    };
    box.Click = [&box] { SelectTrimmedText(box); };
    ConfirmOnEnter(screen, step, confirm);
}

// A callsign typed in and confirmed earlier joins the list in upper case.
int CallsignLine(forms::ComboBox& list, const std::string& callsign) {
    for (int line = 0; line < list.ListCount(); ++line)
        if (Key(list.List(line)) == Key(callsign)) return line;
    if (Key(callsign).empty()) return 0;
    list.AddItem(Key(callsign));
    return list.ListCount() - 1;
}

void InstallCallsignList(Application& app, const StepConfirmation& confirm) {
    CallsignScreen& screen = app.frm_Callsign;
    forms::ComboBox& list = screen.lst_Callsign;
    screen.Activate = [&app, &screen, &list] {
        const std::string callsign = app.job.Callsign;
        const bool none = Key(callsign).empty() || Key(callsign) == "*NONE*";
        screen.lbl_CurrentCallsign.SetCaption(none ? "NONE" : callsign);
        list.SetListIndex(0);
        screen.btn_Next.SetState("enabled");
        list.SetListIndex(CallsignLine(list, callsign));
        list.SetFocus();
    };
    list.Click = [&app, &screen, &list] {
        screen.btn_Next.SetState("enabled");
        app.job.StepCallsign = list.Text();
    };
    ConfirmOnEnter(screen, 6, confirm);
}

}  // namespace

void InstallStepInputs(Application& app, const StepConfirmation& confirm) {
    InstallAircraftList(app, confirm);
    InstallTemplateKeys(app, confirm);
    InstallTextBox(app.frm_Variation, app.frm_Variation.txt_Variation, 3, confirm);
    InstallTextBox(app.frm_Folder, app.frm_Folder.txt_Folder, 4, confirm);
    InstallTextBox(app.frm_TailNumber, app.frm_TailNumber.txt_TailNumber, 5, confirm);
    InstallCallsignList(app, confirm);
}

}  // namespace decalia
