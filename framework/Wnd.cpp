#include "framework/Wnd.h"
#include "framework/Clock.h"
#include "framework/Gdi.h"
#include "framework/Dialog.h"
#include "framework/TestSeams.h"
#include <map>
#include <memory>
#include <mutex>

namespace {

const wchar_t kPropName[] = L"fw.CWnd";
// The procedure to pass messages on to, for a window whose object let go of
// it while another procedure was subclassed on top of the framework's.
const wchar_t kSuperPropName[] = L"fw.super";

// The message each thread is handling, innermost last.
struct CurrentMsg {
    MSG msg{};
    CWnd* wnd = nullptr;
};
thread_local CurrentMsg* t_current = nullptr;

// Borrowed wrappers for windows no object is attached to, per thread: one
// per window and wrapper class (the tag; null for a plain CWnd).
typedef std::map<std::pair<HWND, const void*>, std::unique_ptr<CWnd>> TemporaryMap;
thread_local TemporaryMap* t_temporary = nullptr;

}  // namespace

namespace fw {
const MsgMapEntry* FindMsgEntry(const MsgMap* map, UINT message, UINT code, UINT id) {
    for (; map; map = map->base ? map->base() : nullptr) {
        for (const MsgMapEntry* e = map->entries; e->handler; ++e) {
            if (e->message != message) continue;
            if (message == WM_COMMAND || message == WM_NOTIFY) {
                if (e->code != code || id < e->id || id > e->idLast) continue;
            } else if (message == kReflectBase + WM_COMMAND || message == kReflectBase + WM_NOTIFY) {
                if (e->code != code) continue;
            }
            return e;
        }
        if (map->base == nullptr) break;
    }
    return nullptr;
}
}  // namespace fw

const CWnd CWnd::wndTop{CWnd::Special{}, HWND_TOP};
const CWnd CWnd::wndBottom{CWnd::Special{}, HWND_BOTTOM};
const CWnd CWnd::wndTopMost{CWnd::Special{}, HWND_TOPMOST};
const CWnd CWnd::wndNoTopMost{CWnd::Special{}, HWND_NOTOPMOST};

const MSG* GetCurrentMessage() { return t_current ? &t_current->msg : nullptr; }

const ::fw::MsgMap* CWnd::GetThisMessageMap() {
    static const ::fw::MsgMapEntry entries[] = {{0, 0, 0, 0, nullptr}};
    static const ::fw::MsgMap map = {nullptr, entries};
    return &map;
}
const ::fw::MsgMap* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

CWnd::~CWnd() {
    if (m_hWnd && !m_temporary) {
        if (::IsWindow(m_hWnd)) {
            if (m_pfnSuper) UnhookWindow();
            else ::RemovePropW(m_hWnd, kPropName);
        }
        m_hWnd = nullptr;
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    if (!hWnd) return nullptr;
    return static_cast<CWnd*>(::GetPropW(hWnd, kPropName));
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd) return nullptr;
    if (CWnd* p = FromHandlePermanent(hWnd)) return p;
    return TemporaryWrapper(hWnd, nullptr, [] { return new CWnd(); });
}

CWnd* CWnd::TemporaryWrapper(HWND hWnd, const void* tag, CWnd* (*make)()) {
    if (!t_temporary) t_temporary = new TemporaryMap();
    auto& map = *t_temporary;
    // Forget wrappers of windows that are gone, so the table stays small.
    if (map.size() > 256) {
        for (auto it = map.begin(); it != map.end();) it = ::IsWindow(it->first.first) ? std::next(it) : map.erase(it);
    }
    auto& slot = map[std::make_pair(hWnd, tag)];
    if (!slot) {
        slot.reset(make());
        slot->m_hWnd = hWnd;
        slot->m_temporary = true;
    }
    return slot.get();
}

BOOL CWnd::Attach(HWND hWnd) {
    if (!hWnd || m_hWnd) return FALSE;
    m_hWnd = hWnd;
    ::SetPropW(hWnd, kPropName, this);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND h = m_hWnd;
    if (h) {
        if (m_pfnSuper) UnhookWindow();
        else ::RemovePropW(h, kPropName);
    }
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::HookWindow(HWND hWnd) {
    if (!hWnd || m_hWnd || FromHandlePermanent(hWnd) || ::GetPropW(hWnd, kSuperPropName)) return FALSE;
    m_hWnd = hWnd;
    ::SetPropW(hWnd, kPropName, this);
    m_pfnSuper = (WNDPROC)::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, (LONG_PTR)&CWnd::FrameworkWndProc);
    if (m_pfnSuper == &CWnd::FrameworkWndProc) m_pfnSuper = ::DefWindowProcW;
    return TRUE;
}

