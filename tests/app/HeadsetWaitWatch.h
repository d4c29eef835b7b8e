// The wizard while its own thread waits on a slow headset: a probe sends the
// window messages from another thread all along (see ResponsivenessProbe),
// and its answers are measured while inExchange() holds (other work of the
// window's thread, such as a page switch, is not a wait on the headset).
// Once inExchange() holds, meanwhile runs once on a thread of the watch:
// what the user does during the wait (a click), or a look at the window.
#pragma once
#include <windows.h>
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>
#include "tests/app/ResponsivenessProbe.h"

class HeadsetWaitWatch {
public:
    HeadsetWaitWatch(HWND window, std::function<bool()> inExchange, std::function<void()> meanwhile);
    ~HeadsetWaitWatch() { Stop(); }
    // Ends the watch; the slowest answer of the window during the exchange,
    // in real ms.
    DWORD Stop();
    // meanwhile has run, and the exchange was still going when it ended.
    bool RanDuringTheExchange() const { return m_ranDuring; }
    int Samples() const { return m_probe.Samples(); }

private:
    using Span = pkgtest::ResponsivenessProbe::Span;
    pkgtest::ResponsivenessProbe m_probe;
    std::function<bool()> m_inExchange;
    std::atomic<bool> m_stop{false}, m_seen{false}, m_ended{false}, m_ranDuring{false};
    std::mutex m_lock;
    std::vector<Span> m_spans;
    std::thread m_tracker, m_actor;
    DWORD m_worst = 0;
    bool m_stopped = false;
};

// A click on a button as the mouse gives it, posted: down and up in its middle.
void PostClick(HWND button);
