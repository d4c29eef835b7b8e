// Every page switch of the wizard, with and without a target model and a
// recognised device, the step buttons, BACK / NEXT and the unsaved-changes
// prompt of the settings pages.
#include "WizardHarness.h"
#include "app/resource.h"
#include "framework/TestSeams.h"
#include "texts/WizardTexts.h"

namespace {

const int kAllGroups = (1 << 1) | (1 << 3) | (1 << 2);  // Basic, FM radio, speed dial (0x4D15 has all three)
const int kBasicOnly = 1 << 1;

enum State { kNoTarget, kTargetOnly, kRecognised, kRecognisedBasicOnly, kRecognisedNoGroups };

struct SwitchCase {
    const char* name;
    State state;
    std::function<void(CUpdaterDlg&)> action;
    int expectedPage;
};

void Prepare(CUpdaterDlg& dlg, State state) {
    dlg.m_nTargetModel = 0;
    dlg.m_bRecognized = FALSE;
    dlg.m_nSettingPageCount = 0;
    switch (state) {
    case kNoTarget: break;
    case kTargetOnly: dlg.m_nTargetModel = 0x4D10; break;
    case kRecognised: WizardTest::Recognise(dlg, 0x4D15, kAllGroups); break;
    case kRecognisedBasicOnly: WizardTest::Recognise(dlg, 0x4D10, kBasicOnly); break;
    case kRecognisedNoGroups: WizardTest::Recognise(dlg, 0x4D10, 0); break;
    }
}

void Click(CUpdaterDlg& dlg, int id) {
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(dlg.m_hWnd, id));
}

}  // namespace

