// The Win32 desktop against the real system: the shape a window really gets,
// what a message box and the open-file dialog are really asked to show.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "NativeUser.h"
#include "ScreenRun.h"
#include "platform/forms/Forms.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/RegionShape.h"
#include "win32/NativeShell.h"

namespace decalia::win32test {
namespace {

using namespace std::string_literals;

TEST(Win32Desktop, TheMainWindowsRealRegionIsTheFormsRegion) {
    ScreenRun run;
    Application& a = run.Start({});
    const win::HWND main = a.frm_Main.hWnd();
    const win::HRGN region = a.runtime.Windows().WindowRegion(main);
    ASSERT_TRUE(region) << "the main window has a region of its own";
    const auto ours = gdi::ShapeOf(region);
    ASSERT_TRUE(ours.has_value());
    ASSERT_GT(ours->RectCount(), 1u) << "a shape, not a rectangle";

    const auto real = run.Desktop().RealShapeOf(a.frm_Main);
    ASSERT_TRUE(real.has_value());
    std::vector<gdi::Rect> rects;
    for (const win32::Rect& rect : *real)
        rects.push_back(gdi::Rect{rect.left, rect.top, rect.right, rect.bottom});
    // Both in the one canonical band form: equal shapes are equal pixel sets.
    const auto system = gdi::RegionShape::FromRects(rects);
    ASSERT_TRUE(system.has_value());
    EXPECT_EQ(*system, *ours);
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

TEST(Win32Desktop, ClipboardKeysInATextBoxChangeItsTextThroughTheProgram) {
    win32::Win32Desktop desktop({96, win32::ProcessEnd::Throw});
    forms::Runtime runtime(desktop);
    forms::Form form(runtime, "frm_Clipboard");
    forms::TextBox& box = form.Add<forms::TextBox>("txt_Text");
    form.SetSizeTwips(4500, 1500);
    box.Move(150, 150, 4000, 400);
    int changes = 0;
    box.Change = [&changes] { ++changes; };
    form.Show();

    const struct {
        const char* name;
        std::string text;
        int selStart;
        int selLength;
        char key;
        std::string textAfter;
        std::string clipboardAfter;  // the clipboard held "Night" before
    } cases[] = {
        {"paste at the caret", "Polar ", 6, 0, '\x16', "Polar Night", "Night"},
        {"paste over the selection", "Polar Day", 6, 3, '\x16', "Polar Night", "Night"},
        {"cut", "Polar Day", 5, 4, '\x18', "Polar", " Day"},
        {"copy", "Polar Day", 0, 5, '\x03', "Polar Day", "Polar"},
        {"select all", "Polar Day", 2, 0, '\x01', "Polar Day", "Night"},
    };
    for (const auto& key : cases) {
        box.SetText(key.text);
        box.SetSelStart(key.selStart);
        box.SetSelLength(key.selLength);
        SetClipboardText("Night");
        desktop.AfterInput();
        changes = 0;
        PostCharacter(desktop.TypingOf(box), key.key);
        HandlePosted();
        EXPECT_EQ(box.Text(), key.textAfter) << key.name;
        EXPECT_EQ(changes > 0, key.textAfter != key.text) << key.name;
        EXPECT_EQ(win32::ClipboardText(), key.clipboardAfter) << key.name;
    }
    EXPECT_EQ(box.SelLength(), 9) << "select all, the last key";
}

}  // namespace
}  // namespace decalia::win32test
