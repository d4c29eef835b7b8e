// CRC-16 of the update-mode transfer: polynomial 0x1021, initial value 0,
// no reflection, no final XOR, most significant bit first.
#pragma once
#include <windows.h>

// The CRC of length bytes; 0 for a negative length.
WORD Crc16Ccitt(const BYTE* data, int length);
// The CRC continued from crc over length more bytes; crc itself for length
// 0, and 0 for a negative length.
WORD Crc16CcittUpdate(WORD crc, const BYTE* data, int length);
