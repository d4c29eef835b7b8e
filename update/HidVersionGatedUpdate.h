// The version-gated HID update of the two-chip headset 0x4210: its device
// type decides whether the package's file-name version is checked, and it
// reads the package's 32-byte part table.
#pragma once
#include "update/HidUpdateJob.h"
#include "recognition/HidQueries.h"

// Header bytes 0-23 may hold a zero-terminated text. When every byte after
// the text's terminator up to byte 23 is zero, the model word must be 0,
// 0x4210 or 0x4220; otherwise it is not checked. Only the 24 text bytes are
// looked at.
bool GatedPackageHeaderAllowed(const CUpdatePackage& package);

// The device type is read on the first interface by ReadHidDeviceType.

UINT HidVersionGatedUpdateThread(HidUpdateJob& job);
