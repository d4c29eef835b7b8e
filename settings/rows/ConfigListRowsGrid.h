// The settings rows on the real grid: ISettingsGrid over a CConfigListCtrl
// with its push-button, check-box and combo cells.
#pragma once
#include "settings/rows/SettingsGridRows.h"

class CConfigListCtrl;

namespace rows {

// The information-sign bitmap of the help buttons.
const unsigned kHelpBitmapId = 188;  // IDB_HELP_QUESTION

class CConfigListRowsGrid : public ISettingsGrid {
public:
    explicit CConfigListRowsGrid(CConfigListCtrl& list) : m_list(list) {}

    int GetRowCount() override;
    void DeleteAllRows() override;
    void InsertRow(int row) override;
    void AddHelpButton(int row) override;
    void SetLabel(int row, const CString& text) override;
    void AddCheckBox(int row, const wchar_t* stateText) override;
    void AddList(int row, const CString& joinedOptions) override;
    bool SelectOption(int row, int index) override;
    void SetDisabled(int row, bool disabled) override;
    void SetCheckTexts(int row, const CString& firstText, const CString& secondText) override;
    int GetCheck(int row) override;
    void SetCheck(int row, int state) override;
    int GetSelectedOption(int row) override;
    bool IsDisabled(int row) override;
    void BeginUpdate() override;
    void EndUpdate() override;

private:
    CConfigListCtrl& m_list;
};

}  // namespace rows

namespace rows {

// The widths that the names (column 1) and the value cells (column 2) of the
// grid's rows need in their font: a check box shows both of its words side
// by side, a list its widest option beside its arrow.
void MeasureRowWidths(CConfigListCtrl& list, int* nameWidth, int* valueWidth);

// Shares nameWidth + valueWidth between columns 1 and 2 so that the values
// are whole, and the names too as far as the room allows.
void FitColumns(int nameNeed, int valueNeed, int* nameWidth, int* valueWidth);

}  // namespace rows
