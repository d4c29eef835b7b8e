// The settings rows in the real wizard: the DEVICE SETTING page's grid filled
// for a model, its check boxes showing the Disable word in state "1", help
// boxes, and the road from a simulated headset through a check-box click and
// a list pick to SAVE and the words the headset then keeps.
#include "tests/settings/SettingsWizard.h"
#include "core/HidProtocol.h"
#include "grid/CellCheckBox.h"
#include "grid/CellComboBox.h"
#include "grid/CellPushButton.h"
#include "grid/PopUpScrollList.h"
#include "settings/rows/SettingsGridRows.h"
#include "texts/HelpTexts.h"
#include "texts/LabelTables.h"
#include "texts/WizardTexts.h"

using namespace settingstest;

namespace {

class RowsPageTest : public SettingsWizardTest {
protected:
    static CConfigListCtrl& Grid(CUpdaterDlg& dlg) { return dlg.m_settingPage.m_listSettings; }

    static void Paint(CUpdaterDlg& dlg) {
        Grid(dlg).EnsureVisible(0, FALSE);
        Grid(dlg).RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        fw::test::PumpFor(20);
    }
    // Scrolls the grid until the row is whole on the screen.
    static void ShowRow(CUpdaterDlg& dlg, int row) {
        Grid(dlg).EnsureVisible(row, FALSE);
        CRect rc, client;
        Grid(dlg).GetClientRect(&client);
        for (int i = 0; i < 40; ++i) {
            Grid(dlg).GetSubItemRect(row, 2, LVIR_LABEL, rc);
            if (rc.bottom > client.bottom) Grid(dlg).Scroll(CSize(0, rc.bottom - client.bottom));
            else if (rc.top < 0) Grid(dlg).Scroll(CSize(0, rc.top));
            else break;
            fw::test::PumpFor(5);
        }
        Grid(dlg).RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        fw::test::PumpFor(10);
    }
    static void ClickAt(CUpdaterDlg& dlg, CPoint pt) {
        Grid(dlg).SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        fw::test::PumpFor(5);
        Grid(dlg).SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        fw::test::PumpFor(5);
    }
    // A click on the option of a check box that is not marked, as a user toggles it.
    static void ToggleRow(CUpdaterDlg& dlg, int row) {
        ShowRow(dlg, row);
        auto* box = Grid(dlg).GetCellAs<CCellCheckBox>(row, 2);
        ASSERT_NE(nullptr, box);
        CRect rc;
        Grid(dlg).GetSubItemRect(row, 2, LVIR_LABEL, rc);
        const int x = box->GetCheck() ? rc.left + rc.Width() / 4 : rc.left + rc.Width() * 3 / 4;
        ClickAt(dlg, CPoint(x, rc.CenterPoint().y));
    }
    // A pick in the list of a row, as its popup reports it to the grid while
    // the cell is active (the cell is activated as Tab does it).
    static void PickInRow(CUpdaterDlg& dlg, int row, int index) {
        ASSERT_TRUE(Grid(dlg).ActivateCellByKey(((DWORD)row << 16) | 2));
        ASSERT_EQ(row, Grid(dlg).GetActiveRow());
        Grid(dlg).SendMessage(WM_CELL_NOTIFY, kCellNotifyPick, index);
        fw::test::PumpFor(10);
    }
};

}  // namespace

