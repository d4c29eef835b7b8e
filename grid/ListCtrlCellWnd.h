// The base of the windows that belong to a cell of the settings grid. The
// grid treats a focus change into such a window (or into a window below
// one) as staying inside the active cell.
#pragma once
#include "framework/Framework.h"

class CListCtrlCellWnd : public CWnd {
public:
    CListCtrlCellWnd() = default;

    // Sends a cancel to the grid, releases the capture and hides the window.
    void CancelAndHide();
    virtual void ClosePopupWindow() { CancelAndHide(); }

    HWND GetOwnerList() const { return m_hOwnerList; }

    // The cell window that hWnd is or lies in; null when there is none.
    static CListCtrlCellWnd* FromWindowOrAncestor(HWND hWnd);

protected:
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    HWND m_hOwnerList = nullptr;
};
