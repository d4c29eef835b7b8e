// What every wizard page shares through its base: the way to the main
// dialog, the wait cursor while the wizard is busy, the wizard's background
// behind the page, and OK/Cancel that never end the page.
#include "WizardHarness.h"
#include "app/WizardPage.h"

namespace {

std::vector<std::pair<const char*, CWizardPage*>> Pages(CUpdaterDlg& dlg) {
    return {{"welcome", &dlg.m_selectionPage},   {"recognition", &dlg.m_recognitionPage},
            {"update", &dlg.m_updatePage},       {"restore", &dlg.m_restorePage},
            {"setting", &dlg.m_settingPage},     {"fm radio", &dlg.m_settingSecondPage},
            {"speed dial", &dlg.m_speedDialPage}};
}

LRESULT SetCursorMessage(CWnd* page) {
    return page->SendMessage(WM_SETCURSOR, (WPARAM)page->m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

}  // namespace

TEST_F(WizardTest, EveryPageShowsTheWaitCursorOnlyWhileTheWizardIsBusy) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        HCURSOR wait = ::LoadCursorW(nullptr, IDC_WAIT), arrow = ::LoadCursorW(nullptr, IDC_ARROW);
        for (auto& [name, page] : Pages(dlg)) {
            SCOPED_TRACE(name);
            ASSERT_TRUE(page->IsWindow());
            EXPECT_EQ(page->MainDialog(), &dlg);
            dlg.m_bBusy = TRUE;
            ::SetCursor(arrow);
            EXPECT_EQ(SetCursorMessage(page), TRUE);
            EXPECT_EQ(::GetCursor(), wait);
            dlg.m_bBusy = FALSE;
            ::SetCursor(arrow);
            SetCursorMessage(page);
            EXPECT_NE(::GetCursor(), wait);
        }
    });
}

TEST_F(WizardTest, EveryPageIsDrawnOnTheWizardsBackground) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        ASSERT_NE(dlg.m_brushBackground.m_hObject, nullptr);
        HDC dc = ::GetDC(dlg.m_hWnd);
        for (auto& [name, page] : Pages(dlg)) {
            SCOPED_TRACE(name);
            ::SetBkMode(dc, OPAQUE);
            LRESULT brush = page->SendMessage(WM_CTLCOLORDLG, (WPARAM)dc, (LPARAM)page->m_hWnd);
            EXPECT_EQ((HBRUSH)brush, dlg.m_brushBackground.m_hObject);
            EXPECT_EQ(::GetBkMode(dc), TRANSPARENT);
        }
        ::ReleaseDC(dlg.m_hWnd, dc);
    });
}

TEST_F(WizardTest, EnterAndEscapeNeverEndAPage) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        for (auto& [name, page] : Pages(dlg)) {
            SCOPED_TRACE(name);
            page->SendMessage(WM_COMMAND, IDOK, 0);
            page->SendMessage(WM_COMMAND, IDCANCEL, 0);
            EXPECT_TRUE(page->IsWindow());
        }
        EXPECT_TRUE(dlg.IsWindow());
    });
}