namespace {
// Gives the window its old procedure back. Only when the framework's is still
// the top of the chain: a procedure subclassed on top of it would otherwise be
// cut out. Then the framework's stays and passes everything on to super.
void RestoreProcedure(HWND hWnd, WNDPROC super) {
    if (!super || !::IsWindow(hWnd)) return;
    if ((WNDPROC)::GetWindowLongPtrW(hWnd, GWLP_WNDPROC) == &CWnd::FrameworkWndProc)
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, (LONG_PTR)super);
    else
        ::SetPropW(hWnd, kSuperPropName, (HANDLE)super);
}
}  // namespace

void CWnd::UnhookWindow() {
    if (m_hWnd) ::RemovePropW(m_hWnd, kPropName);
    RestoreProcedure(m_hWnd, m_pfnSuper);
    m_pfnSuper = nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!HookWindow(hWnd)) return FALSE;
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    HWND h = parent ? ::GetDlgItem(parent->m_hWnd, (int)id) : nullptr;
    return h ? SubclassWindow(h) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
    HWND h = m_hWnd;
    UnhookWindow();
    m_hWnd = nullptr;
    return h;
}

LPCTSTR CWnd::RegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background) {
    static std::mutex lock;
    static std::map<std::tuple<UINT, HCURSOR, HBRUSH>, std::wstring> names;
    std::lock_guard<std::mutex> guard(lock);
    auto key = std::make_tuple(classStyle, cursor, background);
    auto it = names.find(key);
    if (it != names.end()) return it->second.c_str();
    wchar_t name[64];
    swprintf(name, 64, L"FwWnd:%x:%p:%p", classStyle, (void*)cursor, (void*)background);
    WNDCLASSEXW wc = {sizeof(wc)};
    wc.style = classStyle;
    wc.lpfnWndProc = ::DefWindowProcW;  // replaced by the framework's procedure on creation
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = cursor ? cursor : ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    ::RegisterClassExW(&wc);
    return names.emplace(key, name).first->second.c_str();
}

namespace {
// Windows created by CreateEx are attached before their first message.
thread_local CWnd* t_creating = nullptr;
HHOOK g_unusedHook = nullptr;

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && t_creating) {
        CWnd* wnd = t_creating;
        t_creating = nullptr;
        wnd->SubclassWindow((HWND)wParam);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
}  // namespace

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id, LPVOID param) {
    if (m_hWnd) return FALSE;
    (void)g_unusedHook;
    HHOOK hook = ::SetWindowsHookExW(WH_CBT, &CreationHook, nullptr, ::GetCurrentThreadId());
    t_creating = this;
    HWND h = ::CreateWindowExW(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                               rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                               (style & WS_CHILD) ? (HMENU)(UINT_PTR)id : nullptr, ::GetModuleHandleW(nullptr), param);
    t_creating = nullptr;
    ::UnhookWindowsHookEx(hook);
    if (!h) {
        m_hWnd = nullptr;
        m_pfnSuper = nullptr;
        return FALSE;
    }
    if (m_hWnd != h) {  // the hook did not see it (should not happen)
        SubclassWindow(h);
    }
    return TRUE;
}

BOOL CWnd::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id);
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

