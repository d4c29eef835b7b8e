// Waits that keep a window alive. On the thread that owns the program's
// windows a wait on a device would otherwise freeze them: meanwhile they
// repaint (WM_PAINT is dispatched), answer the messages other threads send
// them, and take the wait cursor as the mouse moves. The user's clicks and
// keys of that time are dropped, posted ones too, so that none starts
// anything during the wait or after it; other posted messages and timers
// stay queued for after the wait. On a thread without windows (a worker)
// these are plain waits.
#pragma once
#include "framework/WinTypes.h"

namespace fw {

// Waits until handle is signalled or ms of clock time (fw::Clock) have
// passed: WAIT_OBJECT_0 or WAIT_TIMEOUT (WAIT_FAILED for a handle that
// cannot be waited on).
DWORD UiWait(HANDLE handle, DWORD ms);

// Lets ms of clock time pass.
void UiSleep(DWORD ms);

}  // namespace fw
