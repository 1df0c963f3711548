// Scripted input reaching controls as messages and coming out as events.

#include "FormsFixture.h"

using namespace formstest;

namespace {

class EventTest : public FormsTest {
protected:
    EventTest() { form.Show(); }
    TestForm form{runtime};
};

TEST_F(EventTest, TypingRaisesChangePerCharacterAndEnterOnlyReachesKeyPress) {
    form.txt_Folder.SetText("Enter Aircraft Folder Extension");
    form.txt_Folder.Change = [&] { events.push_back("change:" + form.txt_Folder.Text()); };
    form.txt_Folder.KeyPress = [&](int& key) { events.push_back("key:" + std::to_string(key)); };
    form.txt_Folder.SetFocus();
    form.txt_Folder.SetSelStart(0);
    form.txt_Folder.SetSelLength(static_cast<int>(form.txt_Folder.Text().size()));

    desktop.Type(form.txt_Folder, "ab");
    desktop.PressKey(runtime, 8);
    desktop.PressKey(runtime, 13);
    EXPECT_EQ(form.txt_Folder.Text(), "a");
    EXPECT_EQ(events, (std::vector<std::string>{"key:97", "change:a", "key:98", "change:ab",
                                                "key:8", "change:a", "key:13"}));
}

TEST_F(EventTest, KeyPreviewSeesKeysFirstAndCanConsumeThem) {
    form.SetKeyPreview(true);
    form.KeyPress = [&](int& key) {
        events.push_back("form:" + std::to_string(key));
        if (key == 13) {
            key = 0;
        }
    };
    form.txt_Folder.KeyPress = [&](int& key) { events.push_back("box:" + std::to_string(key)); };
    desktop.Type(form.txt_Folder, "x");
    desktop.PressKey(runtime, 13);
    EXPECT_EQ(events, (std::vector<std::string>{"form:120", "box:120", "form:13"}));
}

TEST_F(EventTest, SettingTheSameTextChangesNothing) {
    int changes = 0;
    form.txt_Folder.Change = [&] { ++changes; };
    form.txt_Folder.SetText("ABC");
    form.txt_Folder.SetText("ABC");
    form.txt_Folder.SetText("");
    EXPECT_EQ(changes, 2);
}

TEST_F(EventTest, MouseEventsCarryButtonShiftAndScaledPoint) {
    std::vector<forms::MouseArgs> downs;
    form.MouseDown = [&](const forms::MouseArgs& args) { downs.push_back(args); };
    form.MouseUp = [&](const forms::MouseArgs&) { events.push_back("up"); };
    form.Click = [&] { events.push_back("click"); };
    desktop.Press(form, win::MouseButton::Right, win::POINT{300, 250}, {.shift = true});
    desktop.Release(form, win::MouseButton::Right, win::POINT{300, 250});
    desktop.Click(form, win::POINT{300, 250});
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0].Button, forms::vbRightButton);
    EXPECT_EQ(downs[0].Shift, forms::vbShiftMask);
    EXPECT_DOUBLE_EQ(downs[0].X, 300);
    EXPECT_DOUBLE_EQ(downs[0].Y, 250);
    EXPECT_EQ(downs[1].Button, forms::vbLeftButton);
    EXPECT_EQ(events, (std::vector<std::string>{"up", "up", "click"}));
}

TEST_F(EventTest, AReleaseElsewhereComesBackToThePressedControlWithoutAClick) {
    form.lbl_Title.MouseUp = [&](const forms::MouseArgs& args) {
        events.push_back("up:" + std::to_string(static_cast<int>(args.X)));
    };
    form.lbl_Title.Click = [&] { events.push_back("click"); };
    form.MouseUp = [&](const forms::MouseArgs&) { events.push_back("form up"); };
    desktop.Press(form.lbl_Title);
    desktop.MoveOver(form, win::POINT{300, 250});
    desktop.Release(form, win::MouseButton::Left, win::POINT{300, 250});
    EXPECT_EQ(events, (std::vector<std::string>{"up:290"}));
}

