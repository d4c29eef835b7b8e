// Help texts of the settings and the notes of the settings page, in the 13
// UI languages. A help text is the title in square brackets, a line break,
// then the body. Some hold "%s" placeholders that the caller fills (noted
// below, in order); every translation holds the same ones. The settings page
// calls these with the UI language of the main dialog. None can fail.
#pragma once
#include "texts/TextGetter.h"

TEXTS_DECLARE_GETTER(GetTextHelpEdr)
TEXTS_DECLARE_GETTER(GetTextHelpPlc)
TEXTS_DECLARE_GETTER(GetTextHelpMicrophoneBoosting)
TEXTS_DECLARE_GETTER(GetTextHelpAutoGainControl)
TEXTS_DECLARE_GETTER(GetTextHelpRadioTransmitGain)     // %s %s: the model's display name twice
TEXTS_DECLARE_GETTER(GetTextHelpAudioChannelTimeout)   // %s %s: the model's display name twice
TEXTS_DECLARE_GETTER(GetTextHelpHighQualityA2dp)
TEXTS_DECLARE_GETTER(GetTextHelpSidetone)
TEXTS_DECLARE_GETTER(GetTextHelpQuietSphere)           // %s: g_txtQuietSphere
TEXTS_DECLARE_GETTER(GetTextHelpMotionSensorSensitivity)  // %s: the model's display name
TEXTS_DECLARE_GETTER(GetTextHelpNavigationAppSupport)  // %s %s: g_txtSoundWeave twice
TEXTS_DECLARE_GETTER(GetTextHelpSoundWeave)            // %s %s: g_txtSoundWeave, g_txtFmRadio
TEXTS_DECLARE_GETTER(GetTextHelpOverlaySensitivity)    // %s: g_txtSoundWeave
TEXTS_DECLARE_GETTER(GetTextHelpOverlaySensitivity5Levels)
TEXTS_DECLARE_GETTER(GetTextHelpUnitLanguage)
TEXTS_DECLARE_GETTER(GetTextHelpAudioBoost)            // %s: g_txtAudioBoost
TEXTS_DECLARE_GETTER(GetTextHelpVoxSensitivityDefault3)
TEXTS_DECLARE_GETTER(GetTextHelpVoxSensitivityDefault2)
TEXTS_DECLARE_GETTER(GetTextHelpVoxSensitivityHighMediumLow)
TEXTS_DECLARE_GETTER(GetTextHelpVoxPhone)
TEXTS_DECLARE_GETTER(GetTextHelpHdIntercom)            // %s: g_txtHdIntercom
TEXTS_DECLARE_GETTER(GetTextHelpEightWayIntercom)      // %s %s: g_txtEightWayIntercom twice
TEXTS_DECLARE_GETTER(GetTextHelpVoicePrompt)
TEXTS_DECLARE_GETTER(GetTextHelpVoxIntercom)           // %s %s: g_txtVoxIntercom twice
TEXTS_DECLARE_GETTER(GetTextHelpPhotoMode)
TEXTS_DECLARE_GETTER(GetTextHelpVideoResolution)
TEXTS_DECLARE_GETTER(GetTextHelpTimelapseInterval)
TEXTS_DECLARE_GETTER(GetTextHelpVideoTaggingInterval)
TEXTS_DECLARE_GETTER(GetTextHelpLoopRecordingInterval)
TEXTS_DECLARE_GETTER(GetTextHelpVideoMicrophoneGain)
TEXTS_DECLARE_GETTER(GetTextHelpDateCaption)
TEXTS_DECLARE_GETTER(GetTextHelpSpeakerSoundRecording)  // %s %s: g_txtSpeakerSoundRecording twice
TEXTS_DECLARE_GETTER(GetTextHelpAutoCameraSleep)       // %s %s: g_txtAutoCameraSleep twice
TEXTS_DECLARE_GETTER(GetTextHelpSmartVolumeControl)
TEXTS_DECLARE_GETTER(GetTextHelpFmStationGuide)
TEXTS_DECLARE_GETTER(GetTextHelpHdVoice)
TEXTS_DECLARE_GETTER(GetTextHelpAudioSourcePriority)
TEXTS_DECLARE_GETTER(GetTextHelpSoundWeaveNoInterruption)
TEXTS_DECLARE_GETTER(GetTextHelpSoundBlend)
TEXTS_DECLARE_GETTER(GetTextHelpSoundBlendMusicGps)
TEXTS_DECLARE_GETTER(GetTextHelpIntercomSoundWeave)
TEXTS_DECLARE_GETTER(GetTextHelpSmartNaviSystem)
TEXTS_DECLARE_GETTER(GetTextHelpGuestMode)
TEXTS_DECLARE_GETTER(GetTextHelpSoundBlendVolumeManagement)
TEXTS_DECLARE_GETTER(GetTextHelpVoiceCommand)
TEXTS_DECLARE_GETTER(GetTextHelpEssStatus)
TEXTS_DECLARE_GETTER(GetTextHelpEssSensitivity)

// Video mode; withLoopRecording gives the longer form that also explains
// loop recording (firmware 2.0 and later).
void GetTextHelpVideoMode(CString& out, int language, bool withLoopRecording);
inline void GetTextHelpVideoMode(CString* out, int language, bool withLoopRecording) {
    if (out) GetTextHelpVideoMode(*out, language, withLoopRecording);
}

// Notes of the settings page (plain texts, no title).
// "If you use BMW Bluetooth onboard audio system (e.g. BMW K1600GT/GTL), please disable this option."
TEXTS_DECLARE_GETTER(GetTextNoteOnboardAudio)
// "NOTE: Changes will be applied after device restarts."
TEXTS_DECLARE_GETTER(GetTextNoteRestartToApply)
