#include "appstate/SkinnedWindow.h"

#include <string>

#include "platform/forms/Forms.h"
#include "ui/VbError.h"

namespace decalia {
namespace {

std::string MediaPath(const Application& app, std::string_view file) {
    return app.AppPath("\\Media\\") + std::string(file);
}

void RestorePointer(forms::Form& window) {
    if (window.MousePointer() == forms::vbCustom) window.SetMousePointer(forms::vbDefault);
}

}  // namespace

void SetUpButtons(forms::Form& owner, const std::vector<ButtonSetup>& buttons) {
    for (const ButtonSetup& setup : buttons) {
        ui::SkinnedButton& button = setup.button;
        button.SetLeft(setup.left);
        button.SetTop(setup.top);
        button.SetButtonType(setup.buttonType);
        button.SetFormName(&owner);
        button.SetPicture(setup.picture);
        button.SetState(setup.state);
        button.SetToolTip(setup.toolTip);
    }
}

bool LoadWindowSkin(Application& app, Window which, double widthTwips, double heightTwips,
                    std::string_view regionFile, std::string_view backgroundFile) {
    forms::Form& window = app.WindowOf(which);
    window.SetSizeTwips(widthTwips, heightTwips);
    auto cursor = forms::LoadMouseIcon(MediaPath(app, "HMOVE.cur"));
    if (!cursor) return false;
    window.SetMouseIcon(std::move(cursor));
    try {
        app.TransForm(which)->ShapeMe(window, win::RGB(0, 0, 0), true, MediaPath(app, regionFile));
    } catch (const ui::VbError&) {
        return false;
    }
    auto background = forms::Picture::FromBitmapFile(MediaPath(app, backgroundFile));
    if (!background) return false;
    window.SetPicture(std::move(background));
    return true;
}

void InstallWindowDragging(Application& app, Window which) {
    forms::Form& window = app.WindowOf(which);
    window.MouseDown = [&window](const forms::MouseArgs& args) {
        if (args.Button == forms::vbLeftButton) window.SetMousePointer(forms::vbCustom);
    };
    window.MouseMove = [&app, &window, which](const forms::MouseArgs& args) {
        if (args.Button == 0) return;
        if (auto& shape = app.TransForm(which)) shape->DragForm(window.hWnd(), args.Button);
        if (args.Button == forms::vbLeftButton) RestorePointer(window);
    };
    window.MouseUp = [&window](const forms::MouseArgs&) { RestorePointer(window); };
}

}  // namespace decalia
