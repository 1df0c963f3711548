#pragma once
// One window of the tooltip class "tooltips_class32" in the program's colours
// and font, watching the controls registered with it by itself.
//
// Colours and the maximum width written before Create are applied by Create;
// delay times and the font need the window and are lost when written before.
// No call reports a failure: a window that could not be made is a null handle
// and every message to it goes nowhere.

#include "platform/forms/Forward.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/win/Types.h"

#include <cstdint>
#include <string>

namespace win {
class WindowSystem;
}

namespace decalia::ui {

class cls_Tooltip {
public:
    explicit cls_Tooltip(win::WindowSystem& windows);
    // Destroys the window and the font if Destroy did not.
    ~cls_Tooltip();
    cls_Tooltip(const cls_Tooltip&) = delete;
    cls_Tooltip& operator=(const cls_Tooltip&) = delete;

    win::COLORREF ForeColor() const { return foreColor_; }
    void SetForeColor(win::COLORREF color);
    win::COLORREF BackColor() const { return backColor_; }
    void SetBackColor(win::COLORREF color);
    std::int32_t MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(std::int32_t width);
    // Milliseconds, asked of the window.
    std::int32_t VisibleTime() const;
    std::int32_t DelayTime() const;
    // Clamped to 0 ... 32767; the clamped value is written back.
    void SetVisibleTime(std::int32_t& milliseconds);
    void SetDelayTime(std::int32_t& milliseconds);
    // Nothing happens without a font.
    void SetFont(const forms::Font* font);

    void Create(win::HWND lngHwndParent);
    void Destroy();
    void AddControl(const forms::Control& ctlTool, const std::string& strCaption,
                    bool blnCenterTip = false);

    win::HWND hWnd() const { return window_; }
    win::HFONT FontHandle() const { return font_; }

private:
    void SetDelay(win::WPARAM which, std::int32_t& milliseconds);

    win::WindowSystem& windows_;
    win::HWND window_ = 0;
    std::int32_t maxWidth_ = 300;
    win::HFONT font_;
    win::COLORREF foreColor_ = 0;
    win::COLORREF backColor_ = 0;
};

// The height of a font of `points` for a device of `pixelsPerInch`: the size
// rounded to whole points (half to even), negated to ask for the character
// height rather than the cell height.
int FontHeightFor(double points, int pixelsPerInch);

}  // namespace decalia::ui
