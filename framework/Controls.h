// Control wrappers: each is the window handle of a standard or common
// control with its messages as inline members. Subclass one onto a dialog
// control with DDX_Control or SubclassDlgItem, or create it with Create.
#pragma once
#include "framework/Wnd.h"
#include "framework/Gdi.h"
#include <commctrl.h>
#include <richedit.h>

// Owner-drawn controls get their WM_DRAWITEM / WM_MEASUREITEM back from the
// parent through these.
class COwnerDrawn : public CWnd {
public:
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}
    virtual void MeasureItem(LPMEASUREITEMSTRUCT) {}
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CStatic : public COwnerDrawn {
public:
    BOOL Create(LPCTSTR text, DWORD style, const RECT& r, CWnd* parent, UINT id = 0xFFFF) {
        return CreateEx(0, L"STATIC", text, style | WS_CHILD, r, parent, id);
    }
    HBITMAP SetBitmap(HBITMAP b) { return (HBITMAP)SendMessage(STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)b); }
    HBITMAP GetBitmap() const { return (HBITMAP)SendMessage(STM_GETIMAGE, IMAGE_BITMAP); }
    HICON SetIcon(HICON i) { return (HICON)SendMessage(STM_SETICON, (WPARAM)i); }
};

class CButton : public COwnerDrawn {
public:
    BOOL Create(LPCTSTR text, DWORD style, const RECT& r, CWnd* parent, UINT id) {
        return CreateEx(0, L"BUTTON", text, style | WS_CHILD, r, parent, id);
    }
    int GetCheck() const { return (int)SendMessage(BM_GETCHECK); }
    void SetCheck(int check) { SendMessage(BM_SETCHECK, (WPARAM)check); }
    UINT GetState() const { return (UINT)SendMessage(BM_GETSTATE); }
    void SetState(BOOL highlight) { SendMessage(BM_SETSTATE, highlight); }
    UINT GetButtonStyle() const { return GetStyle() & 0xFF; }
    void SetButtonStyle(UINT style, BOOL redraw = TRUE) { SendMessage(BM_SETSTYLE, style, redraw); }
    HBITMAP SetBitmap(HBITMAP b) { return (HBITMAP)SendMessage(BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)b); }
    HICON SetIcon(HICON i) { return (HICON)SendMessage(BM_SETIMAGE, IMAGE_ICON, (LPARAM)i); }
};

// A push button drawn from up to four bitmaps (up, down, focused, disabled).
class CBitmapButton : public CButton {
public:
    BOOL LoadBitmaps(UINT up, UINT down = 0, UINT focus = 0, UINT disabled = 0);
    BOOL LoadBitmaps(HBITMAP up, HBITMAP down = nullptr, HBITMAP focus = nullptr, HBITMAP disabled = nullptr);
    void SizeToContent();
    void DrawItem(LPDRAWITEMSTRUCT dis) override;
    CBitmap m_bitmap, m_bitmapSel, m_bitmapFocus, m_bitmapDisabled;
};

class CEdit : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& r, CWnd* parent, UINT id) {
        return CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"", style | WS_CHILD, r, parent, id);
    }
    void SetSel(int start, int end, BOOL noScroll = FALSE) {
        SendMessage(EM_SETSEL, (WPARAM)start, (LPARAM)end);
        if (!noScroll) SendMessage(EM_SCROLLCARET);
    }
    void GetSel(int& start, int& end) const { SendMessage(EM_GETSEL, (WPARAM)&start, (LPARAM)&end); }
    void ReplaceSel(LPCTSTR text, BOOL canUndo = FALSE) { SendMessage(EM_REPLACESEL, canUndo, (LPARAM)text); }
    void SetLimitText(UINT max) { SendMessage(EM_LIMITTEXT, max); }
    void LimitText(int max = 0) { SendMessage(EM_LIMITTEXT, (WPARAM)max); }
    BOOL SetReadOnly(BOOL readOnly = TRUE) { return (BOOL)SendMessage(EM_SETREADONLY, readOnly); }
    int GetLineCount() const { return (int)SendMessage(EM_GETLINECOUNT); }
    void SetMargins(UINT left, UINT right) { SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(left, right)); }
};

