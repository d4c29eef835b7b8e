// The main window and its boxes as a keyboard user meets them: Enter and
// Space on the focused button, NEXT as the default, Escape ignored, Tab in
// reading order, the popup menu from the keyboard, the focus and the active
// window after each box, and a close request while a box is open.
#include "KeyboardSupport.h"
#include "WizardHarness.h"
#include "app/AboutDlg.h"
#include "app/DialogLanguageManager.h"
#include "app/DialogMessageBox.h"
#include "app/DialogNewUpdateFound.h"
#include "framework/FileDialog.h"
#include "framework/TestSeams.h"

namespace {

const char kSoftwarePath[] = "/zarnbluetoothmanager/x64/Software";

// A device with the basic and FM radio setting pages.
const int kSettingKinds = (1 << 1) | (1 << 3);

}  // namespace

// Ends a box the keys left open, so that a failure never hangs the test.
void EndIfOpen(CDialog& d) {
    if (::IsWindowVisible(d.m_hWnd)) {
        ADD_FAILURE() << "the box is still open";
        d.EndDialog(-2);
    }
}

class KeyboardTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        // The boxes a test waits for show themselves and are answered with
        // keys; any other box is answered OK without being shown.
        fw::test::SetModalAnswer([this](CDialog& d) -> std::optional<INT_PTR> {
            if (d.GetTemplateId() == IDD_UPDATER_DIALOG) return std::nullopt;
            bool awaited = m_onShownAny != nullptr;
            for (auto& e : m_onShown) awaited = awaited || e.first == &d;
            if (!awaited) return IDOK;
            m_asked.push_back(AskedBox{d.GetTemplateId()});
            return std::nullopt;
        });
    }
    void TearDown() override {
        fw::test::SetPopupMenuAnswer(nullptr);
        fw::test::SetFileDialogAnswer(nullptr);
        WizardTest::TearDown();
    }
    static void Focus(CUpdaterDlg& dlg, int id) {
        ::SetFocus(Item(dlg, id));
        ASSERT_EQ(::GetFocus(), Item(dlg, id));
    }
    // The wizard on the update page of a recognised device, the page's
    // firmware-list check done.
    void OnUpdatePage(CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x5520, kSettingKinds);
        dlg.ShowFirmwareUpdatePage(TRUE);
        ASSERT_EQ(dlg.m_nPage, PAGE_FIRMWARE_UPDATE);
        fw::test::PumpFor(50);
        ASSERT_TRUE(WaitIdle(dlg));
    }
};

TEST_F(KeyboardTest, EnterAndSpaceOnTheFocusedButtonPressIt) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        struct Case {
            int button;
            UINT key;
            int pageAfter;
        };
        const Case cases[] = {
            {IDC_NEXT, VK_RETURN, PAGE_FIRMWARE_RESTORE},    {IDC_NEXT, VK_SPACE, PAGE_FIRMWARE_RESTORE},
            {IDC_BACK, VK_RETURN, PAGE_RECOGNITION},         {IDC_BACK, VK_SPACE, PAGE_RECOGNITION},
            {IDC_STEP_WELCOME, VK_RETURN, PAGE_WELCOME},     {IDC_STEP_WELCOME, VK_SPACE, PAGE_WELCOME},
            {IDC_STEP_RESTORE, VK_RETURN, PAGE_FIRMWARE_RESTORE},
            {IDC_STEP_SETTING, VK_SPACE, PAGE_DEVICE_SETTING},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "button " << c.button << " key " << c.key);
            ASSERT_TRUE(WaitIdle(dlg));  // WELCOME checks the program version again
            OnUpdatePage(dlg);
            Focus(dlg, c.button);
            keys::Press(c.key);
            EXPECT_EQ(dlg.m_nPage, c.pageAfter);
            EXPECT_TRUE(::IsWindowVisible(dlg.m_hWnd));
        }
        // The group button on a settings page: FM radio through its list.
        OnUpdatePage(dlg);
        dlg.ShowDeviceSettingPage(TRUE);
        Focus(dlg, IDC_GROUP_LIST);
        keys::Press(VK_RETURN);
        EXPECT_TRUE(dlg.m_bPopupOpen);
        keys::Press(VK_ESCAPE);
        EXPECT_FALSE(dlg.m_bPopupOpen);
        EXPECT_EQ(dlg.m_nPage, PAGE_DEVICE_SETTING);
    });
}

