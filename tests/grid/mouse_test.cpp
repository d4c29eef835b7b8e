// Clicks on the cells: check boxes toggle on the unmarked option, push
// buttons post their message, disabled cells and clicks beside the cells
// only close the active cell; the owner hears of every click.
#include "GridHost.h"

TEST_F(FocusedGridTest, TwoOptionCheckBoxTogglesOnlyOnTheUnmarkedOption) {
    AddColumns(200);
    CCellCheckBox* check = AddCheckRow(0, L"Voice Prompt", FALSE);
    Paint();
    CRect rc = CellRect(0, 2);
    // State 0 marks the first option: the left half does nothing.
    ClickCell(0, 2, 10);
    EXPECT_FALSE(check->GetCheck());
    EXPECT_EQ(check, List().GetActiveCell());
    // The right half (the second option) toggles to state 1.
    ClickCell(0, 2, rc.Width() - 10);
    EXPECT_TRUE(check->GetCheck());
    EXPECT_EQ(CString(L"1"), List().GetItemText(0, 2));
    Paint();
    ClickCell(0, 2, rc.Width() - 10);
    EXPECT_TRUE(check->GetCheck());
    ClickCell(0, 2, 10);
    EXPECT_FALSE(check->GetCheck());
    EXPECT_EQ(CString(L"0"), List().GetItemText(0, 2));
    ASSERT_EQ(4u, m_dlg.m_clicks.size());
    EXPECT_EQ(std::make_pair(0, 2), m_dlg.m_clicks.back());
}

TEST_F(FocusedGridTest, StateOneDrawsTheSecondOptionMarked) {
    AddColumns(200);
    CCellCheckBox* check = AddCheckRow(0, L"Voice Prompt", TRUE, L"Enable", L"Disable");
    Paint();
    CRect cell = CellRect(0, 2);
    // The clickable half is the unmarked one: with state 1 that is the first.
    EXPECT_EQ(cell.left, check->GetRect()->left);
    EXPECT_EQ(cell.left + cell.Width() / 2, check->GetRect()->right);
    // The marked glyph (a dark dot) is drawn in the right half.
    HDC dc = ::GetDC(List().m_hWnd);
    int half = cell.Width() / 2;
    COLORREF leftCentre = ::GetPixel(dc, cell.left + 10, cell.top + 11);
    COLORREF rightCentre = ::GetPixel(dc, cell.left + half + 10, cell.top + 11);
    ::ReleaseDC(List().m_hWnd, dc);
    EXPECT_GT(GetRValue(leftCentre), 200);
    EXPECT_LT(GetRValue(rightCentre), 100);
}

TEST_F(FocusedGridTest, SingleGlyphCheckBoxTogglesOnItsGlyphOnly) {
    AddColumns(200);
    auto* check = new CCellCheckBox();
    AddRow(0, L"A", check, L"label");
    EXPECT_EQ(CString(L"0label"), check->GetText());
    EXPECT_EQ(CString(L"label"), check->GetLabel());
    Paint();
    CRect glyph(*check->GetRect());
    ASSERT_EQ(20, glyph.Width());
    Click(CPoint(glyph.left + 5, glyph.top + 5));
    EXPECT_TRUE(check->GetCheck());
    // The right and bottom edges of the glyph are outside it.
    Click(CPoint(glyph.right, glyph.top + 5));
    Click(CPoint(glyph.left + 5, glyph.bottom));
    EXPECT_TRUE(check->GetCheck());
    EXPECT_EQ(check, List().GetActiveCell());
}

TEST_F(FocusedGridTest, CheckBoxInitNormalisesItsText) {
    AddColumns();
    auto* one = new CCellCheckBox();
    auto* other = new CCellCheckBox();
    auto* empty = new CCellCheckBox();
    AddRow(0, L"A", one, L"1");
    AddRow(1, L"B", other, L"x");
    AddRow(2, L"C", empty, L"");
    EXPECT_TRUE(one->GetCheck());
    EXPECT_EQ(CString(L""), one->GetLabel());
    EXPECT_EQ(CString(L"0x"), other->GetText());
    EXPECT_EQ(CString(L"0"), empty->GetText());
    EXPECT_EQ(CString(L"0x"), List().GetItemText(1, 2));
    one->SetSecondOptionText(L"Disable");
    List().SetCellCtrl(0, 2, one = new CCellCheckBox(), L"1");
    EXPECT_EQ(CString(L""), one->GetSecondOptionText());
}

