// Benchmark section: a large file from the local firmware server on
// loopback, fetched by the program's download (into memory and into a
// file) against a bare WinINet loop reading 64 KB at a time.
#pragma once
#include <cstdio>

struct DownloadBenchResult {
    long long bytes = 0;
    // Best of the rounds, in seconds.
    double bareMemory = 0, programMemory = 0;
    double bareFile = 0, programFile = 0;
    // Every transfer delivered the file byte for byte.
    bool exact = false;
};

// Serves bytes from an in-process firmware server and fetches them rounds
// times each way.
DownloadBenchResult RunDownloadBench(long long bytes, int rounds);
void PrintDownloadBench(FILE* out, const DownloadBenchResult& r);