TEST_F(KeyboardTest, AGroupPickedFromTheListPutsTheFocusOnItsPage) {
    RunWizard([&](CUpdaterDlg& dlg) {
        OnUpdatePage(dlg);
        dlg.ShowDeviceSettingPage(TRUE);
        ASSERT_EQ(dlg.m_nPage, PAGE_DEVICE_SETTING);
        struct Pick {
            UINT key;
            int page;
            CWnd* pageWindow;
        };
        const Pick picks[] = {{VK_DOWN, PAGE_FM_RADIO, &dlg.m_settingSecondPage},
                              {VK_UP, PAGE_DEVICE_SETTING, &dlg.m_settingPage}};
        for (const Pick& p : picks) {
            SCOPED_TRACE(testing::Message() << "to page " << p.page);
            Focus(dlg, IDC_GROUP_LIST);
            keys::Press(VK_RETURN);
            ASSERT_TRUE(dlg.m_bPopupOpen);
            keys::Press(p.key);
            fw::test::PumpFor(50);
            EXPECT_FALSE(dlg.m_bPopupOpen);
            EXPECT_EQ(dlg.m_nPage, p.page);
            HWND focus = ::GetFocus();
            EXPECT_NE(focus, Item(dlg, IDC_STEP_WELCOME));
            EXPECT_TRUE(focus && ::IsChild(p.pageWindow->m_hWnd, focus) && ::IsWindowVisible(focus))
                << "the focus is on control " << ::GetDlgCtrlID(focus);
        }
    });
}

TEST_F(KeyboardTest, OnTheLastSettingsPageReachedWithNextThePageTakesTheFocus) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x4D15, (1 << 1) | (1 << 2) | (1 << 3));
        dlg.GoToPage(PAGE_FM_RADIO);
        ASSERT_EQ(dlg.m_nPage, PAGE_FM_RADIO);
        // NEXT goes on to the speed-dial page, the last one: its NEXT is off,
        // and the focus goes into the page rather than to the first step.
        Focus(dlg, IDC_NEXT);
        keys::Press(VK_RETURN);
        ASSERT_EQ(dlg.m_nPage, PAGE_SPEED_DIAL);
        ASSERT_FALSE(::IsWindowEnabled(Item(dlg, IDC_NEXT)));
        HWND focus = ::GetFocus();
        EXPECT_TRUE(focus && ::IsChild(dlg.m_speedDialPage.m_hWnd, focus) && ::IsWindowVisible(focus))
            << "the focus is on control " << ::GetDlgCtrlID(focus);
    });
}

TEST_F(KeyboardTest, EnterElsewherePressesNextAndEscapeDoesNothing) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        // WELCOME: the picture has the focus; Enter goes on as NEXT does.
        ::SetFocus(dlg.m_selectionPage.GetDlgItem(IDC_SELECTION_PICTURE)->m_hWnd);
        keys::Press(VK_ESCAPE);
        EXPECT_EQ(dlg.m_nPage, PAGE_WELCOME);
        EXPECT_TRUE(::IsWindowVisible(dlg.m_hWnd));
        keys::Press(VK_RETURN);
        EXPECT_EQ(dlg.m_nPage, PAGE_RECOGNITION);
        EXPECT_EQ(dlg.m_nTargetModel, 0x4D10);

        // On the restore page with the focus on the page itself, Enter is
        // NEXT; with NEXT disabled it does nothing.
        OnUpdatePage(dlg);
        dlg.ShowFirmwareRestorePage(TRUE);
        ASSERT_TRUE(WaitIdle(dlg));
        ::SetFocus(dlg.m_restorePage.m_hWnd);
        keys::Press(VK_RETURN);
        EXPECT_EQ(dlg.m_nPage, PAGE_DEVICE_SETTING);
        dlg.m_nSettingPageCount = 0;
        dlg.ShowFirmwareRestorePage(TRUE);
        ASSERT_TRUE(WaitIdle(dlg));
        ASSERT_FALSE(::IsWindowEnabled(Item(dlg, IDC_NEXT)));
        ::SetFocus(dlg.m_restorePage.m_hWnd);
        keys::Press(VK_RETURN);
        keys::Press(VK_ESCAPE);
        EXPECT_EQ(dlg.m_nPage, PAGE_FIRMWARE_RESTORE);
        EXPECT_TRUE(::IsWindowVisible(dlg.m_hWnd));
    });
}

