// Tab and Shift+Tab walk the cells in key order, skip disabled cells and hand
// the focus to the dialog at either end; a grid without cells is passed over.
#include "GridHost.h"

namespace {
DWORD ActiveKey(CConfigListCtrl& list) {
    return list.GetActiveCell() ? MakeCellKey(list.GetActiveRow(), list.GetActiveColumn()) : CCellKeySet::kNoKey;
}
}  // namespace

class GridTabTest : public FocusedGridTest {
protected:
    void SetUp() override {
        FocusedGridTest::SetUp();
        AddColumns();
        for (int r = 0; r < 4; ++r) AddCheckRow(r, L"Row", FALSE);
        // Tab enters the grid from the button before it.
        ::SetFocus(m_dlg.GetDlgItem(IDC_GRID_BEFORE)->m_hWnd);
        Pump();
    }
    HWND Focus() { return ::GetFocus(); }
    HWND Item(int id) { return ::GetDlgItem(m_dlg.m_hWnd, id); }
};

TEST_F(GridTabTest, TabWalksTheCellsInKeyOrderSkippingDisabledOnesAndLeavesAtTheEnd) {
    List().SetCellDisabled(1, 2, TRUE);
    List().SetCellDisabled(2, 0, TRUE);
    Key(VK_TAB);
    ASSERT_EQ(List().m_hWnd, Focus());
    EXPECT_EQ(nullptr, List().GetActiveCell());  // focus in the grid, no cell yet
    std::vector<DWORD> walked;
    for (int i = 0; i < 12 && Focus() == List().m_hWnd; ++i) {
        Key(VK_TAB);
        if (Focus() == List().m_hWnd) walked.push_back(ActiveKey(List()));
    }
    std::vector<DWORD> expected = {MakeCellKey(0, 0), MakeCellKey(0, 2), MakeCellKey(1, 0),
                                   MakeCellKey(2, 2), MakeCellKey(3, 0), MakeCellKey(3, 2)};
    EXPECT_EQ(expected, walked);
    EXPECT_EQ(Item(IDC_GRID_AFTER), Focus());
    EXPECT_EQ(nullptr, List().GetActiveCell());  // the cell closed when the focus left
}

TEST_F(GridTabTest, ShiftTabWalksBackwardsAndLeavesAtTheFirstCell) {
    List().SetCellDisabled(3, 2, TRUE);
    Key(VK_TAB);
    ASSERT_EQ(List().m_hWnd, Focus());
    ShiftTab();
    EXPECT_EQ(MakeCellKey(3, 0), ActiveKey(List()));  // the last enabled cell
    ShiftTab();
    EXPECT_EQ(MakeCellKey(2, 2), ActiveKey(List()));
    for (int i = 0; i < 10 && Focus() == List().m_hWnd; ++i) ShiftTab();
    EXPECT_EQ(Item(IDC_GRID_BEFORE), Focus());
}

TEST_F(GridTabTest, TabFromTheLastEnabledCellLeavesWhenTheRestIsDisabled) {
    List().SetCellDisabled(3, 0, TRUE);
    List().SetCellDisabled(3, 2, TRUE);
    Key(VK_TAB);
    for (int i = 0; i < 8 && ActiveKey(List()) != MakeCellKey(2, 2); ++i) Key(VK_TAB);
    ASSERT_EQ(MakeCellKey(2, 2), ActiveKey(List()));
    Key(VK_TAB);
    EXPECT_EQ(Item(IDC_GRID_AFTER), Focus());
    // Back into the grid: no cell is active, the next Tab takes the first one.
    ShiftTab();
    EXPECT_EQ(List().m_hWnd, Focus());
    EXPECT_EQ(nullptr, List().GetActiveCell());
    Key(VK_TAB);
    EXPECT_EQ(MakeCellKey(0, 0), ActiveKey(List()));
}

TEST_F(FocusedGridTest, TabInAGridWithoutCellsGoesToTheDialog) {
    AddColumns();
    AddTextRows(5);
    List().SetFocus();
    Pump();
    Key(VK_TAB);
    EXPECT_EQ(::GetDlgItem(m_dlg.m_hWnd, IDC_GRID_AFTER), ::GetFocus());
    List().SetFocus();
    Pump();
    ShiftTab();
    EXPECT_EQ(::GetDlgItem(m_dlg.m_hWnd, IDC_GRID_BEFORE), ::GetFocus());
}

TEST_F(FocusedGridTest, TabInAGridWhoseCellsAreAllDisabledGoesToTheDialog) {
    AddColumns();
    AddCheckRow(0, L"A", FALSE);
    List().SetCellDisabled(0, 0, TRUE);
    List().SetCellDisabled(0, 2, TRUE);
    ::SetFocus(m_dlg.GetDlgItem(IDC_GRID_BEFORE)->m_hWnd);
    Key(VK_TAB);
    ASSERT_EQ(List().m_hWnd, ::GetFocus());
    Key(VK_TAB);
    EXPECT_EQ(nullptr, List().GetActiveCell());
    EXPECT_EQ(::GetDlgItem(m_dlg.m_hWnd, IDC_GRID_AFTER), ::GetFocus());
}
