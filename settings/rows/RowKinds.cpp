// The row kinds of the settings grid, with the help texts of their rows.
#include "settings/rows/RowKinds.h"
#include "texts/HelpTexts.h"
#include "texts/LabelTables.h"

namespace rows {

int HelpText::HeightFor(const CDeviceRecord& deviceRecord) const {
    if (videoMode) return IsOlderThan(deviceRecord, 2, 0) ? 190 : 250;
    return height;
}

namespace {

using R = CDeviceRecord;

constexpr HelpFiller Label(LabelTable t) { return HelpFiller{t, false}; }
constexpr HelpFiller ModelName() { return HelpFiller{nullptr, true}; }

#define HELP(id, h, ...) \
    const HelpText kHelp##id = {#id, static_cast<TextGetter>(&GetTextHelp##id), h, {__VA_ARGS__}, false}

HELP(AudioBoost, 150, Label(&g_txtAudioBoost));
HELP(VoxPhone, 150);
HELP(VoxIntercom, 230, Label(&g_txtVoxIntercom), Label(&g_txtVoxIntercom));
HELP(VoicePrompt, 130);
HELP(HighQualityA2dp, 160);
HELP(Sidetone, 160);
HELP(QuietSphere, 160, Label(&g_txtQuietSphere));
HELP(HdIntercom, 160, Label(&g_txtHdIntercom));
HELP(EightWayIntercom, 190, Label(&g_txtEightWayIntercom), Label(&g_txtEightWayIntercom));
HELP(FmStationGuide, 190);
HELP(MotionSensorSensitivity, 170, ModelName());
HELP(NavigationAppSupport, 190, Label(&g_txtSoundWeave), Label(&g_txtSoundWeave));
HELP(SoundWeave, 260, Label(&g_txtSoundWeave), Label(&g_txtFmRadio));
HELP(OverlaySensitivity, 240, Label(&g_txtSoundWeave));
HELP(OverlaySensitivity5Levels, 240);
HELP(UnitLanguage, 180);
HELP(VoxSensitivityDefault3, 180);
HELP(VoxSensitivityDefault2, 180);
HELP(VoxSensitivityHighMediumLow, 180);
HELP(PhotoMode, 170);
HELP(VideoResolution, 160);
HELP(TimelapseInterval, 160);
HELP(VideoTaggingInterval, 160);
HELP(LoopRecordingInterval, 160);
HELP(VideoMicrophoneGain, 160);
HELP(DateCaption, 170);
HELP(SpeakerSoundRecording, 190, Label(&g_txtSpeakerSoundRecording), Label(&g_txtSpeakerSoundRecording));
HELP(AutoCameraSleep, 200, Label(&g_txtAutoCameraSleep), Label(&g_txtAutoCameraSleep));
HELP(SmartVolumeControl, 170);
HELP(HdVoice, 160);
HELP(AudioSourcePriority, 230);
HELP(SoundWeaveNoInterruption, 280);
HELP(SoundBlend, 280);
HELP(SoundBlendMusicGps, 280);
HELP(IntercomSoundWeave, 280);
HELP(SmartNaviSystem, 180);
HELP(GuestMode, 260);
HELP(SoundBlendVolumeManagement, 220);
HELP(VoiceCommand, 180);
HELP(EssStatus, 200);
HELP(EssSensitivity, 200);
#undef HELP

// The video-mode help chooses its getter form by firmware (see the fill's help lookup).
const HelpText kHelpVideoMode = {"VideoMode", nullptr, 190, {}, true};

// Shorthands for the catalogue below.
constexpr ValueSource Bit2(int (R::*get)() const, void (R::*set)(int)) { return FromAccessor(get, set); }
constexpr Polarity kZero = Polarity::CheckedWhenZero;
constexpr Polarity kNonZero = Polarity::CheckedWhenNonZero;
constexpr IndexMap kAsIs = IndexMap::Value;
constexpr IndexMap kMinus1 = IndexMap::ValueMinusOne;
constexpr IndexMap kTenMinus = IndexMap::TenMinusValue;
constexpr OptionList kNoOptions = OptionList::None;

constexpr ValueSource kSoundWeaveAccessor = Bit2(&R::GetSoundWeave, &R::SetSoundWeave);
constexpr ValueSource kSoundBlendField = FromMember(&R::m_bSoundBlend);
constexpr ValueSource kSpeakerRecording = Bit2(&R::GetSpeakerSoundRecording, &R::SetSpeakerSoundRecording);

// While "Sound Weave" (a clear bit 11) is on, the overlay rows rest.
constexpr DisableRule kWhileSoundWeaveBitClear = DisabledWhileZero(kSoundWeaveAccessor);
// While "Sound Weave"/"Sound Blend" (m_bSoundBlend 0) is off, its rows rest.
constexpr DisableRule kWhileSoundBlendSet = DisabledWhileNonZero(kSoundBlendField);
// While "Bluetooth Intercom Sound Weave" (word 1 bit 11 clear) is off.
constexpr DisableRule kWhileIntercomSoundWeaveBitSet = DisabledWhileNonZero(FromSettingWordBit(1, 11));
// While "Speaker Sound Recording" (camera bit 6 clear) is on.
constexpr DisableRule kWhileSpeakerRecordingClear = DisabledWhileZero(kSpeakerRecording);

constexpr DisableRule kFree = NoDisableRule();

constexpr RowKind Check(const char* name, LabelTable label, ValueSource src, Polarity pol, const HelpText& help,
              DisableRule rule = NoDisableRule()) {
    return RowKind{name, label, CellKind::CheckBox, src, pol, kAsIs, kNoOptions, rule, &help, true,
                   ClickRule::Plain};
}

constexpr RowKind List(const char* name, LabelTable label, ValueSource src, IndexMap map, OptionList options,
             const HelpText* help, DisableRule rule = NoDisableRule()) {
    return RowKind{name, label, CellKind::List, src, kZero, map, options, rule, help, true,
                   ClickRule::Plain};
}

constexpr RowKind RecordingSource(const char* name, LabelTable label, ValueSource src) {
    return RowKind{name, label, CellKind::CheckBox, src, kZero, kAsIs, kNoOptions,
                   kWhileSpeakerRecordingClear, nullptr, false, ClickRule::RecordingSource};
}

}  // namespace

// --- Bits of settings word 2 through accessors ---------------------------------------
const RowKind kSoundWeaveBit = Check("SoundWeave(bit)", &g_txtSoundWeave, kSoundWeaveAccessor, kZero, kHelpSoundWeave);
const RowKind kOverlaySensitivityWord =
    List("OverlaySensitivity(word)", &g_txtOverlaySensitivity,
         Bit2(&R::GetOverlaySensitivity, &R::SetOverlaySensitivity), kTenMinus, OptionList::TenLevels,
         &kHelpOverlaySensitivity, kWhileSoundWeaveBitClear);
const RowKind kNavigationAppSupportBit =
    Check("NavigationAppSupport(bit)", &g_txtNavigationAppSupport,
          Bit2(&R::GetNavigationAppSupport, &R::SetNavigationAppSupport), kZero, kHelpNavigationAppSupport,
          kWhileSoundWeaveBitClear);
const RowKind kSoundBlendVolumeManagementBit =
    Check("SoundBlendVolumeManagement(bit)", &g_txtSoundBlendVolumeManagement,
          Bit2(&R::GetNavigationAppSupport, &R::SetNavigationAppSupport), kZero,
          kHelpSoundBlendVolumeManagement, kWhileSoundWeaveBitClear);
const RowKind kAudioBoostBit = Check("AudioBoost(bit)", &g_txtAudioBoost, Bit2(&R::GetAudioBoost, &R::SetAudioBoost), kZero, kHelpAudioBoost);
const RowKind kSmartVolumeControlFlags =
    List("SmartVolumeControl(flags)", &g_txtSmartVolumeControl,
         Bit2(&R::GetSmartVolumeControlFlags, &R::SetSmartVolumeControlFlags), kAsIs,
         OptionList::DisableLowMediumHigh, &kHelpSmartVolumeControl);
const RowKind kMotionSensorSensitivity =
    List("MotionSensorSensitivity", &g_txtMotionSensorSensitivity,
         Bit2(&R::GetMotionSensorSensitivity, &R::SetMotionSensorSensitivity), kMinus1,
         OptionList::DisableLowHigh, &kHelpMotionSensorSensitivity);
const RowKind kVoxPhoneBit = Check("VoxPhone(bit)", &g_txtVoxPhone, Bit2(&R::GetVoxPhone, &R::SetVoxPhone), kZero, kHelpVoxPhone);
const RowKind kHdIntercomBit = Check("HdIntercom(bit)", &g_txtHdIntercom, Bit2(&R::GetHdIntercom, &R::SetHdIntercom), kZero, kHelpHdIntercom);
const RowKind kEightWayIntercomBit = Check("EightWayIntercom(bit)", &g_txtEightWayIntercom, Bit2(&R::GetEightWayIntercom, &R::SetEightWayIntercom), kZero, kHelpEightWayIntercom);
const RowKind kVoicePromptBit = Check("VoicePrompt(bit)", &g_txtVoicePrompt, Bit2(&R::GetVoicePrompt, &R::SetVoicePrompt), kZero, kHelpVoicePrompt);
const RowKind kFmStationGuideBit = Check("FmStationGuide(bit)", &g_txtFmStationGuide, Bit2(&R::GetFmStationGuide, &R::SetFmStationGuide), kZero, kHelpFmStationGuide);
const RowKind kSidetoneBit = Check("Sidetone(bit)", &g_txtSidetone, Bit2(&R::GetSidetone, &R::SetSidetone), kZero, kHelpSidetone);
const RowKind kQuietSphereBit = Check("QuietSphere(bit)", &g_txtQuietSphere, Bit2(&R::GetQuietSphere, &R::SetQuietSphere), kZero, kHelpQuietSphere);
const RowKind kVoiceCommandBit = Check("VoiceCommand(bit)", &g_txtVoiceCommand, Bit2(&R::GetVoiceCommand, &R::SetVoiceCommand), kZero, kHelpVoiceCommand);

// --- Direct flag fields and whole words ------------------------------------------------
const RowKind kAudioBoost = Check("AudioBoost(member)", &g_txtAudioBoost, FromMember(&R::m_bAudioBoost), kNonZero, kHelpAudioBoost);
const RowKind kVoxPhone = Check("VoxPhone(member)", &g_txtVoxPhone, FromMember(&R::m_bHandsfreeVox), kZero, kHelpVoxPhone);
const RowKind kVoxIntercom = Check("VoxIntercom(member)", &g_txtVoxIntercom, FromMember(&R::m_bIntercomVox), kZero, kHelpVoxIntercom);
const RowKind kVoicePrompt = Check("VoicePrompt(member)", &g_txtVoicePrompt, FromMember(&R::m_bVoicePrompt), kNonZero, kHelpVoicePrompt);
const RowKind kHighQualityA2dp = Check("HighQualityA2dp(member)", &g_txtHighQualityA2dp, FromMember(&R::m_bBitpoolRate), kZero, kHelpHighQualityA2dp);
const RowKind kSidetone = Check("Sidetone(member)", &g_txtSidetone, FromMember(&R::m_bSidetone), kZero, kHelpSidetone);
const RowKind kQuietSphere = Check("QuietSphere(member)", &g_txtQuietSphere, FromMember(&R::m_bQuietSphere), kNonZero, kHelpQuietSphere);
const RowKind kHdIntercom = Check("HdIntercom(member)", &g_txtHdIntercom, FromMember(&R::m_bHdIntercom), kZero, kHelpHdIntercom);
const RowKind kHdIntercomBlended = Check("HdIntercom(member, blended)", &g_txtHdIntercom, FromMember(&R::m_bHdIntercom), kZero, kHelpHdIntercom, kWhileSoundBlendSet);
const RowKind kFmStationGuide = Check("FmStationGuide(member)", &g_txtFmStationGuide, FromMember(&R::m_bFmStationGuide), kZero, kHelpFmStationGuide);
const RowKind kSoundWeave = Check("SoundWeave(member)", &g_txtSoundWeave, kSoundBlendField, kZero, kHelpSoundWeaveNoInterruption);
const RowKind kSoundBlend = Check("SoundBlend(member)", &g_txtSoundBlend, kSoundBlendField, kZero, kHelpSoundBlend);
const RowKind kSoundBlendMusicGps = Check("SoundBlend(member, music and GPS)", &g_txtSoundBlend, kSoundBlendField, kZero, kHelpSoundBlendMusicGps);
const RowKind kAudioSourcePriority =
    List("AudioSourcePriority(blended)", &g_txtAudioSourcePriority, FromMember(&R::m_bAudioSourcePriority), kAsIs,
         OptionList::IntercomMusic, &kHelpAudioSourcePriority, kWhileSoundBlendSet);
const RowKind kAudioSourcePriorityFree =
    List("AudioSourcePriority", &g_txtAudioSourcePriority, FromMember(&R::m_bAudioSourcePriority), kAsIs,
         OptionList::IntercomMusic, &kHelpAudioSourcePriority, kFree);
const RowKind kHdVoice = Check("HdVoice(member)", &g_txtHdVoice, FromMember(&R::m_bHdVoice), kZero, kHelpHdVoice);
const RowKind kHdVoiceBlended = Check("HdVoice(member, blended)", &g_txtHdVoice, FromMember(&R::m_bHdVoice), kZero, kHelpHdVoice, kWhileSoundBlendSet);
const RowKind kSmartNaviSystem = Check("SmartNaviSystem(member)", &g_txtSmartNaviSystem, FromMember(&R::m_bSmartNaviSystem), kZero, kHelpSmartNaviSystem);
const RowKind kVoxSensitivityFiveLevels =
    List("VoxSensitivity(five levels)", &g_txtVoxSensitivity, Bit2(&R::GetVoxSensitivity, &R::SetVoxSensitivity), kMinus1,
         OptionList::FiveLevels, &kHelpVoxSensitivityDefault3);
const RowKind kVoxSensitivityFiveLevelsEss =
    List("VoxSensitivity(five levels, default 2)", &g_txtVoxSensitivity, Bit2(&R::GetVoxSensitivity, &R::SetVoxSensitivity), kMinus1,
         OptionList::FiveLevels, &kHelpVoxSensitivityDefault2);
const RowKind kVoxSensitivityLowMediumHigh =
    List("VoxSensitivity(low medium high)", &g_txtVoxSensitivity, Bit2(&R::GetVoxSensitivity, &R::SetVoxSensitivity), kMinus1,
         OptionList::LowMediumHigh, &kHelpVoxSensitivityHighMediumLow);
const RowKind kSmartVolumeControl =
    List("SmartVolumeControl(word)", &g_txtSmartVolumeControl, Bit2(&R::GetSmartVolumeControl, &R::SetSmartVolumeControl), kAsIs,
         OptionList::DisableLowMediumHigh, &kHelpSmartVolumeControl);

// --- Camera ----------------------------------------------------------------------------------
const RowKind kPhotoMode = List("PhotoMode", &g_txtPhotoMode, Bit2(&R::GetPhotoMode, &R::SetPhotoMode), kAsIs, OptionList::PhotoModes, &kHelpPhotoMode);
const RowKind kVideoModeTwo = List("VideoMode(two)", &g_txtVideoMode, Bit2(&R::GetVideoMode, &R::SetVideoMode), kAsIs, OptionList::TwoVideoModes, &kHelpVideoMode);
const RowKind kVideoModeThree = List("VideoMode(three)", &g_txtVideoMode, Bit2(&R::GetVideoMode, &R::SetVideoMode), kAsIs, OptionList::ThreeVideoModes, &kHelpVideoMode);
const RowKind kVideoResolution = List("VideoResolution", &g_txtVideoResolution, Bit2(&R::GetVideoResolution, &R::SetVideoResolution), kAsIs, OptionList::Resolutions, &kHelpVideoResolution);
const RowKind kTimelapseInterval = List("TimelapseInterval", &g_txtTimelapseInterval, Bit2(&R::GetTimelapseInterval, &R::SetTimelapseInterval), kAsIs, OptionList::TimelapseIntervals, &kHelpTimelapseInterval);
const RowKind kVideoTaggingInterval = List("VideoTaggingInterval", &g_txtVideoTaggingInterval, Bit2(&R::GetVideoTaggingInterval, &R::SetVideoTaggingInterval), kAsIs, OptionList::MinuteIntervals, &kHelpVideoTaggingInterval);
const RowKind kLoopRecordingInterval = List("LoopRecordingInterval", &g_txtLoopRecordingInterval, Bit2(&R::GetLoopRecordingInterval, &R::SetLoopRecordingInterval), kAsIs, OptionList::MinuteIntervals, &kHelpLoopRecordingInterval);
const RowKind kVideoMicrophoneGain = List("VideoMicrophoneGain", &g_txtVideoMicrophoneGain, Bit2(&R::GetVideoMicrophoneGain, &R::SetVideoMicrophoneGain), kAsIs, OptionList::LowMediumHigh, &kHelpVideoMicrophoneGain);
const RowKind kDateCaption = Check("DateCaption", &g_txtDateCaption, Bit2(&R::GetDateCaption, &R::SetDateCaption), kZero, kHelpDateCaption);
const RowKind kSpeakerSoundRecording = {
    "SpeakerSoundRecording", &g_txtSpeakerSoundRecording, CellKind::CheckBox, kSpeakerRecording, kZero, kAsIs,
    kNoOptions, kFree, &kHelpSpeakerSoundRecording, true, ClickRule::RecordingMaster};
const RowKind kRecordMusic = RecordingSource("RecordMusic", &g_txtRecordMusic, Bit2(&R::GetRecordMusic, &R::SetRecordMusic));
const RowKind kRecordFmRadio = RecordingSource("RecordFmRadio", &g_txtRecordFmRadio, Bit2(&R::GetRecordFmRadio, &R::SetRecordFmRadio));
const RowKind kRecordIntercom = RecordingSource("RecordIntercom", &g_txtRecordIntercom, Bit2(&R::GetRecordIntercom, &R::SetRecordIntercom));
const RowKind kRecordPhone = RecordingSource("RecordPhone", &g_txtRecordPhone, Bit2(&R::GetRecordPhone, &R::SetRecordPhone));
const RowKind kAutoCameraSleep = Check("AutoCameraSleep", &g_txtAutoCameraSleep, Bit2(&R::GetAutoCameraSleep, &R::SetAutoCameraSleep), kZero, kHelpAutoCameraSleep);

// --- Words 0 and 1 in place, packed fields ----------------------------------------------------
const RowKind kAudioBoostWord0 = Check("AudioBoost(word 0 bit 10)", &g_txtAudioBoost, FromSettingWordBit(0, 10), kNonZero, kHelpAudioBoost);
const RowKind kVoxPhoneWord0 = Check("VoxPhone(word 0 bit 0)", &g_txtVoxPhone, FromSettingWordBit(0, 0), kZero, kHelpVoxPhone);
const RowKind kVoxIntercomWord0 = Check("VoxIntercom(word 0 bit 1)", &g_txtVoxIntercom, FromSettingWordBit(0, 1), kZero, kHelpVoxIntercom);
const RowKind kVoicePromptWord0 = Check("VoicePrompt(word 0 bit 3)", &g_txtVoicePrompt, FromSettingWordBit(0, 3), kNonZero, kHelpVoicePrompt);
const RowKind kHighQualityA2dpWord0 = Check("HighQualityA2dp(word 0 bit 5)", &g_txtHighQualityA2dp, FromSettingWordBit(0, 5), kZero, kHelpHighQualityA2dp);
const RowKind kSidetoneWord0 = Check("Sidetone(word 0 bit 8)", &g_txtSidetone, FromSettingWordBit(0, 8), kZero, kHelpSidetone);
const RowKind kQuietSphereWord0 = Check("QuietSphere(word 0 bit 9)", &g_txtQuietSphere, FromSettingWordBit(0, 9), kNonZero, kHelpQuietSphere);
const RowKind kHdIntercomWord0 = Check("HdIntercom(word 0 bit 11)", &g_txtHdIntercom, FromSettingWordBit(0, 11), kZero, kHelpHdIntercom);
const RowKind kHdIntercomWord0Linked = Check("HdIntercom(word 0 bit 11, linked)", &g_txtHdIntercom, FromSettingWordBit(0, 11), kZero, kHelpHdIntercom, kWhileIntercomSoundWeaveBitSet);
const RowKind kFmStationGuideWord0 = Check("FmStationGuide(word 0 bit 12)", &g_txtFmStationGuide, FromSettingWordBit(0, 12), kZero, kHelpFmStationGuide);
const RowKind kGuestModeWord0 = Check("GuestMode(word 0 bit 15)", &g_txtGuestMode, FromSettingWordBit(0, 15), kZero, kHelpGuestMode);
const RowKind kSoundBlendVolumeManagementWord1 = Check("SoundBlendVolumeManagement(word 1 bit 6)", &g_txtSoundBlendVolumeManagement, FromSettingWordBit(1, 6), kZero, kHelpSoundBlendVolumeManagement);
const RowKind kVoiceCommandWord1 = Check("VoiceCommand(word 1 bit 10)", &g_txtVoiceCommand, FromSettingWordBit(1, 10), kZero, kHelpVoiceCommand);
const RowKind kIntercomSoundWeaveWord1 = Check("IntercomSoundWeave(word 1 bit 11)", &g_txtIntercomSoundWeave, FromSettingWordBit(1, 11), kZero, kHelpIntercomSoundWeave);
const RowKind kVoxSensitivityPacked =
    List("VoxSensitivity(packed)", &g_txtVoxSensitivity, Bit2(&R::GetVoxSensitivityPacked, &R::SetVoxSensitivityPacked), kMinus1,
         OptionList::FiveLevels, &kHelpVoxSensitivityDefault3);
const RowKind kSmartVolumeControlPacked =
    List("SmartVolumeControl(packed)", &g_txtSmartVolumeControl, Bit2(&R::GetSmartVolumeControlPacked, &R::SetSmartVolumeControlPacked), kAsIs,
         OptionList::DisableLowMediumHigh, &kHelpSmartVolumeControl);
const RowKind kOverlaySensitivityPacked =
    List("OverlaySensitivity(packed)", &g_txtOverlaySensitivity, Bit2(&R::GetOverlaySensitivityPacked, &R::SetOverlaySensitivityPacked), kMinus1,
         OptionList::FiveLevels, &kHelpOverlaySensitivity5Levels);
const RowKind kUnitLanguage =
    List("UnitLanguage", &g_txtUnitLanguage, Bit2(&R::GetUnitLanguage, &R::SetUnitLanguage), kAsIs,
         OptionList::UnitLanguages, &kHelpUnitLanguage);
// The channel is bits 6-8 of word 3; bit 9 set reads as channel 0, so a pick clears it.
const RowKind kChannelSelect =
    List("ChannelSelect", &g_txtChannelSelect, FromSettingWordField(&R::GetChannelSelect, 3, 6, 3, 1 << 9), kAsIs,
         OptionList::Channels, nullptr);

// --- ESS --------------------------------------------------------------------------------------
const RowKind kEssStatus = List("EssStatus", &g_txtEssStatus, Bit2(&R::GetEssStatus, &R::SetEssStatus), kAsIs, OptionList::EssStates, &kHelpEssStatus);
const RowKind kEssSensitivity = List("EssSensitivity", &g_txtEssSensitivity, Bit2(&R::GetEssSensitivity, &R::SetEssSensitivity), kMinus1, OptionList::LowMediumHigh, &kHelpEssSensitivity);

}  // namespace rows
