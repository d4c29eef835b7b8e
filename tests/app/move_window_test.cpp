// The row placement of the settings pages' controls.
#include <gtest/gtest.h>
#include <algorithm>
#include "app/MoveWindowScaled.h"
#include "framework/Framework.h"

TEST(MoveWindowScaled, PlacesAControlIntoItsRow) {
    struct Case {
        const char* name;
        float rows;
        int margin;
        float index;
        int controlHeight;
        int expectedTop;  // relative to the page
    };
    // Page 400 x 300 at (100, 50) on the screen.
    const Case cases[] = {
        {"first row, centred", 10.0f, 10, 0.0f, 20, 10 + (28 - 20) / 2},        // H = 280 / 10 = 28
        {"fewer than eight rows act as eight", 4.0f, 10, 1.0f, 15, 10 + 35 + 10},  // H = 35, slack 20
        {"half row", 10.0f, 10, 2.5f, 28, 10 + 70},
        {"taller than the row sits at its top", 10.0f, 0, 3.0f, 50, 90},        // H = 30
        {"fractional row count", 12.5f, 0, 4.0f, 24, 96},                       // H = 24
        {"taller than the last row ends at the page's edge", 9.5f, 2, 8.5f, 40, 2 + 264},  // H = 31.37
    };
    CWnd page;
    RECT pr = {100, 50, 500, 350};
    ASSERT_TRUE(page.CreateEx(0, CWnd::RegisterWndClass(0), L"page", WS_POPUP | WS_VISIBLE, pr, nullptr, 0));
    for (const Case& c : cases) {
        CWnd control;
        RECT cr = {37, 5, 37 + 60, 5 + c.controlHeight};
        ASSERT_TRUE(control.CreateEx(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, cr, &page, 1));
        RECT screen;
        page.GetWindowRect(&screen);
        MoveWindowScaled(&screen, c.rows, c.margin, c.index, &control);
        RECT after;
        control.GetWindowRect(&after);
        page.ScreenToClient(&after);
        EXPECT_EQ(after.top, c.expectedTop) << c.name;
        EXPECT_EQ(after.left, 37) << c.name;
        EXPECT_EQ(after.bottom - after.top, std::min(c.controlHeight, 300 - c.expectedTop)) << c.name;
        EXPECT_EQ(after.right - after.left, 60) << c.name;
        control.DestroyWindow();
    }
    page.DestroyWindow();
}
