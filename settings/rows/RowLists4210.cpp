// Rows of model 0x4210 by firmware version: every value from the settings
// words through the record's accessors.
#include "settings/rows/RowLists.h"

namespace rows {

ROWS_DEFINE_LIST(kRows4210Below1_1, &kVoxPhoneBit, &kSidetoneBit, &kSoundWeaveBit, &kOverlaySensitivityWord);

ROWS_DEFINE_LIST(kRows4210From1_1, &kVoxPhoneBit, &kSidetoneBit, &kMotionSensorSensitivity, &kSoundWeaveBit,
                 &kOverlaySensitivityWord, &kNavigationAppSupportBit);

ROWS_DEFINE_LIST(kRows4210From1_2, &kSoundWeaveBit, &kOverlaySensitivityWord, &kNavigationAppSupportBit,
                 &kAudioBoostBit, &kMotionSensorSensitivity, &kVoxPhoneBit, &kHdIntercomBit,
                 &kEightWayIntercomBit, &kVoicePromptBit, &kSidetoneBit, &kQuietSphereBit);

ROWS_DEFINE_LIST(kRows4210From1_5, &kSoundWeaveBit, &kOverlaySensitivityWord, &kNavigationAppSupportBit,
                 &kAudioBoostBit, &kSmartVolumeControlFlags, &kMotionSensorSensitivity, &kVoxPhoneBit,
                 &kHdIntercomBit, &kEightWayIntercomBit, &kVoicePromptBit, &kFmStationGuideBit,
                 &kSidetoneBit, &kQuietSphereBit);

}  // namespace rows
