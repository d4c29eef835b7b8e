// Which rows the DEVICE SETTING grid shows for a model and firmware version:
// one row list per model and firmware range, each a list of row kinds in grid
// order. Adding a model is adding an entry to the model table.
#pragma once
#include "settings/rows/RowKinds.h"

namespace rows {

// One row list: its rows in grid order (row index = position).
struct RowList {
    const char* name;  // e.g. "kRows4210From1_5"
    const RowKind* const* rows;
    int count;
    const RowKind& operator[](int i) const { return *rows[i]; }
};

// A firmware range of a model: the list for firmware `from` and newer, up to
// the next range's gate.
struct FirmwareRange {
    FirmwareGate from;
    const RowList* list;
};

const int kMaxModelIds = 5;
const int kMaxFirmwareRanges = 4;

// The models that share one chain of firmware ranges. Unused ids are 0;
// ranges are in ascending order and unused ones have no list.
struct ModelRows {
    int ids[kMaxModelIds];
    FirmwareRange ranges[kMaxFirmwareRanges];

    bool Has(int modelId) const;
    const RowList* ListFor(const CDeviceRecord& deviceRecord) const;
};

// The models whose settings the grid shows, in the order they are tested.
const ModelRows* ModelTable(int* count);
// The models whose settings the page shows with its fixed controls: no rows.
const int* ModelsWithoutRows(int* count);

// The row list of a model for the firmware of the device record as read from
// the headset; null for no rows (a model of the no-rows table, or unknown).
const RowList* FindRowList(int modelId, const CDeviceRecord& deviceRecord);

}  // namespace rows
