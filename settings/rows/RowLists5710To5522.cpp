// Rows of models 0x5710, 0x5623, 0x5622, 0x5624, 0x5524, 0x5536 and 0x5522.
#include "settings/rows/RowLists.h"

namespace rows {

ROWS_DEFINE_LIST(kRows5710Below1_2, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kHdIntercom, &kVoicePrompt,
                 &kHighQualityA2dp, &kSidetone, &kQuietSphere);
ROWS_SAME_LIST(kRows5623Below1_1, kRows5710Below1_2);

ROWS_DEFINE_LIST(kRows5710From1_2, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kHdIntercom, &kVoicePrompt,
                 &kFmStationGuide, &kHighQualityA2dp, &kSidetone, &kQuietSphere);

ROWS_DEFINE_LIST(kRows5623From1_1, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kHdIntercom,
                 &kVoxSensitivityLowMediumHigh, &kVoicePrompt, &kHighQualityA2dp, &kSidetone, &kQuietSphere);

ROWS_DEFINE_LIST(kRows5623From2_0, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kSoundWeave, &kAudioSourcePriority,
                 &kHdVoiceBlended, &kHdIntercomBlended, &kVoxSensitivityLowMediumHigh, &kVoicePrompt, &kSidetone,
                 &kQuietSphere);

// Shared by 0x5622 and 0x5624 below firmware 2.0.
ROWS_DEFINE_LIST(kRows5622Below1_1, &kAudioBoost, &kSmartVolumeControl, &kVoxPhone, &kVoxIntercom, &kHdIntercom,
                 &kVoicePrompt, &kHighQualityA2dp, &kQuietSphere);

ROWS_DEFINE_LIST(kRows5622From1_1, &kAudioBoost, &kSmartVolumeControl, &kVoxPhone, &kVoxIntercom, &kHdIntercom,
                 &kVoxSensitivityLowMediumHigh, &kVoicePrompt, &kHighQualityA2dp, &kQuietSphere);

ROWS_DEFINE_LIST(kRows5622From2_0, &kAudioBoost, &kSmartVolumeControl, &kVoxPhone, &kVoxIntercom, &kSoundWeave,
                 &kAudioSourcePriority, &kHdVoiceBlended, &kHdIntercomBlended, &kVoxSensitivityLowMediumHigh,
                 &kVoicePrompt, &kFmStationGuide, &kQuietSphere);

// No "Sound Weave" row, yet its field still disables rows 4 to 6.
ROWS_DEFINE_LIST(kRows5624From2_0, &kAudioBoost, &kSmartVolumeControl, &kVoxPhone, &kVoxIntercom,
                 &kAudioSourcePriority, &kHdVoiceBlended, &kHdIntercomBlended, &kVoxSensitivityLowMediumHigh,
                 &kVoicePrompt, &kQuietSphere);

ROWS_DEFINE_LIST(kRows5524Below1_1, &kAudioBoost, &kVoicePrompt, &kHighQualityA2dp, &kQuietSphere);

ROWS_DEFINE_LIST(kRows5524From1_1, &kAudioBoost, &kVoicePrompt, &kFmStationGuide, &kHighQualityA2dp,
                 &kQuietSphere);
ROWS_SAME_LIST(kRows5536, kRows5524From1_1);
ROWS_SAME_LIST(kRows5522, kRows5524From1_1);

ROWS_DEFINE_LIST(kRows5524From2_0, &kAudioBoost, &kSoundWeave, &kAudioSourcePriority, &kHdVoiceBlended,
                 &kVoicePrompt, &kFmStationGuide, &kQuietSphere);

}  // namespace rows
