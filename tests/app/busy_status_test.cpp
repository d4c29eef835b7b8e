// The busy rule and the 13-language status line.
#include "WizardHarness.h"
#include "app/resource.h"
#include "framework/TestSeams.h"
#include "texts/WizardTexts.h"
#include <atomic>
#include <thread>

namespace {

void Click(CUpdaterDlg& dlg, int id) {
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(dlg.m_hWnd, id));
}

}  // namespace

TEST_F(WizardTest, WhileBusyStepsMenusAndCloseAreIgnoredAndTheCursorWaits) {
    int menusShown = 0;
    fw::test::SetPopupMenuAnswer([&](HMENU) -> UINT {
        ++menusShown;
        return 0;
    });
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x4D10, (1 << 1) | (1 << 3));
        dlg.ShowDeviceSettingPage(TRUE);
        dlg.m_bBusy = TRUE;
        dlg.UpdateControls();
        for (int id : {IDC_STEP_WELCOME, IDC_STEP_RECOGNITION, IDC_STEP_UPDATE, IDC_STEP_RESTORE, IDC_STEP_SETTING,
                       IDC_BACK, IDC_NEXT, IDC_ACTION, IDC_GROUP_BASIC, IDC_GROUP_LIST}) {
            EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dlg.m_hWnd, id))) << id;
            Click(dlg, id);
            EXPECT_EQ(dlg.m_nPage, 5) << id;
        }
        EXPECT_FALSE(dlg.m_bPopupOpen);
        for (int id : {ID_MENU_LANGUAGE, ID_MENU_ABOUT, ID_MENU_DIAGNOSTIC_LOG, ID_MENU_HELP, ID_MENU_EXIT})
            dlg.SendMessage(WM_COMMAND, id);
        dlg.SendMessage(WM_CONTEXTMENU, (WPARAM)dlg.m_hWnd, MAKELPARAM(10, 10));
        dlg.SendMessage(WM_CLOSE);
        fw::test::PumpFor(30);
        EXPECT_TRUE(m_asked.empty());
        EXPECT_EQ(menusShown, 0);
        EXPECT_TRUE(dlg.IsWindowVisible());
        // The wait cursor, over the wizard and over its pages.
        for (HWND over : {dlg.m_hWnd, dlg.m_settingPage.m_hWnd}) {
            ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
            ::SendMessageW(over, WM_SETCURSOR, (WPARAM)over, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_WAIT));
        }

        dlg.m_bBusy = FALSE;
        dlg.UpdateControls();
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dlg.m_hWnd, IDC_STEP_UPDATE)));
        dlg.SendMessage(WM_CONTEXTMENU, (WPARAM)dlg.m_hWnd, MAKELPARAM(10, 10));
        EXPECT_EQ(menusShown, 1);
        dlg.SendMessage(WM_COMMAND, ID_MENU_ABOUT);
        ASSERT_EQ(m_asked.size(), 1u);
        EXPECT_EQ(m_asked[0].templateId, (UINT)IDD_ABOUTBOX);
    });
    fw::test::SetPopupMenuAnswer(nullptr);
}

TEST_F(WizardTest, PopupMenuCommandsReachTheirBoxes) {
    UINT pick = ID_MENU_LANGUAGE;
    fw::test::SetPopupMenuAnswer([&](HMENU menu) -> UINT {
        // The items are named in the UI language.
        wchar_t text[64] = {};
        ::GetMenuStringW(menu, ID_MENU_DIAGNOSTIC_LOG, text, 64, MF_BYCOMMAND);
        EXPECT_STREQ(text, L"Diagnoseprotokoll");
        return pick;
    });
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.ApplyLanguage(2, TRUE);
        QueueAnswer(IDCANCEL);
        dlg.SendMessage(WM_CONTEXTMENU, (WPARAM)dlg.m_hWnd, MAKELPARAM(20, 20));
        fw::test::PumpUntil([&] { return !m_asked.empty(); }, 2000);
        ASSERT_EQ(m_asked.size(), 1u);
        EXPECT_EQ(m_asked[0].templateId, (UINT)IDD_LANGUAGE_MANAGER);
        EXPECT_EQ(dlg.m_nLanguage, 2);  // cancelled: unchanged
    });
    fw::test::SetPopupMenuAnswer(nullptr);
}

