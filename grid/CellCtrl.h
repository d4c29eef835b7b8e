// The interface of every cell of the settings grid (CConfigListCtrl). Cells
// have no windows: the grid draws them into its own DC, makes one of them the
// active cell and forwards its window messages to it. The grid owns its cells
// and deletes them through the virtual destructor.
//
// A message operation that returns TRUE lets the grid run its default
// handling afterwards; FALSE suppresses it.
#pragma once
#include "framework/Framework.h"
#include "grid/CellStyle.h"

class CCellCtrl {
public:
    CCellCtrl() = default;
    virtual ~CCellCtrl();
    CCellCtrl(const CCellCtrl&) = delete;
    CCellCtrl& operator=(const CCellCtrl&) = delete;

    // Stores the list, the pointer to its enabled flag and the text, and
    // takes the cell fonts. Called once, by CConfigListCtrl::SetCellCtrl.
    virtual void Init(HWND hList, const BOOL* pListEnabled, LPCWSTR text);
    virtual void ResetState();
    // The rectangle the grid invalidates when it commits the cell's text.
    virtual const RECT* GetRect() = 0;
    virtual const RECT* GetTextRect() { return GetRect(); }
    // Draws the cell into the grid's DC; rc is the sub-item label rectangle.
    virtual void Draw(CDC* pDC, const RECT* rc, UINT itemState) = 0;
    virtual int GetPreferredWidth() = 0;
    virtual void Deactivate();
    virtual void Activate();
    virtual void ClosePopup() {}
    virtual void Reposition(const RECT* rc) {}
    virtual void SetRect(const RECT* rc) {}
    virtual BOOL OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) { return TRUE; }
    virtual BOOL OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { return TRUE; }
    virtual BOOL OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) { return TRUE; }
    virtual BOOL OnLButtonDown(UINT nFlags, CPoint point);
    virtual BOOL OnLButtonUp(UINT nFlags, CPoint point) { return TRUE; }
    virtual BOOL OnTimer(UINT_PTR nIDEvent) { return TRUE; }
    virtual BOOL OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) { return TRUE; }
    virtual BOOL OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) { return TRUE; }
    virtual BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint point) { return TRUE; }
    virtual BOOL OnMouseMove(UINT nFlags, CPoint point) { return TRUE; }
    virtual BOOL OnRButtonDown(UINT nFlags, CPoint point) { return TRUE; }
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) { return TRUE; }
    virtual void OnKillFocus(CWnd* pNewWnd) {}
    virtual void OnSetFocus(CWnd* pOldWnd) {}
    virtual void UpdatePopupPosition() {}
    virtual void UpdateHover(UINT nFlags, CPoint point) {}
    virtual void OnActivate(UINT nFlags, CPoint point) {}
    // The popup's pick or cancel, forwarded by the grid. TRUE when a value
    // was really picked (a cancel, or a pick the cell refuses, gives FALSE).
    virtual BOOL OnCellNotify(WPARAM code, LPARAM index) { return FALSE; }
    virtual void AddClassStyle(DWORD bits) = 0;
    virtual void RemoveClassStyle(DWORD bits) = 0;
    // The class's style word OR the cell's own style.
    virtual DWORD GetStyle() = 0;
    virtual void OnThemeChanged() {}

    CString GetText() const { return m_strText; }
    void ModifyStyleAdd(DWORD bits) { m_dwStyle |= bits; }
    void ModifyStyleRemove(DWORD bits) { m_dwStyle &= ~bits; }
    DWORD GetOwnStyle() const { return m_dwStyle; }
    BOOL IsActive() const { return m_bActive; }
    HWND GetListWnd() const { return m_hList; }
    // Greyed: the grid is disabled or the cell has the disabled bit.
    BOOL IsDrawnDisabled() const;
    // The two cell fonts (shared by all cells; valid after Init).
    HFONT GetNormalFont() const { return m_hNormalFont; }
    HFONT GetActiveFont() const { return m_hActiveFont; }

    // Selects the active font into the DC while the cell is active and its
    // style has kBoldActive, otherwise the normal font.
    static void SelectCellFont(CCellCtrl* cell, CDC* pDC);

protected:
    // Invalidates a rectangle of the grid window (no erase unless asked).
    void InvalidateInList(const RECT* rc, BOOL erase = FALSE) const;
    // Width of text + "i" in the cell font, measured in a DC of the grid.
    int MeasureTextWidth(const CString& text);

    CString m_strText;
    HWND m_hList = nullptr;
    BOOL m_bActive = FALSE;
    BOOL m_bPressed = FALSE;
    DWORD m_dwStyle = 0;
    HFONT m_hNormalFont = nullptr;
    HFONT m_hActiveFont = nullptr;
    const BOOL* m_pListEnabled = nullptr;

private:
    BOOL m_bHoldsFonts = FALSE;
};
