// Reading a HID headset's settings blocks, FM block and speed dials into the
// device record at recognition. Every reply is used only up to its word
// count, and never beyond the member it fills.
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

// The on/off members of the feature word, by bit.
struct FeatureBit {
    int bit;
    int CDeviceRecord::*member;
    int failure;
};
const FeatureBit kFeatureBits[] = {
    {0, &CDeviceRecord::m_bHandsfreeVox, 1},       {1, &CDeviceRecord::m_bIntercomVox, 0},
    {2, &CDeviceRecord::m_bEdr, 0},                {3, &CDeviceRecord::m_bVoicePrompt, 0},
    {5, &CDeviceRecord::m_bBitpoolRate, 1},        {8, &CDeviceRecord::m_bSidetone, 0},
    {9, &CDeviceRecord::m_bQuietSphere, 0},        {10, &CDeviceRecord::m_bAudioBoost, 1},
    {11, &CDeviceRecord::m_bHdIntercom, 1},        {12, &CDeviceRecord::m_bFmStationGuide, 1},
    {13, &CDeviceRecord::m_bHdVoice, 0},           {14, &CDeviceRecord::m_bAudioSourcePriority, 0},
    {15, &CDeviceRecord::m_bSoundBlend, 0},
};

unsigned Bits(std::initializer_list<int> bits) {
    unsigned mask = 0;
    for (int b : bits) mask |= 1u << b;
    return mask;
}
const unsigned kAll13 = Bits({0, 1, 2, 3, 5, 8, 9, 10, 11, 12, 13, 14, 15});
unsigned AllBut(std::initializer_list<int> bits) { return kAll13 & ~Bits(bits); }

// Reads block 0x04's feature word into the working values; the bits of
// `mask` only. Returns the reply words (empty on failure) through *words.
bool ReadFeatureWord(const hw::CDeviceHandle* first, int model, unsigned mask, CDeviceRecord* work, std::vector<WORD>* words) {
    bool ok = HidReadBlockWords(first, 0x04, words) != FALSE;
    unsigned word = ok && !words->empty() ? (*words)[0] : 0;
    static const int kAudioBoostOff[] = {0x5524, 0x5536, 0x5522, 0x3030, 0x3040};
    for (const FeatureBit& f : kFeatureBits) {
        if (!(mask & (1u << f.bit))) continue;
        int CDeviceRecord::*member = f.member;
        if (f.bit == 13 && model_groups::IsSmartNaviModel(model)) member = &CDeviceRecord::m_bSmartNaviSystem;
        int failure = f.failure;
        if (f.bit == 10 && In(model, kAudioBoostOff)) failure = 0;
        work->*member = ok ? ((word >> f.bit) & 1) : failure;
    }
    return ok;
}

// Reads a block into `count` ints from `dest`; false when it fails.
bool ReadWordsInto(const hw::CDeviceHandle* device, BYTE block, int* dest, int count) {
    std::vector<WORD> words;
    if (!HidReadBlockWords(device, block, &words, count)) return false;
    for (size_t i = 0; i < words.size(); ++i) dest[i] = words[i];
    return true;
}

void ReadRawSettings(const hw::CDeviceHandle* device, CDeviceRecord* rec, std::initializer_list<std::pair<int, int>> failures,
                     bool clearRest = false) {
    if (ReadWordsInto(device, 0x04, rec->m_anSettingWord, DEVICE_SETTING_WORDS)) return;
    for (auto& f : failures) rec->m_anSettingWord[f.first] = f.second;
    if (clearRest)
        for (int i = 4; i < DEVICE_SETTING_WORDS; ++i) rec->m_anSettingWord[i] = 0;
}

void ReadVox(const hw::CDeviceHandle* first, BYTE block, CDeviceRecord* rec, int failure) {
    if (!ReadWordsInto(first, block, rec->m_anVoxSensitivity, DEVICE_VOX_SENSITIVITY_WORDS))
        rec->m_anVoxSensitivity[0] = failure;
}

