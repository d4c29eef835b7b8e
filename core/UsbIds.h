// USB identities of the maker's devices.
#pragma once
#include "framework/WinTypes.h"

// The maker's USB vendor id: every USB and HID match requires it.
const WORD VendorIdMaker = 0x2E5A;

// Product ids of the headsets that the DFU-side scans accept: two models in
// normal mode and in firmware-management mode (+0x8000).
const int UsbDfuPidList[] = {0x2110, 0xA110, 0x2120, 0xA120};
const int UsbDfuPidCount = sizeof(UsbDfuPidList) / sizeof(UsbDfuPidList[0]);

inline bool IsUsbDfuPid(int productId) {
    for (int pid : UsbDfuPidList)
        if (pid == productId) return true;
    return false;
}
