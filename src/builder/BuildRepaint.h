#pragma once
// "Create Aircraft": the repaint put into the simulator's aircraft folder in
// a fixed order (folders, model copy, flight-model copy, Aircraft.cfg, then
// the textures), with the stage in the status line and the progress bar.

namespace decalia {

class Application;

inline constexpr const char* kStatusBuilt = "Your Aircraft Repaint has been built";

// Refuses, with a message, a build that could not finish before anything is
// written; a stage that fails later is named in a message and Aircraft.cfg
// stays as it was. Ends by reading the aircraft again for the next repaint.
void BuildRepaint(Application& app);

}  // namespace decalia