void ReadSmartVolume(const hw::CDeviceHandle* first, CDeviceRecord* rec) {
    if (!ReadWordsInto(first, 0x03, rec->m_anSmartVolume, DEVICE_SMART_VOLUME_WORDS))
        rec->m_anSmartVolume[0] = rec->m_anSmartVolume[1] = 0;
}

const int kSmartNaviGroup[] = {0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6026};
const int kVoxBGroup[] = {0x6020, 0x6022, 0x6024};

// The main table of settings reads; on/off values go to *work.
void ReadMainBlocks(const hw::CDeviceHandle* first, const hw::CDeviceHandle* second, int model, CDeviceRecord* rec, CDeviceRecord* work) {
    std::vector<WORD> words;
    auto below = [&](int major, int minor) { return rec->CompareVersion(major, minor) < 0; };
    if (model == 0x4210) {
        if (ReadWordsInto(second, 0x04, rec->m_anSettingWord, DEVICE_SETTING_WORDS)) return;
        int* w = rec->m_anSettingWord;
        w[0] = 5;
        w[1] = 3;
        if (below(1, 1)) {
            w[2] = 0xEC00;
            return;
        }
        if (below(1, 2)) {
            w[2] = 0xEC00;
            w[3] = 3;
            return;
        }
        w[2] = below(1, 5) ? 0xED80 : below(1, 6) ? 0xEDA0 : 0xED20;
        w[3] = below(1, 6) ? 3 : 2;
        for (int i = 4; i < DEVICE_SETTING_WORDS; ++i) w[i] = 0;
        return;
    }
    if (model_groups::IsHidTwoChipModel(model)) {
        if (!ReadWordsInto(second, 0x04, rec->m_anSettingWord, DEVICE_SETTING_WORDS)) {
            int* w = rec->m_anSettingWord;
            w[0] = 5;
            w[1] = 3;
            w[2] = 0xED21;
            w[3] = 2;
            for (int i = 4; i < DEVICE_SETTING_WORDS; ++i) w[i] = 0;
        }
        return;
    }
    switch (model) {
    case 0x5345: case 0x5320: case 0x5330: case 0x3500: return;
    case 0x5530: case 0x5622: case 0x5624: case 0x6210:
        ReadFeatureWord(first, model, kAll13, work, &words);
        return;
    case 0x5532: ReadFeatureWord(first, model, AllBut({14, 15}), work, &words); return;
    // These three also take the bits of the rows their settings grid shows
    // (High Quality A2DP, and HD Intercom on 0x5550 before 1.2): a save
    // writes them, so the page shows again what the headset keeps.
    case 0x5550: ReadFeatureWord(first, model, Bits({3, 5, 9, 10, 11, 12, 13, 14, 15}), work, &words); return;
    case 0x5524: ReadFeatureWord(first, model, Bits({3, 5, 9, 10, 12, 13, 14, 15}), work, &words); return;
    case 0x5536: ReadFeatureWord(first, model, Bits({3, 5, 9, 10, 12, 13}), work, &words); return;
    case 0x5710: case 0x5522: case 0x3030: case 0x3040: case 0x5910: case 0x5920:
        ReadFeatureWord(first, model, Bits({0, 1, 2, 3, 5, 8, 9, 10, 11, 12}), work, &words);
        return;
    case 0x5623: ReadFeatureWord(first, model, AllBut({12}), work, &words); return;
    case 0x3050: case 0x3060: ReadFeatureWord(first, model, Bits({3, 9, 12}), work, &words); return;
    case 0x6400: ReadFeatureWord(first, model, AllBut({8}), work, &words); return;
    case 0x3110: ReadRawSettings(first, rec, {{0, 0x1C21}, {1, 0x0583}, {3, 0x20}}); return;
    case 0x3112: case 0x3114: ReadRawSettings(first, rec, {{0, 0x1C21}, {1, 0x0583}, {2, 0x66}}); return;
    case 0x3124: case 0x3126: ReadRawSettings(first, rec, {{0, 0x1C21}, {1, 0x0583}, {3, 0x20}}); return;
    case 0x3116: case 0x3118: ReadRawSettings(first, rec, {{0, 0x1C21}, {1, 0x0583}}); return;
    case 0x5560: case 0x5410: case 0x5412: case 0x5414: case 0x5420: case 0x5418: case 0x5416: {
        unsigned mask = model == 0x5560 ? AllBut({9, 11}) : model == 0x5416 ? AllBut({13}) : kAll13;
        if (!ReadFeatureWord(first, model, mask, work, &words)) {
            bool older = model == 0x5560 || model == 0x5410;
            rec->m_anVoxSensitivity[0] = older ? 2 : 3;
            rec->m_anSmartVolume[0] = rec->m_anSmartVolume[1] = 0;
            return;
        }
        ReadVox(first, 0x14, rec, 3);
        ReadSmartVolume(first, rec);
        return;
    }
    default: break;
    }
    if (In(model, kSmartNaviGroup) || In(model, kVoxBGroup)) {
        unsigned mask = Bits({0, 1, 2, 3, 5, 8, 9, 10, 11, 13});
        bool vb = In(model, kVoxBGroup);
        if (!ReadFeatureWord(first, model, mask, work, &words)) {
            bool older = model == 0x6010 || model == 0x6012;
            rec->m_anSettingWord[2] = older ? 0x68 : 0x6B;
            rec->m_anSettingWord[3] = 0;
            rec->m_anVoxSensitivity[0] = 2;
            return;
        }
        if (!vb) {
            if (words.size() > 2) rec->m_anSettingWord[2] = words[2];
            if (words.size() > 3) rec->m_anSettingWord[3] = words[3];
        }
        ReadVox(first, vb ? 0x12 : 0x14, rec, 2);
        return;
    }
    ReadFeatureWord(first, model, kAll13, work, &words);
}

