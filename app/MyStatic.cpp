#include "app/MyStatic.h"
#include "app/DpiScale.h"
#include "app/FittedText.h"
#include "app/Theme.h"

void CMyStatic::SetTextColor(COLORREF color) {
    if (m_crText == color) return;
    m_crText = color;
    if (m_hWnd) Invalidate(TRUE);
}

void CMyStatic::SetBold(BOOL bold) {
    m_bBold = bold;
    if (m_hWnd) Invalidate(TRUE);
}

void CMyStatic::SetLargeFont(int pointSizeTenths) {
    if (!m_hWnd) return;
    LOGFONTW lf{};
    ::GetObjectW(GetFont(), sizeof(lf), &lf);
    HDC dc = ::GetDC(m_hWnd);
    lf.lfHeight = -::MulDiv(pointSizeTenths, ::GetDeviceCaps(dc, LOGPIXELSY), 720);
    ::ReleaseDC(m_hWnd, dc);
    m_fontLarge.CreateFontIndirect(&lf);
    Invalidate(TRUE);
}

void CMyStatic::SetPicture(HBITMAP bitmap) {
    m_hPicture = bitmap;
    if (m_hWnd) Invalidate(TRUE);
}

void CMyStatic::SetText(const CString& text) {
    CString old;
    GetWindowText(old);
    if (old == text) return;
    SetWindowText(text);
    Invalidate(TRUE);
}

void CMyStatic::DrawItem(LPDRAWITEMSTRUCT dis) {
    HDC dc = dis->hDC;
    RECT r = dis->rcItem;
    HBRUSH bg = ::CreateSolidBrush(theme::kBackground);
    ::FillRect(dc, &r, bg);
    ::DeleteObject(bg);

    if (m_hPicture) {
        BITMAP bm{};
        ::GetObjectW(m_hPicture, sizeof(bm), &bm);
        CDC mem;
        mem.CreateCompatibleDC(dc);
        CGdiSelection picture(mem, m_hPicture);
        int w = r.right - r.left, h = r.bottom - r.top;
        // Shrink to the control keeping the proportions, never enlarge
        // beyond the display's scaling (the pictures are drawn for 96 dpi).
        int dw = dpiscale::X(bm.bmWidth), dh = dpiscale::Y(bm.bmHeight);
        if (dw > w || dh > h) {
            if (dw * h > dh * w) { dh = dh * w / dw; dw = w; }
            else { dw = dw * h / dh; dh = h; }
        }
        ::SetStretchBltMode(dc, HALFTONE);
        ::StretchBlt(dc, r.left + (w - dw) / 2, r.top + (h - dh) / 2, dw, dh, mem, 0, 0, bm.bmWidth,
                     bm.bmHeight, SRCCOPY);
        return;
    }

    CString text;
    GetWindowText(text);
    if (text.IsEmpty()) return;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, m_crText);
    HFONT base = m_fontLarge.m_hObject ? (HFONT)m_fontLarge : GetFont();
    DrawFittedText(dc, text, r, base, (m_bCentered ? DT_CENTER : DT_LEFT) | DT_VCENTER,
                   m_bBold ? FW_BOLD : FW_NORMAL);
}
