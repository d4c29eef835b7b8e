#include "tests/app/HeadsetWaitWatch.h"

HeadsetWaitWatch::HeadsetWaitWatch(HWND window, std::function<bool()> inExchange, std::function<void()> meanwhile)
    : m_probe(window) {
    m_thread = std::thread([this, inExchange, meanwhile] {
        while (!m_stop && !inExchange()) ::Sleep(1);
        if (!m_stop) {
            meanwhile();
            m_ranDuring = inExchange();
        }
        m_ended = true;
    });
}

DWORD HeadsetWaitWatch::Stop() {
    if (m_stopped) return m_worst;
    m_stopped = true;
    m_stop = true;
    // What the watch sends the window (a look at it) is answered here.
    while (!m_ended) {
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_SENDMESSAGE);
    }
    m_thread.join();
    m_worst = m_probe.Stop();
    return m_worst;
}

void PostClick(HWND button) {
    RECT r;
    ::GetClientRect(button, &r);
    const LPARAM middle = MAKELPARAM((r.right - r.left) / 2, (r.bottom - r.top) / 2);
    ::PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    ::PostMessageW(button, WM_LBUTTONUP, 0, middle);
}
