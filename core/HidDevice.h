// Finding and opening the headsets' HID command interfaces.
#pragma once
#include <windows.h>
#include "hardware/HardwareApi.h"
#include <string>
#include <vector>

// Opens a HID interface by its device path for reading and writing, shared
// for reading and writing, for the bounded overlapped I/O of the command
// channel. Empty when the open fails.
hw::CDeviceHandle OpenHidInterface(const wchar_t* path);

// The first present HID interface with the maker's vendor id and the given
// product id whose top-level collection has usage page 0xFF00 and usage 1,
// opened with OpenHidInterface; empty when there is none or the open fails.
hw::CDeviceHandle OpenHidDevice(WORD productId);

// The device paths of the present HID interfaces, in index order. A whole
// walk also tells the HID channel which interfaces have left the bus.
std::vector<std::wstring> ListHidInterfacePaths();

// The hexadecimal number after `tag` ("vid_", "pid_") in a device path,
// compared without regard to case; -1 when the path has no such number.
int HidPathNumber(const std::wstring& path, const wchar_t* tag);
