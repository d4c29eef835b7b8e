#include "GridHost.h"
#include "framework/TestSeams.h"
#include "app/resource.h"
#include <string>

BOOL CGridHostDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    return TRUE;
}

void GridTest::SetUp() {
    ASSERT_TRUE(m_dlg.Create(IDD_GRID_HOST, nullptr));
    // Shown without taking the activation: the tests that run beside others
    // must not take it from them. Those that need the focus run alone and
    // call Activate.
    m_dlg.SetWindowPos(HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Pump();
}

void GridTest::Activate() {
    m_dlg.SetForegroundWindow();
    List().SetFocus();
    Pump();
}

void GridTest::TearDown() {
    if (m_dlg.m_hWnd) m_dlg.DestroyWindow();
    Pump(10);
}

void GridTest::Pump(DWORD ms) { fw::test::PumpFor(ms); }

void GridTest::AddColumns(int valueWidth) {
    // As the settings page lays them out: the three columns fill the width.
    CRect client;
    List().GetClientRect(&client);
    List().InsertColumn(0, L"", LVCFMT_CENTER, 26);
    List().InsertColumn(1, L"", LVCFMT_LEFT, client.Width() - 26 - valueWidth);
    List().InsertColumn(2, L"", LVCFMT_CENTER, valueWidth);
}

void GridTest::AddTextRows(int count) {
    for (int r = 0; r < count; ++r) {
        List().InsertItem(r, (L"row " + std::to_wstring(r)).c_str());
        List().SetItem(r, 1, LVIF_TEXT, (L"name " + std::to_wstring(r)).c_str(), 0, 0, 0, 0);
    }
}

void GridTest::AddRow(int row, const CString& label, CCellCtrl* value, LPCWSTR valueText) {
    List().InsertItem(row, L"");
    List().SetItem(row, 1, LVIF_TEXT, label, 0, 0, 0, 0);
    auto* help = new CCellPushButton(nullptr, 0, 0, 0);
    List().SetCellCtrl(row, 0, help, L"");
    help->SetBitmapId(IDB_HELP_QUESTION);
    if (value) List().SetCellCtrl(row, 2, value, valueText);
}

CCellComboBox* GridTest::AddComboRow(int row, const CString& label, const std::vector<CString>& options, int current) {
    CString all;
    for (size_t i = 0; i < options.size(); ++i) {
        if (i) all += L"\n";
        all += options[i];
    }
    auto* combo = new CCellComboBox();
    AddRow(row, label, combo, all);
    if (current >= 0) combo->SetCurSel(current);
    return combo;
}

CCellCheckBox* GridTest::AddCheckRow(int row, const CString& label, BOOL state, const CString& first,
                                     const CString& second) {
    auto* check = new CCellCheckBox();
    AddRow(row, label, check, state ? L"1" : L"0");
    check->SetFirstOptionText(first);
    check->SetSecondOptionText(second);
    return check;
}

CRect GridTest::CellRect(int row, int column) {
    CRect rc;
    List().GetSubItemRect(row, column, LVIR_LABEL, rc);
    return rc;
}

void GridTest::Paint() {
    List().RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    Pump(10);
}

void GridTest::Click(CPoint point) {
    List().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    Pump(5);
    List().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    Pump(5);
}

void GridTest::ClickCell(int row, int column, int dx, int dy) {
    CRect rc = CellRect(row, column);
    CPoint pt = rc.CenterPoint();
    if (dx >= 0) pt.x = rc.left + dx;
    if (dy >= 0) pt.y = rc.top + dy;
    Click(pt);
}

void GridTest::Key(UINT vk) {
    // As typed: the release goes to whichever window has the focus after the press.
    ::PostMessageW(::GetFocus(), WM_KEYDOWN, vk, 1);
    Pump(15);
    ::PostMessageW(::GetFocus(), WM_KEYUP, vk, 0xC0000001);
    Pump(15);
}

void GridTest::ShiftTab() {
    BYTE state[256];
    ::GetKeyboardState(state);
    BYTE shifted[256];
    memcpy(shifted, state, sizeof(state));
    shifted[VK_SHIFT] = 0x80;
    ::SetKeyboardState(shifted);
    Key(VK_TAB);
    ::SetKeyboardState(state);
}

void GridTest::Screenshot(const wchar_t* name) {
    wchar_t exe[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring folder(exe);
    folder = folder.substr(0, folder.find_last_of(L"\\/") + 1) + L"screenshots\\";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring path = folder + name + L".bmp";
    EXPECT_TRUE(fw::test::SaveWindowImage(m_dlg.m_hWnd, path.c_str()));
}
