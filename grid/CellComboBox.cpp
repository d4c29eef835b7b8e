#include "grid/CellComboBox.h"
#include "grid/ConfigListCtrl.h"
#include "grid/PopUpScrollList.h"

DWORD CCellComboBox::s_dwClassStyle = cellstyle::kSunkenActive | cellstyle::kSunkenInactive;

CCellComboBox::CCellComboBox() {
    m_pPopup = new CPopUpScrollList();
    m_bClickAnywhere = TRUE;
}

CCellComboBox::~CCellComboBox() {
    if (m_pPopup) {
        if (m_pPopup->m_hWnd) m_pPopup->DestroyWindow();
        delete m_pPopup;
        m_pPopup = nullptr;
    }
}

CPopUpScrollList* CCellComboBox::GetPopupList() const { return dynamic_cast<CPopUpScrollList*>(m_pPopup); }

void CCellComboBox::Init(HWND hList, const BOOL* pListEnabled, LPCWSTR text) {
    CCellCtrl::Init(hList, pListEnabled, text);
    m_items.clear();
    CString all(text ? text : L"");
    int start = 0;
    for (;;) {
        int lf = start;
        while (lf < all.GetLength() && all.GetAt(lf) != L'\n') ++lf;
        m_items.push_back(CString(all.GetString() + start, lf - start));
        if (lf >= all.GetLength()) break;
        start = lf + 1;
    }
    m_nCurrent = -1;
    if (m_items.size() >= 2) {
        for (size_t i = 1; i < m_items.size(); ++i) {
            if (m_items[i].CompareNoCase(m_items[0]) == 0) {
                m_items.erase(m_items.begin());
                m_nCurrent = (int)i - 1;
                break;
            }
        }
    }
    m_strText = m_nCurrent >= 0 ? m_items[(size_t)m_nCurrent] : CString();
    // The popup window is made when the list first opens: a settings list
    // holds many combo boxes and most are never opened.
}

BOOL CCellComboBox::CreatePopupWindow() {
    CPopUpScrollList* popup = GetPopupList();
    if (!popup) return FALSE;
    if (popup->m_hWnd) return TRUE;
    return m_hList && ::IsWindow(m_hList) && popup->Create(m_hList, this);
}

BOOL CCellComboBox::SetCurSel(int nIndex) {
    if (nIndex < 0 || nIndex >= GetItemCount()) return FALSE;
    m_nCurrent = nIndex;
    m_strText = m_items[(size_t)nIndex];
    CalcTextRect();
    InvalidateInList(nullptr, TRUE);
    if (CConfigListCtrl* list = GetList()) list->UpdateCellText(this, m_strText);
    return TRUE;
}

BOOL CCellComboBox::SelectIndex(int nIndex) {
    if (nIndex < 0 || nIndex >= GetItemCount()) return FALSE;
    m_nCurrent = nIndex;
    m_strText = m_items[(size_t)nIndex];
    return TRUE;
}

void CCellComboBox::SyncPopup() {
    if (CPopUpScrollList* popup = GetPopupList()) popup->ShowSelection();
}

void CCellComboBox::CalcPopupRect(RECT* pOut, BOOL bBelow) {
    int lineHeight = 0;
    if (HDC dc = ::GetDC(m_hList)) {
        SIZE size{};
        ::GetTextExtentPoint32W(dc, L"M", 1, &size);
        lineHeight = size.cy;
        ::ReleaseDC(m_hList, dc);
    }
    int lines = GetItemCount() < m_nVisibleLines ? GetItemCount() : m_nVisibleLines;
    int height = GetItemCount() == 0 ? ::GetSystemMetrics(SM_CYVTHUMB)
                                     : lineHeight * lines + 2 * ::GetSystemMetrics(SM_CYBORDER);
    pOut->left = m_rcCell.left;
    pOut->right = m_rcCell.right;
    if (bBelow) {
        pOut->top = m_rcCell.bottom;
        pOut->bottom = m_rcCell.bottom + height;
    } else {
        pOut->bottom = m_rcCell.top;
        pOut->top = m_rcCell.top - height;
    }
}

void CCellComboBox::DrawItemText(CDC* pDC, RECT* pRect, const CString* text, BOOL, BOOL bGrayed) {
    pDC->SetTextColor(::GetSysColor(bGrayed ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    UINT align = DT_LEFT;
    if (m_dwStyle & cellstyle::kAlignCenter) align = DT_CENTER;
    else if (m_dwStyle & cellstyle::kAlignRight) align = DT_RIGHT;
    pDC->DrawText(*text, pRect, align | DT_BOTTOM | DT_END_ELLIPSIS);
}

void CCellComboBox::Draw(CDC* pDC, const RECT* prc, UINT itemState) {
    int saved = pDC->SaveDC();
    BOOL disabled = IsDrawnDisabled();
    ::FillRect(pDC->m_hDC, prc, ::GetSysColorBrush(disabled ? COLOR_BTNFACE : COLOR_WINDOW));
    CRect text(*prc);
    text.DeflateRect(::GetSystemMetrics(SM_CXDLGFRAME), ::GetSystemMetrics(SM_CYDLGFRAME));
    text.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    SelectCellFont(this, pDC);
    pDC->SetBkMode(TRANSPARENT);
    DrawItemText(pDC, &text, &m_strText, FALSE, disabled);
    DrawButton(pDC, prc, itemState);
    m_bPainted = TRUE;
    pDC->RestoreDC(saved);
}

int CCellComboBox::GetPreferredWidth() {
    if (!m_hList) return 0;
    return MeasureTextWidth(m_strText) + m_nButtonWidth;
}

BOOL CCellComboBox::OnMouseMove(UINT, CPoint point) {
    TrackButton(&point);
    return TRUE;
}