TEST_F(WizardTest, EveryPageSwitchLandsWhereTheStateAllows) {
    const SwitchCase cases[] = {
        {"update without target", kNoTarget, [](CUpdaterDlg& d) { d.ShowFirmwareUpdatePage(TRUE); }, 1},
        {"restore without target", kNoTarget, [](CUpdaterDlg& d) { d.ShowFirmwareRestorePage(TRUE); }, 1},
        {"setting without target", kNoTarget, [](CUpdaterDlg& d) { d.ShowDeviceSettingPage(TRUE); }, 1},
        {"recognition without target", kNoTarget, [](CUpdaterDlg& d) { d.ShowRecognitionPage(TRUE, nullptr, 0); }, 1},
        {"update not recognised", kTargetOnly, [](CUpdaterDlg& d) { d.ShowFirmwareUpdatePage(TRUE); }, 2},
        {"restore not recognised", kTargetOnly, [](CUpdaterDlg& d) { d.ShowFirmwareRestorePage(FALSE); }, 2},
        {"setting not recognised", kTargetOnly, [](CUpdaterDlg& d) { d.ShowDeviceSettingPage(TRUE); }, 2},
        {"fm not recognised", kTargetOnly, [](CUpdaterDlg& d) { d.ShowDeviceSettingSecondPage(TRUE); }, 2},
        {"speed dial not recognised", kTargetOnly, [](CUpdaterDlg& d) { d.ShowSpeedDialPage(TRUE); }, 2},
        {"recognition with target", kTargetOnly, [](CUpdaterDlg& d) { d.ShowRecognitionPage(TRUE, nullptr, 0); }, 2},
        {"update", kRecognised, [](CUpdaterDlg& d) { d.ShowFirmwareUpdatePage(TRUE); }, 3},
        {"restore", kRecognised, [](CUpdaterDlg& d) { d.ShowFirmwareRestorePage(TRUE); }, 4},
        {"setting", kRecognised, [](CUpdaterDlg& d) { d.ShowDeviceSettingPage(TRUE); }, 5},
        {"fm radio", kRecognised, [](CUpdaterDlg& d) { d.ShowDeviceSettingSecondPage(FALSE); }, 6},
        {"speed dial", kRecognised, [](CUpdaterDlg& d) { d.ShowSpeedDialPage(TRUE); }, 7},
        {"speed dial the device lacks", kRecognisedBasicOnly, [](CUpdaterDlg& d) { d.ShowSpeedDialPage(TRUE); }, 5},
        {"settings of a device without any", kRecognisedNoGroups, [](CUpdaterDlg& d) { d.ShowDeviceSettingPage(TRUE); }, 1},
        {"go to 1", kRecognised, [](CUpdaterDlg& d) { d.GoToPage(1); }, 1},
        {"go to 2", kRecognised, [](CUpdaterDlg& d) { d.GoToPage(2); }, 2},
        {"go to 3", kRecognised, [](CUpdaterDlg& d) { d.GoToPage(3); }, 3},
        {"go to 6", kRecognised, [](CUpdaterDlg& d) { d.GoToPage(6); }, 6},
        {"go to 0 does nothing", kRecognised, [](CUpdaterDlg& d) { d.GoToPage(0); }, 1},
        {"go to 8 does nothing", kRecognised, [](CUpdaterDlg& d) { d.GoToPage(8); }, 1},
        {"NEXT on welcome", kNoTarget, [](CUpdaterDlg& d) { Click(d, IDC_NEXT); }, 2},
        {"picture on welcome", kNoTarget,
         [](CUpdaterDlg& d) {
             d.m_selectionPage.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SELECTION_PICTURE, BN_CLICKED),
                                           (LPARAM)d.m_selectionPage.m_btnPicture.m_hWnd);
         },
         2},
        {"step update", kRecognised, [](CUpdaterDlg& d) { Click(d, IDC_STEP_UPDATE); }, 3},
        {"step restore", kRecognised, [](CUpdaterDlg& d) { Click(d, IDC_STEP_RESTORE); }, 4},
        {"step setting", kRecognised, [](CUpdaterDlg& d) { Click(d, IDC_STEP_SETTING); }, 5},
        {"step recognition", kRecognised, [](CUpdaterDlg& d) { Click(d, IDC_STEP_RECOGNITION); }, 2},
    };
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        for (const SwitchCase& c : cases) {
            SCOPED_TRACE(c.name);
            dlg.ShowWelcomePage();
            ASSERT_TRUE(WaitIdle(dlg));
            Prepare(dlg, c.state);
            c.action(dlg);
            ASSERT_TRUE(WaitIdle(dlg));
            EXPECT_EQ(dlg.m_nPage, c.expectedPage);
            // Exactly the current page's window shows.
            for (int p = 1; p <= 7; ++p) {
                CWnd* frameChild = nullptr;
                switch (p) {
                case 1: frameChild = &dlg.m_selectionPage; break;
                case 2: frameChild = &dlg.m_recognitionPage; break;
                case 3: frameChild = &dlg.m_updatePage; break;
                case 4: frameChild = &dlg.m_restorePage; break;
                case 5: frameChild = &dlg.m_settingPage; break;
                case 6: frameChild = &dlg.m_settingSecondPage; break;
                case 7: frameChild = &dlg.m_speedDialPage; break;
                }
                EXPECT_EQ(frameChild->IsWindowVisible() != FALSE, p == dlg.m_nPage) << "page " << p;
                EXPECT_EQ(GetMainDialog(frameChild), &dlg);
            }
        }
    });
}

TEST_F(WizardTest, NextAndBackWalkThroughTheSteps) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x4D15, kAllGroups);
        dlg.ShowFirmwareUpdatePage(TRUE);
        ASSERT_TRUE(WaitIdle(dlg));
        const int forward[] = {4, 5, 6, 7, 7};
        for (int expected : forward) {
            Click(dlg, IDC_NEXT);
            ASSERT_TRUE(WaitIdle(dlg));
            EXPECT_EQ(dlg.m_nPage, expected);
        }
        EXPECT_FALSE(::IsWindowEnabled(Item(dlg, IDC_NEXT)));
        const int backward[] = {6, 5, 4, 3};
        for (int expected : backward) {
            Click(dlg, IDC_BACK);
            ASSERT_TRUE(WaitIdle(dlg));
            EXPECT_EQ(dlg.m_nPage, expected);
        }
        Click(dlg, IDC_BACK);  // back to recognition: the device must be recognised again
        EXPECT_EQ(dlg.m_nPage, 2);
        EXPECT_FALSE(dlg.m_bRecognized);
        EXPECT_EQ(dlg.m_nSettingPageCount, 0);
        Click(dlg, IDC_BACK);
        EXPECT_EQ(dlg.m_nPage, 1);
        EXPECT_FALSE(::IsWindowVisible(Item(dlg, IDC_BACK)));
    });
}

