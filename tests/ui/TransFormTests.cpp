#include "UiFixture.h"

#include "platform/win/WindowSystem.h"
#include "ui/VbError.h"
#include "ui/clsTransForm.h"

#include <cstring>

namespace uitest {
namespace {

constexpr win::COLORREF kBlack = win::RGB(0, 0, 0);
constexpr win::COLORREF kSkin = win::RGB(200, 180, 160);

// A 20 x 6 pixel window whose background picture is drawn from a BMP file,
// skin coloured except where the test blackens pixels.
class TransFormTest : public UiTest {
protected:
    static constexpr int kWidth = 20;
    static constexpr int kHeight = 6;

    TransFormTest() { form.SetSizeTwips(kWidth * 15, kHeight * 15); }

    void PaintBackground(const std::vector<std::pair<int, int>>& blackPixels) {
        win::BITMAPINFO info;
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = kHeight;
        info.bmiHeader.biBitCount = 24;
        std::uint8_t* bits = nullptr;
        const win::HBITMAP bitmap = win::CreateDIBSection({}, info, win::DIB_RGB_COLORS, &bits);
        const auto stride = static_cast<std::size_t>(decalia::gdi::DibStride(kWidth, 24));
        auto pixel = [&](int x, int y) {
            return bits + static_cast<std::size_t>(kHeight - 1 - y) * stride +
                   static_cast<std::size_t>(3 * x);
        };
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                pixel(x, y)[0] = win::GetBValue(kSkin);
                pixel(x, y)[1] = win::GetGValue(kSkin);
                pixel(x, y)[2] = win::GetRValue(kSkin);
            }
        }
        for (const auto& [x, y] : blackPixels) {
            std::memset(pixel(x, y), 0, 3);
        }
        const std::string path = MediaFile("Background.bmp");
        ASSERT_TRUE(decalia::gdi::SaveBitmapFile(bitmap, path));
        win::DeleteObject(bitmap);
        form.SetPicture(forms::Picture::FromBitmapFile(path));
    }

    // The window's region as its rectangles.
    std::vector<win::RECT> WindowRects() {
        const win::HRGN copy = win::CreateRectRgn(0, 0, 0, 0);
        std::vector<win::RECT> rects;
        if (runtime.Windows().GetWindowRgn(form.hWnd(), copy) != win::ERROR) {
            rects = RectsOf(copy);
        }
        win::DeleteObject(copy);
        return rects;
    }
    static std::vector<win::RECT> RectsOf(win::HRGN region) {
        std::vector<std::uint8_t> data(win::GetRegionData(region, {}));
        win::GetRegionData(region, data);
        std::vector<win::RECT> rects(U32Count(data));
        std::memcpy(rects.data(), data.data() + 32, rects.size() * sizeof(win::RECT));
        return rects;
    }
    static std::size_t U32Count(const std::vector<std::uint8_t>& data) {
        std::uint32_t count = 0;
        std::memcpy(&count, data.data() + 8, 4);
        return count;
    }

    forms::Form form{runtime, "frm_Main"};
    ui::clsTransForm shaper{toolkit};
};

TEST_F(TransFormTest, APictureWithoutTheColourKeepsItsFullRectangle) {
    form.Show();
    PaintBackground({});
    const std::string file = MediaFile("Full.dat");
    shaper.ShapeMe(form, kBlack, false, file);
    EXPECT_TRUE(shaper.Runs().empty());
    EXPECT_EQ(WindowRects(), (std::vector<win::RECT>{{0, 0, kWidth, kHeight}}));

    EXPECT_EQ(testsupport::ReadFile(file).size(), 48u) << "one rectangle";
}

TEST_F(TransFormTest, RunsEndAtTheRowsEdgeAndCutExactlyThosePixels) {
    form.Show();
    // Row 0 is transparent from column 15 to the right edge; row 1 starts
    // with a transparent pixel that belongs to no run of row 0.
    PaintBackground({{15, 0}, {16, 0}, {17, 0}, {18, 0}, {19, 0}, {0, 1}, {3, 1}, {4, 1}});
    shaper.ShapeMe(form, kBlack);
    EXPECT_EQ(shaper.Runs(), (std::vector<ui::TransparentRun>{{0, 15, 19}, {1, 0, 0}, {1, 3, 4}}));
    EXPECT_EQ(WindowRects(), (std::vector<win::RECT>{{0, 0, 15, 1},
                                                     {1, 1, 3, 2},
                                                     {5, 1, kWidth, 2},
                                                     {0, 2, kWidth, kHeight}}));
    EXPECT_EQ(form.ScaleMode(), forms::ScaleMode::Pixels);
    EXPECT_TRUE(form.AutoRedraw());
    EXPECT_FALSE(form.ClipControls());
}

