// The wizard while its own thread waits on a slow headset: a probe sends the
// window messages from another thread all along (see ResponsivenessProbe),
// and once inExchange() holds, meanwhile runs once on a thread of the watch:
// what the user does during the wait (a click), or a look at the window.
#pragma once
#include <windows.h>
#include <atomic>
#include <functional>
#include <thread>
#include "tests/app/ResponsivenessProbe.h"

class HeadsetWaitWatch {
public:
    HeadsetWaitWatch(HWND window, std::function<bool()> inExchange, std::function<void()> meanwhile);
    ~HeadsetWaitWatch() { Stop(); }
    // Ends the watch; the slowest answer of the window in real ms.
    DWORD Stop();
    // meanwhile has run, and the exchange was still going when it ended.
    bool RanDuringTheExchange() const { return m_ranDuring; }
    int Samples() const { return m_probe.Samples(); }

private:
    pkgtest::ResponsivenessProbe m_probe;
    std::atomic<bool> m_stop{false}, m_ended{false}, m_ranDuring{false};
    std::thread m_thread;
    DWORD m_worst = 0;
    bool m_stopped = false;
};

// A click on a button as the mouse gives it, posted: down and up in its middle.
void PostClick(HWND button);
