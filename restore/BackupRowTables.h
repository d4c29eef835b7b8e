// Which rows the backup settings view shows, per model: one entry per model
// group, with the firmware gates that choose among its row lists, and the
// models that have no rows at all.
#pragma once
#include <vector>
#include "restore/BackupRowLists.h"

// A row list and the firmware version from which it applies.
struct BackupGatedList {
    int major, minor;
    const BackupRowList* rows;
};

struct BackupRowTable {
    std::vector<int> models;
    // Most gates read the backup's firmware; a few read the connected device's.
    bool gateOnConnectedDevice;
    // In ascending order of version; the first applies to every version below the second.
    std::vector<BackupGatedList> lists;
};

// The table of a model, or null for a model without rows.
const BackupRowTable* FindBackupRowTable(int model);
const std::vector<BackupRowTable>& BackupRowTables();

// The models whose backup has no grid rows (the information rows show their
// settings instead): the grid is emptied and left as it was.
const std::vector<int>& BackupModelsWithoutRows();

// The list the table's gates choose for a firmware record (the backup's, or
// the connected device's where the table says so).
const BackupRowList& SelectBackupRowList(const BackupRowTable& table, const CDeviceRecord& gateRecord);
