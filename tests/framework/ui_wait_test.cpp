// The waits that keep a window alive: on the thread of a window, a wait
// answers sent messages, repaints and drops the user's input, and leaves
// other posted messages and timers for after it, and ends with its handle
// or its bound; on a thread without windows it waits plainly.
#include <gtest/gtest.h>
#include <windows.h>
#include <atomic>
#include <thread>
#include "framework/Clock.h"
#include "framework/UiWait.h"

namespace {

const UINT kAsk = WM_APP + 1;    // sent from another thread during the wait
const UINT kLater = WM_APP + 2;  // posted: for after the wait

struct Seen {
    std::atomic<bool> waiting{false};
    int paintsWhileWaiting = 0, inputWhileWaiting = 0, laterWhileWaiting = 0, timersWhileWaiting = 0;
    int input = 0, later = 0, timers = 0;
};
Seen* g_seen = nullptr;

bool IsInput(UINT m) {
    return (m >= WM_KEYFIRST && m <= WM_KEYLAST) || (m >= WM_MOUSEFIRST && m <= 0x020E) ||
           (m >= WM_NCLBUTTONDOWN && m <= 0x00AD);
}

LRESULT CALLBACK WatchedProc(HWND hwnd, UINT m, WPARAM w, LPARAM l) {
    if (!g_seen) return ::DefWindowProcW(hwnd, m, w, l);
    Seen& s = *g_seen;
    const bool waiting = s.waiting;
    if (m == WM_PAINT) {
        PAINTSTRUCT ps;
        ::BeginPaint(hwnd, &ps);
        ::EndPaint(hwnd, &ps);
        s.paintsWhileWaiting += waiting;
        return 0;
    }
    if (m == kAsk) return 42;
    if (IsInput(m)) {
        ++s.input;
        s.inputWhileWaiting += waiting;
    } else if (m == kLater) {
        ++s.later;
        s.laterWhileWaiting += waiting;
    } else if (m == WM_TIMER) {
        ++s.timers;
        s.timersWhileWaiting += waiting;
    }
    return ::DefWindowProcW(hwnd, m, w, l);
}

HWND MakeWindow() {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &WatchedProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"UiWaitWatched";
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    ::RegisterClassW(&wc);
    HWND hwnd = ::CreateWindowExW(0, L"UiWaitWatched", L"watched", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200,
                                  120, nullptr, nullptr, wc.hInstance, nullptr);
    ::UpdateWindow(hwnd);
    return hwnd;
}

void PostInput(HWND hwnd) {
    ::PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::PostMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ::PostMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    ::PostMessageW(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    ::PostMessageW(hwnd, WM_KEYDOWN, VK_RETURN, 1);
    ::PostMessageW(hwnd, WM_CHAR, L'\r', 1);
}

// Handles what the queue still holds.
void Drain() {
    MSG msg;
    for (DWORD start = ::GetTickCount(); ::GetTickCount() - start < 100;) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
        ::Sleep(5);
    }
}

}  // namespace

TEST(UiWaitTest, OnTheWindowsThreadItAnswersRepaintsAndDropsInput) {
    Seen seen;
    g_seen = &seen;
    const unsigned speed = fw::Clock::GetSpeed();
    fw::Clock::SetSpeed(20);
    HWND hwnd = MakeWindow();
    ASSERT_TRUE(hwnd);
    Drain();
    ::InvalidateRect(hwnd, nullptr, TRUE);
    PostInput(hwnd);
    ::PostMessageW(hwnd, kLater, 0, 0);
    ::SetTimer(hwnd, 1, 1, nullptr);
    // From another thread, during the wait: a message sent to the window, a
    // repaint asked for and more input posted; then the event set.
    HANDLE event = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD answeredIn = INFINITE;
    DWORD_PTR answer = 0;
    std::thread other([&] {
        ::Sleep(100);
        const DWORD start = ::GetTickCount();
        ::SendMessageTimeoutW(hwnd, kAsk, 0, 0, SMTO_NORMAL, 2000, &answer);
        answeredIn = ::GetTickCount() - start;
        ::InvalidateRect(hwnd, nullptr, TRUE);
        PostInput(hwnd);
        ::Sleep(100);
        ::SetEvent(event);
    });
    seen.waiting = true;
    const DWORD realStart = ::GetTickCount();
    EXPECT_EQ(WAIT_OBJECT_0, fw::UiWait(event, 600000));
    const DWORD realSpent = ::GetTickCount() - realStart;
    // Unset, the handle leaves the wait to its bound.
    ::ResetEvent(event);
    const DWORD start = fw::Clock::GetTickCount();
    EXPECT_EQ(WAIT_TIMEOUT, fw::UiWait(event, 4000));  // 200 ms of real time
    const DWORD spent = fw::Clock::GetTickCount() - start;
    EXPECT_EQ(WAIT_TIMEOUT, fw::UiWait(event, 0));
    seen.waiting = false;
    other.join();

    EXPECT_EQ(42u, answer);
    EXPECT_LT(answeredIn, 100u);
    EXPECT_GE(seen.paintsWhileWaiting, 2);
    EXPECT_EQ(0, seen.inputWhileWaiting);
    EXPECT_EQ(0, seen.laterWhileWaiting);
    EXPECT_EQ(0, seen.timersWhileWaiting);
    EXPECT_LT(realSpent, 2000u);
    EXPECT_GE(spent, 4000u - 20u * 16u);  // the tick count's steps, at the clock's speed
    // After the wait: the posted message and the timer come, the input
    // never does.
    Drain();
    EXPECT_EQ(1, seen.later);
    EXPECT_GE(seen.timers, 1);
    EXPECT_EQ(0, seen.input);
    ::KillTimer(hwnd, 1);

    // A worker's wait leaves its queue alone, and ends the same ways.
    std::thread worker([&] {
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
        ::PostThreadMessageW(::GetCurrentThreadId(), WM_LBUTTONDOWN, 0, 0);
        EXPECT_EQ(WAIT_TIMEOUT, fw::UiWait(event, 2000));
        fw::UiSleep(100);
        ::SetEvent(event);
        EXPECT_EQ(WAIT_OBJECT_0, fw::UiWait(event, 600000));
        EXPECT_TRUE(::PeekMessageW(&msg, nullptr, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
    });
    worker.join();
    ::CloseHandle(event);
    ::DestroyWindow(hwnd);
    fw::Clock::SetSpeed(speed);
    g_seen = nullptr;
}
