// Per-model data of the backup information block, one entry per group of
// models: the rows the Basic settings write and the rows that show.
#pragma once
#include <vector>
#include "core/DeviceRecord.h"

enum BackupRowKind {
    kRowVoxPhone,
    kRowVoxIntercom,
    kRowEdr,        // 0 reads "Enabled"
    kRowEdrSet,     // non-zero reads "Enabled" (older firmware)
    kRowPlc,
    kRowHqA2dp,
    kRowMicBoost,
    kRowSidetone,
    kRowQuietSphere,
    kRowAgc,
    kRowAudioBoost,
    kRowRadioGain,
    kRowChannelTimeout,
};

struct BackupRowSpec {
    int row;              // 1..6
    BackupRowKind kind;
    bool micModelsOnly = false;  // written only for 0x4D10, 0x4D30 and 0x4D40
};

// Rows of firmware below belowMajor.belowMinor; {0, 0} for any firmware.
struct BackupGatedRows {
    int belowMajor, belowMinor;
    std::vector<BackupRowSpec> rows;
};

struct BackupInfoGroup {
    std::vector<int> models;
    std::vector<BackupGatedRows> basic;  // empty: the Basic settings write no row
    bool speedDial;                      // the Speed Dial kind shows the three numbers
    bool fmRadio;                        // other kinds show the FM radio texts
    bool always = false;                 // the Basic rows whatever kind is selected
};

// A band of firmware: below major.minor, or (atLeast) major.minor and later;
// {0, 0} for the rest.
struct BackupVisibilityBand {
    int major, minor;
    bool atLeast;
    unsigned rows;
};

struct BackupVisibilityGroup {
    std::vector<int> models;
    std::vector<BackupVisibilityBand> basic;
    unsigned speedDial;
    unsigned fmRadio;
};

const BackupInfoGroup* FindBackupInfoGroup(int model);
const BackupVisibilityGroup* FindBackupVisibilityGroup(int model);
const std::vector<BackupInfoGroup>& BackupInfoGroups();
const std::vector<BackupRowSpec>* SelectGatedRows(const std::vector<BackupGatedRows>& gated, const CDeviceRecord& backup);
unsigned SelectVisibilityBand(const std::vector<BackupVisibilityBand>& bands, const CDeviceRecord& backup);
