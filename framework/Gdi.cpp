#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include <map>
#include <memory>

BOOL CFont::CreatePointFont(int pointSizeTenths, LPCTSTR faceName, HDC dc) {
    HDC screen = dc ? dc : ::GetDC(nullptr);
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(pointSizeTenths, ::GetDeviceCaps(screen, LOGPIXELSY), 720);
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    if (faceName) lstrcpynW(lf.lfFaceName, faceName, LF_FACESIZE);
    if (!dc) ::ReleaseDC(nullptr, screen);
    return CreateFontIndirect(&lf);
}

namespace {
// Borrowed DC wrappers, one per handle and thread; they own nothing.
thread_local std::map<HDC, std::unique_ptr<CDC>>* t_borrowed = nullptr;
}  // namespace

CDC* CDC::FromHandle(HDC dc) {
    if (!dc) return nullptr;
    if (!t_borrowed) t_borrowed = new std::map<HDC, std::unique_ptr<CDC>>();
    auto& slot = (*t_borrowed)[dc];
    if (!slot) {
        slot.reset(new CDC());
        slot->Attach(dc);
    }
    return slot.get();
}

CDC::~CDC() { if (m_owned) DeleteDC(); }

BOOL CDC::CreateCompatibleDC(HDC dc) {
    if (m_hDC) return FALSE;
    m_hDC = ::CreateCompatibleDC(dc);
    m_owned = m_hDC != nullptr;
    return m_owned;
}

BOOL CDC::DeleteDC() {
    if (!m_hDC || !m_owned) return FALSE;
    ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_owned = false;
    return TRUE;
}

void CDC::FillSolidRect(LPCRECT r, COLORREF c) {
    COLORREF old = ::SetBkColor(m_hDC, c);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, r, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::Draw3dRect(LPCRECT r, COLORREF topLeft, COLORREF bottomRight) {
    int x = r->left, y = r->top, w = r->right - r->left, h = r->bottom - r->top;
    FillSolidRect(x, y, w - 1, 1, topLeft);
    FillSolidRect(x, y, 1, h - 1, topLeft);
    FillSolidRect(x + w - 1, y, 1, h, bottomRight);
    FillSolidRect(x, y + h - 1, w, 1, bottomRight);
}

BOOL CDC::TransparentBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, int sw, int sh, UINT transparent) {
    return ::TransparentBlt(m_hDC, x, y, w, h, src ? src->m_hDC : nullptr, sx, sy, sw, sh, transparent);
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }
CPaintDC::~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); m_hDC = nullptr; }

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) { m_hDC = ::GetDC(m_hWnd); }
CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, m_hDC); m_hDC = nullptr; }

CWindowDC::CWindowDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) { m_hDC = ::GetWindowDC(m_hWnd); }
CWindowDC::~CWindowDC() { ::ReleaseDC(m_hWnd, m_hDC); m_hDC = nullptr; }
