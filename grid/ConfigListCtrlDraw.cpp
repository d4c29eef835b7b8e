// The grid's drawing, row height and column sizing.
#include "grid/ConfigListCtrl.h"
#include "grid/ConfigListOwner.h"

int CConfigListCtrl::GetRowHeight() {
    return ::GetSystemMetrics(SM_CYVTHUMB) + 5 * ::GetSystemMetrics(SM_CYEDGE);
}

void CConfigListCtrl::MeasureItem(LPMEASUREITEMSTRUCT lpMIS) { lpMIS->itemHeight = (UINT)GetRowHeight(); }

void CConfigListCtrl::ForceMeasureItem() {
    CRect rc;
    GetWindowRect(&rc);
    WINDOWPOS wp{};
    wp.hwnd = m_hWnd;
    wp.cx = rc.Width();
    wp.cy = rc.Height();
    wp.flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    SendMessage(WM_WINDOWPOSCHANGED, 0, (LPARAM)&wp);
}

void CConfigListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    CDC dc;
    dc.Attach(lpDIS->hDC);
    int saved = dc.SaveDC();
    if (!m_bItemHeightMeasured) {
        m_bItemHeightMeasured = TRUE;
        ForceMeasureItem();
    }
    int item = (int)lpDIS->itemID;
    int columns = GetColumnCount();
    for (int c = 0; c < columns; ++c) {
        CRect rc;
        GetSubItemRect(item, c, LVIR_LABEL, rc);
        if (CCellCtrl* cell = GetCellCtrl(item, c)) cell->Draw(&dc, &rc, lpDIS->itemState);
        else DrawCellText(&dc, item, c, &rc, lpDIS->itemState);
    }
    dc.RestoreDC(saved);
    dc.Detach();
}

void CConfigListCtrl::DrawCellText(CDC* pDC, int nItem, int nSubItem, const RECT* prc, UINT) {
    ::FillRect(pDC->m_hDC, prc, ::GetSysColorBrush(m_bEnabled ? COLOR_WINDOW : COLOR_BTNFACE));
    pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    pDC->SetBkMode(TRANSPARENT);
    CRect text(*prc);
    text.top += ::GetSystemMetrics(SM_CYDLGFRAME);
    UINT flags = DT_BOTTOM | DT_END_ELLIPSIS;
    if (nSubItem == 0) {
        CConfigListOwner* owner = GetOwner();
        if (owner && owner->IsConfigListFirstColumnRightAligned(*this)) flags |= DT_RIGHT;
    }
    pDC->DrawText(GetItemText(nItem, nSubItem), &text, flags);
}

void CConfigListCtrl::AutoSizeColumn(int nCol) {
    int width = 0;
    int rows = GetItemCount();
    for (int r = 0; r < rows; ++r) {
        int w;
        if (CCellCtrl* cell = GetCellCtrl(r, nCol)) {
            w = cell->GetPreferredWidth();
        } else {
            CString text = GetItemText(r, nCol) + L"i";
            w = (int)SendMessage(LVM_GETSTRINGWIDTHW, 0, (LPARAM)text.GetString());
        }
        if (w > width) width = w;
    }
    if (nCol == 0) width += ::GetSystemMetrics(SM_CXEDGE);
    SendMessage(LVM_SETCOLUMNWIDTH, (WPARAM)nCol, MAKELPARAM((WORD)width, 0));
    ForEachCell([this](DWORD key, CCellCtrl* cell) {
        CRect rc;
        GetSubItemRect(CellKeyRow(key), CellKeyColumn(key), LVIR_LABEL, rc);
        cell->Reposition(&rc);
    });
}

void CConfigListCtrl::RepositionCells() {
    Invalidate(FALSE);
    ForEachCell([this](DWORD key, CCellCtrl* cell) {
        CRect rc;
        GetSubItemRect(CellKeyRow(key), CellKeyColumn(key), LVIR_LABEL, rc);
        cell->Reposition(&rc);
    });
    if (m_pActiveCell) m_pActiveCell->ClosePopup();
}
