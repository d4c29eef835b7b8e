// Pictures of the three settings pages for a person to look at: a model
// with classic rows and a model with the grid, in English, German, Russian
// and Japanese.
#include "tests/app/WizardHarness.h"
#include "framework/TestSeams.h"

namespace {

struct Shot {
    int language;
    const wchar_t* name;
};

void PrintTo(const Shot& shot, std::ostream* os) {
    std::wstring n = shot.name;
    *os << std::string(n.begin(), n.end());
}

class SettingsScreenshotTest : public WizardTest, public ::testing::WithParamInterface<Shot> {
protected:
    void Take(CUpdaterDlg& dlg, const std::wstring& what) {
        dlg.UpdateControls();
        fw::test::PumpFor(200);
        Screenshot(dlg.m_hWnd, (L"settings_" + what + L"_" + GetParam().name).c_str());
    }
    static void FillFm(CDeviceRecord& r) {
        r.m_nFmRegion = 4;
        r.m_anFmPreset[0] = 8750;
        r.m_anFmPreset[1] = 10800;
        r.m_anFmPreset[4] = 9990;
        r.m_bFmRds = 1;
    }
};

}  // namespace

TEST_P(SettingsScreenshotTest, ClassicRowsGridFmRadioAndSpeedDial) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.ApplyLanguage(GetParam().language, TRUE);

        // The densest classic page: nine rows with half rows.
        Recognise(dlg, 0x4D10, (1 << 1) | (1 << 2));
        dlg.m_deviceRecord.m_version.Set(4, 1, 0, 0, 0);
        dlg.m_deviceRecord.m_bHandsfreeVox = 1;
        dlg.GoToPage(PAGE_DEVICE_SETTING);
        ASSERT_EQ(PAGE_DEVICE_SETTING, dlg.m_nPage);
        dlg.m_settingPage.m_workingRecord.m_bIntercomVox = 1;  // SAVE enabled
        Take(dlg, L"classic");
        {
            CRect frame, page;
            dlg.m_pageFrame.GetClientRect(&frame);
            dlg.m_settingPage.GetWindowRect(&page);
            RECT units = {0, 0, 100, 100};
            ::MapDialogRect(dlg.m_settingPage.m_hWnd, &units);
            printf("frame %ld x %ld, page %ld x %ld, 100 DLU = %ld x %ld px\n", frame.Width(), frame.Height(),
                   page.Width(), page.Height(), units.right, units.bottom);
        }

        Recognise(dlg, 0x5210, 1 << 1);
        dlg.m_deviceRecord.m_nRadioTransmitGain = 15;
        dlg.m_deviceRecord.m_nAudioChannelTimeout = 30;
        dlg.GoToPage(PAGE_DEVICE_SETTING);
        Take(dlg, L"gain");

        Recognise(dlg, 0x4D15, (1 << 1) | (1 << 2) | (1 << 3));
        FillFm(dlg.m_deviceRecord);
        dlg.m_deviceRecord.m_astrSpeedDial[0] = L"+49301234567";
        dlg.m_deviceRecord.m_astrSpeedDial[2] = L"08005550100";
        dlg.GoToPage(PAGE_FM_RADIO);
        ASSERT_EQ(PAGE_FM_RADIO, dlg.m_nPage);
        Take(dlg, L"fm_classic");
        dlg.GoToPage(PAGE_SPEED_DIAL);
        ASSERT_EQ(PAGE_SPEED_DIAL, dlg.m_nPage);
        Take(dlg, L"speeddial_classic");

        Recognise(dlg, 0x5610, (1 << 1) | (1 << 2) | (1 << 3));
        FillFm(dlg.m_deviceRecord);
        dlg.GoToPage(PAGE_DEVICE_SETTING);
        Take(dlg, L"grid");
        {
            // At every scaling the grid's rows are as high for the page's
            // dialog units as at 96 dpi (14.4), so that its 121 units show
            // eight of them.
            CListCtrl& grid = dlg.m_settingPage.m_listSettings;
            RECT row = {LVIR_BOUNDS, 0, 0, 0};
            ASSERT_TRUE(grid.SendMessage(LVM_GETITEMRECT, 0, (LPARAM)&row));
            RECT units = {0, 0, 4, 8};
            ::MapDialogRect(dlg.m_settingPage.m_hWnd, &units);
            EXPECT_NEAR((row.bottom - row.top) * 8.0 / units.bottom, 14.4, 1.0) << "row of " << row.bottom - row.top
                                                                               << " pixels";
            EXPECT_EQ(grid.SendMessage(LVM_GETCOUNTPERPAGE, 0, 0), 8);
        }
        dlg.GoToPage(PAGE_FM_RADIO);
        Take(dlg, L"fm_grid");
        dlg.GoToPage(PAGE_SPEED_DIAL);
        Take(dlg, L"speeddial_grid");

        // Presets 7 to 10 of a six-preset headset.
        Recognise(dlg, 0x6010, (1 << 1) | (1 << 3));
        FillFm(dlg.m_deviceRecord);
        dlg.GoToPage(PAGE_FM_RADIO);
        Take(dlg, L"fm_sixpresets");
    });
}

INSTANTIATE_TEST_SUITE_P(Languages, SettingsScreenshotTest,
                         ::testing::Values(Shot{0, L"en"}, Shot{2, L"de"}, Shot{8, L"ru"}, Shot{4, L"ja"}),
                         [](const ::testing::TestParamInfo<Shot>& info) {
                             std::wstring n = info.param.name;
                             return std::string(n.begin(), n.end());
                         });
