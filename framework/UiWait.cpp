#include "framework/UiWait.h"
#include "framework/Clock.h"

namespace fw {
namespace {

// Real time between two looks at the queue, at most: far below the half
// second in which a window must answer. A look costs calls into the system
// that a wait of a few milliseconds would feel, so a wait looks only when
// the last look of its thread is that old, or when the queue has news.
const ULONGLONG kLookEveryMs = 15;
// Messages taken of one kind in one look, at most: a window that never
// validates itself, or a flood of input, cannot stretch a look.
const int kMostPerLook = 64;
// The user's input, by message ranges so that posted messages go as well:
// keys and characters, mouse moves, buttons and wheels in the client area
// and on the frame.
const UINT kInputRanges[][2] = {
    {WM_KEYFIRST, WM_KEYLAST},
    {WM_MOUSEFIRST, 0x020E},   // to WM_MOUSEHWHEEL
    {WM_NCMOUSEMOVE, 0x00AD},  // to WM_NCXBUTTONDBLCLK
};
// What ends a pause between two looks early.
const DWORD kWakeOn = QS_SENDMESSAGE | QS_PAINT | QS_KEY | QS_MOUSE;

// Per thread: when it last looked at its queue, and whether it owns
// windows as it was when last asked (asked again as often as it looks).
thread_local ULONGLONG t_lastLook = 0;
thread_local ULONGLONG t_ownersAsked = 0;
thread_local bool t_ownsWindows = false;

BOOL CALLBACK NoteWindow(HWND, LPARAM found) {
    *(bool*)found = true;
    return FALSE;
}

bool ThreadOwnsWindows() {
    const ULONGLONG now = ::GetTickCount64();
    if (t_ownersAsked && now - t_ownersAsked < kLookEveryMs) return t_ownsWindows;
    bool found = false;
    ::EnumThreadWindows(::GetCurrentThreadId(), &NoteWindow, (LPARAM)&found);
    t_ownsWindows = found;
    t_ownersAsked = now;
    return found;
}

// Messages sent by other threads are handled by any look at the queue. The
// windows repaint; input is dropped (taking a mouse move from the queue
// makes the system ask the window for its cursor, which keeps the wait
// cursor). Everything else stays queued.
void LookAtQueue() {
    const DWORD queued = HIWORD(::GetQueueStatus(QS_SENDMESSAGE | QS_PAINT | QS_INPUT | QS_POSTMESSAGE));
    MSG msg;
    if (queued & QS_SENDMESSAGE) ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    if (queued & QS_PAINT)
        for (int i = 0; i < kMostPerLook && ::PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE | PM_QS_PAINT); ++i)
            ::DispatchMessageW(&msg);
    if (queued & (QS_INPUT | QS_POSTMESSAGE))
        for (const auto& range : kInputRanges)
            for (int i = 0; i < kMostPerLook && ::PeekMessageW(&msg, nullptr, range[0], range[1], PM_REMOVE); ++i) {
            }
    t_lastLook = ::GetTickCount64();
}

DWORD WaitLooking(HANDLE handle, DWORD ms) {
    const DWORD count = handle ? 1 : 0;
    const DWORD start = Clock::GetTickCount();
    bool look = ::GetTickCount64() - t_lastLook >= kLookEveryMs;
    for (;;) {
        if (look) LookAtQueue();
        const DWORD spent = Clock::GetTickCount() - start;
        const DWORD left = spent < ms ? ms - spent : 0;
        DWORD pause = left ? Clock::TimerInterval(left) : 0;
        if (pause > kLookEveryMs) pause = (DWORD)kLookEveryMs;
        const DWORD r = ::MsgWaitForMultipleObjects(count, handle ? &handle : nullptr, FALSE, pause, kWakeOn);
        if (count && (r == WAIT_OBJECT_0 || r == WAIT_ABANDONED_0)) return r;
        if (r == WAIT_FAILED) return WAIT_FAILED;
        if (!left) return WAIT_TIMEOUT;
        look = r == WAIT_OBJECT_0 + count || ::GetTickCount64() - t_lastLook >= kLookEveryMs;
    }
}

}  // namespace

DWORD UiWait(HANDLE handle, DWORD ms) {
    if (ThreadOwnsWindows()) return WaitLooking(handle, ms);
    if (!handle) {
        Clock::Sleep(ms);
        return WAIT_TIMEOUT;
    }
    return ::WaitForSingleObject(handle, Clock::TimerInterval(ms));
}

void UiSleep(DWORD ms) { UiWait(nullptr, ms); }

}  // namespace fw
