#pragma once
// The forms runtime: the window system, the screen, the forms and which of
// them is active. One per Application (and per test).
//
// Every form and control window gets the runtime's one window procedure,
// which hands the message to the control's default procedure (the VB
// control's own handling); SetWindowLong on a control window therefore
// intercepts real input. Activation follows VB: showing a form activates it
// (its Activate event), and hiding or unloading the active form activates the
// form that was active before it. Forms are made on a runtime and must go
// before it (the Application holds the runtime first, then its forms).

#include "platform/forms/Forward.h"
#include "platform/win/WindowSystem.h"

#include <string_view>
#include <unordered_map>
#include <vector>

namespace decalia::forms {

// VB's Screen object; the twips per pixel follow the desktop's dots per inch.
class Screen {
public:
    explicit Screen(const win::DesktopPort& desktop) : desktop_(desktop) {}
    double TwipsPerPixelX() const;
    double TwipsPerPixelY() const;

private:
    const win::DesktopPort& desktop_;
};

class Runtime {
public:
    explicit Runtime(Desktop& desktop);
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    win::WindowSystem& Windows() { return windows_; }
    Desktop& GetDesktop() const { return desktop_; }
    const forms::Screen& Screen() const { return screen_; }

    // Forms constructed on this runtime, in construction order.
    const std::vector<Form*>& Forms() const { return forms_; }
    Form* FindForm(std::string_view name) const;
    Form* ActiveForm() const;
    // The control (or form) whose window this is.
    Control* FromHandle(win::HWND window) const;

    // VB's End: the process ends at once (see win::WindowSystem::ExitProcess).
    [[noreturn]] void End(unsigned exitCode = 0);

    // ---- For forms and controls ------------------------------------------
    void AddForm(Form& form);
    void RemoveForm(Form& form);
    win::WNDPROC ControlProc() const { return controlProc_; }
    void Attach(win::HWND window, Control& control);
    void Detach(win::HWND window);
    void Activate(Form& form);
    // The form is hidden or unloaded; the one active before it comes back.
    void Deactivate(Form& form);

private:
    Desktop& desktop_;
    win::WindowSystem windows_;
    forms::Screen screen_;
    win::WNDPROC controlProc_ = 0;
    std::vector<Form*> forms_;
    std::vector<Form*> activation_;  // the active form last
    std::unordered_map<win::HWND, Control*> controls_;
};

}  // namespace decalia::forms
