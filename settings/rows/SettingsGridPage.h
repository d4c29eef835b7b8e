// The DEVICE SETTING page's side of its settings grid: filling it for the
// target model, and what a click or a pick in it does (the page forwards its
// grid owner hooks here). Everything acts on page 5 only.
#pragma once
#include "settings/rows/SettingsGridRows.h"

class CConfigListCtrl;
class CUpdaterDlg;

namespace rows {

// The model, the device record as read and the UI language of the wizard.
RowsContext ContextOf(const CUpdaterDlg& main);

// Empties the grid and builds the rows of the target model from the working record.
void FillSettingsGrid(CConfigListCtrl& list, const CUpdaterDlg& main, const CDeviceRecord& working);

// A left click at (row, column) on the grid, after the grid's own handling:
// column 0 shows the row's help box; column 2 stores a toggled check box.
// True when the page and the wizard are to be refreshed.
bool OnSettingsGridClick(CConfigListCtrl& list, CUpdaterDlg& main, int row, int column, CDeviceRecord& working);

// A value picked in the list at (row, column). True when a value was stored.
bool OnSettingsGridPick(CConfigListCtrl& list, CUpdaterDlg& main, int row, int column, CDeviceRecord& working);

// Shows a help box with the main dialog as parent (520 wide, the logo, OK only).
void ShowHelpBox(CUpdaterDlg& main, const HelpBox& box);

}  // namespace rows
