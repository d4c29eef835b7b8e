// The image format that the DFU library stand-in accepts, for tests and
// tools that need an image (the fixtures use the same layout):
//   bytes 0-7    "SIMDFU01"
//   bytes 8-11   the PSKEY_FW_VERSION value the headset reports once the
//                image is installed
//   bytes 12-15  the file length (little-endian)
//   bytes 16-    the identity tag (8-bit text, blank-padded to 32 bytes)
// and at least 1648 bytes in all.
#pragma once
#include <cstring>
#include <string>

namespace dfuimage {

inline std::string MakeImage(const char* tag, const unsigned char fwVersion[4], size_t size = 2048) {
    if (size < 1648) size = 1648;
    std::string image(size, '\0');
    std::memcpy(&image[0], "SIMDFU01", 8);
    std::memcpy(&image[8], fwVersion, 4);
    for (int i = 0; i < 4; ++i) image[12 + i] = (char)((size >> (8 * i)) & 0xFF);
    std::string padded = std::string(tag ? tag : "") + std::string(32, ' ');
    std::memcpy(&image[16], padded.data(), 32);
    for (size_t i = 48; i < size; ++i) image[i] = (char)((i * 7 + 3) & 0xFF);
    return image;
}

}  // namespace dfuimage
