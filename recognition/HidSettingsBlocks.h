// The settings blocks of the HID headsets, per model: what recognition
// writes back from a saved record and what it reads into the device record.
#pragma once
#include <windows.h>
#include "hardware/HardwareApi.h"
#include "core/DeviceRecord.h"

// Writes the saved record's blocks to the headset of `model` (first and
// second interface); true when the headset took every block (a model
// without such blocks has nothing to refuse).
bool WriteHidRestoreBlocks(const hw::CDeviceHandle* first, const hw::CDeviceHandle* second, int model, const CDeviceRecord& saved);

// Reads the settings blocks, FM block and speed dials of `model` into
// record, whose m_version is already the device's. On/off settings that the
// model does not read end as 0.
void ReadHidSettingsBlocks(const hw::CDeviceHandle* first, const hw::CDeviceHandle* second, int model, CDeviceRecord* record);
