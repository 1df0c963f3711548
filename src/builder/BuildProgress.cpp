#include "builder/BuildProgress.h"

#include <algorithm>

#include "appstate/Application.h"

namespace decalia {
namespace {

// In the container's twips: the bar keeps this margin on every side.
constexpr double kBarMargin = 30;
constexpr double kBarHeight = 270;

}  // namespace

void ShowBuildProgress(Application& app, double percent) {
    forms::PictureBox& container = app.frm_Main.Pic_StatusBackground;
    forms::PictureBox& bar = app.frm_Main.pic_StatusBar;
    bar.SetLeft(kBarMargin);
    bar.SetTop(kBarMargin);
    bar.SetHeight(kBarHeight);
    const double room = std::max(0.0, container.ScaleWidth() - 2 * kBarMargin);
    bar.SetWidth(room * std::clamp(percent, 0.0, 100.0) / 100);
    container.Refresh();
}

void ShowBuildStatus(Application& app, std::string text) {
    app.frm_Main.lbl_Status.SetCaption(std::move(text));
    app.frm_Main.lbl_Status.Refresh();
}

}  // namespace decalia
