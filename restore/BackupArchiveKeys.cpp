#include "restore/BackupArchiveKeys.h"
#include "restore/SettingsArchive.h"

namespace {

typedef CDeviceRecord R;

const wchar_t kSettingWords[] = L"keyBasicSetting60T";
const wchar_t kCameraWords[] = L"keyBasicSetting40ZCamera";

struct MemberKey {
    int R::*member;
    const wchar_t* key;
};

const MemberKey kMemberKeys[] = {
    {&R::m_bHandsfreeVox, L"keyHandsfreeVOX"},   {&R::m_bIntercomVox, L"keyIntercomVOX"},
    {&R::m_bVoicePrompt, L"keyVoicePrompt"},     {&R::m_bBitpoolRate, L"keyBitpoolRate"},
    {&R::m_bSidetone, L"keySidetone"},           {&R::m_bQuietSphere, L"keyQuietSphere"},
    {&R::m_bAudioBoost, L"keyAudioBoost"},       {&R::m_bHdIntercom, L"keyHDIntercom"},
    {&R::m_bFmStationGuide, L"keyFMStationGuide"}, {&R::m_bHdVoice, L"keyHDVoice"},
    {&R::m_bAudioSourcePriority, L"keyAudioSourcePriority"}, {&R::m_bSoundBlend, L"keySoundBlend"},
    {&R::m_bSmartNaviSystem, L"keySmartNaviSystem"},
};

// An accessor and the indexed key (with its index) of the word it reads.
struct AccessorKey {
    int (R::*getter)() const;
    const wchar_t* key;
    int index;
};

const AccessorKey kAccessorKeys[] = {
    {&R::GetOverlaySensitivity, kSettingWords, 1},
    {&R::GetVoxSensitivityPacked, kSettingWords, 2},
    {&R::GetSmartVolumeControlPacked, kSettingWords, 2},
    {&R::GetOverlaySensitivityPacked, kSettingWords, 2},
    {&R::GetVoiceCommand, kSettingWords, 3},
    {&R::GetSmartVolumeControlFlags, kSettingWords, 3},
    {&R::GetEssStatus, kSettingWords, 3},
    {&R::GetEssSensitivity, kSettingWords, 3},
    {&R::GetFmStationGuide, kSettingWords, 3},
    {&R::GetEightWayIntercom, kSettingWords, 3},
    {&R::GetAudioBoost, kSettingWords, 3},
    {&R::GetQuietSphere, kSettingWords, 3},
    {&R::GetNavigationAppSupport, kSettingWords, 3},
    {&R::GetVoicePrompt, kSettingWords, 3},
    {&R::GetSoundWeave, kSettingWords, 3},
    {&R::GetSidetone, kSettingWords, 3},
    {&R::GetHdIntercom, kSettingWords, 3},
    {&R::GetVoxPhone, kSettingWords, 3},
    {&R::GetMotionSensorSensitivity, kSettingWords, 4},
    {&R::GetUnitLanguage, kSettingWords, 4},
    {&R::GetChannelSelect, kSettingWords, 4},
    {&R::GetVoxSensitivity, L"keyBasicSetting40NVOXSensitivity", 1},
    {&R::GetSmartVolumeControl, L"keyBasicSettingHN4SmartVolumeControl", 1},
    {&R::GetPhotoMode, kCameraWords, 1},
    {&R::GetVideoResolution, kCameraWords, 1},
    {&R::GetTimelapseInterval, kCameraWords, 1},
    {&R::GetDateCaption, kCameraWords, 1},
    {&R::GetSpeakerSoundRecording, kCameraWords, 1},
    {&R::GetAutoCameraSleep, kCameraWords, 1},
    {&R::GetRecordMusic, kCameraWords, 1},
    {&R::GetRecordFmRadio, kCameraWords, 1},
    {&R::GetRecordIntercom, kCameraWords, 1},
    {&R::GetRecordPhone, kCameraWords, 1},
    {&R::GetVideoTaggingInterval, kCameraWords, 3},
    {&R::GetLoopRecordingInterval, kCameraWords, 3},
    {&R::GetVideoMicrophoneGain, kCameraWords, 3},
};

}  // namespace

bool ArchiveHeldValue(const rows::ValueSource& source, const CDeviceRecord& record, const CArchivedKeys* keys) {
    if (!keys) return true;
    switch (source.kind) {
    case rows::SourceKind::Member:
        for (const MemberKey& m : kMemberKeys)
            if (m.member == source.member) return keys->Has(m.key);
        return true;
    case rows::SourceKind::SettingWordBit:
    case rows::SourceKind::SettingWordField:
        return keys->Has(kSettingWords, source.word + 1);
    case rows::SourceKind::Accessor:
        // The video mode is in camera word 1 below firmware 2.0, in word 3 from 2.0 on.
        if (source.getter == &R::GetVideoMode) return keys->Has(kCameraWords, record.CompareVersion(2, 0) < 0 ? 1 : 3);
        for (const AccessorKey& a : kAccessorKeys)
            if (a.getter == source.getter) return keys->Has(a.key, a.index);
        return true;
    case rows::SourceKind::None:
        break;
    }
    return true;
}
