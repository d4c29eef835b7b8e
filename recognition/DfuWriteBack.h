// Writing a saved settings record back to a DFU headset's keys (after an
// update or a restore), by the target model's group.
#pragma once
#include "core/DeviceRecord.h"
#include "recognition/PsKeyAccess.h"

// Writes the saved record's settings to the keys of the connected device
// for the target model's group. Returns the number of keys written.
int WriteBackDfuRecord(CPsKeySession& session, int targetModel, const CDeviceRecord& saved);
