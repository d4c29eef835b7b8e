// The grid's messages: clicks, keys, Tab traversal, focus and the cells'
// popup notifications, each forwarded to the active cell.
#include "grid/ConfigListCtrl.h"
#include "grid/CellComboBox.h"
#include "grid/CellDropDown.h"
#include "grid/ConfigListOwner.h"
#include "grid/ListCtrlCellWnd.h"

BEGIN_MESSAGE_MAP(CConfigListCtrl, CListCtrl)
    ON_WM_CHAR()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_KILLFOCUS()
    ON_WM_SETFOCUS()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_RBUTTONDOWN()
    ON_WM_TIMER()
    ON_WM_ENABLE()
    ON_WM_THEMECHANGED()
    ON_WM_DESTROY()
    ON_WM_ERASEBKGND()
    ON_WM_GETDLGCODE()
    ON_MESSAGE(WM_CELL_NOTIFY, &CConfigListCtrl::OnCellValueChanged)
    ON_MESSAGE(CCellDropDown::WM_CELL_REPAINT, &CConfigListCtrl::OnCellRepaint)
END_MESSAGE_MAP()

void CConfigListCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
    BOOL hadFocus = m_bFocusCaret;
    LVHITTESTINFO hit{};
    hit.pt = point;
    SendMessage(LVM_SUBITEMHITTEST, 0, (LPARAM)&hit);
    int row = hit.iItem, column = hit.iSubItem;
    if (row < 0) column = -1;
    CCellCtrl* cell = GetCellCtrl(row, column);
    BOOL result = TRUE;
    HWND remembered = nullptr;
    if (cell && !(cell->GetStyle() & cellstyle::kDisabled)) {
        CCellCtrl* previous = m_pActiveCell;
        m_nActiveRow = row;
        m_nActiveColumn = column;
        if (previous && previous != cell) previous->Deactivate();
        m_pActiveCell = cell;
        CRect rc;
        GetSubItemRect(row, column, LVIR_LABEL, rc);
        cell->SetRect(&rc);
        SetFocus();
        result = cell->OnLButtonDown(nFlags, point);
        remembered = ::GetFocus();
        SetItemTextRaw(row, column, cell->GetText());
        if (m_bFocusCaret) cell->OnActivate(nFlags, point);
    } else {
        HideActiveCell();
    }
    if (result) Default();
    if (cell && !hadFocus && GetCellCtrl(row, column) == cell) cell->OnActivate(nFlags, point);
    if (remembered && ::IsWindow(remembered)) ::SetFocus(remembered);
    if (CConfigListOwner* owner = GetOwner()) owner->OnConfigListClick(*this, row, column);
}

void CConfigListCtrl::OnLButtonUp(UINT nFlags, CPoint point) {
    if (m_pActiveCell && !m_pActiveCell->OnLButtonUp(nFlags, point)) return;
    Default();
}

void CConfigListCtrl::OnMouseMove(UINT nFlags, CPoint point) {
    if (m_pActiveCell && !m_pActiveCell->OnMouseMove(nFlags, point)) return;
    Default();
}

BOOL CConfigListCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint point) {
    if (!m_pActiveCell) return (BOOL)Default();
    BOOL result = m_pActiveCell->OnMouseWheel(nFlags, zDelta, point);
    Invalidate(TRUE);
    if (!result) return TRUE;
    return (BOOL)Default();
}

void CConfigListCtrl::OnRButtonDown(UINT nFlags, CPoint point) {
    if (m_pActiveCell && !m_pActiveCell->OnRButtonDown(nFlags, point)) return;
    Default();
}

void CConfigListCtrl::OnTimer(UINT_PTR nIDEvent) {
    if (m_pActiveCell && !m_pActiveCell->OnTimer(nIDEvent)) return;
    Default();
}

void CConfigListCtrl::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (m_pActiveCell && !m_pActiveCell->OnHScroll(nSBCode, nPos, pScrollBar)) return;
    Default();
}

void CConfigListCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (!m_pActiveCell) {
        Default();
        return;
    }
    if (m_pActiveCell->OnVScroll(nSBCode, nPos, pScrollBar)) Default();
    Invalidate(TRUE);
}

void CConfigListCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!m_pActiveCell) return;
    m_pActiveCell->OnChar(nChar, nRepCnt, nFlags);
    CommitActiveCellText();
    if (m_pActiveCell) SetItemTextRaw(m_nActiveRow, m_nActiveColumn, m_pActiveCell->GetText());
}

void CConfigListCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!m_pActiveCell) {
        Default();
        return;
    }
    m_pActiveCell->OnKeyDown(nChar, nRepCnt, nFlags);
    CommitActiveCellText();
}

void CConfigListCtrl::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (m_pActiveCell && !m_pActiveCell->OnKeyUp(nChar, nRepCnt, nFlags)) return;
    Default();
}

void CConfigListCtrl::OnEnable(BOOL) {
    Default();
    m_bEnabled = IsWindowEnabled();
}

LRESULT CConfigListCtrl::OnThemeChanged() {
    ForEachCell([](DWORD, CCellCtrl* cell) { cell->OnThemeChanged(); });
    return 1;
}

UINT CConfigListCtrl::OnGetDlgCode() {
    UINT code = (UINT)Default();
    // While a cell's popup list is open, Return and Escape are its keys, not
    // the dialog's buttons.
    const MSG* current = GetCurrentMessage();
    const MSG* key = current ? reinterpret_cast<const MSG*>(current->lParam) : nullptr;
    auto* dropDown = dynamic_cast<CCellDropDown*>(m_pActiveCell);
    if (key && dropDown && dropDown->IsPopupOpen() && key->message == WM_KEYDOWN &&
        (key->wParam == VK_RETURN || key->wParam == VK_ESCAPE)) {
        code |= DLGC_WANTMESSAGE;
    }
    return code;
}

