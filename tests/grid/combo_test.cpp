// The combo-box cell: its options, its current value, and its popup list
// opened, scrolled, picked from and cancelled with the mouse and the keys.
// Each pick tells the owner once; a cancel, or a pick of no item, tells it
// nothing but that the popup is done.
#include "GridHost.h"

namespace {
std::vector<CString> Numbered(int n) {
    std::vector<CString> items;
    for (int i = 0; i < n; ++i) items.push_back(CString(L"Item ") + CString(std::to_wstring(i).c_str()));
    return items;
}
}  // namespace

class ComboTest : public FocusedGridTest {
protected:
    // A combo with n items in row 1 (current index given), opened by a click.
    CCellComboBox* OpenCombo(int n, int current) {
        AddColumns();
        AddCheckRow(0, L"Above", FALSE);
        CCellComboBox* combo = AddComboRow(1, L"Choice", Numbered(n), current);
        Paint();
        ClickCell(1, 2);
        EXPECT_TRUE(PopupVisible(combo));
        return combo;
    }
    // The point of a line of the popup, in its client coordinates.
    CPoint LinePoint(CCellComboBox* combo, int line) {
        CPopUpScrollList* popup = Popup(combo);
        return CPoint(10, ::GetSystemMetrics(SM_CYBORDER) + line * popup->GetLineHeight() + popup->GetLineHeight() / 2);
    }
    void HoverLine(CCellComboBox* combo, int line) {
        CPoint pt = LinePoint(combo, line);
        Popup(combo)->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    }
    void ClickPopup(CCellComboBox* combo, CPoint pt) {
        Popup(combo)->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        Pump(10);
    }
    void PopupKey(CCellComboBox* combo, UINT vk) {
        Popup(combo)->SendMessage(WM_KEYDOWN, vk, 1);
        Pump(5);
    }
};

TEST_F(FocusedGridTest, ComboSplitsItsOptionsAndTakesARepeatedFirstOneAsCurrent) {
    AddColumns();
    auto* plain = new CCellComboBox();
    AddRow(0, L"A", plain, L"Low\nMedium\nHigh");
    EXPECT_EQ(3, plain->GetItemCount());
    EXPECT_EQ(-1, plain->GetCurSel());
    EXPECT_EQ(CString(L""), plain->GetText());
    EXPECT_EQ(CString(L""), List().GetItemText(0, 2));
    EXPECT_TRUE(plain->SetCurSel(1));
    EXPECT_EQ(CString(L"Medium"), List().GetItemText(0, 2));

    auto* repeated = new CCellComboBox();
    AddRow(1, L"B", repeated, L"medium\nLow\nMedium\nHigh");
    ASSERT_EQ(3, repeated->GetItemCount());
    EXPECT_EQ(CString(L"Low"), repeated->GetItem(0));
    EXPECT_EQ(1, repeated->GetCurSel());
    EXPECT_EQ(CString(L"Medium"), List().GetItemText(1, 2));

    auto* trailing = new CCellComboBox();
    AddRow(2, L"C", trailing, L"One\nTwo\n");
    EXPECT_EQ(3, trailing->GetItemCount());
    EXPECT_EQ(CString(L""), trailing->GetItem(2));
    auto* empty = new CCellComboBox();
    AddRow(3, L"D", empty, L"");
    EXPECT_EQ(1, empty->GetItemCount());
    EXPECT_EQ(-1, empty->GetCurSel());
}

TEST_F(FocusedGridTest, SetCurSelRefusesIndicesOutsideTheItems) {
    AddColumns();
    CCellComboBox* combo = AddComboRow(0, L"A", {L"x", L"y", L"z"}, 2);
    EXPECT_FALSE(combo->SetCurSel(3));
    EXPECT_FALSE(combo->SetCurSel(-1));
    EXPECT_EQ(2, combo->GetCurSel());
    EXPECT_EQ(CString(L"z"), List().GetItemText(0, 2));
    EXPECT_TRUE(combo->SetCurSel(0));
    EXPECT_EQ(CString(L"x"), List().GetItemText(0, 2));
    EXPECT_FALSE(combo->SelectIndex(3));
    EXPECT_EQ(0, combo->GetCurSel());
}