void ReadFurtherBlocks(const hw::CDeviceHandle* first, int model, CDeviceRecord* rec) {
    auto atLeast = [&](int major, int minor) { return rec->CompareVersion(major, minor) >= 0; };
    switch (model) {
    case 0x5520: case 0x5526: case 0x5720: ReadVox(first, 0x14, rec, 3); break;
    case 0x5510:
        if (!ReadWordsInto(first, 0x07, rec->m_anCameraWord, 2)) {
            rec->m_anCameraWord[0] = 0x07C0;
            rec->m_anCameraWord[1] = 0;
        }
        if (atLeast(2, 0) && !ReadWordsInto(first, 0x1C, rec->m_anCameraWord + 2, 2)) {
            rec->m_anCameraWord[2] = 0x14;
            rec->m_anCameraWord[3] = 0;
        }
        break;
    case 0x5622: case 0x5624:
        ReadSmartVolume(first, rec);
        if (atLeast(1, 1)) ReadVox(first, 0x14, rec, 3);
        break;
    case 0x5623:
        if (atLeast(1, 1)) ReadVox(first, 0x14, rec, 3);
        break;
    case 0x6400: ReadVox(first, 0x14, rec, 3); break;
    default: break;
    }
}

void ClearFm(CDeviceRecord* rec, int magic) {
    rec->m_nFmMagicCode = magic;
    rec->m_nFmCurrentFrequency = rec->m_nFmCurrentPreset = 0;
    for (int& p : rec->m_anFmPreset) p = 0;
    rec->m_bFmRds = 0;
    rec->m_nFmRegion = 0;
}

// The FM block in the 15-word layout, or the 11-word layout of six presets.
bool ReadFm(const hw::CDeviceHandle* device, CDeviceRecord* rec, bool sixPresets) {
    std::vector<WORD> w;
    int layout = sixPresets ? 11 : PSKEY_FM_SETTINGS_WORDS;
    if (!HidReadBlockWords(device, 0x15, &w, layout)) return false;
    if (w.empty() || (w[0] != FM_SETTINGS_MAGIC && w[0] != FM_SETTINGS_MAGIC_OLD)) {
        // An unset block: a cleared one of the older layout in its place.
        ClearFm(rec, FM_SETTINGS_MAGIC_OLD);
        return true;
    }
    w.resize(layout, 0);  // a short reply leaves the missing words 0
    int presets = sixPresets ? 6 : DEVICE_FM_PRESETS;
    rec->m_nFmMagicCode = w[0];
    rec->m_nFmCurrentFrequency = w[1];
    rec->m_nFmCurrentPreset = w[2];
    for (int i = 0; i < presets; ++i) rec->m_anFmPreset[i] = w[3 + i];
    rec->m_bFmRds = w[3 + presets];
    rec->m_nFmRegion = w[4 + presets];
    return true;
}

