#pragma once
// Plays the user on real windows with the system's own messages, as the
// pointer, the keyboard and the controls themselves deliver them; answers the
// system's dialogs and remembers what they showed; photographs windows.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "win32/NativeTypes.h"

namespace decalia::win32test {

using win32::NativeHandle;

// Pointer move, left press and release at a point of the window's client area.
void PostClick(NativeHandle window, int x, int y);
// Selects all of the edit's text and types over it (WM_CHAR per character).
void PostTypingOver(NativeHandle edit, std::string_view text);
void PostCharacter(NativeHandle window, char character);
// A list or combo box line chosen as a click on it does: the selection, then
// the selection-change notification to the parent.
void PostChooseLine(NativeHandle control, int line);

// Runs every `ms` milliseconds while a message loop runs, once the queue is
// empty. What the tick throws comes out of the message loop.
class Ticker {
public:
    Ticker(int ms, std::function<void()> tick);
    ~Ticker();
    Ticker(const Ticker&) = delete;
    Ticker& operator=(const Ticker&) = delete;

private:
    std::uintptr_t timer_ = 0;
};

struct SeenDialog {
    std::string caption;
    std::string text;      // a message box's text
    bool fileDialog = false;
};

// Watches the thread's dialogs as they open: message boxes are answered OK,
// open-file dialogs with the next path given (or cancelled when none is).
class DialogUser {
public:
    DialogUser();
    ~DialogUser();
    DialogUser(const DialogUser&) = delete;
    DialogUser& operator=(const DialogUser&) = delete;

    void AnswerOpenFile(std::string path);
    const std::vector<SeenDialog>& Seen() const;

    struct Hook;

private:
    std::unique_ptr<Hook> hook_;
};

void SetClipboardText(const std::string& text);
// Handles everything posted so far.
void HandlePosted();

// What the screen shows where the window is, as a 24-bit BMP file.
bool SaveScreenshot(NativeHandle window, const std::string& bmpPath);

}  // namespace decalia::win32test
