// The FM RADIO page in the real wizard, without a headset: stepping through
// a band and past its ends, typed values of every kind, regions, RDS AF,
// DEFAULT and CANCEL, the six-preset headsets and regions the table does
// not know.
#include "tests/app/WizardHarness.h"
#include "framework/TestSeams.h"

namespace {

class FmPageTest : public WizardTest {
protected:
    using Page = CDialogDeviceSettingSecond;
    static Page& P(CUpdaterDlg& dlg) { return dlg.m_settingSecondPage; }
    // The wizard on page 6 for a model whose device record the caller set up.
    static void Enter(CUpdaterDlg& dlg, int model, const std::function<void(CDeviceRecord&)>& device) {
        Recognise(dlg, model, (1 << 1) | (1 << 3));
        device(dlg.m_deviceRecord);
        dlg.m_nPage = PAGE_WELCOME;
        dlg.GoToPage(PAGE_FM_RADIO);
        ASSERT_EQ(PAGE_FM_RADIO, dlg.m_nPage);
    }
    static HWND Control(CUpdaterDlg& dlg, int id) { return ::GetDlgItem(P(dlg).m_hWnd, id); }
    static void Command(CUpdaterDlg& dlg, int id, int code) {
        P(dlg).SendMessage(WM_COMMAND, MAKEWPARAM(id, code), (LPARAM)Control(dlg, id));
    }
    // One click on the spin's upper or lower half.
    static void ClickSpin(CUpdaterDlg& dlg, int i, bool up) {
        HWND spin = Control(dlg, Page::SpinId(i));
        RECT r;
        ::GetClientRect(spin, &r);
        LPARAM at = MAKELPARAM(r.right / 2, up ? r.bottom / 4 : r.bottom * 3 / 4);
        ::SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageW(spin, WM_LBUTTONUP, 0, at);
        fw::test::PumpFor(20);
    }
    static CString EditText(CUpdaterDlg& dlg, int i) {
        wchar_t text[64] = {};
        ::GetWindowTextW(Control(dlg, Page::EditId(i)), text, 64);
        return text;
    }
    static int Preset(CUpdaterDlg& dlg, int i) { return P(dlg).m_workingRecord.m_anFmPreset[i]; }
    // Types text into preset i's edit and leaves it.
    static int Type(CUpdaterDlg& dlg, int i, const wchar_t* text) {
        ::SetWindowTextW(Control(dlg, Page::EditId(i)), text);
        return P(dlg).OnPresetEditKillFocus(i);
    }
    static void Region(CDeviceRecord& r, int region) {
        r.m_nFmRegion = region;
        for (int& p : r.m_anFmPreset) p = 0;
    }
};

}  // namespace

TEST_F(FmPageTest, SteppingGoesChannelByChannelAndWrapsAtTheBandEnds) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        // Americas: a 0.2 MHz grid from 87.5 to 107.9.
        Enter(dlg, 0x5610, [](CDeviceRecord& r) {
            Region(r, 1);
            r.m_anFmPreset[0] = 8750;
        });
        ClickSpin(dlg, 0, true);
        EXPECT_EQ(8770, Preset(dlg, 0));
        EXPECT_EQ(CString(L"87.7"), EditText(dlg, 0));
        ClickSpin(dlg, 0, false);
        EXPECT_EQ(8750, Preset(dlg, 0));
        ClickSpin(dlg, 0, false);
        EXPECT_EQ(10790, Preset(dlg, 0));
        ClickSpin(dlg, 0, true);
        EXPECT_EQ(8750, Preset(dlg, 0));
        // Europe: 0.1 MHz from 87.5 to 108.0.
        Enter(dlg, 0x5610, [](CDeviceRecord& r) {
            Region(r, 4);
            r.m_anFmPreset[0] = 8750;
        });
        ClickSpin(dlg, 0, false);
        EXPECT_EQ(10800, Preset(dlg, 0));
        EXPECT_EQ(CString(L"108.0"), EditText(dlg, 0));
        ClickSpin(dlg, 0, true);
        EXPECT_EQ(8750, Preset(dlg, 0));
        EXPECT_TRUE(::IsWindowEnabled(Item(dlg, IDC_ACTION)) == FALSE);  // back where the headset is
    });
}

