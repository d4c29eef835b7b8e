// The DEVICE SETTING page in the real wizard, without a headset: the classic
// rows' radios and combos, which rows each model and firmware shows and
// where they stand, DEFAULT and CANCEL, the busy state, the help boxes and
// the page's fonts.
#include "tests/app/WizardHarness.h"
#include "app/MoveWindowScaled.h"
#include "app/ShellOpen.h"
#include "framework/TestSeams.h"
#include "settings/DeviceSettingRows.h"
#include "texts/HelpTexts.h"

namespace {

class DeviceSettingPageTest : public WizardTest {
protected:
    // The wizard on page 5 for a model with the firmware major.minor.
    static void Enter(CUpdaterDlg& dlg, int model, int major, int minor) {
        Recognise(dlg, model, (1 << 1) | (1 << 2) | (1 << 3));
        dlg.m_deviceRecord.m_version.Set(major, minor, 0, 0, 0);
        if (dlg.m_nPage == PAGE_DEVICE_SETTING) dlg.m_nPage = PAGE_WELCOME;  // enter it afresh
        dlg.GoToPage(PAGE_DEVICE_SETTING);
        ASSERT_EQ(PAGE_DEVICE_SETTING, dlg.m_nPage);
    }
    static void Click(CUpdaterDlg& dlg, int id) {
        CDialogDeviceSetting& page = dlg.m_settingPage;
        page.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(page.m_hWnd, id));
    }
    static bool Checked(CUpdaterDlg& dlg, int id) { return dlg.m_settingPage.IsDlgButtonChecked(id) == BST_CHECKED; }
    static bool Visible(CUpdaterDlg& dlg, int id) {
        return (::GetWindowLongW(::GetDlgItem(dlg.m_settingPage.m_hWnd, id), GWL_STYLE) & WS_VISIBLE) != 0;
    }
    static bool Enabled(CUpdaterDlg& dlg, int id) { return ::IsWindowEnabled(::GetDlgItem(dlg.m_settingPage.m_hWnd, id)) != 0; }
    // The classic rows shown, as their label or note ids.
    static std::vector<int> ShownRows(CUpdaterDlg& dlg) {
        std::vector<int> shown;
        for (int r = 0; r < dsrows::kRowCount; ++r) {
            int id = dsrows::ControlsOf((dsrows::Row)r)[0].id;
            if (Visible(dlg, id)) shown.push_back(id);
        }
        return shown;
    }
};

}  // namespace

TEST_F(DeviceSettingPageTest, RadiosWriteTheirFieldsSomeInvertedSomeAsBits) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter(dlg, 0x4D10, 5, 0);
        CDeviceRecord& r = dlg.m_settingPage.m_workingRecord;
        struct Pair { int enable, disable; int CDeviceRecord::*field; int whenEnabled; };
        const Pair pairs[] = {
            {IDC_DS_VOX_PHONE_ENABLE, IDC_DS_VOX_PHONE_DISABLE, &CDeviceRecord::m_bHandsfreeVox, 1},
            {IDC_DS_VOX_INTERCOM_ENABLE, IDC_DS_VOX_INTERCOM_DISABLE, &CDeviceRecord::m_bIntercomVox, 1},
            {IDC_DS_EDR_ENABLE, IDC_DS_EDR_DISABLE, &CDeviceRecord::m_bEdr, 0},
            {IDC_DS_PLC_ENABLE, IDC_DS_PLC_DISABLE, &CDeviceRecord::m_bPlc, 1},
            {IDC_DS_A2DP_ENABLE, IDC_DS_A2DP_DISABLE, &CDeviceRecord::m_bBitpoolRate, 1},
            {IDC_DS_MIC_ENABLE, IDC_DS_MIC_DISABLE, &CDeviceRecord::m_bMicrophoneBoost, 1},
            {IDC_DS_SIDETONE_ENABLE, IDC_DS_SIDETONE_DISABLE, &CDeviceRecord::m_bSidetone, 1},
            {IDC_DS_BOOST_ENABLE, IDC_DS_BOOST_DISABLE, &CDeviceRecord::m_bAudioBoost, 0},
            {IDC_DS_QUIET_ENABLE, IDC_DS_QUIET_DISABLE, &CDeviceRecord::m_bQuietSphere, 0},
            {IDC_DS_AGC_ENABLE, IDC_DS_AGC_DISABLE, &CDeviceRecord::m_bAutoGainControl, 0},
        };
        for (const Pair& p : pairs) {
            Click(dlg, p.enable);
            EXPECT_EQ(p.whenEnabled, r.*p.field) << p.enable;
            EXPECT_TRUE(Checked(dlg, p.enable));
            EXPECT_FALSE(Checked(dlg, p.disable));
            Click(dlg, p.disable);
            EXPECT_EQ(1 - p.whenEnabled, r.*p.field) << p.disable;
            EXPECT_FALSE(Checked(dlg, p.enable));
            EXPECT_TRUE(Checked(dlg, p.disable));
        }
        // Sound Weave and Navigation App Support are bits of word 2.
        r.m_anSettingWord[2] = 0x0001;
        Click(dlg, IDC_DS_WEAVE_ENABLE);
        Click(dlg, IDC_DS_NAVI_ENABLE);
        EXPECT_EQ(0x0A01, r.m_anSettingWord[2]);
        Click(dlg, IDC_DS_WEAVE_DISABLE);
        EXPECT_EQ(0x0201, r.m_anSettingWord[2]);
        // Gain radios.
        Click(dlg, IDC_DS_GAIN_HIGH);
        EXPECT_EQ(17, r.m_nRadioTransmitGain);
        Click(dlg, IDC_DS_GAIN_LOW);
        EXPECT_EQ(12, r.m_nRadioTransmitGain);
        EXPECT_TRUE(Checked(dlg, IDC_DS_GAIN_LOW));
        EXPECT_FALSE(Checked(dlg, IDC_DS_GAIN_HIGH));
    });
}

