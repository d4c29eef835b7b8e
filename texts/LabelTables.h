// Translated tables of setting labels and options, laid out [UI language]
// [item]: 13 languages (texts::Language order), built while the program's
// globals are constructed and read-only afterwards. Read the entry of the
// UI language, e.g. g_txtLevels[language][2]; an index outside 0..12 must
// be mapped to English first (texts::LanguageSlot).
#pragma once
#include "framework/String.h"
#include "texts/Language.h"

#define TEXTS_TABLE(name, items) extern CString name[texts::kLanguageCount][items]

// Labels of setting rows.
TEXTS_TABLE(g_txtVoxPhone, 1);                 // "VOX Phone"
TEXTS_TABLE(g_txtVoxIntercom, 1);              // "VOX Intercom"
TEXTS_TABLE(g_txtVoicePrompt, 1);              // "Voice Prompt"
TEXTS_TABLE(g_txtEdrLong, 1);                  // "EDR (Enhanced Data Rate)"
TEXTS_TABLE(g_txtPlc, 1);                      // "PLC (Packet Loss Concealment)"
TEXTS_TABLE(g_txtHighQualityA2dp, 1);          // "High Quality A2DP"
TEXTS_TABLE(g_txtMicrophoneBoosting, 1);       // "Microphone Boosting"
TEXTS_TABLE(g_txtSidetone, 1);                 // "Sidetone"
TEXTS_TABLE(g_txtQuietSphere, 1);              // "Quiet Sphere™"
TEXTS_TABLE(g_txtAutoGainControl, 1);          // "Auto Gain Control"
TEXTS_TABLE(g_txtRadioTransmitGain, 1);        // "Radio Transmit Gain"
TEXTS_TABLE(g_txtAudioChannelTimeout, 1);      // "Audio Channel Timeout"
TEXTS_TABLE(g_txtAudioBoost, 1);               // "Audio Boost"
TEXTS_TABLE(g_txtMotionSensorSensitivity, 1);  // "Motion Sensor Sensitivity"
TEXTS_TABLE(g_txtSoundWeave, 1);               // "Sound Weave™"
TEXTS_TABLE(g_txtOverlaySensitivity, 1);       // "Intercom-sound Blend Sensitivity"
TEXTS_TABLE(g_txtNavigationAppSupport, 1);     // "Navigation App Support"
TEXTS_TABLE(g_txtVoxSensitivity, 1);           // "VOX Sensitivity"
TEXTS_TABLE(g_txtHdIntercom, 1);               // "HD Intercom"
TEXTS_TABLE(g_txtEightWayIntercom, 1);         // "Eight-way Intercom"
TEXTS_TABLE(g_txtPhotoMode, 1);                // "Photo Mode"
TEXTS_TABLE(g_txtVideoMode, 1);                // "Video Mode" (also an option)
TEXTS_TABLE(g_txtVideoResolution, 1);          // "Video Resolution"
TEXTS_TABLE(g_txtTimelapseInterval, 1);        // "Timelapse Interval"
TEXTS_TABLE(g_txtVideoTaggingInterval, 1);     // "Video Tagging Interval"
TEXTS_TABLE(g_txtLoopRecordingInterval, 1);    // "Loop Recording Interval"
TEXTS_TABLE(g_txtVideoMicrophoneGain, 1);      // "Video Microphone Gain"
TEXTS_TABLE(g_txtDateCaption, 1);              // "Date Caption"
TEXTS_TABLE(g_txtSpeakerSoundRecording, 1);    // "Speaker Sound Recording"
TEXTS_TABLE(g_txtRecordMusic, 1);              // "▶ Music"
TEXTS_TABLE(g_txtRecordFmRadio, 1);            // "▶ FM Radio"
TEXTS_TABLE(g_txtRecordIntercom, 1);           // "▶ Intercom"
TEXTS_TABLE(g_txtRecordPhone, 1);              // "▶ Phone"
TEXTS_TABLE(g_txtAutoCameraSleep, 1);          // "Auto Camera Sleep"
TEXTS_TABLE(g_txtSmartVolumeControl, 1);       // "Smart Volume Control"
TEXTS_TABLE(g_txtFmStationGuide, 1);           // "FM Station Guide"
TEXTS_TABLE(g_txtHdVoice, 1);                  // "HD Voice"
TEXTS_TABLE(g_txtAudioSourcePriority, 1);      // "Audio Source Priority"
TEXTS_TABLE(g_txtSoundBlend, 1);               // "Sound Blend™"
TEXTS_TABLE(g_txtIntercomSoundWeave, 1);       // "Bluetooth Intercom Sound Weave™"
TEXTS_TABLE(g_txtSmartNaviSystem, 1);          // "Smart Navi System"
TEXTS_TABLE(g_txtGuestMode, 1);                // "Guest Mode"
TEXTS_TABLE(g_txtVoiceCommand, 1);             // "Voice Command"
TEXTS_TABLE(g_txtSoundBlendVolumeManagement, 1);  // "Sound Blend Volume Management"
TEXTS_TABLE(g_txtUnitLanguage, 1);             // "Unit Language"
TEXTS_TABLE(g_txtChannelSelect, 1);            // "Channel Select"
TEXTS_TABLE(g_txtEssStatus, 1);                // "ESS STATUS"
TEXTS_TABLE(g_txtEssSensitivity, 1);           // "ESS Sensitivity"
TEXTS_TABLE(g_txtFmRadio, 1);                  // "FM Radio"

