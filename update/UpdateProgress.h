// The progress estimate of a running update, advanced once a second by the
// update page's progress timer. The update paths set only the step, the
// flags and the end; the ticks and the per-model phase lengths make the
// percentage. It never reaches 100 before the update has finished.
#pragma once
#include "framework/WinTypes.h"
#include "update/UpdateModels.h"

class CFirmwareInfo;

// Highest percentage shown while an update runs.
const int PROGRESS_RUNNING_MAX = 99;

// Clock time a DFU engine operation may go without moving the update on
// and without any notification at all before the update ends as a
// transfer that cannot finish. A slow transfer that moves is never ended
// by it.
const DWORD DFU_NO_PROGRESS_LIMIT_MS = 60000;

struct ProgressTickInput {
    bool waitBoxOpen = false;
    bool downloadStarted = false;  // the DFU flow has a transfer step running
    DWORD msWithoutProgress = 0;   // of the running DFU engine operation: nothing moved, nothing said
    DWORD msOfTransfer = 0;        // of the running DFU transfer, from its first notification
};

// Clock time a DFU transfer may take from its first notification (wait
// boxes aside) before the update ends as a transfer that cannot finish,
// whatever the library reports meanwhile: three times the model's whole
// estimate, well above a real transfer of a library that reports no
// percentages and repeats its busy state while it writes.
DWORD DfuTransferCeilingMs(const UpdateModelProfile& profile);

// What the page has to do after a tick (bits).
enum ProgressAction {
    PROGRESS_NOTHING = 0,
    PROGRESS_SHOW_PRESS_AND_HOLD = 1,  // the device waits for the user
    PROGRESS_CLOSE_WAIT_BOX = 2,
    PROGRESS_SHOW_BACKUP_FAILED = 4,
    PROGRESS_STOP_TIMER = 8,
    PROGRESS_RESTART_OVERDUE = 16,     // restart phase over: finish once the device is back
    PROGRESS_CANNOT_GET_STATUS = 32,   // the vehicle module's loader never reported
    PROGRESS_STALLED = 64,             // the DFU engine has not moved the update on for too long, or nobody answered its press-and-hold box in time
};

// The tick counters that live outside the record.
struct ProgressCounters {
    int finishTicks = 0;  // ticks held at 98 % at the end of the restart phase
    int delayTicks = 0;   // the late start of the slow-start models
};

// One progress tick for a running (not finished) update: moves the
// record's tick counters and progress; returns ProgressAction bits.
int AdvanceProgress(const UpdateModelProfile& profile, CFirmwareInfo* info, const ProgressTickInput& in,
                    ProgressCounters* counters);

// The main dialog's progress for the record's: two-chip DFU headsets show
// the first chip in the first half and the second in the second half.
int MainDialogProgress(const UpdateModelProfile& profile, int progress, int activeEngine);
