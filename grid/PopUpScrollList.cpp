#include "grid/PopUpScrollList.h"
#include "grid/CellComboBox.h"
#include "grid/CellStyle.h"

BEGIN_MESSAGE_MAP(CPopUpScrollList, CListCtrlCellWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_VSCROLL()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEWHEEL()
    ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

CPopUpScrollList::~CPopUpScrollList() {
    if (m_hWnd) DestroyWindow();
}

BOOL CPopUpScrollList::Create(HWND hList, CCellDropDown* pOwner) {
    if (m_hWnd) return TRUE;
    LPCTSTR cls = CWnd::RegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_CLASSDC | CS_PARENTDC | CS_SAVEBITS, nullptr,
                                         (HBRUSH)(COLOR_BTNFACE + 1));
    m_hOwnerList = hList;
    CWnd* parent = CWnd::FromHandle(::GetParent(hList));
    if (!CreateEx(0, cls, L"", WS_POPUP, CRect(0, 0, 0, 0), parent, 0)) return FALSE;
    m_pOwner = dynamic_cast<CCellComboBox*>(pOwner);
    m_scrollBar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT | SBS_RIGHTALIGN, CRect(0, 0, 0, 0), this, 0);
    UpdateScrollInfo();
    return TRUE;
}

void CPopUpScrollList::UpdateScrollInfo() {
    if (!m_scrollBar.m_hWnd) return;
    SCROLLINFO si = {sizeof(si)};
    si.fMask = SIF_ALL;
    si.nMin = 0;
    si.nMax = m_pOwner ? m_pOwner->GetItemCount() - 1 : -1;
    si.nPage = (UINT)(m_pOwner ? m_pOwner->GetVisibleLines() : 6);
    si.nPos = 0;
    m_scrollBar.SetScrollInfo(&si, TRUE);
}

int CPopUpScrollList::GetScrollPosition() const { return m_scrollBar.m_hWnd ? m_scrollBar.GetScrollPos() : 0; }

int CPopUpScrollList::SetScrollPosition(int pos) {
    if (!m_scrollBar.m_hWnd) return 0;
    SCROLLINFO si = {sizeof(si)};
    si.fMask = SIF_POS;
    si.nPos = pos;
    m_scrollBar.SetScrollInfo(&si, TRUE);
    return m_scrollBar.GetScrollPos();
}

BOOL CPopUpScrollList::IsScrollBarShown() const {
    return m_scrollBar.m_hWnd && (::GetWindowLongPtrW(m_scrollBar.m_hWnd, GWL_STYLE) & WS_VISIBLE);
}

void CPopUpScrollList::ShowSelection() {
    if (!m_pOwner) return;
    int current = m_pOwner->GetCurSel();
    int visible = m_pOwner->GetVisibleLines();
    m_nHoverLine = current;
    if (current >= visible) {
        SetScrollPosition(current - visible + 1);
        m_nHoverLine = visible - 1;
    } else {
        SetScrollPosition(0);
    }
    if (m_hWnd) Invalidate(FALSE);
}

int CPopUpScrollList::GetHoverItem() const {
    // The hover line may stand above or below the visible lines after a
    // scroll: it still marks the same item.
    if (!m_pOwner) return -1;
    int item = m_nHoverLine + GetScrollPosition();
    return (item >= 0 && item < m_pOwner->GetItemCount()) ? item : -1;
}

void CPopUpScrollList::SelectAndHide() {
    int item = GetHoverItem();
    if (m_hOwnerList && ::IsWindow(m_hOwnerList)) {
        // Nothing highlighted, or a line with no item: the click picks nothing.
        if (item >= 0) ::SendMessageW(m_hOwnerList, WM_CELL_NOTIFY, kCellNotifyPick, item);
        else ::SendMessageW(m_hOwnerList, WM_CELL_NOTIFY, kCellNotifyCancel, 0);
    }
    ::ReleaseCapture();
    if (m_hWnd && IsWindowVisible()) ShowWindow(SW_HIDE);
}

CRect CPopUpScrollList::InnerRect(BOOL leaveScrollStrip) const {
    CRect inner;
    GetClientRect(&inner);
    inner.DeflateRect(::GetSystemMetrics(SM_CXBORDER), ::GetSystemMetrics(SM_CYBORDER));
    if (leaveScrollStrip) inner.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    return inner;
}

int CPopUpScrollList::GetLineCount() const {
    if (!m_pOwner) return 0;
    int items = m_pOwner->GetItemCount(), visible = m_pOwner->GetVisibleLines();
    return items < visible ? items : visible;
}

int CPopUpScrollList::GetLineHeight() const {
    int lines = GetLineCount();
    if (lines == 0) return ::GetSystemMetrics(SM_CYVTHUMB) - 2 * ::GetSystemMetrics(SM_CYBORDER);
    return InnerRect(FALSE).Height() / lines;
}

