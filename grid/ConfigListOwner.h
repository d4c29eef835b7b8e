// What the window that holds a settings grid does with it. The grid finds its
// owner as its parent window (a checked cast: a parent that is no owner gets
// nothing) and calls these after its own handling.
#pragma once
#include <windows.h>

class CConfigListCtrl;
class CCellComboBox;

class CConfigListOwner {
public:
    virtual ~CConfigListOwner() = default;

    // A left click at the hit-test position (row -1 off the items), after the
    // grid activated the cell and the cell handled the click (a check box has
    // toggled already).
    virtual void OnConfigListClick(CConfigListCtrl& list, int row, int column) {}
    // A value was picked in the combo box at (row, column): its current index
    // is the picked item. Never called for a cancel or a refused pick.
    virtual void OnConfigListValuePicked(CConfigListCtrl& list, int row, int column, CCellComboBox& combo) {}
    // After every pick or cancel of a cell popup, picked or not.
    virtual void OnConfigListPopupDone(CConfigListCtrl& list) {}
    // A cell popup of the grid opened (TRUE) or closed (FALSE).
    virtual void OnConfigListPopupOpen(CConfigListCtrl& list, BOOL open) {}
    // Column 0 texts without a cell are drawn right-aligned while this holds.
    virtual BOOL IsConfigListFirstColumnRightAligned(const CConfigListCtrl& list) const { return FALSE; }
};
