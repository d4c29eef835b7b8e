#include "framework/Controls.h"
#include "framework/TestSeams.h"

BOOL COwnerDrawn::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        if (pResult) *pResult = TRUE;
        return TRUE;
    }
    if (message == WM_MEASUREITEM) {
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        if (pResult) *pResult = TRUE;
        return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CBitmapButton::LoadBitmaps(UINT up, UINT down, UINT focus, UINT disabled) {
    m_bitmap.DeleteObject();
    m_bitmapSel.DeleteObject();
    m_bitmapFocus.DeleteObject();
    m_bitmapDisabled.DeleteObject();
    if (!m_bitmap.LoadBitmap(up)) return FALSE;
    if (down) m_bitmapSel.LoadBitmap(down);
    if (focus) m_bitmapFocus.LoadBitmap(focus);
    if (disabled) m_bitmapDisabled.LoadBitmap(disabled);
    if (m_hWnd) Invalidate();
    return TRUE;
}

BOOL CBitmapButton::LoadBitmaps(HBITMAP up, HBITMAP down, HBITMAP focus, HBITMAP disabled) {
    if (!up) return FALSE;
    m_bitmap.Attach(up);
    m_bitmapSel.Attach(down);
    m_bitmapFocus.Attach(focus);
    m_bitmapDisabled.Attach(disabled);
    if (m_hWnd) Invalidate();
    return TRUE;
}

void CBitmapButton::SizeToContent() {
    CSize size = m_bitmap.GetSize();
    SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT dis) {
    CBitmap* bmp = &m_bitmap;
    if ((dis->itemState & ODS_SELECTED) && m_bitmapSel.m_hObject) bmp = &m_bitmapSel;
    else if ((dis->itemState & ODS_FOCUS) && m_bitmapFocus.m_hObject) bmp = &m_bitmapFocus;
    else if ((dis->itemState & ODS_DISABLED) && m_bitmapDisabled.m_hObject) bmp = &m_bitmapDisabled;
    if (!bmp->m_hObject) return;
    CDC* dc = CDC::FromHandle(dis->hDC);
    CDC mem;
    mem.CreateCompatibleDC(dc);
    CGdiSelection picture(mem, *bmp);
    CSize size = bmp->GetSize();
    CRect r(dis->rcItem);
    // A picture drawn larger than its bitmap (a scaled display) stays smooth.
    if (r.Width() != size.cx || r.Height() != size.cy) ::SetStretchBltMode(dis->hDC, HALFTONE);
    dc->StretchBlt(r.left, r.top, r.Width(), r.Height(), &mem, 0, 0, size.cx, size.cy, SRCCOPY);
    // The keyboard focus shows on every picture, also one drawn from a
    // single bitmap for all states.
    if ((dis->itemState & ODS_FOCUS) && !(dis->itemState & ODS_NOFOCUSRECT)) {
        RECT fr = dis->rcItem;
        ::InflateRect(&fr, -4, -4);
        ::DrawFocusRect(dis->hDC, &fr);
    }
}

void CComboBox::GetLBText(int i, CString& s) const {
    int n = GetLBTextLen(i);
    if (n == CB_ERR) { s.Empty(); return; }
    wchar_t* p = s.GetBufferSetLength(n + 1);
    int got = (int)SendMessage(CB_GETLBTEXT, (WPARAM)i, (LPARAM)p);
    s.ReleaseBuffer(got == CB_ERR ? 0 : got);
}

void CListBox::GetText(int i, CString& s) const {
    int n = GetTextLen(i);
    if (n == LB_ERR) { s.Empty(); return; }
    wchar_t* p = s.GetBufferSetLength(n + 1);
    int got = (int)SendMessage(LB_GETTEXT, (WPARAM)i, (LPARAM)p);
    s.ReleaseBuffer(got == LB_ERR ? 0 : got);
}

int CListCtrl::InsertColumn(int col, LPCTSTR heading, int format, int width, int subItem) {
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT | LVCF_FMT;
    c.fmt = format;
    c.pszText = const_cast<LPWSTR>(heading);
    if (width != -1) { c.mask |= LVCF_WIDTH; c.cx = width; }
    if (subItem != -1) { c.mask |= LVCF_SUBITEM; c.iSubItem = subItem; }
    return (int)SendMessage(LVM_INSERTCOLUMNW, (WPARAM)col, (LPARAM)&c);
}

int CListCtrl::InsertItem(int item, LPCTSTR text) {
    LVITEMW it{};
    it.mask = LVIF_TEXT;
    it.iItem = item;
    it.pszText = const_cast<LPWSTR>(text);
    return InsertItem(&it);
}

BOOL CListCtrl::SetItemText(int item, int subItem, LPCTSTR text) {
    LVITEMW it{};
    it.iSubItem = subItem;
    it.pszText = const_cast<LPWSTR>(text);
    return (BOOL)SendMessage(LVM_SETITEMTEXTW, (WPARAM)item, (LPARAM)&it);
}

CString CListCtrl::GetItemText(int item, int subItem) const {
    // The control copies at most the buffer size: grow until the text fits.
    for (int size = 256; size <= (1 << 20); size *= 4) {
        CString s;
        LVITEMW it{};
        it.iSubItem = subItem;
        it.cchTextMax = size;
        it.pszText = s.GetBufferSetLength(size);
        int n = (int)SendMessage(LVM_GETITEMTEXTW, (WPARAM)item, (LPARAM)&it);
        s.ReleaseBuffer(n);
        if (n < size - 1) return s;
    }
    return CString();
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data) {
    LVITEMW it{};
    it.mask = LVIF_PARAM;
    it.iItem = item;
    it.lParam = (LPARAM)data;
    return SetItem(&it);
}

DWORD_PTR CListCtrl::GetItemData(int item) const {
    LVITEMW it{};
    it.mask = LVIF_PARAM;
    it.iItem = item;
    return GetItem(&it) ? (DWORD_PTR)it.lParam : 0;
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
    LVITEMW it{};
    it.state = state;
    it.stateMask = mask;
    return (BOOL)SendMessage(LVM_SETITEMSTATE, (WPARAM)item, (LPARAM)&it);
}

int CListCtrl::HitTest(CPoint pt, UINT* flags) const {
    LVHITTESTINFO info{};
    info.pt = pt;
    int i = HitTest(&info);
    if (flags) *flags = info.flags;
    return i;
}

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | style,
                    CRect(0, 0, 0, 0), parent, 0);
}

