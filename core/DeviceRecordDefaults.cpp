// Factory defaults of a model and firmware version. A setting takes the
// value the program assumes for a headset whose setting cannot be read, so
// that DEFAULT puts back what an untouched headset holds.
#include "core/DeviceRecord.h"
#include "core/ModelGroups.h"
#include "core/VersionCompare.h"
#include <initializer_list>

using namespace model_groups;

namespace {

int Bits(std::initializer_list<int> bits) {
    int mask = 0;
    for (int b : bits) mask |= 1 << b;
    return mask;
}

bool AnyOf(int id, std::initializer_list<int> ids) {
    for (int v : ids)
        if (v == id) return true;
    return false;
}

const int kPsBits0To5 = Bits({0, 1, 2, 3, 4, 5});
const int kPsBits0To6 = Bits({0, 1, 2, 3, 4, 5, 6});
const int kHidAllBits = Bits({0, 1, 2, 3, 5, 8, 9, 10, 11, 12, 13, 14, 15});
const int kHidBits10 = Bits({0, 1, 2, 3, 5, 8, 9, 10, 11, 12});
const int kHidSmartNaviBits = Bits({0, 1, 2, 3, 5, 8, 9, 10, 11, 13});

// Settings-word bits that a persistent-store headset has, by model and
// firmware; -1 for a model without a settings word.
int PsSettingsBits(int id, int major, int minor) {
    auto below = [&](int a, int b) { return CompareMajorMinor(major, minor, a, b) < 0; };
    if (IsPsVersionedModel(id)) {
        if (below(4, 0)) return 0;
        return below(5, 0) ? kPsBits0To6 : kPsBits0To6 | Bits({8});
    }
    if (id == 0x4D21) return Bits({8});
    if (AnyOf(id, {0x4D75, 0x5011})) return kPsBits0To6 | Bits({8});
    if (id == 0x4040) return kPsBits0To6 | Bits({8, 9});
    if (id == 0x2020) return below(1, 1) ? kPsBits0To6 | Bits({8}) : kPsBits0To6 | Bits({8, 9});
    if (AnyOf(id, {0x6110, 0x6111, 0x6120, 0x6121})) return Bits({2, 3, 4, 5, 6, 8, 9});
    if (AnyOf(id, {0x4110, 0x4111})) return kPsBits0To6;
    if (id == 0x4120) return kPsBits0To6 | Bits({8, 9, 10});
    if (id == 0x6420) return Bits({0, 2});
    if (id == 0x6430) return Bits({0});
    if (AnyOf(id, {0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65}))
        return below(2, 0) ? kPsBits0To5 : kPsBits0To5 | Bits({8});
    if (id == 0x4D85) return kPsBits0To5 | Bits({8});
    if (AnyOf(id, {0x4020, 0x2310, 0x2010, 0x2011, 0x2110, 0x2120, 0x2210, 0x4030, 0x4010})) return kPsBits0To5;
    if (id == 0x4021) return Bits({0});
    return -1;
}

// Feature-word bits that a HID headset keeps; 0 for the raw-word models
// and the models without settings.
int HidFeatureBits(int id) {
    int group = HidSettingsGroup(id);
    if (group == 0 || group == 1 || group == 2 || group == 3) return 0;
    if (id == 0x5532) return kHidAllBits & ~Bits({14, 15});
    if (AnyOf(id, {0x5550, 0x5524})) return Bits({3, 9, 10, 12, 13, 14, 15});
    if (id == 0x5536) return Bits({3, 9, 10, 12, 13});
    if (AnyOf(id, {0x5710, 0x5522, 0x3030, 0x3040, 0x5910, 0x5920})) return kHidBits10;
    if (id == 0x5623) return kHidAllBits & ~Bits({12});
    if (AnyOf(id, {0x3050, 0x3060})) return Bits({3, 9, 12});
    if (id == 0x6400) return kHidAllBits & ~Bits({8});
    if (id == 0x5560) return kHidAllBits & ~Bits({9, 11});
    if (id == 0x5416) return kHidAllBits & ~Bits({13});
    if (group == 6 || group == 7) return kHidSmartNaviBits;
    return kHidAllBits;
}

}  // namespace

