#include "standins/dfuengine/ImageFile.h"
#include "standins/dfuengine/include/DFUImageFormat.h"
#include <cstdio>
#include <cstring>
#include <vector>

namespace dfuimage {

namespace {

DWORD Le32(const BYTE* p) { return p[0] | p[1] << 8 | p[2] << 16 | (DWORD)p[3] << 24; }

// The file whole, or false when it cannot be read or is out of the size range.
bool Load(const wchar_t* path, std::vector<BYTE>* bytes) {
    FILE* f = _wfopen(path, L"rb");
    if (!f) return false;
    long size = -1;
    if (std::fseek(f, 0, SEEK_END) == 0) size = std::ftell(f);
    bool ok = size >= (long)kMinimumSize && size <= (long)kMaximumSize && std::fseek(f, 0, SEEK_SET) == 0;
    if (ok) {
        bytes->resize((size_t)size);
        ok = std::fread(bytes->data(), 1, bytes->size(), f) == bytes->size();
    }
    std::fclose(f);
    return ok;
}

}  // namespace

bool Read(const wchar_t* path, BYTE fwVersion[4]) {
    std::vector<BYTE> image;
    if (!path || !Load(path, &image)) return false;
    const size_t size = image.size();
    if (std::memcmp(image.data(), "SIMDFU01", 8) != 0 || Le32(&image[12]) != (DWORD)size) return false;
    const BYTE* suffix = &image[size - kSuffixSize];
    if (std::memcmp(suffix + 8, "UFD", 3) != 0 || suffix[11] != kSuffixSize) return false;
    if (Crc32(0xFFFFFFFFu, image.data(), size - 4) != Le32(suffix + 12)) return false;
    if (fwVersion) std::memcpy(fwVersion, &image[8], 4);
    return true;
}

}  // namespace dfuimage