TEST_F(RowsPageTest, ACheckBoxAndAChannelChangedInTheGridReachTheHeadsetAndNothingElse) {
    sim::DeviceId id = AddHidHeadset(0x3110, {2, 2});
    // VOX Phone off (bit 0 set), Bluetooth Intercom Sound Weave off, channel word with bit 9.
    sim::SetHidBlock(id, HID_BLOCK_SETTINGS, {0x0A21, 0x0803, 0x1234, 0x0205});
    WORD expected[4] = {};
    RunWizard([&](CUpdaterDlg& dlg) {
        EnterPage(dlg, 0x3110, PAGE_DEVICE_SETTING);
        ASSERT_EQ(18, Grid(dlg).GetItemCount());
        const CDeviceRecord& read = dlg.m_deviceRecord;
        ASSERT_EQ(0x0A21, read.m_anSettingWord[0] & 0xFFFF);
        auto* voxPhone = Grid(dlg).GetCellAs<CCellCheckBox>(2, 2);
        ASSERT_NE(nullptr, voxPhone);
        EXPECT_FALSE(voxPhone->GetCheck());
        EXPECT_EQ(CString(L"Channel Select"), Grid(dlg).GetItemText(17, 1));
        EXPECT_FALSE(ActionEnabled(dlg));

        ToggleRow(dlg, 2);  // VOX Phone
        EXPECT_TRUE(voxPhone->GetCheck());
        EXPECT_EQ(0x0A20, dlg.m_settingPage.m_workingRecord.m_anSettingWord[0] & 0xFFFF);
        EXPECT_TRUE(ActionEnabled(dlg));
        PickInRow(dlg, 17, 3);  // CH 3
        EXPECT_EQ(0x0005 | (3 << 6), dlg.m_settingPage.m_workingRecord.m_anSettingWord[3] & 0xFFFF);
        auto* channel = Grid(dlg).GetCellAs<CCellComboBox>(17, 2);
        ASSERT_NE(nullptr, channel);
        EXPECT_EQ(3, channel->GetCurSel());

        Save(dlg);
        EXPECT_TRUE(dlg.m_bStatusOk);
        expected[0] = 0x0A20;
        expected[1] = 0x0803;
        expected[2] = 0x1234;
        expected[3] = 0x0005 | (3 << 6);
        // Read again after the save: the grid shows what the headset keeps.
        EXPECT_EQ(3, dlg.m_deviceRecord.GetChannelSelect());
    });
    EXPECT_EQ((std::vector<WORD>{expected[0], expected[1], expected[2], expected[3]}), Block(id, HID_BLOCK_SETTINGS));
}

TEST_F(RowsPageTest, ClicksOnRestingCellsAndHelpButtonsChangeNothing) {
    sim::DeviceId id = AddHidHeadset(0x3110, {2, 2});
    sim::SetHidBlock(id, HID_BLOCK_SETTINGS, {0x0000, 0x0800, 0x0000, 0x0000});
    RunWizard([&](CUpdaterDlg& dlg) {
        EnterPage(dlg, 0x3110, PAGE_DEVICE_SETTING);
        const CDeviceRecord before = dlg.m_settingPage.m_workingRecord;
        // HD Intercom (row 5) rests while Bluetooth Intercom Sound Weave (row 4) is off.
        auto* hd = Grid(dlg).GetCellAs<CCellCheckBox>(5, 2);
        ASSERT_NE(nullptr, hd);
        EXPECT_TRUE(hd->GetOwnStyle() & cellstyle::kDisabled);
        ToggleRow(dlg, 5);
        EXPECT_EQ(0, dlg.m_settingPage.m_workingRecord.m_anSettingWord[0]);
        // Sound Weave on: HD Intercom works again.
        ToggleRow(dlg, 4);
        EXPECT_EQ(0, dlg.m_settingPage.m_workingRecord.m_anSettingWord[1]);
        EXPECT_FALSE(hd->GetOwnStyle() & cellstyle::kDisabled);

        // The help button of row 1 explains Audio Boost in a 520 x 150 box.
        m_asked.clear();
        CRect rc;
        ShowRow(dlg, 1);
        Grid(dlg).GetSubItemRect(1, 0, LVIR_LABEL, rc);
        ClickAt(dlg, rc.CenterPoint());
        ASSERT_EQ(1u, m_asked.size());
        CString help;
        GetTextHelpAudioBoost(help, 0);
        CString text;
        text.Format(help, g_txtAudioBoost[0][0].GetString());
        EXPECT_EQ(text, m_asked[0].text);
        EXPECT_EQ(CSize(520, 150), m_asked[0].size);
        EXPECT_EQ(before.m_anSettingWord[0], dlg.m_settingPage.m_workingRecord.m_anSettingWord[0]);
    });
}

