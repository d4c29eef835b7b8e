#include "KeyboardSupport.h"
#include "framework/TestSeams.h"

namespace keys {

namespace {

void Post(UINT message, UINT vk) {
    HWND focus = ::GetFocus();
    LPARAM repeat = 1;
    if (message == WM_KEYUP || message == WM_SYSKEYUP) repeat |= 0xC0000000;
    ::PostMessageW(focus, message, vk, repeat);
}

// Handles the stroke, then what it posted in turn (a command, a box).
void Settle() {
    int quiet = 0;
    fw::test::PumpUntil([&] {
        MSG m;
        bool keys = ::PeekMessageW(&m, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE) != FALSE;
        bool commands = ::PeekMessageW(&m, nullptr, WM_COMMAND, WM_COMMAND, PM_NOREMOVE) != FALSE;
        quiet = keys || commands ? 0 : quiet + 1;
        return quiet > 3;
    }, 2000);
}

}  // namespace

void Press(UINT vk) {
    Post(WM_KEYDOWN, vk);
    Post(WM_KEYUP, vk);
    Settle();
}

void PressShiftF10() {
    BYTE state[256];
    ::GetKeyboardState(state);
    BYTE shifted[256];
    memcpy(shifted, state, sizeof(state));
    shifted[VK_SHIFT] = 0x80;
    ::SetKeyboardState(shifted);
    Post(WM_SYSKEYDOWN, VK_F10);
    Post(WM_SYSKEYUP, VK_F10);
    Settle();
    ::SetKeyboardState(state);
}

std::vector<HWND> TabCycle() {
    std::vector<HWND> seen;
    HWND start = ::GetFocus();
    seen.push_back(start);
    for (int i = 0; i < 60; ++i) {
        Press(VK_TAB);
        HWND now = ::GetFocus();
        if (now == start || !now) break;
        seen.push_back(now);
    }
    return seen;
}

std::vector<int> IdsOfChildren(const std::vector<HWND>& windows, HWND parent) {
    std::vector<int> ids;
    for (HWND w : windows)
        if (::GetParent(w) == parent) ids.push_back(::GetDlgCtrlID(w));
    return ids;
}

}  // namespace keys
