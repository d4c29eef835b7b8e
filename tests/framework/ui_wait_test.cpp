// A wait on the thread of a window repaints it and answers messages sent
// from other threads, drops the user's input (posted too), and leaves other
// posted messages and timers for after it; on a worker it waits plainly.
#include <gtest/gtest.h>
#include <windows.h>
#include <thread>
#include "framework/UiWait.h"

namespace {

const UINT kAsk = WM_APP + 1;    // sent from another thread during the wait
const UINT kLater = WM_APP + 2;  // posted: for after the wait

int g_paints = 0, g_clicks = 0, g_later = 0, g_timers = 0;

LRESULT CALLBACK WatchedProc(HWND hwnd, UINT m, WPARAM w, LPARAM l) {
    switch (m) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        ::BeginPaint(hwnd, &ps);
        ::EndPaint(hwnd, &ps);
        ++g_paints;
        return 0;
    }
    case kAsk: return 42;
    case WM_LBUTTONDOWN: case WM_KEYDOWN: ++g_clicks; break;
    case kLater: ++g_later; break;
    case WM_TIMER: ++g_timers; break;
    }
    return ::DefWindowProcW(hwnd, m, w, l);
}

void PostInput(HWND hwnd) {
    ::PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::PostMessageW(hwnd, WM_KEYDOWN, VK_RETURN, 1);
}

void Drain() {
    MSG msg;
    for (DWORD start = ::GetTickCount(); ::GetTickCount() - start < 100; ::Sleep(5))
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
}

}  // namespace

TEST(UiWaitTest, OnTheWindowsThreadItAnswersRepaintsAndDropsInput) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &WatchedProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"UiWaitWatched";
    ::RegisterClassW(&wc);
    HWND hwnd = ::CreateWindowExW(0, wc.lpszClassName, L"watched", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 120,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(hwnd);
    Drain();
    g_paints = g_clicks = g_later = g_timers = 0;
    PostInput(hwnd);
    ::PostMessageW(hwnd, kLater, 0, 0);
    ::SetTimer(hwnd, 1, 1, nullptr);
    HANDLE event = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD_PTR answer = 0;
    DWORD answeredIn = INFINITE;
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
    EXPECT_EQ(WAIT_OBJECT_0, fw::UiWait(event, 600000));
    other.join();
    EXPECT_EQ(42u, answer);
    EXPECT_LT(answeredIn, 100u);
    EXPECT_GE(g_paints, 1);
    EXPECT_EQ(0, g_later);
    EXPECT_EQ(0, g_timers);
    // After the wait the posted message and the timer come; the input never does.
    Drain();
    EXPECT_EQ(1, g_later);
    EXPECT_GE(g_timers, 1);
    EXPECT_EQ(0, g_clicks);
    ::KillTimer(hwnd, 1);

    // A worker's wait leaves its queue alone.
    ::ResetEvent(event);
    std::thread worker([&] {
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
        ::PostThreadMessageW(::GetCurrentThreadId(), WM_LBUTTONDOWN, 0, 0);
        EXPECT_EQ(WAIT_TIMEOUT, fw::UiWait(event, 50));
        EXPECT_TRUE(::PeekMessageW(&msg, nullptr, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
    });
    worker.join();
    ::CloseHandle(event);
    ::DestroyWindow(hwnd);
}
