// The row lists of the backup settings view, in their order on screen.
// Models and firmware versions that show the same rows share one list; the
// model tables (BackupRowTables) pick a list per model and firmware.
#pragma once
#include <vector>
#include "restore/BackupValueRules.h"

typedef std::vector<BackupFeatureRow> BackupRowList;

namespace backuprows {

// Read through the accessors of settings word 2 (and words 0 and 3).
extern const BackupRowList k4510;          // 13 rows: 0x4510, 0x4610, 0x2030, 0x4530, 0x4310-0x4350
extern const BackupRowList k4410;          // 12 rows: the same without VOX Phone
extern const BackupRowList k4210Below11;   // 4 rows
extern const BackupRowList k4210Below12;   // 6 rows
extern const BackupRowList k4210Below15;   // 11 rows
extern const BackupRowList k4210;          // 13 rows

// Read from the record's on/off members.
extern const BackupRowList kAudio12;       // 0x5526 and 0x5520 from 2.0
extern const BackupRowList kAudio11;       // the 11-row audio list (0x5530, 0x5570, 0x5580, 0x5610 group)
extern const BackupRowList kAudio10;       // 0x5530 1.4-2.0, 0x5532
extern const BackupRowList kVoxSens10;     // 0x5720, 0x5526 below 2.0, 0x5520 1.3-2.0
extern const BackupRowList kAudio9;        // 0x5710 from 1.2, 0x5580 below 2.0, 0x5910/0x5920 from 1.1
extern const BackupRowList kAudio8;        // 0x5710 below 1.2, 0x5530 below 1.4, 0x5910/0x5920, 0x5610 1.1-2.0
extern const BackupRowList kAudio7;        // 0x5610 group below 1.1
extern const BackupRowList k5520Below11;   // 8 rows
extern const BackupRowList k5520Below13;   // 9 rows
extern const BackupRowList kFive;          // 0x5522, 0x5536, 0x5524 1.1-2.0, 0x5550 1.2-2.0
extern const BackupRowList k5524Below11;   // 4 rows
extern const BackupRowList kSeven;         // 0x5524 and 0x5550 from 2.0
extern const BackupRowList k5550Below12;   // 6 rows
extern const BackupRowList kThree;         // 0x3030, 0x3040, 0x3050, 0x3060
extern const BackupRowList k5412;          // 13 rows: 0x5418, 0x5420, 0x5412/0x5414 from 1.1
extern const BackupRowList k5412Below11;   // 12 rows
extern const BackupRowList k5416Below11;   // 11 rows
extern const BackupRowList k5410;          // 12 rows
extern const BackupRowList k5410Below20;   // 8 rows (also 0x5560)
extern const BackupRowList k5410Below11;   // 7 rows
extern const BackupRowList kNavi10;        // 0x6026, 0x6014-0x6018 on newer devices
extern const BackupRowList kNavi9;         // the same without Smart Navi System
extern const BackupRowList kEss12;         // 0x6010, 0x6012 on devices from 1.2
extern const BackupRowList kEss11;         // the same without Smart Navi System
extern const BackupRowList k6020;          // 6 rows
extern const BackupRowList k6400;          // 11 rows
extern const BackupRowList k6210;          // 10 rows
extern const BackupRowList k6210Below20;   // 8 rows
extern const BackupRowList k5623;          // 11 rows
extern const BackupRowList k5623Below20;   // 9 rows
extern const BackupRowList k5623Below11;   // 8 rows
extern const BackupRowList k5622;          // 12 rows
extern const BackupRowList k5624;          // 10 rows
extern const BackupRowList k5622Below20;   // 9 rows (0x5622 and 0x5624)
extern const BackupRowList k5622Below11;   // 8 rows (0x5622 and 0x5624)

// Bits of the low 16 bits of settings words 0 and 1 (the 0x31 family).
extern const BackupRowList k3118;          // 10 rows
extern const BackupRowList k31Family17;
extern const BackupRowList k31Family16;
extern const BackupRowList k31Family15;

// 0x5510: the audio lists followed by the camera rows.
extern const BackupRowList k5510From30;    // 25 rows
extern const BackupRowList k5510From22;    // 23 rows
extern const BackupRowList k5510From20;    // 22 rows
extern const BackupRowList k5510Below20;   // 18 rows

}  // namespace backuprows