TEST_F(RowsPageTest, TheLargestListOnTheRealGrid) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x5510, 1 << 1);
        dlg.m_deviceRecord.m_version.Set(3, 0, 0, 0, 0);
        dlg.m_deviceRecord.m_bAudioBoost = 1;      // "1": Disable marked
        dlg.m_deviceRecord.m_bHandsfreeVox = 1;    // "0": Enable marked
        dlg.m_deviceRecord.m_bSoundBlend = 1;      // rows 4-6 rest
        dlg.m_deviceRecord.m_anCameraWord[0] = 1 << 6;
        dlg.GoToPage(PAGE_DEVICE_SETTING);
        ASSERT_EQ(PAGE_DEVICE_SETTING, dlg.m_nPage);
        CConfigListCtrl& grid = Grid(dlg);
        ASSERT_EQ(25, grid.GetItemCount());
        for (int row = 0; row < 25; ++row) {
            SCOPED_TRACE(row);
            auto* help = grid.GetCellAs<CCellPushButton>(row, 0);
            if (row >= 20 && row <= 23) {
                EXPECT_EQ(nullptr, grid.GetCellCtrl(row, 0));
            } else {
                ASSERT_NE(nullptr, help);
                EXPECT_EQ(188u, help->GetBitmapId());
            }
            const bool list = row == 4 || (row >= 11 && row <= 17);
            if (list) {
                EXPECT_NE(nullptr, grid.GetCellAs<CCellComboBox>(row, 2));
            } else {
                auto* box = grid.GetCellAs<CCellCheckBox>(row, 2);
                ASSERT_NE(nullptr, box);
                EXPECT_EQ(CString(L"Enable"), box->GetFirstOptionText());
                EXPECT_EQ(CString(L"Disable"), box->GetSecondOptionText());
            }
            const bool rests = (row >= 4 && row <= 6);
            EXPECT_EQ(rests, (grid.GetCellCtrl(row, 2)->GetOwnStyle() & cellstyle::kDisabled) != 0);
        }
        EXPECT_TRUE(grid.GetCellAs<CCellCheckBox>(0, 2)->GetCheck());
        EXPECT_FALSE(grid.GetCellAs<CCellCheckBox>(1, 2)->GetCheck());
        EXPECT_EQ(CString(L"Audio Boost"), grid.GetItemText(0, 1));
        EXPECT_EQ(CString(L"\u25B6 Phone"), grid.GetItemText(23, 1));

        // A language change while the page is shown refills the grid in that language.
        dlg.ApplyLanguage(texts::kGerman, TRUE);
        fw::test::PumpFor(20);
        ASSERT_EQ(25, grid.GetItemCount());
        EXPECT_EQ(g_txtAudioBoost[texts::kGerman][0], grid.GetItemText(0, 1));
        CString disable;
        GetTextDisable(disable, texts::kGerman);
        EXPECT_EQ(disable, grid.GetCellAs<CCellCheckBox>(0, 2)->GetSecondOptionText());
    });
}

TEST_F(RowsPageTest, ASecondClickOnTheCellOfAnOpenListClosesItAlsoWhenItIsADoubleClick) {
    AddHidHeadset(0x3110, {2, 2});
    RunWizard([&](CUpdaterDlg& dlg) {
        EnterPage(dlg, 0x3110, PAGE_DEVICE_SETTING);
        ShowRow(dlg, 17);  // Channel Select
        auto* channel = Grid(dlg).GetCellAs<CCellComboBox>(17, 2);
        ASSERT_NE(nullptr, channel);
        const int current = channel->GetCurSel();
        const CDeviceRecord before = dlg.m_settingPage.m_workingRecord;
        CRect rc;
        Grid(dlg).GetSubItemRect(17, 2, LVIR_LABEL, rc);
        const CPoint pt = rc.CenterPoint();
        // Through the message loop, as the mouse delivers them: the second
        // press of a quick pair comes as a double click.
        auto post = [&](UINT message, WPARAM keys) {
            ::PostMessageW(Grid(dlg).m_hWnd, message, keys, MAKELPARAM(pt.x, pt.y));
            fw::test::PumpFor(20);
        };
        for (UINT secondPress : {(UINT)WM_LBUTTONDOWN, (UINT)WM_LBUTTONDBLCLK}) {
            post(WM_LBUTTONDOWN, MK_LBUTTON);
            post(WM_LBUTTONUP, 0);
            ASSERT_TRUE(channel->IsPopupOpen());
            ASSERT_TRUE(dlg.m_settingPage.m_bCellPopupOpen);
            post(secondPress, MK_LBUTTON);
            post(WM_LBUTTONUP, 0);
            EXPECT_FALSE(channel->IsPopupOpen()) << "second press " << secondPress;
            EXPECT_FALSE(channel->GetPopupList()->IsWindowVisible());
            EXPECT_FALSE(dlg.m_settingPage.m_bCellPopupOpen);
            EXPECT_EQ(current, channel->GetCurSel());
            EXPECT_EQ(0, dlg.m_settingPage.m_workingRecord.DiffersFrom(before, 1));
        }
    });
}
