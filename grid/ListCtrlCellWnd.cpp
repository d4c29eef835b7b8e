#include "grid/ListCtrlCellWnd.h"
#include "grid/CellStyle.h"

BEGIN_MESSAGE_MAP(CListCtrlCellWnd, CWnd)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

void CListCtrlCellWnd::CancelAndHide() {
    if (m_hOwnerList && ::IsWindow(m_hOwnerList)) ::SendMessageW(m_hOwnerList, WM_CELL_NOTIFY, kCellNotifyCancel, 0);
    ::ReleaseCapture();
    if (m_hWnd && IsWindowVisible()) ShowWindow(SW_HIDE);
}

void CListCtrlCellWnd::OnKeyDown(UINT nChar, UINT, UINT) {
    if (nChar == VK_F4) CancelAndHide();
    Default();
}

CListCtrlCellWnd* CListCtrlCellWnd::FromWindowOrAncestor(HWND hWnd) {
    for (HWND h = hWnd; h; h = ::GetParent(h)) {
        if (CListCtrlCellWnd* w = dynamic_cast<CListCtrlCellWnd*>(CWnd::FromHandlePermanent(h))) return w;
        if (!(::GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD)) break;
    }
    return nullptr;
}
