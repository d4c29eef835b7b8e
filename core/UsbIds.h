// USB identities of the maker's devices.
#pragma once
#include "core/ModelUsb.h"
#include "framework/WinTypes.h"

// The maker's USB vendor id: every USB and HID match requires it.
const WORD VendorIdMaker = 0x2E5A;

// Product ids of the headsets that the DFU-side scans accept: two models in
// normal mode and in firmware-management mode (+0x8000).
const int UsbDfuPidList[] = {0x2110, 0xA110, 0x2120, 0xA120};
const int UsbDfuPidCount = sizeof(UsbDfuPidList) / sizeof(UsbDfuPidList[0]);

// Every product id under which the maker's DFU-family headsets enumerate, in
// normal and firmware-management mode: the two models above, the
// two-interface unit 0x5310, the batch headsets 0x5060 and the identity
// 0x5011 that a batch headset is given.
const int UsbDfuFamilyPidList[] = {0x2110, 0xA110, 0x2120, 0xA120, 0x5310, 0xD310,
                                   0x5060, 0xD060, 0x5011, 0xD011};
const int UsbDfuFamilyPidCount = sizeof(UsbDfuFamilyPidList) / sizeof(UsbDfuFamilyPidList[0]);


inline bool IsUsbDfuFamilyPid(int productId) {
    for (int pid : UsbDfuFamilyPidList)
        if (pid == productId) return true;
    return false;
}

// The devices an update writes through the DFU library.
inline bool IsUsbUpdateDfuPid(int productId) {
    return IsUsbDfuFamilyPid(productId) || IsInlineSwitchUpdateId(productId);
}
