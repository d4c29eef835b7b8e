#include "grid/CellCheckBox.h"
#include "app/CellImageList.h"
#include "app/resource.h"

DWORD CCellCheckBox::s_dwClassStyle = 0;

namespace {
const UINT kDrawTextFlags = DT_BOTTOM | DT_END_ELLIPSIS;               // 0x8008
const UINT kLabelFlags = DT_BOTTOM | DT_CENTER | DT_END_ELLIPSIS;      // 0x8009
}  // namespace

void EnsureCheckImages() {
    if (g_cellImageList.GetSafeHandle()) return;
    HBITMAP strip = (HBITMAP)::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_CHECKBOX_GLYPHS),
                                          IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (!strip) return;
    if (g_cellImageList.Create(CCellCheckBox::kGlyphSize, CCellCheckBox::kGlyphSize, ILC_COLOR24 | ILC_MASK, 4, 20)) {
        ImageList_AddMasked(g_cellImageList, strip, RGB(255, 0, 255));
    }
    ::DeleteObject(strip);
}

CCellCheckBox::CCellCheckBox() { m_dwStyle = cellstyle::kAlignCenter; }

void CCellCheckBox::Init(HWND hList, const BOOL* pListEnabled, LPCWSTR text) {
    CCellCtrl::Init(hList, pListEnabled, text);
    WCHAR first = m_strText.GetAt(0);
    if (first != L'0' && first != L'1') m_strText = CString(L"0") + m_strText;
    m_strFirstOption.Empty();
    m_strSecondOption.Empty();
    EnsureCheckImages();
}

void CCellCheckBox::SetCheck(BOOL check) {
    if (m_strText.IsEmpty()) m_strText = L"0";
    m_strText.SetAt(0, check ? L'1' : L'0');
}

CString CCellCheckBox::GetLabel() const {
    return m_strText.GetLength() > 1 ? CString(m_strText.GetString() + 1) : CString();
}

void CCellCheckBox::ToggleCheck() {
    if (!m_bActive) return;
    SetCheck(!GetCheck());
    InvalidateInList(&m_rcButton);
}

BOOL CCellCheckBox::OnClicked(UINT, CPoint) {
    SetCheck(!GetCheck());
    return TRUE;
}

void CCellCheckBox::DrawGlyph(CDC* pDC, int x, int y, BOOL marked, BOOL grayed) {
    int image = (marked ? 1 : 0) + (grayed ? 2 : 0);
    if (g_cellImageList.GetSafeHandle()) ImageList_Draw(g_cellImageList, image, pDC->m_hDC, x, y, ILD_NORMAL);
}

void CCellCheckBox::Draw(CDC* pDC, const RECT* prc, UINT) {
    int saved = pDC->SaveDC();
    CRect rc(*prc);
    ::SetRectEmpty(&m_rcButton);
    m_rcCell = rc;
    BOOL grayed = IsDrawnDisabled();
    ::FillRect(pDC->m_hDC, &rc, ::GetSysColorBrush(COLOR_WINDOW));
    pDC->SetTextColor(::GetSysColor(grayed ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    pDC->SetBkMode(TRANSPARENT);
    SelectCellFont(this, pDC);
    BOOL state = GetCheck();

    if (!m_strFirstOption.IsEmpty()) {
        int half = rc.Width() / 2;
        CRect a(rc.left, rc.top, rc.left + half, rc.bottom);
        CRect b(rc.left + half, rc.top, rc.right, rc.bottom);
        // The button is the half of the option that is not marked: a click
        // there marks it, a click on the marked option changes nothing.
        if (state) m_rcButton = a;
        else m_rcButton = b;
        DrawGlyph(pDC, a.left, rc.top + 1, !state, grayed);
        CRect ta(a.left + kGlyphSize, a.top + 3, a.right, a.bottom);
        pDC->DrawText(m_strFirstOption, &ta, kDrawTextFlags);
        DrawGlyph(pDC, b.left, rc.top + 1, state, grayed);
        CRect tb(b.left + kGlyphSize, b.top + 3, b.right, b.bottom);
        pDC->DrawText(m_strSecondOption, &tb, kDrawTextFlags);
    } else {
        CString label = GetLabel();
        CSize extent = pDC->GetTextExtent(label);
        int w = extent.cx + kGlyphSize;
        CRect text(rc);
        int glyphX;
        DWORD own = m_dwStyle;
        if (w > rc.Width()) {
            glyphX = rc.left;
            text.left = rc.left + kGlyphSize;
        } else if (own & cellstyle::kAlignCenter) {
            glyphX = rc.left + (rc.Width() - w) / 2;
            text.left = glyphX + kGlyphSize;
            text.right = glyphX + w + 1;
        } else if (own & cellstyle::kAlignRight) {
            if (extent.cy != 0) {
                text.right = rc.right;
                text.left = rc.right - (w + 1);
                glyphX = text.left - kGlyphSize;
            } else {
                text.left = text.right = 0;
                glyphX = rc.right - kGlyphSize;
            }
        } else {
            glyphX = rc.left;
            text.left = glyphX + kGlyphSize;
            text.right = glyphX + w + 1;
        }
        int glyphY = rc.top;
        if (rc.Width() >= kGlyphSize) {
            DrawGlyph(pDC, glyphX, glyphY, state, grayed);
            pDC->DrawText(label, &text, kLabelFlags);
            ::SetRect(&m_rcButton, glyphX, glyphY, glyphX + kGlyphSize, glyphY + kGlyphSize);
        } else {
            text.left -= kGlyphSize;
            pDC->DrawText(label, &text, kLabelFlags);
        }
    }
    pDC->RestoreDC(saved);
}

int CCellCheckBox::GetPreferredWidth() {
    int width = 0;
    if (!m_strText.IsEmpty()) width = MeasureTextWidth(GetLabel());
    return width + kGlyphSize;
}