class CComboBox : public COwnerDrawn {
public:
    BOOL Create(DWORD style, const RECT& r, CWnd* parent, UINT id) {
        return CreateEx(0, L"COMBOBOX", L"", style | WS_CHILD, r, parent, id);
    }
    int GetCount() const { return (int)SendMessage(CB_GETCOUNT); }
    int GetCurSel() const { return (int)SendMessage(CB_GETCURSEL); }
    int SetCurSel(int i) { return (int)SendMessage(CB_SETCURSEL, (WPARAM)i); }
    int AddString(LPCTSTR s) { return (int)SendMessage(CB_ADDSTRING, 0, (LPARAM)s); }
    int InsertString(int i, LPCTSTR s) { return (int)SendMessage(CB_INSERTSTRING, (WPARAM)i, (LPARAM)s); }
    int DeleteString(UINT i) { return (int)SendMessage(CB_DELETESTRING, i); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int FindString(int start, LPCTSTR s) const { return (int)SendMessage(CB_FINDSTRING, (WPARAM)start, (LPARAM)s); }
    int FindStringExact(int start, LPCTSTR s) const { return (int)SendMessage(CB_FINDSTRINGEXACT, (WPARAM)start, (LPARAM)s); }
    int SelectString(int start, LPCTSTR s) { return (int)SendMessage(CB_SELECTSTRING, (WPARAM)start, (LPARAM)s); }
    void GetLBText(int i, CString& s) const;
    int GetLBTextLen(int i) const { return (int)SendMessage(CB_GETLBTEXTLEN, (WPARAM)i); }
    DWORD_PTR GetItemData(int i) const { return (DWORD_PTR)SendMessage(CB_GETITEMDATA, (WPARAM)i); }
    int SetItemData(int i, DWORD_PTR d) { return (int)SendMessage(CB_SETITEMDATA, (WPARAM)i, (LPARAM)d); }
    int SetItemHeight(int i, UINT h) { return (int)SendMessage(CB_SETITEMHEIGHT, (WPARAM)i, h); }
    int GetItemHeight(int i) const { return (int)SendMessage(CB_GETITEMHEIGHT, (WPARAM)i); }
    void ShowDropDown(BOOL show = TRUE) { SendMessage(CB_SHOWDROPDOWN, show); }
    BOOL GetDroppedState() const { return (BOOL)SendMessage(CB_GETDROPPEDSTATE); }
    int SetDroppedWidth(UINT w) { return (int)SendMessage(CB_SETDROPPEDWIDTH, w); }
};

class CListBox : public COwnerDrawn {
public:
    BOOL Create(DWORD style, const RECT& r, CWnd* parent, UINT id) {
        return CreateEx(WS_EX_CLIENTEDGE, L"LISTBOX", L"", style | WS_CHILD, r, parent, id);
    }
    int GetCount() const { return (int)SendMessage(LB_GETCOUNT); }
    int GetCurSel() const { return (int)SendMessage(LB_GETCURSEL); }
    int SetCurSel(int i) { return (int)SendMessage(LB_SETCURSEL, (WPARAM)i); }
    int AddString(LPCTSTR s) { return (int)SendMessage(LB_ADDSTRING, 0, (LPARAM)s); }
    int InsertString(int i, LPCTSTR s) { return (int)SendMessage(LB_INSERTSTRING, (WPARAM)i, (LPARAM)s); }
    int DeleteString(UINT i) { return (int)SendMessage(LB_DELETESTRING, i); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    void GetText(int i, CString& s) const;
    int GetTextLen(int i) const { return (int)SendMessage(LB_GETTEXTLEN, (WPARAM)i); }
    DWORD_PTR GetItemData(int i) const { return (DWORD_PTR)SendMessage(LB_GETITEMDATA, (WPARAM)i); }
    int SetItemData(int i, DWORD_PTR d) { return (int)SendMessage(LB_SETITEMDATA, (WPARAM)i, (LPARAM)d); }
    int GetItemHeight(int i) const { return (int)SendMessage(LB_GETITEMHEIGHT, (WPARAM)i); }
    int SetItemHeight(int i, UINT h) { return (int)SendMessage(LB_SETITEMHEIGHT, (WPARAM)i, h); }
    int GetItemRect(int i, LPRECT r) const { return (int)SendMessage(LB_GETITEMRECT, (WPARAM)i, (LPARAM)r); }
    int GetTopIndex() const { return (int)SendMessage(LB_GETTOPINDEX); }
    int SetTopIndex(int i) { return (int)SendMessage(LB_SETTOPINDEX, (WPARAM)i); }
    UINT ItemFromPoint(CPoint pt, BOOL& outside) const {
        DWORD r = (DWORD)SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
        outside = HIWORD(r);
        return LOWORD(r);
    }
};

class CScrollBar : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& r, CWnd* parent, UINT id) {
        return CreateEx(0, L"SCROLLBAR", L"", style | WS_CHILD, r, parent, id);
    }
    int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
    int SetScrollPos(int pos, BOOL redraw = TRUE) { return ::SetScrollPos(m_hWnd, SB_CTL, pos, redraw); }
    void SetScrollRange(int minPos, int maxPos, BOOL redraw = TRUE) { ::SetScrollRange(m_hWnd, SB_CTL, minPos, maxPos, redraw); }
    BOOL SetScrollInfo(LPSCROLLINFO info, BOOL redraw = TRUE) { return ::SetScrollInfo(m_hWnd, SB_CTL, info, redraw); }
    BOOL GetScrollInfo(LPSCROLLINFO info, UINT mask = SIF_ALL) const {
        info->cbSize = sizeof(SCROLLINFO); info->fMask = mask;
        return ::GetScrollInfo(m_hWnd, SB_CTL, info);
    }
    void ShowScrollBar(BOOL show = TRUE) { ::ShowScrollBar(m_hWnd, SB_CTL, show); }
};

class CProgressCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& r, CWnd* parent, UINT id) {
        return CreateEx(0, PROGRESS_CLASSW, L"", style | WS_CHILD, r, parent, id);
    }
    void SetRange(short lower, short upper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(lower, upper)); }
    void SetRange32(int lower, int upper) { SendMessage(PBM_SETRANGE32, (WPARAM)lower, (LPARAM)upper); }
    int SetPos(int pos) { return (int)SendMessage(PBM_SETPOS, (WPARAM)pos); }
    int GetPos() const { return (int)SendMessage(PBM_GETPOS); }
    int OffsetPos(int d) { return (int)SendMessage(PBM_DELTAPOS, (WPARAM)d); }
    int SetStep(int step) { return (int)SendMessage(PBM_SETSTEP, (WPARAM)step); }
    int StepIt() { return (int)SendMessage(PBM_STEPIT); }
    COLORREF SetBarColor(COLORREF c) { return (COLORREF)SendMessage(PBM_SETBARCOLOR, 0, (LPARAM)c); }
    COLORREF SetBkColor(COLORREF c) { return (COLORREF)SendMessage(PBM_SETBKCOLOR, 0, (LPARAM)c); }
};

class CSpinButtonCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& r, CWnd* parent, UINT id) {
        return CreateEx(0, UPDOWN_CLASSW, L"", style | WS_CHILD, r, parent, id);
    }
    void SetRange(short lower, short upper) { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(upper, lower)); }
    void SetRange32(int lower, int upper) { SendMessage(UDM_SETRANGE32, (WPARAM)lower, (LPARAM)upper); }
    void GetRange32(int& lower, int& upper) const { SendMessage(UDM_GETRANGE32, (WPARAM)&lower, (LPARAM)&upper); }
    int SetPos(int pos) { return (int)SendMessage(UDM_SETPOS32, 0, (LPARAM)pos); }
    int GetPos() const { return (int)SendMessage(UDM_GETPOS32); }
    CWnd* SetBuddy(CWnd* buddy) { return FromHandle((HWND)SendMessage(UDM_SETBUDDY, (WPARAM)(buddy ? buddy->m_hWnd : nullptr))); }
    CWnd* GetBuddy() const { return FromHandle((HWND)SendMessage(UDM_GETBUDDY)); }
};

