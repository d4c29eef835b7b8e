#include "core/FileLength.h"
#include <climits>
#include <cstdio>

long GetFileLength(const wchar_t* path) {
    if (!path || !*path) return -1;
    FILE* f = _wfopen(path, L"rb");
    if (!f) return -1;
    long long total = 0;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof(buffer), f)) > 0) total += (long long)n;
    bool readError = ferror(f) != 0;
    fclose(f);
    if (readError || total > LONG_MAX) return -1;
    return (long)total;
}