void CPopUpScrollList::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    int saved = dc.SaveDC();
    dc.SelectStockObject(BLACK_PEN);
    dc.SelectStockObject(HOLLOW_BRUSH);
    dc.Rectangle(&client);
    CRect inner = InnerRect(FALSE);
    int items = m_pOwner ? m_pOwner->GetItemCount() : 0;
    int visible = m_pOwner ? m_pOwner->GetVisibleLines() : 6;
    BOOL needed = visible < items;
    if (needed && m_scrollBar.m_hWnd) {
        m_scrollBar.SetWindowPos(nullptr, inner.right - ::GetSystemMetrics(SM_CXVSCROLL), inner.top,
                                 ::GetSystemMetrics(SM_CXVSCROLL), inner.Height(), SWP_NOZORDER | SWP_SHOWWINDOW);
    }
    if (m_scrollBar.m_hWnd) m_scrollBar.ShowScrollBar(needed);
    if (m_pOwner && m_pOwner->GetNormalFont()) dc.SelectObject(m_pOwner->GetNormalFont());
    dc.SetBkMode(TRANSPARENT);
    int lines = GetLineCount();
    int lineHeight = GetLineHeight();
    CRect line(inner);
    line.bottom = line.top + lineHeight;
    if (needed) line.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    if (lines == 0) dc.FillRect(&line, ::GetSysColorBrush(COLOR_WINDOW));
    int first = GetScrollPosition();
    for (int k = 0; k < lines; ++k) {
        dc.FillRect(&line, ::GetSysColorBrush(k == m_nHoverLine ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        CRect text(line);
        text.DeflateRect(::GetSystemMetrics(SM_CXDLGFRAME), 0);
        text.top += ::GetSystemMetrics(SM_CYBORDER);
        CString item = m_pOwner->GetItem(k + first);
        m_pOwner->DrawItemText(&dc, &text, &item, k == m_nHoverLine, FALSE);
        line.OffsetRect(0, lineHeight);
    }
    dc.RestoreDC(saved);
}

void CPopUpScrollList::OnMouseMove(UINT, CPoint point) {
    if (m_pOwner) {
        POINT pt = point;
        ::MapWindowPoints(m_hWnd, m_hOwnerList, &pt, 1);
        m_pOwner->TrackButton(&pt);
    }
    CRect inner = InnerRect(m_scrollBar.m_hWnd != nullptr);
    int lines = GetLineCount();
    int lineHeight = GetLineHeight();
    for (int k = 0; k < lines; ++k) {
        CRect line(inner.left, inner.top + k * lineHeight, inner.right, inner.top + (k + 1) * lineHeight);
        if (line.PtInRect(point)) {
            if (k != m_nHoverLine) {
                m_nHoverLine = k;
                Invalidate(FALSE);
            }
            break;
        }
    }
    Default();
}

void CPopUpScrollList::OnLButtonDown(UINT, CPoint) {
    SelectAndHide();
    Default();
}

void CPopUpScrollList::OnVScroll(UINT nSBCode, UINT, CScrollBar*) {
    SCROLLINFO si = {sizeof(si)};
    m_scrollBar.GetScrollInfo(&si, SIF_ALL);
    int old = si.nPos;
    int visible = m_pOwner ? m_pOwner->GetVisibleLines() : 6;
    int pos = old;
    switch (nSBCode) {
    case SB_LINEUP: pos -= 1; break;
    case SB_LINEDOWN: pos += 1; break;
    case SB_PAGEUP: pos -= visible; break;
    case SB_PAGEDOWN: pos += visible; break;
    case SB_THUMBTRACK: pos = si.nTrackPos; break;
    default: break;
    }
    int result = SetScrollPosition(pos);
    m_nHoverLine += old - result;
    Invalidate(FALSE);
    Default();
}

BOOL CPopUpScrollList::OnMouseWheel(UINT, short zDelta, CPoint) {
    int old = GetScrollPosition();
    int requested = old;
    if (zDelta > 0) requested = old - 1;
    else if (zDelta < 0) requested = old + 1;
    int result = SetScrollPosition(requested);
    // One message scrolls one line at most, whatever its delta: the
    // highlight follows the real change, so it stays on the same item.
    m_nHoverLine += old - result;
    Invalidate(FALSE);
    return TRUE;
}

void CPopUpScrollList::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    int items = m_pOwner ? m_pOwner->GetItemCount() : 0;
    int visible = m_pOwner ? m_pOwner->GetVisibleLines() : 6;
    int lastLine = (items < visible ? items : visible) - 1;
    int pos = GetScrollPosition();
    switch (nChar) {
    case VK_PRIOR:
        if (m_nHoverLine != 0) m_nHoverLine = 0;
        else pos -= visible;
        break;
    case VK_NEXT:
        if (m_nHoverLine < lastLine) m_nHoverLine = lastLine;
        else pos += visible;
        break;
    case VK_END: pos = items - visible; break;
    case VK_HOME: pos = 0; break;
    case VK_UP:
        if (m_nHoverLine != 0) m_nHoverLine -= 1;
        else pos -= 1;
        break;
    case VK_DOWN:
        if (m_nHoverLine < lastLine) m_nHoverLine += 1;
        else pos += 1;
        break;
    default: break;
    }
    SetScrollPosition(pos);
    Invalidate(TRUE);
    CListCtrlCellWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}
