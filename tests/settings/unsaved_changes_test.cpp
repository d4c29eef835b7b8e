// Leaving a settings page with unsaved changes, by every way out: the step
// buttons, BACK and NEXT. NO goes where the user asked and forgets the
// edits, YES saves first; without changes nothing is asked, and a language
// change keeps the page and its edits.
#include "tests/app/WizardHarness.h"
#include "framework/TestSeams.h"
#include <ostream>

namespace {

struct Way {
    const char* name;
    int page;      // the settings page left
    int button;    // the wizard's button pressed
    int arrives;   // the page it leads to
};

void PrintTo(const Way& w, std::ostream* os) { *os << w.name; }

const Way kWays[] = {
    {"SettingToWelcome", PAGE_DEVICE_SETTING, IDC_STEP_WELCOME, PAGE_WELCOME},
    {"SettingToRecognition", PAGE_DEVICE_SETTING, IDC_STEP_RECOGNITION, PAGE_RECOGNITION},
    {"SettingToUpdate", PAGE_DEVICE_SETTING, IDC_STEP_UPDATE, PAGE_FIRMWARE_UPDATE},
    {"SettingToRestore", PAGE_DEVICE_SETTING, IDC_STEP_RESTORE, PAGE_FIRMWARE_RESTORE},
    {"SettingBack", PAGE_DEVICE_SETTING, IDC_BACK, PAGE_FIRMWARE_RESTORE},
    {"SettingNext", PAGE_DEVICE_SETTING, IDC_NEXT, PAGE_FM_RADIO},
    {"FmToUpdate", PAGE_FM_RADIO, IDC_STEP_UPDATE, PAGE_FIRMWARE_UPDATE},
    {"FmBack", PAGE_FM_RADIO, IDC_BACK, PAGE_DEVICE_SETTING},
    {"FmNext", PAGE_FM_RADIO, IDC_NEXT, PAGE_SPEED_DIAL},
    {"SpeedDialToWelcome", PAGE_SPEED_DIAL, IDC_STEP_WELCOME, PAGE_WELCOME},
    {"SpeedDialBack", PAGE_SPEED_DIAL, IDC_BACK, PAGE_FM_RADIO},
};

class UnsavedChangesTest : public WizardTest, public ::testing::WithParamInterface<Way> {
protected:
    static void Enter(CUpdaterDlg& dlg, int page) {
        Recognise(dlg, 0x4D15, (1 << 1) | (1 << 3) | (1 << 2));
        dlg.m_deviceRecord.m_nFmRegion = 4;
        dlg.m_deviceRecord.m_astrSpeedDial[0] = L"112";
        dlg.GoToPage(page);
        ASSERT_EQ(page, dlg.m_nPage);
    }
    // A change on the page, as its controls make it.
    static CDeviceRecord& Edit(CUpdaterDlg& dlg, int page) {
        switch (page) {
        case PAGE_DEVICE_SETTING: {
            CDialogDeviceSetting& p = dlg.m_settingPage;
            int id = p.m_workingRecord.m_bHandsfreeVox ? IDC_DS_VOX_PHONE_DISABLE : IDC_DS_VOX_PHONE_ENABLE;
            p.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(p.m_hWnd, id));
            return p.m_workingRecord;
        }
        case PAGE_FM_RADIO: {
            CDialogDeviceSettingSecond& p = dlg.m_settingSecondPage;
            p.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FM_RDS_ENABLE, BN_CLICKED),
                          (LPARAM)::GetDlgItem(p.m_hWnd, IDC_FM_RDS_ENABLE));
            return p.m_workingRecord;
        }
        default: {
            CDialogDeviceSettingSpeedDial& p = dlg.m_speedDialPage;
            ::SendMessageW(::GetDlgItem(p.m_hWnd, IDC_SD_NUMBER3), WM_CHAR, L'7', 0);
            return p.m_workingRecord;
        }
        }
    }
    static void Press(CUpdaterDlg& dlg, int button) {
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), (LPARAM)Item(dlg, button));
        fw::test::PumpFor(50);
    }
    static int Unsaved(CUpdaterDlg& dlg, int page) {
        return page == PAGE_DEVICE_SETTING ? dlg.m_settingPage.HasUnsavedChanges()
               : page == PAGE_FM_RADIO     ? dlg.m_settingSecondPage.HasUnsavedChanges()
                                           : dlg.m_speedDialPage.HasUnsavedChanges();
    }
};

}  // namespace

TEST_P(UnsavedChangesTest, NoLeavesWithoutTheEdits) {
    const Way& way = GetParam();
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter(dlg, way.page);
        Edit(dlg, way.page);
        ASSERT_EQ(1, Unsaved(dlg, way.page));
        m_asked.clear();
        QueueAnswer(IDCANCEL);  // NO
        Press(dlg, way.button);
        ASSERT_EQ(1u, m_asked.size());
        EXPECT_EQ(CString(L"Would you like to save DEVICE SETTING changes?"), m_asked[0].text);
        EXPECT_EQ(CString(L"YES"), m_asked[0].ok);
        EXPECT_EQ(CString(L"NO"), m_asked[0].cancel);
        EXPECT_EQ(0, m_asked[0].iconKind);
        EXPECT_EQ(CSize(400, 130), m_asked[0].size);
        EXPECT_EQ(way.arrives, dlg.m_nPage);
        if (dlg.m_bRecognized) EXPECT_EQ(0, Unsaved(dlg, way.page));
    });
}

