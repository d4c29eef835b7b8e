// USB identities of the maker's devices.
#pragma once
#include "core/ModelUsb.h"
#include "framework/WinTypes.h"

// The maker's USB vendor id: every USB and HID match requires it.
const WORD VendorIdMaker = 0x2E5A;

// Whether a product id is one of the DFU-family headsets' (GetDfuFamilyProductIds).
inline bool IsUsbDfuFamilyPid(int productId) {
    const ModelUsbIds* m = FindModelUsbIdsByProductId(productId);
    return m && !m->inlineSwitch;
}

// The devices an update writes through the DFU library.
inline bool IsUsbUpdateDfuPid(int productId) {
    return IsUsbDfuFamilyPid(productId) || IsInlineSwitchUpdateId(productId);
}
