#pragma once
// The base of the program's own control kinds (the skinned buttons): a canvas
// (see Canvas.h) that owns child controls of its own, has a font, takes the
// focus, and raises Resize when its owner changes its size.
//
// A kind derives from UserControl, adds its inner controls with Add in its
// constructor (their windows are made when the form loads, inside the user
// control's window) and is put on a form with Form::Add<Kind>(name). The inner
// controls belong to the user control: they are not in the form's Controls.
// Leaves out: property bags, ambient properties, the extender object (the
// owner's Left/Top/Width/Height are the control's own, in the container's
// unit; WidthTwips/SetSizeTwips are the user control's view in twips).

#include "platform/forms/Canvas.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace decalia::forms {

class UserControl : public Canvas {
public:
    explicit UserControl(const ControlSite& site) : Canvas(site, ControlKind::UserControl) {}

    template <class T, class... Args>
    T& Add(std::string name, Control* container = nullptr, Args&&... args) {
        auto control = std::make_unique<T>(
            ControlSite{GetRuntime(), Parent(), container ? container : this, std::move(name)},
            std::forward<Args>(args)...);
        T& added = *control;
        Adopt(std::move(control));
        return added;
    }
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    Control& Controls(int index) const;

    void CreateWindows() override;
    void WindowGone() override;

protected:
    bool CanFocus() const override { return true; }

private:
    void Adopt(std::unique_ptr<Control> control);
    std::vector<std::unique_ptr<Control>> controls_;
};

}  // namespace decalia::forms
