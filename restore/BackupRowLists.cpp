#include "restore/BackupRowLists.h"
#include "texts/LabelTables.h"

namespace {

typedef CDeviceRecord R;

BackupFeatureRow Row(const BackupTextTable& label, const BackupSource& source, BackupRule rule) {
    return {&label, source, rule, {nullptr, nullptr, nullptr}};
}

BackupFeatureRow Choice(const BackupTextTable& label, const BackupSource& source, const BackupTextTable& zero,
                        const BackupTextTable& one, const BackupTextTable& other) {
    return {&label, source, kRuleChoice, {&zero, &one, &other}};
}

BackupRowList Join(const BackupRowList& a, const BackupRowList& b) {
    BackupRowList out = a;
    out.insert(out.end(), b.begin(), b.end());
    return out;
}

// --- Rows read from the record's members --------------------------------
const BackupFeatureRow AudioBoost = Row(g_txtAudioBoost, MemberSource(&R::m_bAudioBoost, L"keyAudioBoost"), kRuleEnabledUnlessOne);
const BackupFeatureRow VoxPhone = Row(g_txtVoxPhone, MemberSource(&R::m_bHandsfreeVox, L"keyHandsfreeVOX"), kRuleEnabledIf);
const BackupFeatureRow VoxIntercom = Row(g_txtVoxIntercom, MemberSource(&R::m_bIntercomVox, L"keyIntercomVOX"), kRuleEnabledIf);
const BackupFeatureRow SoundWeave = Row(g_txtSoundWeave, MemberSource(&R::m_bSoundBlend, L"keySoundBlend"), kRuleEnabledIf);
const BackupFeatureRow SoundBlend = Row(g_txtSoundBlend, MemberSource(&R::m_bSoundBlend, L"keySoundBlend"), kRuleEnabledIf);
const BackupFeatureRow AudioSourcePriority =
    Row(g_txtAudioSourcePriority, MemberSource(&R::m_bAudioSourcePriority, L"keyAudioSourcePriority"), kRuleMusicIf);
const BackupFeatureRow HdVoice = Row(g_txtHdVoice, MemberSource(&R::m_bHdVoice, L"keyHDVoice"), kRuleEnabledIf);
const BackupFeatureRow HdIntercom = Row(g_txtHdIntercom, MemberSource(&R::m_bHdIntercom, L"keyHDIntercom"), kRuleEnabledIf);
const BackupFeatureRow VoicePrompt = Row(g_txtVoicePrompt, MemberSource(&R::m_bVoicePrompt, L"keyVoicePrompt"), kRuleEnabledUnlessOne);
const BackupFeatureRow FmStationGuide =
    Row(g_txtFmStationGuide, MemberSource(&R::m_bFmStationGuide, L"keyFMStationGuide"), kRuleEnabledIf);
const BackupFeatureRow HqA2dp = Row(g_txtHighQualityA2dp, MemberSource(&R::m_bBitpoolRate, L"keyBitpoolRate"), kRuleEnabledIf);
const BackupFeatureRow Sidetone = Row(g_txtSidetone, MemberSource(&R::m_bSidetone, L"keySidetone"), kRuleEnabledIf);
const BackupFeatureRow QuietSphere = Row(g_txtQuietSphere, MemberSource(&R::m_bQuietSphere, L"keyQuietSphere"), kRuleEnabledUnlessOne);
const BackupFeatureRow SmartNavi =
    Row(g_txtSmartNaviSystem, MemberSource(&R::m_bSmartNaviSystem, L"keySmartNaviSystem"), kRuleEnabledIf);
// m_anVoxSensitivity[0] and m_anSmartVolume[0].
const BackupFeatureRow VoxSensitivityLevels =
    Row(g_txtVoxSensitivity, AccessorSource(&R::GetVoxSensitivity, L"keyBasicSetting40NVOXSensitivity", 1), kRuleLevels);
const BackupFeatureRow VoxSensitivityLmh =
    Row(g_txtVoxSensitivity, AccessorSource(&R::GetVoxSensitivity, L"keyBasicSetting40NVOXSensitivity", 1), kRuleLowMediumHigh);
const BackupFeatureRow SmartVolume = Row(g_txtSmartVolumeControl,
                                         AccessorSource(&R::GetSmartVolumeControl, L"keyBasicSettingHN4SmartVolumeControl", 1),
                                         kRuleLevelOf);
const BackupFeatureRow EssStatus = Row(g_txtEssStatus, SettingWordSource(&R::GetEssStatus, 2), kRuleEssStatus);
const BackupFeatureRow EssSensitivity = Row(g_txtEssSensitivity, SettingWordSource(&R::GetEssSensitivity, 2), kRuleEssSensitivity);

// --- Rows read through the accessors of the settings words ----------------
const BackupFeatureRow SoundWeaveA = Row(g_txtSoundWeave, SettingWordSource(&R::GetSoundWeave, 2), kRuleEnabledIf);
const BackupFeatureRow OverlaySensitivityA =
    Row(g_txtOverlaySensitivity, SettingWordSource(&R::GetOverlaySensitivity, 0), kRuleElevenMinus);
const BackupFeatureRow SoundBlendVolumeA =
    Row(g_txtSoundBlendVolumeManagement, SettingWordSource(&R::GetNavigationAppSupport, 2), kRuleEnabledIf);
const BackupFeatureRow NavigationAppA =
    Row(g_txtNavigationAppSupport, SettingWordSource(&R::GetNavigationAppSupport, 2), kRuleEnabledIf);
const BackupFeatureRow AudioBoostA = Row(g_txtAudioBoost, SettingWordSource(&R::GetAudioBoost, 2), kRuleEnabledIf);
const BackupFeatureRow SmartVolumeA =
    Row(g_txtSmartVolumeControl, SettingWordSource(&R::GetSmartVolumeControlFlags, 2), kRuleLevelOf);
const BackupFeatureRow MotionSensorA =
    Row(g_txtMotionSensorSensitivity, SettingWordSource(&R::GetMotionSensorSensitivity, 3), kRuleDisableLowHigh);
const BackupFeatureRow VoxPhoneA = Row(g_txtVoxPhone, SettingWordSource(&R::GetVoxPhone, 2), kRuleEnabledIf);
const BackupFeatureRow HdIntercomA = Row(g_txtHdIntercom, SettingWordSource(&R::GetHdIntercom, 2), kRuleEnabledIf);
const BackupFeatureRow EightWayA = Row(g_txtEightWayIntercom, SettingWordSource(&R::GetEightWayIntercom, 2), kRuleEnabledIf);
const BackupFeatureRow VoicePromptA = Row(g_txtVoicePrompt, SettingWordSource(&R::GetVoicePrompt, 2), kRuleEnabledIf);
const BackupFeatureRow FmStationGuideA = Row(g_txtFmStationGuide, SettingWordSource(&R::GetFmStationGuide, 2), kRuleEnabledIf);
const BackupFeatureRow SidetoneA = Row(g_txtSidetone, SettingWordSource(&R::GetSidetone, 2), kRuleEnabledIf);
const BackupFeatureRow QuietSphereA = Row(g_txtQuietSphere, SettingWordSource(&R::GetQuietSphere, 2), kRuleEnabledIf);
const BackupFeatureRow VoiceCommandA = Row(g_txtVoiceCommand, SettingWordSource(&R::GetVoiceCommand, 2), kRuleEnabledIf);

// --- Bits of settings words 0 and 1, and their packed fields --------------
const BackupFeatureRow UnitLanguageB = Row(g_txtUnitLanguage, SettingWordSource(&R::GetUnitLanguage, 3), kRuleUnitLanguage);
const BackupFeatureRow AudioBoostB = Row(g_txtAudioBoost, SettingBitSource(0, 10), kRuleEnabledIfClear);
const BackupFeatureRow VoxPhoneB = Row(g_txtVoxPhone, SettingBitSource(0, 0), kRuleEnabledIf);
const BackupFeatureRow VoxIntercomB = Row(g_txtVoxIntercom, SettingBitSource(0, 1), kRuleEnabledIf);
const BackupFeatureRow IntercomSoundWeaveB = Row(g_txtIntercomSoundWeave, SettingBitSource(1, 11), kRuleEnabledIf);
const BackupFeatureRow HdIntercomB = Row(g_txtHdIntercom, SettingBitSource(0, 11), kRuleEnabledIf);
const BackupFeatureRow VoicePromptB = Row(g_txtVoicePrompt, SettingBitSource(0, 3), kRuleEnabledIfClear);
const BackupFeatureRow HqA2dpB = Row(g_txtHighQualityA2dp, SettingBitSource(0, 5), kRuleEnabledIf);
const BackupFeatureRow SidetoneB = Row(g_txtSidetone, SettingBitSource(0, 8), kRuleEnabledIf);
const BackupFeatureRow QuietSphereB = Row(g_txtQuietSphere, SettingBitSource(0, 9), kRuleEnabledIfClear);
const BackupFeatureRow FmStationGuideB = Row(g_txtFmStationGuide, SettingBitSource(0, 12), kRuleEnabledIf);
const BackupFeatureRow GuestModeB = Row(g_txtGuestMode, SettingBitSource(0, 15), kRuleEnabledIf);
const BackupFeatureRow VoxSensitivityB =
    Row(g_txtVoxSensitivity, SettingWordSource(&R::GetVoxSensitivityPacked, 1), kRuleLevels);
const BackupFeatureRow SmartVolumeB =
    Row(g_txtSmartVolumeControl, SettingWordSource(&R::GetSmartVolumeControlPacked, 1), kRuleLevelOf);
const BackupFeatureRow SoundBlendVolumeB = Row(g_txtSoundBlendVolumeManagement, SettingBitSource(1, 6), kRuleEnabledIf);
const BackupFeatureRow OverlaySensitivityB =
    Row(g_txtOverlaySensitivity, SettingWordSource(&R::GetOverlaySensitivityPacked, 1), kRuleNumber);
const BackupFeatureRow VoiceCommandB = Row(g_txtVoiceCommand, SettingBitSource(1, 10), kRuleEnabledIf);

// --- Camera rows: word 0, and word 2 from firmware 2.0 --------------------
const BackupFeatureRow PhotoMode =
    Choice(g_txtPhotoMode, CameraWordSource(&R::GetPhotoMode, 0), g_txtSingleShot, g_txtBurstShot, g_txtBurstShot);
// Below firmware 2.0 the video mode is bit 1 of word 0, from 2.0 on bits 6-7 of word 2.
const BackupFeatureRow VideoModeTwo =
    Choice(g_txtVideoMode, CameraWordSource(&R::GetVideoMode, 0), g_txtVideoMode, g_txtTimelapseMode, g_txtTimelapseMode);
const BackupFeatureRow VideoModeThree = Choice(g_txtVideoMode, CameraWordSource(&R::GetVideoMode, 2), g_txtVideoMode,
                                               g_txtTimelapseMode, g_txtLoopRecordingMode);
const BackupFeatureRow VideoResolution =
    Choice(g_txtVideoResolution, CameraWordSource(&R::GetVideoResolution, 0), g_txt1080p30, g_txt720p60, g_txt720p30);
const BackupFeatureRow TimelapseInterval =
    Choice(g_txtTimelapseInterval, CameraWordSource(&R::GetTimelapseInterval, 0), g_txt1Sec, g_txtTenSecs, g_txtTenSecs);
const BackupFeatureRow VideoTaggingInterval =
    Choice(g_txtVideoTaggingInterval, CameraWordSource(&R::GetVideoTaggingInterval, 2), g_txt1Min, g_txt3Mins, g_txt5Mins);
const BackupFeatureRow LoopRecordingInterval = Choice(
    g_txtLoopRecordingInterval, CameraWordSource(&R::GetLoopRecordingInterval, 2), g_txt1Min, g_txt3Mins, g_txt5Mins);
const BackupFeatureRow VideoMicrophoneGain =
    Row(g_txtVideoMicrophoneGain, CameraWordSource(&R::GetVideoMicrophoneGain, 2), kRuleGain);
const BackupFeatureRow DateCaption = Row(g_txtDateCaption, CameraWordSource(&R::GetDateCaption, 0), kRuleEnabledIf);
const BackupFeatureRow SpeakerSoundRecording =
    Row(g_txtSpeakerSoundRecording, CameraWordSource(&R::GetSpeakerSoundRecording, 0), kRuleEnabledIf);
const BackupFeatureRow RecordMusic = Row(g_txtRecordMusic, CameraWordSource(&R::GetRecordMusic, 0), kRuleEnabledIf);
const BackupFeatureRow RecordFmRadio = Row(g_txtRecordFmRadio, CameraWordSource(&R::GetRecordFmRadio, 0), kRuleEnabledIf);
const BackupFeatureRow RecordIntercom = Row(g_txtRecordIntercom, CameraWordSource(&R::GetRecordIntercom, 0), kRuleEnabledIf);
const BackupFeatureRow RecordPhone = Row(g_txtRecordPhone, CameraWordSource(&R::GetRecordPhone, 0), kRuleEnabledIf);
const BackupFeatureRow AutoCameraSleep = Row(g_txtAutoCameraSleep, CameraWordSource(&R::GetAutoCameraSleep, 0), kRuleEnabledIf);

const BackupRowList kCameraRows = {PhotoMode,   VideoModeThree, VideoResolution, TimelapseInterval, VideoTaggingInterval,
                                   LoopRecordingInterval, VideoMicrophoneGain, DateCaption, SpeakerSoundRecording,
                                   RecordMusic, RecordFmRadio,  RecordIntercom,  RecordPhone,       AutoCameraSleep};

}  // namespace