LRESULT CALLBACK CWnd::FrameworkWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = FromHandlePermanent(hWnd);
    if (!wnd) {
        // Let go of while still in a chain: pass the message down it.
        if (auto super = (WNDPROC)::GetPropW(hWnd, kSuperPropName)) {
            if (message == WM_NCDESTROY) ::RemovePropW(hWnd, kSuperPropName);
            return ::CallWindowProcW(super, hWnd, message, wParam, lParam);
        }
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }

    // Timer requests posted from other threads.
    if (message == fw::WM_FW_SETTIMER) {
        ::SetTimer(hWnd, wParam, fw::Clock::TimerInterval((UINT)lParam), nullptr);
        return 0;
    }
    if (message == fw::WM_FW_MODALSHOWN) {
        if (CDialog* dlg = dynamic_cast<CDialog*>(wnd)) fw::test::RunModalShown(*dlg);
        return 0;
    }
    if (message == fw::WM_FW_KILLTIMER) {
        ::KillTimer(hWnd, wParam);
        return 0;
    }

    CurrentMsg current;
    current.msg.hwnd = hWnd;
    current.msg.message = message;
    current.msg.wParam = wParam;
    current.msg.lParam = lParam;
    current.wnd = wnd;
    CurrentMsg* outer = t_current;
    t_current = &current;
    LRESULT result = wnd->WindowProc(message, wParam, lParam);
    t_current = outer;

    if (message == WM_NCDESTROY) {
        // The window is gone: detach the object and give the window its own
        // procedure back for anything that still arrives.
        if (wnd->m_hWnd == hWnd) {
            WNDPROC super = wnd->m_pfnSuper;
            ::RemovePropW(hWnd, kPropName);
            RestoreProcedure(hWnd, super);
            ::RemovePropW(hWnd, kSuperPropName);  // no message comes after this one
            wnd->m_pfnSuper = nullptr;
            wnd->m_hWnd = nullptr;
            wnd->PostNcDestroy();
        }
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const MSG* m = GetCurrentMessage();
    if (!m || !t_current || t_current->wnd != this) return 0;
    return DefWindowProc(m->message, m->wParam, m->lParam);
}

BOOL CWnd::ReflectChildNotify(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    CWnd* ctl = FromHandlePermanent(child);
    return ctl ? ctl->OnChildNotify(message, wParam, lParam, pResult) : FALSE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    UINT code = 0;
    if (message == WM_COMMAND) code = HIWORD(wParam);
    else if (message == WM_NOTIFY) code = reinterpret_cast<NMHDR*>(lParam)->code;
    const fw::MsgMapEntry* e = fw::FindMsgEntry(GetMessageMap(), fw::kReflectBase + message, code, 0);
    if (!e) return FALSE;
    LRESULT r = 0;
    e->handler(this, wParam, lParam, &r);
    if (pResult) *pResult = r;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam), code = HIWORD(wParam);
    HWND ctl = (HWND)lParam;
    // A control's notification goes to the control first.
    if (ctl && ReflectChildNotify(ctl, WM_COMMAND, wParam, lParam, nullptr)) return TRUE;
    const fw::MsgMapEntry* e = fw::FindMsgEntry(GetMessageMap(), WM_COMMAND, code, id);
    if (!e) return FALSE;
    LRESULT r = 0;
    e->handler(this, wParam, lParam, &r);
    return TRUE;
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    NMHDR* h = reinterpret_cast<NMHDR*>(lParam);
    if (!h) return FALSE;
    if (h->hwndFrom && ReflectChildNotify(h->hwndFrom, WM_NOTIFY, wParam, lParam, pResult)) return TRUE;
    const fw::MsgMapEntry* e = fw::FindMsgEntry(GetMessageMap(), WM_NOTIFY, h->code, (UINT)h->idFrom);
    if (!e) return FALSE;
    e->handler(this, wParam, lParam, pResult);
    return TRUE;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam)) { *pResult = 0; return TRUE; }
        return FALSE;
    }
    if (message == WM_NOTIFY) {
        LRESULT r = 0;
        if (OnNotify(wParam, lParam, &r)) { *pResult = r; return TRUE; }
        return FALSE;
    }
    if (const fw::MsgMapEntry* e = fw::FindMsgEntry(GetMessageMap(), message, 0, 0)) {
        LRESULT r = 0;
        e->handler(this, wParam, lParam, &r);
        *pResult = r;
        return TRUE;
    }
    // Not handled here: owner-drawn items, colours and scroll bars go back to
    // the control that asked.
    HWND child = nullptr;
    switch (message) {
    case WM_DRAWITEM: child = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)->hwndItem; break;
    case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
        child = ::GetDlgItem(m_hWnd, (int)mis->CtlID);
        break;
    }
    case WM_CTLCOLORSTATIC: case WM_CTLCOLORBTN: case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: case WM_CTLCOLORSCROLLBAR:
    case WM_HSCROLL: case WM_VSCROLL:
        child = (HWND)lParam;
        break;
    default: break;
    }
    if (child) {
        LRESULT r = 0;
        if (ReflectChildNotify(child, message, wParam, lParam, &r)) { *pResult = r; return TRUE; }
    }
    return FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT dis) {
    LRESULT r = 0;
    if (!ReflectChildNotify(dis->hwndItem, WM_DRAWITEM, 0, (LPARAM)dis, &r)) Default();
}

