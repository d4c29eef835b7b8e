// The grid's drawing, row height and column sizing.
#include "grid/ConfigListCtrl.h"
#include "app/DpiScale.h"
#include "grid/ConfigListOwner.h"
#include <vector>

int CConfigListCtrl::GetRowHeight() {
    // The thumb grows with the display's scaling, the edges stay as thin as
    // at 96 dpi: the room they give grows here, so that the rows keep their
    // proportion to the text.
    return ::GetSystemMetrics(SM_CYVTHUMB) + dpiscale::Y(5 * ::GetSystemMetrics(SM_CYEDGE));
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
    if (!m_bItemHeightMeasured) {
        m_bItemHeightMeasured = TRUE;
        ForceMeasureItem();
    }
    const int item = (int)lpDIS->itemID;
    const int columns = GetColumnCount();
    // The row's whole width, as the erase leaves it out (OnEraseBkgnd): the
    // item's bounds, the item rectangle and every column's cell.
    CRect row(lpDIS->rcItem), bounds;
    if (GetItemRect(item, &bounds, LVIR_BOUNDS)) row.UnionRect(&row, &bounds);
    std::vector<CRect> cells((size_t)(columns > 0 ? columns : 0));
    for (int c = 0; c < columns; ++c) {
        GetSubItemRect(item, c, LVIR_LABEL, cells[(size_t)c]);
        row.UnionRect(&row, &cells[(size_t)c]);
    }
    if (row.IsRectEmpty()) return;

    // The row is drawn off-screen and copied in one go, over a background the
    // erase left alone (OnEraseBkgnd): no part of it shows blank or half drawn.
    CDC target;
    target.Attach(lpDIS->hDC);
    CDC mem;
    if (!mem.CreateCompatibleDC(&target) || !EnsureRowBitmap(&target, row.Width(), row.Height())) {
        DrawRow(&target, item, row, cells, lpDIS->itemState);
        target.Detach();
        return;
    }
    {
        CGdiSelection bitmap(mem, m_rowBitmap);
        CGdiSelection font(mem, ::GetCurrentObject(target, OBJ_FONT));
        ::SetViewportOrgEx(mem, -row.left, -row.top, nullptr);
        DrawRow(&mem, item, row, cells, lpDIS->itemState);
        ::SetViewportOrgEx(mem, 0, 0, nullptr);
        target.BitBlt(row.left, row.top, row.Width(), row.Height(), &mem, 0, 0, SRCCOPY);
    }
    target.Detach();
}

void CConfigListCtrl::DrawRow(CDC* pDC, int item, const CRect& row, const std::vector<CRect>& cells, UINT itemState) {
    int saved = pDC->SaveDC();
    // The row's background first: the strips between the cells (the label
    // of column 0 starts after the list's own margin) are the row's too.
    pDC->FillRect(&row, ::GetSysColorBrush(m_bEnabled ? COLOR_WINDOW : COLOR_BTNFACE));
    for (int c = 0; c < (int)cells.size(); ++c) {
        CRect rc = cells[(size_t)c];
        if (CCellCtrl* cell = GetCellCtrl(item, c)) cell->Draw(pDC, &rc, itemState);
        else DrawCellText(pDC, item, c, &rc, itemState);
    }
    pDC->RestoreDC(saved);
}

BOOL CConfigListCtrl::EnsureRowBitmap(CDC* pDC, int width, int height) {
    // One bitmap, as large as the largest row so far, for every row.
    if (m_rowBitmap.GetSafeHandle() && m_rowBitmapSize.cx >= width && m_rowBitmapSize.cy >= height) return TRUE;
    CSize size(width > m_rowBitmapSize.cx ? width : m_rowBitmapSize.cx,
               height > m_rowBitmapSize.cy ? height : m_rowBitmapSize.cy);
    if (!m_rowBitmap.CreateCompatibleBitmap(*pDC, size.cx, size.cy)) {
        m_rowBitmapSize = CSize(0, 0);
        return FALSE;
    }
    m_rowBitmapSize = size;
    return TRUE;
}

BOOL CConfigListCtrl::OnEraseBkgnd(CDC* pDC) {
    // The rows paint all of their own area (DrawItem), so the erase leaves
    // them out and only clears what no row covers: below the last row and to
    // the right of the last column.
    int count = GetItemCount();
    CRect rows;
    if (count > 0 && GetColumnCount() > 0) {
        CRect first, last;
        GetItemRect(0, &first, LVIR_BOUNDS);
        GetItemRect(count - 1, &last, LVIR_BOUNDS);
        rows.UnionRect(&first, &last);
    }
    if (rows.IsRectEmpty()) return (BOOL)Default();
    int saved = pDC->SaveDC();
    ::ExcludeClipRect(*pDC, rows.left, rows.top, rows.right, rows.bottom);
    BOOL result = (BOOL)Default();
    pDC->RestoreDC(saved);
    return result;
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
