// Writing a saved settings record back to a DFU headset's keys (after an
// update or a restore), by the target model's group.
#pragma once
#include "core/DeviceRecord.h"
#include "recognition/PsKeyAccess.h"

// Writes the saved record's settings to the keys of the connected device
// for the target model's group. True when the device took every key (a
// model without such keys has nothing to refuse).
bool WriteBackDfuRecord(CPsKeySession& session, int targetModel, const CDeviceRecord& saved);
