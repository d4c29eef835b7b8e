// CRC-16 of the update-mode transfer (polynomial 0x1021, start 0, MSB first).
#pragma once
#include <windows.h>

namespace sim {

inline WORD Crc16(const BYTE* data, size_t n, WORD crc = 0) {
    for (size_t i = 0; i < n; ++i) {
        crc ^= (WORD)(data[i] << 8);
        for (int b = 0; b < 8; ++b) crc = (crc & 0x8000) ? (WORD)((crc << 1) ^ 0x1021) : (WORD)(crc << 1);
    }
    return crc;
}

}  // namespace sim