TEST_F(WizardTest, RecognitionPageResetsTheDeviceStateAndRunsWhenAsked) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x4D10, kAllGroups);
        dlg.m_nUsbStatus = 0x4D10;
        dlg.ShowFirmwareUpdatePage(TRUE);
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.SetStatusTextForLanguage(L"kept", 0);
        dlg.ShowStatusText(L"kept", FALSE);
        dlg.ShowRecognitionPage(FALSE, nullptr, 105);
        EXPECT_EQ(dlg.m_nPage, 2);
        EXPECT_EQ(dlg.m_recognitionPage.m_nReturnPage, 105);
        EXPECT_FALSE(dlg.m_bRecognized);
        EXPECT_EQ(dlg.m_nUsbStatus, 0);
        EXPECT_EQ(dlg.m_nSettingPageCount, 0);
        EXPECT_FALSE(dlg.m_hHidDevice.IsValid());
        // FALSE leaves the status line to the recognition run, which finds no device.
        CString status;
        dlg.GetStatusText(&status);
        EXPECT_EQ(status, L"Failed to recognize device. Cannot open USB");
        // No device: NEXT is posted and runs the recognition again; the page stays.
        fw::test::PumpFor(100);
        EXPECT_EQ(dlg.m_nPage, 2);

        dlg.ShowRecognitionPage(TRUE, nullptr, 0);
        EXPECT_EQ(dlg.m_recognitionPage.m_nReturnPage, 0);
        CString expected;
        GetTextPageInstruction(expected, 2, 0, 0);
        dlg.GetStatusText(&status);
        EXPECT_EQ(status, expected);
    });
}

TEST_F(WizardTest, WelcomePageForgetsTheDevice) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x5520, kAllGroups);
        dlg.m_nUsbStatus = 0x5520;
        dlg.m_deviceRecord.m_strDeviceName = L"name";
        dlg.ShowWelcomePage();
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_FALSE(dlg.m_bRecognized);
        EXPECT_EQ(dlg.m_nUsbStatus, 0);
        EXPECT_EQ(dlg.m_deviceRecord.m_nModelId, 0);
        EXPECT_TRUE(dlg.m_deviceRecord.m_strDeviceName.IsEmpty());
        EXPECT_EQ(dlg.m_nTargetModel, 0x5520);  // the target stays
        CString status;
        dlg.GetStatusText(&status);
        EXPECT_EQ(status, L"Press NEXT to proceed.");
    });
}