TEST_F(DeviceSettingPageTest, VoxPhoneAndSidetoneAreBitsOnTheTwoChipHeadsets) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter(dlg, 0x4310, 1, 0);
        CDeviceRecord& r = dlg.m_settingPage.m_workingRecord;
        r.m_bHandsfreeVox = 0;
        r.m_anSettingWord[2] = 0;
        Click(dlg, IDC_DS_VOX_PHONE_ENABLE);
        Click(dlg, IDC_DS_SIDETONE_ENABLE);
        EXPECT_EQ(0x9000, r.m_anSettingWord[2]);
        EXPECT_EQ(0, r.m_bHandsfreeVox);
        EXPECT_EQ(0, r.m_bSidetone);
    });
}

TEST_F(DeviceSettingPageTest, CombosAndTheTimeoutSpin) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter(dlg, 0x5210, 1, 0);
        CDialogDeviceSetting& page = dlg.m_settingPage;
        CDeviceRecord& r = page.m_workingRecord;
        auto pick = [&](int id, int index) {
            HWND combo = ::GetDlgItem(page.m_hWnd, id);
            ::SendMessageW(combo, CB_SETCURSEL, index, 0);
            page.SendMessage(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), (LPARAM)combo);
        };
        pick(IDC_DS_MOTION_COMBO, 2);
        EXPECT_EQ(3, r.GetMotionSensorSensitivity());
        pick(IDC_DS_OVERLAY_COMBO, 0);
        EXPECT_EQ(10, r.GetOverlaySensitivity());
        pick(IDC_DS_OVERLAY_COMBO, 9);
        EXPECT_EQ(1, r.GetOverlaySensitivity());
        ::SendMessageW(::GetDlgItem(page.m_hWnd, IDC_DS_TIMEOUT_SPIN), UDM_SETPOS, 0, MAKELPARAM(42, 0));
        EXPECT_EQ(42, r.m_nAudioChannelTimeout);
        EXPECT_TRUE(::IsWindowEnabled(Item(dlg, IDC_ACTION)));
    });
}

TEST_F(DeviceSettingPageTest, NothingChangesWhileBusyOrWhileTheGroupListIsOpen) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter(dlg, 0x4D10, 5, 0);
        CDeviceRecord& r = dlg.m_settingPage.m_workingRecord;
        r.m_bIntercomVox = 0;
        Click(dlg, IDC_DS_VOX_INTERCOM_DISABLE);
        for (BOOL* flag : {&dlg.m_bBusy, &dlg.m_bPopupOpen}) {
            *flag = TRUE;
            Click(dlg, IDC_DS_VOX_INTERCOM_ENABLE);
            Click(dlg, IDC_DS_DEFAULT);
            EXPECT_EQ(0, r.m_bIntercomVox);
            EXPECT_FALSE(Checked(dlg, IDC_DS_VOX_INTERCOM_ENABLE));
            // A refresh keeps every row where it is but lets nothing be clicked.
            std::vector<int> before = ShownRows(dlg);
            dlg.m_settingPage.UpdateTextsAndVisibility();
            EXPECT_EQ(before, ShownRows(dlg));
            EXPECT_FALSE(Enabled(dlg, IDC_DS_VOX_INTERCOM_ENABLE));
            EXPECT_FALSE(Enabled(dlg, IDC_DS_EDR_HELP));
            EXPECT_FALSE(Visible(dlg, IDC_DS_MORE_SETTINGS));
            *flag = FALSE;
            dlg.m_settingPage.UpdateTextsAndVisibility();
            EXPECT_TRUE(Enabled(dlg, IDC_DS_VOX_INTERCOM_ENABLE));
        }
    });
}

