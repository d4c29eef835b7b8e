#include "tests/app/ResponsivenessProbe.h"

namespace pkgtest {

namespace {
const DWORD kSlowMs = 100;
}

ResponsivenessProbe::ResponsivenessProbe(HWND watched, std::function<bool()> counting)
    : m_watched(watched), m_counting(std::move(counting)) {
    std::atomic<bool> ready{false};
    m_idleThread = std::thread([this, &ready] {
        m_idle = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        m_idleThreadId = ::GetCurrentThreadId();
        ready = true;
        MSG msg;
        while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
        ::DestroyWindow(m_idle);
    });
    while (!ready) ::Sleep(1);
    m_watchThread = std::thread([this] {
        Probe(m_watched, &m_watchedSlow, &m_watchedAll, true);
        m_watchEnded = true;
    });
    m_controlThread = std::thread([this] { Probe(m_idle, &m_idleSlow, &m_idleAll, false); });
}

ResponsivenessProbe::~ResponsivenessProbe() { Stop(); }

void ResponsivenessProbe::Probe(HWND target, std::vector<Slow>* slow, std::vector<Slow>*, bool count) {
    while (!m_done) {
        bool counting = !count || !m_counting || m_counting();
        ULONGLONG start = ::GetTickCount64();
        DWORD_PTR result = 0;
        ::SendMessageTimeoutW(target, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result);
        ULONGLONG end = ::GetTickCount64();
        counting = counting && (!count || !m_counting || m_counting());
        if (!counting) {
            ::Sleep(5);
            continue;
        }
        if (count) ++m_samples;
        if (end - start >= kSlowMs) {
            std::lock_guard<std::mutex> hold(m_lock);
            slow->push_back({start, end});
        }
        ::Sleep(5);
    }
}

DWORD ResponsivenessProbe::Stop() { return Worst(nullptr); }

DWORD ResponsivenessProbe::Stop(const std::vector<Span>& within) { return Worst(&within); }

DWORD ResponsivenessProbe::Worst(const std::vector<Span>* within) {
    // The caller is usually the watched window's thread, which does not
    // answer while it waits here: only time before the stop counts.
    if (!m_stopAt) m_stopAt = ::GetTickCount64();
    if (!m_done.exchange(true)) {
        // Answer the last probe in flight rather than make it wait.
        while (!m_watchEnded) {
            MSG msg;
            while (::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE)) {
            }
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_SENDMESSAGE);
        }
        m_watchThread.join();
        m_controlThread.join();
        ::PostThreadMessageW(m_idleThreadId, WM_QUIT, 0, 0);
        m_idleThread.join();
    }
    DWORD worst = 0;
    for (const Slow& w : m_watchedSlow) {
        ULONGLONG to = w.to < m_stopAt ? w.to : m_stopAt;
        if (to <= w.from) continue;
        bool shared = false;
        for (const Slow& i : m_idleSlow) shared = shared || (i.from < to && w.from < i.to);
        if (shared) continue;
        ULONGLONG counted = to - w.from;
        if (within) {
            counted = 0;
            for (const Span& s : *within) {
                ULONGLONG a = s.from > w.from ? s.from : w.from, b = s.to < to ? s.to : to;
                if (b > a) counted += b - a;
            }
        }
        if (counted > worst) worst = (DWORD)counted;
    }
    return worst;
}

}  // namespace pkgtest
