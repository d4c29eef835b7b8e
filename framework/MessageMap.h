// Message maps: per-class tables that bind window messages, control
// notifications and command ids to member handlers. Each entry carries a
// small adapter, generated from the handler's own signature, that unpacks the
// message arguments; a handler of the wrong type does not compile. A class's
// table chains to its base class's table and is searched in the order given.
#pragma once
#include <windows.h>

class CWnd;

namespace fw {

using MsgHandler = void (*)(CWnd* self, WPARAM wParam, LPARAM lParam, LRESULT* result);

struct MsgMapEntry {
    UINT message;  // WM_..., or a reflected message (kReflectBase + WM_...)
    UINT code;     // notification code of WM_COMMAND / WM_NOTIFY entries
    UINT id;       // first and last control or command id
    UINT idLast;
    MsgHandler handler;
};

struct MsgMap {
    const MsgMap* (*base)();
    const MsgMapEntry* entries;
};

// Messages reflected from a parent back to the control that caused them.
constexpr UINT kReflectBase = WM_APP + 0x2000;
// The framework's own messages.
constexpr UINT WM_FW_SETTIMER = WM_APP + 0x3F00;   // wParam id, lParam interval
constexpr UINT WM_FW_KILLTIMER = WM_APP + 0x3F01;  // wParam id
constexpr UINT WM_FW_MODALSHOWN = WM_APP + 0x3F02;  // a modal dialog's loop has started (tests)

// Finds the handler for a message in a class's map chain.
const MsgMapEntry* FindMsgEntry(const MsgMap* map, UINT message, UINT code, UINT id);

}  // namespace fw

#define DECLARE_MESSAGE_MAP()                                   \
protected:                                                      \
    static const ::fw::MsgMap* GetThisMessageMap();             \
    const ::fw::MsgMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
    const ::fw::MsgMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const ::fw::MsgMap* theClass::GetThisMessageMap() {                             \
        [[maybe_unused]] typedef theClass ThisClass;                                                 \
        typedef baseClass TheBaseClass;                                             \
        static const ::fw::MsgMapEntry entries[] = {

#define END_MESSAGE_MAP()                                               \
            {0, 0, 0, 0, nullptr}                                       \
        };                                                              \
        static const ::fw::MsgMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
        return &map;                                                    \
    }

#define FW_SELF static_cast<ThisClass*>(self)
#define FW_ENTRY(msg, body) \
    {msg, 0, 0, 0, [](CWnd* self, WPARAM wParam, LPARAM lParam, LRESULT* result) { \
        (void)self; (void)wParam; (void)lParam; (void)result; body; }},

// Commands and control notifications. Handlers are given as &Class::Member.
#define ON_COMMAND(id, fn) \
    {WM_COMMAND, 0, (UINT)(id), (UINT)(id), [](CWnd* self, WPARAM, LPARAM, LRESULT*) { (FW_SELF->*(fn))(); }},
#define ON_COMMAND_RANGE(idFirst, idLast, fn) \
    {WM_COMMAND, 0, (UINT)(idFirst), (UINT)(idLast), [](CWnd* self, WPARAM wParam, LPARAM, LRESULT*) { \
        (FW_SELF->*(fn))((UINT)LOWORD(wParam)); }},
#define ON_CONTROL(code, id, fn) \
    {WM_COMMAND, (UINT)(code), (UINT)(id), (UINT)(id), [](CWnd* self, WPARAM, LPARAM, LRESULT*) { (FW_SELF->*(fn))(); }},
#define ON_CONTROL_RANGE(code, idFirst, idLast, fn) \
    {WM_COMMAND, (UINT)(code), (UINT)(idFirst), (UINT)(idLast), [](CWnd* self, WPARAM wParam, LPARAM, LRESULT*) { \
        (FW_SELF->*(fn))((UINT)LOWORD(wParam)); }},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_BN_SETFOCUS(id, fn) ON_CONTROL(BN_SETFOCUS, id, fn)
#define ON_BN_KILLFOCUS(id, fn) ON_CONTROL(BN_KILLFOCUS, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_SELENDOK(id, fn) ON_CONTROL(CBN_SELENDOK, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_STN_CLICKED(id, fn) ON_CONTROL(STN_CLICKED, id, fn)
#define ON_STN_DBLCLK(id, fn) ON_CONTROL(STN_DBLCLK, id, fn)

#define ON_NOTIFY(code, id, fn) \
    {WM_NOTIFY, (UINT)(code), (UINT)(id), (UINT)(id), [](CWnd* self, WPARAM, LPARAM lParam, LRESULT* result) { \
        (FW_SELF->*(fn))(reinterpret_cast<NMHDR*>(lParam), result); }},
#define ON_NOTIFY_RANGE(code, idFirst, idLast, fn) \
    {WM_NOTIFY, (UINT)(code), (UINT)(idFirst), (UINT)(idLast), [](CWnd* self, WPARAM, LPARAM lParam, LRESULT* result) { \
        NMHDR* h = reinterpret_cast<NMHDR*>(lParam); (FW_SELF->*(fn))((UINT)h->idFrom, h, result); }},

