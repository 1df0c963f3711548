#include "WindowText.h"

#include <string>

#include "appstate/Application.h"
#include "platform/text/Text.h"

namespace decalia::tools {
namespace {

std::string Shown(const std::string& cp1252) { return text::ToHost(cp1252); }

void PrintStep(std::ostream& out, const char* step, const ui::TinyButton& button,
               const forms::Label& value) {
    out << "  " << step << " [" << button.picture() << ", " << button.state() << "] "
        << Shown(value.Caption()) << '\n';
}

void PrintList(std::ostream& out, const char* title, const forms::ListControl& list) {
    out << title << " (" << list.ListCount() << "):\n";
    for (int i = 0; i < list.ListCount(); ++i)
        out << "  " << (i == list.ListIndex() ? "> " : "  ") << Shown(list.List(i)) << '\n';
}

}  // namespace

void PrintMainWindow(Application& app, std::ostream& out) {
    const MainWindow& main = app.frm_Main;
    out << Shown(main.lbl_Version.Caption()) << "  (" << main.PixelWidth() << " x "
        << main.PixelHeight() << " pixels, " << (main.Visible() ? "shown" : "hidden") << ")\n";
    out << "Status: " << Shown(main.lbl_Status.Caption()) << '\n';
    out << "Steps:\n";
    PrintStep(out, "Aircraft   ", main.btn_SelectAircraft, main.lbl_CurrentAircraft);
    PrintStep(out, "Template   ", main.btn_SelectTemplate, main.lbl_CurrentTemplate);
    PrintStep(out, "Variation  ", main.btn_Variation, main.lbl_CurrentVariation);
    PrintStep(out, "Folder     ", main.btn_Folder, main.lbl_CurrentFolder);
    PrintStep(out, "Tail number", main.btn_TailNumber, main.lbl_CurrentTailNumber);
    PrintStep(out, "Callsign   ", main.btn_Callsign, main.lbl_CurrentCallsign);
    out << "Wizard [" << main.btn_Wizard.state() << "], Create Aircraft ["
        << main.btn_CreateAircraft.state() << "]\n";
    PrintList(out, "Aircraft", app.frm_SelectAircraft.lst_SelectAircraft);
    PrintList(out, "Callsigns", app.frm_Callsign.lst_Callsign);
}

}  // namespace decalia::tools
