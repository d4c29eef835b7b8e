// The model table of the settings grid: which row list each model id gets,
// by the firmware version of the headset.
#include "settings/rows/RowLists.h"

namespace rows {

namespace {

constexpr FirmwareGate kAny = {0, 0};
constexpr FirmwareGate From(int major, int minor) { return FirmwareGate{major, minor}; }

// Tested in this order; the first entry that holds the id decides.
const ModelRows kModelTable[] = {
    {{0x4210}, {{kAny, &kRows4210Below1_1}, {From(1, 1), &kRows4210From1_1}, {From(1, 2), &kRows4210From1_2},
                {From(1, 5), &kRows4210From1_5}}},
    {{0x4310, 0x4350, 0x4330}, {{kAny, &kRows4310}}},
    {{0x4510}, {{kAny, &kRows4310}}},
    {{0x4530}, {{kAny, &kRows4310}}},
    {{0x4610}, {{kAny, &kRows4310}}},
    {{0x2030}, {{kAny, &kRows4310}}},
    {{0x4410, 0x4430}, {{kAny, &kRows4410}}},
    {{0x5520}, {{kAny, &kRows5520Below1_1}, {From(1, 1), &kRows5520From1_1}, {From(1, 3), &kRows5520From1_3},
                {From(2, 0), &kRows5520From2_0}}},
    {{0x5526}, {{kAny, &kRows5526Below2_0}, {From(2, 0), &kRows5526From2_0}}},
    {{0x5720}, {{kAny, &kRows5720}}},
    {{0x5610, 0x5611, 0x5612, 0x5620, 0x5621},
     {{kAny, &kRows5610Below1_1}, {From(1, 1), &kRows5610From1_1}, {From(2, 0), &kRows5610From2_0}}},
    {{0x5510}, {{kAny, &kRows5510Below2_0}, {From(2, 0), &kRows5510From2_0}, {From(2, 2), &kRows5510From2_2},
                {From(3, 0), &kRows5510From3_0}}},
    {{0x5580}, {{kAny, &kRows5580Below2_0}, {From(2, 0), &kRows5570}}},
    {{0x5570}, {{kAny, &kRows5570}}},
    {{0x5530}, {{kAny, &kRows5530Below1_4}, {From(1, 4), &kRows5532}, {From(2, 0), &kRows5570}}},
    {{0x5532}, {{kAny, &kRows5532}}},
    {{0x5550}, {{kAny, &kRows5550Below1_2}, {From(1, 2), &kRows5550From1_2}, {From(2, 0), &kRows5550From2_0}}},
    {{0x3110}, {{kAny, &kRows3110Below1_1}, {From(1, 1), &kRows3110From1_1}, {From(2, 1), &kRows3110From2_1},
                {From(2, 2), &kRows3110From2_2}}},
    {{0x3112, 0x3114}, {{kAny, &kRows3110Below1_1}, {From(1, 1), &kRows3110From1_1}}},
    {{0x3124, 0x3126}, {{kAny, &kRows3110From1_1}}},
    {{0x3116}, {{kAny, &kRows3110From2_1}}},
    {{0x3118}, {{kAny, &kRows3118}}},
    {{0x5710}, {{kAny, &kRows5710Below1_2}, {From(1, 2), &kRows5710From1_2}}},
    {{0x5623}, {{kAny, &kRows5623Below1_1}, {From(1, 1), &kRows5623From1_1}, {From(2, 0), &kRows5623From2_0}}},
    {{0x5622}, {{kAny, &kRows5622Below1_1}, {From(1, 1), &kRows5622From1_1}, {From(2, 0), &kRows5622From2_0}}},
    {{0x5624}, {{kAny, &kRows5622Below1_1}, {From(1, 1), &kRows5622From1_1}, {From(2, 0), &kRows5624From2_0}}},
    {{0x5524}, {{kAny, &kRows5524Below1_1}, {From(1, 1), &kRows5524From1_1}, {From(2, 0), &kRows5524From2_0}}},
    {{0x5536}, {{kAny, &kRows5536}}},
    {{0x5522}, {{kAny, &kRows5522}}},
    {{0x3030}, {{kAny, &kRows3030}}},
    {{0x3050}, {{kAny, &kRows3030}}},
    {{0x3060}, {{kAny, &kRows3030}}},
    {{0x3040}, {{kAny, &kRows3030}}},
    {{0x6210}, {{kAny, &kRows6210Below2_0}, {From(2, 0), &kRows6210From2_0}}},
    {{0x6400}, {{kAny, &kRows6400}}},
    {{0x5910, 0x5920}, {{kAny, &kRows5910Below1_1}, {From(1, 1), &kRows5910From1_1}}},
    {{0x5560}, {{kAny, &kRows5560}}},
    {{0x5410}, {{kAny, &kRows5410Below1_1}, {From(1, 1), &kRows5560}, {From(2, 0), &kRows5410From2_0}}},
    {{0x5412, 0x5414}, {{kAny, &kRows5412Below1_1}, {From(1, 1), &kRows5412From1_1}}},
    {{0x5420}, {{kAny, &kRows5420}}},
    {{0x5418}, {{kAny, &kRows5420}}},
    {{0x5416}, {{kAny, &kRows5416Below1_1}, {From(1, 1), &kRows5416From1_1}}},
    {{0x6010, 0x6012}, {{kAny, &kRows6010Below1_2}, {From(1, 2), &kRows6010From1_2}}},
    {{0x6014, 0x6016}, {{kAny, &kRows6014Below1_2}, {From(1, 2), &kRows6014From1_2}}},
    {{0x6026}, {{kAny, &kRows6014From1_2}}},
    {{0x6018}, {{kAny, &kRows6014Below1_2}, {From(1, 1), &kRows6014From1_2}}},
    {{0x6020, 0x6022, 0x6024}, {{kAny, &kRows6020}}},
};

// Models whose settings the page shows with its fixed controls.
const int kModelsWithoutRows[] = {
    0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D21, 0x4D50,
    0x5010, 0x5060, 0x5061, 0x5030, 0x5080, 0x5040, 0x5050,
    0x4D75, 0x5011, 0x5020, 0x5070, 0x4040, 0x2020,
    0x6110, 0x6111, 0x6120, 0x6121, 0x4110, 0x4111, 0x4120, 0x6420, 0x6430,
    0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65, 0x4D85,
    0x4020, 0x4021, 0x2310, 0x2010, 0x2011, 0x2110, 0x2120, 0x2210, 0x4030, 0x4010, 0x5210,
};

}  // namespace

bool ModelRows::Has(int modelId) const {
    if (modelId == 0) return false;
    for (int id : ids)
        if (id == modelId) return true;
    return false;
}

const RowList* ModelRows::ListFor(const CDeviceRecord& deviceRecord) const {
    const RowList* chosen = nullptr;
    for (const FirmwareRange& range : ranges) {
        if (!range.list) break;
        if (!range.from.IsReached(deviceRecord)) break;
        chosen = range.list;
    }
    return chosen;
}

const ModelRows* ModelTable(int* count) {
    if (count) *count = (int)(sizeof(kModelTable) / sizeof(kModelTable[0]));
    return kModelTable;
}

const int* ModelsWithoutRows(int* count) {
    if (count) *count = (int)(sizeof(kModelsWithoutRows) / sizeof(kModelsWithoutRows[0]));
    return kModelsWithoutRows;
}

const RowList* FindRowList(int modelId, const CDeviceRecord& deviceRecord) {
    for (int id : kModelsWithoutRows)
        if (id == modelId) return nullptr;
    for (const ModelRows& entry : kModelTable)
        if (entry.Has(modelId)) return entry.ListFor(deviceRecord);
    return nullptr;
}

}  // namespace rows
