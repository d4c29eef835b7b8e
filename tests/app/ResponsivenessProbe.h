// Measures how quickly a window answers a sent message while something runs,
// from a thread of its own. A second probe on an idle window of another
// thread runs at the same time: a slow answer of the watched window that
// overlaps a slow answer of the idle one is the machine's stall (other test
// programs, the emulator), not the watched thread's, and is not counted.
#pragma once
#include <windows.h>
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace pkgtest {

class ResponsivenessProbe {
public:
    // Only answers asked for and received while counting() holds are measured.
    explicit ResponsivenessProbe(HWND watched, std::function<bool()> counting = nullptr);
    ~ResponsivenessProbe();
    // Stops both probes; the slowest answer of the watched window that the
    // idle one did not share, in ms.
    DWORD Stop();
    // A stretch of real time (::GetTickCount64).
    struct Span {
        ULONGLONG from, to;
    };
    // The same, where only the part of a slow answer that lies within the
    // spans counts.
    DWORD Stop(const std::vector<Span>& within);
    int Samples() const { return m_samples; }

private:
    using Slow = Span;
    DWORD Worst(const std::vector<Span>* within);
    void Probe(HWND target, std::vector<Slow>* slow, std::vector<Slow>* all, bool count);
    void IdleWindowThread();

    HWND m_watched;
    std::function<bool()> m_counting;
    HWND m_idle = nullptr;
    DWORD m_idleThreadId = 0;
    std::atomic<bool> m_done{false};
    std::atomic<bool> m_watchEnded{false};
    ULONGLONG m_stopAt = 0;
    std::atomic<int> m_samples{0};
    std::mutex m_lock;
    std::vector<Slow> m_watchedSlow, m_idleSlow, m_watchedAll, m_idleAll;
    std::thread m_idleThread, m_watchThread, m_controlThread;
};

}  // namespace pkgtest
