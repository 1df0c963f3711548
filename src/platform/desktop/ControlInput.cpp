#include "platform/desktop/ControlInput.h"

#include "platform/forms/Forms.h"
#include "platform/text/Text.h"
#include "platform/win/WindowSystem.h"

namespace decalia::desktop {
namespace {

win::WindowSystem& WindowsOf(forms::Control& control) { return control.GetRuntime().Windows(); }

void Notify(forms::Control& list, win::UINT code) {
    WindowsOf(list).SendMessageA(list.hWnd(), win::OCM_COMMAND, win::MAKEWPARAM(0, code),
                                 static_cast<win::LPARAM>(list.hWnd()));
}

}  // namespace

bool TypeCharacter(forms::Control& control, char character) {
    if (!control.HasFocus()) control.SetFocus();
    if (!control.HasFocus()) return false;
    const auto virtualKey = static_cast<win::UINT>(static_cast<unsigned char>(text::UpperChar(character)));
    WindowsOf(control).PressKey(virtualKey, character);
    return true;
}

void ChooseLine(forms::Control& list, int line) {
    if (list.hWnd() == 0) return;
    const bool combo = list.Kind() == forms::ControlKind::ComboBox;
    WindowsOf(list).SendMessageA(list.hWnd(), combo ? win::CB_SETCURSEL : win::LB_SETCURSEL,
                                 static_cast<win::WPARAM>(line), 0);
    Notify(list, win::LBN_SELCHANGE);
    WindowsOf(list).DeliverPosted();
}

void DoubleClickLine(forms::Form& form, forms::Control& list, int line, win::POINT at) {
    if (list.hWnd() == 0) return;
    if (const auto* choices = list.As<forms::ListControl>(); choices && line != choices->ListIndex())
        ChooseLine(list, line);
    WindowsOf(list).DoubleClickButton(form.hWnd(), at, win::MouseButton::Left);
    // The double-click may have closed the list's window.
    if (list.hWnd() != 0) Notify(list, win::LBN_DBLCLK);
    WindowsOf(list).DeliverPosted();
}

void Scroll(forms::Control& bar, unsigned code, int position) {
    if (bar.hWnd() == 0) return;
    const unsigned high = code == win::SB_THUMBPOSITION ? static_cast<unsigned>(position) & 0xFFFFu : 0;
    WindowsOf(bar).SendMessageA(bar.hWnd(), win::OCM_HSCROLL, win::MAKEWPARAM(code, high),
                                static_cast<win::LPARAM>(bar.hWnd()));
    WindowsOf(bar).DeliverPosted();
}

}  // namespace decalia::desktop