TEST_F(ComboTest, PopupOpensBelowTheCellAndAClickOnALinePicksIt) {
    CCellComboBox* combo = OpenCombo(3, 0);
    EXPECT_TRUE(m_dlg.m_bPopupOpen);
    EXPECT_TRUE(combo->IsPopupOpen());
    CRect cell = CellRect(1, 2), popup;
    List().ClientToScreen(&cell);
    Popup(combo)->GetWindowRect(&popup);
    EXPECT_EQ(cell.bottom, popup.top);
    EXPECT_EQ(cell.left, popup.left);
    EXPECT_EQ(cell.Width(), popup.Width());
    EXPECT_EQ(3, Popup(combo)->GetLineCount());
    EXPECT_FALSE(Popup(combo)->IsScrollBarShown());

    HoverLine(combo, 2);
    EXPECT_EQ(2, Popup(combo)->GetHoverLine());
    ClickPopup(combo, LinePoint(combo, 2));
    ASSERT_EQ(1u, m_dlg.m_picks.size());
    EXPECT_EQ(1, m_dlg.m_picks[0].row);
    EXPECT_EQ(2, m_dlg.m_picks[0].column);
    EXPECT_EQ(2, m_dlg.m_picks[0].index);
    EXPECT_EQ(1, m_dlg.m_nPopupDone);
    EXPECT_FALSE(PopupVisible(combo));
    EXPECT_FALSE(m_dlg.m_bPopupOpen);
    EXPECT_EQ(CString(L"Item 2"), List().GetItemText(1, 2));
    EXPECT_EQ(List().m_hWnd, ::GetFocus());
    EXPECT_EQ(combo, List().GetActiveCell());
}

