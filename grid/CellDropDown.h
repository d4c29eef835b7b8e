// A cell that shows a value with a drop-down arrow at the right edge and
// opens a popup window below the cell (above it when there is no room below
// on the cell's monitor). Abstract: CCellComboBox is the concrete one. The
// popup does not take the activation: the grid keeps the keyboard focus and
// passes the popup its keys and wheel while it is open.
//
// The arrow's pressed look follows one program-wide button-pressed flag,
// kept in the drop-down code's CButtonCritSect. Each opening starts a short
// press-check thread that waits 200 ms, looks once whether the primary mouse
// button is still down over the arrow, updates the flag and asks the grid to
// repaint the arrow by posting to it.
#pragma once
#include "grid/CellButton.h"
#include "grid/ButtonCritSect.h"

class CListCtrlCellWnd;
class CConfigListCtrl;

class CCellDropDown : public CCellButton {
public:
    CCellDropDown();
    ~CCellDropDown() override;

    const RECT* GetRect() override { return &m_rcText; }
    // Draws the frame and the arrow (the part below the value).
    void Draw(CDC* pDC, const RECT* rc, UINT itemState) override { DrawButton(pDC, rc, itemState); }
    int GetPreferredWidth() override { return m_nButtonWidth; }
    void Deactivate() override;
    void ClosePopup() override;
    void Reposition(const RECT* rc) override;
    void SetRect(const RECT* rc) override;
    // F4 opens the popup; while it is open every key goes to it.
    BOOL OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // The wheel scrolls the open popup, not the grid.
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint point) override;
    BOOL OnLButtonDown(UINT nFlags, CPoint point) override;
    BOOL OnLButtonUp(UINT nFlags, CPoint point) override;
    BOOL OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override { return OnScroll(); }
    BOOL OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override { return OnScroll(); }
    void OnKillFocus(CWnd* pNewWnd) override;
    void UpdatePopupPosition() override;
    BOOL OnCellNotify(WPARAM code, LPARAM index) override;

    // Opens the popup, or closes it when it is open.
    BOOL OnClicked(UINT nFlags, CPoint point) override;
    virtual void CancelPopup();
    virtual void EndPopup();
    // Makes the popup's window if it has none yet; FALSE when there is none.
    virtual BOOL CreatePopupWindow();
    // Brings the open popup in line with the current value.
    virtual void SyncPopup() = 0;
    // The popup rectangle in the grid's client coordinates, below or above the cell.
    virtual void CalcPopupRect(RECT* pOut, BOOL bBelow) = 0;
    // Makes item nIndex current; FALSE (and nothing changes) when it is no item.
    virtual BOOL SelectIndex(int nIndex) = 0;
    virtual void OnHighlight() {}

    // Follows the primary button over the arrow (pt in the grid's client
    // coordinates); repaints the arrow when the pressed flag changes.
    void TrackButton(const POINT* pt);

    BOOL IsPopupOpen() const { return m_bOpen; }
    BOOL IsNarrow() const { return m_bNarrow; }
    CListCtrlCellWnd* GetPopup() const { return m_pPopup; }
    const RECT* GetCellRect() const { return &m_rcCell; }
    const RECT* GetArrowRect() const { return &m_rcArrow; }

    // The shared pressed flag of every drop-down arrow.
    static BOOL IsButtonPressed();
    static void SetButtonPressed(BOOL pressed);
    // The lock of the drop-down code.
    static CButtonCritSect& Lock();
    // Tests: the number of press-check threads that have not ended yet.
    static LONG RunningPressChecks();
    // Whether the primary mouse button is down and where the cursor is, in
    // screen coordinates; read from the input state of the whole system.
    static BOOL ReadPrimaryButton(POINT* cursor);

    // Private message of the press-check thread to the grid: invalidate the
    // rectangle (left, top) = wParam, (right, bottom) = lParam, no erase.
    static const UINT WM_CELL_REPAINT = WM_USER + 0x1001;

protected:
    void DrawButton(CDC* pDC, const RECT* rc, UINT itemState);
    void CalcTextRect();
    // Closes the popup after a pick or cancel and gives the focus back to the grid.
    void ClosePopupAndFocus();
    void HidePopupWindow();
    // Hides the popup window (nothing else).
    void HidePopup();
    BOOL OnScroll();
    // The grid that owns the cell, or null when the list is not one.
    CConfigListCtrl* GetList() const;
    void SetPagePopupFlag(BOOL open);

    CListCtrlCellWnd* m_pPopup = nullptr;
    BOOL m_bClickAnywhere = FALSE;
    BOOL m_bPainted = FALSE;
    RECT m_rcArrow = {0, 0, 0, 0};  // the arrow button, the right part of the cell
    RECT m_rcCell = {0, 0, 0, 0};
    RECT m_rcText = {0, 0, 0, 0};
    int m_nButtonWidth;
    BOOL m_bNarrow = FALSE;
    BOOL m_bOpen = FALSE;
};
