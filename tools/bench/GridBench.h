// Benchmark section "grid": the settings grid against a plain report list
// view holding the same texts, in one run: a fill of 100 rows between redraw
// off and on, one full repaint, and the fill of the largest settings list.
#pragma once
#include <cstdio>

struct GridBenchResult {
    int rows = 0;               // rows of the large fill
    int runs = 0;               // repetitions; the figures are medians
    double gridFillMs = 0;      // grid: 100 rows with a help button and a check box or list each
    double plainFillMs = 0;     // plain list view: the same texts
    double gridPaintMs = 0;     // one full repaint of the grid with those rows
    double plainPaintMs = 0;    // the same for the plain list view
    int settingsRows = 0;       // rows of the largest settings list
    double settingsFillMs = 0;  // its fill into the grid (FillSettingsList)
    double plainSettingsFillMs = 0;  // its texts into the plain list view
};

GridBenchResult RunGridBench(int rows, int runs);
void PrintGridBench(FILE* out, const GridBenchResult& r);