TEST_P(UnsavedChangesTest, WithoutChangesNothingIsAsked) {
    const Way& way = GetParam();
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter(dlg, way.page);
        m_asked.clear();
        Press(dlg, way.button);
        EXPECT_TRUE(m_asked.empty());
        EXPECT_EQ(way.arrives, dlg.m_nPage);
    });
}

TEST_P(UnsavedChangesTest, YesSavesFirstAndAFailedSaveStaysWithTheEdits) {
    const Way& way = GetParam();
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter(dlg, way.page);
        CDeviceRecord edited = Edit(dlg, way.page);
        m_asked.clear();
        QueueAnswer(IDOK);  // YES; no headset is on the bus
        Press(dlg, way.button);
        ASSERT_EQ(2u, m_asked.size());
        EXPECT_EQ(CString(L"Recognized device is not connected or is not the same as the connected device.\n"
                          L"Select appropriate device.\n"),
                  m_asked[1].text);
        EXPECT_EQ(way.page, dlg.m_nPage);
        EXPECT_EQ(1, Unsaved(dlg, way.page));
        // The page asked for is forgotten: a later SAVE stays here.
        int pending = way.page == PAGE_DEVICE_SETTING ? dlg.m_settingPage.m_nPendingPage
                      : way.page == PAGE_FM_RADIO     ? dlg.m_settingSecondPage.m_nPendingPage
                                                      : dlg.m_speedDialPage.m_nPendingPage;
        EXPECT_EQ(0, pending);
        CString status;
        dlg.GetStatusText(&status);
        EXPECT_EQ(CString(L"Failed to save device setting. Not the recognized device"), status);
    });
}

INSTANTIATE_TEST_SUITE_P(Ways, UnsavedChangesTest, ::testing::ValuesIn(kWays),
                         [](const ::testing::TestParamInfo<Way>& i) { return std::string(i.param.name); });

TEST(UnsavedChangesLanguageTest, ALanguageChangeKeepsThePageAndItsEdits) {
    struct Harness : WizardTest {
        void TestBody() override {}
        void Run() {
            SetUp();
            RunWizard([&](CUpdaterDlg& dlg) {
                ASSERT_TRUE(WaitIdle(dlg));
                Recognise(dlg, 0x4D15, (1 << 1) | (1 << 3) | (1 << 2));
                for (int page : {PAGE_DEVICE_SETTING, PAGE_FM_RADIO, PAGE_SPEED_DIAL}) {
                    m_asked.clear();
                    QueueAnswer(IDCANCEL);
                    dlg.GoToPage(page);
                    ASSERT_EQ(page, dlg.m_nPage);
                    if (page == PAGE_DEVICE_SETTING) dlg.m_settingPage.m_workingRecord.m_bIntercomVox ^= 1;
                    if (page == PAGE_FM_RADIO) dlg.m_settingSecondPage.m_workingRecord.m_bFmRds ^= 1;
                    if (page == PAGE_SPEED_DIAL) dlg.m_speedDialPage.m_workingRecord.m_astrSpeedDial[1] = L"9";
                    m_asked.clear();
                    dlg.ApplyLanguage(2, FALSE);
                    dlg.ApplyLanguage(0, FALSE);
                    EXPECT_TRUE(m_asked.empty());
                    EXPECT_EQ(page, dlg.m_nPage);
                    int unsaved = page == PAGE_DEVICE_SETTING ? dlg.m_settingPage.HasUnsavedChanges()
                                  : page == PAGE_FM_RADIO     ? dlg.m_settingSecondPage.HasUnsavedChanges()
                                                              : dlg.m_speedDialPage.HasUnsavedChanges();
                    EXPECT_EQ(1, unsaved) << page;
                }
            });
            TearDown();
        }
    } harness;
    harness.Run();
}

TEST(UnsavedChangesCloseTest, ClosingAsksAndYesClosesOnlyAfterASave) {
    struct Harness : WizardTest {
        void TestBody() override {}
        void Run(INT_PTR answer, bool closes) {
            SetUp();
            RunWizard([&](CUpdaterDlg& dlg) {
                ASSERT_TRUE(WaitIdle(dlg));
                Recognise(dlg, 0x4D15, (1 << 1) | (1 << 3) | (1 << 2));
                dlg.GoToPage(PAGE_SPEED_DIAL);
                ASSERT_EQ(PAGE_SPEED_DIAL, dlg.m_nPage);
                // Without changes: no question.
                m_asked.clear();
                dlg.m_speedDialPage.m_workingRecord.m_astrSpeedDial[1] = L"9";
                QueueAnswer(answer);
                dlg.SendMessage(WM_CLOSE);
                fw::test::PumpFor(30);
                ASSERT_GE(m_asked.size(), 1u);
                EXPECT_EQ(CString(L"Would you like to save DEVICE SETTING changes?"), m_asked[0].text);
                EXPECT_EQ(closes, !dlg.IsWindowVisible());  // an ended wizard hides at once
                if (!closes) {
                    // YES without a headset: the save failed, the edits wait.
                    EXPECT_EQ(CString(L"9"), dlg.m_speedDialPage.m_workingRecord.m_astrSpeedDial[1]);
                    dlg.m_speedDialPage.m_workingRecord.m_astrSpeedDial[1] = L"";
                    m_asked.clear();
                    dlg.SendMessage(WM_CLOSE);
                    fw::test::PumpFor(30);
                    EXPECT_TRUE(m_asked.empty());
                    EXPECT_FALSE(dlg.IsWindowVisible());
                }
            });
            TearDown();
        }
    };
    Harness().Run(IDCANCEL, true);
    Harness().Run(IDOK, false);
}
