// The backup settings view on the real FIRMWARE RESTORE page: the grid
// holds the archived settings of a grid model, is rebuilt (not added to) on
// every refresh, follows the UI language, hides for the Speed Dial and FM
// Radio kinds, and stays as it was for a model without rows.
#include "../app/KeyboardSupport.h"
#include "../app/WizardHarness.h"
#include <cstring>
#include <vector>
#include "core/ModelCatalog.h"
#include "framework/TestSeams.h"
#include "restore/BackupFeatureList.h"
#include "texts/LabelTables.h"
#include "texts/WizardTexts.h"

namespace {

const int kAllGroups = (1 << 1) | (1 << 2) | (1 << 3);

std::string Archive40N(const char* version) {
    return std::string("keyManagerVersion=1.1\r\nkeyDeviceRecognized=21792\r\nkeyDeviceName=Rider\r\nkeyDeviceVersion=") +
           version +
           "\r\nkeyDateArchived=02/03/2021 09:05:07\r\nkeyIntercomVOX=1\r\nkeyHandsfreeVOX=0\r\nkeyVoicePrompt=1\r\n"
           "keyBitpoolRate=0\r\nkeySidetone=1\r\nkeyQuietSphere=0\r\nkeyAudioBoost=0\r\nkeyHDIntercom=1\r\n"
           "keyFMStationGuide=0\r\nkeyHDVoice=1\r\nkeyAudioSourcePriority=1\r\nkeySoundBlend=0\r\n"
           "keyBasicSetting40NVOXSensitivity01=3\r\nkeyBasicSetting40NVOXSensitivity02=0\r\n";
}

class BackupViewPageTest : public WizardTest {
protected:
    CDialogFirmwareRestore& Page(CUpdaterDlg& dlg) { return dlg.m_restorePage; }
    bool GridShown(CUpdaterDlg& dlg) { return ::IsWindowVisible(Page(dlg).m_listFeatures.m_hWnd) != FALSE; }
    CString Cell(CUpdaterDlg& dlg, int row, int column) { return Page(dlg).m_listFeatures.GetItemText(row, column); }

    void Enter40N(CUpdaterDlg& dlg, const char* version) {
        m_server.PutFile("/zarnbluetoothmanager/Revisions", std::string("40N : v") + version + " : 40N.img\n");
        WriteImageFile(L"40N.talvoarch", Archive40N(version));
        Recognise(dlg, 0x5520, kAllGroups);
        dlg.ShowFirmwareRestorePage(TRUE);
        ASSERT_TRUE(WaitIdle(dlg));
        ASSERT_TRUE(Page(dlg).m_firmwareInfo.m_bBackupAvailable);
    }
    // What the main dialog's group buttons do on this page.
    void Select(CUpdaterDlg& dlg, int index) {
        Page(dlg).m_nSettingPageIndex = index;
        Page(dlg).ShowBackupInfoLabels();
        Page(dlg).RefreshPage();
    }
    int IndexOfKind(CUpdaterDlg& dlg, int kind) {
        for (int i = 0; i < Page(dlg).m_nSettingPageCount; ++i)
            if (Page(dlg).m_anSettingPageKind[i] == kind) return i;
        return -1;
    }
};

}  // namespace