// A list of images of one size; owns its image list handle.
class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    CImageList(CImageList&& o) noexcept : m_hImageList(o.Detach()) {}
    CImageList& operator=(CImageList&& o) noexcept {
        if (this != &o) { DeleteImageList(); m_hImageList = o.Detach(); }
        return *this;
    }

    HIMAGELIST m_hImageList = nullptr;
    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow) {
        DeleteImageList();
        m_hImageList = ImageList_Create(cx, cy, flags, initial, grow);
        return m_hImageList != nullptr;
    }
    BOOL DeleteImageList() {
        if (!m_hImageList) return FALSE;
        ImageList_Destroy(m_hImageList);
        m_hImageList = nullptr;
        return TRUE;
    }
    HIMAGELIST Detach() { HIMAGELIST h = m_hImageList; m_hImageList = nullptr; return h; }
    int GetImageCount() const { return m_hImageList ? ImageList_GetImageCount(m_hImageList) : 0; }
    int Add(CBitmap* image, CBitmap* mask) { return ImageList_Add(m_hImageList, *image, mask ? (HBITMAP)*mask : nullptr); }
    int Add(CBitmap* image, COLORREF maskColor) { return ImageList_AddMasked(m_hImageList, *image, maskColor); }
    int Add(HICON icon) { return ImageList_AddIcon(m_hImageList, icon); }
    BOOL Draw(CDC* dc, int image, POINT pt, UINT style) { return ImageList_Draw(m_hImageList, image, *dc, pt.x, pt.y, style); }
    BOOL Remove(int image) { return ImageList_Remove(m_hImageList, image); }
    COLORREF SetBkColor(COLORREF c) { return ImageList_SetBkColor(m_hImageList, c); }
};

class CHeaderCtrl : public COwnerDrawn {
public:
    int GetItemCount() const { return (int)SendMessage(HDM_GETITEMCOUNT); }
    BOOL GetItem(int i, HDITEMW* item) const { return (BOOL)SendMessage(HDM_GETITEMW, (WPARAM)i, (LPARAM)item); }
    BOOL SetItem(int i, HDITEMW* item) { return (BOOL)SendMessage(HDM_SETITEMW, (WPARAM)i, (LPARAM)item); }
    BOOL GetItemRect(int i, LPRECT r) const { return (BOOL)SendMessage(HDM_GETITEMRECT, (WPARAM)i, (LPARAM)r); }
    int InsertItem(int i, HDITEMW* item) { return (int)SendMessage(HDM_INSERTITEMW, (WPARAM)i, (LPARAM)item); }
    BOOL DeleteItem(int i) { return (BOOL)SendMessage(HDM_DELETEITEM, (WPARAM)i); }
    BOOL Layout(HDLAYOUT* layout) { return (BOOL)SendMessage(HDM_LAYOUT, 0, (LPARAM)layout); }
    int HitTest(HDHITTESTINFO* info) const { return (int)SendMessage(HDM_HITTEST, 0, (LPARAM)info); }
};

