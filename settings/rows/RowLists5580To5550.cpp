// Rows of models 0x5580, 0x5570, 0x5530, 0x5532 and 0x5550: direct flag
// fields and the audio-source list.
#include "settings/rows/RowLists.h"

namespace rows {

ROWS_DEFINE_LIST(kRows5580Below2_0, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kHdIntercom, &kVoicePrompt,
                 &kFmStationGuide, &kHighQualityA2dp, &kSidetone, &kQuietSphere);

// Also 0x5580 and 0x5530 from firmware 2.0.
ROWS_DEFINE_LIST(kRows5570, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kSoundWeave, &kAudioSourcePriority,
                 &kHdVoiceBlended, &kHdIntercomBlended, &kVoicePrompt, &kFmStationGuide, &kSidetone,
                 &kQuietSphere);

ROWS_DEFINE_LIST(kRows5530Below1_4, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kHdIntercom, &kVoicePrompt,
                 &kHighQualityA2dp, &kSidetone, &kQuietSphere);

// Also 0x5530 from 1.4 to below 2.0. HD Voice and HD Intercom are never disabled here.
ROWS_DEFINE_LIST(kRows5532, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kHdVoice, &kHdIntercom, &kVoicePrompt,
                 &kFmStationGuide, &kHighQualityA2dp, &kSidetone, &kQuietSphere);

ROWS_DEFINE_LIST(kRows5550Below1_2, &kAudioBoost, &kHdIntercom, &kVoicePrompt, &kFmStationGuide,
                 &kHighQualityA2dp, &kQuietSphere);

ROWS_DEFINE_LIST(kRows5550From1_2, &kAudioBoost, &kVoicePrompt, &kFmStationGuide, &kHighQualityA2dp,
                 &kQuietSphere);

ROWS_DEFINE_LIST(kRows5550From2_0, &kAudioBoost, &kSoundWeave, &kAudioSourcePriority, &kHdVoiceBlended,
                 &kVoicePrompt, &kFmStationGuide, &kQuietSphere);

}  // namespace rows
