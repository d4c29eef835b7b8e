// The row operations keep the cells on their rows: inserts move them, a
// written text removes the cell only where it stands, clearing deletes all.
#include "GridHost.h"
#include "grid/CellKeySet.h"

TEST(CellKeySet, StepsAndShiftsInRowMajorOrder) {
    CCellKeySet keys;
    for (DWORD k : {MakeCellKey(2, 0), MakeCellKey(0, 2), MakeCellKey(1, 2), MakeCellKey(0, 0)}) keys.Insert(k);
    EXPECT_EQ(MakeCellKey(0, 0), keys.GetFirstKey());
    EXPECT_EQ(MakeCellKey(2, 0), keys.GetLastKey());
    EXPECT_EQ(MakeCellKey(0, 2), keys.FindNextKey(MakeCellKey(0, 0)));
    EXPECT_EQ(MakeCellKey(1, 2), keys.FindNextKey(MakeCellKey(0, 2)));
    EXPECT_EQ(CCellKeySet::kNoKey, keys.FindNextKey(MakeCellKey(2, 0)));
    EXPECT_EQ(CCellKeySet::kNoKey, keys.FindNextKey(MakeCellKey(5, 5)));
    EXPECT_EQ(CCellKeySet::kNoKey, keys.FindPrevKey(MakeCellKey(0, 0)));
    EXPECT_EQ(MakeCellKey(0, 2), keys.FindPrevKey(MakeCellKey(1, 2)));

    keys.ShiftHighWord(1, TRUE);
    EXPECT_TRUE(keys.Contains(MakeCellKey(0, 0)));
    EXPECT_TRUE(keys.Contains(MakeCellKey(0, 2)));
    EXPECT_TRUE(keys.Contains(MakeCellKey(2, 2)));
    EXPECT_TRUE(keys.Contains(MakeCellKey(3, 0)));
    keys.ShiftLowWord(0, TRUE);
    EXPECT_TRUE(keys.Contains(MakeCellKey(0, 1)));
    EXPECT_TRUE(keys.Contains(MakeCellKey(3, 1)));
    EXPECT_EQ(4u, keys.GetCount());

    CCellKeySet empty;
    EXPECT_EQ(CCellKeySet::kNoKey, empty.GetFirstKey());
    EXPECT_EQ(CCellKeySet::kNoKey, empty.GetLastKey());
}

TEST_F(GridTest, InsertingRowsAboveMovesCellsWithTheirRows) {
    AddColumns();
    CCellCheckBox* a = AddCheckRow(0, L"A", FALSE);
    CCellCheckBox* b = AddCheckRow(1, L"B", TRUE);
    CCellCheckBox* c = AddCheckRow(2, L"C", FALSE);

    List().InsertItem(1, L"new");
    EXPECT_EQ(a, List().GetCellCtrl(0, 2));
    EXPECT_EQ(nullptr, List().GetCellCtrl(1, 2));
    EXPECT_EQ(b, List().GetCellCtrl(2, 2));
    EXPECT_EQ(c, List().GetCellCtrl(3, 2));
    EXPECT_EQ(CString(L"B"), List().GetItemText(2, 1));
    EXPECT_EQ(CString(L"1"), List().GetItemText(2, 2));
    // The key set follows the map: Tab order is still a, b, c.
    EXPECT_EQ(List().GetCellCount(), List().GetKeySet().GetCount());
    for (DWORD key : List().GetKeySet()) EXPECT_NE(nullptr, List().GetCellCtrl(CellKeyRow(key), CellKeyColumn(key)));

    List().InsertItem(0, L"top");
    EXPECT_EQ(a, List().GetCellCtrl(1, 2));
    EXPECT_EQ(c, List().GetCellCtrl(4, 2));
    EXPECT_EQ(5, List().GetItemCount());
    EXPECT_EQ(-1, List().InsertItem(-1, L"refused"));
    EXPECT_EQ(5, List().GetItemCount());
}

TEST_F(GridTest, InsertingARowMovesTheActiveCellWithIt) {
    AddColumns();
    AddCheckRow(0, L"A", FALSE);
    CCellCheckBox* b = AddCheckRow(1, L"B", FALSE);
    ASSERT_TRUE(List().ActivateCellByKey(MakeCellKey(1, 2)));
    List().InsertItem(0, L"top");
    EXPECT_EQ(2, List().GetActiveRow());
    EXPECT_EQ(b, List().GetCellCtrl(List().GetActiveRow(), List().GetActiveColumn()));
    // Tab from it still finds its place in the key set.
    List().InsertItem(3, L"below");
    AddCheckRow(3, L"D", FALSE);
    EXPECT_EQ(MakeCellKey(3, 0), List().GetKeySet().FindNextKey(MakeCellKey(2, 2)));

    List().InsertColumn(0, L"", LVCFMT_LEFT, 20);
    EXPECT_EQ(3, List().GetActiveColumn());
    EXPECT_EQ(b, List().GetCellCtrl(2, 3));
}

