// An on/off row of the DEVICE SETTING grid, in the real wizard against a
// simulated headset: the grid shows what the headset keeps once recognised,
// and after each SAVE it shows again the option that was clicked, while the
// headset keeps the matching bit of its feature word.
#include "SettingsWizard.h"
#include "core/HidProtocol.h"
#include "grid/CellCheckBox.h"
#include <ostream>

using namespace settingstest;

namespace {

struct ReadbackCase {
    const char* name;
    int model;
    std::vector<BYTE> version;
    const wchar_t* label;
    int bit;          // of the feature word
    int enabledBit;   // the bit's value while the row shows "Enable"
};

void PrintTo(const ReadbackCase& c, std::ostream* os) { *os << c.name; }

const ReadbackCase kCases[] = {
    // Audio Boost is on while its bit is clear: a set bit shows "Disable".
    {"AudioBoostOnlyWhileItsBitIsClear", 0x5524, {1, 0}, L"Audio Boost", 10, 0},
    {"HighQualityA2dpOf5524", 0x5524, {1, 0}, L"High Quality A2DP", 5, 1},
    {"HighQualityA2dpOf5536", 0x5536, {2, 0}, L"High Quality A2DP", 5, 1},
    {"HighQualityA2dpOf5550", 0x5550, {1, 2}, L"High Quality A2DP", 5, 1},
    {"HdIntercomOf5550Below12", 0x5550, {1, 1}, L"HD Intercom", 11, 1},
};

class GridReadbackTest : public SettingsWizardTest, public ::testing::WithParamInterface<ReadbackCase> {
protected:
    static int RowOf(CConfigListCtrl& grid, const wchar_t* label) {
        for (int r = 0; r < grid.GetItemCount(); ++r)
            if (grid.GetItemText(r, 1) == label) return r;
        return -1;
    }
    // The state the row's check box shows: 0 "Enable", 1 "Disable".
    static int Shown(CConfigListCtrl& grid, int row) {
        auto* box = dynamic_cast<CCellCheckBox*>(grid.GetCellCtrl(row, 2));
        return box ? (box->GetCheck() ? 1 : 0) : -1;
    }
    // A click on the option, as the user gives it: "Enable" is the left half.
    static void ClickOption(CConfigListCtrl& grid, int row, bool enable) {
        CRect cell;
        grid.GetSubItemRect(row, 2, LVIR_LABEL, cell);
        grid.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        CPoint at(enable ? cell.left + 10 : cell.CenterPoint().x + 10, cell.CenterPoint().y);
        grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        fw::test::PumpFor(10);
        grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        fw::test::PumpFor(30);
    }
    static int HeadsetBit(sim::DeviceId id, int bit) {
        std::vector<WORD> words = Block(id, HID_BLOCK_SETTINGS);
        return words.empty() ? -1 : (words[0] >> bit) & 1;
    }
};

}  // namespace

TEST_P(GridReadbackTest, TheGridShowsWhatTheHeadsetKeepsAfterRecognitionAndEachSave) {
    const ReadbackCase& c = GetParam();
    sim::DeviceId id = AddHidHeadset(c.model, c.version);
    // The setting on, every other bit of the word clear.
    sim::SetHidBlock(id, HID_BLOCK_SETTINGS, {(WORD)(c.enabledBit << c.bit), 0});
    RunWizard([&](CUpdaterDlg& dlg) {
        EnterPage(dlg, c.model, PAGE_DEVICE_SETTING);
        CConfigListCtrl& grid = dlg.m_settingPage.m_listSettings;
        const int row = RowOf(grid, c.label);
        ASSERT_GE(row, 0);
        EXPECT_EQ(0, Shown(grid, row)) << "as recognised";

        for (bool enable : {false, true}) {
            SCOPED_TRACE(enable ? "Enable" : "Disable");
            ClickOption(grid, row, enable);
            ASSERT_EQ(enable ? 0 : 1, Shown(grid, row));
            ASSERT_TRUE(ActionEnabled(dlg));
            Save(dlg);
            EXPECT_EQ(CString(L"Device setting saved successfully"), Status(dlg));
            EXPECT_EQ(enable ? c.enabledBit : 1 - c.enabledBit, HeadsetBit(id, c.bit));
            // Recognised again: the page shows the option clicked, with nothing left to save.
            ASSERT_EQ(row, RowOf(grid, c.label));
            EXPECT_EQ(enable ? 0 : 1, Shown(grid, row));
            EXPECT_EQ(0, dlg.m_settingPage.IsSettingsChanged());
            EXPECT_FALSE(ActionEnabled(dlg));
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Rows, GridReadbackTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ReadbackCase>& i) { return std::string(i.param.name); });