TEST_F(KeyboardTest, TabVisitsEveryControlOfTheMainWindowInReadingOrder) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        // WELCOME: the left column, the picture of the page, then NEXT.
        dlg.m_nTargetModel = 0x4D10;
        dlg.UpdateControls();
        Focus(dlg, IDC_STEP_WELCOME);
        const std::vector<HWND> welcome = {Item(dlg, IDC_STEP_WELCOME), Item(dlg, IDC_STEP_RECOGNITION),
                                           dlg.m_selectionPage.GetDlgItem(IDC_SELECTION_PICTURE)->m_hWnd,
                                           Item(dlg, IDC_NEXT)};
        EXPECT_EQ(keys::TabCycle(), welcome);

        OnUpdatePage(dlg);
        dlg.ShowDeviceSettingPage(TRUE);
        ASSERT_EQ(dlg.m_nPage, PAGE_DEVICE_SETTING);
        Focus(dlg, IDC_STEP_WELCOME);
        std::vector<HWND> cycle = keys::TabCycle();
        const std::vector<int> expected = {IDC_STEP_WELCOME, IDC_STEP_RECOGNITION, IDC_STEP_UPDATE,
                                           IDC_STEP_RESTORE, IDC_STEP_SETTING,     IDC_GROUP_BASIC,
                                           IDC_GROUP_LIST,   IDC_BACK,             IDC_NEXT};
        EXPECT_EQ(keys::IdsOfChildren(cycle, dlg.m_hWnd), expected);
        // The page's own controls come between the group buttons and BACK.
        size_t back = 0, groups = 0;
        for (size_t i = 0; i < cycle.size(); ++i) {
            if (cycle[i] == Item(dlg, IDC_BACK)) back = i;
            if (cycle[i] == Item(dlg, IDC_GROUP_LIST)) groups = i;
            if (::IsChild(dlg.m_settingPage.m_hWnd, cycle[i])) {
                EXPECT_GT(i, groups);
                EXPECT_EQ(back, 0u);
            }
        }
    });
}

TEST_F(KeyboardTest, TabInEachBoxGoesInReadingOrder) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x5520, 0);
        std::vector<int> order;
        auto record = [&](CDialog& d) {
            EXPECT_EQ(::GetActiveWindow(), d.m_hWnd);
            order = keys::IdsOfChildren(keys::TabCycle(), d.m_hWnd);
            d.EndDialog(IDCANCEL);
        };

        CDialogMessageBox box(&dlg);
        box.SetupEx(L"A question?", 0, L"Release Notes", L"NO", L"YES", nullptr, FALSE);
        WhenShown(&box, record);
        box.DoModal();
        EXPECT_EQ(order, (std::vector<int>{IDOK, IDC_MSG_LINK, IDCANCEL}));

        CDialogLanguageManager language(&dlg);
        WhenShown(&language, record);
        language.DoModal();
        EXPECT_EQ(order, (std::vector<int>{IDC_LANG_LIST, IDC_LANG_APPLY_FIRMWARE, IDCANCEL, IDOK}));

        CComboBox& combo = dlg.m_updatePage.m_comboVoicePrompt;
        for (const wchar_t* l : {L"English", L"French"}) combo.AddString(l);
        combo.SetCurSel(0);
        CDialogNewUpdateFound prompt(&dlg);
        WhenShown(&prompt, record);
        prompt.DoModal();
        EXPECT_EQ(order, (std::vector<int>{IDOK, IDC_NEW_VOICE_COMBO, IDC_NEW_RELEASE_NOTES, IDCANCEL}));

        CAboutDlg about(&dlg);
        WhenShown(&about, record);
        about.DoModal();
        EXPECT_EQ(order, (std::vector<int>{IDOK}));
    });
}

