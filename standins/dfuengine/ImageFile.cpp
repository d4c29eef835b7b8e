#include "standins/dfuengine/ImageFile.h"
#include <cstdio>
#include <cstring>

namespace dfuimage {

bool Read(const wchar_t* path, BYTE fwVersion[4]) {
    if (!path) return false;
    FILE* f = _wfopen(path, L"rb");
    if (!f) return false;
    BYTE head[16];
    bool ok = std::fread(head, 1, sizeof head, f) == sizeof head && std::memcmp(head, "SIMDFU01", 8) == 0;
    long size = -1;
    if (ok && std::fseek(f, 0, SEEK_END) == 0) size = std::ftell(f);
    std::fclose(f);
    if (!ok || size < (long)kMinimumSize) return false;
    DWORD announced = head[12] | head[13] << 8 | head[14] << 16 | (DWORD)head[15] << 24;
    if (announced != (DWORD)size) return false;
    if (fwVersion) std::memcpy(fwVersion, head + 8, 4);
    return true;
}

}  // namespace dfuimage
