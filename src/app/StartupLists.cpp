#include "app/StartupLists.h"

#include "appstate/Application.h"
#include "config/AircraftCatalogue.h"
#include "config/AirlineList.h"

namespace decalia {

void LoadAirlines(Application& app) {
    auto list = config::LoadAirlines(app.AppFolder());
    if (!list) {
        app.runtime.Windows().MessageBoxA(0, config::kMissingAirlineListMessage, kProgramTitle,
                                          win::MB_OK);
        app.runtime.End();
    }
    app.airlines = std::move(*list);
    EnsureLoaded(app.frm_Callsign);
    forms::ComboBox& callsigns = app.frm_Callsign.lst_Callsign;
    callsigns.Clear();
    callsigns.AddItem("*NONE*");
    for (const auto& airline : app.airlines.Items) callsigns.AddItem(airline);
    callsigns.SetListIndex(0);
}

void LoadAircraftCatalogue(Application& app) {
    app.catalogue = config::LoadAircraftCatalogue(config::ConfigurationsFolder(app.AppFolder()));
    EnsureLoaded(app.frm_SelectAircraft);
    forms::ListBox& aircraft = app.frm_SelectAircraft.lst_SelectAircraft;
    aircraft.Clear();
    for (const auto& name : app.catalogue.DisplayNames()) aircraft.AddItem(name);
    if (aircraft.ListCount() > 0) aircraft.SetListIndex(0);
}

}  // namespace decalia
