#pragma once
// A form: a top-level window of the program with its controls.
//
// Reproduces (VB): Load (creates the windows and runs the Load event once per
// load), Show modeless, Show modal (a nested loop through the desktop that
// returns when the form is hidden or unloaded; the other forms take no input
// meanwhile), Hide, Unload (the Unload event may cancel; the windows are
// destroyed; a later Show or Load loads the form again and runs Load again),
// Activate when the form becomes the active one, KeyPreview, Caption,
// Controls(i) / Controls.Count in creation order (controls inside frames and
// picture boxes included, the insides of user controls not). Forms are
// frameless: the window is the inside. Controls keep their properties while
// the form is unloaded.
// Leaves out: MDI, owner forms, QueryUnload, the Terminate/Initialize events,
// BorderStyle, StartUpPosition, WindowState.

#include "platform/forms/Canvas.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace decalia::forms {

enum class ShowMode { Modeless = 0, Modal = 1 };

class Form : public Canvas {
public:
    Form(Runtime& runtime, std::string name);
    ~Form() override;

    // ---- Controls ---------------------------------------------------------
    // Adds a control in creation order; `container` is the form or a frame,
    // picture box or other container already on the form.
    template <class T, class... Args>
    T& Add(std::string name, Control* container = nullptr, Args&&... args) {
        auto control = std::make_unique<T>(
            ControlSite{GetRuntime(), *this, container ? container : this, std::move(name)},
            std::forward<Args>(args)...);
        T& added = *control;
        Adopt(std::move(control));
        return added;
    }
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    Control& Controls(int index) const;
    // The first control of that name (without regard to case); null if none.
    Control* ControlNamed(std::string_view name) const;

    // ---- Life -------------------------------------------------------------
    bool IsLoaded() const { return loaded_; }
    void Load();
    void Show(ShowMode mode = ShowMode::Modeless);
    void Hide();
    // False when the Unload handler cancelled.
    bool Unload();
    // Destroys the windows without asking and without the Unload event (the
    // end of the process).
    void Release();
    bool Visible() const override { return loaded_ && visible_; }
    void SetVisible(bool visible) override;
    bool ModalShowing() const { return modal_ && Visible(); }

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool preview) { keyPreview_ = preview; }

    Event<> OnLoad;
    Event<> Activate;
    Event<int&> OnUnload;  // Cancel by reference: non-zero keeps the form loaded

private:
    void Adopt(std::unique_ptr<Control> control);
    void DestroyWindows();
    void WindowGone() override;

    std::vector<std::unique_ptr<Control>> owned_;
    std::vector<Control*> controls_;
    std::string caption_;
    bool loaded_ = false;
    bool loading_ = false;
    bool modal_ = false;
    bool keyPreview_ = false;
};

}  // namespace decalia::forms