TEST_F(KeyboardTest, KeysAnswerTheBoxes) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        struct Case {
            int focus;  // 0: where the box puts it
            UINT key;
            INT_PTR result;
        };
        const Case cases[] = {
            {0, VK_RETURN, IDOK},       {IDCANCEL, VK_RETURN, IDCANCEL}, {IDCANCEL, VK_SPACE, IDCANCEL},
            {IDOK, VK_SPACE, IDOK},     {0, VK_ESCAPE, IDCANCEL},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "focus " << c.focus << " key " << c.key);
            CDialogMessageBox box(&dlg);
            box.Setup(L"Save?", 0, L"NO", L"YES", nullptr);
            WhenShown(&box, [&](CDialog& d) {
                if (c.focus) ::SetFocus(::GetDlgItem(d.m_hWnd, c.focus));
                keys::Press(c.key);
                // EndDialog hides the box at once; the loop ends after this handler.
                if (::IsWindowVisible(d.m_hWnd)) d.EndDialog(-2);
            });
            EXPECT_EQ(box.DoModal(), c.result);
        }
        // Without a Cancel button Escape leaves the box open.
        CDialogMessageBox info(&dlg);
        info.Setup(L"Done.", 0, nullptr, L"OK", nullptr);
        WhenShown(&info, [&](CDialog& d) {
            keys::Press(VK_ESCAPE);
            EXPECT_TRUE(::IsWindowVisible(d.m_hWnd));
            keys::Press(VK_RETURN);
            EndIfOpen(d);
        });
        EXPECT_EQ(info.DoModal(), IDOK);
    });
}

TEST_F(KeyboardTest, PopupMenuOpensFromTheKeyboardOncePerStroke) {
    int opened = 0;
    fw::test::SetPopupMenuAnswer([&](HMENU) {
        ++opened;
        return 0u;
    });
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Focus(dlg, IDC_NEXT);
        keys::Press(VK_APPS);
        EXPECT_EQ(opened, 1);
        keys::PressShiftF10();
        EXPECT_EQ(opened, 2);
        // F10 alone is no menu key; inside a page the keys work as well.
        keys::Press(VK_F10);
        EXPECT_EQ(opened, 2);
        ::SetFocus(dlg.m_selectionPage.GetDlgItem(IDC_SELECTION_PICTURE)->m_hWnd);
        keys::Press(VK_APPS);
        EXPECT_EQ(opened, 3);
        // The About box through the menu from the keyboard.
        fw::test::SetPopupMenuAnswer([&](HMENU) {
            ++opened;
            return (UINT)ID_MENU_ABOUT;
        });
        m_onShownAny = [](CDialog& d) {
            keys::Press(VK_RETURN);
            EndIfOpen(d);
        };
        keys::Press(VK_APPS);
        m_onShownAny = nullptr;
        ASSERT_EQ(m_asked.size(), 1u);
        EXPECT_EQ(m_asked[0].templateId, (UINT)IDD_ABOUTBOX);
    });
}

TEST_F(KeyboardTest, AfterEachBoxTheWizardIsActiveWithTheFocusWhereItWas) {
    fw::test::SetFileDialogAnswer([](CFileDialog&) -> std::optional<CString> { return std::nullopt; });
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        OnUpdatePage(dlg);
        struct Case {
            UINT command;
            UINT key;  // how the box is answered
        };
        const Case cases[] = {
            {ID_MENU_ABOUT, VK_RETURN},
            {ID_MENU_LANGUAGE, VK_ESCAPE},
            {ID_MENU_LANGUAGE, VK_RETURN},
            {ID_MENU_DIAGNOSTIC_LOG, VK_RETURN},  // the file dialog is cancelled: no box
        };
        for (int focus : {IDC_BACK, IDC_STEP_RESTORE}) {
            for (const Case& c : cases) {
                SCOPED_TRACE(testing::Message() << "command " << c.command << " focus " << focus);
                Focus(dlg, focus);
                bool shown = false;
                m_onShownAny = [&](CDialog& d) {
                    shown = true;
                    EXPECT_EQ(::GetActiveWindow(), d.m_hWnd);
                    keys::Press(c.key);
                    EndIfOpen(d);
                };
                dlg.SendMessage(WM_COMMAND, c.command);
                m_onShownAny = nullptr;
                EXPECT_EQ(shown, c.command != ID_MENU_DIAGNOSTIC_LOG);
                EXPECT_EQ(::GetActiveWindow(), dlg.m_hWnd);
                EXPECT_EQ(::GetFocus(), Item(dlg, focus));
                // Tab and Space work at once.
                keys::Press(VK_TAB);
                EXPECT_NE(::GetFocus(), Item(dlg, focus));
            }
        }
        // A box of a page (the unsaved-changes question) gives the focus
        // back too.
        CDialogMessageBox box(&dlg.m_updatePage);
        box.SetupEx(L"Save?", 0, nullptr, L"NO", L"YES", nullptr, FALSE);
        Focus(dlg, IDC_NEXT);
        WhenShown(&box, [](CDialog& d) {
            keys::Press(VK_ESCAPE);
            EndIfOpen(d);
        });
        EXPECT_EQ(box.DoModal(), IDCANCEL);
        EXPECT_EQ(::GetActiveWindow(), dlg.m_hWnd);
        EXPECT_EQ(::GetFocus(), Item(dlg, IDC_NEXT));
    });
}