class CListCtrl : public COwnerDrawn {
public:
    BOOL Create(DWORD style, const RECT& r, CWnd* parent, UINT id) {
        return CreateEx(0, WC_LISTVIEWW, L"", style | WS_CHILD, r, parent, id);
    }
    int GetItemCount() const { return (int)SendMessage(LVM_GETITEMCOUNT); }
    int InsertColumn(int col, LPCTSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    BOOL DeleteColumn(int col) { return (BOOL)SendMessage(LVM_DELETECOLUMN, (WPARAM)col); }
    int GetColumnWidth(int col) const { return (int)SendMessage(LVM_GETCOLUMNWIDTH, (WPARAM)col); }
    BOOL SetColumnWidth(int col, int cx) { return (BOOL)SendMessage(LVM_SETCOLUMNWIDTH, (WPARAM)col, MAKELPARAM(cx, 0)); }
    BOOL GetColumn(int col, LVCOLUMNW* c) const { return (BOOL)SendMessage(LVM_GETCOLUMNW, (WPARAM)col, (LPARAM)c); }
    BOOL SetColumn(int col, const LVCOLUMNW* c) { return (BOOL)SendMessage(LVM_SETCOLUMNW, (WPARAM)col, (LPARAM)c); }
    int InsertItem(int item, LPCTSTR text);
    int InsertItem(const LVITEMW* item) { return (int)SendMessage(LVM_INSERTITEMW, 0, (LPARAM)item); }
    BOOL DeleteItem(int item) { return (BOOL)SendMessage(LVM_DELETEITEM, (WPARAM)item); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(LVM_DELETEALLITEMS); }
    BOOL SetItemText(int item, int subItem, LPCTSTR text);
    CString GetItemText(int item, int subItem) const;
    BOOL SetItem(const LVITEMW* item) { return (BOOL)SendMessage(LVM_SETITEMW, 0, (LPARAM)item); }
    BOOL GetItem(LVITEMW* item) const { return (BOOL)SendMessage(LVM_GETITEMW, 0, (LPARAM)item); }
    BOOL SetItemData(int item, DWORD_PTR data);
    DWORD_PTR GetItemData(int item) const;
    BOOL SetItemState(int item, UINT state, UINT mask);
    UINT GetItemState(int item, UINT mask) const { return (UINT)SendMessage(LVM_GETITEMSTATE, (WPARAM)item, (LPARAM)mask); }
    BOOL GetItemRect(int item, LPRECT r, UINT code) const {
        r->left = (LONG)code;
        return (BOOL)SendMessage(LVM_GETITEMRECT, (WPARAM)item, (LPARAM)r);
    }
    BOOL GetSubItemRect(int item, int subItem, int area, CRect& r) const {
        r.top = subItem;
        r.left = area;
        return (BOOL)SendMessage(LVM_GETSUBITEMRECT, (WPARAM)item, (LPARAM)(LPRECT)&r);
    }
    int GetTopIndex() const { return (int)SendMessage(LVM_GETTOPINDEX); }
    int GetCountPerPage() const { return (int)SendMessage(LVM_GETCOUNTPERPAGE); }
    BOOL EnsureVisible(int item, BOOL partialOk) { return (BOOL)SendMessage(LVM_ENSUREVISIBLE, (WPARAM)item, partialOk); }
    BOOL Scroll(CSize size) { return (BOOL)SendMessage(LVM_SCROLL, (WPARAM)size.cx, (LPARAM)size.cy); }
    int HitTest(LVHITTESTINFO* info) const { return (int)SendMessage(LVM_HITTEST, 0, (LPARAM)info); }
    int HitTest(CPoint pt, UINT* flags = nullptr) const;
    int SubItemHitTest(LVHITTESTINFO* info) { return (int)SendMessage(LVM_SUBITEMHITTEST, 0, (LPARAM)info); }
    int GetNextItem(int item, int flags) const { return (int)SendMessage(LVM_GETNEXTITEM, (WPARAM)item, MAKELPARAM(flags, 0)); }
    int GetSelectionMark() const { return (int)SendMessage(LVM_GETSELECTIONMARK); }
    DWORD SetExtendedStyle(DWORD style) { return (DWORD)SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, (LPARAM)style); }
    DWORD GetExtendedStyle() const { return (DWORD)SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE); }
    CHeaderCtrl* GetHeaderCtrl() const { return FromHandleAs<CHeaderCtrl>((HWND)SendMessage(LVM_GETHEADER)); }
    HIMAGELIST SetImageList(CImageList* list, int type) {
        return (HIMAGELIST)SendMessage(LVM_SETIMAGELIST, (WPARAM)type, (LPARAM)(list ? list->m_hImageList : nullptr));
    }
    COLORREF SetBkColor(COLORREF c) { return (COLORREF)SendMessage(LVM_SETBKCOLOR, 0, (LPARAM)c); }
    COLORREF SetTextBkColor(COLORREF c) { return (COLORREF)SendMessage(LVM_SETTEXTBKCOLOR, 0, (LPARAM)c); }
    COLORREF SetTextColor(COLORREF c) { return (COLORREF)SendMessage(LVM_SETTEXTCOLOR, 0, (LPARAM)c); }
    BOOL RedrawItems(int first, int last) { return (BOOL)SendMessage(LVM_REDRAWITEMS, (WPARAM)first, (LPARAM)last); }
    BOOL Update(int item) { return (BOOL)SendMessage(LVM_UPDATE, (WPARAM)item); }
};