// Notifications reflected back to the control that sent them.
#define ON_NOTIFY_REFLECT(code, fn) \
    {::fw::kReflectBase + WM_NOTIFY, (UINT)(code), 0, 0xFFFFFFFFu, [](CWnd* self, WPARAM, LPARAM lParam, LRESULT* result) { \
        (FW_SELF->*(fn))(reinterpret_cast<NMHDR*>(lParam), result); }},
#define ON_CONTROL_REFLECT(code, fn) \
    {::fw::kReflectBase + WM_COMMAND, (UINT)(code), 0, 0xFFFFFFFFu, [](CWnd* self, WPARAM, LPARAM, LRESULT*) { \
        (FW_SELF->*(fn))(); }},
#define ON_BN_CLICKED_REFLECT(fn) ON_CONTROL_REFLECT(BN_CLICKED, fn)
#define ON_WM_CTLCOLOR_REFLECT() \
    FW_ENTRY(::fw::kReflectBase + WM_CTLCOLORSTATIC, *result = (LRESULT)FW_SELF->CtlColor(CDC::FromHandle((HDC)wParam), CTLCOLOR_STATIC)) \
    FW_ENTRY(::fw::kReflectBase + WM_CTLCOLORBTN, *result = (LRESULT)FW_SELF->CtlColor(CDC::FromHandle((HDC)wParam), CTLCOLOR_BTN)) \
    FW_ENTRY(::fw::kReflectBase + WM_CTLCOLOREDIT, *result = (LRESULT)FW_SELF->CtlColor(CDC::FromHandle((HDC)wParam), CTLCOLOR_EDIT)) \
    FW_ENTRY(::fw::kReflectBase + WM_CTLCOLORLISTBOX, *result = (LRESULT)FW_SELF->CtlColor(CDC::FromHandle((HDC)wParam), CTLCOLOR_LISTBOX))

// Any message, with the raw arguments.
#define ON_MESSAGE(msg, fn) \
    {(UINT)(msg), 0, 0, 0, [](CWnd* self, WPARAM wParam, LPARAM lParam, LRESULT* result) { \
        *result = (FW_SELF->*(fn))(wParam, lParam); }},

