// Reading a connected DFU headset's settings keys into working values (a
// CDeviceRecord used as scratch), chosen by the device model and firmware;
// failed reads take the defaults the settings pages expect.
#pragma once
#include "core/DeviceRecord.h"
#include "recognition/PsKeyAccess.h"

// Clears the values that every device of a run starts from: the settings,
// the numeric settings and the FM block (speed dials are kept).
void ClearDfuWorkingSettings(CDeviceRecord* work);

// The settings keys of `model` at firmware major.minor into *work. target
// is the wizard's target model (the batch test of 0x4D35 and 0x4D55 uses it).
// A default FM block replaces an unusable one on the device, and models
// 0x4D35 and 0x4D55 below their batch threshold get their correction table.
void ReadDfuSettings(CPsKeySession& session, int model, int major, int minor, int targetModel,
                     CDeviceRecord* work);
