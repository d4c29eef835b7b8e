// The identity of model 0x5011 that a 0x5060 headset of the production
// batch is given for its 0x5011 firmware: product id, USB product id, DFU
// product id and USB product string. The rewrite never leaves a headset
// half-changed: every write is tested, and the values read before are
// written back after a failed write, or when the update fails before its
// transfer has begun.
#pragma once
#include "framework/String.h"
#include "framework/WinTypes.h"

// The identity keys of one headset as read before the rewrite.
struct HeadsetIdentity {
    BYTE address[8] = {};          // PSKEY_BDADDR: the headset they belong to
    BYTE productId[2] = {};
    BYTE usbProductId[2] = {};
    BYTE dfuProductId[2] = {};
    BYTE productString[32] = {};   // 16 UTF-16 code units
};

// Connects the first DFU-family headset in its normal mode; when its
// address lies in the batch range, reads its four identity keys into
// *original and writes those of 0x5011 over USB, in table order, testing
// each write. TRUE when all four were written. FALSE when the headset
// cannot be reached, lies outside the batch, a key cannot be read (nothing
// is written then), or a write fails (the values read are written back).
BOOL WriteBatchIdentityToHeadset(HeadsetIdentity* original);

// Writes the identity read before back over USB, to the first DFU-family
// headset in its normal mode when it is the same headset (its address);
// TRUE when every key went back.
BOOL WriteIdentityBackToHeadset(const HeadsetIdentity& original);
