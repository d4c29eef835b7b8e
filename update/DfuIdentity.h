// The identity and firmware version of a headset of the chip vendor's
// family, read from its persistent store over a connected transport. One
// routine for every reader (recognition's decision rules), so that the
// device that was recognised as model M, version V is the same device when
// the update checks it. It only reads; the caller decides about writes.
#pragma once
#include "framework/String.h"
#include "framework/WinTypes.h"

class DFUTransportCOM;

// Persistent-store keys of the headsets (ids; lengths in bytes below).
namespace pskey {
const WORD kBdAddress = 0x0001;        // 8
const WORD kDeviceName = 0x0108;       // 256-byte buffer, zero-terminated text
const WORD kLegacyVersion = 0x0293;    // 4, byte 0 = major*10+minor (older models)
const WORD kVoxIntercom = 0x0298;      // 2
const WORD kVoxPhone = 0x0299;         // 2
const WORD kProductId = 0x02A3;        // 2
const WORD kFirmwareVersion = 0x02A4;  // 4
}  // namespace pskey

struct DfuIdentity {
    int model = 0;             // PSKEY_PRODUCT_ID, or the fallback below
    BOOL productIdRead = FALSE;
    CString deviceName;
    int major = 0, minor = 0, third = 0, fourth = 0;
    // The version key holds a stale value that recognition clears.
    BOOL firmwareVersionStale = FALSE;
};

// Reads the product id (unreadable: 0x4D10, or by the device name TKV40 /
// DRW40), the device name and the version (the version key, the legacy key
// of the oldest models, else the model's fixed version).
void ReadDfuIdentity(DFUTransportCOM& transport, DfuIdentity* out);

// The fixed version (major*10+minor) of a model whose version key is unset.
int DfuDefaultVersion(int model);
