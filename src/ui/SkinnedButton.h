#pragma once
// The skinned button: a user control that shows one frame of a strip bitmap
// (enabled, highlight, down, disabled, stacked from the top) through a picture
// box moved up inside it, follows the pointer, shows a tooltip, and hands its
// release to the program's command dispatch.
//
// The button keeps its pixel size whatever its owner asks; the leave of the
// pointer reaches it as WM_MOUSELEAVE through a SmartSubClass on the picture
// box, since the picture box reports no leave of its own. Owners find the
// buttons among a form's controls with Control::As<SkinnedButton>().

#include "platform/forms/PictureBox.h"
#include "platform/forms/UserControl.h"
#include "ui/Forward.h"
#include "ui/Toolkit.h"

#include <memory>
#include <string>
#include <string_view>

namespace decalia::ui {

enum class ButtonKind { Tiny, Large };

class SkinnedButton : public forms::UserControl {
public:
    ~SkinnedButton() override;

    ButtonKind SkinKind() const { return kind_; }

    // ---- Properties, each stored as given ---------------------------------
    const std::string& ToolTip() const { return toolTip_; }
    // Rebuilds the tooltip window with the text.
    void SetToolTip(std::string text);
    const std::string& picture() const { return picture_; }
    // Loads "<app>\Media\<trimmed name>.bmp"; an unreadable file keeps the
    // image shown before.
    void SetPicture(std::string name);
    const std::string& HelpText() const { return helpText_; }
    void SetHelpText(std::string text) { helpText_ = std::move(text); }
    // "enabled", "highlight", "down" and "disabled" (exactly) show their
    // frame; any other text is stored and shows nothing new.
    const std::string& state() const { return state_; }
    void SetState(std::string value);
    // The window the button belongs to, for the dispatch; null for none.
    forms::Form* form_name() const { return formName_; }
    void SetFormName(forms::Form* window) { formName_ = window; }
    const std::string& button_type() const { return buttonType_; }
    void SetButtonType(std::string word) { buttonType_ = std::move(word); }

    // ---- Operations ---------------------------------------------------------
    // Ends the interception and removes the tooltip (before the windows go).
    void end_sub_class();
    // The pressed look of a left press, without a command.
    void click_event();

    // The pointer has moved over the button since it last left.
    bool PointerInside() const { return pointerInside_; }
    // The dispatch's way to forget the pointer when it cannot route a release.
    void ClearPointerInside() { pointerInside_ = false; }

    // The picture box that shows the strip, and the tooltip (null before the
    // first ToolTip and after end_sub_class), for those who look at them.
    forms::PictureBox& Strip() const { return pic_BG; }
    const cls_Tooltip* Tooltip() const { return tooltip_.get(); }
    const SmartSubClass* Sniffer() const { return m_Sniff.get(); }

    void CreateWindows() override;

    // Pixel size of each kind.
    static int FrameWidth(ButtonKind kind);
    static int FrameHeight(ButtonKind kind);

protected:
    SkinnedButton(const forms::ControlSite& site, const Toolkit& toolkit, ButtonKind kind);
    void OnGeometryStored() override;

private:
    void SizeToFrame();
    void pic_BG_MouseMove();
    void pic_BG_MouseDown();
    void pic_BG_MouseUp();
    void m_Sniff_NewMessage(win::HWND hWnd, win::UINT& uMsg, win::WPARAM& wParam,
                            win::LPARAM& lParam, bool& Cancel);
    bool Disabled() const;

    const Toolkit& toolkit_;
    ButtonKind kind_;
    forms::PictureBox& pic_BG;
    std::string toolTip_;
    std::string picture_;
    std::string helpText_;
    std::string state_;
    forms::Form* formName_ = nullptr;
    std::string buttonType_;
    bool pointerInside_ = false;
    bool sizing_ = false;
    std::unique_ptr<cls_Tooltip> tooltip_;
    std::unique_ptr<SmartSubClass> m_Sniff;
};

}  // namespace decalia::ui
