// Finding and opening the headsets' HID command interfaces.
#pragma once
#include <windows.h>

// Opens a HID interface by its device path for reading and writing, shared
// for reading and writing, for the bounded overlapped I/O of the command
// channel. Returns 0 when the open fails.
HANDLE OpenHidInterface(const wchar_t* path);

// The first present HID interface with the maker's vendor id and the given
// product id whose top-level collection has usage page 0xFF00 and usage 1,
// opened with OpenHidInterface; 0 when there is none or the open fails.
HANDLE OpenHidDevice(WORD productId);
