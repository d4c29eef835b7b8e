// Benchmark section: the package check of the HID update paths on packages
// whose many entries all name one block, against packages of the same size
// with a single part, at growing sizes. The check hashes each byte at most
// once, so both take time in proportion to the file.
#pragma once
#include <cstdio>
#include <vector>

struct PackageCheckBenchRow {
    long long bytes = 0;          // file size
    unsigned entries = 0;         // entries of the many-entry package
    double onePart = 0;           // seconds, best of the rounds
    double manyEntries = 0;       // seconds, best of the rounds
    unsigned long long hashed = 0;  // bytes the many-entry check hashed
    bool accepted = false;        // both packages passed
};

std::vector<PackageCheckBenchRow> RunPackageCheckBench(const std::vector<long long>& sizes, int rounds);
void PrintPackageCheckBench(FILE* out, const std::vector<PackageCheckBenchRow>& rows);