namespace backuprows {

const BackupRowList k4510 = {SoundWeaveA, OverlaySensitivityA, SoundBlendVolumeA, AudioBoostA,   SmartVolumeA,
                             VoxPhoneA,   HdIntercomA,         EightWayA,         VoicePromptA,  FmStationGuideA,
                             SidetoneA,   QuietSphereA,        VoiceCommandA};
const BackupRowList k4410 = {SoundWeaveA, OverlaySensitivityA, SoundBlendVolumeA, AudioBoostA,     SmartVolumeA,
                             HdIntercomA, EightWayA,           VoicePromptA,      FmStationGuideA, SidetoneA,
                             QuietSphereA, VoiceCommandA};
const BackupRowList k4210Below11 = {VoxPhoneA, SidetoneA, SoundWeaveA, OverlaySensitivityA};
const BackupRowList k4210Below12 = {VoxPhoneA, SidetoneA, MotionSensorA, SoundWeaveA, OverlaySensitivityA, NavigationAppA};
const BackupRowList k4210Below15 = {SoundWeaveA, OverlaySensitivityA, NavigationAppA, AudioBoostA,
                                    MotionSensorA, VoxPhoneA, HdIntercomA, EightWayA,
                                    VoicePromptA, SidetoneA, QuietSphereA};
const BackupRowList k4210 = {SoundWeaveA,  OverlaySensitivityA, NavigationAppA, AudioBoostA, SmartVolumeA,
                             MotionSensorA, VoxPhoneA,          HdIntercomA,    EightWayA,   VoicePromptA,
                             FmStationGuideA, SidetoneA,        QuietSphereA};

const BackupRowList kAudio12 = {AudioBoost, VoxPhone,             VoxIntercom, SoundWeave,     AudioSourcePriority, HdVoice,
                                HdIntercom, VoxSensitivityLevels, VoicePrompt, FmStationGuide, Sidetone,            QuietSphere};
const BackupRowList kAudio11 = {AudioBoost, VoxPhone,    VoxIntercom,    SoundWeave, AudioSourcePriority, HdVoice,
                                HdIntercom, VoicePrompt, FmStationGuide, Sidetone,   QuietSphere};
const BackupRowList kAudio10 = {AudioBoost,  VoxPhone,       VoxIntercom, HdVoice,  HdIntercom,
                                VoicePrompt, FmStationGuide, HqA2dp,      Sidetone, QuietSphere};
const BackupRowList kVoxSens10 = {AudioBoost,  VoxPhone,       VoxIntercom, HdIntercom, VoxSensitivityLevels,
                                  VoicePrompt, FmStationGuide, HqA2dp,      Sidetone,   QuietSphere};
const BackupRowList kAudio9 = {AudioBoost,     VoxPhone, VoxIntercom, HdIntercom, VoicePrompt,
                               FmStationGuide, HqA2dp,   Sidetone,    QuietSphere};
const BackupRowList kAudio8 = {AudioBoost, VoxPhone, VoxIntercom, HdIntercom, VoicePrompt, HqA2dp, Sidetone, QuietSphere};
const BackupRowList kAudio7 = {AudioBoost, VoxPhone, VoxIntercom, VoicePrompt, HqA2dp, Sidetone, QuietSphere};
const BackupRowList k5520Below11 = {AudioBoost,  VoxPhone, VoxIntercom, VoxSensitivityLevels,
                                    VoicePrompt, HqA2dp,   Sidetone,    QuietSphere};
const BackupRowList k5520Below13 = {AudioBoost, VoxPhone, VoxIntercom, HdIntercom, VoxSensitivityLevels,
                                    VoicePrompt, HqA2dp,  Sidetone,    QuietSphere};
const BackupRowList kFive = {AudioBoost, VoicePrompt, FmStationGuide, HqA2dp, QuietSphere};
const BackupRowList k5524Below11 = {AudioBoost, VoicePrompt, HqA2dp, QuietSphere};
const BackupRowList kSeven = {AudioBoost, SoundWeave, AudioSourcePriority, HdVoice, VoicePrompt, FmStationGuide, QuietSphere};
const BackupRowList k5550Below12 = {AudioBoost, HdIntercom, VoicePrompt, FmStationGuide, HqA2dp, QuietSphere};
const BackupRowList kThree = {VoicePrompt, FmStationGuide, QuietSphere};

const BackupRowList k5412 = {AudioBoost, SmartVolume, VoxPhone,   VoxIntercom, SoundBlend, AudioSourcePriority, HdVoice,
                             HdIntercom, VoxSensitivityLevels, VoicePrompt, FmStationGuide, Sidetone, QuietSphere};
const BackupRowList k5412Below11 = {AudioBoost, SmartVolume, VoxPhone,   VoxIntercom, SoundBlend, AudioSourcePriority,
                                    HdIntercom, VoxSensitivityLevels, VoicePrompt, FmStationGuide, Sidetone, QuietSphere};
const BackupRowList k5416Below11 = {AudioBoost,  SmartVolume, VoxPhone,   VoxIntercom, AudioSourcePriority, HdIntercom,
                                    VoxSensitivityLevels, VoicePrompt, FmStationGuide, Sidetone, QuietSphere};
const BackupRowList k5410 = {AudioBoost, SmartVolume, VoxPhone,   VoxIntercom, SoundBlend, AudioSourcePriority,
                             HdVoice,    HdIntercom,  VoxSensitivityLevels, VoicePrompt, Sidetone, QuietSphere};
const BackupRowList k5410Below20 = {AudioBoost, SmartVolume, VoxPhone, SoundBlend, HdVoice, VoxSensitivityLevels,
                                    VoicePrompt, Sidetone};
const BackupRowList k5410Below11 = {AudioBoost, SmartVolume, VoxPhone, SoundBlend, VoxSensitivityLevels, VoicePrompt, Sidetone};

const BackupRowList kNavi10 = {SmartNavi,   AudioBoost, VoxPhone, VoxIntercom, HdIntercom, VoxSensitivityLevels,
                               VoicePrompt, HqA2dp,     Sidetone, QuietSphere};
const BackupRowList kNavi9 = {AudioBoost, VoxPhone, VoxIntercom, HdIntercom, VoxSensitivityLevels,
                              VoicePrompt, HqA2dp,  Sidetone,    QuietSphere};
const BackupRowList kEss12 = Join(kNavi10, {EssStatus, EssSensitivity});
const BackupRowList kEss11 = Join(kNavi9, {EssStatus, EssSensitivity});
const BackupRowList k6020 = {SmartNavi, VoxPhone, VoxSensitivityLevels, VoicePrompt, Sidetone, QuietSphere};
const BackupRowList k6400 = {AudioBoost, VoxPhone,          VoxIntercom, SoundWeave,     AudioSourcePriority, HdVoice,
                             HdIntercom, VoxSensitivityLmh, VoicePrompt, FmStationGuide, QuietSphere};

const BackupRowList k6210 = {AudioBoost, VoxPhone,    VoxIntercom,    SoundWeave, AudioSourcePriority,
                             HdVoice,    HdIntercom,  VoicePrompt,    FmStationGuide, QuietSphere};
const BackupRowList k6210Below20 = {AudioBoost, VoxPhone, VoxIntercom, HdIntercom, VoicePrompt, FmStationGuide, HqA2dp, QuietSphere};
const BackupRowList k5623 = {AudioBoost, VoxPhone,          VoxIntercom, SoundWeave, AudioSourcePriority, HdVoice,
                             HdIntercom, VoxSensitivityLmh, VoicePrompt, Sidetone,   QuietSphere};
const BackupRowList k5623Below20 = {AudioBoost, VoxPhone, VoxIntercom, HdIntercom, VoxSensitivityLmh,
                                    VoicePrompt, HqA2dp,  Sidetone,    QuietSphere};
const BackupRowList k5623Below11 = {AudioBoost, VoxPhone, VoxIntercom, HdIntercom, VoicePrompt, HqA2dp, Sidetone, QuietSphere};
const BackupRowList k5622 = {AudioBoost, SmartVolume, VoxPhone,          VoxIntercom, SoundWeave,     AudioSourcePriority,
                             HdVoice,    HdIntercom,  VoxSensitivityLmh, VoicePrompt, FmStationGuide, QuietSphere};
const BackupRowList k5624 = {AudioBoost, SmartVolume, VoxPhone,          VoxIntercom, AudioSourcePriority,
                             HdVoice,    HdIntercom,  VoxSensitivityLmh, VoicePrompt, QuietSphere};
const BackupRowList k5622Below20 = {AudioBoost, SmartVolume, VoxPhone, VoxIntercom, HdIntercom, VoxSensitivityLmh,
                                    VoicePrompt, HqA2dp,     QuietSphere};
const BackupRowList k5622Below11 = {AudioBoost, SmartVolume, VoxPhone, VoxIntercom, HdIntercom, VoicePrompt, HqA2dp, QuietSphere};

const BackupRowList k3118 = {UnitLanguageB, AudioBoostB,     VoxPhoneB,       HdIntercomB,       VoicePromptB,
                             QuietSphereB,  FmStationGuideB, VoxSensitivityB, SoundBlendVolumeB, OverlaySensitivityB};
const BackupRowList k31Family16 = {AudioBoostB,  VoxPhoneB,       VoxIntercomB, IntercomSoundWeaveB, HdIntercomB,
                                   VoicePromptB, HqA2dpB,         SidetoneB,    QuietSphereB,        FmStationGuideB,
                                   GuestModeB,   VoxSensitivityB, SmartVolumeB, SoundBlendVolumeB,   OverlaySensitivityB,
                                   VoiceCommandB};
const BackupRowList k31Family17 = Join({UnitLanguageB}, k31Family16);
const BackupRowList k31Family15 = {AudioBoostB,     VoxPhoneB,    VoxIntercomB,      HdIntercomB,         VoicePromptB,
                                   HqA2dpB,         SidetoneB,    QuietSphereB,      FmStationGuideB,     GuestModeB,
                                   VoxSensitivityB, SmartVolumeB, SoundBlendVolumeB, OverlaySensitivityB, VoiceCommandB};

const BackupRowList k5510From30 = Join(kAudio11, kCameraRows);
const BackupRowList k5510From22 = Join(kAudio9, kCameraRows);
const BackupRowList k5510From20 = Join(kAudio8, kCameraRows);
const BackupRowList k5510Below20 = {AudioBoost,   VoxPhone,          VoxIntercom,   VoicePrompt,    HqA2dp,
                                    Sidetone,     QuietSphere,       PhotoMode,     VideoModeTwo,   VideoResolution,
                                    TimelapseInterval, DateCaption,  SpeakerSoundRecording, RecordMusic, RecordFmRadio,
                                    RecordIntercom, RecordPhone,     AutoCameraSleep};

}  // namespace backuprows
