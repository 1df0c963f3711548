#include "platform/forms/Control.h"

#include "platform/forms/Desktop.h"
#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"

#include <cmath>

namespace decalia::forms {

namespace {

int ToPixels(double twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

}  // namespace

std::string_view KindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Form: return "Form";
    case ControlKind::Label: return "Label";
    case ControlKind::TextBox: return "TextBox";
    case ControlKind::ListBox: return "ListBox";
    case ControlKind::ComboBox: return "ComboBox";
    case ControlKind::FileListBox: return "FileListBox";
    case ControlKind::PictureBox: return "PictureBox";
    case ControlKind::Image: return "Image";
    case ControlKind::OptionButton: return "OptionButton";
    case ControlKind::CheckBox: return "CheckBox";
    case ControlKind::HScrollBar: return "HScrollBar";
    case ControlKind::Frame: return "Frame";
    case ControlKind::UserControl: return "UserControl";
    case ControlKind::CommonDialog: return "CommonDialog";
    }
    return "Control";
}

Control::Control(const ControlSite& site, ControlKind kind)
    : runtime_(site.runtime),
      form_(site.form),
      container_(site.container),
      name_(site.name),
      kind_(kind),
      backColor_(win::RGB(240, 240, 240)) {}

Control::~Control() {
    if (hwnd_ != 0) {
        runtime_.Detach(hwnd_);
    }
}

win::WindowSystem& Control::Windows() const { return runtime_.Windows(); }
double Control::TwipsPerPixelX() const { return runtime_.Screen().TwipsPerPixelX(); }
double Control::TwipsPerPixelY() const { return runtime_.Screen().TwipsPerPixelY(); }

double Control::ScaleToTwipsX(double value) const {
    return container_ == nullptr ? value : container_->ScaleToTwipsX(value);
}
double Control::ScaleToTwipsY(double value) const {
    return container_ == nullptr ? value : container_->ScaleToTwipsY(value);
}
double Control::TwipsToScaleX(double twips) const {
    return container_ == nullptr ? twips : container_->TwipsToScaleX(twips);
}
double Control::TwipsToScaleY(double twips) const {
    return container_ == nullptr ? twips : container_->TwipsToScaleY(twips);
}

// A control's geometry is shown in its container's unit; a form's in twips.
double Control::Left() const { return container_ ? container_->TwipsToScaleX(left_) : left_; }
double Control::Top() const { return container_ ? container_->TwipsToScaleY(top_) : top_; }
double Control::Width() const { return container_ ? container_->TwipsToScaleX(width_) : width_; }
double Control::Height() const {
    return container_ ? container_->TwipsToScaleY(height_) : height_;
}

void Control::SetLeft(double value) {
    left_ = container_ ? container_->ScaleToTwipsX(value) : value;
    ApplyGeometry();
}
void Control::SetTop(double value) {
    top_ = container_ ? container_->ScaleToTwipsY(value) : value;
    ApplyGeometry();
}
void Control::SetWidth(double value) {
    width_ = container_ ? container_->ScaleToTwipsX(value) : value;
    ApplyGeometry();
}
void Control::SetHeight(double value) {
    height_ = container_ ? container_->ScaleToTwipsY(value) : value;
    ApplyGeometry();
}

void Control::Move(double left, double top) {
    left_ = container_ ? container_->ScaleToTwipsX(left) : left;
    top_ = container_ ? container_->ScaleToTwipsY(top) : top;
    ApplyGeometry();
}

void Control::Move(double left, double top, double width, double height) {
    width_ = container_ ? container_->ScaleToTwipsX(width) : width;
    height_ = container_ ? container_->ScaleToTwipsY(height) : height;
    Move(left, top);
}

void Control::SetSizeTwips(double width, double height) {
    width_ = width;
    height_ = height;
    ApplyGeometry();
}

int Control::PixelWidth() const { return ToPixels(width_, TwipsPerPixelX()); }
int Control::PixelHeight() const { return ToPixels(height_, TwipsPerPixelY()); }

void Control::ApplyGeometry() {
    if (hwnd_ != 0) {
        const bool outer = applyingGeometry_;
        applyingGeometry_ = true;
        Windows().MoveWindow(hwnd_, ToPixels(left_, TwipsPerPixelX()),
                             ToPixels(top_, TwipsPerPixelY()), PixelWidth(), PixelHeight());
        applyingGeometry_ = outer;
    }
    OnGeometryStored();
}

void Control::SetVisible(bool visible) {
    visible_ = visible;
    if (hwnd_ != 0) {
        Windows().ShowWindow(hwnd_, visible ? win::SW_SHOW : win::SW_HIDE);
    }
}

void Control::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (hwnd_ != 0) {
        Windows().EnableWindow(hwnd_, enabled);
    }
}

bool Control::SetFocus() {
    if (hwnd_ == 0 || !CanFocus() || !Windows().IsWindowVisible(hwnd_) ||
        !Windows().IsWindowEnabled(hwnd_)) {
        return false;
    }
    Windows().SetFocus(hwnd_);
    return HasFocus();
}

