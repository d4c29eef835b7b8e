// The header of the settings grid. Its layout repositions the cells first; a
// double click on a divider sizes the column to its widest cell; a press
// gives the grid the focus.
#pragma once
#include "framework/Framework.h"

class CConfigHeaderCtrl : public CHeaderCtrl {
protected:
    LRESULT OnLayout(WPARAM wParam, LPARAM lParam);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
