#include "restore/BackupRowTables.h"

namespace {

using namespace backuprows;

const bool kBackup = false;
const bool kConnected = true;

std::vector<BackupGatedList> Only(const BackupRowList& rows) { return {{0, 0, &rows}}; }

// Model groups; every model id is in one group only.
const std::vector<BackupRowTable> kTables = {
    // 0x4510 group, 0x5526, 0x5710, 0x5522, 0x3060, 0x5418, 0x6014-0x6026.
    {{0x4510, 0x4610}, kBackup, Only(k4510)},
    {{0x5526}, kBackup, {{0, 0, &kVoxSens10}, {2, 0, &kAudio12}}},
    {{0x5710}, kBackup, {{0, 0, &kAudio8}, {1, 2, &kAudio9}}},
    {{0x5522}, kBackup, Only(kFive)},
    {{0x3060}, kBackup, Only(kThree)},
    {{0x5418}, kBackup, Only(k5412)},
    {{0x6026}, kBackup, Only(kNavi10)},
    {{0x6018}, kConnected, {{0, 0, &kNavi9}, {1, 1, &kNavi10}}},
    {{0x6014, 0x6016}, kConnected, {{0, 0, &kNavi9}, {1, 2, &kNavi10}}},
    {{0x6020, 0x6022, 0x6024}, kBackup, Only(k6020)},

    // 0x5410-0x5416, 0x5420, 0x5560, 0x5910, 0x5920, 0x6010, 0x6012, 0x6400.
    {{0x5420}, kBackup, Only(k5412)},
    {{0x5412, 0x5414}, kBackup, {{0, 0, &k5412Below11}, {1, 1, &k5412}}},
    {{0x5416}, kConnected, {{0, 0, &k5416Below11}, {1, 1, &k5412Below11}}},
    {{0x5410}, kBackup, {{0, 0, &k5410Below11}, {1, 1, &k5410Below20}, {2, 0, &k5410}}},
    {{0x5560}, kBackup, Only(k5410Below20)},
    {{0x5910, 0x5920}, kBackup, {{0, 0, &kAudio8}, {1, 1, &kAudio9}}},
    {{0x6010, 0x6012}, kConnected, {{0, 0, &kEss11}, {1, 2, &kEss12}}},
    {{0x6400}, kBackup, Only(k6400)},

    // 0x3030-0x3050, 0x3118, 0x5524, 0x5536, 0x5622-0x5624, 0x6210.
    {{0x3030, 0x3040, 0x3050}, kBackup, Only(kThree)},
    {{0x5536}, kBackup, Only(kFive)},
    {{0x5524}, kBackup, {{0, 0, &k5524Below11}, {1, 1, &kFive}, {2, 0, &kSeven}}},
    {{0x6210}, kBackup, {{0, 0, &k6210Below20}, {2, 0, &k6210}}},
    {{0x5623}, kBackup, {{0, 0, &k5623Below11}, {1, 1, &k5623Below20}, {2, 0, &k5623}}},
    {{0x5622}, kBackup, {{0, 0, &k5622Below11}, {1, 1, &k5622Below20}, {2, 0, &k5622}}},
    {{0x5624}, kBackup, {{0, 0, &k5622Below11}, {1, 1, &k5622Below20}, {2, 0, &k5624}}},
    {{0x3118}, kBackup, Only(k3118)},

    // The 0x31 family, 0x5550 and 0x5532.
    {{0x3116}, kBackup, Only(k31Family17)},
    {{0x3124, 0x3126}, kBackup, Only(k31Family16)},
    {{0x3112, 0x3114}, kBackup, {{0, 0, &k31Family15}, {1, 1, &k31Family16}}},
    {{0x3110}, kBackup, {{0, 0, &k31Family15}, {1, 1, &k31Family16}, {2, 1, &k31Family17}}},
    {{0x5550}, kBackup, {{0, 0, &k5550Below12}, {1, 2, &kFive}, {2, 0, &kSeven}}},
    {{0x5532}, kBackup, Only(kAudio10)},

    // 0x5530, 0x5570, 0x5580, 0x5510.
    {{0x5530}, kBackup, {{0, 0, &kAudio8}, {1, 4, &kAudio10}, {2, 0, &kAudio11}}},
    {{0x5570}, kBackup, Only(kAudio11)},
    {{0x5580}, kBackup, {{0, 0, &kAudio9}, {2, 0, &kAudio11}}},
    {{0x5510}, kBackup, {{0, 0, &k5510Below20}, {2, 0, &k5510From20}, {2, 2, &k5510From22}, {3, 0, &k5510From30}}},

    // 0x5610-0x5621, 0x5720, 0x5520, 0x4410, 0x4430, 0x2030, 0x4310-0x4350, 0x4530, 0x4210.
    {{0x5610, 0x5611, 0x5612, 0x5620, 0x5621}, kBackup, {{0, 0, &kAudio7}, {1, 1, &kAudio8}, {2, 0, &kAudio11}}},
    {{0x5720}, kBackup, Only(kVoxSens10)},
    {{0x5520}, kBackup, {{0, 0, &k5520Below11}, {1, 1, &k5520Below13}, {1, 3, &kVoxSens10}, {2, 0, &kAudio12}}},
    {{0x4410, 0x4430}, kBackup, Only(k4410)},
    {{0x2030, 0x4530, 0x4310, 0x4350, 0x4330}, kBackup, Only(k4510)},
    {{0x4210}, kBackup, {{0, 0, &k4210Below11}, {1, 1, &k4210Below12}, {1, 2, &k4210Below15}, {1, 5, &k4210}}},
};

const std::vector<int> kWithoutRows = {
    0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D21, 0x4D50, 0x5010, 0x5060, 0x5061, 0x5030, 0x5080, 0x5040,
    0x5050, 0x4D75, 0x5011, 0x5020, 0x5070, 0x4040, 0x2020, 0x6110, 0x6111, 0x6120, 0x6121, 0x4110,
    0x4111, 0x4120, 0x6420, 0x6430, 0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65, 0x4D85, 0x4020,
    0x4021, 0x2310, 0x2010, 0x2011, 0x2110, 0x2120, 0x2210, 0x4030, 0x4010, 0x5210,
};

}  // namespace

const BackupRowTable* FindBackupRowTable(int model) {
    for (const BackupRowTable& table : kTables)
        for (int m : table.models)
            if (m == model) return &table;
    return nullptr;
}

const std::vector<BackupRowTable>& BackupRowTables() { return kTables; }

const std::vector<int>& BackupModelsWithoutRows() { return kWithoutRows; }

const BackupRowList& SelectBackupRowList(const BackupRowTable& table, const CDeviceRecord& gateRecord) {
    // The gates are tried from the lowest version up; the last one that holds wins.
    const BackupRowList* chosen = table.lists.front().rows;
    for (size_t i = 1; i < table.lists.size(); ++i) {
        const BackupGatedList& gate = table.lists[i];
        if (gateRecord.CompareVersion(gate.major, gate.minor) < 0) break;
        chosen = gate.rows;
    }
    return *chosen;
}
