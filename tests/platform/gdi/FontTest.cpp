#include "platform/gdi/Gdi.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using decalia::gdi::Owned;

TEST(Font, CreateFontKeepsWhatWasAskedAndCutsLongFaceNames) {
    Owned<win::HFONT> font(
        win::CreateFontA(-13, 0, 0, 0, win::FW_BOLD, 1, 0, 5, 238, 0, 0, 0, 0, "Tahoma"));
    ASSERT_TRUE(font);
    win::LOGFONTA described;
    ASSERT_TRUE(win::GetObject(font.Get(), described));
    EXPECT_EQ(described.lfHeight, -13);
    EXPECT_EQ(described.lfWeight, 700);
    EXPECT_EQ(described.lfItalic, 1);
    EXPECT_EQ(described.lfUnderline, 0);
    EXPECT_EQ(described.lfStrikeOut, 1);
    EXPECT_EQ(described.lfCharSet, 238);
    EXPECT_EQ(std::string(described.lfFaceName.data()), "Tahoma");

    const std::string longName(40, 'x');
    Owned<win::HFONT> cut(win::CreateFontA(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, longName));
    ASSERT_TRUE(win::GetObject(cut.Get(), described));
    EXPECT_EQ(std::string(described.lfFaceName.data()), std::string(31, 'x'));

    const win::HFONT gone = font.Release();
    EXPECT_TRUE(win::DeleteObject(gone));
    EXPECT_FALSE(win::DeleteObject(gone));
    EXPECT_FALSE(win::GetObject(gone, described));
}

TEST(DeviceCaps, EveryDcAnswersTheScreensDotsPerInch) {
    Owned<win::HDC> screen(win::CreateDCA("DISPLAY"));
    Owned<win::HDC> memory(win::CreateCompatibleDC(screen.Get()));
    ASSERT_TRUE(screen);
    EXPECT_EQ(win::GetDeviceCaps(screen.Get(), win::LOGPIXELSX), 96);
    ASSERT_TRUE(win::SetScreenDpi(120));
    EXPECT_EQ(win::GetDeviceCaps(screen.Get(), win::LOGPIXELSX), 120);
    EXPECT_EQ(win::GetDeviceCaps(memory.Get(), win::LOGPIXELSY), 120);
    EXPECT_FALSE(win::SetScreenDpi(0));
    EXPECT_EQ(win::ScreenDpi(), 120);
    ASSERT_TRUE(win::SetScreenDpi(96));
    EXPECT_EQ(win::GetDeviceCaps(screen.Get(), 8), 0);  // not known here
    EXPECT_EQ(win::GetDeviceCaps(win::HDC{}, win::LOGPIXELSX), 0);
    EXPECT_FALSE(win::CreateDCA("PRINTER"));
    EXPECT_FALSE(win::SelectObject(screen.Get(), win::HBITMAP{}));
}

TEST(MulDiv, RoundsHalfAwayFromZeroAndReportsFailureAsMinusOne) {
    EXPECT_EQ(win::MulDiv(10, 96, 72), 13);  // 13.33
    EXPECT_EQ(win::MulDiv(10, 144, 72), 20);
    EXPECT_EQ(win::MulDiv(3, 1, 2), 2);  // 1.5
    EXPECT_EQ(win::MulDiv(-3, 1, 2), -2);
    EXPECT_EQ(win::MulDiv(3, -1, 2), -2);
    EXPECT_EQ(win::MulDiv(5, 1, -2), -3);
    EXPECT_EQ(win::MulDiv(-5, 1, -2), 3);
    EXPECT_EQ(win::MulDiv(2, 1, 3), 1);
    EXPECT_EQ(win::MulDiv(1, 1, 3), 0);
    EXPECT_EQ(win::MulDiv(7, 3, 0), -1);
    EXPECT_EQ(win::MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);  // 64-bit product
    EXPECT_EQ(win::MulDiv(INT_MAX, 2, 1), -1);
}

}  // namespace