// A rich-edit control of msftedit.dll (the library is loaded at start-up).
class CRichEditCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& r, CWnd* parent, UINT id) {
        return CreateEx(0, MSFTEDIT_CLASS, L"", style | WS_CHILD, r, parent, id);
    }
    void SetSel(long start, long end) { CHARRANGE cr = {start, end}; SendMessage(EM_EXSETSEL, 0, (LPARAM)&cr); }
    void GetSel(long& start, long& end) const {
        CHARRANGE cr{};
        SendMessage(EM_EXGETSEL, 0, (LPARAM)&cr);
        start = cr.cpMin; end = cr.cpMax;
    }
    void ReplaceSel(LPCTSTR text, BOOL canUndo = FALSE) { SendMessage(EM_REPLACESEL, canUndo, (LPARAM)text); }
    BOOL SetReadOnly(BOOL readOnly = TRUE) { return (BOOL)SendMessage(EM_SETREADONLY, readOnly); }
    COLORREF SetBackgroundColor(BOOL sysColor, COLORREF c) { return (COLORREF)SendMessage(EM_SETBKGNDCOLOR, sysColor, (LPARAM)c); }
    BOOL SetDefaultCharFormat(CHARFORMAT2W& cf) { cf.cbSize = sizeof(cf); return (BOOL)SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, (LPARAM)&cf); }
    BOOL SetSelectionCharFormat(CHARFORMAT2W& cf) { cf.cbSize = sizeof(cf); return (BOOL)SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf); }
    BOOL SetParaFormat(PARAFORMAT2& pf) { pf.cbSize = sizeof(pf); return (BOOL)SendMessage(EM_SETPARAFORMAT, 0, (LPARAM)&pf); }
    DWORD SetEventMask(DWORD mask) { return (DWORD)SendMessage(EM_SETEVENTMASK, 0, (LPARAM)mask); }
    void SetTargetDevice(HDC dc, long lineWidth) { SendMessage(EM_SETTARGETDEVICE, (WPARAM)dc, lineWidth); }
    void SetRect(LPCRECT r) { SendMessage(EM_SETRECT, 0, (LPARAM)r); }
    void SetMargins(UINT left, UINT right) { SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(left, right)); }
    void HideSelection(BOOL hide, BOOL perm) { SendMessage(EM_HIDESELECTION, hide, perm); }
    int GetLineCount() const { return (int)SendMessage(EM_GETLINECOUNT); }
    void AutoUrlDetect(BOOL enable) { SendMessage(EM_AUTOURLDETECT, enable); }
};

