// Pictures of the settings grid for a person to look at: one model of each
// family of row lists in English, and the camera headset and the bit-packed
// headset in German, Russian and Japanese.
#include "tests/app/WizardHarness.h"
#include "framework/TestSeams.h"
#include "texts/Language.h"

namespace {

struct Shot {
    int language;
    const wchar_t* name;
};

void PrintTo(const Shot& shot, std::ostream* os) {
    std::wstring n = shot.name;
    *os << std::string(n.begin(), n.end());
}

struct Model {
    int id, major, minor;
    const wchar_t* name;
    bool everyLanguage;
};

// Varied values: both words marked somewhere, some rows resting, every
// list with a selected option.
void Vary(CDeviceRecord& r, int model) {
    r.m_bAudioBoost = 1;
    r.m_bHandsfreeVox = 1;
    r.m_bVoicePrompt = 1;
    r.m_bSoundBlend = 1;
    r.m_bAudioSourcePriority = 1;
    r.m_anVoxSensitivity[0] = 3;
    r.m_anSmartVolume[0] = 2;
    r.m_anSettingWord[0] = 0x0A05;
    r.m_anSettingWord[1] = 0x0903 | (2 << 3);
    r.m_anSettingWord[2] = 0x2A44;
    r.m_anSettingWord[3] = 0x0009 | (2 << 6);
    r.m_anCameraWord[0] = 0x0345;
    r.m_anCameraWord[2] = 0x0086;
    if (model == 0x4210 || model == 0x4310) {
        r.m_anSettingWord[0] = 4;  // whole words there: overlay and motion sensor levels
        r.m_anSettingWord[3] = 2;
    }
}

const Model kModels[] = {
    {0x4210, 1, 5, L"4210", false}, {0x4310, 1, 0, L"4310", false}, {0x5510, 3, 0, L"5510", true},
    {0x5570, 1, 0, L"5570", false}, {0x3110, 2, 2, L"3110", true},  {0x5622, 2, 0, L"5622", false},
    {0x6400, 1, 0, L"6400", false}, {0x6010, 1, 2, L"6010", false},
};

class RowsScreenshotTest : public WizardTest, public ::testing::WithParamInterface<Shot> {};

}  // namespace

TEST_P(RowsScreenshotTest, GridOfEachFamily) {
    const Shot shot = GetParam();
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.ApplyLanguage(shot.language, TRUE);
        for (const Model& m : kModels) {
            if (shot.language != texts::kEnglish && !m.everyLanguage) continue;
            Recognise(dlg, m.id, 1 << 1);
            dlg.m_deviceRecord.m_version.Set(m.major, m.minor, 0, 0, 0);
            Vary(dlg.m_deviceRecord, m.id);
            dlg.GoToPage(PAGE_DEVICE_SETTING);
            ASSERT_EQ(PAGE_DEVICE_SETTING, dlg.m_nPage);
            CConfigListCtrl& grid = dlg.m_settingPage.m_listSettings;
            ASSERT_GT(grid.GetItemCount(), 0);
            dlg.UpdateControls();
            fw::test::PumpFor(200);
            Screenshot(dlg.m_hWnd, (std::wstring(L"rows_") + m.name + L"_" + shot.name).c_str());
            // The rows further down, a page at a time.
            for (int page = 1; page <= 4; ++page) {
                const int top = grid.GetTopIndex();
                grid.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
                fw::test::PumpFor(100);
                if (grid.GetTopIndex() == top) break;
                // Rows further down are reached with the grid's scroll bar.
                EXPECT_TRUE(grid.GetStyle() & WS_VSCROLL);
                Screenshot(dlg.m_hWnd,
                           (std::wstring(L"rows_") + m.name + L"_" + shot.name + L"_" + std::to_wstring(page)).c_str());
            }
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Languages, RowsScreenshotTest,
                         ::testing::Values(Shot{texts::kEnglish, L"en"}, Shot{texts::kGerman, L"de"},
                                           Shot{texts::kRussian, L"ru"}, Shot{texts::kJapanese, L"ja"}),
                         [](const ::testing::TestParamInfo<Shot>& info) {
                             std::wstring n = info.param.name;
                             return std::string(n.begin(), n.end());
                         });
