#include "platform/forms/Form.h"

#include "platform/forms/Desktop.h"
#include "platform/forms/Runtime.h"
#include "platform/text/Text.h"

namespace decalia::forms {

namespace {

// Gives the other forms their input back when a modal show ends, however it
// ends. Modal shows nest: the form itself takes input even when an outer modal
// show had disabled it, and a hidden form may be shown modally again before
// its earlier modal show has returned (a wizard's Previous).
class ModalScope {
public:
    ModalScope(Runtime& runtime, Form& form, bool& modalFlag)
        : windows_(runtime.Windows()), modalFlag_(modalFlag), wasModal_(modalFlag) {
        modalFlag_ = true;
        if (form.hWnd() != 0 && !windows_.IsWindowEnabled(form.hWnd())) {
            windows_.EnableWindow(form.hWnd(), true);
            reenabled_ = form.hWnd();
        }
        for (Form* other : runtime.Forms()) {
            const win::HWND window = other->hWnd();
            if (other != &form && window != 0 && windows_.IsWindowEnabled(window)) {
                windows_.EnableWindow(window, false);
                disabled_.push_back(window);
            }
        }
    }
    ~ModalScope() {
        for (const win::HWND window : disabled_) {
            windows_.EnableWindow(window, true);
        }
        if (reenabled_ != 0) {
            windows_.EnableWindow(reenabled_, false);
        }
        modalFlag_ = wasModal_;
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    win::WindowSystem& windows_;
    bool& modalFlag_;
    bool wasModal_;
    win::HWND reenabled_ = 0;
    std::vector<win::HWND> disabled_;
};

}  // namespace

Form::Form(Runtime& runtime, std::string name)
    : Canvas(ControlSite{runtime, *this, nullptr, std::move(name)}, ControlKind::Form) {
    visible_ = false;
    width_ = 4800;
    height_ = 3600;
    runtime.AddForm(*this);
}

Form::~Form() {
    Release();
    GetRuntime().RemoveForm(*this);
}

void Form::Adopt(std::unique_ptr<Control> control) {
    Control& added = *control;
    owned_.push_back(std::move(control));
    controls_.push_back(&added);
    if (loaded_) {
        added.CreateWindows();
    }
}

Control& Form::Controls(int index) const {
    return *controls_.at(static_cast<std::size_t>(index));
}

Control* Form::ControlNamed(std::string_view name) const {
    for (Control* control : controls_) {
        if (text::EqualsNoCase(control->Name(), name)) {
            return control;
        }
    }
    return nullptr;
}

void Form::Load() {
    if (loaded_ || loading_) {
        return;
    }
    loading_ = true;
    CreateOwnWindow();
    for (Control* control : controls_) {
        control->CreateWindows();
    }
    loading_ = false;
    loaded_ = true;
    OnLoad.Raise();
}

void Form::Show(ShowMode mode) {
    Load();
    if (!loaded_) {
        return;
    }
    if (mode == ShowMode::Modal && ModalShowing()) {
        throw std::logic_error(Name() + " is already shown modally");
    }
    const bool wasVisible = visible_;
    visible_ = true;
    GetRuntime().Windows().ShowWindow(hWnd(), win::SW_SHOW);
    if (!wasVisible) {
        GetRuntime().GetDesktop().FormShown(*this);
    }
    GetRuntime().Activate(*this);
    if (mode == ShowMode::Modal && Visible()) {
        ModalScope scope(GetRuntime(), *this, modal_);
        GetRuntime().GetDesktop().RunModalLoop(*this);
    }
}

void Form::Hide() {
    if (!Visible()) {
        return;
    }
    // A control that hides its form while it holds the mouse (a double-click
    // that confirms) never sees the release; the other forms get the mouse.
    win::WindowSystem& windows = GetRuntime().Windows();
    if (const Control* captor = GetRuntime().FromHandle(windows.GetCapture());
        captor != nullptr && &captor->Parent() == this) {
        windows.ReleaseCapture();
    }
    visible_ = false;
    GetRuntime().Windows().ShowWindow(hWnd(), win::SW_HIDE);
    GetRuntime().GetDesktop().FormHidden(*this);
    GetRuntime().Deactivate(*this);
}

void Form::SetVisible(bool visible) {
    if (visible) {
        Show();
    } else {
        Hide();
    }
}

bool Form::Unload() {
    if (!loaded_) {
        return true;
    }
    int cancel = 0;
    OnUnload.Raise(cancel);
    if (cancel != 0) {
        return false;
    }
    Release();
    return true;
}

void Form::Release() {
    if (!loaded_) {
        return;
    }
    Hide();
    DestroyWindows();
    loaded_ = false;
}

void Form::DestroyWindows() {
    if (hWnd() != 0) {
        GetRuntime().Windows().DestroyWindow(hWnd());
    }
    // Also when an interceptor swallowed WM_NCDESTROY.
    WindowGone();
}

void Form::WindowGone() {
    for (Control* control : controls_) {
        control->WindowGone();
    }
    Control::WindowGone();
}

void Form::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    SetWindowText(caption_);
}

}  // namespace decalia::forms
