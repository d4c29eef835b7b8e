// The mouse moved over a window whose thread waits: the moves are dropped,
// and the system asks the window for its cursor all the same (the wizard
// answers with the wait cursor while it is busy). Real input: runs alone.
#include <gtest/gtest.h>
#include <windows.h>
#include <atomic>
#include <thread>
#include "framework/Clock.h"
#include "framework/UiWait.h"

namespace {

std::atomic<int> g_cursorAsks{0}, g_moves{0};

LRESULT CALLBACK BusyProc(HWND hwnd, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_SETCURSOR) {
        ++g_cursorAsks;
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
    }
    if (m == WM_MOUSEMOVE) ++g_moves;
    return ::DefWindowProcW(hwnd, m, w, l);
}

}  // namespace

TEST(UiWaitCursorTest, MovesOverTheWindowKeepItsCursorAndAreDropped) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &BusyProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"UiWaitBusy";
    ::RegisterClassW(&wc);
    HWND hwnd = ::CreateWindowExW(0, L"UiWaitBusy", L"busy", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                                  nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(hwnd);
    ::SetForegroundWindow(hwnd);
    MSG msg;
    for (int i = 0; i < 40; ++i) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
        ::Sleep(5);
    }
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    g_cursorAsks = 0;
    g_moves = 0;
    std::thread mouse([] {
        ::Sleep(50);
        for (int i = 0; i < 5; ++i) {
            ::SetCursorPos(200 + i * 5, 180);
            ::Sleep(20);
        }
    });
    const unsigned speed = fw::Clock::GetSpeed();
    fw::Clock::SetSpeed(1);
    fw::UiSleep(300);
    fw::Clock::SetSpeed(speed);
    mouse.join();
    EXPECT_GT(g_cursorAsks, 0);
    EXPECT_EQ(::LoadCursorW(nullptr, IDC_WAIT), ::GetCursor());
    // None of the moves reaches the window, during the wait or after it.
    for (int i = 0; i < 10; ++i) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
        ::Sleep(5);
    }
    EXPECT_EQ(0, g_moves);
    ::DestroyWindow(hwnd);
}
