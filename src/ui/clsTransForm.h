#pragma once
// Shaped, draggable windows: ShapeMe cuts a window's outline out of the screen
// with a window region, computed from the window's own picture (every pixel of
// one colour is transparent) or read from a region file; DragForm starts the
// desktop's window move from a mouse press anywhere on the window.
//
// A region file holds the RGNDATA bytes of the region exactly as
// GetRegionData gives them. Failures to read or write one are raised as
// VbError, which ShapeMe lets through to the window's load handler.

#include "platform/forms/Forward.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Region.h"
#include "platform/win/Types.h"
#include "ui/Forward.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace decalia::ui {

// A maximal horizontal run of transparent pixels in row y; columns inclusive.
struct TransparentRun {
    std::int32_t y = 0;
    std::int32_t first = 0;
    std::int32_t last = 0;
    friend bool operator==(const TransparentRun&, const TransparentRun&) = default;
};

inline constexpr std::int32_t kRegionSizeError = -2147218990;  // 0x800409D2
inline constexpr std::int32_t kRegionDataError = -2147218991;  // 0x800409D1
inline constexpr std::int32_t kFileNotFoundError = 53;
inline constexpr std::int32_t kFileAccessError = 75;
inline constexpr std::int32_t kInvalidFileFormatError = 321;

class clsTransForm {
public:
    explicit clsTransForm(const Toolkit& toolkit) : toolkit_(toolkit) {}
    ~clsTransForm();
    clsTransForm(const clsTransForm&) = delete;
    clsTransForm& operator=(const clsTransForm&) = delete;

    // With Load and a file name the region comes from the file; otherwise it
    // is computed from the picture, and written to the file when one is named.
    void ShapeMe(forms::Control& name, win::COLORREF color, bool Load = false,
                 std::string_view FileName = {});
    // A left press (intButton 1) moves the window with the desktop's move
    // loop; afterwards a custom (99) main-window pointer returns to default.
    void DragForm(win::HWND hWnd, int intButton);

    // The runs the last computation found, in the order found.
    const std::vector<TransparentRun>& Runs() const { return runs_; }

private:
    void PrepareForm();
    void ComputeRegion(win::COLORREF color);
    void SaveRegionDataToFile(std::string_view FileName);
    win::HRGN LoadRegionDataFromFile(std::string_view FileName);
    void DeleteRegion();

    const Toolkit& toolkit_;
    win::HRGN region_;
    forms::Form* form_ = nullptr;
    std::int32_t height_ = 0;
    std::int32_t width_ = 0;
    std::vector<TransparentRun> runs_;
};

}  // namespace decalia::ui
