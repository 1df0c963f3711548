#pragma once
// A forms runtime on a headless desktop, a program folder with skin strips in
// its Media folder, and the toolkit that the skinned controls are made with.

#include "platform/desktop/HeadlessDesktop.h"
#include "platform/forms/Forms.h"
#include "platform/gdi/Gdi.h"
#include "support/TempDir.h"
#include "ui/LargeButton.h"
#include "ui/TinyButton.h"
#include "ui/Toolkit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace uitest {

namespace forms = decalia::forms;
namespace ui = decalia::ui;

// A 24-bit bitmap of solid colours, one per band of `bandHeight` rows from the
// top, written as a BMP file.
inline void WriteBandedBitmap(const std::string& path, int width, int bandHeight,
                              const std::vector<win::COLORREF>& bands) {
    win::BITMAPINFO info;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -bandHeight * static_cast<int>(bands.size());
    info.bmiHeader.biBitCount = 24;
    std::uint8_t* bits = nullptr;
    const win::HBITMAP bitmap = win::CreateDIBSection({}, info, win::DIB_RGB_COLORS, &bits);
    ASSERT_TRUE(bitmap);
    const auto stride = static_cast<std::size_t>(decalia::gdi::DibStride(width, 24));
    for (std::size_t band = 0; band < bands.size(); ++band) {
        for (int row = 0; row < bandHeight; ++row) {
            std::uint8_t* line = bits + (band * static_cast<std::size_t>(bandHeight) +
                                         static_cast<std::size_t>(row)) * stride;
            for (int x = 0; x < width; ++x) {
                line[3 * x] = win::GetBValue(bands[band]);
                line[3 * x + 1] = win::GetGValue(bands[band]);
                line[3 * x + 2] = win::GetRValue(bands[band]);
            }
        }
    }
    ASSERT_TRUE(decalia::gdi::SaveBitmapFile(bitmap, path));
    win::DeleteObject(bitmap);
}

// Four frames: enabled, highlight, down, disabled.
inline const std::vector<win::COLORREF> kStripColours = {
    win::RGB(10, 20, 30), win::RGB(40, 50, 60), win::RGB(70, 80, 90), win::RGB(100, 110, 120)};

class ButtonForm : public forms::Form {
public:
    ButtonForm(forms::Runtime& runtime, const ui::Toolkit& toolkit)
        : Form(runtime, "frm_Main"), toolkit_(toolkit) {
        SetScaleMode(forms::ScaleMode::Pixels);
        SetSizeTwips(6000, 4500);
        btn_Close.Move(300, 10);
        btn_Wizard.Move(100, 100);
        lbl_Status.Move(10, 250, 300, 20);
    }

private:
    const ui::Toolkit& toolkit_;

public:
    ui::TinyButton& btn_Close = Add<ui::TinyButton>("btn_Close", nullptr, toolkit_);
    ui::LargeButton& btn_Wizard = Add<ui::LargeButton>("btn_Wizard", nullptr, toolkit_);
    forms::Label& lbl_Status = Add<forms::Label>("lbl_Status");
};

class UiTest : public ::testing::Test {
protected:
    UiTest() { std::filesystem::create_directories(app.Path() / "Media"); }
    std::string AppFolder() const { return app.Str(); }
    std::string MediaFile(const std::string& name) const { return app / ("Media/" + name); }
    void WriteStrip(const std::string& name, ui::ButtonKind kind) {
        WriteBandedBitmap(MediaFile(name + ".bmp"), ui::SkinnedButton::FrameWidth(kind),
                          ui::SkinnedButton::FrameHeight(kind), kStripColours);
    }

    testsupport::TempDir app;
    decalia::desktop::HeadlessDesktop desktop;
    forms::Runtime runtime{desktop};
    ui::Toolkit toolkit{runtime, app.Str()};
};

}  // namespace uitest
