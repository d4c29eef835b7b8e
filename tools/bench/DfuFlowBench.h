// Benchmark section: the time the DFU update flow adds to an update over the
// simulated headset's own time for the same three operations (reconfigure,
// download, manifest), both measured in the same run at the device's real
// pace.
#pragma once
#include <cstdio>

struct DfuFlowBenchResult {
    double deviceSeconds = 0;  // the bare engine, each operation started from the last one's completion
    double flowSeconds = 0;    // the update flow, from its start to the restarted headset
    double settleSeconds = 0;  // the pause the flow waits before it looks for the headset
    bool flowReachedRestart = false;
    bool bareReachedRestart = false;
};

// phaseMs: the headset's time between two of its notifications;
// downloadEvents: its progress notifications during the download.
DfuFlowBenchResult RunDfuFlowBench(unsigned phaseMs, int downloadEvents);
void PrintDfuFlowBench(FILE* out, const DfuFlowBenchResult& r);
