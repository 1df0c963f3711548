#include "ScreenRun.h"

#include <filesystem>
#include <stdexcept>

#include "app/Mod_Main.h"
#include "platform/forms/Forms.h"
#include "win32/NativeShell.h"

namespace decalia::win32test {
namespace {

win::POINT CentreInForm(forms::Control& control) {
    win::WindowSystem& windows = control.GetRuntime().Windows();
    const auto at = windows.ClientToScreen(control.hWnd(), win::POINT{});
    const auto origin = windows.ClientToScreen(control.Parent().hWnd(), win::POINT{});
    win::RECT client;
    if (!at || !origin || !windows.GetClientRect(control.hWnd(), client))
        throw std::runtime_error(control.Name() + " has no window to click");
    return win::POINT{at->x - origin->x + client.right / 2, at->y - origin->y + client.bottom / 2};
}

int LineOf(const forms::ListControl& list, const std::string& text) {
    for (int line = 0; line < list.ListCount(); ++line)
        if (list.List(line) == text) return line;
    throw std::runtime_error("no line \"" + text + "\" in " + list.Name());
}

}  // namespace

ScreenRun::ScreenRun() = default;

ScreenRun::~ScreenRun() {
    program_.reset();
    desktop_.reset();
}

Application& ScreenRun::Start(std::initializer_list<const char*> aircraft) {
    for (const char* stem : aircraft) install_.AddDemoAircraft(stem);
    desktop_ = std::make_unique<win32::Win32Desktop>(
        win32::Win32DesktopOptions{96, win32::ProcessEnd::Throw});
    program_ = std::make_unique<Application>(*desktop_, install_.AppFolder());
    try {
        decalia::Main(*program_);
    } catch (const win::ProcessEnded& ended) {
        std::string shown;
        for (const SeenDialog& dialog : dialogs_.Seen()) shown += " \"" + dialog.text + "\"";
        throw std::runtime_error("the program ended at its start (" +
                                 std::to_string(ended.exitCode) + ") after:" + shown);
    }
    return *program_;
}

void ScreenRun::On(const forms::Form& screen, std::function<void()> act) {
    steps_.emplace_back(&screen, std::move(act));
}

bool ScreenRun::Waiting(const forms::Form& screen) const {
    if (!screen.Visible() || desktop_->InDialog()) return false;
    for (const forms::Form* form : program_->runtime.Forms())
        if (form != &screen && form->ModalShowing()) return false;
    return true;
}

void ScreenRun::Tick() {
    if (steps_.empty()) {
        done_ = true;
        return;
    }
    const forms::Form& screen = *steps_.front().first;
    if (!Waiting(screen)) {
        if (std::chrono::steady_clock::now() > deadline_)
            throw std::runtime_error("the user still waits for " + screen.Name());
        return;
    }
    const std::function<void()> act = std::move(steps_.front().second);
    steps_.pop_front();
    act();
}

void ScreenRun::Play(std::chrono::seconds limit) {
    deadline_ = std::chrono::steady_clock::now() + limit;
    done_ = false;
    const Ticker ticker(20, [this] { Tick(); });
    win32::DispatchUntil([this] { return done_; });
}

void ScreenRun::Click(forms::Control& control) {
    const win::POINT at = CentreInForm(control);
    PostClick(desktop_->WindowOf(control.Parent()), at.x, at.y);
}

void ScreenRun::TypeOver(forms::TextBox& box, const std::string& text) {
    Click(box);
    PostTypingOver(desktop_->TypingOf(box), text);
}

void ScreenRun::Choose(forms::ListControl& list, const std::string& line) {
    PostChooseLine(desktop_->ControlOf(list), LineOf(list, line));
}

void ScreenRun::Screenshot(const forms::Form& form, const std::string& name) {
    const std::filesystem::path folder(DECALIA_SCREENSHOT_DIR);
    std::filesystem::create_directories(folder);
    SaveScreenshot(desktop_->WindowOf(form), (folder / (name + ".bmp")).string());
}

}  // namespace decalia::win32test
