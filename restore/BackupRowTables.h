// Which rows the backup settings view shows for a model: the DEVICE SETTING
// grid's own row list of the model, chosen by the backup's firmware (by the
// connected device's for the few models whose lists follow it), without the
// rows that only the settings page has.
#pragma once
#include <vector>
#include "core/DeviceRecord.h"
#include "settings/rows/SettingsListModels.h"

// Whether the model's backup shows its settings in the grid.
bool BackupHasRows(int model);
// Whether the model's list follows the connected device's firmware.
bool BackupGateOnConnectedDevice(int model);

// The rows of a model, in order on screen; empty for a model without rows.
std::vector<const rows::RowKind*> BackupRowsFor(int model, const CDeviceRecord& backup, const CDeviceRecord& device);
