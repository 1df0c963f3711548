#pragma once
// The main window's load handler, its dragging and its preview events.

namespace decalia {

class Application;

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 2;
inline constexpr int kVersionRevision = 0;

// Attaches the handlers; the window is built when it is first loaded.
void InstallMainWindow(Application& app);

}  // namespace decalia