TEST_F(GridTest, ColumnInsertAtZeroMovesCellsAndTexts) {
    AddColumns();
    CCellCheckBox* a = AddCheckRow(0, L"A", TRUE);
    List().InsertColumn(0, L"", LVCFMT_LEFT, 20);
    EXPECT_EQ(a, List().GetCellCtrl(0, 3));
    EXPECT_EQ(CString(L"A"), List().GetItemText(0, 2));
    EXPECT_EQ(CString(L"1"), List().GetItemText(0, 3));
    EXPECT_EQ(CString(L""), List().GetItemText(0, 0));
    EXPECT_NE(nullptr, List().GetCellCtrl(0, 1));  // the help button
}

TEST_F(GridTest, SetItemRemovesTheCellOnlyWhereItWrites) {
    AddColumns();
    AddCheckRow(0, L"A", TRUE);
    CCellCheckBox* b = AddCheckRow(1, L"B", FALSE);
    size_t before = List().GetCellCount();

    List().SetItem(0, 2, LVIF_TEXT, L"plain", 0, 0, 0, 0);
    EXPECT_EQ(nullptr, List().GetCellCtrl(0, 2));
    EXPECT_EQ(CString(L"plain"), List().GetItemText(0, 2));
    EXPECT_EQ(b, List().GetCellCtrl(1, 2));
    EXPECT_EQ(before - 1, List().GetCellCount());
    EXPECT_FALSE(List().GetKeySet().Contains(MakeCellKey(0, 2)));

    // Without a cell it only sets the text (nine arguments, as the restore page passes them).
    List().SetItem(1, 1, LVIF_TEXT, L"renamed", 0, 0, 0, 0, 0);
    EXPECT_EQ(before - 1, List().GetCellCount());
    EXPECT_EQ(CString(L"renamed"), List().GetItemText(1, 1));
}

TEST_F(GridTest, SetCellCtrlReplacesTheCellThatStoodThere) {
    AddColumns();
    AddCheckRow(0, L"A", FALSE);
    ASSERT_TRUE(List().ActivateCellByKey(MakeCellKey(0, 2)));
    auto* combo = new CCellComboBox();
    List().SetCellCtrl(0, 2, combo, L"Two\nOne\nTwo");
    EXPECT_EQ(combo, List().GetCellCtrl(0, 2));
    EXPECT_EQ(nullptr, List().GetActiveCell());  // the old one was active: closed first
    EXPECT_EQ(-1, List().GetActiveRow());
    EXPECT_EQ(CString(L"Two"), List().GetItemText(0, 2));
}

TEST_F(GridTest, DeleteAllItemsOnEmptyAndFullGrids) {
    AddColumns();
    EXPECT_TRUE(List().DeleteAllItems());
    EXPECT_EQ(0u, List().GetCellCount());
    EXPECT_TRUE(List().GetKeySet().IsEmpty());

    AddCheckRow(0, L"A", FALSE);
    AddComboRow(1, L"B", {L"x", L"y"}, 0);
    ASSERT_TRUE(List().ActivateCellByKey(MakeCellKey(1, 2)));
    EXPECT_TRUE(List().DeleteAllItems());
    EXPECT_EQ(0, List().GetItemCount());
    EXPECT_EQ(0u, List().GetCellCount());
    EXPECT_TRUE(List().GetKeySet().IsEmpty());
    EXPECT_EQ(nullptr, List().GetActiveCell());
    EXPECT_EQ(-1, List().GetActiveColumn());
}

TEST_F(GridTest, SetCellDisabledSetsAndClearsTheBitOnlyWhereACellIs) {
    AddColumns();
    CCellCheckBox* a = AddCheckRow(0, L"A", FALSE);
    EXPECT_EQ(cellstyle::kAlignCenter, a->GetStyle());
    List().SetCellDisabled(0, 2, TRUE);
    EXPECT_EQ(cellstyle::kAlignCenter | cellstyle::kDisabled, a->GetStyle());
    List().SetCellDisabled(0, 2, FALSE);
    EXPECT_EQ(cellstyle::kAlignCenter, a->GetStyle());
    List().SetCellDisabled(0, 1, TRUE);  // a text: nothing happens
    List().SetCellDisabled(7, 2, TRUE);
    EXPECT_EQ(nullptr, List().GetCellCtrl(0, 1));
}

TEST_F(GridTest, CellCastsAreChecked) {
    AddColumns();
    AddCheckRow(0, L"A", FALSE);
    EXPECT_NE(nullptr, List().GetCellAs<CCellCheckBox>(0, 2));
    EXPECT_EQ(nullptr, List().GetCellAs<CCellComboBox>(0, 2));
    EXPECT_EQ(nullptr, List().GetCellAs<CCellComboBox>(0, 1));
    EXPECT_EQ(nullptr, List().GetCellCtrl(-1, 2));
    EXPECT_EQ(&List(), CConfigListCtrl::FromListHandle(List().m_hWnd));
    EXPECT_EQ(nullptr, CConfigListCtrl::FromListHandle(m_dlg.m_hWnd));
}
