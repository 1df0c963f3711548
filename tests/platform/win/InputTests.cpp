// Input from the desktop: hit-testing, capture, leave tracking, the move loop
// and tooltips watching their tools.

#include "WindowFixture.h"

#include "platform/win/Tooltip.h"

using namespace wintest;

namespace {

class InputTest : public WindowTest {
protected:
    InputTest() {
        top = TopLevel(100, 100, 200, 200);
        left = Child(top, 0, 0, 50, 50);
        right = Child(top, 100, 0, 50, 50);
        messages.clear();
    }
    win::HWND top = 0;
    win::HWND left = 0;
    win::HWND right = 0;
};

win::TRACKMOUSEEVENT LeaveOf(win::HWND window) {
    win::TRACKMOUSEEVENT request;
    request.dwFlags = win::TME_LEAVE;
    request.hwndTrack = window;
    return request;
}

TEST_F(InputTest, HitTestSkipsHiddenAndDisabledWindows) {
    EXPECT_EQ(windows.WindowFromPoint(top, win::POINT{10, 10}), left);
    EXPECT_EQ(windows.WindowFromPoint(top, win::POINT{120, 10}), right);
    EXPECT_EQ(windows.WindowFromPoint(top, win::POINT{70, 10}), top);
    windows.EnableWindow(left, false);
    EXPECT_EQ(windows.WindowFromPoint(top, win::POINT{10, 10}), top);
    windows.ShowWindow(right, win::SW_HIDE);
    EXPECT_EQ(windows.WindowFromPoint(top, win::POINT{120, 10}), top);
}

TEST_F(InputTest, MouseMessagesCarryKeysAndLocalPoints) {
    windows.PressButton(top, win::POINT{110, 20}, win::MouseButton::Left, {.shift = true});
    ASSERT_EQ(messages.size(), 1u);
    const auto mouse = win::MouseMessage::From(messages[0].message, messages[0].wParam,
                                               messages[0].lParam);
    ASSERT_TRUE(mouse);
    EXPECT_EQ(messages[0].window, right);
    EXPECT_TRUE(mouse->IsPress());
    EXPECT_EQ(mouse->Button(), win::MouseButton::Left);
    EXPECT_TRUE(mouse->LeftButton());
    EXPECT_TRUE(mouse->Shift());
    EXPECT_EQ(mouse->Point(), (win::POINT{10, 20}));
}

TEST_F(InputTest, CaptureSendsEveryMouseMessageToTheCaptureWindow) {
    windows.SetCapture(left);
    windows.MovePointer(top, win::POINT{120, 30});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].window, left);
    const auto mouse = win::MouseMessage::From(messages[0].message, messages[0].wParam,
                                               messages[0].lParam);
    EXPECT_EQ(mouse->Point(), (win::POINT{120, 30}));
    EXPECT_EQ(windows.PointerWindow(), right);

    windows.ReleaseCapture();
    windows.MovePointer(top, win::POINT{121, 30});
    EXPECT_EQ(messages.back().window, right);
}

TEST_F(InputTest, TrackedLeaveArrivesOnceWhenThePointerGoes) {
    windows.MovePointer(top, win::POINT{10, 10});
    EXPECT_TRUE(windows.TrackMouseEvent(LeaveOf(left)));
    windows.MovePointer(top, win::POINT{11, 11});
    EXPECT_EQ(Count(left, win::WM_MOUSELEAVE), 0);

    windows.MovePointer(top, win::POINT{120, 10});
    windows.MovePointer(top, win::POINT{10, 10});
    windows.MovePointer(top, win::POINT{120, 10});
    EXPECT_EQ(Count(left, win::WM_MOUSELEAVE), 1);
}

TEST_F(InputTest, LeaveAlsoComesForAPointerElsewhereAChildOnTopOrNoWindowAtAll) {
    windows.MovePointer(top, win::POINT{120, 10});
    windows.TrackMouseEvent(LeaveOf(left));
    windows.DeliverPosted();
    EXPECT_EQ(Count(left, win::WM_MOUSELEAVE), 1) << "tracked while elsewhere";

    const win::HWND inner = Child(left, 5, 5, 10, 10);
    windows.MovePointer(top, win::POINT{1, 1});
    windows.TrackMouseEvent(LeaveOf(left));
    windows.MovePointer(top, win::POINT{7, 7});
    EXPECT_EQ(windows.PointerWindow(), inner);
    EXPECT_EQ(Count(left, win::WM_MOUSELEAVE), 2) << "a child over the tracked window";

    windows.MovePointer(top, win::POINT{1, 1});
    windows.TrackMouseEvent(LeaveOf(left));
    windows.PointerLeft();
    EXPECT_EQ(Count(left, win::WM_MOUSELEAVE), 3) << "the pointer left every window";
    EXPECT_EQ(windows.PointerWindow(), 0);
}

TEST_F(InputTest, CaptionPressRunsTheMoveLoopOnlyWhileTheLeftButtonIsDown) {
    desktop.offset = win::MoveOffset{30, -20};
    windows.SendMessageA(left, win::WM_NCLBUTTONDOWN, win::HTCAPTION, 0);
    EXPECT_EQ(desktop.moveLoops, 0);

    windows.PressButton(top, win::POINT{10, 10}, win::MouseButton::Left);
    windows.SetCapture(left);
    windows.SendMessageA(left, win::WM_NCLBUTTONDOWN, win::HTCAPTION, 0);
    EXPECT_EQ(desktop.moveLoops, 1);
    EXPECT_EQ(windows.WindowRect(top)->left, 130);
    EXPECT_EQ(windows.WindowRect(top)->top, 80);
    EXPECT_EQ(Count(top, win::WM_MOVE), 1);
    EXPECT_EQ(windows.GetCapture(), 0);
    // The loop took the button: the later release is not reported.
    EXPECT_FALSE(windows.ButtonDown(win::MouseButton::Left));
    windows.ReleaseButton(top, win::POINT{10, 10}, win::MouseButton::Left);
    EXPECT_EQ(Count(left, win::WM_LBUTTONUP), 0);
}

