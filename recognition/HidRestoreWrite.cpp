// Writing a saved record's settings blocks back to a HID headset at
// recognition (after an update or a restore). Every block is tried; the
// caller learns whether the headset took them all.
#include "recognition/HidSettingsBlocks.h"
#include "core/ModelGroups.h"
#include "core/PsWords.h"
#include "recognition/HidQueries.h"
#include "recognition/PsKeys.h"

namespace {

template <int N>
bool In(int id, const int (&list)[N]) {
    for (int v : list)
        if (v == id) return true;
    return false;
}

// Collects the results of the writes of one write-back.
struct Taken {
    bool all = true;
    void operator+=(BOOL ok) { all = all && ok; }
};

BOOL WriteRaw(const hw::CDeviceHandle* device, const CDeviceRecord& saved, int count) {
    WORD words[DEVICE_SETTING_WORDS];
    for (int i = 0; i < count; ++i) words[i] = (WORD)saved.m_anSettingWord[i];
    return HidWriteBlockWords(device, 0x04, words, count);
}

BOOL WriteFeature(const hw::CDeviceHandle* device, const CDeviceRecord& saved, bool store) {
    WORD words[2] = {saved.PackFeatureWord(), 0};
    return HidWriteBlockWords(device, 0x04, words, 2, store);
}

BOOL WriteOne(const hw::CDeviceHandle* device, BYTE block, int value, bool store = false) {
    WORD w = (WORD)value;
    return HidWriteBlockWords(device, block, &w, 1, store);
}

// The FM block with the given magic, ten presets (15 words) or six (11 words).
BOOL WriteFm(const hw::CDeviceHandle* device, const CDeviceRecord& saved, WORD magic, bool sixPresets, bool store) {
    WORD w[PSKEY_FM_SETTINGS_WORDS];
    int n = 0;
    w[n++] = magic;
    w[n++] = (WORD)saved.m_nFmCurrentFrequency;
    w[n++] = (WORD)saved.m_nFmCurrentPreset;
    int presets = sixPresets ? 6 : DEVICE_FM_PRESETS;
    for (int i = 0; i < presets; ++i) w[n++] = (WORD)saved.m_anFmPreset[i];
    w[n++] = (WORD)saved.m_bFmRds;
    w[n++] = (WORD)saved.m_nFmRegion;
    return HidWriteBlockWords(device, 0x15, w, n, store);
}

// The three numbers, always on the first interface; an empty number goes
// with word count 0 on the two-chip headsets and 1 on the others.
BOOL WriteSpeedDials(const hw::CDeviceHandle* first, const CDeviceRecord& saved, int model) {
    Taken taken;
    for (int i = 0; i < DEVICE_SPEED_DIALS; ++i) {
        WORD words[PS_TEXT_WORDS];
        int count = StringToPsWords(saved.m_astrSpeedDial[i], words) / 2;
        if (count == 0 && !model_groups::IsHidTwoChipModel(model)) count = 1;
        taken += HidWriteBlockWords(first, (BYTE)(0x5A + i), words, count);
    }
    return taken.all;
}

const int kFeatureGroup[] = {0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5510, 0x5580, 0x5570, 0x5520, 0x5526,
                             0x5720, 0x5530, 0x5532, 0x5550, 0x5710, 0x5623, 0x5622, 0x5624, 0x5524, 0x5536,
                             0x5522, 0x3030, 0x3050, 0x3060, 0x3040, 0x6210, 0x6400, 0x5910, 0x5920};
const int kStoredGroup[] = {0x5560, 0x5410, 0x5412, 0x5414, 0x5420, 0x5418, 0x5416};
const int kSixPresetGroup[] = {0x6010, 0x6018, 0x6012, 0x6014, 0x6016, 0x6026};
const int kVoxBGroup[] = {0x6020, 0x6022, 0x6024};

}  // namespace

bool WriteHidRestoreBlocks(const hw::CDeviceHandle* first, const hw::CDeviceHandle* second, int model, const CDeviceRecord& saved) {
    auto below = [&](int major, int minor) { return saved.CompareVersion(major, minor) < 0; };
    Taken taken;
    if (model_groups::IsHidTwoChipModel(model)) {
        int count = DEVICE_SETTING_WORDS;
        if (model == 0x4210) count = below(1, 1) ? 3 : below(1, 2) ? 4 : DEVICE_SETTING_WORDS;
        taken += WriteRaw(second, saved, count);
        taken += WriteFm(second, saved, FM_SETTINGS_MAGIC, false, false);
        taken += WriteSpeedDials(first, saved, model);
        return taken.all;
    }
    switch (model) {
    case 0x3110: return WriteRaw(first, saved, below(2, 1) ? 2 : 4) != FALSE;
    case 0x3112: case 0x3114: return WriteRaw(first, saved, 3) != FALSE;
    case 0x3124: case 0x3126: return WriteRaw(first, saved, 2) != FALSE;
    case 0x3118: case 0x3116: return WriteRaw(first, saved, 4) != FALSE;
    default: break;
    }
    if (In(model, kFeatureGroup)) {
        taken += WriteFeature(first, saved, false);
        if (model == 0x5520 || model == 0x5526 || model == 0x5720 || model == 0x6400 ||
            ((model == 0x5623 || model == 0x5622 || model == 0x5624) && !below(1, 1)))
            taken += WriteOne(first, 0x14, saved.m_anVoxSensitivity[0]);
        if (model == 0x5510) {
            WORD camera[2] = {(WORD)saved.m_anCameraWord[0], (WORD)saved.m_anCameraWord[1]};
            taken += HidWriteBlockWords(first, 0x07, camera, 2);
            if (!below(2, 0)) {
                WORD camera2[2] = {(WORD)saved.m_anCameraWord[2], (WORD)saved.m_anCameraWord[3]};
                taken += HidWriteBlockWords(first, 0x1C, camera2, 2);
            }
        }
        if (model == 0x5622 || model == 0x5624) {
            taken += WriteOne(first, 0x03, saved.m_anSmartVolume[0]);
            taken += WriteFm(first, saved, FM_SETTINGS_MAGIC, false, false);
            taken += WriteSpeedDials(first, saved, model);
        }
        return taken.all;
    }
    if (In(model, kStoredGroup)) {
        taken += WriteFeature(first, saved, true);
        taken += WriteOne(first, 0x14, saved.m_anVoxSensitivity[0], true);
        taken += WriteOne(first, 0x03, saved.m_anSmartVolume[0], true);
        if (model != 0x5560 && model != 0x5410) taken += WriteFm(first, saved, FM_SETTINGS_MAGIC_OLD, false, true);
        taken += WriteSpeedDials(first, saved, model);
        return taken.all;
    }
    if (In(model, kSixPresetGroup)) {
        WORD words[4] = {saved.PackFeatureWord(), 0, (WORD)saved.m_anSettingWord[2], 0};
        taken += HidWriteBlockWords(first, 0x04, words, 4, true);
        taken += WriteOne(first, 0x14, saved.m_anVoxSensitivity[0], true);
        taken += WriteFm(first, saved, FM_SETTINGS_MAGIC_OLD, true, true);
        taken += WriteSpeedDials(first, saved, model);
        return taken.all;
    }
    if (In(model, kVoxBGroup)) {
        WORD words[4] = {saved.PackFeatureWord(), 0, 0, 0};
        taken += HidWriteBlockWords(first, 0x04, words, 4, true);
        taken += WriteOne(first, 0x12, saved.m_anVoxSensitivity[0], true);
        taken += WriteSpeedDials(first, saved, model);
    }
    return taken.all;
}
