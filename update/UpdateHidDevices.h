// The vehicle module's two HID interfaces (product ids 0x5345 and 0x5346).
#pragma once
#include <windows.h>
#include "hardware/HardwareApi.h"

const int UPDATE_HID_PATH_CHARS = 260;

// The present module interfaces with the maker's vendor id, one of the two
// product ids and the command collection (usage page 0xFF00, usage 1): the
// path of the first match into path1 and of the second into path2 (each
// when given, cut to UPDATE_HID_PATH_CHARS). Returns the number of matches,
// at most maxCount.
int FindUpdateHidDevicePaths(wchar_t* path1, wchar_t* path2, int maxCount);

// Empties both, then opens the first count (1 or 2) interfaces that
// FindUpdateHidDevicePaths finds. TRUE when all count are open.
BOOL OpenUpdateHidDevices(hw::CDeviceHandle* device1, hw::CDeviceHandle* device2, int count);
