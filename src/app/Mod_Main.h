#pragma once
// The program's entry and exit: start-up in its fixed order, the orderly end
// behind the main window's close button, and the help document.

#include "platform/forms/Forward.h"

namespace decalia {

class Application;

// Starts the program: the command dispatch behind every button, the airline
// list (a missing own list ends the program), the aircraft catalogue, the main
// window shown modelessly, the status line.
// Returns once the main window is up; from then on window events drive it.
void Main(Application& app);

// Ends every skinned button's interception on each loaded window, releases the
// shaped-window objects and the windows, and ends the process. Does not return.
[[noreturn]] void ShutdownApplication(Application& app);

// Ends the interception and tooltip of each skinned button of one window.
void EndButtonSubclassing(forms::Form& window);

// Asks the desktop to open "<app>\Decalia.pdf"; a failure is not reported.
void OpenHelpDocument(Application& app);

}  // namespace decalia
