// Window procedures, interception chains, properties and destruction.

#include "WindowFixture.h"

using namespace wintest;

namespace {

class ProcTest : public WindowTest {};

TEST_F(ProcTest, InterceptorsChainAndUnwindInOrder) {
    const win::HWND window = TopLevel(0, 0, 10, 10);
    std::vector<std::string> order;
    win::WNDPROC firstPrevious = 0;
    win::WNDPROC secondPrevious = 0;
    const win::WNDPROC first = windows.RegisterWindowProc(
        [&](win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
            order.push_back("first");
            return windows.CallWindowProcA(firstPrevious, h, m, w, l);
        });
    const win::WNDPROC second = windows.RegisterWindowProc(
        [&](win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
            order.push_back("second");
            return windows.CallWindowProcA(secondPrevious, h, m, w, l);
        });

    firstPrevious = windows.SetWindowLongA(window, win::GWL_WNDPROC, first);
    secondPrevious = windows.SetWindowLongA(window, win::GWL_WNDPROC, second);
    EXPECT_EQ(firstPrevious, classProc);
    EXPECT_EQ(secondPrevious, first);

    windows.SendMessageA(window, win::WM_CHAR, 'a', 0);
    EXPECT_EQ(order, (std::vector<std::string>{"second", "first"}));
    EXPECT_EQ(Count(window, win::WM_CHAR), 1);

    EXPECT_EQ(windows.SetWindowLongA(window, win::GWL_WNDPROC, secondPrevious), second);
    EXPECT_EQ(windows.SetWindowLongA(window, win::GWL_WNDPROC, firstPrevious), first);
    EXPECT_EQ(windows.GetWindowLongA(window, win::GWL_WNDPROC), classProc);
}

TEST_F(ProcTest, SetWindowLongFailsWithZero) {
    const win::HWND window = TopLevel(0, 0, 10, 10);
    const win::WNDPROC proc = windows.RegisterWindowProc(
        [](win::HWND, win::UINT, win::WPARAM, win::LPARAM) { return win::LRESULT{7}; });
    EXPECT_EQ(windows.SetWindowLongA(window, win::GWL_WNDPROC, 9999), 0);
    EXPECT_EQ(windows.SetWindowLongA(window + 999, win::GWL_WNDPROC, proc), 0);
    EXPECT_EQ(windows.SetWindowLongA(window, -21, proc), 0);
    EXPECT_EQ(windows.GetWindowLongA(window, win::GWL_WNDPROC), classProc);

    // A procedure forgotten while still installed answers 0 instead of crashing.
    windows.SetWindowLongA(window, win::GWL_WNDPROC, proc);
    EXPECT_EQ(windows.SendMessageA(window, win::WM_CHAR, 0, 0), 7);
    windows.UnregisterWindowProc(proc);
    EXPECT_EQ(windows.SendMessageA(window, win::WM_CHAR, 0, 0), 0);
}

TEST_F(ProcTest, PropertiesAreNamedWithoutCaseAndGoWithTheWindow) {
    const win::HWND window = TopLevel(0, 0, 10, 10);
    EXPECT_EQ(windows.GetPropA(window, "SSC_OLDPROC"), 0);
    EXPECT_TRUE(windows.SetPropA(window, "SSC_OLDPROC", 42));
    EXPECT_TRUE(windows.SetPropA(window, "ssc_oldproc", 43));
    EXPECT_EQ(windows.GetPropA(window, "Ssc_OldProc"), 43);
    EXPECT_EQ(windows.RemovePropA(window, "SSC_OLDPROC"), 43);
    EXPECT_EQ(windows.RemovePropA(window, "SSC_OLDPROC"), 0);

    windows.SetPropA(window, "SSC_OBJADDR", 1234);
    windows.DestroyWindow(window);
    EXPECT_FALSE(windows.IsWindow(window));
    EXPECT_EQ(windows.GetPropA(window, "SSC_OBJADDR"), 0);
    EXPECT_FALSE(windows.SetPropA(window, "SSC_OBJADDR", 1));
}

TEST_F(ProcTest, DestroyReachesParentThenChildrenAndNeverReusesHandles) {
    const win::HWND top = TopLevel(0, 0, 100, 100);
    const win::HWND child = Child(top, 0, 0, 50, 50);
    const win::HWND grandChild = Child(child, 0, 0, 10, 10);
    windows.SetCapture(grandChild);
    messages.clear();

    EXPECT_TRUE(windows.DestroyWindow(top));
    std::vector<win::HWND> destroyed;
    for (const Logged& logged : messages) {
        if (logged.message == win::WM_DESTROY) {
            destroyed.push_back(logged.window);
        }
    }
    EXPECT_EQ(destroyed, (std::vector<win::HWND>{top, child, grandChild}));
    EXPECT_FALSE(windows.IsWindow(child));
    EXPECT_FALSE(windows.IsWindow(grandChild));
    EXPECT_EQ(windows.GetCapture(), 0);
    EXPECT_FALSE(windows.DestroyWindow(top));

    const win::HWND next = TopLevel(0, 0, 1, 1);
    EXPECT_NE(next, top);
    EXPECT_NE(next, child);
    EXPECT_NE(next, grandChild);
}

TEST_F(ProcTest, DestroyFromInsideTheWindowsOwnHandlerIsSafe) {
    const win::HWND window = TopLevel(0, 0, 10, 10);
    const win::WNDPROC selfDestroying = windows.RegisterWindowProc(
        [&](win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
            if (m == win::WM_LBUTTONDOWN) {
                windows.DestroyWindow(h);
                return win::LRESULT{0};
            }
            return windows.CallWindowProcA(classProc, h, m, w, l);
        });
    windows.SetWindowLongA(window, win::GWL_WNDPROC, selfDestroying);
    windows.PressButton(window, win::POINT{1, 1}, win::MouseButton::Left);
    EXPECT_FALSE(windows.IsWindow(window));
    windows.ReleaseButton(window, win::POINT{1, 1}, win::MouseButton::Left);
}

TEST_F(ProcTest, ClassesAndParentsMustExist) {
    EXPECT_EQ(windows.CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, 0), 0);
    EXPECT_EQ(windows.CreateWindowExA(0, "Logged", "", win::WS_CHILD, 0, 0, 1, 1, 12345), 0);
    EXPECT_NE(windows.CreateWindowExA(0, "LOGGED", "", 0, 0, 0, 1, 1, 0), 0);
    EXPECT_TRUE(windows.IsWindow(windows.GetDesktopWindow()));
}