TEST_F(WizardTest, StatusLineKeepsThirteenTextsAcrossALanguageChange) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x4D10, 0);
        dlg.ShowFirmwareUpdatePage(TRUE);
        ASSERT_TRUE(WaitIdle(dlg));
        CString current;
        dlg.BuildActivityStatusTexts(&current);
        EXPECT_EQ(current, L"On updating firmware.");
        for (int i = 0; i < STATUS_LANGUAGES; ++i) {
            CString expected;
            GetTextPageActivity(expected, 3, 0, i);
            EXPECT_EQ(dlg.m_astrStatusText[i], expected) << i;
        }
        // Each language keeps its own text; a change of language shows the
        // stored one, in the style it had.
        for (int i = 0; i < STATUS_LANGUAGES; ++i) {
            CString t;
            t.Format(L"text %d", i);
            dlg.SetStatusTextForLanguage(t, i);
        }
        dlg.SetStatusTextForLanguage(L"ignored", 13);
        dlg.SetStatusTextForLanguage(L"ignored", -1);
        dlg.ShowStatusText(L"text 0", TRUE);
        for (int language : {8, 4, 12, 0}) {
            dlg.ApplyLanguage(language, dlg.m_bApplyToFirmwareLanguage);
            CString shown, expected;
            expected.Format(L"text %d", language);
            ::GetWindowTextW(::GetDlgItem(dlg.m_hWnd, IDC_STATUS_TEXT), shown.GetBuffer(64), 64);
            shown.ReleaseBuffer();
            EXPECT_EQ(shown, expected);
            EXPECT_FALSE(dlg.m_bStatusOk);
        }
    });
}

TEST_F(WizardTest, WorkerThreadsWriteTheStatusTextsSafely) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        CString sample;
        sample.Format(L"worker %d wrote a long status text number %08d", 9, 0);
        const int length = sample.GetLength();
        for (int i = 0; i < STATUS_LANGUAGES; ++i) dlg.SetStatusTextForLanguage(sample, i);
        std::atomic<bool> stop{false};
        std::vector<std::thread> writers;
        for (int t = 0; t < 4; ++t) {
            writers.emplace_back([&dlg, &stop, t] {
                for (int n = 0; n < 3000 && !stop; ++n) {
                    CString text;
                    text.Format(L"worker %d wrote a long status text number %08d", t, n);
                    for (int i = 0; i < STATUS_LANGUAGES; ++i) dlg.SetStatusTextForLanguage(text, i);
                }
            });
        }
        int reads = 0, torn = 0;
        DWORD start = ::GetTickCount();
        while (::GetTickCount() - start < 300) {
            CString text;
            dlg.GetStatusText(&text);
            ++reads;
            if (text.GetLength() != length || text.Left(7) != L"worker ") ++torn;
        }
        stop = true;
        for (auto& w : writers) w.join();
        EXPECT_GT(reads, 0);
        EXPECT_EQ(torn, 0);
    });
}

TEST_F(WizardTest, LanguageChangeRefetchesTheVoicePromptListsOnlyWhenTheyFollowTheUiLanguage) {
    struct Case {
        const char* name;
        int page;
        BOOL applyToFirmware;
        bool refetched;
    };
    const Case cases[] = {
        {"update page, voice prompt follows", 3, TRUE, true},
        {"update page, voice prompt kept", 3, FALSE, false},
        {"restore page, voice prompt follows", 4, TRUE, true},
        {"restore page, voice prompt kept", 4, FALSE, false},
    };
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            Recognise(dlg, 0x5520, 0);
            dlg.ApplyLanguage(0, c.applyToFirmware);
            dlg.GoToPage(c.page);
            ASSERT_TRUE(WaitIdle(dlg));
            CComboBox& combo = c.page == 3 ? dlg.m_updatePage.m_comboVoicePrompt : dlg.m_restorePage.m_comboVoicePrompt;
            combo.AddString(L"English");
            combo.AddString(L"French");
            // The restore page lists the languages of its record's images.
            if (c.page == 4) {
                dlg.m_restorePage.m_firmwareInfo.AddPair(L"a-en.img", L"English");
                dlg.m_restorePage.m_firmwareInfo.AddPair(L"a-fr.img", L"French");
            }
            g_bUpdatePromptArmed = 1;
            dlg.ApplyLanguage(1, c.applyToFirmware);
            EXPECT_EQ(combo.GetCount() == 0, c.refetched);
            if (c.page == 3) {
                EXPECT_EQ(g_bUpdatePromptArmed == 0, c.refetched);
            } else {
                EXPECT_TRUE(dlg.m_restorePage.m_firmwareInfo.m_bBackupAvailable || !c.refetched);
            }
            ASSERT_TRUE(WaitIdle(dlg));
            combo.ResetContent();
            dlg.ShowWelcomePage();
            ASSERT_TRUE(WaitIdle(dlg));
        }
    });
}

TEST_F(WizardTest, PressWhileACellPopupIsOpenOnlyClosesThePopup) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x5520, 1 << 1);
        dlg.ShowDeviceSettingPage(TRUE);
        dlg.m_settingPage.m_bCellPopupOpen = TRUE;
        MSG msg{};
        msg.hwnd = Item(dlg, IDC_STEP_UPDATE);
        msg.message = WM_LBUTTONDOWN;
        EXPECT_TRUE(dlg.PreTranslateMessage(&msg));
        EXPECT_FALSE(dlg.m_settingPage.m_bCellPopupOpen);
        EXPECT_EQ(dlg.m_nPage, 5);
        EXPECT_FALSE(dlg.PreTranslateMessage(&msg));  // closed: presses go on again
    });
}
