#include "UiFixture.h"

#include "platform/win/WindowSystem.h"
#include "ui/SmartSubClass.h"

#include <memory>

namespace uitest {
namespace {

// Plain windows whose own procedure records what reaches it.
class SmartSubClassTest : public UiTest {
protected:
    SmartSubClassTest() {
        const win::WNDPROC proc = windows.RegisterWindowProc(
            [this](win::HWND window, win::UINT message, win::WPARAM, win::LPARAM) {
                reached.push_back({window, message});
                return win::LRESULT{7};
            });
        windows.RegisterClassA("SniffTarget", proc);
    }
    win::HWND MakeWindow() {
        return windows.CreateWindowExA(0, "SniffTarget", "", 0, 0, 0, 10, 10, 0);
    }
    std::vector<win::HWND> Slots(const ui::SmartSubClass& sniff) const {
        std::vector<win::HWND> slots;
        for (int i = 1; i <= sniff.UpperBound(); ++i) {
            slots.push_back(sniff.Slot(i));
        }
        return slots;
    }

    win::WindowSystem& windows = runtime.Windows();
    std::vector<std::pair<win::HWND, win::UINT>> reached;
};

constexpr win::UINT kProbe = 0x0400;

TEST_F(SmartSubClassTest, SeesMessagesFirstAndPassesThemOn) {
    ui::SmartSubClass sniff(windows);
    std::vector<win::UINT> seen;
    sniff.NewMessage = [&](win::HWND, win::UINT& uMsg, win::WPARAM&, win::LPARAM&, bool&) {
        seen.push_back(uMsg);
        // Handlers may change the message the window then gets.
        if (uMsg == kProbe) {
            uMsg = kProbe + 1;
        }
    };
    const win::HWND window = MakeWindow();
    ASSERT_TRUE(sniff.SubClassHwnd(window, true));
    EXPECT_EQ(windows.SendMessageA(window, kProbe, 0, 0), 7);
    EXPECT_EQ(seen, std::vector<win::UINT>{kProbe});
    ASSERT_EQ(reached.size(), 1u);
    EXPECT_EQ(reached[0].second, kProbe + 1);
}

TEST_F(SmartSubClassTest, CancelledOrOwnerlessMessageIsAnsweredZeroAndNeverReachesTheWindow) {
    ui::SmartSubClass sniff(windows);
    sniff.NewMessage = [](win::HWND, win::UINT&, win::WPARAM&, win::LPARAM&, bool& Cancel) {
        Cancel = true;
    };
    const win::HWND window = MakeWindow();
    ASSERT_TRUE(sniff.SubClassHwnd(window, true));
    EXPECT_EQ(windows.SendMessageA(window, kProbe, 0, 0), 0);
    EXPECT_TRUE(reached.empty());

    // Without the object property there is no one to ask: answered zero too.
    sniff.NewMessage = nullptr;
    windows.RemovePropA(window, ui::kObjectProperty);
    EXPECT_EQ(windows.SendMessageA(window, kProbe, 0, 0), 0);
    EXPECT_TRUE(reached.empty());
}

TEST_F(SmartSubClassTest, AWindowIsInterceptedOnceAndNonWindowsNever) {
    ui::SmartSubClass sniff(windows);
    ui::SmartSubClass other(windows);
    int seen = 0;
    sniff.NewMessage = [&](win::HWND, win::UINT&, win::WPARAM&, win::LPARAM&, bool&) { ++seen; };
    const win::HWND window = MakeWindow();
    const win::LONG own = windows.GetWindowLongA(window, win::GWL_WNDPROC);
    EXPECT_TRUE(sniff.SubClassHwnd(window, true));
    EXPECT_FALSE(sniff.SubClassHwnd(window, true));
    EXPECT_FALSE(other.SubClassHwnd(window, true));
    EXPECT_EQ(Slots(sniff), std::vector<win::HWND>{window});
    EXPECT_EQ(other.UpperBound(), 0);
    windows.SendMessageA(window, kProbe, 0, 0);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(reached.size(), 1u);

    EXPECT_FALSE(other.SubClassHwnd(0x7FFF0000, true));
    EXPECT_TRUE(sniff.SubClassHwnd(window, false));
    EXPECT_EQ(windows.GetWindowLongA(window, win::GWL_WNDPROC), own);
    // Never intercepted: nothing to put back.
    EXPECT_FALSE(sniff.SubClassHwnd(window, false));
}

TEST_F(SmartSubClassTest, FreedSlotsAreReusedAndTheLastOneShrinksTheList) {
    ui::SmartSubClass sniff(windows);
    const win::HWND a = MakeWindow();
    const win::HWND b = MakeWindow();
    const win::HWND c = MakeWindow();
    const win::HWND d = MakeWindow();
    for (const win::HWND window : {a, b, c}) {
        ASSERT_TRUE(sniff.SubClassHwnd(window, true));
    }
    EXPECT_EQ(Slots(sniff), (std::vector<win::HWND>{a, b, c}));

    sniff.SubClassHwnd(b, false);
    EXPECT_EQ(Slots(sniff), (std::vector<win::HWND>{a, -1, c}));
    sniff.SubClassHwnd(d, true);
    EXPECT_EQ(Slots(sniff), (std::vector<win::HWND>{a, d, c}));

    sniff.SubClassHwnd(c, false);
    EXPECT_EQ(Slots(sniff), (std::vector<win::HWND>{a, d}));
    sniff.SubClassHwnd(a, false);
    EXPECT_EQ(Slots(sniff), (std::vector<win::HWND>{-1, d}));
    // Only the last slot goes; the free one before it stays.
    sniff.SubClassHwnd(d, false);
    EXPECT_EQ(Slots(sniff), std::vector<win::HWND>{-1});
}

TEST_F(SmartSubClassTest, DestructionRestoresEveryWindowAndRemovesTheProperties) {
    const win::HWND a = MakeWindow();
    const win::HWND b = MakeWindow();
    const win::LONG ownA = windows.GetWindowLongA(a, win::GWL_WNDPROC);
    const win::LONG ownB = windows.GetWindowLongA(b, win::GWL_WNDPROC);
    auto sniff = std::make_unique<ui::SmartSubClass>(windows);
    ASSERT_TRUE(sniff->SubClassHwnd(a, true));
    ASSERT_TRUE(sniff->SubClassHwnd(b, true));
    EXPECT_NE(windows.GetPropA(a, ui::kOldProcProperty), 0);
    EXPECT_NE(windows.GetPropA(b, ui::kObjectProperty), 0);

    sniff.reset();
    for (const auto& [window, own] : {std::pair{a, ownA}, std::pair{b, ownB}}) {
        EXPECT_EQ(windows.GetWindowLongA(window, win::GWL_WNDPROC), own);
        EXPECT_EQ(windows.GetPropA(window, ui::kOldProcProperty), 0);
        EXPECT_EQ(windows.GetPropA(window, ui::kObjectProperty), 0);
    }
    EXPECT_EQ(windows.SendMessageA(a, kProbe, 0, 0), 7);
}

TEST_F(SmartSubClassTest, AWindowDestroyedFirstIsDroppedWithoutBeingTouched) {
    ui::SmartSubClass sniff(windows);
    const win::HWND a = MakeWindow();
    const win::HWND b = MakeWindow();
    ASSERT_TRUE(sniff.SubClassHwnd(a, true));
    ASSERT_TRUE(sniff.SubClassHwnd(b, true));
    // The window still gets its destroy messages through the interception.
    windows.DestroyWindow(a);
    EXPECT_NE(std::find(reached.begin(), reached.end(), std::pair{a, win::WM_DESTROY}),
              reached.end());
    EXPECT_FALSE(sniff.SubClassHwnd(a, false));
    EXPECT_EQ(Slots(sniff), (std::vector<win::HWND>{-1, b}));
    EXPECT_FALSE(sniff.SubClassHwnd(a, true));
}

}  // namespace
}  // namespace uitest