TEST_F(DeviceSettingPageTest, DefaultAndCancel) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x3116, 1 << 1);
        dlg.m_deviceRecord.m_anSettingWord[3] = 0x0123;
        dlg.m_deviceRecord.m_anSettingWord[0] = 0x7777;
        dlg.GoToPage(PAGE_DEVICE_SETTING);
        CDialogDeviceSetting& page = dlg.m_settingPage;
        Click(dlg, IDC_DS_DEFAULT);
        CDeviceRecord defaults;
        defaults.SetCapabilities(0x3116, 1, 2);
        EXPECT_EQ(0x0123, page.m_workingRecord.m_anSettingWord[3]);  // kept from the device
        EXPECT_EQ(defaults.m_anSettingWord[0], page.m_workingRecord.m_anSettingWord[0]);
        Click(dlg, IDC_DS_CANCEL);
        EXPECT_EQ(0x7777, page.m_workingRecord.m_anSettingWord[0]);
        EXPECT_EQ(0, page.IsSettingsChanged());
    });
}

TEST_F(DeviceSettingPageTest, RowsShownPerModelAndFirmware) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        const int VP = IDC_DS_VOX_PHONE_LABEL, VI = IDC_DS_VOX_INTERCOM_LABEL, EDR = IDC_DS_EDR_LABEL,
                  NOTE = IDC_DS_EDR_NOTE, PLC = IDC_DS_PLC_LABEL, A2DP = IDC_DS_A2DP_LABEL, MIC = IDC_DS_MIC_LABEL,
                  SIDE = IDC_DS_SIDETONE_LABEL, QS = IDC_DS_QUIET_LABEL, GAIN = IDC_DS_GAIN_LABEL,
                  TIME = IDC_DS_TIMEOUT_LABEL, RESTART = IDC_DS_RESTART_NOTE;
        struct Case { int model, major, minor; std::vector<int> rows; };
        const Case cases[] = {
            {0x4D10, 4, 1, {VI, VP, EDR, NOTE, PLC, A2DP, MIC, RESTART}},
            {0x4D10, 4, 2, {VI, VP, EDR, A2DP, MIC, RESTART}},
            {0x4D10, 5, 0, {VI, VP, EDR, A2DP, MIC, SIDE, RESTART}},
            {0x4D10, 3, 9, {VI, VP, EDR, NOTE, RESTART}},
            {0x5020, 5, 0, {VI, VP, EDR, A2DP, RESTART}},
            {0x5010, 5, 0, {VI, VP, EDR, A2DP, SIDE, RESTART}},
            {0x4D15, 1, 1, {VP, EDR, NOTE, PLC, RESTART}},
            {0x4D15, 1, 2, {VP, EDR, A2DP, RESTART}},
            {0x4D15, 2, 0, {VP, EDR, A2DP, SIDE, RESTART}},
            {0x2020, 1, 0, {VI, VP, EDR, A2DP, SIDE, RESTART}},
            {0x2020, 1, 1, {VI, VP, EDR, A2DP, SIDE, QS, RESTART}},
            {0x5210, 1, 0, {GAIN, TIME, RESTART}},
            {0x4210, 1, 2, {}},
            {0x3020, 1, 0, {}},
        };
        for (const Case& c : cases) {
            Enter(dlg, c.model, c.major, c.minor);
            EXPECT_EQ(c.rows, ShownRows(dlg)) << std::hex << c.model << " " << c.major << "." << c.minor;
            bool grid = c.model == 0x4210;
            EXPECT_EQ(grid, Visible(dlg, IDC_SETTING_LIST)) << std::hex << c.model;
            EXPECT_EQ(grid, Enabled(dlg, IDC_SETTING_LIST)) << std::hex << c.model;
            EXPECT_FALSE(Visible(dlg, IDC_DS_MORE_SETTINGS));
            EXPECT_TRUE(Visible(dlg, IDC_DS_DEFAULT));
            // Hidden controls that can be clicked are disabled too.
            EXPECT_EQ(Visible(dlg, IDC_DS_EDR_ENABLE), Enabled(dlg, IDC_DS_EDR_ENABLE));
        }
    });
}

