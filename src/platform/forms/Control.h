#pragma once
// The base of every form and control of the forms runtime.
//
// Reproduces (VB): Name, the kind (TypeOf), Left/Top/Width/Height kept in
// twips and shown in the container's scale unit (a form's own are twips),
// Visible, Enabled, ForeColor, BackColor, BackStyle, Font/FontSize,
// MousePointer and MouseIcon, hWnd, SetFocus, Refresh; the events Click,
// DblClick, KeyPress (KeyAscii by reference; a form with KeyPreview sees it
// first, and 0 consumes the key), MouseDown/MouseMove/MouseUp (Button, Shift,
// X, Y), GotFocus, LostFocus. Input arrives only as window messages through the
// control window's current procedure; WindowProc is the control's own default
// procedure that turns them into events. A press captures the mouse until the
// release (so the release comes back to the pressed control, as in VB), and a
// left release inside the control is a Click.
// Leaves out: drag and drop, OLE, TabIndex order, KeyDown/KeyUp events,
// Alt in Shift, Tag, Index (control arrays), ZOrder.

#include "platform/forms/Event.h"
#include "platform/forms/Font.h"
#include "platform/forms/Forward.h"
#include "platform/forms/Picture.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/win/Forward.h"
#include "platform/win/Messages.h"

#include <string>
#include <string_view>

namespace decalia::forms {

enum class ControlKind {
    Form,
    Label,
    TextBox,
    ListBox,
    ComboBox,
    FileListBox,
    PictureBox,
    Image,
    OptionButton,
    CheckBox,
    HScrollBar,
    Frame,
    UserControl,
    CommonDialog,
};
std::string_view KindName(ControlKind kind);

// MousePointer values the program uses.
inline constexpr int vbDefault = 0;
inline constexpr int vbArrow = 1;
inline constexpr int vbHourglass = 11;
inline constexpr int vbCustom = 99;

// Where a new control lives: handed by Form::Add / UserControl::Add to the
// control's constructor.
struct ControlSite {
    Runtime& runtime;
    Form& form;
    Control* container;  // the control it is positioned in; null for a form
    std::string name;
};

class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    ControlKind Kind() const { return kind_; }
    // TypeOf: also true for user-defined kinds derived from UserControl.
    template <class T>
    bool Is() const {
        return dynamic_cast<const T*>(this) != nullptr;
    }
    template <class T>
    T* As() {
        return dynamic_cast<T*>(this);
    }
    Runtime& GetRuntime() const { return runtime_; }
    // The form the control is on (the form itself for a form).
    Form& Parent() const { return form_; }
    Control* Container() const { return container_; }
    // 0 while the form is not loaded.
    win::HWND hWnd() const { return hwnd_; }

    // ---- Geometry, in the container's scale unit ---------------------------
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void SetLeft(double value);
    void SetTop(double value);
    void SetWidth(double value);
    void SetHeight(double value);
    void Move(double left, double top);
    void Move(double left, double top, double width, double height);
    // In twips whatever the scale.
    double LeftTwips() const { return left_; }
    double TopTwips() const { return top_; }
    double WidthTwips() const { return width_; }
    double HeightTwips() const { return height_; }
    void SetSizeTwips(double width, double height);
    // Client size in whole pixels, as the window has it.
    int PixelWidth() const;
    int PixelHeight() const;

    // ---- Looks and state ------------------------------------------------
    virtual bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    win::COLORREF ForeColor() const { return foreColor_; }
    void SetForeColor(win::COLORREF color) { foreColor_ = color; }
    win::COLORREF BackColor() const { return backColor_; }
    virtual void SetBackColor(win::COLORREF color) { backColor_ = color; }
    // 0 transparent, 1 opaque.
    int BackStyle() const { return backStyle_; }
    void SetBackStyle(int style) { backStyle_ = style; }
    const forms::Font& Font() const { return font_; }
    void SetFont(const forms::Font& font) { font_ = font; }
    double FontSize() const { return font_.Size; }
    void SetFontSize(double points) { font_.Size = points; }
    int MousePointer() const { return mousePointer_; }
    void SetMousePointer(int pointer) { mousePointer_ = pointer; }
    const forms::MouseIcon& MouseIcon() const { return mouseIcon_; }
    void SetMouseIcon(forms::MouseIcon icon) { mouseIcon_ = std::move(icon); }

    // False when the control cannot take the focus now.
    bool SetFocus();
    bool HasFocus() const;
    // Redraw at once, without waiting for the message loop.
    void Refresh();

    Event<> Click;
    Event<> DblClick;
    Event<> GotFocus;
    Event<> LostFocus;
    Event<int&> KeyPress;
    Event<const MouseArgs&> MouseDown;
    Event<const MouseArgs&> MouseMove;
    Event<const MouseArgs&> MouseUp;

    // The control's own procedure: interceptors pass messages on to it.
    virtual win::LRESULT WindowProc(win::UINT message, win::WPARAM wParam, win::LPARAM lParam);

    // ---- Containers -------------------------------------------------------
    virtual bool IsContainer() const { return false; }
    // This container's scale unit to and from twips (a non-canvas container
    // uses its own container's).
    virtual double ScaleToTwipsX(double value) const;
    virtual double ScaleToTwipsY(double value) const;
    virtual double TwipsToScaleX(double twips) const;
    virtual double TwipsToScaleY(double twips) const;

    // Creates the window (and those of the controls it owns); forms do this
    // when they load.
    virtual void CreateWindows();
    // Forgets the window (and those of the controls it owns) after it was
    // destroyed.
    virtual void WindowGone();

protected:
    Control(const ControlSite& site, ControlKind kind);

    win::WindowSystem& Windows() const;
    double TwipsPerPixelX() const;
    double TwipsPerPixelY() const;
    // Pushes the twips geometry to the window.
    void ApplyGeometry();
    void CreateOwnWindow();
    void SetWindowText(std::string_view text);

    // What kinds do differently; the defaults are those of a plain control.
    virtual bool CanFocus() const { return false; }
    // Left release inside the control.
    virtual void OnClick() { Click.Raise(); }
    virtual void OnDoubleClick() { DblClick.Raise(); }
    // A character that got past the KeyPress handlers.
    virtual void OnCharacter(int) {}
    // The window's size changed (the Resize event of forms and user controls).
    virtual void OnResized() {}
    // The twips geometry changed, with or without a window.
    virtual void OnGeometryStored() {}
    virtual void OnMoved() {}
    virtual void OnWindowCreated() {}

    double left_ = 0;
    double top_ = 0;
    double width_ = 0;
    double height_ = 0;
    bool visible_ = true;

private:
    void HandleMouse(const win::MouseMessage& mouse);
    void HandleCharacter(int code);
    MouseArgs ArgsOf(const win::MouseMessage& mouse) const;

    Runtime& runtime_;
    Form& form_;
    Control* container_;
    std::string name_;
    ControlKind kind_;
    win::HWND hwnd_ = 0;
    bool enabled_ = true;
    win::COLORREF foreColor_ = 0;
    win::COLORREF backColor_;
    int backStyle_ = 1;
    forms::Font font_;
    int mousePointer_ = vbDefault;
    forms::MouseIcon mouseIcon_;
    std::string windowText_;
    bool applyingGeometry_ = false;
};

}  // namespace decalia::forms