TEST_F(FmPageTest, TypedValuesValidOffTheGridOutOfRangeGarbageAndHuge) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter(dlg, 0x5610, [](CDeviceRecord& r) {
            Region(r, 1);
            r.m_anFmPreset[0] = 8750;
        });
        EXPECT_EQ(0, Type(dlg, 0, L"88"));  // off the 0.2 MHz grid
        ASSERT_EQ(1u, m_asked.size());
        EXPECT_EQ(CString(L"FM Radio preset is not valid. Enter valid value again."), m_asked[0].text);
        EXPECT_EQ(1, m_asked[0].iconKind);
        EXPECT_EQ(CSize(415, 130), m_asked[0].size);
        EXPECT_EQ(8750, Preset(dlg, 0));
        EXPECT_EQ(CString(L"87.5"), EditText(dlg, 0));
        EXPECT_EQ(1, Type(dlg, 0, L"88.1"));
        EXPECT_EQ(8810, Preset(dlg, 0));
        const wchar_t* outOfRange[] = {L"120", L"abc", L"", L"-87.5", L"1e308", L"1e40", L"inf", L"nan",
                                       L"99999999999999999999", L"30000000", L"4294967.3"};
        for (const wchar_t* text : outOfRange) {
            m_asked.clear();
            EXPECT_EQ(0, Type(dlg, 0, text)) << (const char*)WideToUtf8(text);
            ASSERT_EQ(1u, m_asked.size()) << (const char*)WideToUtf8(text);
            EXPECT_EQ(CString(L"FM Radio preset should be between 87.5 MHz and 107.9 MHz. Enter valid value again."),
                      m_asked[0].text);
            EXPECT_EQ(8810, Preset(dlg, 0));
        }
        // Rounded to 0.1 MHz before the band is asked.
        Enter(dlg, 0x5610, [](CDeviceRecord& r) {
            Region(r, 4);
            r.m_anFmPreset[0] = 8750;
        });
        EXPECT_EQ(1, Type(dlg, 0, L"87.55"));
        EXPECT_EQ(8760, Preset(dlg, 0));
    });
}

TEST_F(FmPageTest, TickingTakesTheNearestTickedNeighbourAndClearingEmpties) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter(dlg, 0x5610, [](CDeviceRecord& r) {
            Region(r, 4);
            r.m_anFmPreset[1] = 9000;
            r.m_anFmPreset[6] = 10100;
        });
        auto tick = [&](int i) {
            ::SendMessageW(Control(dlg, Page::CheckId(i)), BM_SETCHECK, BST_CHECKED, 0);
            Command(dlg, Page::CheckId(i), BN_CLICKED);
        };
        tick(4);
        EXPECT_EQ(9000, Preset(dlg, 4));
        EXPECT_TRUE(::IsWindowEnabled(Control(dlg, Page::EditId(4))));
        tick(0);
        EXPECT_EQ(9000, Preset(dlg, 0));  // the nearest above
        ::SendMessageW(Control(dlg, Page::CheckId(4)), BM_SETCHECK, BST_UNCHECKED, 0);
        Command(dlg, Page::CheckId(4), BN_CLICKED);
        EXPECT_EQ(0, Preset(dlg, 4));
        EXPECT_EQ(CString(L"Empty"), EditText(dlg, 4));
        EXPECT_FALSE(::IsWindowEnabled(Control(dlg, Page::EditId(4))));
        // With no other preset: the band's start.
        Enter(dlg, 0x5610, [](CDeviceRecord& r) { Region(r, 5); });
        tick(3);
        EXPECT_EQ(7600, Preset(dlg, 3));
    });
}