TEST_F(DeviceSettingPageTest, GridColumnsAndTheNoteButtonFollowModelAndLanguage) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        CListCtrl& grid = dlg.m_settingPage.m_listSettings;
        Enter(dlg, 0x5510, 1, 0);
        EXPECT_EQ((std::vector<int>{30, 310, 170}),
                  (std::vector<int>{grid.GetColumnWidth(0), grid.GetColumnWidth(1), grid.GetColumnWidth(2)}));
        dlg.ApplyLanguage(8, FALSE);
        EXPECT_EQ((std::vector<int>{30, 280, 200}),
                  (std::vector<int>{grid.GetColumnWidth(0), grid.GetColumnWidth(1), grid.GetColumnWidth(2)}));
        EXPECT_FALSE(Visible(dlg, IDC_DS_NOTE_BUTTON));  // a grid model
        Enter(dlg, 0x5610, 1, 0);
        // Russian check boxes need more than 170 pixels for both words: the
        // value column takes them from the names, the two keep their sum.
        EXPECT_EQ(480, grid.GetColumnWidth(1) + grid.GetColumnWidth(2));
        EXPECT_GT(grid.GetColumnWidth(2), 170);
        dlg.ApplyLanguage(0, FALSE);
        EXPECT_EQ(310, grid.GetColumnWidth(1));
        dlg.ApplyLanguage(8, FALSE);
        Enter(dlg, 0x2020, 1, 0);
        for (int language = 0; language < 13; ++language) {
            dlg.ApplyLanguage(language, FALSE);
            bool shown = language == 1 || language == 7 || language == 8;
            EXPECT_EQ(shown, Visible(dlg, IDC_DS_NOTE_BUTTON)) << language;
        }
        dlg.ApplyLanguage(0, FALSE);
    });
}

TEST_F(DeviceSettingPageTest, RowsStandAtTheirPlacesOfTheModelsLayout) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter(dlg, 0x4D10, 4, 1);
        CDialogDeviceSetting& page = dlg.m_settingPage;
        CRect pageRect;
        page.GetWindowRect(&pageRect);
        // R 9.5, margin 2: the row height is (height - 4) / 9.5.
        float rowHeight = (float)(pageRect.Height() - 4) / 9.5f;
        const std::pair<int, float> places[] = {
            {IDC_DS_DEFAULT, 0},        {IDC_DS_VOX_PHONE_LABEL, 1}, {IDC_DS_VOX_INTERCOM_ENABLE, 2},
            {IDC_DS_EDR_HELP, 3},       {IDC_DS_EDR_NOTE, 4},        {IDC_DS_PLC_DISABLE, 5.5f},
            {IDC_DS_A2DP_LABEL, 6.5f},  {IDC_DS_MIC_LABEL, 7.5f},    {IDC_DS_RESTART_NOTE, 8.5f},
        };
        for (const auto& p : places) {
            CRect r;
            ::GetWindowRect(::GetDlgItem(page.m_hWnd, p.first), &r);
            float slack = rowHeight - r.Height();
            if (slack < 0) slack = 0;
            int top = (int)(2 + rowHeight * p.second + slack / 2);
            EXPECT_EQ(top, r.top - pageRect.top) << p.first;
        }
        // A layout without rows of its own: the gain row stays where it was.
        CRect gain;
        ::GetWindowRect(::GetDlgItem(page.m_hWnd, IDC_DS_GAIN_LOW), &gain);
        Enter(dlg, 0x5210, 1, 0);
        CRect after;
        ::GetWindowRect(::GetDlgItem(page.m_hWnd, IDC_DS_GAIN_LOW), &after);
        EXPECT_EQ(gain, after);
        // The radios show the record: EDR's Enable when its flag is 0.
        Enter(dlg, 0x4D10, 5, 0);
        page.m_workingRecord.m_bEdr = 0;
        page.ArrangeRowsForModel();
        EXPECT_TRUE(Checked(dlg, IDC_DS_EDR_ENABLE));
    });
}