TEST_F(FocusedGridTest, DisabledCellsAndClicksBesideCellsOnlyCloseTheActiveCell) {
    AddColumns(200);
    CCellCheckBox* a = AddCheckRow(0, L"A", FALSE);
    CCellCheckBox* b = AddCheckRow(1, L"B", FALSE);
    List().SetCellDisabled(1, 2, TRUE);
    Paint();
    ClickCell(0, 2);
    EXPECT_EQ(a, List().GetActiveCell());
    CRect rc = CellRect(1, 2);
    ClickCell(1, 2, rc.Width() - 10);
    EXPECT_FALSE(b->GetCheck());
    EXPECT_EQ(nullptr, List().GetActiveCell());
    ClickCell(0, 2);
    ClickCell(0, 1);  // the name: a text, no cell
    EXPECT_EQ(nullptr, List().GetActiveCell());
    CRect client;
    List().GetClientRect(&client);
    Click(CPoint(client.right - 5, client.bottom - 5));  // below the rows
    EXPECT_EQ(-1, m_dlg.m_clicks.back().first);
}

TEST_F(FocusedGridTest, PushButtonPostsItsMessageOnAClickOnItsFace) {
    // The grid's rows are too low for a face, so the button draws into a
    // taller rectangle of its own here.
    AddColumns();
    List().InsertItem(0, L"");
    const UINT kMessage = WM_APP + 17;
    auto* button = new CCellPushButton(m_dlg.m_hWnd, kMessage, 5, 6);
    List().SetCellCtrl(0, 1, button, L"Press");
    CDC mem;
    HDC screen = ::GetDC(nullptr);
    mem.CreateCompatibleDC(screen);
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(screen, 300, 100);
    ::ReleaseDC(nullptr, screen);
    mem.SelectObject(&bmp);
    CRect cell(0, 0, 200, 60);
    button->Draw(&mem, &cell, 0);
    CRect face(*button->GetRect());
    EXPECT_EQ(CRect(15, 15, 185 - ::GetSystemMetrics(SM_CXEDGE), 45), face);
    MSG msg;
    // The right edge of the face is outside it.
    button->OnLButtonDown(0, CPoint(face.right, face.top + 2));
    EXPECT_FALSE(::PeekMessageW(&msg, m_dlg.m_hWnd, kMessage, kMessage, PM_REMOVE));
    EXPECT_FALSE(button->OnLButtonDown(0, CPoint(face.left + 2, face.top + 2)));
    ASSERT_TRUE(::PeekMessageW(&msg, m_dlg.m_hWnd, kMessage, kMessage, PM_REMOVE));
    EXPECT_EQ(5u, msg.wParam);
    EXPECT_EQ(6, msg.lParam);
    EXPECT_FALSE(button->OnLButtonUp(0, CPoint(face.left + 2, face.top + 2)));
    EXPECT_FALSE(button->IsActive());

    // No target: nothing is posted, the click still reports TRUE.
    auto* silent = new CCellPushButton();
    List().SetCellCtrl(0, 2, silent, L"");
    EXPECT_TRUE(silent->OnClicked(0, CPoint(0, 0)));
    EXPECT_FALSE(::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_POSTMESSAGE) && msg.message == 0);
    EXPECT_EQ(20, silent->GetPreferredWidth());
}

TEST_F(FocusedGridTest, HelpButtonsOfTheSettingsGridHaveNoClickArea) {
    AddColumns();
    AddCheckRow(0, L"A", FALSE);
    Paint();
    auto* help = List().GetCellAs<CCellPushButton>(0, 0);
    ASSERT_NE(nullptr, help);
    CRect face(*help->GetRect());
    EXPECT_TRUE(face.IsRectEmpty() || face.Width() <= 0 || face.Height() <= 0);
    ClickCell(0, 0);
    EXPECT_EQ(help, List().GetActiveCell());
    EXPECT_EQ(std::make_pair(0, 0), m_dlg.m_clicks.back());
}
