// The program's one clock. Window timers, sleeps and tick counts all go
// through it, so that tests can run every specified delay faster.
#pragma once
#include "framework/WinTypes.h"

namespace fw {

class Clock {
public:
    // factor 1 is real time; 100 runs every timer and sleep a hundred times
    // faster and makes the tick count advance a hundred times faster.
    static void SetSpeed(unsigned factor);
    static unsigned GetSpeed();

    // Milliseconds of clock time since an arbitrary start (wraps like GetTickCount).
    static DWORD GetTickCount();
    static void Sleep(DWORD ms);
    // The real interval for a timer of the given clock-time interval.
    static UINT TimerInterval(UINT ms);
};

}  // namespace fw
