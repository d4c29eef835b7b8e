// The row lists of every model family (defined in the RowLists*.cpp files,
// one per family; SettingsListModels.cpp dispatches to them).
#pragma once
#include "settings/rows/SettingsListModels.h"

#define ROWS_DEFINE_LIST(name, ...)                                     \
    namespace {                                                         \
    const RowKind* const name##Rows[] = {__VA_ARGS__};                  \
    }                                                                   \
    const RowList name = {#name, name##Rows, (int)(sizeof(name##Rows) / sizeof(name##Rows[0]))}

// A list whose rows are those of another list of the same file.
#define ROWS_SAME_LIST(name, other) \
    const RowList name = {#name, other##Rows, (int)(sizeof(other##Rows) / sizeof(other##Rows[0]))}

namespace rows {

// Model 0x4210 by firmware.
extern const RowList kRows4210Below1_1, kRows4210From1_1, kRows4210From1_2, kRows4210From1_5;
// Models 0x4310 to 0x4610, 0x2030 (packed words), 0x4410/0x4430, 0x5520.
extern const RowList kRows4310, kRows4410, kRows5520Below1_1, kRows5520From1_1, kRows5520From1_3,
    kRows5520From2_0;
// Models 0x5526, 0x5720, the 0x5610 group and the camera headset 0x5510.
extern const RowList kRows5526Below2_0, kRows5526From2_0, kRows5720, kRows5610Below1_1,
    kRows5610From1_1, kRows5610From2_0, kRows5510Below2_0, kRows5510From2_0, kRows5510From2_2,
    kRows5510From3_0;
// Models 0x5580, 0x5570, 0x5530, 0x5532, 0x5550.
extern const RowList kRows5580Below2_0, kRows5570, kRows5530Below1_4, kRows5532, kRows5550Below1_2,
    kRows5550From1_2, kRows5550From2_0;
// Models 0x3110 to 0x3126 (bits of words 0 and 1 in place).
extern const RowList kRows3110Below1_1, kRows3110From1_1, kRows3110From2_1, kRows3110From2_2,
    kRows3118;
// Models 0x5710, 0x5623, 0x5622, 0x5624, 0x5524, 0x5536, 0x5522.
extern const RowList kRows5710Below1_2, kRows5710From1_2, kRows5623Below1_1, kRows5623From1_1,
    kRows5623From2_0, kRows5622Below1_1, kRows5622From1_1, kRows5622From2_0, kRows5624From2_0,
    kRows5524Below1_1, kRows5524From1_1, kRows5524From2_0, kRows5536, kRows5522;
// Models 0x3030 to 0x3060, 0x6210, 0x6400, 0x5910/0x5920, 0x5560, 0x5410 to 0x5414.
extern const RowList kRows3030, kRows6210Below2_0, kRows6210From2_0, kRows6400, kRows5910Below1_1,
    kRows5910From1_1, kRows5560, kRows5410Below1_1, kRows5410From2_0, kRows5412Below1_1,
    kRows5412From1_1;
// Models 0x5420, 0x5418, 0x5416 and 0x6010 to 0x6026.
extern const RowList kRows5420, kRows5416Below1_1, kRows5416From1_1, kRows6010Below1_2,
    kRows6010From1_2, kRows6014Below1_2, kRows6014From1_2, kRows6020;

}  // namespace rows
