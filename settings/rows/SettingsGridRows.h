// The DEVICE SETTING grid's rows for the target model: the fill, and what a
// click on a check box, a pick in a list and a click on a help button do.
// All four read the same row list (SettingsListModels.h), found from the model
// id and the firmware of the device record as read from the headset; values
// come from, and go to, the page's working record.
#pragma once
#include "settings/rows/SettingsListModels.h"

namespace rows {

// What the rows need of the grid (column 0 help button, column 1 name,
// column 2 value cell). The settings page passes its CConfigListCtrl through
// an adapter; tests pass a plain recorder.
class ISettingsGrid {
public:
    virtual ~ISettingsGrid() = default;
    virtual int GetRowCount() = 0;
    virtual void DeleteAllRows() = 0;
    // A new row at `row` with empty texts.
    virtual void InsertRow(int row) = 0;
    // The information-sign push button in column 0 (it posts nothing).
    virtual void AddHelpButton(int row) = 0;
    virtual void SetLabel(int row, const CString& text) = 0;
    // A check box in column 2 with the state text "1" or "0".
    virtual void AddCheckBox(int row, const wchar_t* stateText) = 0;
    // A list in column 2 with its options joined by "\n".
    virtual void AddList(int row, const CString& joinedOptions) = 0;
    // Selects an option of the list at `row`; an index outside it is refused.
    virtual bool SelectOption(int row, int index) = 0;
    virtual void SetDisabled(int row, bool disabled) = 0;
    // The two words of a check box: the first for state "0", the second for "1".
    virtual void SetCheckTexts(int row, const CString& firstText, const CString& secondText) = 0;
    // 1 or 0; -1 when there is no check box at `row`.
    virtual int GetCheck(int row) = 0;
    virtual void SetCheck(int row, int state) = 0;
    // The index of the selected option; -1 when none or no list at `row`.
    virtual int GetSelectedOption(int row) = 0;
    virtual bool IsDisabled(int row) = 0;
    // Around a whole fill: the grid may hold its painting until the end.
    virtual void BeginUpdate() {}
    virtual void EndUpdate() {}
};

// The inputs every operation reads.
struct RowsContext {
    int modelId = 0;
    const CDeviceRecord* deviceRecord = nullptr;  // as read: its firmware chooses the list
    int language = 0;
};

// Empties the grid and builds the rows of the model (none for a model of the
// no-rows table or an unknown id). The working record is only read.
void FillSettingsList(ISettingsGrid& grid, const RowsContext& ctx, const CDeviceRecord& working);

// The check box at `row` has been toggled: stores its new state in the
// working record and brings the dependent cells in line. False (nothing
// stored) for a row without a check box or a disabled one.
bool OnCheckBoxClicked(ISettingsGrid& grid, const RowsContext& ctx, int row, CDeviceRecord& working);

// An option was picked in the list at `row`: stores the value it stands for.
// False (nothing stored) for a row without a list or without a selection.
bool OnValuePicked(ISettingsGrid& grid, const RowsContext& ctx, int row, CDeviceRecord& working);

// The help box of a row: its text (placeholders filled) and size.
struct HelpBox {
    CString text;
    int width = 0;
    int height = 0;
};

// False when the row explains nothing (no such row, a row without help).
bool GetRowHelp(const RowsContext& ctx, int row, HelpBox* box);

// Whether a help click on a row without help refreshes the page instead.
bool HelpGapRefreshesPage(int modelId);

// The check-box rows and the list rows of the working record, as the fill
// gives them (state, selected index, disabled flag) without a grid.
struct RowState {
    const RowKind* kind = nullptr;
    int check = -1;     // check boxes: 1 or 0
    int selected = -1;  // lists: the option index, -1 for none
    bool disabled = false;
};
RowState EvaluateRow(const RowKind& kind, const CDeviceRecord& working);

}  // namespace rows
