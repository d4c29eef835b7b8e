#include "grid/ConfigHeaderCtrl.h"
#include "grid/ConfigListCtrl.h"

BEGIN_MESSAGE_MAP(CConfigHeaderCtrl, CHeaderCtrl)
    ON_MESSAGE(HDM_LAYOUT, &CConfigHeaderCtrl::OnLayout)
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

LRESULT CConfigHeaderCtrl::OnLayout(WPARAM, LPARAM lParam) {
    if (CConfigListCtrl* list = CConfigListCtrl::FromListHandle(::GetParent(m_hWnd))) list->RepositionCells();
    return DefWindowProc(HDM_LAYOUT, 0, lParam);
}

void CConfigHeaderCtrl::OnLButtonDblClk(UINT, CPoint point) {
    HDHITTESTINFO hit{};
    hit.pt = point;
    SendMessage(HDM_HITTEST, 0, (LPARAM)&hit);
    if (hit.flags == HHT_ONDIVIDER || hit.flags == HHT_ONDIVOPEN) {
        if (CConfigListCtrl* list = CConfigListCtrl::FromListHandle(::GetParent(m_hWnd))) {
            list->AutoSizeColumn(hit.iItem);
            return;
        }
    }
    Default();
}

void CConfigHeaderCtrl::OnLButtonDown(UINT, CPoint) {
    if (HWND list = ::GetParent(m_hWnd)) ::SetFocus(list);
    Default();
}
