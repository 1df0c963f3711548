#pragma once
// The two lists start-up reads and the lists on the step screens they fill.

namespace decalia {

class Application;

// Fills the callsign list ("*NONE*" first). Without the program's own list
// file it tells the user and ends the program.
void LoadAirlines(Application& app);

// Builds the aircraft catalogue and fills the step-1 list, first row selected.
void LoadAircraftCatalogue(Application& app);

}  // namespace decalia