void CDeviceRecord::SetCapabilities(int modelId, int major, int minor) {
    for (int& w : m_anSettingWord) w = 0;
    for (int& w : m_anCameraWord) w = 0;
    for (int& w : m_anVoxSensitivity) w = 0;
    for (int& w : m_anSmartVolume) w = 0;

    const int psBits = PsSettingsBits(modelId, major, minor);
    const bool hid = IsHidHeadsetModel(modelId);
    if (psBits < 0 && !hid && modelId != MODEL_RADIO_GAIN) return;

    // A known model: every setting is replaced.
    CDeviceRecord cleared;
    CopyClassicSettingsFrom(cleared);
    CopyNewerSettingsFrom(cleared);
    auto below = [&](int a, int b) { return CompareMajorMinor(major, minor, a, b) < 0; };

    if (modelId == MODEL_RADIO_GAIN) {
        m_nRadioTransmitGain = 15;
        m_nAudioChannelTimeout = 5;
        return;
    }
    if (psBits >= 0) {
        // Bits whose default is on; all others default to off.
        if (psBits & Bits({0})) m_bHandsfreeVox = 1;
        if (psBits & Bits({4})) m_bPlc = 1;
        if (psBits & Bits({5})) m_bBitpoolRate = 1;
        if (psBits & Bits({6})) m_bMicrophoneBoost = 1;
        if ((psBits & Bits({8})) && modelId == 0x4D21) m_bSidetone = 1;
        return;
    }

    const int featureBits = HidFeatureBits(modelId);
    if (featureBits & Bits({0})) m_bHandsfreeVox = 1;
    if (featureBits & Bits({5})) m_bBitpoolRate = 1;
    if (featureBits & Bits({10})) m_bAudioBoost = AnyOf(modelId, {0x5524, 0x5536, 0x5522, 0x3030, 0x3040}) ? 0 : 1;
    if (featureBits & Bits({11})) m_bHdIntercom = 1;
    if (featureBits & Bits({12})) m_bFmStationGuide = 1;

    int* w = m_anSettingWord;
    switch (HidSettingsGroup(modelId)) {
    case 1:
        w[0] = 5;
        w[1] = 3;
        if (modelId == 0x4210) {
            if (below(1, 1)) { w[2] = 0xEC00; }
            else if (below(1, 2)) { w[2] = 0xEC00; w[3] = 3; }
            else if (below(1, 5)) { w[2] = 0xED80; w[3] = 3; }
            else if (below(1, 6)) { w[2] = 0xEDA0; w[3] = 3; }
            else { w[2] = 0xED20; w[3] = 2; }
        } else {
            w[2] = 0xED21;
            w[3] = 2;
        }
        break;
    case 2:
    case 3:
        w[0] = 0x1C21;
        w[1] = 0x0583;
        if (AnyOf(modelId, {0x3110, 0x3124, 0x3126})) w[3] = 0x20;
        if (AnyOf(modelId, {0x3112, 0x3114})) w[2] = 0x66;
        break;
    case 4:
        if (AnyOf(modelId, {0x5520, 0x5526, 0x5720, 0x6400})) m_anVoxSensitivity[0] = 3;
        if (AnyOf(modelId, {0x5622, 0x5624, 0x5623}) && !below(1, 1)) m_anVoxSensitivity[0] = 3;
        if (modelId == 0x5510) {
            m_anCameraWord[0] = 0x07C0;
            if (!below(2, 0)) m_anCameraWord[2] = 0x14;
        }
        break;
    case 5:
        m_anVoxSensitivity[0] = AnyOf(modelId, {0x5560, 0x5410}) ? 2 : 3;
        break;
    case 6:
        w[2] = 0x6B;
        m_anVoxSensitivity[0] = 2;
        break;
    case 7:
        w[2] = AnyOf(modelId, {0x6010, 0x6012}) ? 0x68 : 0x6B;
        m_anVoxSensitivity[0] = 2;
        break;
    default:
        break;
    }
}