namespace {
TTTOOLINFOW ToolInfo(CWnd* owner, CWnd* tool, LPCTSTR text) {
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = owner ? owner->m_hWnd : nullptr;
    ti.uId = (UINT_PTR)(tool ? tool->m_hWnd : nullptr);
    ti.lpszText = const_cast<LPWSTR>(text);
    return ti;
}
}  // namespace

BOOL CToolTipCtrl::AddTool(CWnd* tool, LPCTSTR text) {
    TTTOOLINFOW ti = ToolInfo(tool ? tool->GetParent() : nullptr, tool, text);
    return (BOOL)SendMessage(TTM_ADDTOOLW, 0, (LPARAM)&ti);
}

void CToolTipCtrl::UpdateTipText(LPCTSTR text, CWnd* tool) {
    TTTOOLINFOW ti = ToolInfo(tool ? tool->GetParent() : nullptr, tool, text);
    SendMessage(TTM_UPDATETIPTEXTW, 0, (LPARAM)&ti);
}

void CToolTipCtrl::DelTool(CWnd* tool) {
    TTTOOLINFOW ti = ToolInfo(tool ? tool->GetParent() : nullptr, tool, nullptr);
    SendMessage(TTM_DELTOOLW, 0, (LPARAM)&ti);
}

int CMenu::GetMenuString(UINT id, CString& text, UINT flags) const {
    int n = ::GetMenuStringW(m_hMenu, id, nullptr, 0, flags);
    wchar_t* p = text.GetBufferSetLength(n + 1);
    int got = ::GetMenuStringW(m_hMenu, id, p, n + 1, flags);
    text.ReleaseBuffer(got);
    return got;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* wnd, LPCRECT) {
    HWND owner = wnd ? wnd->m_hWnd : nullptr;
    if (fw::test::HasPopupMenuAnswer()) {
        UINT id = fw::test::AnswerPopupMenu(m_hMenu);
        if (flags & TPM_RETURNCMD) return (BOOL)id;
        if (id && owner) ::PostMessageW(owner, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        return TRUE;
    }
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner, nullptr);
}
