#pragma once
// The 33 x 35 pixel skinned button: step, close, help, previous, next and
// select commands.

#include "ui/SkinnedButton.h"

namespace decalia::ui {

class TinyButton final : public SkinnedButton {
public:
    TinyButton(const forms::ControlSite& site, const Toolkit& toolkit)
        : SkinnedButton(site, toolkit, ButtonKind::Tiny) {}
};

}  // namespace decalia::ui
