// GDI objects and device contexts. Owned objects (CFont, CBrush, CPen,
// CBitmap, CRgn) delete their handle and are move-only; a borrowed handle is a
// CGdiHandle, which never deletes anything.
#pragma once
#include <windows.h>
#include <utility>
#include "framework/Types.h"
#include "framework/String.h"

// A GDI handle that someone else owns (a stock object, the one a DC had).
class CGdiHandle {
public:
    CGdiHandle(HGDIOBJ h = nullptr) : m_h(h) {}
    HGDIOBJ GetSafeHandle() const { return m_h; }
    operator HGDIOBJ() const { return m_h; }
private:
    HGDIOBJ m_h;
};

// An owned GDI handle of type H.
template <class H>
class CGdiObjectT {
public:
    CGdiObjectT() = default;
    explicit CGdiObjectT(H h) : m_hObject(h) {}
    ~CGdiObjectT() { DeleteObject(); }
    CGdiObjectT(const CGdiObjectT&) = delete;
    CGdiObjectT& operator=(const CGdiObjectT&) = delete;
    CGdiObjectT(CGdiObjectT&& o) noexcept : m_hObject(o.Detach()) {}
    CGdiObjectT& operator=(CGdiObjectT&& o) noexcept {
        if (this != &o) { DeleteObject(); m_hObject = o.Detach(); }
        return *this;
    }

    H m_hObject = nullptr;
    operator H() const { return m_hObject; }
    H GetSafeHandle() const { return m_hObject; }
    BOOL Attach(H h) { DeleteObject(); m_hObject = h; return h != nullptr; }
    H Detach() { H h = m_hObject; m_hObject = nullptr; return h; }
    BOOL DeleteObject() {
        if (!m_hObject) return FALSE;
        ::DeleteObject(m_hObject);
        m_hObject = nullptr;
        return TRUE;
    }
    int GetObject(int size, void* out) const { return ::GetObjectW(m_hObject, size, out); }
};

class CFont : public CGdiObjectT<HFONT> {
public:
    BOOL CreateFontIndirect(const LOGFONTW* lf) { return Attach(::CreateFontIndirectW(lf)); }
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                    BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                    BYTE pitchAndFamily, LPCTSTR faceName) {
        return Attach(::CreateFontW(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                                    charSet, outPrecision, clipPrecision, quality, pitchAndFamily, faceName));
    }
    // Height in tenths of a point for the screen.
    BOOL CreatePointFont(int pointSizeTenths, LPCTSTR faceName, HDC dc = nullptr);
    int GetLogFont(LOGFONTW* lf) const { return GetObject(sizeof(LOGFONTW), lf); }
};

class CBrush : public CGdiObjectT<HBRUSH> {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
    BOOL CreatePatternBrush(HBITMAP bitmap) { return Attach(::CreatePatternBrush(bitmap)); }
    BOOL CreateSysColorBrush(int index) { return Attach(::CreateSolidBrush(::GetSysColor(index))); }
};

class CPen : public CGdiObjectT<HPEN> {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color) { return Attach(::CreatePen(style, width, color)); }
};

class CBitmap : public CGdiObjectT<HBITMAP> {
public:
    BOOL LoadBitmap(UINT id) { return Attach(::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id))); }
    BOOL LoadBitmap(LPCTSTR name) { return Attach(::LoadBitmapW(::GetModuleHandleW(nullptr), name)); }
    BOOL CreateCompatibleBitmap(HDC dc, int w, int h) { return Attach(::CreateCompatibleBitmap(dc, w, h)); }
    BOOL CreateBitmap(int w, int h, UINT planes, UINT bpp, const void* bits) {
        return Attach(::CreateBitmap(w, h, planes, bpp, bits));
    }
    int GetBitmap(BITMAP* bm) const { return GetObject(sizeof(BITMAP), bm); }
    CSize GetSize() const { BITMAP bm{}; GetBitmap(&bm); return CSize(bm.bmWidth, bm.bmHeight); }
};

