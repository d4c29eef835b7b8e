#include "framework/Clock.h"
#include <windows.h>
#include <atomic>

namespace fw {
namespace {
std::atomic<unsigned> g_speed{1};
// Clock time at the last speed change, and the real tick it was taken at.
std::atomic<unsigned long long> g_baseClock{0};
std::atomic<unsigned long long> g_baseReal{0};
}  // namespace

void Clock::SetSpeed(unsigned factor) {
    if (factor == 0) factor = 1;
    unsigned long long now = ::GetTickCount64();
    unsigned long long clock = g_baseClock + (now - g_baseReal) * g_speed;
    g_baseReal = now;
    g_baseClock = clock;
    g_speed = factor;
}

unsigned Clock::GetSpeed() { return g_speed; }

DWORD Clock::GetTickCount() {
    if (g_baseReal == 0) {
        unsigned long long expected = 0;
        unsigned long long now = ::GetTickCount64();
        if (g_baseReal.compare_exchange_strong(expected, now)) g_baseClock = now;
    }
    unsigned long long now = ::GetTickCount64();
    return (DWORD)(g_baseClock + (now - g_baseReal) * g_speed);
}

void Clock::Sleep(DWORD ms) {
    if (ms == INFINITE) { ::Sleep(INFINITE); return; }
    ::Sleep(ms / g_speed);
}

UINT Clock::TimerInterval(UINT ms) {
    UINT real = ms / g_speed;
    return real == 0 ? 1 : real;
}

}  // namespace fw