TEST_F(EventTest, ListChoicesRaiseClickAndDoubleClick) {
    for (const char* item : {"*Entire Template*", "Fuselage", "Wings"}) {
        form.lst_Texture.AddItem(item);
    }
    form.lst_Texture.Click = [&] { events.push_back("click:" + form.lst_Texture.Text()); };
    form.lst_Texture.DblClick = [&] { events.push_back("dbl:" + form.lst_Texture.Text()); };
    desktop.SelectItem(form.lst_Texture, 1);
    desktop.DoubleClickItem(form.lst_Texture, 2);
    form.lst_Texture.SetListIndex(0);
    form.lst_Texture.SetListIndex(0);
    EXPECT_FALSE(form.lst_Texture.SetListIndex(3));
    EXPECT_EQ(events, (std::vector<std::string>{"click:Fuselage", "click:Wings", "dbl:Wings",
                                                "click:*Entire Template*"}));
    EXPECT_TRUE(form.lst_Texture.HasFocus());
}

TEST_F(EventTest, ComboBoxChoicesFillTheTextWithoutChange) {
    auto& combo = form.Add<forms::ComboBox>("lst_Callsign");
    combo.Move(10, 210, 100, 20);
    combo.AddItem("*NONE*");
    combo.AddItem("SPEEDBIRD");
    combo.Click = [&] { events.push_back("click:" + combo.Text()); };
    combo.Change = [&] { events.push_back("change:" + combo.Text()); };
    desktop.SelectItem(combo, 1);
    desktop.Type(combo, "X");
    EXPECT_EQ(events, (std::vector<std::string>{"click:SPEEDBIRD", "change:SPEEDBIRDX"}));
}

TEST_F(EventTest, TypingIntoAComboBoxLeavesNoLineSelectedSoLineZeroCanBeChosenAgain) {
    auto& combo = form.Add<forms::ComboBox>("lst_Callsign");
    combo.Move(10, 210, 100, 20);
    combo.AddItem("*NONE*");
    combo.AddItem("SPEEDBIRD");
    combo.SetListIndex(0);
    desktop.Type(combo, "KW");
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(combo.Text(), "*NONE*KW");
    combo.SetListIndex(0);
    EXPECT_EQ(combo.Text(), "*NONE*");
}

TEST_F(EventTest, OptionButtonsInOneContainerExcludeEachOther) {
    form.opt_Alpha.Click = [&] { events.push_back("alpha"); };
    form.opt_Standard.SetValue(true);
    desktop.Click(form.opt_Alpha);
    EXPECT_TRUE(form.opt_Alpha.Value());
    EXPECT_FALSE(form.opt_Standard.Value());
    form.opt_Alpha.SetEnabled(false);
    desktop.Click(form.opt_Alpha);  // lands on the form
    EXPECT_EQ(events, (std::vector<std::string>{"alpha"}));
}

TEST_F(EventTest, ScrollBarChangesWhenItsValueDoes) {
    auto& bar = form.Preview_Scroll;
    bar.Change = [&] { events.push_back(std::to_string(bar.Value())); };
    bar.SetMax(1024);
    bar.SetLargeChange(128);
    desktop.ScrollTo(bar, 300);
    desktop.ScrollBy(bar, win::SB_PAGERIGHT);
    desktop.ScrollBy(bar, win::SB_LINELEFT);
    bar.SetMax(200);
    // A template narrower than tall gives a maximum below the minimum.
    bar.SetMax(-100);
    EXPECT_EQ(events, (std::vector<std::string>{"300", "428", "427", "200", "0"}));
    desktop.ScrollBy(bar, win::SB_LINERIGHT);
    EXPECT_EQ(bar.Value(), -1);
}

TEST_F(EventTest, InterceptedMessagesCanBeSeenAndSwallowed) {
    auto& windows = runtime.Windows();
    const win::HWND label = form.lbl_Title.hWnd();
    std::vector<win::UINT> seen;
    bool cancel = false;
    win::WNDPROC previous = 0;
    const win::WNDPROC sniff = windows.RegisterWindowProc(
        [&](win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
            seen.push_back(message);
            return cancel ? 0 : windows.CallWindowProcA(previous, window, message, wParam, lParam);
        });
    previous = windows.SetWindowLongA(label, win::GWL_WNDPROC, sniff);
    form.lbl_Title.Click = [&] { events.push_back("click"); };

    desktop.Click(form.lbl_Title);
    cancel = true;
    desktop.Click(form.lbl_Title);
    EXPECT_EQ(events, (std::vector<std::string>{"click"}));
    EXPECT_EQ(std::count(seen.begin(), seen.end(), win::WM_LBUTTONUP), 2);
    // Interception ends before the window goes, as its owner must see to.
    EXPECT_EQ(windows.SetWindowLongA(label, win::GWL_WNDPROC, previous), sniff);
    windows.UnregisterWindowProc(sniff);
}

}  // namespace