class CRgn : public CGdiObjectT<HRGN> {
public:
    BOOL CreateRectRgn(int l, int t, int r, int b) { return Attach(::CreateRectRgn(l, t, r, b)); }
    BOOL CreateRectRgnIndirect(LPCRECT r) { return Attach(::CreateRectRgnIndirect(r)); }
    BOOL CreateRoundRectRgn(int l, int t, int r, int b, int w, int h) { return Attach(::CreateRoundRectRgn(l, t, r, b, w, h)); }
};

// Selects a pen, brush, font or bitmap into a DC for a scope, and selects
// what was there before back when the scope ends. Declare it after the object
// it selects, so that the object is out of the DC before it is deleted.
// Regions are not selected this way (CDC::SelectClipRgn).
class CGdiSelection {
public:
    CGdiSelection(HDC dc, HGDIOBJ object) : m_dc(dc) {
        if (!dc || !object) return;
        HGDIOBJ old = ::SelectObject(dc, object);
        if (old && old != HGDI_ERROR) m_old = old;
    }
    ~CGdiSelection() {
        if (m_old) ::SelectObject(m_dc, m_old);
    }
    CGdiSelection(const CGdiSelection&) = delete;
    CGdiSelection& operator=(const CGdiSelection&) = delete;
    // FALSE when nothing was selected (no DC, no object, or GDI refused it).
    BOOL IsSelected() const { return m_old != nullptr; }

private:
    HDC m_dc;
    HGDIOBJ m_old = nullptr;
};