TEST_F(WizardTest, LeavingASettingsPageWithChangesAsksFirst) {
    struct Case {
        const char* name;
        bool changed;
        INT_PTR answer;
        int expectedPage;
    };
    const Case cases[] = {
        {"no changes: no prompt", false, IDOK, 3},
        {"NO discards and goes on", true, IDCANCEL, 3},
        {"YES saves and stays until the save moves on", true, IDOK, 7},
    };
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            m_asked.clear();
            Recognise(dlg, 0x4D10, kAllGroups);
            dlg.ShowSpeedDialPage(TRUE);
            ASSERT_EQ(dlg.m_nPage, 7);
            if (c.changed) dlg.m_speedDialPage.m_workingRecord.m_astrSpeedDial[0] = L"+4912345";
            dlg.UpdateControls();
            EXPECT_EQ(::IsWindowEnabled(Item(dlg, IDC_ACTION)) != FALSE, c.changed);  // SAVE only with changes
            QueueAnswer(c.answer);
            dlg.ShowFirmwareUpdatePage(TRUE);
            ASSERT_TRUE(WaitIdle(dlg));
            EXPECT_EQ(dlg.m_nPage, c.expectedPage);
            // YES saves; with no headset on the bus the save fails with its own box.
            ASSERT_EQ(m_asked.size(), c.changed ? (c.answer == IDOK ? 2u : 1u) : 0u);
            if (c.changed) {
                CString title, expected;
                GetTextPageTitle(title, 7, 0);
                expected.Format(L"Would you like to save %s changes?", (const wchar_t*)title);
                EXPECT_EQ(m_asked[0].text, expected);
                EXPECT_EQ(m_asked[0].ok, L"YES");
                EXPECT_EQ(m_asked[0].cancel, L"NO");
                EXPECT_EQ(m_asked[0].iconKind, 0);
                EXPECT_EQ(m_asked[0].size, CSize(400, 130));
                // NO went there; a failed save (YES) forgot it.
                EXPECT_EQ(dlg.m_speedDialPage.m_nPendingPage, c.answer == IDOK ? 0 : 3);
            }
            if (c.answer == IDCANCEL && c.changed) {
                EXPECT_TRUE(dlg.m_speedDialPage.m_workingRecord.m_astrSpeedDial[0].IsEmpty());
            }
            m_answers.clear();
            dlg.m_speedDialPage.m_workingRecord.m_astrSpeedDial[0].Empty();
            dlg.ShowWelcomePage();
            ASSERT_TRUE(WaitIdle(dlg));
        }
    });
}

TEST_F(WizardTest, SettingGroupsSwitchThePagesAndTheRestoreView) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x4D10, kAllGroups);
        dlg.ShowDeviceSettingPage(TRUE);
        EXPECT_TRUE(::IsWindowVisible(Item(dlg, IDC_GROUP_BASIC)));
        EXPECT_TRUE(::IsWindowVisible(Item(dlg, IDC_GROUP_LIST)));
        Click(dlg, IDC_GROUP_LIST);
        EXPECT_TRUE(dlg.m_bPopupOpen);
        EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(dlg.m_hWnd, IDC_PAGE_LIST)));
        // While the list is open the step buttons and NEXT do nothing.
        Click(dlg, IDC_NEXT);
        EXPECT_EQ(dlg.m_nPage, 5);
        ::SendDlgItemMessageW(dlg.m_hWnd, IDC_PAGE_LIST, LB_SETCURSEL, 2, 0);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PAGE_LIST, LBN_SELCHANGE),
                        (LPARAM)::GetDlgItem(dlg.m_hWnd, IDC_PAGE_LIST));
        EXPECT_FALSE(dlg.m_bPopupOpen);
        EXPECT_EQ(dlg.m_nPage, 7);
        EXPECT_EQ(dlg.FindSettingGroup(7), 2);
        EXPECT_EQ(dlg.FindSettingGroup(6), 1);
        EXPECT_EQ(dlg.FindSettingGroup(3), -1);
        Click(dlg, IDC_GROUP_BASIC);
        EXPECT_EQ(dlg.m_nPage, 5);

        // On the restore page the groups are the backup's.
        dlg.ShowFirmwareRestorePage(TRUE);
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.m_restorePage.m_nSettingPageCount = 2;
        dlg.m_restorePage.m_anSettingPageKind[0] = 1;
        dlg.m_restorePage.m_anSettingPageKind[1] = 2;
        dlg.UpdateControls();
        Click(dlg, IDC_GROUP_LIST);
        ::SendDlgItemMessageW(dlg.m_hWnd, IDC_PAGE_LIST, LB_SETCURSEL, 1, 0);
        dlg.OnLbnSelchangeGroupList();
        EXPECT_EQ(dlg.m_nPage, 4);
        EXPECT_EQ(dlg.m_restorePage.m_nSettingPageIndex, 1);
        Click(dlg, IDC_GROUP_BASIC);
        EXPECT_EQ(dlg.m_restorePage.m_nSettingPageIndex, 0);
    });
}

