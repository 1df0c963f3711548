#include "win32/FormWindow.h"

#include "platform/desktop/ControlInput.h"
#include "platform/forms/Forms.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/RegionShape.h"
#include "win32/ChildControl.h"
#include "win32/FormScene.h"
#include "win32/Win32Desktop.h"

namespace decalia::win32 {
namespace {

win::MouseButton ButtonOf(Button button) {
    switch (button) {
    case Button::Right: return win::MouseButton::Right;
    case Button::Middle: return win::MouseButton::Middle;
    default: return win::MouseButton::Left;
    }
}

win::Modifiers ModifiersOf(KeyState keys) { return win::Modifiers{keys.shift, keys.control}; }

// The region's rectangles band by band; none for no region.
std::vector<Rect> RectsOf(win::HRGN region) {
    std::vector<Rect> rects;
    if (const auto shape = gdi::ShapeOf(region)) {
        for (const gdi::Rect& rect : shape->Rects())
            rects.push_back(Rect{rect.left, rect.top, rect.right, rect.bottom});
    }
    return rects;
}

}  // namespace

FormWindow::FormWindow(Win32Desktop& desktop, forms::Form& form)
    : desktop_(desktop), form_(form), native_(*this) {}

FormWindow::~FormWindow() {
    // The real controls go before the window that holds them.
    children_.clear();
}

win::WindowSystem& FormWindow::Windows() const { return form_.GetRuntime().Windows(); }

ChildControl* FormWindow::ChildOf(const forms::Control& control) const {
    const auto found = children_.find(&control);
    return found == children_.end() ? nullptr : found->second.get();
}

Rect FormWindow::RectInForm(win::HWND window) const {
    win::RECT client;
    const auto at = Windows().ClientToScreen(window, win::POINT{});
    const auto origin = Windows().ClientToScreen(form_.hWnd(), win::POINT{});
    if (!at || !origin || !Windows().GetClientRect(window, client)) return {};
    const int left = at->x - origin->x;
    const int top = at->y - origin->y;
    return Rect{left, top, left + client.right, top + client.bottom};
}

// ---- Following the runtime ---------------------------------------------------

void FormWindow::SyncFromProgram() {
    if (form_.hWnd() == 0) return;
    SyncGeometry();
    SyncShape();
    SyncPointer();
    SyncChildren();
    SyncFocus();
    native_.Invalidate();
}

void FormWindow::SyncGeometry() {
    const auto rect = Windows().WindowRect(form_.hWnd());
    if (!rect) return;
    const Rect wanted{rect->left, rect->top, rect->right, rect->bottom};
    if (native_.Placement() != wanted) native_.Place(wanted);
}

void FormWindow::SyncShape() {
    const win::HRGN region = Windows().WindowRegion(form_.hWnd());
    if (region.id == shapedBy_) return;
    shapedBy_ = region.id;
    native_.Shape(RectsOf(region));
}

void FormWindow::SyncPointer() {
    const forms::MouseIcon& icon = form_.MouseIcon();
    const bool custom = form_.MousePointer() == forms::vbCustom && icon;
    const void* wanted = custom ? icon.get() : nullptr;
    if (wanted == cursorIcon_) return;
    cursorIcon_ = wanted;
    if (!custom) {
        native_.SetCursor(nullptr);
        return;
    }
    const CursorPixels pixels{icon->width, icon->height, icon->hotspotX, icon->hotspotY,
                              icon->pixels.data()};
    native_.SetCursor(&pixels);
}

void FormWindow::CreateChildren(win::HWND window) {
    for (const win::HWND child : Windows().Children(window)) {
        forms::Control* control = form_.GetRuntime().FromHandle(child);
        if (control == nullptr) continue;
        if (const auto kind = ChildKindOf(*control); kind && !children_.contains(control))
            children_.emplace(control, std::make_unique<ChildControl>(*this, *control, *kind));
        CreateChildren(child);
    }
}

void FormWindow::SyncChildren() {
    CreateChildren(form_.hWnd());
    for (const auto& [control, child] : children_) child->SyncFromProgram(desktop_.DotsPerInch());
}

void FormWindow::SyncFocus() {
    // Only the active form's window takes the keyboard, as on the screen.
    if (form_.GetRuntime().ActiveForm() != &form_ || !native_.Shown()) return;
    const forms::Control* focused = form_.GetRuntime().FromHandle(Windows().GetFocus());
    if (focused == nullptr || &focused->Parent() != &form_) return;
    if (ChildControl* child = ChildOf(*focused)) {
        if (!child->Native().HasFocus()) child->Native().TakeFocus();
    } else if (!native_.HasFocus()) {
        native_.TakeFocus();
    }
}

void FormWindow::RepaintControl(forms::Control& control) {
    if (!native_.Shown()) return;
    SyncFromProgram();
    const Rect area = &control == &form_ ? Rect{0, 0, 1 << 15, 1 << 15} : RectInForm(control.hWnd());
    if (!area.Empty()) native_.PaintNow(area);
}

void FormWindow::Show() {
    SyncFromProgram();
    native_.Show();
    SyncFocus();
}

void FormWindow::Hide() { native_.Hide(); }

PaintList FormWindow::Paint() {
    converted_.clear();
    return SceneOf(form_, desktop_.DotsPerInch(), converted_);
}

// ---- The user's input ---------------------------------------------------------

void FormWindow::PointerMoved(int x, int y, KeyState keys) {
    Windows().MovePointer(form_.hWnd(), win::POINT{x, y}, ModifiersOf(keys));
    desktop_.AfterInput();
}

void FormWindow::ButtonPressed(int x, int y, Button button, KeyState keys) {
    Windows().PressButton(form_.hWnd(), win::POINT{x, y}, ButtonOf(button), ModifiersOf(keys));
    desktop_.AfterInput();
}

void FormWindow::ButtonReleased(int x, int y, Button button, KeyState keys) {
    // The press may have hidden the form meanwhile; the release still ends it.
    Windows().ReleaseButton(form_.Visible() ? form_.hWnd() : 0, win::POINT{x, y},
                            ButtonOf(button), ModifiersOf(keys));
    desktop_.AfterInput();
}

void FormWindow::DoubleClicked(int x, int y, Button button, KeyState keys) {
    Windows().DoubleClickButton(form_.hWnd(), win::POINT{x, y}, ButtonOf(button),
                                ModifiersOf(keys));
    desktop_.AfterInput();
}

void FormWindow::PointerLeft() {
    Windows().PointerLeft();
    desktop_.AfterInput();
}

void FormWindow::CharacterTyped(char character) {
    forms::Control* focused = form_.GetRuntime().FromHandle(Windows().GetFocus());
    if (focused == nullptr || &focused->Parent() != &form_) focused = FirstToFocus();
    if (focused != nullptr) TypedInto(*focused, character);
}

forms::Control* FormWindow::FirstToFocus() {
    // As Windows gives a window's first control the focus when nothing has it.
    for (int index = 0; index < form_.ControlCount(); ++index) {
        forms::Control& control = form_.Controls(index);
        if (control.Visible() && control.Enabled() && control.SetFocus()) return &control;
    }
    return nullptr;
}

void FormWindow::TypedInto(forms::Control& control, char character) {
    if (desktop::TypeCharacter(control, character)) desktop_.AfterInput();
}

void FormWindow::FocusedByUser(forms::Control& control) {
    if (!control.HasFocus() && control.SetFocus()) desktop_.AfterInput();
}

void FormWindow::LineChosen(forms::Control& list, int line) {
    desktop::ChooseLine(list, line);
    desktop_.AfterInput();
}

void FormWindow::LineDoubleClicked(forms::Control& list, int line, int x, int y) {
    desktop::DoubleClickLine(form_, list, line, win::POINT{x, y});
    desktop_.AfterInput();
}

void FormWindow::Scrolled(forms::Control& bar, unsigned code, int position) {
    desktop::Scroll(bar, code, position);
    desktop_.AfterInput();
}

}  // namespace decalia::win32