TEST_F(ComboTest, PopupOpensAboveTheCellWhenItDoesNotFitBelow) {
    AddColumns();
    for (int r = 0; r < 3; ++r) AddCheckRow(r, L"Row", FALSE);
    CCellComboBox* combo = AddComboRow(3, L"Choice", Numbered(10), 0);
    // The dialog so low on its monitor that the popup has no room below the cell.
    CRect cell = CellRect(3, 2);
    List().ClientToScreen(&cell);
    MONITORINFO mi = {sizeof(mi)};
    ::GetMonitorInfoW(::MonitorFromWindow(m_dlg.m_hWnd, MONITOR_DEFAULTTONEAREST), &mi);
    CRect dlg;
    m_dlg.GetWindowRect(&dlg);
    int shift = mi.rcWork.bottom - cell.bottom - 20;
    m_dlg.SetWindowPos(nullptr, dlg.left, dlg.top + shift, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Paint();
    ClickCell(3, 2);
    ASSERT_TRUE(PopupVisible(combo));
    cell = CellRect(3, 2);
    List().ClientToScreen(&cell);
    CRect popup;
    Popup(combo)->GetWindowRect(&popup);
    EXPECT_EQ(cell.top, popup.bottom);
    EXPECT_EQ(6, Popup(combo)->GetLineCount());
    EXPECT_TRUE(Popup(combo)->IsScrollBarShown());
}

TEST_F(ComboTest, F4InThePopupCancelsAndKeepsTheValue) {
    CCellComboBox* combo = OpenCombo(4, 1);
    // The page's window stays active; the grid passes the keys on.
    EXPECT_EQ(List().m_hWnd, ::GetFocus());
    EXPECT_EQ(m_dlg.m_hWnd, ::GetActiveWindow());
    Key(VK_DOWN);  // the keys move the highlight only
    EXPECT_EQ(2, Popup(combo)->GetHoverLine());
    Key(VK_RETURN);
    Key(VK_ESCAPE);
    EXPECT_TRUE(PopupVisible(combo));
    Key(VK_F4);
    EXPECT_FALSE(PopupVisible(combo));
    EXPECT_TRUE(m_dlg.m_picks.empty());
    EXPECT_EQ(1, m_dlg.m_nPopupDone);
    EXPECT_EQ(1, combo->GetCurSel());
    EXPECT_EQ(CString(L"Item 1"), List().GetItemText(1, 2));
    EXPECT_FALSE(m_dlg.m_bPopupOpen);
    // F4 on the active cell opens it again.
    EXPECT_EQ(List().m_hWnd, ::GetFocus());
    Key(VK_F4);
    EXPECT_TRUE(PopupVisible(combo));
    EXPECT_EQ(1, Popup(combo)->GetHoverLine());
}

TEST_F(ComboTest, ASecondClickOnTheCellClosesThePopupWithoutAPick) {
    CCellComboBox* combo = OpenCombo(4, 1);
    ClickCell(1, 2);
    EXPECT_FALSE(PopupVisible(combo));
    EXPECT_FALSE(combo->IsPopupOpen());
    EXPECT_FALSE(m_dlg.m_bPopupOpen);
    EXPECT_TRUE(m_dlg.m_picks.empty());
    EXPECT_EQ(1, combo->GetCurSel());
}

TEST_F(ComboTest, ClosingTheActiveCellClosesThePopup) {
    CCellComboBox* combo = OpenCombo(4, 1);
    List().HideActiveCellPublic();
    EXPECT_FALSE(PopupVisible(combo));
    EXPECT_FALSE(m_dlg.m_bPopupOpen);
    EXPECT_TRUE(m_dlg.m_picks.empty());
    // The focus going elsewhere closes it too.
    ClickCell(1, 2);
    ASSERT_TRUE(PopupVisible(combo));
    ::SetFocus(::GetDlgItem(m_dlg.m_hWnd, IDC_GRID_AFTER));
    Pump();
    EXPECT_FALSE(PopupVisible(combo));
    EXPECT_FALSE(m_dlg.m_bPopupOpen);
    EXPECT_EQ(nullptr, List().GetActiveCell());
}

TEST_F(ComboTest, OpeningScrollsTheCurrentItemOntoTheBottomLine) {
    CCellComboBox* combo = OpenCombo(10, 8);
    EXPECT_EQ(3, Popup(combo)->GetScrollPosition());
    EXPECT_EQ(5, Popup(combo)->GetHoverLine());
    EXPECT_TRUE(Popup(combo)->IsScrollBarShown());
    ClickPopup(combo, LinePoint(combo, 5));
    ASSERT_EQ(1u, m_dlg.m_picks.size());
    EXPECT_EQ(8, m_dlg.m_picks[0].index);
}

TEST_F(ComboTest, KeysMoveTheHighlightAndScroll) {
    CCellComboBox* combo = OpenCombo(10, 2);
    CPopUpScrollList* popup = Popup(combo);
    EXPECT_EQ(0, popup->GetScrollPosition());
    EXPECT_EQ(2, popup->GetHoverLine());
    PopupKey(combo, VK_NEXT);
    EXPECT_EQ(5, popup->GetHoverLine());
    PopupKey(combo, VK_DOWN);  // on the last line: scrolls
    EXPECT_EQ(1, popup->GetScrollPosition());
    EXPECT_EQ(6, popup->GetHoverItem());
    PopupKey(combo, VK_END);  // scrolls, the line stays
    EXPECT_EQ(4, popup->GetScrollPosition());
    EXPECT_EQ(5, popup->GetHoverLine());
    PopupKey(combo, VK_HOME);
    EXPECT_EQ(0, popup->GetScrollPosition());
    PopupKey(combo, VK_PRIOR);
    EXPECT_EQ(0, popup->GetHoverLine());
    PopupKey(combo, VK_UP);  // on the top line at the top: nothing
    EXPECT_EQ(0, popup->GetHoverItem());
    // The scroll bar keeps the same item highlighted, also out of view.
    popup->SendMessage(WM_VSCROLL, SB_LINEDOWN, (LPARAM)popup->GetScrollBar().m_hWnd);
    EXPECT_EQ(1, popup->GetScrollPosition());
    EXPECT_EQ(-1, popup->GetHoverLine());
    EXPECT_EQ(0, popup->GetHoverItem());
}

TEST_F(ComboTest, ThreeItemsHaveNoScrollingAndStopAtTheLastLine) {
    CCellComboBox* combo = OpenCombo(3, 0);
    CPopUpScrollList* popup = Popup(combo);
    PopupKey(combo, VK_NEXT);
    EXPECT_EQ(2, popup->GetHoverLine());
    PopupKey(combo, VK_DOWN);
    EXPECT_EQ(2, popup->GetHoverLine());
    EXPECT_EQ(0, popup->GetScrollPosition());
    popup->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-120), 0);
    EXPECT_EQ(0, popup->GetScrollPosition());
    EXPECT_EQ(2, popup->GetHoverItem());
}

TEST_F(ComboTest, AWheelStepOfTwoNotchesMovesTheHighlightByTheRealScroll) {
    CCellComboBox* combo = OpenCombo(10, 0);
    CPopUpScrollList* popup = Popup(combo);
    popup->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-240), 0);
    EXPECT_EQ(1, popup->GetScrollPosition());  // one line per message
    EXPECT_EQ(0, popup->GetHoverItem());       // still the same item
    popup->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)360), 0);
    EXPECT_EQ(0, popup->GetScrollPosition());
    EXPECT_EQ(0, popup->GetHoverItem());
    popup->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)120), 0);  // at the top: nothing
    EXPECT_EQ(0, popup->GetHoverLine());
    popup->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-240), 0);
    ClickPopup(combo, CPoint(2, 1));  // on the frame: picks the highlighted item
    ASSERT_EQ(1u, m_dlg.m_picks.size());
    EXPECT_EQ(0, m_dlg.m_picks[0].index);
}

