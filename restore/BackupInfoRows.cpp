// Per-model data of the backup information block: which rows the Basic
// settings write (with their firmware gates), which groups have speed-dial
// and FM texts, and which rows show.
#include "restore/BackupInfoRows.h"
#include "restore/BackupInfo.h"

namespace {

using R = BackupRowSpec;
const bool kMic = true;

// Row lists, in write order.
const std::vector<R> kSide = {{1, kRowSidetone}};
const std::vector<R> kFive = {{2, kRowVoxIntercom}, {1, kRowVoxPhone}, {3, kRowEdr}, {4, kRowHqA2dp}, {5, kRowSidetone}};
const std::vector<R> kEhsq = {{1, kRowEdr}, {2, kRowHqA2dp}, {3, kRowSidetone}, {4, kRowQuietSphere}};
const std::vector<R> kEh = {{1, kRowEdr}, {2, kRowHqA2dp}};
const std::vector<R> kEhsqa = {{1, kRowEdr}, {2, kRowHqA2dp}, {3, kRowSidetone}, {4, kRowQuietSphere}, {5, kRowAgc}};
const std::vector<R> kHid = {{1, kRowAudioBoost}, {2, kRowVoxPhone}, {3, kRowVoxIntercom},
                             {4, kRowHqA2dp},     {5, kRowSidetone}, {6, kRowQuietSphere}};
const std::vector<R> kPe = {{1, kRowVoxPhone}, {2, kRowEdr}};
const std::vector<R> kP = {{1, kRowVoxPhone}};
const std::vector<R> kPehs = {{1, kRowVoxPhone}, {2, kRowEdr}, {3, kRowHqA2dp}, {4, kRowSidetone}};
const std::vector<R> kPeh = {{1, kRowVoxPhone}, {2, kRowEdr}, {3, kRowHqA2dp}};
const std::vector<R> kGain = {{1, kRowRadioGain}, {2, kRowChannelTimeout}};

// Firmware-gated lists: the first line whose "below" version is above the
// backup's applies; {0, 0} is the last line, for every later version.
std::vector<BackupGatedRows> Always(const std::vector<R>& rows) { return {{0, 0, rows}}; }

const std::vector<BackupGatedRows> kG1 = {
    {4, 0, {{2, kRowVoxIntercom}, {1, kRowVoxPhone}, {3, kRowEdrSet}}},
    {4, 1, {{2, kRowVoxIntercom}, {1, kRowVoxPhone}, {3, kRowEdr}, {4, kRowPlc}}},
    {4, 2, {{2, kRowVoxIntercom}, {1, kRowVoxPhone}, {3, kRowEdr}, {4, kRowPlc}, {5, kRowHqA2dp}, {6, kRowMicBoost, kMic}}},
    {5, 0, {{2, kRowVoxIntercom}, {1, kRowVoxPhone}, {3, kRowEdr}, {4, kRowHqA2dp}, {5, kRowMicBoost, kMic}}},
    {0, 0, {{2, kRowVoxIntercom}, {1, kRowVoxPhone}, {3, kRowEdr}, {4, kRowHqA2dp}, {5, kRowSidetone}, {6, kRowMicBoost, kMic}}},
};
const std::vector<BackupGatedRows> kG5 = {
    {4, 0, {{2, kRowVoxIntercom}, {1, kRowVoxPhone}, {3, kRowEdrSet}}},
    {4, 1, {{2, kRowVoxIntercom}, {1, kRowVoxPhone}, {3, kRowEdr}, {4, kRowPlc}}},
    {4, 2, {{2, kRowVoxIntercom}, {1, kRowVoxPhone}, {3, kRowEdr}, {4, kRowPlc}, {5, kRowHqA2dp}}},
    {0, 0, {{2, kRowVoxIntercom}, {1, kRowVoxPhone}, {3, kRowEdr}, {4, kRowHqA2dp}}},
};
const std::vector<BackupGatedRows> kG7 = {
    {1, 1, kFive},
    {0, 0, {{2, kRowVoxIntercom}, {1, kRowVoxPhone}, {3, kRowEdr}, {4, kRowHqA2dp}, {5, kRowSidetone}, {6, kRowQuietSphere}}},
};
const std::vector<BackupGatedRows> kG30 = {
    {1, 2, {{1, kRowVoxPhone}, {2, kRowEdr}, {3, kRowPlc}}},
    {2, 0, {{1, kRowVoxPhone}, {2, kRowEdr}, {3, kRowHqA2dp}}},
    {0, 0, kPehs},
};

const bool SD = true, FM = true, NO = false, ALWAYS = true;

const std::vector<BackupInfoGroup> kGroups = {
    {{0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D50, 0x5010, 0x5060, 0x5061, 0x5030, 0x5080, 0x5040, 0x5050}, kG1, SD, FM},
    {{0x4D21}, Always(kSide), SD, FM},
    {{0x4D75}, Always(kFive), SD, NO},
    {{0x5011}, Always(kFive), SD, NO},
    {{0x5020, 0x5070}, kG5, SD, NO},
    {{0x4040}, Always(kSide), NO, NO},
    {{0x2020}, kG7, SD, NO},
    {{0x6110, 0x6111}, Always(kEhsq), SD, NO},
    {{0x6120, 0x6121}, Always(kEhsq), SD, NO},
    {{0x4110, 0x4111}, Always(kEh), SD, NO},
    {{0x4120}, Always(kEhsqa), SD, NO},
    {{0x4210, 0x4310, 0x4350, 0x4330, 0x4430, 0x4410, 0x4510, 0x4530, 0x4610, 0x2030}, {}, SD, FM},
    {{0x5610, 0x5611, 0x5612, 0x5620, 0x5621}, Always(kHid), SD, FM},
    {{0x5520, 0x5526, 0x5720}, Always(kHid), SD, FM},
    {{0x5530, 0x5532, 0x5550}, Always(kHid), SD, FM},
    {{0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126}, Always(kHid), SD, FM},
    {{0x5710}, Always(kHid), SD, FM},
    {{0x5623, 0x5622, 0x5624}, Always(kHid), SD, FM},
    {{0x5524, 0x5536, 0x5522}, Always(kHid), SD, FM},
    {{0x3030, 0x3050, 0x3060, 0x3040}, Always(kHid), SD, FM},
    {{0x6210}, Always(kHid), SD, FM},
    {{0x6400}, Always(kHid), SD, FM},
    {{0x5910, 0x5920}, Always(kHid), SD, FM},
    {{0x5560, 0x5410, 0x5412, 0x5414, 0x5420, 0x5418, 0x5416}, {}, SD, FM},
    {{0x6020, 0x6022, 0x6024}, {}, SD, NO},
    {{0x6010, 0x6018, 0x6012, 0x6014, 0x6016, 0x6026}, Always(kHid), SD, FM},
    {{0x5510, 0x5580, 0x5570}, Always(kHid), SD, FM},
    {{0x6420}, Always(kPe), SD, NO},
    {{0x6430}, Always(kP), SD, NO},
    {{0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65}, kG30, SD, FM},
    {{0x4D85}, Always(kPehs), SD, FM},
    {{0x4020, 0x2310, 0x2010, 0x2011, 0x2110, 0x2210, 0x4030, 0x4010}, Always(kPeh), NO, NO, ALWAYS},
    {{0x4021, 0x2120}, Always(kP), NO, NO, ALWAYS},
    {{0x5210}, Always(kGain), NO, NO, ALWAYS},
};

// Row visibility.
const unsigned SIX = 0x3F;
constexpr unsigned Rows(int n) { return (1u << n) - 1; }
const unsigned GRID = kBackupGrid;

const std::vector<BackupVisibilityGroup> kVisibility = {
    {{0x4D10, 0x4D30, 0x4D40}, {{4, 0, false, Rows(3)}, {4, 1, false, Rows(4)}, {4, 2, false, SIX}, {5, 0, true, SIX}, {0, 0, true, Rows(5)}}, Rows(3), SIX},
    {{0x5020, 0x5070}, {{4, 0, false, Rows(3)}, {4, 1, false, Rows(4)}, {4, 2, false, Rows(5)}, {5, 0, true, Rows(4)}, {0, 0, true, Rows(4)}}, Rows(3), SIX},
    {{0x4D20, 0x4D50, 0x5010, 0x5060, 0x5061, 0x5030, 0x5080, 0x5040, 0x5050},
     {{4, 0, false, Rows(3)}, {4, 1, false, Rows(4)}, {4, 2, false, Rows(5)}, {5, 0, true, Rows(5)}, {0, 0, true, Rows(4)}}, Rows(3), SIX},
    {{0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65}, {{2, 0, false, Rows(3)}, {0, 0, true, Rows(4)}}, Rows(3), SIX},
    {{0x4D85, 0x6110, 0x6111, 0x6120, 0x6121}, {{0, 0, true, Rows(4)}}, Rows(3), SIX},
    {{0x4D75, 0x5011, 0x4120}, {{0, 0, true, Rows(5)}}, Rows(3), SIX},
    {{0x2020}, {{1, 1, false, Rows(5)}, {0, 0, true, SIX}}, Rows(3), SIX},
    {{0x4110, 0x4111, 0x6420}, {{0, 0, true, Rows(2)}}, Rows(3), SIX},
    {{0x4D21, 0x6430}, {{0, 0, true, Rows(1)}}, Rows(3), SIX},
    {{0x4040}, {{0, 0, true, Rows(1)}}, SIX, SIX},
    {{0x4020, 0x2310, 0x2010, 0x2011, 0x2110, 0x2210, 0x4030, 0x4010}, {{0, 0, true, Rows(3)}}, Rows(3), Rows(3)},
    {{0x4021, 0x2120}, {{0, 0, true, Rows(1)}}, Rows(1), Rows(1)},
    {{0x5210}, {{0, 0, true, Rows(2)}}, Rows(2), Rows(2)},
    {{0x4210, 0x4310, 0x4350, 0x4330, 0x4430, 0x4410, 0x4510, 0x4530, 0x4610, 0x2030, 0x5610, 0x5611, 0x5612,
      0x5620, 0x5621, 0x5520, 0x5526, 0x5720, 0x5510, 0x5580, 0x5570, 0x5530, 0x5532, 0x5550, 0x3110, 0x3112,
      0x3114, 0x3116, 0x3118, 0x3124, 0x3126, 0x5710, 0x5622, 0x5623, 0x5624, 0x5524, 0x5536, 0x5522, 0x3030,
      0x3050, 0x3060, 0x3040, 0x6210, 0x6400, 0x5910, 0x5920, 0x5560, 0x5410, 0x5412, 0x5414, 0x5416, 0x5418,
      0x5420},
     {{0, 0, true, GRID}}, Rows(3), SIX},
    {{0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6026, 0x6020, 0x6022, 0x6024}, {{0, 0, true, GRID}}, Rows(3), Rows(3) | 0x20},
};

template <class G>
const G* FindGroup(const std::vector<G>& groups, int model) {
    for (const G& g : groups)
        for (int m : g.models)
            if (m == model) return &g;
    return nullptr;
}

}  // namespace

const BackupInfoGroup* FindBackupInfoGroup(int model) { return FindGroup(kGroups, model); }
const BackupVisibilityGroup* FindBackupVisibilityGroup(int model) { return FindGroup(kVisibility, model); }
const std::vector<BackupInfoGroup>& BackupInfoGroups() { return kGroups; }

const std::vector<BackupRowSpec>* SelectGatedRows(const std::vector<BackupGatedRows>& gated, const CDeviceRecord& backup) {
    for (const BackupGatedRows& g : gated) {
        bool last = g.belowMajor == 0 && g.belowMinor == 0;
        if (last || backup.CompareVersion(g.belowMajor, g.belowMinor) < 0) return &g.rows;
    }
    return nullptr;
}

unsigned SelectVisibilityBand(const std::vector<BackupVisibilityBand>& bands, const CDeviceRecord& backup) {
    for (const BackupVisibilityBand& b : bands) {
        bool last = b.major == 0 && b.minor == 0;
        if (last) return b.rows;
        int cmp = backup.CompareVersion(b.major, b.minor);
        if (b.atLeast ? cmp >= 0 : cmp < 0) return b.rows;
    }
    return 0;
}