TEST_F(DeviceSettingPageTest, HelpBoxesAndTheMailButtonOfTheEdrBox) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter(dlg, 0x4D10, 5, 0);
        std::vector<CString> opened;
        apptest::SetShellOpenHandler([&](const CString& target) {
            opened.push_back(target);
            return TRUE;
        });
        // Esc (or closing the box) is not the mail button.
        QueueAnswer(IDCANCEL);
        Click(dlg, IDC_DS_EDR_HELP);
        ASSERT_EQ(1u, m_asked.size());
        CString edr;
        GetTextHelpEdr(edr, 0);
        EXPECT_EQ(edr, m_asked[0].text);
        EXPECT_EQ(CString(L"SEND Email"), m_asked[0].link);
        EXPECT_TRUE(m_asked[0].cancel.IsEmpty());
        EXPECT_EQ(CSize(510, 200), m_asked[0].size);
        EXPECT_TRUE(opened.empty());

        // The mail button opens a mail and leaves the box open.
        fw::test::SetModalAnswer([](CDialog&) -> std::optional<INT_PTR> { return std::nullopt; });
        fw::test::SetModalShown([&](CDialog& box) {
            box.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MSG_LINK, BN_CLICKED), (LPARAM)::GetDlgItem(box.m_hWnd, IDC_MSG_LINK));
            EXPECT_TRUE(::IsWindowVisible(box.m_hWnd));
            box.SendMessage(WM_KEYDOWN, VK_ESCAPE);
            box.EndDialog(IDOK);
        });
        Click(dlg, IDC_DS_EDR_HELP);
        ASSERT_EQ(1u, opened.size());
        EXPECT_EQ(0, opened[0].Find(L"mailto:"));
        fw::test::SetModalShown(nullptr);
        TearDown();  // the harness's answers again
        SetUp();
        m_asked.clear();

        // The Japanese microphone box is larger; Quiet Sphere names itself.
        dlg.ApplyLanguage(4, FALSE);
        Click(dlg, IDC_DS_MIC_HELP);
        dlg.ApplyLanguage(0, FALSE);
        Click(dlg, IDC_DS_MIC_HELP);
        Click(dlg, IDC_DS_QUIET_HELP);
        ASSERT_EQ(3u, m_asked.size());
        EXPECT_EQ(CSize(550, 250), m_asked[0].size);
        EXPECT_EQ(CSize(510, 210), m_asked[1].size);
        EXPECT_GE(m_asked[2].text.Find(L"Quiet Sphere"), 0);
        EXPECT_LT(m_asked[2].text.Find(L"%s"), 0);
        // The note box: the page title in brackets over the restart note.
        Click(dlg, IDC_DS_NOTE_BUTTON);
        ASSERT_EQ(4u, m_asked.size());
        EXPECT_EQ(CString(L"[DEVICE SETTING]\nNOTE: Changes will be applied after device restarts."), m_asked[3].text);
        EXPECT_EQ(CSize(510, 160), m_asked[3].size);
    });
}

TEST_F(DeviceSettingPageTest, TheBoldFontsAreMadeOnceAndKept) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter(dlg, 0x4D10, 5, 0);
        CDialogDeviceSetting& page = dlg.m_settingPage;
        HWND label = ::GetDlgItem(page.m_hWnd, IDC_DS_VOX_PHONE_LABEL);
        HFONT first = (HFONT)::SendMessageW(label, WM_GETFONT, 0, 0);
        LOGFONTW lf = {};
        ::GetObjectW(first, sizeof(lf), &lf);
        EXPECT_EQ(FW_BOLD, lf.lfWeight);
        for (int i = 0; i < 20; ++i) {
            page.UpdateTextsAndVisibility();
            page.ApplyBoldFonts();
        }
        EXPECT_EQ(first, (HFONT)::SendMessageW(label, WM_GETFONT, 0, 0));
        // Japanese: the onboard-audio note gets its own font, also kept.
        dlg.ApplyLanguage(4, FALSE);
        HWND note = ::GetDlgItem(page.m_hWnd, IDC_DS_EDR_NOTE);
        HFONT japanese = (HFONT)::SendMessageW(note, WM_GETFONT, 0, 0);
        EXPECT_NE(first, japanese);
        dlg.ApplyLanguage(4, FALSE);
        EXPECT_EQ(japanese, (HFONT)::SendMessageW(note, WM_GETFONT, 0, 0));
        dlg.ApplyLanguage(0, FALSE);
        EXPECT_EQ(first, (HFONT)::SendMessageW(note, WM_GETFONT, 0, 0));
    });
}
