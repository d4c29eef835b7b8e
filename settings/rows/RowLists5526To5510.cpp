// Rows of models 0x5526, 0x5720, 0x5610 to 0x5612, 0x5620, 0x5621 and of the
// camera headset 0x5510 by firmware version.
#include "settings/rows/RowLists.h"

namespace rows {

ROWS_DEFINE_LIST(kRows5526Below2_0, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kHdIntercom,
                 &kVoxSensitivityFiveLevels, &kVoicePrompt, &kFmStationGuide, &kHighQualityA2dp, &kSidetone,
                 &kQuietSphere);
ROWS_SAME_LIST(kRows5720, kRows5526Below2_0);

ROWS_DEFINE_LIST(kRows5526From2_0, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kSoundWeave, &kAudioSourcePriority,
                 &kHdVoiceBlended, &kHdIntercomBlended, &kVoxSensitivityFiveLevels, &kVoicePrompt,
                 &kFmStationGuide, &kSidetone, &kQuietSphere);

ROWS_DEFINE_LIST(kRows5610Below1_1, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kVoicePrompt, &kHighQualityA2dp,
                 &kSidetone, &kQuietSphere);

ROWS_DEFINE_LIST(kRows5610From1_1, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kHdIntercom, &kVoicePrompt,
                 &kHighQualityA2dp, &kSidetone, &kQuietSphere);

ROWS_DEFINE_LIST(kRows5610From2_0, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kSoundWeave, &kAudioSourcePriority,
                 &kHdVoiceBlended, &kHdIntercomBlended, &kVoicePrompt, &kFmStationGuide, &kSidetone,
                 &kQuietSphere);

ROWS_DEFINE_LIST(kRows5510Below2_0, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kVoicePrompt, &kHighQualityA2dp,
                 &kSidetone, &kQuietSphere, &kPhotoMode, &kVideoModeTwo, &kVideoResolution,
                 &kTimelapseInterval, &kDateCaption, &kSpeakerSoundRecording, &kRecordMusic, &kRecordFmRadio,
                 &kRecordIntercom, &kRecordPhone, &kAutoCameraSleep);

ROWS_DEFINE_LIST(kRows5510From2_0, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kHdIntercom, &kVoicePrompt,
                 &kHighQualityA2dp, &kSidetone, &kQuietSphere, &kPhotoMode, &kVideoModeThree,
                 &kVideoResolution, &kTimelapseInterval, &kVideoTaggingInterval, &kLoopRecordingInterval,
                 &kVideoMicrophoneGain, &kDateCaption, &kSpeakerSoundRecording, &kRecordMusic,
                 &kRecordFmRadio, &kRecordIntercom, &kRecordPhone, &kAutoCameraSleep);

ROWS_DEFINE_LIST(kRows5510From2_2, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kHdIntercom, &kVoicePrompt,
                 &kFmStationGuide, &kHighQualityA2dp, &kSidetone, &kQuietSphere, &kPhotoMode,
                 &kVideoModeThree, &kVideoResolution, &kTimelapseInterval, &kVideoTaggingInterval,
                 &kLoopRecordingInterval, &kVideoMicrophoneGain, &kDateCaption, &kSpeakerSoundRecording,
                 &kRecordMusic, &kRecordFmRadio, &kRecordIntercom, &kRecordPhone, &kAutoCameraSleep);

ROWS_DEFINE_LIST(kRows5510From3_0, &kAudioBoost, &kVoxPhone, &kVoxIntercom, &kSoundWeave, &kAudioSourcePriority,
                 &kHdVoiceBlended, &kHdIntercomBlended, &kVoicePrompt, &kFmStationGuide, &kSidetone,
                 &kQuietSphere, &kPhotoMode, &kVideoModeThree, &kVideoResolution, &kTimelapseInterval,
                 &kVideoTaggingInterval, &kLoopRecordingInterval, &kVideoMicrophoneGain, &kDateCaption,
                 &kSpeakerSoundRecording, &kRecordMusic, &kRecordFmRadio, &kRecordIntercom, &kRecordPhone,
                 &kAutoCameraSleep);

}  // namespace rows