TEST_F(KeyboardTest, AfterTheWaitBoxTheWizardIsActiveWithTheFocusWhereItWas) {
    RunWizard([&](CUpdaterDlg& dlg) {
        OnUpdatePage(dlg);
        Focus(dlg, IDC_BACK);
        CDialogMessageBox* wait = new CDialogMessageBox(&dlg);
        wait->Setup(L"Press and hold the button.", 1, nullptr, nullptr, nullptr);
        ASSERT_TRUE(wait->CreateWaitBox(&dlg));
        fw::test::PumpFor(100);
        wait->PostMessage(WM_CLOSE);
        fw::test::PumpUntil([&] { return !wait->IsWindowVisible(); }, 2000);
        EXPECT_EQ(::GetActiveWindow(), dlg.m_hWnd);
        EXPECT_EQ(::GetFocus(), Item(dlg, IDC_BACK));
        wait->DestroyWindow();
        delete wait;
    });
}

TEST_F(KeyboardTest, AfterTheStartUpPromptNextHasTheFocus) {
    m_server.PutFile(kSoftwarePath, "MorvexBluetoothDeviceManager : v1.1 : x64/Setup_v1.1.exe : 10\n");
    bool asked = false;
    m_onShownAny = [&](CDialog& d) {
        asked = true;
        keys::Press(VK_ESCAPE);  // "NO"
        EndIfOpen(d);
    };
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        m_onShownAny = nullptr;
        ASSERT_TRUE(asked);
        EXPECT_EQ(::GetActiveWindow(), dlg.m_hWnd);
        EXPECT_EQ(::GetFocus(), Item(dlg, IDC_NEXT));
        keys::Press(VK_SPACE);
        EXPECT_EQ(dlg.m_nPage, PAGE_RECOGNITION);
    });
}

TEST_F(KeyboardTest, CloseRequestWhileABoxIsOpenIsRefused) {
    bool stillRunning = false, boxStillShown = false;
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        m_onShownAny = [&](CDialog& d) {
            dlg.PostMessage(WM_CLOSE);
            fw::test::PumpFor(100);
            stillRunning = dlg.IsInModalLoop() && ::IsWindowVisible(dlg.m_hWnd);
            boxStillShown = d.IsInModalLoop() && ::IsWindowVisible(d.m_hWnd);
            keys::Press(VK_RETURN);
            EndIfOpen(d);
        };
        dlg.SendMessage(WM_COMMAND, ID_MENU_ABOUT);
        m_onShownAny = nullptr;
        fw::test::PumpFor(100);
        EXPECT_TRUE(stillRunning);
        EXPECT_TRUE(boxStillShown);
        EXPECT_TRUE(::IsWindowVisible(dlg.m_hWnd));
        EXPECT_EQ(ReadImageFile(L"MorvexBluetoothDeviceManager.talvoconf"), L"<missing>");
        // Once the box is closed, a close request ends the wizard (its loop
        // ends after this body; the window is hidden and the file written).
        dlg.PostMessage(WM_CLOSE);
        EXPECT_TRUE(fw::test::PumpUntil([&] { return !::IsWindowVisible(dlg.m_hWnd); }, 2000));
        EXPECT_NE(ReadImageFile(L"MorvexBluetoothDeviceManager.talvoconf"), L"<missing>");
    });
}
