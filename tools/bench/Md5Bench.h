// Benchmark section: the program's MD5 over a large buffer against a bare
// loop over the system's crypto service (CNG) hashing the same buffer.
#pragma once
#include <cstdio>

struct Md5BenchResult {
    long long bytes = 0;
    double bare = 0, program = 0;  // best of the rounds, seconds
    bool same = false;             // both gave the same digest
};

// Hashes bytes of data in blocks of blockBytes, rounds times each way.
Md5BenchResult RunMd5Bench(long long bytes, unsigned blockBytes, int rounds);
void PrintMd5Bench(FILE* out, const Md5BenchResult& r);
