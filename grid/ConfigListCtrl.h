// The settings grid: an owner-drawn report list view in which any (row,
// column) cell may carry a cell control (check box, push button, combo box).
// The list draws the cells, makes one of them the active cell on a click or
// with Tab, and forwards its window messages to it. Cells without a control
// show the item's text.
//
// Cells are keyed row << 16 | column; ascending key order is the Tab order.
// Fill the grid only through InsertItem, SetItem and DeleteAllItems (and
// InsertColumn for columns), so that the cells follow their rows: InsertItem
// moves the cells of the rows below down, SetItem removes the cell where it
// writes, DeleteAllItems deletes every cell. Then attach the cells with
// SetCellCtrl; the list owns them from then on.
#pragma once
#include "framework/Framework.h"
#include "grid/CellKeySet.h"
#include "grid/CellCtrl.h"
#include "grid/ConfigHeaderCtrl.h"
#include <functional>
#include <unordered_map>
#include <vector>

class CConfigListOwner;

class CConfigListCtrl : public CListCtrl {
public:
    CConfigListCtrl();
    ~CConfigListCtrl() override;

    // Row operations.
    int InsertItem(int nItem, LPCWSTR text);
    // The list view's item setting, after deleting the cell at the position
    // (its text is blanked first). Callers pass eight or all nine arguments.
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCWSTR lpszItem, int nImage, UINT nState,
                 UINT nStateMask, LPARAM lParam, int nIndent = 0);
    BOOL DeleteAllItems();
    // Re-keys the cells of columns nCol and above, inserts the column, and
    // after an insert at 0 moves the texts one column to the right.
    int InsertColumn(int nCol, LPCWSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);

    // Cell bookkeeping.
    BOOL SetCellCtrl(int nItem, int nSubItem, CCellCtrl* cell, LPCWSTR text);
    void AddCell(int nItem, int nSubItem, CCellCtrl* cell);
    void DeleteCell(int nItem, int nSubItem);
    void DeleteCellByKey(DWORD key, CCellCtrl* cell);
    void DeleteAllCells();
    // Calls fn(key, cell) for every cell; fn may delete the cell it is given.
    void ForEachCell(const std::function<void(DWORD, CCellCtrl*)>& fn);
    BOOL LookupCell(WORD nItem, WORD nSubItem, CCellCtrl** out) const;
    CCellCtrl* GetCellCtrl(int nItem, int nSubItem) const;
    // The cell at the position when it is a T; null otherwise.
    template <class T>
    T* GetCellAs(int nItem, int nSubItem) const { return dynamic_cast<T*>(GetCellCtrl(nItem, nSubItem)); }
    BOOL SetItemTextRaw(int nItem, int nSubItem, LPCWSTR text);
    // Sets the item text of every position that holds cell.
    void UpdateCellText(CCellCtrl* cell, const CString& text);
    // Adds (nonzero) or removes the disabled bit of the cell there and repaints it.
    void SetCellDisabled(int nItem, int nSubItem, BOOL bDisable);
    void OnItemInserted(int nItem);
    void OnColumnInserted(int nCol);
    void ShiftColumnTexts(int nCol);
    void RepositionCells();
    void AutoSizeColumn(int nCol);
    size_t GetCellCount() const { return m_cells.size(); }
    // The number of columns (the header's items).
    int GetColumnCount() const;
    const CCellKeySet& GetKeySet() const { return m_keySet; }

    // The active cell.
    void HideActiveCell();
    // For the main dialog: closes the active cell (and its popup).
    void HideActiveCellPublic() { HideActiveCell(); }
    BOOL ActivateCellByKey(DWORD key);
    int GetActiveRow() const { return m_nActiveRow; }
    int GetActiveColumn() const { return m_nActiveColumn; }
    CCellCtrl* GetActiveCell() const { return m_pActiveCell; }
    // Whether hWnd is a window of a cell (a popup list or a window in one).
    static BOOL IsCellWindow(HWND hWnd);

    DWORD GetNextEnabledKey(DWORD key) const;
    DWORD GetPrevEnabledKey(DWORD key) const;
    DWORD GetFirstCellKey() const { return m_keySet.GetFirstKey(); }
    DWORD GetLastCellKey() const { return m_keySet.GetLastKey(); }
    void CommitActiveCellText();

    // Called by a drop-down cell when its popup opens or closes.
    void NotifyCellPopupOpen(BOOL open);
    // The window that holds the grid, when it is an owner; null otherwise.
    CConfigListOwner* GetOwner() const;
    // The grid's row height (the MeasureItem height).
    static int GetRowHeight();
    BOOL IsListEnabled() const { return m_bEnabled; }
    // The grid behind a window handle, or null when it is no grid.
    static CConfigListCtrl* FromListHandle(HWND hWnd);

    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    CConfigHeaderCtrl m_header;

protected:
    void PreSubclassWindow() override;
    void CreateCellCaret();
    void DestroyCellCaret();
    void ForceMeasureItem();
    void DrawCellText(CDC* pDC, int nItem, int nSubItem, const RECT* rc, UINT itemState);
    // One row's background and cells (cells: each column's label rectangle).
    void DrawRow(CDC* pDC, int item, const CRect& row, const std::vector<CRect>& cells, UINT itemState);
    BOOL EnsureRowBitmap(CDC* pDC, int width, int height);
    BOOL OnEraseBkgnd(CDC* pDC);
    BOOL IsCellDisabled(DWORD key) const;

    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKillFocus(CWnd* pNewWnd);
    void OnSetFocus(CWnd* pOldWnd);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    void OnEnable(BOOL bEnable);
    LRESULT OnThemeChanged();
    LRESULT OnCellValueChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnCellRepaint(WPARAM wParam, LPARAM lParam);
    void OnDestroy();
    UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

private:
    // The cell bookkeeping without the item text: RemoveCell deletes the
    // cell at a position (if any), PutCell files a cell there.
    void RemoveCell(int nItem, int nSubItem);
    void PutCell(int nItem, int nSubItem, CCellCtrl* cell);
    // Tab and Shift+Tab; TRUE when the key was consumed.
    BOOL HandleTab(BOOL backwards);
    void DeleteAllCellsNow();

    std::unordered_map<DWORD, CCellCtrl*> m_cells;
    CCellKeySet m_keySet;
    BOOL m_bItemHeightMeasured = FALSE;
    BOOL m_bFocusCaret = FALSE;
    BOOL m_bTabTraversal = FALSE;
    BOOL m_bTabArmed = FALSE;
    BOOL m_bEnabled = TRUE;
    int m_nActiveRow = -1;
    int m_nActiveColumn = -1;
    CCellCtrl* m_pActiveCell = nullptr;
    // The off-screen bitmap the rows are drawn into (DrawItem).
    CBitmap m_rowBitmap;
    CSize m_rowBitmapSize{0, 0};
    // The texts of every row as they were before a column insert at 0.
    std::vector<std::vector<CString>> m_textsBeforeColumnInsert;
};
