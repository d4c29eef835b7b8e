// Rows of models 0x3030, 0x3040, 0x3050, 0x3060, 0x6210, 0x6400, 0x5910,
// 0x5920, 0x5560, 0x5410, 0x5412 and 0x5414: whole fields and words.
#include "settings/rows/RowLists.h"

namespace rows {

ROWS_DEFINE_LIST(kRows3030, &kVoicePrompt, &kFmStationGuide, &kQuietSphere);

ROWS_DEFINE_LIST(kRows6210Below2_0, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kHdIntercom, &kVoicePrompt,
                 &kFmStationGuide, &kHighQualityA2dp, &kQuietSphere);

ROWS_DEFINE_LIST(kRows6210From2_0, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kSoundWeave, &kAudioSourcePriority,
                 &kHdVoiceBlended, &kHdIntercomBlended, &kVoicePrompt, &kFmStationGuide, &kQuietSphere);

ROWS_DEFINE_LIST(kRows6400, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kSoundWeave, &kAudioSourcePriority,
                 &kHdVoiceBlended, &kHdIntercomBlended, &kVoxSensitivityLowMediumHigh, &kVoicePrompt,
                 &kFmStationGuide, &kQuietSphere);

ROWS_DEFINE_LIST(kRows5910Below1_1, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kHdIntercom, &kVoicePrompt,
                 &kHighQualityA2dp, &kSidetone, &kQuietSphere);

ROWS_DEFINE_LIST(kRows5910From1_1, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kHdIntercom, &kVoicePrompt,
                 &kFmStationGuide, &kHighQualityA2dp, &kSidetone, &kQuietSphere);

// Also 0x5410 from 1.1 to below 2.0.
ROWS_DEFINE_LIST(kRows5560, &kAudioBoost, &kSmartVolumeControl, &kVoxPhone, &kSoundBlendMusicGps,
                 &kHdVoiceBlended, &kVoxSensitivityFiveLevels, &kVoicePrompt, &kSidetone);

ROWS_DEFINE_LIST(kRows5410Below1_1, &kAudioBoost, &kSmartVolumeControl, &kVoxPhone, &kSoundBlendMusicGps,
                 &kVoxSensitivityFiveLevels, &kVoicePrompt, &kSidetone);

ROWS_DEFINE_LIST(kRows5410From2_0, &kAudioBoost, &kSmartVolumeControl, &kVoxPhone, &kVoxIntercom,
                 &kSoundBlendMusicGps, &kAudioSourcePriority, &kHdVoiceBlended, &kHdIntercomBlended,
                 &kVoxSensitivityFiveLevels, &kVoicePrompt, &kSidetone, &kQuietSphere);

// Also 0x5416 from firmware 1.1.
ROWS_DEFINE_LIST(kRows5412Below1_1, &kAudioBoost, &kSmartVolumeControl, &kVoxPhone, &kVoxIntercom, &kSoundBlend,
                 &kAudioSourcePriority, &kHdIntercomBlended, &kVoxSensitivityFiveLevels, &kVoicePrompt,
                 &kFmStationGuide, &kSidetone, &kQuietSphere);

// Also 0x5420 and 0x5418.
ROWS_DEFINE_LIST(kRows5412From1_1, &kAudioBoost, &kSmartVolumeControl, &kVoxPhone, &kVoxIntercom, &kSoundBlend,
                 &kAudioSourcePriority, &kHdVoiceBlended, &kHdIntercomBlended, &kVoxSensitivityFiveLevels,
                 &kVoicePrompt, &kFmStationGuide, &kSidetone, &kQuietSphere);

}  // namespace rows