const int kLoadFm[] = {0x6010, 0x6012, 0x6014, 0x6016, 0x6026, 0x6018, 0x5412, 0x5414, 0x5420, 0x5418, 0x5416};
const int kNoFm[] = {0x5345, 0x5320, 0x5330, 0x3500, 0x5560, 0x5410, 0x6020, 0x6022, 0x6024};
const int kLoadSpeedDials[] = {0x6010, 0x6012, 0x6014, 0x6016, 0x6026, 0x6018, 0x6020, 0x6022,
                               0x6024, 0x5560, 0x5410, 0x5412, 0x5414, 0x5420, 0x5418, 0x5416};

void ReadFmBlock(const hw::CDeviceHandle* first, const hw::CDeviceHandle* second, int model, CDeviceRecord* rec) {
    BYTE reply[HID_IN_REPORT_SIZE];
    if (In(model, kLoadFm)) HidRequest(first, HID_CMD_LOAD_BLOCK, 0x15, reply);
    if (In(model, kNoFm)) {
        ClearFm(rec, 0);
        return;
    }
    if (model_groups::IsHidTwoChipModel(model)) {
        if (!ReadFm(second, rec, false)) {
            ClearFm(rec, FM_SETTINGS_MAGIC_OLD);
            if (model == 0x4210 && rec->CompareVersion(1, 1) >= 0) rec->m_nFmRegion = 1;
        }
        return;
    }
    if (In(model, kSmartNaviGroup)) {
        if (!ReadFm(first, rec, true)) {
            rec->m_nFmMagicCode = FM_SETTINGS_MAGIC_OLD;
            rec->m_nFmCurrentFrequency = rec->m_nFmCurrentPreset = 0;
            for (int i = 0; i < 6; ++i) rec->m_anFmPreset[i] = 0;
            rec->m_bFmRds = 1;
            rec->m_nFmRegion = 0;
        }
        return;
    }
    if (!ReadFm(first, rec, false)) ClearFm(rec, FM_SETTINGS_MAGIC_OLD);
}

void ReadSpeedDials(const hw::CDeviceHandle* first, int model, CDeviceRecord* rec) {
    BYTE reply[HID_IN_REPORT_SIZE];
    if (In(model, kLoadSpeedDials))
        for (int i = 0; i < DEVICE_SPEED_DIALS; ++i) HidRequest(first, HID_CMD_LOAD_BLOCK, (BYTE)(0x5A + i), reply);
    for (int i = 0; i < DEVICE_SPEED_DIALS; ++i) {
        std::vector<WORD> words;
        rec->m_astrSpeedDial[i].Empty();
        if (!HidReadBlockWords(first, (BYTE)(0x5A + i), &words, PS_TEXT_WORDS)) continue;
        WORD text[PS_TEXT_WORDS] = {};
        for (size_t w = 0; w < words.size(); ++w) text[w] = words[w];
        PsWordsToString(rec->m_astrSpeedDial[i], text);
    }
}

}  // namespace

void ReadHidSettingsBlocks(const hw::CDeviceHandle* first, const hw::CDeviceHandle* second, int model, CDeviceRecord* rec) {
    CDeviceRecord work;  // the on/off values, 0 unless the model reads them
    ReadMainBlocks(first, second, model, rec, &work);
    rec->CopyClassicSettingsFrom(work);
    rec->CopyNewerSettingsFrom(work);
    ReadFurtherBlocks(first, model, rec);
    ReadFmBlock(first, second, model, rec);
    ReadSpeedDials(first, model, rec);
}