// A device context. A CDC made by CreateCompatibleDC owns its DC and deletes
// it; one from FromHandle or Attach only borrows it. CPaintDC, CClientDC and
// CWindowDC give theirs back to the window.
class CDC {
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }

    // A borrowed DC for the duration of the current message.
    static CDC* FromHandle(HDC dc);
    BOOL Attach(HDC dc) { if (m_hDC) return FALSE; m_hDC = dc; m_owned = false; return TRUE; }
    HDC Detach() { HDC h = m_hDC; m_hDC = nullptr; m_owned = false; return h; }
    BOOL CreateCompatibleDC(CDC* dc) { return CreateCompatibleDC(dc ? dc->m_hDC : nullptr); }
    BOOL CreateCompatibleDC(HDC dc);
    BOOL DeleteDC();

    // Selection: returns the handle that was selected before; select it back
    // when done. The DC never owns what is selected into it.
    CGdiHandle SelectObject(CFont* f) { return ::SelectObject(m_hDC, f ? (HGDIOBJ)f->m_hObject : nullptr); }
    CGdiHandle SelectObject(CBrush* b) { return ::SelectObject(m_hDC, b ? (HGDIOBJ)b->m_hObject : nullptr); }
    CGdiHandle SelectObject(CPen* p) { return ::SelectObject(m_hDC, p ? (HGDIOBJ)p->m_hObject : nullptr); }
    CGdiHandle SelectObject(CBitmap* b) { return ::SelectObject(m_hDC, b ? (HGDIOBJ)b->m_hObject : nullptr); }
    CGdiHandle SelectObject(CGdiHandle h) { return ::SelectObject(m_hDC, h.GetSafeHandle()); }
    CGdiHandle SelectObject(HGDIOBJ h) { return ::SelectObject(m_hDC, h); }
    CGdiHandle SelectStockObject(int index) { return ::SelectObject(m_hDC, ::GetStockObject(index)); }

    COLORREF SetTextColor(COLORREF c) { return ::SetTextColor(m_hDC, c); }
    COLORREF SetBkColor(COLORREF c) { return ::SetBkColor(m_hDC, c); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int saved) { return ::RestoreDC(m_hDC, saved); }
    int SelectClipRgn(CRgn* rgn) { return ::SelectClipRgn(m_hDC, rgn ? (HRGN)*rgn : nullptr); }
    int IntersectClipRect(LPCRECT r) { return ::IntersectClipRect(m_hDC, r->left, r->top, r->right, r->bottom); }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }

    // Text
    int DrawText(const CString& text, LPRECT r, UINT format) {
        return ::DrawTextW(m_hDC, text, text.GetLength(), r, format);
    }
    int DrawText(LPCTSTR text, int count, LPRECT r, UINT format) { return ::DrawTextW(m_hDC, text, count, r, format); }
    BOOL TextOut(int x, int y, const CString& text) { return ::TextOutW(m_hDC, x, y, text, text.GetLength()); }
    BOOL ExtTextOut(int x, int y, UINT options, LPCRECT r, const CString& text, const INT* dx = nullptr) {
        return ::ExtTextOutW(m_hDC, x, y, options, r, text, (UINT)text.GetLength(), dx);
    }
    CSize GetTextExtent(const CString& text) const {
        SIZE s{};
        ::GetTextExtentPoint32W(m_hDC, text, text.GetLength(), &s);
        return s;
    }
    BOOL GetTextMetrics(TEXTMETRICW* tm) const { return ::GetTextMetricsW(m_hDC, tm); }

    // Drawing
    void FillRect(LPCRECT r, CBrush* b) { ::FillRect(m_hDC, r, b ? (HBRUSH)*b : nullptr); }
    void FillRect(LPCRECT r, HBRUSH b) { ::FillRect(m_hDC, r, b); }
    void FillSolidRect(LPCRECT r, COLORREF c);
    void FillSolidRect(int x, int y, int w, int h, COLORREF c) { RECT r = {x, y, x + w, y + h}; FillSolidRect(&r, c); }
    void FrameRect(LPCRECT r, CBrush* b) { ::FrameRect(m_hDC, r, b ? (HBRUSH)*b : nullptr); }
    void Draw3dRect(LPCRECT r, COLORREF topLeft, COLORREF bottomRight);
    BOOL DrawEdge(LPRECT r, UINT edge, UINT flags) { return ::DrawEdge(m_hDC, r, edge, flags); }
    BOOL DrawFrameControl(LPRECT r, UINT type, UINT state) { return ::DrawFrameControl(m_hDC, r, type, state); }
    void DrawFocusRect(LPCRECT r) { ::DrawFocusRect(m_hDC, r); }
    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }
    BOOL Rectangle(int l, int t, int r, int b) { return ::Rectangle(m_hDC, l, t, r, b); }
    BOOL Rectangle(LPCRECT r) { return Rectangle(r->left, r->top, r->right, r->bottom); }
    BOOL RoundRect(int l, int t, int r, int b, int w, int h) { return ::RoundRect(m_hDC, l, t, r, b, w, h); }
    BOOL Ellipse(int l, int t, int r, int b) { return ::Ellipse(m_hDC, l, t, r, b); }
    BOOL Ellipse(LPCRECT r) { return Ellipse(r->left, r->top, r->right, r->bottom); }
    BOOL Polygon(const POINT* pts, int count) { return ::Polygon(m_hDC, pts, count); }
    BOOL Polyline(const POINT* pts, int count) { return ::Polyline(m_hDC, pts, count); }
    CPoint MoveTo(int x, int y) { POINT p{}; ::MoveToEx(m_hDC, x, y, &p); return p; }
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    COLORREF SetPixel(int x, int y, COLORREF c) { return ::SetPixel(m_hDC, x, y, c); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    BOOL BitBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, DWORD rop) {
        return ::BitBlt(m_hDC, x, y, w, h, src ? src->m_hDC : nullptr, sx, sy, rop);
    }
    BOOL StretchBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, int sw, int sh, DWORD rop) {
        return ::StretchBlt(m_hDC, x, y, w, h, src ? src->m_hDC : nullptr, sx, sy, sw, sh, rop);
    }
    BOOL TransparentBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, int sw, int sh, UINT transparent);

protected:
    bool m_owned = false;  // created here, deleted here
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(class CWnd* wnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};
private:
    HWND m_hWnd;
};

class CClientDC : public CDC {
public:
    explicit CClientDC(class CWnd* wnd);
    ~CClientDC() override;
private:
    HWND m_hWnd;
};

class CWindowDC : public CDC {
public:
    explicit CWindowDC(class CWnd* wnd);
    ~CWindowDC() override;
private:
    HWND m_hWnd;
};
