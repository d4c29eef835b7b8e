#include "tests/app/HeadsetWaitWatch.h"

HeadsetWaitWatch::HeadsetWaitWatch(HWND window, std::function<bool()> inExchange, std::function<void()> meanwhile)
    : m_probe(window), m_inExchange(std::move(inExchange)) {
    // When the exchange goes on, looked at every real millisecond.
    m_tracker = std::thread([this] {
        bool in = false;
        while (!m_stop) {
            const bool now = m_inExchange();
            const ULONGLONG at = ::GetTickCount64();
            if (now && !in) {
                std::lock_guard<std::mutex> hold(m_lock);
                m_spans.push_back({at, at});
                m_seen = true;
            }
            if (now) {
                std::lock_guard<std::mutex> hold(m_lock);
                m_spans.back().to = at;
            }
            in = now;
            ::Sleep(1);
        }
    });
    m_actor = std::thread([this, meanwhile] {
        while (!m_stop && !m_seen) ::Sleep(1);
        if (!m_stop) {
            meanwhile();
            m_ranDuring = m_inExchange();
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
    m_actor.join();
    m_tracker.join();
    m_worst = m_probe.Stop(m_spans);
    return m_worst;
}

void PostClick(HWND button) {
    RECT r;
    ::GetClientRect(button, &r);
    const LPARAM middle = MAKELPARAM((r.right - r.left) / 2, (r.bottom - r.top) / 2);
    ::PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    ::PostMessageW(button, WM_LBUTTONUP, 0, middle);
}
