#pragma once
// The port through which the window system reaches the user's screen: what a
// real desktop shows, asks or plays, and what a headless one records and
// answers from a script.
//
// Reproduces: the message box with only an OK button, no icon and a caption;
// the common open-file dialog (one filter, an initial folder, a title; the
// chosen path or a cancel); the shell opening a document with its default
// action; asynchronous playing of a WAV file; the window-move loop that
// WM_NCLBUTTONDOWN on the caption starts; a tooltip shown and hidden; the end
// of the process; the screen's dots per inch.
// Leaves out: other message box buttons and icons, save dialogs, multiple
// selection, shell verbs other than the default.

#include "platform/win/Types.h"

#include <optional>
#include <string>

namespace win {

struct OpenFileRequest {
    HWND owner = 0;
    std::string title;
    // Windows' filter text: description and pattern separated by '|'.
    std::string filter;
    std::string initialFolder;
};

struct TooltipShow {
    HWND tooltip = 0;
    HWND tool = 0;
    std::string text;
    int initialDelayMs = 0;
    int autoPopMs = 0;
};

// How far the user dragged a window during a move loop, in pixels.
struct MoveOffset {
    int dx = 0;
    int dy = 0;
};

// Thrown by a desktop's EndProcess where the process cannot really end (tests,
// the batch runner): the stack unwinds to whoever runs the program, which sees
// that and how it ended.
struct ProcessEnded {
    unsigned exitCode = 0;
};

class DesktopPort {
public:
    virtual ~DesktopPort() = default;

    virtual int DotsPerInch() const = 0;

    // Waits until the box is closed. Returns IDOK.
    virtual int ShowMessageBox(HWND owner, const std::string& text,
                               const std::string& caption) = 0;
    // The chosen file's full path, or nothing when the user cancelled.
    virtual std::optional<std::string> ShowOpenFileDialog(const OpenFileRequest& request) = 0;
    // True when a viewer was started.
    virtual bool ShellOpen(const std::string& document) = 0;
    // Starts playing and returns at once; false when nothing will play.
    virtual bool PlaySoundAsync(const std::string& wavFile) = 0;

    // The user drags the top-level window until the button is let go.
    virtual MoveOffset RunMoveLoop(HWND window) = 0;

    virtual void ShowTooltip(const TooltipShow& tip) = 0;
    virtual void HideTooltip(HWND tooltip) = 0;

    [[noreturn]] virtual void EndProcess(unsigned exitCode) = 0;
};

inline constexpr int IDOK = 1;
inline constexpr unsigned MB_OK = 0;

}  // namespace win
