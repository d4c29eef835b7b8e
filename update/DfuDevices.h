// The maker's DFU headsets as the chip vendor's library names them.
#pragma once
#include "framework/String.h"
#include <vector>

// Reads the hexadecimal numbers after "VID_" and "PID_" of a device path
// (any case); FALSE when either is missing.
BOOL ParseUsbIds(const wchar_t* path, int* vendorId, int* productId);

// TRUE when the library's device name stands for a device an update writes:
// the maker's vendor id and a product id of the DFU family or the update
// mode of an in-line switch headset (IsUsbUpdateDfuPid).
BOOL IsAcceptedDfuDevice(const wchar_t* deviceName);

// TRUE when the updated headset is back on its normal firmware: the USB
// scan lists it with an id below 0x8000 (for a two-device headset, the
// device of the engine in use), not the update-mode id of an in-line
// switch headset.
BOOL IsDfuHeadsetBackOnUsb(int model, int activeEngine);
