// Rows of models 0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124 and 0x3126:
// on/off bits of settings words 0 and 1, and packed fields of words 1 and 3.
#include "settings/rows/RowLists.h"

namespace rows {

ROWS_DEFINE_LIST(kRows3110Below1_1, &kAudioBoostWord0, &kVoxPhoneWord0, &kVoxIntercomWord0, &kHdIntercomWord0,
                 &kVoicePromptWord0, &kHighQualityA2dpWord0, &kSidetoneWord0, &kQuietSphereWord0,
                 &kFmStationGuideWord0, &kGuestModeWord0, &kVoxSensitivityPacked, &kSmartVolumeControlPacked,
                 &kSoundBlendVolumeManagementWord1, &kOverlaySensitivityPacked, &kVoiceCommandWord1);

// "HD Intercom" follows "Bluetooth Intercom Sound Weave" (word 1 bit 11).
ROWS_DEFINE_LIST(kRows3110From1_1, &kAudioBoostWord0, &kVoxPhoneWord0, &kVoxIntercomWord0,
                 &kIntercomSoundWeaveWord1, &kHdIntercomWord0Linked, &kVoicePromptWord0, &kHighQualityA2dpWord0,
                 &kSidetoneWord0, &kQuietSphereWord0, &kFmStationGuideWord0, &kGuestModeWord0,
                 &kVoxSensitivityPacked, &kSmartVolumeControlPacked, &kSoundBlendVolumeManagementWord1,
                 &kOverlaySensitivityPacked, &kVoiceCommandWord1);

ROWS_DEFINE_LIST(kRows3110From2_1, &kUnitLanguage, &kAudioBoostWord0, &kVoxPhoneWord0, &kVoxIntercomWord0,
                 &kIntercomSoundWeaveWord1, &kHdIntercomWord0Linked, &kVoicePromptWord0, &kHighQualityA2dpWord0,
                 &kSidetoneWord0, &kQuietSphereWord0, &kFmStationGuideWord0, &kGuestModeWord0,
                 &kVoxSensitivityPacked, &kSmartVolumeControlPacked, &kSoundBlendVolumeManagementWord1,
                 &kOverlaySensitivityPacked, &kVoiceCommandWord1);

ROWS_DEFINE_LIST(kRows3110From2_2, &kUnitLanguage, &kAudioBoostWord0, &kVoxPhoneWord0, &kVoxIntercomWord0,
                 &kIntercomSoundWeaveWord1, &kHdIntercomWord0Linked, &kVoicePromptWord0, &kHighQualityA2dpWord0,
                 &kSidetoneWord0, &kQuietSphereWord0, &kFmStationGuideWord0, &kGuestModeWord0,
                 &kVoxSensitivityPacked, &kSmartVolumeControlPacked, &kSoundBlendVolumeManagementWord1,
                 &kOverlaySensitivityPacked, &kVoiceCommandWord1, &kChannelSelect);

ROWS_DEFINE_LIST(kRows3118, &kUnitLanguage, &kAudioBoostWord0, &kVoxPhoneWord0, &kHdIntercomWord0,
                 &kVoicePromptWord0, &kQuietSphereWord0, &kFmStationGuideWord0, &kVoxSensitivityPacked,
                 &kSoundBlendVolumeManagementWord1, &kOverlaySensitivityPacked);

}  // namespace rows