void CConfigListCtrl::OnDestroy() {
    HideActiveCell();
    DeleteAllCellsNow();
    Default();
}

BOOL CConfigListCtrl::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (m_pActiveCell && !m_pActiveCell->OnCommand(wParam, lParam)) return TRUE;
    return CListCtrl::OnCommand(wParam, lParam);
}

// Focus ----------------------------------------------------------------------

void CConfigListCtrl::OnSetFocus(CWnd* pOldWnd) {
    Default();
    CreateCellCaret();
    if (m_pActiveCell) m_pActiveCell->OnSetFocus(pOldWnd);
}

void CConfigListCtrl::OnKillFocus(CWnd* pNewWnd) {
    Default();
    if (m_pActiveCell) {
        HWND hNew = pNewWnd ? pNewWnd->m_hWnd : nullptr;
        // Into a window of the cell (its popup list, or a window in it): the cell stays.
        if (!CListCtrlCellWnd::FromWindowOrAncestor(hNew)) {
            CCellCtrl* cell = m_pActiveCell;
            cell->Deactivate();
            cell->OnKillFocus(pNewWnd);
            CommitActiveCellText();
            m_nActiveRow = m_nActiveColumn = -1;
            m_pActiveCell = nullptr;
        }
    }
    DestroyCellCaret();
}

void CConfigListCtrl::CreateCellCaret() {
    if (m_bFocusCaret) return;
    int height = ::GetSystemMetrics(SM_CYVTHUMB) + 2 * ::GetSystemMetrics(SM_CYEDGE) -
                 2 * ::GetSystemMetrics(SM_CYDLGFRAME);
    ::CreateCaret(m_hWnd, nullptr, 1, height);
    m_bFocusCaret = TRUE;
}

void CConfigListCtrl::DestroyCellCaret() {
    if (!m_bFocusCaret) return;
    ::DestroyCaret();
    m_bFocusCaret = FALSE;
}

// Tab traversal ----------------------------------------------------------------

BOOL CConfigListCtrl::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYUP) {
        m_bTabArmed = TRUE;
        return CListCtrl::PreTranslateMessage(pMsg);
    }
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB) {
        if (!m_bTabArmed) m_bTabTraversal = TRUE;
        m_bTabArmed = FALSE;
        if (HandleTab(::GetKeyState(VK_SHIFT) < 0)) return TRUE;
    }
    return CListCtrl::PreTranslateMessage(pMsg);
}

BOOL CConfigListCtrl::HandleTab(BOOL backwards) {
    // A grid without cells (the restore page's) is passed over: the dialog
    // moves the focus on.
    if (m_keySet.IsEmpty()) {
        m_bTabTraversal = FALSE;
        return FALSE;
    }
    DWORD edgeKey = backwards ? GetFirstCellKey() : GetLastCellKey();
    if (!m_bTabTraversal) {
        DWORD key = backwards ? GetPrevEnabledKey(GetLastCellKey()) : GetNextEnabledKey(GetFirstCellKey());
        if (IsCellDisabled(key)) return FALSE;  // every cell is disabled
        m_bTabTraversal = TRUE;
        return ActivateCellByKey(key);
    }
    DWORD activeKey = MakeCellKey(m_nActiveRow, m_nActiveColumn);
    if (!m_pActiveCell || activeKey == edgeKey) {
        m_bTabTraversal = FALSE;
        return FALSE;
    }
    DWORD step = backwards ? m_keySet.FindPrevKey(activeKey) : m_keySet.FindNextKey(activeKey);
    if (step == CCellKeySet::kNoKey) {
        m_bTabTraversal = FALSE;
        return FALSE;
    }
    DWORD next = backwards ? GetPrevEnabledKey(step) : GetNextEnabledKey(step);
    if (IsCellDisabled(next)) {
        m_bTabTraversal = FALSE;
        return FALSE;
    }
    m_pActiveCell->Deactivate();
    return ActivateCellByKey(next);
}

// Popup notifications ------------------------------------------------------------

LRESULT CConfigListCtrl::OnCellValueChanged(WPARAM wParam, LPARAM lParam) {
    if (!m_pActiveCell || m_nActiveRow < 0 || m_nActiveColumn < 0) return 1;
    CCellCtrl* cell = m_pActiveCell;
    int row = m_nActiveRow, column = m_nActiveColumn;
    BOOL picked = cell->OnCellNotify(wParam, lParam);
    SetItemTextRaw(row, column, cell->GetText());
    if (CConfigListOwner* owner = GetOwner()) {
        // Only a real pick of an item is stored; a cancel or a refused pick changes nothing.
        if (picked && wParam == kCellNotifyPick) {
            CCellComboBox* combo = GetCellAs<CCellComboBox>(row, column);
            if (combo && combo->GetCurSel() >= 0) owner->OnConfigListValuePicked(*this, row, column, *combo);
        }
        owner->OnConfigListPopupDone(*this);
    }
    return 1;
}

LRESULT CConfigListCtrl::OnCellRepaint(WPARAM wParam, LPARAM lParam) {
    RECT rc = {(short)LOWORD(wParam), (short)HIWORD(wParam), (short)LOWORD(lParam), (short)HIWORD(lParam)};
    InvalidateRect(&rc, FALSE);
    return 0;
}
