// The image format that the DFU library stand-in accepts, for tests and
// tools that need an image (the fixtures use the same layout):
//   bytes 0-7    "SIMDFU01"
//   bytes 8-11   the PSKEY_FW_VERSION value the headset reports once the
//                image is installed
//   bytes 12-15  the file length (little-endian)
//   bytes 16-    the identity tag (8-bit text, blank-padded to 32 bytes)
// and the file suffix in its last 16 bytes (little-endian):
//   +0  device release, +2 product id, +4 vendor id (0xFFFF: any)
//   +6  format release 0x0100, +8 "UFD", +11 suffix length 16
//   +12 CRC-32 (reflected 0xEDB88320, start 0xFFFFFFFF, no final inversion)
//       of every byte of the file before it
// and at least 1648 bytes in all.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace dfuimage {

const size_t kSuffixSize = 16;

// Continues a file CRC over more bytes; start with 0xFFFFFFFF.
inline uint32_t Crc32(uint32_t crc, const void* data, size_t size) {
    const unsigned char* p = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) {
        crc ^= p[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc;
}

// Writes the suffix into the last 16 bytes of image, CRC included.
inline void Seal(std::string& image) {
    if (image.size() < kSuffixSize) return;
    char* s = &image[image.size() - kSuffixSize];
    const unsigned char fixed[12] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x01, 'U', 'F', 'D', 16};
    std::memcpy(s, fixed, sizeof fixed);
    uint32_t crc = Crc32(0xFFFFFFFFu, image.data(), image.size() - 4);
    for (int i = 0; i < 4; ++i) s[12 + i] = (char)((crc >> (8 * i)) & 0xFF);
}

inline std::string MakeImage(const char* tag, const unsigned char fwVersion[4], size_t size = 2048) {
    if (size < 1648) size = 1648;
    std::string image(size, '\0');
    std::memcpy(&image[0], "SIMDFU01", 8);
    std::memcpy(&image[8], fwVersion, 4);
    for (int i = 0; i < 4; ++i) image[12 + i] = (char)((size >> (8 * i)) & 0xFF);
    std::string padded = std::string(tag ? tag : "") + std::string(32, ' ');
    std::memcpy(&image[16], padded.data(), 32);
    for (size_t i = 48; i < size; ++i) image[i] = (char)((i * 7 + 3) & 0xFF);
    Seal(image);
    return image;
}

}  // namespace dfuimage
