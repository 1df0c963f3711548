#pragma once
// The system's dialogs, shell, sound, screen density, message loop and the
// end of the process, in plain C++ terms.

#include <functional>
#include <optional>
#include <string>

#include "win32/NativeTypes.h"

namespace decalia::win32 {

// The common controls (tooltips) once per process.
void InitCommonControlsOnce();

// LOGPIXELSY of the screen.
int ScreenDotsPerInch();
// The screen without the task bar.
Rect WorkArea();

// MB_OK, no icon; waits until it is closed.
void ShowMessageBox(NativeHandle owner, const std::string& text, const std::string& caption);

// "Description|pattern|Description|pattern" as the dialog's lpstrFilter:
// each part ended by a NUL, the whole by a second NUL.
std::string DialogFilter(const std::string& pipeSeparated);

struct OpenFileQuestion {
    NativeHandle owner = 0;
    std::string title;
    std::string filter;  // '|'-separated
    std::string initialFolder;
};
// The chosen path; nothing when the user cancelled.
std::optional<std::string> AskOpenFile(const OpenFileQuestion& question);

// ShellExecute "open"; true when it answered success.
bool OpenDocument(NativeHandle owner, const std::string& path);
// SND_ASYNC | SND_FILENAME | SND_NODEFAULT.
bool PlayWave(const std::string& path);

// The clipboard's text (CF_TEXT); empty when it holds none.
std::string ClipboardText();

// The screen's real density, not one the system scales for the program: the
// program rescales its windows itself on a large-font screen.
void BecomeDpiAware();

[[noreturn]] void ExitProcessNow(unsigned exitCode);

// Gets and dispatches messages until `done` answers true. False when the
// application was told to quit meanwhile (the quit is left for the outer
// loop).
bool DispatchUntil(const std::function<bool()>& done);
// The outermost loop: until the quit message; its exit code.
int RunMessageLoop();
void PostQuit(int exitCode);
// Runs the task from the message loop, after what is queued now.
void PostTask(std::function<void()> task);

// A window becomes the owner's choice for dialogs: whichever top-level window
// of ours is active, else none.
NativeHandle ActiveWindow();

}  // namespace decalia::win32