TEST_F(InputTest, KeysGoToTheFocusWindowWithFocusMessages) {
    windows.SetFocus(left);
    windows.SetFocus(right);
    EXPECT_EQ(Count(left, win::WM_KILLFOCUS), 1);
    EXPECT_EQ(Count(right, win::WM_SETFOCUS), 1);
    windows.PressKey(win::VK_RETURN, '\r');
    EXPECT_EQ(MessagesOf(right), (std::vector<win::UINT>{win::WM_SETFOCUS, win::WM_KEYDOWN,
                                                         win::WM_CHAR, win::WM_KEYUP}));
    windows.EnableWindow(right, false);
    EXPECT_EQ(windows.GetFocus(), 0);
}

class TooltipTest : public InputTest {
protected:
    TooltipTest() {
        tooltip = windows.CreateWindowExA(win::WS_EX_TOPMOST, win::TOOLTIPS_CLASSA, "",
                                          win::TTS_ALWAYSTIP | win::TTS_NOPREFIX,
                                          win::CW_USEDEFAULT, win::CW_USEDEFAULT,
                                          win::CW_USEDEFAULT, win::CW_USEDEFAULT, top);
    }
    void AddTool(win::HWND tool, const char* text, unsigned flags) {
        win::TOOLINFOA info;
        info.uFlags = flags;
        info.hwnd = tool;
        info.uId = static_cast<std::uintptr_t>(tool);
        windows.GetClientRect(tool, info.rect);
        info.lpszText = text;
        EXPECT_EQ(windows.SendMessageA(tooltip, win::TTM_ADDTOOLA, 0,
                                       reinterpret_cast<win::LPARAM>(&info)),
                  1);
    }
    win::HWND tooltip = 0;
};

// Colours, widths and fonts set through the messages are read back by the
// tooltip class's own tests; here what only the messages answer.
TEST_F(TooltipTest, AnswersTheDelaysFontAndWidthItWasGiven) {
    ASSERT_NE(tooltip, 0);
    windows.SendMessageA(tooltip, win::TTM_SETMAXTIPWIDTH, 0, 400);
    windows.SendMessageA(tooltip, win::TTM_SETDELAYTIME, win::TTDT_AUTOPOP, 10000);
    windows.SendMessageA(tooltip, win::TTM_SETDELAYTIME, win::TTDT_INITIAL, 250);
    const win::HFONT font = win::CreateFontA(-13, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
    windows.SendMessageA(tooltip, win::WM_SETFONT, font.id, 1);
    AddTool(left, "Click to Exit from Decalia.", win::TTF_IDISHWND | win::TTF_SUBCLASS);

    EXPECT_EQ(windows.SendMessageA(tooltip, win::TTM_GETDELAYTIME, win::TTDT_AUTOPOP, 0), 10000);
    EXPECT_EQ(windows.SendMessageA(tooltip, win::TTM_GETDELAYTIME, win::TTDT_INITIAL, 0), 250);
    EXPECT_EQ(windows.SendMessageA(tooltip, win::WM_GETFONT, 0, 0), font.id);
    EXPECT_EQ(windows.Tooltip(tooltip)->tools.at(0).rect, (win::RECT{0, 0, 50, 50}));
    EXPECT_EQ(windows.SendMessageA(tooltip, win::TTM_SETMAXTIPWIDTH, 0, 300), 400);
    win::DeleteObject(font);
}

TEST_F(TooltipTest, ASubclassingToolShowsOnHoverAndHidesOnPressOrLeave) {
    windows.SendMessageA(tooltip, win::TTM_SETDELAYTIME, win::TTDT_INITIAL, 250);
    AddTool(left, "tip", win::TTF_IDISHWND | win::TTF_SUBCLASS);
    windows.MovePointer(top, win::POINT{10, 10});
    ASSERT_EQ(desktop.shownTips.size(), 1u);
    EXPECT_EQ(desktop.shownTips[0].text, "tip");
    EXPECT_EQ(desktop.shownTips[0].initialDelayMs, 250);
    EXPECT_EQ(windows.Tooltip(tooltip)->shownTool, left);
    windows.MovePointer(top, win::POINT{11, 10});
    EXPECT_EQ(desktop.shownTips.size(), 1u);

    windows.PressButton(top, win::POINT{11, 10}, win::MouseButton::Left);
    EXPECT_EQ(windows.Tooltip(tooltip)->shownTool, 0);
    EXPECT_EQ(desktop.hiddenTips, 1);
    windows.ReleaseButton(top, win::POINT{11, 10}, win::MouseButton::Left);

    windows.MovePointer(top, win::POINT{12, 10});
    windows.MovePointer(top, win::POINT{120, 10});
    EXPECT_EQ(windows.Tooltip(tooltip)->shownTool, 0);
    EXPECT_EQ(desktop.hiddenTips, 2);
}

TEST_F(TooltipTest, ToolsWithoutSubclassingAreNotWatchedAndGoWithTheirWindow) {
    AddTool(left, "tip", win::TTF_IDISHWND);
    windows.MovePointer(top, win::POINT{10, 10});
    EXPECT_TRUE(desktop.shownTips.empty());
    windows.DestroyWindow(left);
    EXPECT_TRUE(windows.Tooltip(tooltip)->tools.empty());
    windows.DestroyWindow(tooltip);
    EXPECT_EQ(windows.Tooltip(tooltip), nullptr);
}

}  // namespace
