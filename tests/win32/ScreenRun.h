#pragma once
// The whole program on the Win32 desktop in a temporary simulator, played
// with the system's own messages on the real windows. What the user does is a
// list of steps, each bound to a screen and done once that screen waits for
// the user: it is shown and is the innermost modal one, no system dialog is
// up, and everything posted before has been handled.

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "NativeUser.h"
#include "appstate/Application.h"
#include "support/Installation.h"
#include "win32/Win32Desktop.h"

namespace decalia::win32test {

class ScreenRun {
public:
    ScreenRun();
    ~ScreenRun();

    Application& Start(std::initializer_list<const char*> aircraft);
    testsupport::Installation& Install() { return install_; }
    win32::Win32Desktop& Desktop() { return *desktop_; }
    DialogUser& Dialogs() { return dialogs_; }

    // ---- Steps ---------------------------------------------------------------
    void On(const forms::Form& screen, std::function<void()> act);
    // Runs the message loop until every step was done; throws when a step
    // still waits after the time limit.
    void Play(std::chrono::seconds limit = std::chrono::seconds(300));

    // ---- What a step does ------------------------------------------------------
    void Click(forms::Control& control);
    void TypeOver(forms::TextBox& box, const std::string& text);
    void Choose(forms::ListControl& list, const std::string& line);
    // Saves the form's window as the screen shows it, into the build tree.
    void Screenshot(const forms::Form& form, const std::string& name);

private:
    bool Waiting(const forms::Form& screen) const;
    void Tick();

    testsupport::Installation install_;
    DialogUser dialogs_;
    std::unique_ptr<win32::Win32Desktop> desktop_;
    std::unique_ptr<Application> program_;
    std::deque<std::pair<const forms::Form*, std::function<void()>>> steps_;
    std::chrono::steady_clock::time_point deadline_;
    bool done_ = false;
};

}  // namespace decalia::win32test
