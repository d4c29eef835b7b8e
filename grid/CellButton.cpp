#include "grid/CellButton.h"

BOOL CCellButton::OnLButtonDown(UINT nFlags, CPoint point) {
    Activate();
    if (::PtInRect(&m_rcButton, point)) OnClicked(nFlags, point);
    return TRUE;
}

void CCellButton::UpdateHover(UINT, CPoint point) {
    BOOL hover = ::PtInRect(&m_rcButton, point) ? TRUE : FALSE;
    if (hover != m_bHover) {
        m_bHover = hover;
        InvalidateInList(&m_rcButton);
    }
}

void CCellButton::ResetState() {
    m_bPressed = FALSE;
    m_bHover = FALSE;
}

BOOL CCellButton::IsRectInsideRect(const RECT* inner, const RECT* outer) {
    POINT topLeft = {inner->left, inner->top};
    POINT bottomRight = {inner->right, inner->bottom};
    return ::PtInRect(outer, topLeft) && ::PtInRect(outer, bottomRight);
}
