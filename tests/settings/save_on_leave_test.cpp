// YES in the unsaved-changes prompt with the headset on the bus: the edit is
// written, the headset is recognised again, and the wizard goes on to the
// page the user asked for, with no box beyond the prompt.
#include "SettingsWizard.h"
#include "core/HidProtocol.h"
#include <ostream>

using namespace settingstest;

namespace {

struct Leave {
    const char* name;
    bool hid;      // a HID headset (else one of the chip vendor's family)
    int model;
    int page;      // the settings page left with an edit
    int button;    // the wizard's button pressed
    int arrives;   // the page asked for
};

void PrintTo(const Leave& l, std::ostream* os) { *os << l.name; }

// 0x5610 has Basic, Speed Dial and FM Radio in this order; 0x4D20 at 3.3 has
// the basic settings only.
const Leave kLeaves[] = {
    {"HidSettingNext", true, 0x5610, PAGE_DEVICE_SETTING, IDC_NEXT, PAGE_SPEED_DIAL},
    {"HidFmToRestore", true, 0x5610, PAGE_FM_RADIO, IDC_STEP_RESTORE, PAGE_FIRMWARE_RESTORE},
    {"HidSpeedDialToUpdate", true, 0x5610, PAGE_SPEED_DIAL, IDC_STEP_UPDATE, PAGE_FIRMWARE_UPDATE},
    {"HidSpeedDialNext", true, 0x5610, PAGE_SPEED_DIAL, IDC_NEXT, PAGE_FM_RADIO},
    {"PsSettingBack", false, 0x4D20, PAGE_DEVICE_SETTING, IDC_BACK, PAGE_FIRMWARE_RESTORE},
};

class SaveOnLeaveTest : public SettingsWizardTest, public ::testing::WithParamInterface<Leave> {};

}  // namespace

TEST_P(SaveOnLeaveTest, YesWritesTheHeadsetAndArrivesWhereAsked) {
    const Leave& leave = GetParam();
    sim::DeviceId id = leave.hid ? AddHidHeadset(leave.model, {1, 0}) : AddDfuHeadset(leave.model, 33);
    if (!leave.hid) sim::SetPsKeyWords(id, PSKEY_VOX_PHONE, {0});
    RunWizard([&](CUpdaterDlg& dlg) {
        EnterPage(dlg, leave.model, leave.page);
        // The edit, made with the page's own controls.
        switch (leave.page) {
        case PAGE_DEVICE_SETTING:
            if (leave.hid) {
                dlg.m_settingPage.m_workingRecord.m_bAudioBoost = !dlg.m_settingPage.m_workingRecord.m_bAudioBoost;
                dlg.UpdateControls();
            } else {
                dlg.m_settingPage.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_DS_VOX_PHONE_ENABLE, BN_CLICKED),
                                              (LPARAM)::GetDlgItem(dlg.m_settingPage.m_hWnd, IDC_DS_VOX_PHONE_ENABLE));
            }
            break;
        case PAGE_FM_RADIO:
            dlg.m_settingSecondPage.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FM_RDS_ENABLE, BN_CLICKED),
                                                (LPARAM)::GetDlgItem(dlg.m_settingSecondPage.m_hWnd, IDC_FM_RDS_ENABLE));
            break;
        default:
            ::SetWindowTextW(::GetDlgItem(dlg.m_speedDialPage.m_hWnd, IDC_SD_NUMBER1), L"");
            for (const wchar_t* c = L"+4930"; *c; ++c)
                ::SendMessageW(::GetDlgItem(dlg.m_speedDialPage.m_hWnd, IDC_SD_NUMBER1), WM_CHAR, *c, 0);
            break;
        }
        ASSERT_TRUE(ActionEnabled(dlg));
        CDeviceRecord edited = leave.page == PAGE_DEVICE_SETTING ? dlg.m_settingPage.m_workingRecord
                               : leave.page == PAGE_FM_RADIO     ? dlg.m_settingSecondPage.m_workingRecord
                                                                 : dlg.m_speedDialPage.m_workingRecord;
        m_asked.clear();
        QueueAnswer(IDOK);  // YES
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(leave.button, BN_CLICKED), (LPARAM)Item(dlg, leave.button));
        ASSERT_TRUE(WaitIdle(dlg));
        fw::test::PumpFor(50);
        ASSERT_EQ(1u, m_asked.size()) << "only the prompt";
        EXPECT_NE(-1, m_asked[0].text.Find(L"save"));
        EXPECT_EQ(leave.arrives, dlg.m_nPage);
        EXPECT_TRUE(dlg.m_bRecognized);
        EXPECT_EQ(leave.model, dlg.m_nTargetModel);
        // The wizard holds the saved values, read back from the headset.
        switch (leave.page) {
        case PAGE_DEVICE_SETTING:
            if (leave.hid) EXPECT_EQ(edited.m_bAudioBoost, dlg.m_deviceRecord.m_bAudioBoost);
            else EXPECT_EQ(1, dlg.m_deviceRecord.m_bHandsfreeVox);
            break;
        case PAGE_FM_RADIO:
            EXPECT_EQ(edited.m_bFmRds, dlg.m_deviceRecord.m_bFmRds);
            EXPECT_NE(0, edited.m_bFmRds);
            break;
        default:
            EXPECT_EQ(CString(L"+4930"), dlg.m_deviceRecord.m_astrSpeedDial[0]);
            break;
        }
    });
    if (leave.page == PAGE_SPEED_DIAL) EXPECT_EQ((std::vector<WORD>{'+', '4', '9', '3', '0'}), Block(id, 0x5A));
    if (!leave.hid) EXPECT_EQ(LittleEndian({1}), Written(id, PSKEY_VOX_PHONE));
}

INSTANTIATE_TEST_SUITE_P(Ways, SaveOnLeaveTest, ::testing::ValuesIn(kLeaves),
                         [](const ::testing::TestParamInfo<Leave>& i) { return std::string(i.param.name); });
