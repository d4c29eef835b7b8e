// Benchmark section: the HID package transfer through a simulated headset
// against the raw report rate of the HID command channel.
#pragma once
#include <cstdio>

struct HidPackageBenchResult {
    double rawReportsPerSecond = 0;    // IMAGE_DATA round trips (write + status read)
    double rawBytesPerSecond = 0;      // at 1019 payload bytes a report
    double packageBytesPerSecond = 0;  // a whole part through the update path's sender
    double updateModeBytesPerSecond = 0;  // the same part in 58-byte chunks
    bool exact = false;                // the device received the part byte for byte
};

// Runs against a fresh simulated world; partBytes of data per transfer.
HidPackageBenchResult RunHidPackageBench(unsigned partBytes);
// Prints the section.
void PrintHidPackageBench(FILE* out, const HidPackageBenchResult& r);
