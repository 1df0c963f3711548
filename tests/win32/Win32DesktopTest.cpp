// The Win32 desktop against the real system: the shape a window really gets,
// what a message box and the open-file dialog are really asked to show.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "NativeUser.h"
#include "ScreenRun.h"
#include "platform/forms/Forms.h"
#include "win32/NativeShell.h"

namespace decalia::win32test {
namespace {

using namespace std::string_literals;

TEST(Win32Desktop, TheMainWindowsRealRegionCoversTheFormsRegionPixelForPixel) {
    ScreenRun run;
    Application& a = run.Start({});
    const win::HWND main = a.frm_Main.hWnd();
    const win::HRGN region = a.runtime.Windows().WindowRegion(main);
    ASSERT_TRUE(region) << "the main window has a region of its own";
    win::RECT box;
    ASSERT_NE(win::GetRgnBox(region, box), win::ERROR);

    const auto real = run.Desktop().RealShapeOf(a.frm_Main);
    ASSERT_TRUE(real.has_value());
    const int width = box.right;
    const int height = box.bottom;
    std::vector<char> covered(static_cast<std::size_t>(width * height), 0);
    for (const win32::Rect& rect : *real)
        for (int y = std::max(0, rect.top); y < std::min(height, rect.bottom); ++y)
            for (int x = std::max(0, rect.left); x < std::min(width, rect.right); ++x)
                covered[static_cast<std::size_t>(y * width + x)] = 1;
    int differing = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            differing += (covered[static_cast<std::size_t>(y * width + x)] != 0) !=
                         win::PtInRegion(region, x, y);
    EXPECT_EQ(differing, 0);
    run.Screenshot(a.frm_Main, "main-window");
}

TEST(Win32Desktop, AMessageBoxShowsTheProgramsTextUnderItsCaption) {
    ScreenRun run;
    Application& a = run.Start({});
    const struct {
        std::string text;
        std::string caption;
    } boxes[] = {{"The template could not be read.", "Decalia"},
                 {"First line\r\nSecond line", "Two lines"}};
    for (const auto& box : boxes) {
        EXPECT_EQ(a.runtime.Windows().MessageBoxA(a.frm_Main.hWnd(), box.text, box.caption,
                                                  win::MB_OK),
                  win::IDOK);
        ASSERT_FALSE(run.Dialogs().Seen().empty());
        EXPECT_EQ(run.Dialogs().Seen().back().caption, box.caption);
        EXPECT_EQ(run.Dialogs().Seen().back().text, box.text);
    }
    EXPECT_EQ(run.Dialogs().Seen().size(), std::size(boxes));
}

TEST(Win32Desktop, TheOpenFileFilterBecomesPairsEndedByTwoNuls) {
    const struct {
        std::string pipes;
        std::string pairs;
    } cases[] = {
        {"Bitmaps (*.bmp)|*.bmp", "Bitmaps (*.bmp)\0*.bmp\0\0"s},
        {"Bitmaps|*.bmp;*.dib|All files|*.*", "Bitmaps\0*.bmp;*.dib\0All files\0*.*\0\0"s},
        // A trailing bar, a description without a pattern: only whole pairs.
        {"Bitmaps|*.bmp|", "Bitmaps\0*.bmp\0\0"s},
        {"Bitmaps|*.bmp|Lonely", "Bitmaps\0*.bmp\0\0"s},
        {"", ""},
    };
    for (const auto& filter : cases)
        EXPECT_EQ(win32::DialogFilter(filter.pipes), filter.pairs) << filter.pipes;
}

TEST(Win32Desktop, TheOpenFileDialogAnswersWithTheChosenFileOrNothing) {
    ScreenRun run;
    Application& a = run.Start({});
    const std::string chosen =
        std::filesystem::directory_iterator(run.Install().MediaDir())->path().string();
    win::OpenFileRequest request;
    request.owner = a.frm_Main.hWnd();
    request.title = "Select the Template";
    request.filter = "All files|*.*";
    request.initialFolder = run.Install().MediaDir().string();

    run.Dialogs().AnswerOpenFile(chosen);
    const auto answer = a.runtime.Windows().GetOpenFileNameA(request);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(std::filesystem::path(*answer), std::filesystem::path(chosen));
    EXPECT_FALSE(a.runtime.Windows().GetOpenFileNameA(request).has_value());

    ASSERT_EQ(run.Dialogs().Seen().size(), 2u);
    for (const SeenDialog& dialog : run.Dialogs().Seen()) {
        EXPECT_TRUE(dialog.fileDialog);
        EXPECT_EQ(dialog.caption, request.title);
    }
}

}  // namespace
}  // namespace decalia::win32test
