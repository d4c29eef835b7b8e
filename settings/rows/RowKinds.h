// The row kinds of the DEVICE SETTING grid: each names, once, a row's label,
// cell, value source with its polarity or index mapping, options, disabling
// rule and help text. The per-model row lists (SettingsListModels.h) are lists
// of these kinds; the fill, the check-box click, the list pick and the help
// click all read the same kind, so a row is filled and stored the same way.
#pragma once
#include "settings/rows/SettingRowTypes.h"

namespace rows {

enum class CellKind : unsigned char { CheckBox, List };

// What else a click on a check box changes (the camera's recording sources).
enum class ClickRule : unsigned char {
    Plain,
    RecordingMaster,  // "Speaker Sound Recording": no sources left means three come back
    RecordingSource,  // a source: the last one switched off switches the master off
};

// A "%s" of a help text: a label table in the UI language, or the display
// name of the target model.
struct HelpFiller {
    LabelTable table = nullptr;
    bool modelName = false;
    bool IsSet() const { return table != nullptr || modelName; }
};

using TextGetter = void (*)(CString&, int);

// The help box of a row: its text getter, the box height and the fillers.
// The video-mode help picks its long form from firmware 2.0 on.
struct HelpText {
    const char* name = nullptr;  // the getter's name without GetTextHelp
    TextGetter getter = nullptr;
    int height = 0;
    HelpFiller fillers[2] = {};
    bool videoMode = false;
    int HeightFor(const CDeviceRecord& deviceRecord) const;
};

struct RowKind {
    const char* name;          // for tests and diagnostics, e.g. "VoxPhone(member)"
    LabelTable label;
    CellKind cell;
    ValueSource source;
    Polarity polarity;         // check boxes
    IndexMap map;              // lists
    OptionList options;        // lists
    DisableRule disable;
    const HelpText* help;      // null: the row explains nothing
    bool helpButton;           // false: column 0 stays empty
    ClickRule click;
};

// The width of every help box.
const int kHelpBoxWidth = 520;

// --- The kinds ---------------------------------------------------------------------
// Bits of m_anSettingWord[2] read through accessors (models 0x4210 to 0x4610, 0x2030).
extern const RowKind kSoundWeaveBit, kOverlaySensitivityWord, kNavigationAppSupportBit,
    kSoundBlendVolumeManagementBit, kAudioBoostBit, kSmartVolumeControlFlags,
    kMotionSensorSensitivity, kVoxPhoneBit, kHdIntercomBit, kEightWayIntercomBit,
    kVoicePromptBit, kFmStationGuideBit, kSidetoneBit, kQuietSphereBit, kVoiceCommandBit;

// Direct flag fields and whole words (most later models).
extern const RowKind kAudioBoost, kVoxPhone, kVoxIntercom, kVoicePrompt, kHighQualityA2dp,
    kSidetone, kQuietSphere, kHdIntercom, kHdIntercomBlended, kFmStationGuide, kSoundWeave,
    kSoundBlend, kSoundBlendMusicGps, kAudioSourcePriority, kAudioSourcePriorityFree,
    kHdVoice, kHdVoiceBlended, kSmartNaviSystem, kVoxSensitivityFiveLevels,
    kVoxSensitivityFiveLevelsEss, kVoxSensitivityLowMediumHigh, kSmartVolumeControl;

// Camera and recording settings (model 0x5510).
extern const RowKind kPhotoMode, kVideoModeTwo, kVideoModeThree, kVideoResolution,
    kTimelapseInterval, kVideoTaggingInterval, kLoopRecordingInterval, kVideoMicrophoneGain,
    kDateCaption, kSpeakerSoundRecording, kRecordMusic, kRecordFmRadio, kRecordIntercom,
    kRecordPhone, kAutoCameraSleep;

// Bits of words 0 and 1 tested in place, and packed fields (models 0x3110 to 0x3126).
extern const RowKind kAudioBoostWord0, kVoxPhoneWord0, kVoxIntercomWord0, kVoicePromptWord0,
    kHighQualityA2dpWord0, kSidetoneWord0, kQuietSphereWord0, kHdIntercomWord0,
    kHdIntercomWord0Linked, kFmStationGuideWord0, kGuestModeWord0,
    kSoundBlendVolumeManagementWord1, kVoiceCommandWord1, kIntercomSoundWeaveWord1,
    kVoxSensitivityPacked, kSmartVolumeControlPacked, kOverlaySensitivityPacked, kUnitLanguage,
    kChannelSelect;

// The ESS settings (models 0x6010 and 0x6012).
extern const RowKind kEssStatus, kEssSensitivity;

}  // namespace rows
