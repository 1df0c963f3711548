#pragma once
// The 166 x 50 pixel skinned button: the wizard and create commands.

#include "ui/SkinnedButton.h"

namespace decalia::ui {

class LargeButton final : public SkinnedButton {
public:
    LargeButton(const forms::ControlSite& site, const Toolkit& toolkit)
        : SkinnedButton(site, toolkit, ButtonKind::Large) {}
};

}  // namespace decalia::ui