TEST_F(ProcTest, RegionsBelongToTheWindow) {
    const win::HWND window = TopLevel(0, 0, 100, 100);
    const win::HRGN first = win::CreateRectRgn(0, 0, 10, 10);
    const win::HRGN second = win::CreateRectRgn(0, 0, 20, 20);
    EXPECT_EQ(windows.SetWindowRgn(window, first, true), 1);
    EXPECT_EQ(windows.SetWindowRgn(window, second, true), 1);
    EXPECT_FALSE(win::DeleteObject(first));  // the window deleted it
    const win::HRGN copy = win::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(windows.GetWindowRgn(window, copy), win::SIMPLEREGION);
    EXPECT_TRUE(win::EqualRgn(copy, second));
    windows.DestroyWindow(window);
    EXPECT_FALSE(win::DeleteObject(second));
    EXPECT_TRUE(win::DeleteObject(copy));
}

TEST_F(ProcTest, ShellServicesGoToTheDesktop) {
    EXPECT_EQ(windows.MessageBoxA(0, "Text", "Decalia", win::MB_OK), win::IDOK);
    EXPECT_GT(windows.ShellExecuteA(0, "", "/app/Decalia.pdf", "", "", win::SW_SHOWNORMAL), 32);
    EXPECT_TRUE(windows.PlaySoundA("/app/Media/Next.wav", win::SND_FILENAME | win::SND_ASYNC));
    EXPECT_FALSE(windows.PlaySoundA("/app/Media/Next.wav", win::SND_ASYNC));
    EXPECT_EQ(desktop.log, (std::vector<std::string>{"box:Decalia:Text", "shell:/app/Decalia.pdf",
                                                     "sound:/app/Media/Next.wav"}));
    try {
        windows.ExitProcess(3);
        FAIL() << "ExitProcess returned";
    } catch (const win::ProcessEnded& ended) {
        EXPECT_EQ(ended.exitCode, 3u);
    }
}

}  // namespace