void CWnd::OnMeasureItem(int id, LPMEASUREITEMSTRUCT mis) {
    LRESULT r = 0;
    if (!ReflectChildNotify(::GetDlgItem(m_hWnd, id), WM_MEASUREITEM, 0, (LPARAM)mis, &r)) Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* ctl, UINT) {
    const MSG* m = GetCurrentMessage();
    LRESULT r = 0;
    if (m && ctl && ReflectChildNotify(ctl->m_hWnd, m->message, m->wParam, m->lParam, &r)) return (HBRUSH)r;
    return (HBRUSH)Default();
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs, TIMERPROC proc) {
    if (!m_hWnd) return 0;
    if (::GetWindowThreadProcessId(m_hWnd, nullptr) != ::GetCurrentThreadId()) {
        // Win32 refuses timers on another thread's window: ask its own thread.
        return ::PostMessageW(m_hWnd, fw::WM_FW_SETTIMER, id, (LPARAM)elapseMs) ? id : 0;
    }
    return ::SetTimer(m_hWnd, id, fw::Clock::TimerInterval(elapseMs), proc);
}

BOOL CWnd::KillTimer(UINT_PTR id) {
    if (!m_hWnd) return FALSE;
    if (::GetWindowThreadProcessId(m_hWnd, nullptr) != ::GetCurrentThreadId())
        return ::PostMessageW(m_hWnd, fw::WM_FW_KILLTIMER, id, 0);
    return ::KillTimer(m_hWnd, id);
}

void CWnd::GetWindowText(CString& text) const {
    int n = ::GetWindowTextLengthW(m_hWnd);
    wchar_t* p = text.GetBufferSetLength(n + 1);
    int got = ::GetWindowTextW(m_hWnd, p, n + 1);
    text.ReleaseBuffer(got);
}

int CWnd::GetDlgItemText(int id, CString& text) const {
    HWND h = ::GetDlgItem(m_hWnd, id);
    text.Empty();
    if (!h) return 0;
    FromHandle(h)->GetWindowText(text);
    return text.GetLength();
}

void CWnd::SetFont(CFont* font, BOOL redraw) { SetFont(font ? font->m_hObject : nullptr, redraw); }

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }

CWnd* CWnd::GetTopLevelParent() const {
    HWND h = m_hWnd;
    while (h && (::GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD)) h = ::GetParent(h);
    return FromHandle(h);
}

void CWnd::ClientToScreen(LPRECT r) const {
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(r));
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(r) + 1);
}

void CWnd::ScreenToClient(LPRECT r) const {
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(r));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(r) + 1);
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
    HWND owner = alternateOwner ? alternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    if (GetStyle() & WS_CHILD) owner = ::GetParent(m_hWnd);
    RECT me, area;
    ::GetWindowRect(m_hWnd, &me);
    if (owner && ::IsWindowVisible(owner)) ::GetWindowRect(owner, &area);
    else ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    int w = me.right - me.left, h = me.bottom - me.top;
    POINT p = {area.left + (area.right - area.left - w) / 2, area.top + (area.bottom - area.top - h) / 2};
    if (GetStyle() & WS_CHILD) ::ScreenToClient(::GetParent(m_hWnd), &p);
    ::SetWindowPos(m_hWnd, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {
BOOL ModifyWindowLong(HWND h, int index, DWORD remove, DWORD add, UINT swpFlags) {
    DWORD style = (DWORD)::GetWindowLongPtrW(h, index), updated = (style & ~remove) | add;
    if (style == updated) return FALSE;
    ::SetWindowLongPtrW(h, index, (LONG_PTR)updated);
    if (swpFlags)
        ::SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return TRUE;
}
}  // namespace

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) {
    return ModifyWindowLong(m_hWnd, GWL_STYLE, remove, add, swpFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags) {
    return ModifyWindowLong(m_hWnd, GWL_EXSTYLE, remove, add, swpFlags);
}