TEST_F(WizardTest, DeviceFamiliesAndTheDeviceModeBitsAreByModel) {
    CUpdaterDlg dlg;
    struct Case {
        int target, model;
        BOOL same;
    };
    const Case cases[] = {
        {0x4D05, 0x4D05, TRUE}, {0x4D05, 0x4D35, TRUE}, {0x4D05, 0x4D55, TRUE}, {0x4D05, 0x4D15, FALSE},
        {0x4D15, 0x4D45, TRUE}, {0x4D15, 0x4D65, TRUE}, {0x5040, 0x5050, TRUE}, {0x5050, 0x5040, FALSE},
        {0x4D10, 0x4D30, TRUE}, {0x4D10, 0x4D40, TRUE}, {0x4D20, 0x4D50, TRUE}, {0x5010, 0x5060, TRUE},
        {0x5010, 0x5061, TRUE}, {0x5020, 0x5070, TRUE}, {0x5030, 0x5080, TRUE}, {0x5030, 0x5070, FALSE},
        {0x5520, 0x5520, TRUE}, {0x5520, 0x5522, FALSE}, {0, 0x4D30, FALSE},
    };
    for (const Case& c : cases) {
        dlg.m_nTargetModel = c.target;
        EXPECT_EQ(dlg.IsSameDeviceFamily(c.model), c.same) << std::hex << c.target << " " << c.model;
    }
    // Without an open device the mode bits cannot be written.
    hw::CDeviceHandle none;
    EXPECT_EQ(dlg.WriteDeviceModeBits(&none, 3), 0);
    EXPECT_EQ(dlg.WriteDeviceModeBits(nullptr, 3), 0);
}

TEST_F(WizardTest, ALanguageChangeShowsOnlyThePageOnTheScreen) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        CDialog* pages[] = {&dlg.m_selectionPage, &dlg.m_recognitionPage,   &dlg.m_updatePage,
                            &dlg.m_restorePage,   &dlg.m_settingPage,       &dlg.m_settingSecondPage,
                            &dlg.m_speedDialPage};
        auto visible = [&]() {
            std::vector<int> shown;
            for (int i = 0; i < 7; ++i)
                if (::IsWindowVisible(pages[i]->m_hWnd)) shown.push_back(i + 1);
            return shown;
        };
        dlg.m_nTargetModel = 0x4D10;
        dlg.ShowRecognitionPage(TRUE, nullptr, 0);
        for (int language : {4, 8, 0}) {
            dlg.ApplyLanguage(language, TRUE);
            EXPECT_EQ(std::vector<int>{PAGE_RECOGNITION}, visible()) << language;
        }
        Recognise(dlg, 0x4D15, kAllGroups);
        dlg.ShowDeviceSettingSecondPage(TRUE);
        dlg.ApplyLanguage(10, TRUE);
        EXPECT_EQ(std::vector<int>{PAGE_FM_RADIO}, visible());
    });
}

// A model without an FM radio asked for the FM page (its group list says it
// has one) lands on DEVICE SETTING, and only that page is on the screen: the
// FM page is not left visible under or over it.
TEST_F(WizardTest, FmPageForAModelWithoutFmShowsOnlyDeviceSetting) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x4D10, kAllGroups);
        dlg.ShowDeviceSettingSecondPage(TRUE);
        EXPECT_EQ(dlg.m_nPage, PAGE_DEVICE_SETTING);
        EXPECT_TRUE(dlg.m_settingPage.IsWindowVisible());
        EXPECT_FALSE(dlg.m_settingSecondPage.IsWindowVisible());
        EXPECT_FALSE(dlg.m_speedDialPage.IsWindowVisible());
        EXPECT_TRUE(m_asked.empty());  // nothing to save on a page never shown
    });
}
