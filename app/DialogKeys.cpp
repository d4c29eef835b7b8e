#include "app/DialogKeys.h"

namespace dialogkeys {

namespace {

BOOL IsUsable(HWND wnd) { return wnd && ::IsWindow(wnd) && ::IsWindowVisible(wnd) && ::IsWindowEnabled(wnd); }

// A push button, also an owner-drawn one (check boxes and radio buttons
// are not pressed by Enter).
BOOL IsPushButton(HWND wnd, const MSG* msg) {
    LRESULT code = ::SendMessageW(wnd, WM_GETDLGCODE, msg->wParam, (LPARAM)msg);
    if (!(code & DLGC_BUTTON)) return FALSE;
    if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) return TRUE;
    return ((DWORD)::GetWindowLongPtrW(wnd, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}

void Click(HWND button) {
    ::SendMessageW(::GetParent(button), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED), (LPARAM)button);
}

}  // namespace

BOOL HandleEnter(HWND dialog, const MSG* msg, int defaultId) {
    if (msg->message != WM_KEYDOWN || msg->wParam != VK_RETURN) return FALSE;
    HWND focus = ::GetFocus();
    if (focus && (focus == dialog || ::IsChild(dialog, focus))) {
        if (focus != dialog && IsPushButton(focus, msg)) {
            if (IsUsable(focus)) Click(focus);
            return TRUE;
        }
        LRESULT code = ::SendMessageW(focus, WM_GETDLGCODE, msg->wParam, (LPARAM)msg);
        if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return FALSE;
    }
    HWND def = defaultId ? ::GetDlgItem(dialog, defaultId) : nullptr;
    if (IsUsable(def)) Click(def);
    return TRUE;
}

BOOL IsFocusLost(HWND dialog) {
    HWND focus = ::GetFocus();
    if (!focus || focus == dialog || !::IsChild(dialog, focus)) return TRUE;
    for (HWND h = focus; h && h != dialog; h = ::GetParent(h))
        if (!::IsWindowVisible(h) || !::IsWindowEnabled(h)) return TRUE;
    // A container (a page or the page frame) holds no input of its own.
    return (::GetWindowLongPtrW(focus, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0;
}

void FocusDefault(HWND dialog, int defaultId) {
    HWND def = defaultId ? ::GetDlgItem(dialog, defaultId) : nullptr;
    if (!IsUsable(def)) def = ::GetNextDlgTabItem(dialog, nullptr, FALSE);
    if (IsUsable(def)) ::SetFocus(def);
}

MenuKey ContextMenuKey(const MSG* msg, BOOL* f10Pending) {
    const UINT m = msg->message;
    const BOOL down = m == WM_KEYDOWN || m == WM_SYSKEYDOWN;
    const BOOL up = m == WM_KEYUP || m == WM_SYSKEYUP;
    if (msg->wParam == VK_APPS) {
        if (up) return kOpen;
        return down ? kSwallow : kNone;
    }
    if (msg->wParam == VK_F10) {
        if (down && (::GetKeyState(VK_SHIFT) & 0x8000)) {
            *f10Pending = TRUE;
            return kOpen;
        }
        if (up && *f10Pending) {
            *f10Pending = FALSE;
            return kSwallow;
        }
    }
    return kNone;
}

}  // namespace dialogkeys
