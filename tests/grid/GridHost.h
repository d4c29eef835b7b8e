// A dialog that holds a settings grid as the pages do, records what the grid
// tells its owner, and drives the grid with the mouse and the keyboard as a
// user would (the messages go through the dialog's message loop).
#pragma once
#include <gtest/gtest.h>
#include <vector>
#include <ostream>
#include <string>
#include "framework/Framework.h"
#include "grid/ConfigListCtrl.h"
#include "grid/ConfigListOwner.h"
#include "grid/CellCheckBox.h"
#include "grid/CellComboBox.h"
#include "grid/CellPushButton.h"
#include "grid/PopUpScrollList.h"
#include "grid_host.h"
#include "framework/TestSeams.h"

struct PickRecord {
    int row, column, index;
};

class CGridHostDlg : public CDialog, public CConfigListOwner {
public:
    CGridHostDlg() : CDialog(IDD_GRID_HOST) {}

    CConfigListCtrl m_list;
    std::vector<std::pair<int, int>> m_clicks;
    std::vector<PickRecord> m_picks;
    int m_nPopupDone = 0;
    BOOL m_bPopupOpen = FALSE;
    BOOL m_bRightAlign = FALSE;

    void OnConfigListClick(CConfigListCtrl&, int row, int column) override { m_clicks.push_back({row, column}); }
    void OnConfigListValuePicked(CConfigListCtrl&, int row, int column, CCellComboBox& combo) override {
        m_picks.push_back({row, column, combo.GetCurSel()});
    }
    void OnConfigListPopupDone(CConfigListCtrl&) override { ++m_nPopupDone; }
    void OnConfigListPopupOpen(CConfigListCtrl&, BOOL open) override { m_bPopupOpen = open; }
    BOOL IsConfigListFirstColumnRightAligned(const CConfigListCtrl&) const override { return m_bRightAlign; }

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_GRID_LIST, m_list); }
    BOOL OnInitDialog() override;
};

class GridTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Three columns as on the settings page: help button, name, value (the
    // name takes what the others leave of the grid's width).
    void AddColumns(int valueWidth = 200);
    // Rows of texts only.
    void AddTextRows(int count);
    // A row: "?" button in column 0, label in 1, value cell in 2 (null: none).
    void AddRow(int row, const CString& label, CCellCtrl* value, LPCWSTR valueText);
    CCellComboBox* AddComboRow(int row, const CString& label, const std::vector<CString>& options, int current);
    CCellCheckBox* AddCheckRow(int row, const CString& label, BOOL state, const CString& first = L"Enable",
                               const CString& second = L"Disable");

    // Makes the dialog the active window with the grid focused.
    void Activate();
    CRect CellRect(int row, int column);
    // A press and a release of the left button at a point of the grid (with
    // the dialog's message loop running between them).
    void Click(CPoint point);
    void ClickCell(int row, int column, int dx = -1, int dy = -1);
    void Key(UINT vk);
    void ShiftTab();
    void Pump(DWORD ms = 30);
    CPopUpScrollList* Popup(CCellComboBox* combo) { return combo->GetPopupList(); }
    BOOL PopupVisible(CCellComboBox* combo) { return Popup(combo)->IsWindowVisible(); }
    // Repaints the grid now (every row is drawn).
    void Paint();
    void Screenshot(const wchar_t* name);

    CGridHostDlg m_dlg;
    CConfigListCtrl& List() { return m_dlg.m_list; }
};

// Readable CString values in failure messages.
inline void PrintTo(const CString& s, std::ostream* os) {
    std::wstring w(s.GetString());
    *os << '"' << std::string(w.begin(), w.end()) << '"';
}

// For the tests that run alone: the host dialog is active and the grid has the focus.
class FocusedGridTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        Activate();
    }
};