// Options of list rows.
TEXTS_TABLE(g_txtSingleShot, 1);               // "Single Shot"
TEXTS_TABLE(g_txtBurstShot, 1);                // "Burst Shot"
TEXTS_TABLE(g_txtTimelapseMode, 1);            // "Timelapse Mode"
TEXTS_TABLE(g_txtLoopRecordingMode, 1);        // "Loop Recording Mode"
TEXTS_TABLE(g_txt1080p30, 1);                  // "1080p/30fps"
TEXTS_TABLE(g_txt720p60, 1);                   // "720p/60fps"
TEXTS_TABLE(g_txt720p30, 1);                   // "720p/30fps"
TEXTS_TABLE(g_txt1Sec, 1);                     // "1 sec"
TEXTS_TABLE(g_txt10Secs, 1);                   // "10 secs"
TEXTS_TABLE(g_txt1Min, 1);                     // "1 min"
TEXTS_TABLE(g_txt3Mins, 1);                    // "3 mins"
TEXTS_TABLE(g_txt5Mins, 1);                    // "5 mins"
TEXTS_TABLE(g_txtMusic, 1);                    // "Music"
TEXTS_TABLE(g_txtIntercom, 1);                 // "Intercom"
TEXTS_TABLE(g_txtEssOn, 1);                    // "ESS ON"
TEXTS_TABLE(g_txtPositionLightEssOn, 1);       // "Position Light + ESS ON"
TEXTS_TABLE(g_txtFogLightEssOn, 1);            // "Fog Light + ESS ON"
TEXTS_TABLE(g_txtEssOff, 1);                   // "ESS OFF"
TEXTS_TABLE(g_txtLevels, 10);                  // "Level 1" .. "Level 10"
TEXTS_TABLE(g_txtLowMediumHigh, 3);            // "Low", "Medium", "High"
TEXTS_TABLE(g_txtChannels, 6);                 // "CH 0 (Common)", "CH 1" .. "CH 5"
// "English", "French", "Spanish", "Italian", "German", "Dutch", "Russian",
// "Chinese", "Korean", "Japanese", "Finnish": the headset's voice-prompt
// languages, each named in the UI language.
TEXTS_TABLE(g_txtVoicePromptLanguages, 11);

// The same table as g_txt10Secs.
extern CString (&g_txtTenSecs)[texts::kLanguageCount][1];

// FM radio, speed dial and backup view.
TEXTS_TABLE(g_txtRegion, 1);                   // "Region"
TEXTS_TABLE(g_txtRadioRegion, 1);              // "Radio Region"
TEXTS_TABLE(g_txtFmRadioPresets, 1);           // "FM Radio Presets"
TEXTS_TABLE(g_txtRdsAf, 1);                    // "RDS AF (Alternative Frequencies)"
TEXTS_TABLE(g_txtEmpty, 1);                    // "Empty"
TEXTS_TABLE(g_txtSpeedDial, 1);                // "Speed Dial"
TEXTS_TABLE(g_txtDate, 1);                     // "Date"
// "Worldwide", "Americas", "Asia", "Australia", "Europe", "Japan" (region order)
TEXTS_TABLE(g_txtFmRegions, 6);

#undef TEXTS_TABLE
