// Loading, showing modally and modelessly, hiding and unloading forms.

#include "FormsFixture.h"

using namespace formstest;
using decalia::desktop::ScriptError;

namespace {

TEST_F(FormsTest, LoadRunsOncePerLoadAndUnloadDestroysTheWindows) {
    TestForm form(runtime);
    int loads = 0;
    form.OnLoad = [&] { ++loads; };
    form.Load();
    form.Show();
    EXPECT_EQ(loads, 1);
    const win::HWND box = form.txt_Folder.hWnd();
    EXPECT_TRUE(runtime.Windows().IsWindow(box));

    form.OnUnload = [&](int& cancel) { cancel = loads == 1 ? 1 : 0; };
    EXPECT_FALSE(form.Unload());
    EXPECT_TRUE(form.IsLoaded());
    ++loads;
    EXPECT_TRUE(form.Unload());
    EXPECT_FALSE(runtime.Windows().IsWindow(box));
    EXPECT_EQ(form.txt_Folder.hWnd(), 0);
    EXPECT_FALSE(form.Visible());

    form.txt_Folder.SetText("kept");
    form.Show();
    EXPECT_EQ(loads, 3);
    EXPECT_EQ(form.txt_Folder.Text(), "kept");
}

TEST_F(FormsTest, ModalShowsNestAndHideReturnsFromTheInnermost) {
    TestForm main(runtime, "frm_Main");
    TestForm first(runtime, "frm_Variation");
    TestForm second(runtime, "frm_Folder");
    main.Show();
    main.Activate = [&] { events.push_back("main active"); };
    first.Activate = [&] { events.push_back("variation active"); };
    second.Activate = [&] { events.push_back("folder active"); };

    desktop.OnModal("frm_Variation", [&](forms::Form& shown) {
        EXPECT_EQ(&shown, &first);
        EXPECT_THROW(desktop.Click(main.lbl_Title), ScriptError);
        second.Show(forms::ShowMode::Modal);
        events.push_back("folder returned");
        first.Hide();
    });
    desktop.OnModal("frm_Folder", [&](forms::Form&) {
        EXPECT_THROW(desktop.Click(first.lbl_Title), ScriptError);
        desktop.Type(second.txt_Folder, "abc");
        second.Hide();
    });
    first.Show(forms::ShowMode::Modal);
    events.push_back("variation returned");

    EXPECT_EQ(events, (std::vector<std::string>{"variation active", "folder active",
                                                "variation active", "folder returned",
                                                "main active", "variation returned"}));
    EXPECT_EQ(second.txt_Folder.Text(), "abc");
    EXPECT_TRUE(runtime.Windows().IsWindowEnabled(main.hWnd()));
    desktop.Click(main.lbl_Title);
}

TEST_F(FormsTest, AHiddenFormIsShownModallyAgainInsideItsOwnEarlierModalShow) {
    TestForm main(runtime, "frm_Main");
    TestForm first(runtime, "frm_Variation");
    TestForm second(runtime, "frm_Folder");
    main.Show();
    second.Load();  // loaded before the outer modal show disabled the other forms
    int firstShows = 0;
    desktop.OnModal("frm_Variation", [&](forms::Form&) {
        ++firstShows;
        first.Hide();
        second.Show(forms::ShowMode::Modal);
    });
    desktop.OnModal("frm_Folder", [&](forms::Form&) {
        desktop.Type(second.txt_Folder, "x");
        second.Hide();
        first.Show(forms::ShowMode::Modal);
    });
    desktop.OnModal("frm_Variation", [&](forms::Form&) {
        ++firstShows;
        desktop.Type(first.txt_Folder, "y");
        first.Hide();
    });
    first.Show(forms::ShowMode::Modal);
    EXPECT_EQ(firstShows, 2);
    EXPECT_EQ(second.txt_Folder.Text(), "x");
    EXPECT_EQ(first.txt_Folder.Text(), "y");
    EXPECT_FALSE(first.ModalShowing());
    desktop.Click(main.lbl_Title);
    EXPECT_THROW(desktop.Click(second.lbl_Title), ScriptError);  // hidden, not disabled
    EXPECT_TRUE(runtime.Windows().IsWindowEnabled(second.hWnd()));
}

TEST_F(FormsTest, AFormHiddenByADoubleClickLeavesTheMouseToTheOthers) {
    TestForm main(runtime, "frm_Main");
    TestForm list(runtime, "frm_SelectAircraft");
    main.Show();
    list.lst_Texture.AddItem("Kite");
    list.lst_Texture.DblClick = [&] { list.Hide(); };
    int clicks = 0;
    main.lbl_Title.Click = [&] { ++clicks; };
    desktop.OnModal("frm_SelectAircraft", [&](forms::Form&) {
        desktop.DoubleClickItem(list.lst_Texture, 0);
    });
    list.Show(forms::ShowMode::Modal);
    desktop.Click(main.lbl_Title);
    EXPECT_EQ(clicks, 1);
}

TEST_F(FormsTest, UnloadingEndsAModalShowToo) {
    TestForm form(runtime, "frm_SelectAircraft");
    desktop.OnModal("frm_SelectAircraft", [&](forms::Form& shown) { shown.Unload(); });
    form.Show(forms::ShowMode::Modal);
    EXPECT_FALSE(form.IsLoaded());
}

TEST_F(FormsTest, AModalShowWithNothingScriptedFailsNamingTheForm) {
    TestForm main(runtime, "frm_Main");
    TestForm form(runtime, "frm_Callsign");
    main.Show();
    try {
        form.Show(forms::ShowMode::Modal);
        FAIL() << "the modal show returned";
    } catch (const ScriptError& error) {
        EXPECT_STREQ(error.what(), "modal show of frm_Callsign with nothing scripted");
    }
    // The failed show leaves the other forms usable.
    EXPECT_TRUE(runtime.Windows().IsWindowEnabled(main.hWnd()));
    EXPECT_FALSE(form.ModalShowing());

    desktop.OnModal("frm_Callsign", [](forms::Form&) {});
    EXPECT_THROW(form.Show(forms::ShowMode::Modal), ScriptError);
}

TEST_F(FormsTest, EndingTheProcessUnwindsToTheRunner) {
    TestForm form(runtime);
    form.Show();
    form.lbl_Title.Click = [&] { runtime.End(); };
    EXPECT_THROW(desktop.Click(form.lbl_Title), win::ProcessEnded);
    EXPECT_EQ(desktop.ExitCode(), 0u);
}

}  // namespace
