#include "tools/bench/PackageCheckBench.h"
#include "core/Md5.h"
#include "update/UpdatePackage.h"
#include <windows.h>
#include <algorithm>
#include <cstring>

namespace {

double NowSeconds() {
    LARGE_INTEGER f, t;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&t);
    return (double)t.QuadPart / (double)f.QuadPart;
}

void Put(std::vector<BYTE>& b, size_t at, DWORD v) {
    for (int i = 0; i < 4; ++i) b[at + i] = (BYTE)(v >> (8 * i));
}

// A package of size bytes: a header, a table of count entries that all
// name the same block of blockBytes at the end of the file (each with its
// digest), filler between.
std::vector<BYTE> Package(size_t size, DWORD count, DWORD blockBytes) {
    std::vector<BYTE> bytes(size);
    unsigned x = 11;
    for (auto& b : bytes) {
        x = x * 1103515245u + 12345u;
        b = (BYTE)(x >> 16);
    }
    std::memset(bytes.data(), 0, UPDATE_PACKAGE_HEADER_SIZE);
    Put(bytes, 28, 0x4210);
    Put(bytes, 32, count);
    const DWORD offset = (DWORD)(size - blockBytes);
    BYTE digest[MD5_DIGEST_SIZE];
    MD5_CTX md5;
    MD5Init(&md5);
    MD5Update(&md5, bytes.data() + offset, blockBytes);
    MD5Final(digest, &md5);
    for (DWORD i = 0; i < count; ++i) {
        size_t at = UPDATE_PACKAGE_HEADER_SIZE + (size_t)i * UPDATE_PACKAGE_ENTRY_SIZE;
        Put(bytes, at, 2);
        Put(bytes, at + 4, 1);
        Put(bytes, at + 8, offset);
        Put(bytes, at + 12, blockBytes);
        std::memcpy(&bytes[at + 16], digest, MD5_DIGEST_SIZE);
    }
    return bytes;
}

double BestCheck(const CUpdatePackage& package, int rounds, bool* ok) {
    double best = 1e9;
    for (int i = 0; i < rounds; ++i) {
        double t0 = NowSeconds();
        *ok = package.Check(PACKAGE_PART_ENTRIES, 0) == PACKAGE_OK && *ok;
        best = std::min(best, NowSeconds() - t0);
    }
    return best;
}

}  // namespace

std::vector<PackageCheckBenchRow> RunPackageCheckBench(const std::vector<long long>& sizes, int rounds) {
    std::vector<PackageCheckBenchRow> rows;
    for (long long size : sizes) {
        PackageCheckBenchRow row;
        row.bytes = size;
        // Half the file for the table, half for the block: the most bytes
        // a check that hashes every entry's part would hash.
        row.entries = (unsigned)(size / 2 / UPDATE_PACKAGE_ENTRY_SIZE);
        const DWORD block = (DWORD)(size - UPDATE_PACKAGE_HEADER_SIZE - (long long)row.entries * UPDATE_PACKAGE_ENTRY_SIZE);
        CUpdatePackage one, many;
        one.Assign(Package((size_t)size, 1, block));
        many.Assign(Package((size_t)size, row.entries, block));
        bool ok = true;
        row.onePart = BestCheck(one, rounds, &ok);
        md5::test::ResetHashedBytes();
        row.manyEntries = BestCheck(many, 1, &ok);
        row.hashed = md5::test::HashedBytes();
        if (rounds > 1) row.manyEntries = std::min(row.manyEntries, BestCheck(many, rounds - 1, &ok));
        row.accepted = ok;
        rows.push_back(row);
    }
    return rows;
}

void PrintPackageCheckBench(FILE* out, const std::vector<PackageCheckBenchRow>& rows) {
    std::fprintf(out, "[package-check] a package whose entries all name one block, against one part, same size\n");
    for (const PackageCheckBenchRow& r : rows) {
        const double mb = r.bytes / (1024.0 * 1024.0);
        std::fprintf(out,
                     "  %5.0f MB: one part %7.3f s, %8u entries %7.3f s (%.2fx), %.1f MB hashed, %s\n", mb,
                     r.onePart, r.entries, r.manyEntries, r.onePart > 0 ? r.manyEntries / r.onePart : 0.0,
                     r.hashed / (1024.0 * 1024.0), r.accepted ? "both accepted" : "NOT ACCEPTED");
    }
    if (rows.size() > 1) {
        const PackageCheckBenchRow& a = rows.front();
        const PackageCheckBenchRow& b = rows.back();
        std::fprintf(out, "  %.0fx the size takes %.1fx the time with many entries (linear: about %.0fx)\n",
                     (double)b.bytes / a.bytes, a.manyEntries > 0 ? b.manyEntries / a.manyEntries : 0.0,
                     (double)b.bytes / a.bytes);
    }
}
