#include "grid/CellPushButton.h"
#include "grid/CellBitmaps.h"

DWORD CCellPushButton::s_dwClassStyle = 0;

namespace {
const int kFaceInset = 15;
const UINT kCaptionFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;  // 0x8025
}  // namespace

CCellPushButton::CCellPushButton(HWND hTarget, UINT nMsg, WPARAM wParam, LPARAM lParam)
    : m_hTarget(hTarget), m_nMsg(nMsg), m_wParam(wParam), m_lParam(lParam) {
    m_dwStyle = cellstyle::kAlignCenter;
}

CCellPushButton::~CCellPushButton() {
    if (m_nLoadedId) cellbitmaps::Release(m_nLoadedId);
}

void CCellPushButton::Draw(CDC* pDC, const RECT* prc, UINT) {
    int saved = pDC->SaveDC();
    CRect cell(*prc);
    CRect face(cell);
    face.DeflateRect(kFaceInset, kFaceInset);
    m_rcText = face;
    BOOL disabled = IsDrawnDisabled();
    if (!face.IsRectEmpty()) ::FillRect(pDC->m_hDC, &face, ::GetSysColorBrush(disabled ? COLOR_BTNFACE : COLOR_WINDOW));
    pDC->SetTextColor(::GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    pDC->SetBkMode(TRANSPARENT);
    SelectCellFont(this, pDC);
    m_rcButton = face;
    m_rcButton.right -= ::GetSystemMetrics(SM_CXEDGE);

    if (!m_strText.IsEmpty() && !face.IsRectEmpty()) {
        // (A row too low for a face, as in the settings grid, shows nothing.)
        ::SelectObject(pDC->m_hDC, ::GetSysColorBrush(COLOR_BTNFACE));
        pDC->Rectangle(&m_rcButton);
        CRect edge(m_rcButton);
        if (m_bActive && !disabled) {
            pDC->DrawEdge(&edge, EDGE_ETCHED, BF_RECT);
            ::OffsetRect(&m_rcText, ::GetSystemMetrics(SM_CXBORDER), ::GetSystemMetrics(SM_CYBORDER));
        } else {
            pDC->DrawEdge(&edge, EDGE_RAISED, BF_RECT);
        }
        CRect text(m_rcText);
        pDC->DrawText(m_strText, &text, kCaptionFlags);
    } else if (m_strText.IsEmpty() && m_nBitmapId) {
        if (m_nLoadedId != m_nBitmapId) {
            if (m_nLoadedId) cellbitmaps::Release(m_nLoadedId);
            m_hBitmap = cellbitmaps::Acquire(m_nBitmapId);
            m_nLoadedId = m_nBitmapId;
        }
        // White is the bitmap's background.
        if (m_hBitmap)
            cellbitmaps::DrawTransparent(m_nLoadedId, pDC->m_hDC, cell.left + 3, cell.top + 2, RGB(255, 255, 255));
    }
    pDC->RestoreDC(saved);
}

int CCellPushButton::GetPreferredWidth() {
    int width = m_strText.IsEmpty() ? 0 : MeasureTextWidth(m_strText);
    return width + 20;
}

BOOL CCellPushButton::OnLButtonDown(UINT nFlags, CPoint point) {
    m_bActive = TRUE;
    CCellButton::OnLButtonDown(nFlags, point);
    return FALSE;
}

BOOL CCellPushButton::OnLButtonUp(UINT, CPoint) {
    m_bActive = FALSE;
    InvalidateInList(&m_rcButton);
    return FALSE;
}

BOOL CCellPushButton::OnClicked(UINT, CPoint) {
    if (m_hTarget) ::PostMessageW(m_hTarget, m_nMsg, m_wParam, m_lParam);
    return TRUE;
}

void CCellPushButton::Repaint() {
    if (m_bActive) InvalidateInList(&m_rcButton);
}
