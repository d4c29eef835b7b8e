#include "update/Crc16.h"

namespace {

struct Crc16Table {
    WORD entry[256];
    Crc16Table() {
        for (int i = 0; i < 256; ++i) {
            WORD crc = (WORD)(i << 8);
            for (int bit = 0; bit < 8; ++bit) crc = (crc & 0x8000) ? (WORD)((crc << 1) ^ 0x1021) : (WORD)(crc << 1);
            entry[i] = crc;
        }
    }
};

const Crc16Table& Table() {
    static const Crc16Table table;
    return table;
}

}  // namespace

WORD Crc16CcittUpdate(WORD crc, const BYTE* data, int length) {
    if (length < 0) return 0;
    if (length > 0 && !data) return 0;
    const Crc16Table& t = Table();
    for (int i = 0; i < length; ++i) crc = (WORD)((crc << 8) ^ t.entry[((crc >> 8) ^ data[i]) & 0xFF]);
    return crc;
}

WORD Crc16Ccitt(const BYTE* data, int length) { return Crc16CcittUpdate(0, data, length); }
