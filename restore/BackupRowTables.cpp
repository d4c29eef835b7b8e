#include "restore/BackupRowTables.h"

namespace {

// The lists of these models follow the firmware of the connected device,
// whatever firmware the backup was made from.
const int kGatedOnConnectedDevice[] = {0x5416, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018};

// Rows that only the settings page shows.
const rows::RowKind* const kSettingsPageOnly[] = {&rows::kChannelSelect};

const rows::ModelRows* FindModel(int model) {
    int count = 0;
    const rows::ModelRows* table = rows::ModelTable(&count);
    for (int i = 0; i < count; ++i)
        if (table[i].Has(model)) return &table[i];
    return nullptr;
}

bool OnlyOnTheSettingsPage(const rows::RowKind* kind) {
    for (const rows::RowKind* k : kSettingsPageOnly)
        if (k == kind) return true;
    return false;
}

}  // namespace

bool BackupHasRows(int model) { return FindModel(model) != nullptr; }

bool BackupGateOnConnectedDevice(int model) {
    for (int m : kGatedOnConnectedDevice)
        if (m == model) return true;
    return false;
}

std::vector<const rows::RowKind*> BackupRowsFor(int model, const CDeviceRecord& backup, const CDeviceRecord& device) {
    std::vector<const rows::RowKind*> out;
    const rows::ModelRows* entry = FindModel(model);
    if (!entry) return out;
    const rows::RowList* list = entry->ListFor(BackupGateOnConnectedDevice(model) ? device : backup);
    if (!list) return out;
    for (int i = 0; i < list->count; ++i)
        if (!OnlyOnTheSettingsPage(list->rows[i])) out.push_back(list->rows[i]);
    return out;
}
