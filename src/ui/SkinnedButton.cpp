#include "ui/SkinnedButton.h"

#include "platform/forms/Picture.h"
#include "platform/forms/Runtime.h"
#include "platform/text/Text.h"
#include "platform/win/WindowSystem.h"
#include "ui/SmartSubClass.h"
#include "ui/cls_Tooltip.h"

#include <array>

namespace decalia::ui {

namespace {

// The frames of the strip from the top, and the state that shows each.
constexpr std::array<std::string_view, 4> kFrameStates = {"enabled", "highlight", "down",
                                                          "disabled"};

constexpr win::COLORREF kCreatedBackColor = win::RGB(127, 155, 187);
constexpr win::COLORREF kResizedBackColor = win::RGB(217, 223, 219);
constexpr win::COLORREF kTipTextColor = win::RGB(45, 45, 45);
constexpr win::COLORREF kTipBackColor = win::RGB(231, 231, 231);
constexpr std::int32_t kTipMaxWidth = 400;
constexpr std::int32_t kTipVisibleMs = 10000;
constexpr std::int32_t kTipDelayMs = 250;

forms::Font ButtonFont() {
    forms::Font font;
    font.Name = "Tahoma";
    font.Size = 9.75;
    font.Weight = 400;
    return font;
}

}  // namespace

int SkinnedButton::FrameWidth(ButtonKind kind) { return kind == ButtonKind::Tiny ? 33 : 166; }
int SkinnedButton::FrameHeight(ButtonKind kind) { return kind == ButtonKind::Tiny ? 35 : 50; }

SkinnedButton::SkinnedButton(const forms::ControlSite& site, const Toolkit& toolkit,
                             ButtonKind kind)
    : UserControl(site),
      toolkit_(toolkit),
      kind_(kind),
      pic_BG(Add<forms::PictureBox>("pic_BG")) {
    SetScaleMode(forms::ScaleMode::Pixels);
    SetFont(ButtonFont());
    pic_BG.SetBorderStyle(0);
    pic_BG.SetAutoSize(true);
    SizeToFrame();
    SetBackColor(kCreatedBackColor);

    pic_BG.MouseMove = [this](const forms::MouseArgs&) { pic_BG_MouseMove(); };
    pic_BG.MouseDown = [this](const forms::MouseArgs&) { pic_BG_MouseDown(); };
    pic_BG.MouseUp = [this](const forms::MouseArgs&) { pic_BG_MouseUp(); };
    // A double-click is one more press, so the release after it runs the
    // command again.
    pic_BG.DblClick = [this] { pic_BG_MouseDown(); };

    m_Sniff = std::make_unique<SmartSubClass>(GetRuntime().Windows());
    m_Sniff->NewMessage = [this](win::HWND hWnd, win::UINT& uMsg, win::WPARAM& wParam,
                                 win::LPARAM& lParam, bool& Cancel) {
        m_Sniff_NewMessage(hWnd, uMsg, wParam, lParam, Cancel);
    };
}

SkinnedButton::~SkinnedButton() {
    if (m_Sniff) {
        m_Sniff->SubClassHwnd(pic_BG.hWnd(), false);
        m_Sniff.reset();
    }
}

void SkinnedButton::CreateWindows() {
    UserControl::CreateWindows();
    if (m_Sniff) {
        m_Sniff->SubClassHwnd(pic_BG.hWnd(), true);
    }
}

// Creation and resize give the button and its picture box the frame's pixel
// size at the screen's density.
void SkinnedButton::SizeToFrame() {
    const bool outer = sizing_;
    sizing_ = true;
    const forms::Screen& screen = GetRuntime().Screen();
    SetSizeTwips(screen.TwipsPerPixelX() * FrameWidth(kind_),
                 screen.TwipsPerPixelY() * FrameHeight(kind_));
    pic_BG.Move(0, 0, FrameWidth(kind_), FrameHeight(kind_));
    sizing_ = outer;
}

void SkinnedButton::OnGeometryStored() {
    UserControl::OnGeometryStored();
    if (sizing_) {
        return;
    }
    const forms::Screen& screen = GetRuntime().Screen();
    if (WidthTwips() == screen.TwipsPerPixelX() * FrameWidth(kind_) &&
        HeightTwips() == screen.TwipsPerPixelY() * FrameHeight(kind_)) {
        return;
    }
    SizeToFrame();
    SetBackColor(kResizedBackColor);
    // The picture box was cut to one frame at the top; give it the strip and
    // the frame of the state back, so the look still follows the state.
    pic_BG.SetAutoSize(true);
    SetState(state_);
}

void SkinnedButton::SetState(std::string value) {
    state_ = std::move(value);
    for (std::size_t frame = 0; frame < kFrameStates.size(); ++frame) {
        if (state_ == kFrameStates[frame]) {
            pic_BG.SetTop(-static_cast<double>(frame) * FrameHeight(kind_));
            pic_BG.SetLeft(0);
            return;
        }
    }
}

void SkinnedButton::SetPicture(std::string name) {
    picture_ = std::move(name);
    const std::string path = toolkit_.appFolder + "\\Media\\" + text::Trim(picture_) + ".bmp";
    if (forms::Picture strip = forms::Picture::FromBitmapFile(path)) {
        pic_BG.SetPicture(std::move(strip));
    }
}

void SkinnedButton::SetToolTip(std::string text) {
    if (tooltip_) {
        tooltip_->Destroy();
    }
    toolTip_ = std::move(text);
    tooltip_ = std::make_unique<cls_Tooltip>(GetRuntime().Windows());
    tooltip_->Create(hWnd());
    tooltip_->SetForeColor(kTipTextColor);
    tooltip_->SetBackColor(kTipBackColor);
    tooltip_->SetMaxWidth(kTipMaxWidth);
    std::int32_t visible = kTipVisibleMs;
    tooltip_->SetVisibleTime(visible);
    std::int32_t delay = kTipDelayMs;
    tooltip_->SetDelayTime(delay);
    tooltip_->AddControl(pic_BG, toolTip_);
    tooltip_->SetFont(&Font());
}

void SkinnedButton::end_sub_class() {
    if (tooltip_) {
        tooltip_->Destroy();
        tooltip_.reset();
    }
    if (m_Sniff) {
        m_Sniff->SubClassHwnd(pic_BG.hWnd(), false);
        m_Sniff.reset();
    }
}

void SkinnedButton::click_event() { pic_BG_MouseDown(); }

bool SkinnedButton::Disabled() const { return state_ == "disabled"; }

void SkinnedButton::pic_BG_MouseMove() {
    if (pointerInside_) {
        return;
    }
    win::TRACKMOUSEEVENT request;
    request.cbSize = 16;
    request.dwFlags = win::TME_LEAVE;
    request.hwndTrack = pic_BG.hWnd();
    GetRuntime().Windows().TrackMouseEvent(request);
    pointerInside_ = true;
    if (!Disabled()) {
        SetState("highlight");
    }
}

void SkinnedButton::pic_BG_MouseDown() {
    if (!Disabled()) {
        SetState("down");
    }
}

void SkinnedButton::pic_BG_MouseUp() {
    if (toolkit_.dispatch != nullptr) {
        toolkit_.dispatch->ButtonReleased(*this);
    } else if (!Disabled()) {
        SetState("highlight");
    }
}

void SkinnedButton::m_Sniff_NewMessage(win::HWND, win::UINT& uMsg, win::WPARAM&, win::LPARAM&,
                                       bool&) {
    if (uMsg != win::WM_MOUSELEAVE) {
        return;
    }
    pointerInside_ = false;
    if (!Disabled()) {
        SetState("enabled");
    }
}

}  // namespace decalia::ui
