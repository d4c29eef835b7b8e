// Benchmark section: the fill of the DEVICE SETTING grid's largest row list
// (25 rows, the camera headset from firmware 3.0) into the real grid, and a
// paint of all its rows.
#pragma once
#include <cstdio>

struct SettingsRowsBenchResult {
    int rows = 0;            // rows of one fill
    double fillMs = 0;       // one fill: emptying, 25 rows with their cells
    double paintMs = 0;      // one paint of the whole grid
    int fills = 0;
};

SettingsRowsBenchResult RunSettingsRowsBench(int fills);
void PrintSettingsRowsBench(FILE* out, const SettingsRowsBenchResult& r);