TEST_F(BackupViewPageTest, TheGridHoldsTheArchivedSettingsOnceWhateverTheRefreshes) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter40N(dlg, "2.0");
        CDialogFirmwareRestore& page = Page(dlg);
        ASSERT_EQ(page.m_anSettingPageKind[page.m_nSettingPageIndex], SETTING_PAGE_BASIC);
        EXPECT_TRUE(GridShown(dlg));
        const wchar_t* labels[] = {L"Audio Boost", L"VOX Phone", L"VOX Intercom", L"Sound Weave\x2122",
                                   L"Audio Source Priority", L"HD Voice", L"HD Intercom", L"VOX Sensitivity",
                                   L"Voice Prompt", L"FM Station Guide", L"Sidetone", L"Quiet Sphere\x2122"};
        const wchar_t* values[] = {L"Enabled", L"Disabled", L"Enabled",  L"Disabled", L"Music",    L"Enabled",
                                   L"Enabled", L"Level 3",  L"Disabled", L"Disabled", L"Enabled", L"Enabled"};
        for (int pass = 0; pass < 2; ++pass) {
            ASSERT_EQ(page.m_listFeatures.GetItemCount(), 12) << "pass " << pass;
            for (int r = 0; r < 12; ++r) {
                EXPECT_EQ(Cell(dlg, r, 0), labels[r]) << r;
                EXPECT_EQ(Cell(dlg, r, 1), L":") << r;
                EXPECT_EQ(Cell(dlg, r, 2), values[r]) << r;
            }
            page.RefreshPage();
        }
        EXPECT_TRUE(GridShown(dlg));

        // A language change relabels every row and rewrites every value.
        dlg.ApplyLanguage(2, FALSE);
        ASSERT_EQ(page.m_listFeatures.GetItemCount(), 12);
        CString enabled;
        GetTextEnabled(enabled, 2);
        EXPECT_EQ(Cell(dlg, 0, 0), g_txtAudioBoost[2][0]);
        EXPECT_EQ(Cell(dlg, 0, 1), L":");
        EXPECT_EQ(Cell(dlg, 0, 2), enabled);
        EXPECT_EQ(Cell(dlg, 4, 2), g_txtMusic[2][0]);
        dlg.ApplyLanguage(0, FALSE);
        EXPECT_EQ(Cell(dlg, 0, 0), L"Audio Boost");
    });
}

TEST_F(BackupViewPageTest, SpeedDialAndFmRadioHideTheGridAndBasicShowsItAgain) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter40N(dlg, "1.3");
        CDialogFirmwareRestore& page = Page(dlg);
        EXPECT_EQ(page.m_listFeatures.GetItemCount(), 10);
        int speedDial = IndexOfKind(dlg, SETTING_PAGE_SPEED_DIAL);
        ASSERT_GE(speedDial, 0);
        Select(dlg, speedDial);
        EXPECT_FALSE(GridShown(dlg));
        EXPECT_EQ(page.m_listFeatures.GetItemCount(), 0);
        // The frame alone hides it too, before the page decides.
        page.m_listFeatures.ShowWindow(SW_SHOW);
        page.FillBackupFeatureList();
        EXPECT_FALSE(GridShown(dlg));
        Select(dlg, IndexOfKind(dlg, SETTING_PAGE_BASIC));
        EXPECT_TRUE(GridShown(dlg));
        EXPECT_EQ(page.m_listFeatures.GetItemCount(), 10);
    });
}

TEST_F(BackupViewPageTest, AModelWithoutRowsEmptiesTheGridAndLeavesItsVisibility) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter40N(dlg, "2.0");
        CDialogFirmwareRestore& page = Page(dlg);
        ASSERT_TRUE(GridShown(dlg));
        ASSERT_EQ(page.m_listFeatures.GetItemCount(), 12);
        for (int model : {0x4D10, 0x5210, 0x5345}) {
            dlg.m_nTargetModel = model;
            page.m_listFeatures.ShowWindow(SW_SHOW);
            page.FillBackupFeatureList();
            EXPECT_EQ(page.m_listFeatures.GetItemCount(), 0) << model;
            EXPECT_TRUE(GridShown(dlg)) << model;
            page.m_listFeatures.ShowWindow(SW_HIDE);
            page.FillBackupFeatureList();
            EXPECT_FALSE(GridShown(dlg)) << model;
        }
    });
}

// The grid holds only text: Tab leaves it for the next control of the
// wizard, and Shift+Tab for the one before, instead of stopping inside it.
TEST_F(BackupViewPageTest, TabLeavesTheGridThatHasNoCells) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter40N(dlg, "2.0");
        CListCtrl& grid = Page(dlg).m_listFeatures;
        ASSERT_TRUE(GridShown(dlg));
        for (bool backwards : {false, true}) {
            grid.SetFocus();
            ASSERT_EQ(::GetFocus(), grid.m_hWnd);
            BYTE state[256], shifted[256];
            ::GetKeyboardState(state);
            memcpy(shifted, state, sizeof(state));
            if (backwards) shifted[VK_SHIFT] = 0x80;
            ::SetKeyboardState(shifted);
            keys::Press(VK_TAB);
            ::SetKeyboardState(state);
            HWND focus = ::GetFocus();
            EXPECT_NE(focus, grid.m_hWnd) << (backwards ? "Shift+Tab" : "Tab");
            EXPECT_TRUE(focus && ::IsChild(dlg.m_hWnd, focus)) << (backwards ? "Shift+Tab" : "Tab");
        }
    });
}

