// What the backup settings view puts into the restore page's grid, worked
// out without windows: for the target model, the selected setting-page
// kind, the backup and the connected device, either nothing (the grid is
// only emptied), a hidden grid, or the rows with their label and value texts.
#pragma once
#include <vector>
#include "core/DeviceRecord.h"
#include "framework/String.h"

class CArchivedKeys;

struct BackupFeatureText {
    CString label;  // column 0
    CString value;  // column 2
};

struct BackupFeaturePlan {
    enum Action {
        kLeaveEmpty,  // a model without rows: the grid keeps its visibility
        kHideGrid,    // a model with rows, but a setting page other than Basic
        kFill,
    };
    Action action = kLeaveEmpty;
    std::vector<BackupFeatureText> rows;
};

// The column between label and value.
extern const wchar_t kBackupFeatureSeparator[];

struct BackupFeatureInput {
    int model = 0;                         // the target model
    int kind = 0;                          // the selected setting page's kind
    int language = 0;                      // the UI language
    const CDeviceRecord* backup = nullptr; // the record read from the archive
    const CDeviceRecord* device = nullptr; // the connected device (a few gates read it)
    const CArchivedKeys* keys = nullptr;   // the keys the archive held; null: all
};

BackupFeaturePlan PlanBackupFeatureList(const BackupFeatureInput& input);