TEST_F(ComboTest, AClickWithNothingHighlightedIsACancel) {
    AddColumns();
    CCellComboBox* combo = AddComboRow(0, L"Choice", Numbered(4), -1);  // the device value was refused
    Paint();
    ClickCell(0, 2);
    ASSERT_TRUE(PopupVisible(combo));
    EXPECT_EQ(-1, Popup(combo)->GetHoverLine());
    ClickPopup(combo, CPoint(2, 1));
    EXPECT_TRUE(m_dlg.m_picks.empty());
    EXPECT_EQ(1, m_dlg.m_nPopupDone);
    EXPECT_FALSE(PopupVisible(combo));
    EXPECT_FALSE(combo->IsPopupOpen());
    EXPECT_FALSE(m_dlg.m_bPopupOpen);
    EXPECT_EQ(-1, combo->GetCurSel());
    EXPECT_EQ(CString(L""), List().GetItemText(0, 2));

    // VK_UP above the top line, then a click: a cancel as well.
    ClickCell(0, 2);
    ASSERT_TRUE(PopupVisible(combo));
    PopupKey(combo, VK_UP);
    ClickPopup(combo, CPoint(2, 1));
    EXPECT_TRUE(m_dlg.m_picks.empty());
    EXPECT_EQ(2, m_dlg.m_nPopupDone);
    EXPECT_EQ(-1, combo->GetCurSel());
}

TEST_F(ComboTest, NotificationsWithoutAnActiveCellChangeNothing) {
    CCellComboBox* combo = OpenCombo(4, 1);
    List().HideActiveCellPublic();
    EXPECT_EQ(1, List().SendMessage(WM_CELL_NOTIFY, kCellNotifyPick, 3));
    EXPECT_EQ(1, combo->GetCurSel());
    EXPECT_TRUE(m_dlg.m_picks.empty());
    EXPECT_EQ(0, m_dlg.m_nPopupDone);
    // A pick index outside the items while active: a cancel, no exception.
    ClickCell(1, 2);
    EXPECT_EQ(1, List().SendMessage(WM_CELL_NOTIFY, kCellNotifyPick, 99));
    EXPECT_EQ(1, combo->GetCurSel());
    EXPECT_TRUE(m_dlg.m_picks.empty());
    EXPECT_FALSE(combo->IsPopupOpen());
    EXPECT_FALSE(m_dlg.m_bPopupOpen);
}

TEST_F(ComboTest, APopupWindowIsMadeOnTheFirstOpeningOfItsCellOnly) {
    AddColumns();
    std::vector<CCellComboBox*> combos;
    for (int r = 0; r < 12; ++r) combos.push_back(AddComboRow(r, L"Choice", Numbered(3), 0));
    Paint();
    for (CCellComboBox* combo : combos) EXPECT_EQ(nullptr, Popup(combo)->GetSafeHwnd());

    ClickCell(2, 2);
    ASSERT_TRUE(PopupVisible(combos[2]));
    const HWND made = Popup(combos[2])->GetSafeHwnd();
    // Owned by the page's window, as a popup of the grid's page.
    EXPECT_EQ(m_dlg.m_hWnd, ::GetWindow(made, GW_OWNER));
    for (int r = 0; r < 12; ++r) {
        if (r != 2) EXPECT_EQ(nullptr, Popup(combos[(size_t)r])->GetSafeHwnd()) << "row " << r;
    }
    ClickCell(2, 2);
    EXPECT_FALSE(PopupVisible(combos[2]));
    ClickCell(2, 2);
    EXPECT_TRUE(PopupVisible(combos[2]));
    EXPECT_EQ(made, Popup(combos[2])->GetSafeHwnd());
    // F4 on a cell reached without a click makes its popup as well.
    ClickCell(2, 2);
    ASSERT_TRUE(List().ActivateCellByKey(MakeCellKey(7, 2)));
    EXPECT_EQ(nullptr, Popup(combos[7])->GetSafeHwnd());
    Key(VK_F4);
    EXPECT_TRUE(PopupVisible(combos[7]));

    List().DeleteAllItems();
    EXPECT_FALSE(::IsWindow(made));
}
