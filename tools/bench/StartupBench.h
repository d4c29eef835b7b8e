// Benchmark section: the time from process start to the first painted main
// window, the program against a minimal dialog program (MorvexBenchDialog.exe,
// built beside it), both started from here under the same Wine.
#pragma once
#include <cstdio>
#include <vector>

struct StartupBenchResult {
    int rounds = 0;
    // Median of the rounds, in ms; negative when the window never came.
    double minimalMs = -1, programMs = -1;
    double minimalBestMs = -1, programBestMs = -1;
    // Median time to the window's showing (before its paint).
    double minimalShownMs = -1, programShownMs = -1;
    // Every start, in order.
    std::vector<double> minimalRuns, programRuns;
};

StartupBenchResult RunStartupBench(int rounds);
void PrintStartupBench(FILE* out, const StartupBenchResult& r);
// The time in ms from starting exe (a path) to its first visible top-level
// window with nothing left to paint in it or its children; the process is
// then closed. Negative when no such window came within the time limit.
// shownMs, when given, receives the time to the window's showing.
double TimeToFirstPaint(const wchar_t* exe, double* shownMs = nullptr);