class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    BOOL AddTool(CWnd* tool, LPCTSTR text);
    void UpdateTipText(LPCTSTR text, CWnd* tool);
    void DelTool(CWnd* tool);
    void Activate(BOOL activate) { SendMessage(TTM_ACTIVATE, activate); }
    void SetMaxTipWidth(int width) { SendMessage(TTM_SETMAXTIPWIDTH, 0, width); }
    void SetDelayTime(DWORD duration, int time) { SendMessage(TTM_SETDELAYTIME, duration, MAKELPARAM(time, 0)); }
    void RelayEvent(MSG* msg) { SendMessage(TTM_RELAYEVENT, 0, (LPARAM)msg); }
    void Pop() { SendMessage(TTM_POP); }
};

// A menu handle; owned (destroyed with the object) unless attached from elsewhere.
class CMenu {
public:
    CMenu() = default;
    ~CMenu() { DestroyMenu(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    CMenu(CMenu&& o) noexcept : m_hMenu(o.m_hMenu), m_owned(o.m_owned) { o.m_hMenu = nullptr; }
    CMenu& operator=(CMenu&& o) noexcept {
        if (this != &o) { DestroyMenu(); m_hMenu = o.m_hMenu; m_owned = o.m_owned; o.m_hMenu = nullptr; }
        return *this;
    }

    HMENU m_hMenu = nullptr;
    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }
    BOOL CreatePopupMenu() { DestroyMenu(); m_hMenu = ::CreatePopupMenu(); m_owned = true; return m_hMenu != nullptr; }
    BOOL CreateMenu() { DestroyMenu(); m_hMenu = ::CreateMenu(); m_owned = true; return m_hMenu != nullptr; }
    BOOL LoadMenu(UINT id) {
        DestroyMenu();
        m_hMenu = ::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
        m_owned = true;
        return m_hMenu != nullptr;
    }
    // Borrow a menu someone else owns (a submenu, a window's menu).
    BOOL Attach(HMENU h) { DestroyMenu(); m_hMenu = h; m_owned = false; return h != nullptr; }
    HMENU Detach() { HMENU h = m_hMenu; m_hMenu = nullptr; return h; }
    BOOL DestroyMenu() {
        if (!m_hMenu) return FALSE;
        if (m_owned) ::DestroyMenu(m_hMenu);
        m_hMenu = nullptr;
        return TRUE;
    }
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr) { return ::AppendMenuW(m_hMenu, flags, id, text); }
    BOOL InsertMenu(UINT pos, UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr) { return ::InsertMenuW(m_hMenu, pos, flags, id, text); }
    BOOL ModifyMenu(UINT pos, UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr) { return ::ModifyMenuW(m_hMenu, pos, flags, id, text); }
    BOOL DeleteMenu(UINT pos, UINT flags) { return ::DeleteMenu(m_hMenu, pos, flags); }
    BOOL RemoveMenu(UINT pos, UINT flags) { return ::RemoveMenu(m_hMenu, pos, flags); }
    UINT EnableMenuItem(UINT id, UINT enable) { return ::EnableMenuItem(m_hMenu, id, enable); }
    UINT CheckMenuItem(UINT id, UINT check) { return (UINT)::CheckMenuItem(m_hMenu, id, check); }
    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    UINT GetMenuItemID(int pos) const { return ::GetMenuItemID(m_hMenu, pos); }
    HMENU GetSubMenu(int pos) const { return ::GetSubMenu(m_hMenu, pos); }
    int GetMenuString(UINT id, CString& text, UINT flags) const;
    // Shows the menu and waits for a choice (a test may answer it instead).
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* wnd, LPCRECT = nullptr);
private:
    bool m_owned = true;
};
