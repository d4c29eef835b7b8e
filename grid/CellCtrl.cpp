#include "grid/CellCtrl.h"
#include "grid/CellFonts.h"

CCellCtrl::~CCellCtrl() {
    if (m_bHoldsFonts) cellfonts::Release();
}

void CCellCtrl::Init(HWND hList, const BOOL* pListEnabled, LPCWSTR text) {
    m_hList = hList;
    m_pListEnabled = pListEnabled;
    m_strText = text ? text : L"";
    if (!m_bHoldsFonts) {
        cellfonts::Acquire(hList, &m_hNormalFont, &m_hActiveFont);
        m_bHoldsFonts = TRUE;
    }
}

void CCellCtrl::ResetState() { m_bPressed = FALSE; }

void CCellCtrl::Deactivate() { m_bActive = FALSE; }

void CCellCtrl::Activate() { m_bActive = TRUE; }

BOOL CCellCtrl::OnLButtonDown(UINT, CPoint) {
    Activate();
    return TRUE;
}

BOOL CCellCtrl::IsDrawnDisabled() const {
    BOOL listEnabled = m_pListEnabled ? *m_pListEnabled : TRUE;
    return !listEnabled || (m_dwStyle & cellstyle::kDisabled) != 0;
}

void CCellCtrl::SelectCellFont(CCellCtrl* cell, CDC* pDC) {
    if (!cell || !pDC) return;
    HFONT font = (cell->m_bActive && (cell->GetStyle() & cellstyle::kBoldActive)) ? cell->m_hActiveFont
                                                                                   : cell->m_hNormalFont;
    if (font) ::SelectObject(pDC->m_hDC, font);
}

void CCellCtrl::InvalidateInList(const RECT* rc, BOOL erase) const {
    if (m_hList && ::IsWindow(m_hList)) ::InvalidateRect(m_hList, rc, erase);
}

int CCellCtrl::MeasureTextWidth(const CString& text) {
    if (!m_hList) return 0;
    HDC dc = ::GetDC(m_hList);
    if (!dc) return 0;
    int saved = ::SaveDC(dc);
    CDC* pDC = CDC::FromHandle(dc);
    SelectCellFont(this, pDC);
    CString measured = text + L"i";
    SIZE size{};
    ::GetTextExtentPoint32W(dc, measured, measured.GetLength(), &size);
    ::RestoreDC(dc, saved);
    ::ReleaseDC(m_hList, dc);
    return size.cx;
}
