#pragma once
// The aircraft's Aircraft.cfg with the repaint's entry added: the program's
// own copy, carrying the live file's variations, the new entry after them and
// the live file's weight-and-balance values. The live file is copied to
// Aircraft.bak first and is replaced in one step at the end, never edited in
// place: any failure stops the build with a BuildFailure and leaves it as it
// was.

namespace decalia {

class Application;

inline constexpr const char* kStatusWritingCfg = "Writing Aircraft Configuration File";

void WriteAircraftCfg(Application& app);

}  // namespace decalia
