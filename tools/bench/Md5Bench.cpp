#include "tools/bench/Md5Bench.h"
#include "core/Md5.h"
#include <windows.h>
#include <bcrypt.h>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

double NowSeconds() {
    LARGE_INTEGER f, t;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&t);
    return (double)t.QuadPart / (double)f.QuadPart;
}

bool BareMd5(const std::vector<unsigned char>& data, unsigned block, unsigned char digest[16]) {
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    BCRYPT_HASH_HANDLE hash = nullptr;
    if (BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_MD5_ALGORITHM, nullptr, 0) < 0) return false;
    bool ok = BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0) >= 0;
    for (size_t at = 0; ok && at < data.size(); at += block)
        ok = BCryptHashData(hash, (PUCHAR)data.data() + at, (ULONG)std::min<size_t>(block, data.size() - at), 0) >= 0;
    ok = ok && BCryptFinishHash(hash, digest, 16, 0) >= 0;
    if (hash) BCryptDestroyHash(hash);
    BCryptCloseAlgorithmProvider(algorithm, 0);
    return ok;
}

bool ProgramMd5(const std::vector<unsigned char>& data, unsigned block, unsigned char digest[16]) {
    MD5_CTX context;
    MD5Init(&context);
    for (size_t at = 0; at < data.size(); at += block)
        MD5Update(&context, data.data() + at, (unsigned)std::min<size_t>(block, data.size() - at));
    return MD5Final(digest, &context) != FALSE;
}

}  // namespace

Md5BenchResult RunMd5Bench(long long bytes, unsigned blockBytes, int rounds) {
    Md5BenchResult r;
    r.bytes = bytes;
    std::vector<unsigned char> data((size_t)bytes);
    unsigned x = 7;
    for (auto& b : data) {
        x = x * 1103515245u + 12345u;
        b = (unsigned char)(x >> 16);
    }
    unsigned char bare[16] = {}, program[16] = {1};
    double bestBare = 1e9, bestProgram = 1e9;
    bool ok = true;
    for (int i = 0; i < rounds; ++i) {
        double t0 = NowSeconds();
        ok = BareMd5(data, blockBytes, bare) && ok;
        double t1 = NowSeconds();
        ok = ProgramMd5(data, blockBytes, program) && ok;
        double t2 = NowSeconds();
        bestBare = std::min(bestBare, t1 - t0);
        bestProgram = std::min(bestProgram, t2 - t1);
    }
    r.bare = bestBare;
    r.program = bestProgram;
    r.same = ok && std::memcmp(bare, program, 16) == 0;
    return r;
}

void PrintMd5Bench(FILE* out, const Md5BenchResult& r) {
    const double mb = r.bytes / (1024.0 * 1024.0);
    std::fprintf(out, "[md5] %.0f MB in one buffer, best of the rounds\n", mb);
    std::fprintf(out, "  bare CNG loop %7.3f s (%6.1f MB/s), MD5Update %7.3f s (%6.1f MB/s): %.2fx (1.00x is parity)\n",
                 r.bare, mb / r.bare, r.program, mb / r.program, r.program > 0 ? r.bare / r.program : 0.0);
    std::fprintf(out, "  same digest: %s\n", r.same ? "yes" : "NO");
}
