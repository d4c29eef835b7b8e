// Rows of models 0x5420, 0x5418, 0x5416 and 0x6010 to 0x6026.
#include "settings/rows/RowLists.h"

namespace rows {

ROWS_DEFINE_LIST(kRows5420, &kAudioBoost, &kSmartVolumeControl, &kVoxPhone, &kVoxIntercom, &kSoundBlend,
                 &kAudioSourcePriority, &kHdVoiceBlended, &kHdIntercomBlended, &kVoxSensitivityFiveLevels,
                 &kVoicePrompt, &kFmStationGuide, &kSidetone, &kQuietSphere);

// No "Sound Blend" row and nothing disabled.
ROWS_DEFINE_LIST(kRows5416Below1_1, &kAudioBoost, &kSmartVolumeControl, &kVoxPhone, &kVoxIntercom,
                 &kAudioSourcePriorityFree, &kHdIntercom, &kVoxSensitivityFiveLevels, &kVoicePrompt,
                 &kFmStationGuide, &kSidetone, &kQuietSphere);

ROWS_DEFINE_LIST(kRows5416From1_1, &kAudioBoost, &kSmartVolumeControl, &kVoxPhone, &kVoxIntercom, &kSoundBlend,
                 &kAudioSourcePriority, &kHdIntercomBlended, &kVoxSensitivityFiveLevels, &kVoicePrompt,
                 &kFmStationGuide, &kSidetone, &kQuietSphere);

ROWS_DEFINE_LIST(kRows6010Below1_2, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kHdIntercom,
                 &kVoxSensitivityFiveLevelsEss, &kVoicePrompt, &kHighQualityA2dp, &kSidetone, &kQuietSphere,
                 &kEssStatus, &kEssSensitivity);

ROWS_DEFINE_LIST(kRows6010From1_2, &kSmartNaviSystem, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kHdIntercom,
                 &kVoxSensitivityFiveLevelsEss, &kVoicePrompt, &kHighQualityA2dp, &kSidetone, &kQuietSphere,
                 &kEssStatus, &kEssSensitivity);

// Also 0x6018 below firmware 1.1.
ROWS_DEFINE_LIST(kRows6014Below1_2, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kHdIntercom,
                 &kVoxSensitivityFiveLevelsEss, &kVoicePrompt, &kHighQualityA2dp, &kSidetone, &kQuietSphere);

// Also 0x6026, and 0x6018 from firmware 1.1.
ROWS_DEFINE_LIST(kRows6014From1_2, &kSmartNaviSystem, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kHdIntercom,
                 &kVoxSensitivityFiveLevelsEss, &kVoicePrompt, &kHighQualityA2dp, &kSidetone, &kQuietSphere);

ROWS_DEFINE_LIST(kRows6020, &kSmartNaviSystem, &kVoxPhone, &kVoxSensitivityFiveLevelsEss, &kVoicePrompt,
                 &kSidetone, &kQuietSphere);

}  // namespace rows