// A list longer than the grid scrolls down to its last row.
TEST_F(BackupViewPageTest, TheLastRowsOfALongListCanBeScrolledTo) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        m_server.PutFile("/zarnbluetoothmanager/Revisions", "40Z : v3.0 : 40Z.img\n");
        WriteImageFile(L"40Z.talvoarch", "keyDeviceRecognized=21776\r\nkeyDeviceVersion=3.0\r\n");
        Recognise(dlg, 0x5510, kAllGroups);
        dlg.ShowFirmwareRestorePage(TRUE);
        ASSERT_TRUE(WaitIdle(dlg));
        CListCtrl& grid = Page(dlg).m_listFeatures;
        ASSERT_TRUE(GridShown(dlg));
        ASSERT_EQ(grid.GetItemCount(), 25);
        fw::test::PumpFor(100);  // drawn once
        for (int i = 0; i < 30; ++i) grid.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
        fw::test::PumpFor(50);
        EXPECT_EQ(grid.GetTopIndex(), 25 - grid.GetCountPerPage());
        RECT last = {}, client = {};
        ASSERT_TRUE(grid.GetItemRect(24, &last, LVIR_BOUNDS));
        grid.GetClientRect(&client);
        EXPECT_LE(last.bottom, client.bottom);
        EXPECT_GE(last.top, client.top);
    });
}

namespace {

// The columns' text extents of one row of the grid as it draws it: for
// each column, the leftmost and rightmost x of the text's pixels (-1 when
// the column drew no text), relative to the column's own left edge.
std::vector<std::pair<int, int>> TextExtents(CConfigListCtrl& grid, int row) {
    RECT client;
    grid.GetClientRect(&client);
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(bi.bmiHeader), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bmp = ::CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<std::pair<int, int>> extents;
    {
        CGdiSelection picture(mem, bmp);
        CGdiSelection font(mem, (HGDIOBJ)grid.SendMessage(WM_GETFONT));
        RECT item;
        grid.GetItemRect(row, &item, LVIR_BOUNDS);
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_LISTVIEW;
        dis.itemID = (UINT)row;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.hwndItem = grid.m_hWnd;
        dis.hDC = mem;
        dis.rcItem = item;
        grid.DrawItem(&dis);
        ::GdiFlush();
        const DWORD* px = (const DWORD*)bits;
        for (int c = 0; c < 3; ++c) {
            CRect cell;
            grid.GetSubItemRect(row, c, LVIR_LABEL, cell);
            int left = -1, right = -1;
            for (int y = (int)cell.top; y < (int)cell.bottom && y < client.bottom; ++y)
                for (int x = (int)cell.left; x < (int)cell.right && x < client.right; ++x) {
                    DWORD p = px[y * client.right + x] & 0xFFFFFF;
                    if (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) > 3 * 96) continue;  // not text
                    if (left < 0 || x - cell.left < left) left = x - (int)cell.left;
                    if (x - cell.left > right) right = x - (int)cell.left;
                }
            extents.push_back({left, right});
        }
    }
    ::DeleteObject(bmp);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);
    return extents;
}

}  // namespace

// On the restore page the setting names end at the separator column, beside
// their values; the values stay left-aligned.
TEST_F(BackupViewPageTest, TheSettingNamesStandRightAligned) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        for (int language : {0, 2, 4}) {
            dlg.ShowWelcomePage();
            ASSERT_TRUE(WaitIdle(dlg));
            dlg.ApplyLanguage(language, FALSE);
            Enter40N(dlg, "2.0");
            CConfigListCtrl& grid = Page(dlg).m_listFeatures;
            ASSERT_TRUE(GridShown(dlg));
            const int nameWidth = grid.GetColumnWidth(0);
            ASSERT_GE(grid.GetCountPerPage(), 6);
            for (int row = 0; row < grid.GetCountPerPage(); ++row) {
                std::vector<std::pair<int, int>> x = TextExtents(grid, row);
                ASSERT_GE(x[0].first, 0) << language << " row " << row << ": no name drawn";
                EXPECT_GE(x[0].second, nameWidth - 12) << language << " row " << row;
                EXPECT_GT(x[0].first, nameWidth / 3) << language << " row " << row;
                ASSERT_GE(x[2].first, 0) << language << " row " << row << ": no value drawn";
                EXPECT_LT(x[2].first, 12) << language << " row " << row;
            }
        }
        dlg.ApplyLanguage(0, FALSE);
    });
}
