// The backup information block of the restore page: the texts of its title,
// version, date and six label/value rows for a backup record, and which of
// those rows show, per model, setting-page kind and archived firmware.
// Both are computed without windows; the page applies them.
#pragma once
#include <vector>
#include "core/DeviceRecord.h"
#include "framework/String.h"
#include "app/resource.h"

// Controls of the block (dialog 186): IDC_BACKUP_* of app/resource.h.
const int BACKUP_INFO_ROWS = 6;

inline int BackupRowLabelId(int row) { return IDC_BACKUP_ROW1_LABEL + 2 * (row - 1); }
inline int BackupRowValueId(int row) { return IDC_BACKUP_ROW1_LABEL + 2 * (row - 1) + 1; }

// The one text shown for a stored value that no option text stands for.
extern const wchar_t kBackupUnknownValueText[];

// Item index of a translated table in a language, or the unknown-value text
// when index is outside 0..items-1.
template <int N>
CString BackupTableText(const CString (&table)[N], int index, int language);

struct BackupInfoWrite {
    enum Op { kText, kAlignLeft, kAlignRight, kAlignCenter };
    int id;
    Op op;
    CString text;
};

struct BackupInfoTexts {
    std::vector<BackupInfoWrite> writes;  // in the order they are made
    unsigned rowsWritten = 0;             // bit n-1 for row n

    // The last text written to a control, or null when none was.
    const CString* TextOf(int id) const;
};

// The texts for the backup record of model in the UI language, with the
// selected setting-page kind (1 Basic, 2 Speed Dial, 3 FM Radio) and the
// number of voice-prompt entries offered.
BackupInfoTexts BuildBackupInfoTexts(const CDeviceRecord& backup, int model, int language, int kind,
                                     int voicePromptEntries);

// Rows 1-3 with the backup's speed-dial numbers ("Empty" for none).
void AppendSpeedDialRows(BackupInfoTexts& texts, const CDeviceRecord& backup, int language);

// The archive date in the UI language's date format; empty when unknown.
CString FormatBackupDate(long long time, int language);

// Which rows of the block show: bit n-1 for row n, and kBackupGrid when the
// model shows its settings in the grid instead.
const unsigned kBackupGrid = 0x40;
unsigned BackupRowVisibility(const CDeviceRecord& backup, int model, int kind);