// Window messages, each bound to the handler of the conventional name.
#define ON_WM_CREATE() FW_ENTRY(WM_CREATE, *result = FW_SELF->OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam)))
#define ON_WM_DESTROY() FW_ENTRY(WM_DESTROY, FW_SELF->OnDestroy())
#define ON_WM_NCDESTROY() FW_ENTRY(WM_NCDESTROY, FW_SELF->OnNcDestroy())
#define ON_WM_CLOSE() FW_ENTRY(WM_CLOSE, FW_SELF->OnClose())
#define ON_WM_PAINT() FW_ENTRY(WM_PAINT, FW_SELF->OnPaint())
#define ON_WM_ERASEBKGND() FW_ENTRY(WM_ERASEBKGND, *result = FW_SELF->OnEraseBkgnd(CDC::FromHandle((HDC)wParam)))
#define ON_WM_TIMER() FW_ENTRY(WM_TIMER, FW_SELF->OnTimer((UINT_PTR)wParam))
#define ON_WM_SIZE() FW_ENTRY(WM_SIZE, FW_SELF->OnSize((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam)))
#define ON_WM_MOVE() FW_ENTRY(WM_MOVE, FW_SELF->OnMove((short)LOWORD(lParam), (short)HIWORD(lParam)))
#define ON_WM_SHOWWINDOW() FW_ENTRY(WM_SHOWWINDOW, FW_SELF->OnShowWindow((BOOL)wParam, (UINT)lParam))
#define ON_WM_ENABLE() FW_ENTRY(WM_ENABLE, FW_SELF->OnEnable((BOOL)wParam))
#define ON_WM_SETCURSOR() \
    FW_ENTRY(WM_SETCURSOR, *result = FW_SELF->OnSetCursor(CWnd::FromHandle((HWND)wParam), (short)LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_LBUTTONDOWN() FW_ENTRY(WM_LBUTTONDOWN, FW_SELF->OnLButtonDown((UINT)wParam, CPoint(lParam)))
#define ON_WM_LBUTTONUP() FW_ENTRY(WM_LBUTTONUP, FW_SELF->OnLButtonUp((UINT)wParam, CPoint(lParam)))
#define ON_WM_LBUTTONDBLCLK() FW_ENTRY(WM_LBUTTONDBLCLK, FW_SELF->OnLButtonDblClk((UINT)wParam, CPoint(lParam)))
#define ON_WM_RBUTTONDOWN() FW_ENTRY(WM_RBUTTONDOWN, FW_SELF->OnRButtonDown((UINT)wParam, CPoint(lParam)))
#define ON_WM_RBUTTONUP() FW_ENTRY(WM_RBUTTONUP, FW_SELF->OnRButtonUp((UINT)wParam, CPoint(lParam)))
#define ON_WM_MOUSEMOVE() FW_ENTRY(WM_MOUSEMOVE, FW_SELF->OnMouseMove((UINT)wParam, CPoint(lParam)))
#define ON_WM_MOUSEWHEEL() \
    FW_ENTRY(WM_MOUSEWHEEL, *result = FW_SELF->OnMouseWheel(GET_KEYSTATE_WPARAM(wParam), GET_WHEEL_DELTA_WPARAM(wParam), CPoint(lParam)))
#define ON_WM_MOUSEACTIVATE() \
    FW_ENTRY(WM_MOUSEACTIVATE, *result = FW_SELF->OnMouseActivate(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_KEYDOWN() FW_ENTRY(WM_KEYDOWN, FW_SELF->OnKeyDown((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_KEYUP() FW_ENTRY(WM_KEYUP, FW_SELF->OnKeyUp((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_CHAR() FW_ENTRY(WM_CHAR, FW_SELF->OnChar((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_SETFOCUS() FW_ENTRY(WM_SETFOCUS, FW_SELF->OnSetFocus(CWnd::FromHandle((HWND)wParam)))
#define ON_WM_KILLFOCUS() FW_ENTRY(WM_KILLFOCUS, FW_SELF->OnKillFocus(CWnd::FromHandle((HWND)wParam)))
#define ON_WM_CAPTURECHANGED() FW_ENTRY(WM_CAPTURECHANGED, FW_SELF->OnCaptureChanged(CWnd::FromHandle((HWND)lParam)))
#define ON_WM_GETDLGCODE() FW_ENTRY(WM_GETDLGCODE, *result = FW_SELF->OnGetDlgCode())
#define ON_WM_HSCROLL() \
    FW_ENTRY(WM_HSCROLL, FW_SELF->OnHScroll(LOWORD(wParam), (short)HIWORD(wParam), CWnd::FromHandleAs<CScrollBar>((HWND)lParam)))
#define ON_WM_VSCROLL() \
    FW_ENTRY(WM_VSCROLL, FW_SELF->OnVScroll(LOWORD(wParam), (short)HIWORD(wParam), CWnd::FromHandleAs<CScrollBar>((HWND)lParam)))
#define ON_WM_DRAWITEM() FW_ENTRY(WM_DRAWITEM, FW_SELF->OnDrawItem((int)wParam, reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); *result = TRUE)
#define ON_WM_MEASUREITEM() \
    FW_ENTRY(WM_MEASUREITEM, FW_SELF->OnMeasureItem((int)wParam, reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)); *result = TRUE)
#define ON_WM_SYSCOMMAND() FW_ENTRY(WM_SYSCOMMAND, FW_SELF->OnSysCommand((UINT)wParam, lParam))
#define ON_WM_QUERYDRAGICON() FW_ENTRY(WM_QUERYDRAGICON, *result = (LRESULT)FW_SELF->OnQueryDragIcon())
#define ON_WM_CONTEXTMENU() FW_ENTRY(WM_CONTEXTMENU, FW_SELF->OnContextMenu(CWnd::FromHandle((HWND)wParam), CPoint(lParam)))
#define ON_WM_WINDOWPOSCHANGED() FW_ENTRY(WM_WINDOWPOSCHANGED, FW_SELF->OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lParam)))
#define ON_WM_NCHITTEST() FW_ENTRY(WM_NCHITTEST, *result = FW_SELF->OnNcHitTest(CPoint(lParam)))
#define ON_WM_ACTIVATE() \
    FW_ENTRY(WM_ACTIVATE, FW_SELF->OnActivate(LOWORD(wParam), CWnd::FromHandle((HWND)lParam), (BOOL)HIWORD(wParam)))
#define ON_WM_THEMECHANGED() FW_ENTRY(WM_THEMECHANGED, *result = FW_SELF->OnThemeChanged())
// The parent's colour handler, for every kind of control.
#define FW_CTLCOLOR(msg, kind) \
    FW_ENTRY(msg, *result = (LRESULT)FW_SELF->OnCtlColor(CDC::FromHandle((HDC)wParam), CWnd::FromHandle((HWND)lParam), kind))
#define ON_WM_CTLCOLOR()                                  \
    FW_CTLCOLOR(WM_CTLCOLORDLG, CTLCOLOR_DLG)             \
    FW_CTLCOLOR(WM_CTLCOLORSTATIC, CTLCOLOR_STATIC)       \
    FW_CTLCOLOR(WM_CTLCOLORBTN, CTLCOLOR_BTN)             \
    FW_CTLCOLOR(WM_CTLCOLOREDIT, CTLCOLOR_EDIT)           \
    FW_CTLCOLOR(WM_CTLCOLORLISTBOX, CTLCOLOR_LISTBOX)     \
    FW_CTLCOLOR(WM_CTLCOLORSCROLLBAR, CTLCOLOR_SCROLLBAR) \
    FW_CTLCOLOR(WM_CTLCOLORMSGBOX, CTLCOLOR_MSGBOX)
