// The popup of a combo-box cell: a borderless top-level window listing the
// combo's items, at most its visible lines at a time, with the line under the
// mouse highlighted and a vertical scroll bar when there are more items. A
// click picks the highlighted line; F4 cancels. Both are sent to the grid as
// WM_CELL_NOTIFY. Return and Escape do not pick.
#pragma once
#include "grid/ListCtrlCellWnd.h"

class CCellDropDown;
class CCellComboBox;

class CPopUpScrollList : public CListCtrlCellWnd {
public:
    CPopUpScrollList() = default;
    ~CPopUpScrollList() override;

    void ClosePopupWindow() override { SelectAndHide(); }
    // Creates the hidden window, owned by the grid's page; once, by the combo's Init.
    virtual BOOL Create(HWND hList, CCellDropDown* pOwner);

    void UpdateScrollInfo();
    // Highlights the owner's current item, scrolled to show it (on opening).
    void ShowSelection();
    // Sends the pick of the highlighted line (a cancel when it is no item)
    // to the grid, releases the capture and hides the window.
    void SelectAndHide();

    int GetHoverLine() const { return m_nHoverLine; }
    int GetScrollPosition() const;
    // The item the hover line marks (it may be scrolled out of view), or -1.
    int GetHoverItem() const;
    BOOL IsScrollBarShown() const;
    CScrollBar& GetScrollBar() { return m_scrollBar; }
    CCellComboBox* GetOwnerCombo() const { return m_pOwner; }
    // The height of one line and the number of lines (as painted).
    int GetLineHeight() const;
    int GetLineCount() const;

protected:
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    // A click on the popup (or its scroll bar) leaves the activation where it is.
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) { return MA_NOACTIVATE; }
    DECLARE_MESSAGE_MAP()

private:
    // Sets the scroll position (clamped by the control); the resulting one.
    int SetScrollPosition(int pos);
    CRect InnerRect(BOOL leaveScrollStrip) const;

    CCellComboBox* m_pOwner = nullptr;
    int m_nHoverLine = 0;
    CScrollBar m_scrollBar;
};