TEST_F(FmPageTest, RegionsRdsDefaultAndCancel) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter(dlg, 0x4210, [](CDeviceRecord& r) {
            r.m_version.Set(1, 1, 0, 0, 0);
            Region(r, 0);
            r.m_anFmPreset[0] = 7600;
            r.m_anFmPreset[1] = 9500;
            r.m_anFmPreset[2] = 9510;
            r.m_anFmPreset[3] = 10800;
            r.m_bFmRds = 0;
        });
        HWND combo = Control(dlg, IDC_FM_REGION_COMBO);
        ::SendMessageW(combo, CB_SETCURSEL, 5, 0);  // Japan: 76.0 to 95.0
        Command(dlg, IDC_FM_REGION_COMBO, CBN_SELCHANGE);
        const CDeviceRecord& r = P(dlg).m_workingRecord;
        EXPECT_EQ(5, r.m_nFmRegion);
        EXPECT_EQ((std::vector<int>{7600, 9500, 0, 0}),
                  (std::vector<int>{r.m_anFmPreset[0], r.m_anFmPreset[1], r.m_anFmPreset[2], r.m_anFmPreset[3]}));
        Command(dlg, IDC_FM_RDS_ENABLE, BN_CLICKED);
        EXPECT_EQ(1, r.m_bFmRds);
        EXPECT_EQ(BST_CHECKED, ::SendMessageW(Control(dlg, IDC_FM_RDS_ENABLE), BM_GETCHECK, 0, 0));
        EXPECT_EQ(BST_UNCHECKED, ::SendMessageW(Control(dlg, IDC_FM_RDS_DISABLE), BM_GETCHECK, 0, 0));
        EXPECT_TRUE(::IsWindowEnabled(Item(dlg, IDC_ACTION)));
        // DEFAULT of 0x4210 from 1.1: Americas, no presets, RDS AF off.
        Command(dlg, IDC_FM_DEFAULT, BN_CLICKED);
        EXPECT_EQ(1, r.m_nFmRegion);
        for (int p : r.m_anFmPreset) EXPECT_EQ(0, p);
        EXPECT_EQ(0, r.m_bFmRds);
        EXPECT_EQ(1, ::SendMessageW(combo, CB_GETCURSEL, 0, 0));
        Command(dlg, IDC_FM_CANCEL, BN_CLICKED);
        EXPECT_EQ(0, r.m_nFmRegion);
        EXPECT_EQ(9510, r.m_anFmPreset[2]);
        EXPECT_EQ(0, P(dlg).IsSettingsChanged());
        // The help box.
        m_asked.clear();
        Command(dlg, IDC_FM_HELP_RDS, BN_CLICKED);
        ASSERT_EQ(1u, m_asked.size());
        EXPECT_EQ(0, m_asked[0].text.Find(L"[RDS (Radio Data System) AF (Alternative Frequencies)]\n"));
        EXPECT_EQ(CSize(540, 195), m_asked[0].size);
    });
}

TEST_F(FmPageTest, SixPresetHeadsetsShowPresetsSevenToTenButNeverEditThem) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter(dlg, 0x6010, [](CDeviceRecord& r) {
            Region(r, 4);
            r.m_anFmPreset[0] = 8800;
            r.m_anFmPreset[7] = 9000;
        });
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(i < 6, ::IsWindowEnabled(Control(dlg, Page::CheckId(i))) != FALSE) << i;
        EXPECT_FALSE(::IsWindowEnabled(Control(dlg, Page::EditId(7))));
        EXPECT_EQ(CString(L"90.0"), EditText(dlg, 7));
        // A click that reaches a box of them anyway changes nothing.
        ::SendMessageW(Control(dlg, Page::CheckId(8)), BM_SETCHECK, BST_CHECKED, 0);
        Command(dlg, Page::CheckId(8), BN_CLICKED);
        EXPECT_EQ(0, Preset(dlg, 8));
        P(dlg).m_workingRecord.m_anFmPreset[9] = 10000;
        EXPECT_EQ(0, P(dlg).IsSettingsChanged());
    });
}

TEST_F(FmPageTest, ARegionOutsideTheTableIsTakenAsWorldwide) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        for (int region : {6, 9, -1, 0x7FFF}) {
            Enter(dlg, 0x5610, [&](CDeviceRecord& r) {
                Region(r, region);
                r.m_anFmPreset[0] = 7610;   // in the worldwide band
                r.m_anFmPreset[1] = 10810;  // in none
            });
            EXPECT_EQ(0, ::SendMessageW(Control(dlg, IDC_FM_REGION_COMBO), CB_GETCURSEL, 0, 0)) << region;
            EXPECT_EQ(7610, Preset(dlg, 0)) << region;
            EXPECT_EQ(CString(L"76.1"), EditText(dlg, 0));
            EXPECT_EQ(0, Preset(dlg, 1)) << region;
            ClickSpin(dlg, 0, false);
            EXPECT_EQ(7600, Preset(dlg, 0)) << region;
            EXPECT_EQ(1, Type(dlg, 0, L"100.1")) << region;
        }
    });
}