bool Control::HasFocus() const { return hwnd_ != 0 && Windows().GetFocus() == hwnd_; }

void Control::Refresh() { runtime_.GetDesktop().Refresh(*this); }

void Control::SetWindowText(std::string_view text) {
    windowText_ = std::string(text);
    if (hwnd_ != 0) {
        Windows().SetWindowTextA(hwnd_, text);
    }
}

void Control::CreateWindows() { CreateOwnWindow(); }

void Control::CreateOwnWindow() {
    if (hwnd_ != 0) {
        return;
    }
    const win::HWND parent = container_ ? container_->hWnd() : 0;
    const win::DWORD style = (container_ ? win::WS_CHILD : 0u) |
                             (visible_ && container_ ? win::WS_VISIBLE : 0u);
    hwnd_ = Windows().CreateWindowExA(
        0, std::string("Decalia") + std::string(KindName(kind_)), windowText_, style,
        ToPixels(left_, TwipsPerPixelX()), ToPixels(top_, TwipsPerPixelY()), PixelWidth(),
        PixelHeight(), parent);
    if (hwnd_ == 0) {
        return;
    }
    runtime_.Attach(hwnd_, *this);
    if (!enabled_) {
        Windows().EnableWindow(hwnd_, false);
    }
    OnWindowCreated();
}

void Control::WindowGone() {
    if (hwnd_ != 0) {
        runtime_.Detach(hwnd_);
        hwnd_ = 0;
    }
}

win::LRESULT Control::WindowProc(win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
    const win::HWND self = hwnd_;
    if (const auto mouse = win::MouseMessage::From(message, wParam, lParam)) {
        HandleMouse(*mouse);
        return 0;
    }
    switch (message) {
    case win::WM_CHAR:
        HandleCharacter(win::CharMessage::From(message, wParam, lParam)->Code());
        return 0;
    case win::WM_SETFOCUS:
        GotFocus.Raise();
        return 0;
    case win::WM_KILLFOCUS:
        LostFocus.Raise();
        return 0;
    case win::WM_SIZE:
        OnResized();
        return 0;
    case win::WM_MOVE:
        // Only a top-level window is moved from outside (the user's drag).
        if (!applyingGeometry_ && container_ == nullptr) {
            if (const auto rect = Windows().WindowRect(self)) {
                left_ = rect->left * TwipsPerPixelX();
                top_ = rect->top * TwipsPerPixelY();
            }
            OnMoved();
        }
        return 0;
    case win::WM_NCDESTROY:
        WindowGone();
        return Windows().DefWindowProcA(self, message, wParam, lParam);
    default:
        return Windows().DefWindowProcA(self, message, wParam, lParam);
    }
}

MouseArgs Control::ArgsOf(const win::MouseMessage& mouse) const {
    MouseArgs args;
    if (const auto button = mouse.Button()) {
        args.Button = *button == win::MouseButton::Left    ? vbLeftButton
                      : *button == win::MouseButton::Right ? vbRightButton
                                                           : vbMiddleButton;
    } else {
        args.Button = (mouse.LeftButton() ? vbLeftButton : 0) |
                      (mouse.RightButton() ? vbRightButton : 0) |
                      (mouse.MiddleButton() ? vbMiddleButton : 0);
    }
    args.Shift = (mouse.Shift() ? vbShiftMask : 0) | (mouse.Control() ? vbCtrlMask : 0);
    const double twipsX = mouse.Point().x * TwipsPerPixelX();
    const double twipsY = mouse.Point().y * TwipsPerPixelY();
    // Containers report in their own unit, other controls in their container's.
    args.X = IsContainer() ? TwipsToScaleX(twipsX) : Control::TwipsToScaleX(twipsX);
    args.Y = IsContainer() ? TwipsToScaleY(twipsY) : Control::TwipsToScaleY(twipsY);
    return args;
}

void Control::HandleMouse(const win::MouseMessage& mouse) {
    const MouseArgs args = ArgsOf(mouse);
    if (mouse.IsMove()) {
        MouseMove.Raise(args);
        return;
    }
    if (mouse.IsPress() || mouse.IsDoubleClick()) {
        Windows().SetCapture(hwnd_);
        if (CanFocus() && !HasFocus()) {
            SetFocus();
        }
        if (mouse.IsPress()) {
            MouseDown.Raise(args);
        } else {
            OnDoubleClick();
        }
        return;
    }
    if (hwnd_ != 0 && Windows().GetCapture() == hwnd_) {
        Windows().ReleaseCapture();
    }
    MouseUp.Raise(args);
    const win::POINT point = mouse.Point();
    const bool inside = point.x >= 0 && point.y >= 0 && point.x < PixelWidth() &&
                        point.y < PixelHeight();
    if (args.Button == vbLeftButton && inside) {
        OnClick();
    }
}

void Control::HandleCharacter(int code) {
    Form& form = Parent();
    if (&form != this && form.KeyPreview()) {
        form.KeyPress.Raise(code);
        if (code == 0) {
            return;
        }
    }
    KeyPress.Raise(code);
    if (code != 0) {
        OnCharacter(code);
    }
}

}  // namespace decalia::forms
