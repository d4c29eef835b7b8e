// Packing of the on/off settings and the changed-settings test.
#include "core/DeviceRecord.h"
#include "core/ModelGroups.h"

using namespace model_groups;

namespace {

const int MODEL_VEHICLE_SECOND_INTERFACE = 0x5346;

bool UsesHidFeatureLayout(int id) { return IsHidHeadsetModel(id) || id == MODEL_VEHICLE_SECOND_INTERFACE; }

WORD Bit(int value, int bit) { return (WORD)(value ? (1u << bit) : 0u); }

bool Differs16(int a, int b) { return (WORD)a != (WORD)b; }

}  // namespace

WORD CDeviceRecord::PackFeatureWord() const {
    WORD w = 0;
    w |= Bit(m_bHandsfreeVox, 0);
    w |= Bit(m_bIntercomVox, 1);
    w |= Bit(m_bEdr, 2);
    w |= Bit(m_bVoicePrompt, 3);
    w |= Bit(m_bBitpoolRate, 5);
    w |= Bit(m_bSidetone, 8);
    w |= Bit(m_bQuietSphere, 9);
    if (UsesHidFeatureLayout(m_nModelId)) {
        w |= Bit(m_bAudioBoost, 10);
        w |= Bit(m_bHdIntercom, 11);
        w |= Bit(m_bFmStationGuide, 12);
        w |= Bit(IsSmartNaviModel(m_nModelId) ? m_bSmartNaviSystem : m_bHdVoice, 13);
        w |= Bit(m_bAudioSourcePriority, 14);
        w |= Bit(m_bSoundBlend, 15);
    } else {
        w |= Bit(m_bPlc, 4);
        w |= Bit(m_bMicrophoneBoost, 6);
        w |= Bit(m_bAutoGainControl, 10);
    }
    return w;
}

int CDeviceRecord::DiffersFrom(const CDeviceRecord& other, int mode) const {
    const int id = m_nModelId;
    const bool versionAtLeast11 = CompareVersion(1, 1) >= 0;
    bool differs = false;

    if (id == MODEL_RADIO_GAIN) {
        differs = m_nRadioTransmitGain != other.m_nRadioTransmitGain ||
                  m_nAudioChannelTimeout != other.m_nAudioChannelTimeout;
    } else if (IsPsVersionedModel(id)) {
        differs = m_bEdr != other.m_bEdr;
        if (CompareVersion(4, 0) < 0)
            differs = differs || m_bIntercomVox != other.m_bIntercomVox || m_bHandsfreeVox != other.m_bHandsfreeVox;
        else
            differs = differs || PackFeatureWord() != other.PackFeatureWord();
    } else if (IsPsSettingsWordModel(id)) {
        differs = m_bEdr != other.m_bEdr || PackFeatureWord() != other.PackFeatureWord();
    } else {
        int group = HidSettingsGroup(id);
        if (group == 0) return 0;
        differs = PackFeatureWord() != other.PackFeatureWord();
        int words = HidRawSettingWordCount(id, m_version.m_nMajor, m_version.m_nMinor);
        for (int i = 0; i < words; ++i) differs = differs || Differs16(m_anSettingWord[i], other.m_anSettingWord[i]);

        bool vox = false, smart = false, word2 = false;
        switch (group) {
        case 4:
            if (id == 0x5520 || id == 0x5526 || id == 0x5720 || id == 0x6400) vox = true;
            if (id == 0x5622 || id == 0x5624) { smart = true; vox = versionAtLeast11; }
            if (id == 0x5623) vox = versionAtLeast11;
            if (id == 0x5510) {
                int cameraWords = CompareVersion(2, 0) < 0 ? 2 : 4;
                for (int i = 0; i < cameraWords; ++i)
                    differs = differs || Differs16(m_anCameraWord[i], other.m_anCameraWord[i]);
            }
            break;
        case 5: vox = smart = true; break;
        case 6: vox = true; break;
        case 7: vox = word2 = true; break;
        default: break;
        }
        if (vox) differs = differs || Differs16(m_anVoxSensitivity[0], other.m_anVoxSensitivity[0]);
        if (smart) differs = differs || Differs16(m_anSmartVolume[0], other.m_anSmartVolume[0]);
        if (word2) differs = differs || Differs16(m_anSettingWord[2], other.m_anSettingWord[2]);
    }

    if (mode == 1 && IsFmModel(id)) {
        differs = differs || m_nFmRegion != other.m_nFmRegion || m_nFmMagicCode != other.m_nFmMagicCode ||
                  m_nFmCurrentFrequency != other.m_nFmCurrentFrequency ||
                  m_nFmCurrentPreset != other.m_nFmCurrentPreset || m_bFmRds != other.m_bFmRds;
        int presets = IsSixPresetFmModel(id) ? 6 : DEVICE_FM_PRESETS;
        for (int i = 0; i < presets; ++i) differs = differs || m_anFmPreset[i] != other.m_anFmPreset[i];
    }
    return differs ? 1 : 0;
}