TEST_F(TransFormTest, ComputedRegionFileReadsBackAsTheSameRegion) {
    form.Show();
    PaintBackground({{0, 0}, {1, 0}, {19, 5}, {7, 3}});
    const std::string file = MediaFile("MainRegion.dat");
    testsupport::WriteFile(file, std::string(500, 'x'));
    shaper.ShapeMe(form, kBlack, false, file);
    const std::vector<win::RECT> computed = WindowRects();
    EXPECT_EQ(testsupport::ReadFile(file).size(), 32 + 16 * computed.size());

    forms::Form second(runtime, "frm_Second");
    second.SetSizeTwips(kWidth * 15, kHeight * 15);
    second.Show();
    ui::clsTransForm loader(toolkit);
    loader.ShapeMe(second, kBlack, true, file);
    const win::HRGN copy = win::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(runtime.Windows().GetWindowRgn(second.hWnd(), copy), win::ERROR);
    EXPECT_EQ(RectsOf(copy), computed);
    win::DeleteObject(copy);
}

TEST_F(TransFormTest, LoadingNeverReadsThePictureNorWritesTheFile) {
    form.Show();
    const std::string file = MediaFile("WizardRegion.dat");
    {
        const win::HRGN made = win::CreateRectRgn(2, 1, 9, 4);
        std::vector<std::uint8_t> data(win::GetRegionData(made, {}));
        win::GetRegionData(made, data);
        testsupport::WriteFile(file, std::string(data.begin(), data.end()));
        win::DeleteObject(made);
    }
    const std::string before = testsupport::ReadFile(file);
    // Every pixel has the transparent colour; a computation would cut it all.
    std::vector<std::pair<int, int>> all;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            all.emplace_back(x, y);
        }
    }
    PaintBackground(all);
    shaper.ShapeMe(form, kBlack, true, file);
    EXPECT_TRUE(shaper.Runs().empty());
    EXPECT_EQ(WindowRects(), (std::vector<win::RECT>{{2, 1, 9, 4}}));
    EXPECT_EQ(testsupport::ReadFile(file), before);
}

TEST_F(TransFormTest, UnreadableRegionFilesRaiseWithTheProgramsSource) {
    form.Show();
    struct Case {
        std::string name;
        std::string content;
        bool create;
        std::int32_t number;
    };
    const std::vector<Case> cases = {
        {"Missing.dat", "", false, ui::kFileNotFoundError},
        {"Empty.dat", "", true, ui::kInvalidFileFormatError},
        {"Garbage.dat", std::string(40, '\x7f'), true, ui::kInvalidFileFormatError},
    };
    for (const Case& c : cases) {
        const std::string file = MediaFile(c.name);
        if (c.create) {
            testsupport::WriteFile(file, c.content);
        }
        try {
            shaper.ShapeMe(form, kBlack, true, file);
            ADD_FAILURE() << c.name << " did not raise";
        } catch (const ui::VbError& error) {
            EXPECT_EQ(error.Number, c.number) << c.name;
            EXPECT_EQ(error.Source, "decalia.cDIBSectionRegion") << c.name;
            EXPECT_FALSE(error.Description.empty());
        }
        EXPECT_TRUE(WindowRects().empty()) << c.name;
        EXPECT_EQ(std::filesystem::exists(app.Path() / "Media" / c.name), c.create);
    }
}

TEST_F(TransFormTest, SaveErrorsComeFromTransForm) {
    form.Show();
    PaintBackground({});
    try {
        shaper.ShapeMe(form, kBlack, false, app / "NoSuchFolder/Region.dat");
        ADD_FAILURE() << "the write did not fail";
    } catch (const ui::VbError& error) {
        EXPECT_EQ(error.Source, "TransForm");
        EXPECT_EQ(error.Number, ui::kFileAccessError);
    }
    // Something that is not a window has no region to save.
    forms::Label& label = form.Add<forms::Label>("lbl_Title");
    try {
        shaper.ShapeMe(label, kBlack, false, MediaFile("Label.dat"));
        ADD_FAILURE() << "an empty region was saved";
    } catch (const ui::VbError& error) {
        EXPECT_EQ(error.Number, -2147218990);
        EXPECT_EQ(error.Source, "TransForm");
        EXPECT_EQ(error.Description, "Unable to determine size of region in SaveRegionDataToFile");
    }
    EXPECT_FALSE(std::filesystem::exists(app.Path() / "Media" / "Label.dat"));
}

}  // namespace
}  // namespace uitest
