// Rows of the packed-word models 0x4310, 0x4350, 0x4330, 0x4510, 0x4530,
// 0x4610, 0x2030, 0x4410, 0x4430, and of model 0x5520 by firmware version.
#include "settings/rows/RowLists.h"

namespace rows {

ROWS_DEFINE_LIST(kRows4310, &kSoundWeaveBit, &kOverlaySensitivityWord, &kSoundBlendVolumeManagementBit,
                 &kAudioBoostBit, &kSmartVolumeControlFlags, &kVoxPhoneBit, &kHdIntercomBit,
                 &kEightWayIntercomBit, &kVoicePromptBit, &kFmStationGuideBit, &kSidetoneBit,
                 &kQuietSphereBit, &kVoiceCommandBit);

// The list above without "VOX Phone".
ROWS_DEFINE_LIST(kRows4410, &kSoundWeaveBit, &kOverlaySensitivityWord, &kSoundBlendVolumeManagementBit,
                 &kAudioBoostBit, &kSmartVolumeControlFlags, &kHdIntercomBit, &kEightWayIntercomBit,
                 &kVoicePromptBit, &kFmStationGuideBit, &kSidetoneBit, &kQuietSphereBit, &kVoiceCommandBit);

ROWS_DEFINE_LIST(kRows5520Below1_1, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kVoxSensitivityFiveLevels,
                 &kVoicePrompt, &kHighQualityA2dp, &kSidetone, &kQuietSphere);

ROWS_DEFINE_LIST(kRows5520From1_1, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kHdIntercom,
                 &kVoxSensitivityFiveLevels, &kVoicePrompt, &kHighQualityA2dp, &kSidetone, &kQuietSphere);

ROWS_DEFINE_LIST(kRows5520From1_3, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kHdIntercom,
                 &kVoxSensitivityFiveLevels, &kVoicePrompt, &kFmStationGuide, &kHighQualityA2dp, &kSidetone,
                 &kQuietSphere);

ROWS_DEFINE_LIST(kRows5520From2_0, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kSoundWeave, &kAudioSourcePriority,
                 &kHdVoiceBlended, &kHdIntercomBlended, &kVoxSensitivityFiveLevels, &kVoicePrompt,
                 &kFmStationGuide, &kSidetone, &kQuietSphere);

}  // namespace rows
