// Everything the program knows about one device: identity, firmware versions,
// the archive time, the settings (on/off members, raw settings words and
// their bit fields), the FM block and the speed-dial numbers.
//
// The member order is part of the record's meaning: the settings are stored
// in ranges, and CopyClassicSettingsFrom / CopyNewerSettingsFrom copy those
// ranges member by member.
#pragma once
#include "framework/WinTypes.h"
#include "framework/String.h"
#include "core/DeviceVersion.h"
#include "core/ModelId.h"

const int DEVICE_SETTING_WORDS = 10;
const int DEVICE_CAMERA_WORDS = 4;
const int DEVICE_VOX_SENSITIVITY_WORDS = 2;
const int DEVICE_SMART_VOLUME_WORDS = 2;
const int DEVICE_RESERVED_WORDS = 7;
const int DEVICE_FM_PRESETS = 10;
const int DEVICE_SPEED_DIALS = 3;

class CDeviceRecord {
public:
    // Identity.
    int m_nManagerVersionMajor = 0;
    int m_nManagerVersionMinor = 0;
    int m_nModelId = 0;
    CString m_strBdAddress;
    CString m_strHardwareVersion;
    CString m_strDeviceName;
    CString m_strExtra;  // the first chip's address as twelve hex digits (HID headsets)
    int m_nHardwareVersionMajor = 0;
    int m_nHardwareVersionMinor = 0;

    // Versions: the device, and the two chips of two-chip models.
    CDeviceVersion m_version;
    CDeviceVersion m_versionChip1;
    CDeviceVersion m_versionChip2;

    // Seconds since 1970, set when the settings archive is written.
    long long m_timeArchived = 0;

    // Classic settings, from m_bHandsfreeVox to m_nAudioChannelTimeout.
    int m_bHandsfreeVox = 0;
    int m_bIntercomVox = 0;
    int m_bEdr = 0;             // 0 = EDR on
    int m_bVoicePrompt = 0;     // 1 = off
    int m_bPlc = 0;
    int m_bBitpoolRate = 0;
    int m_bMicrophoneBoost = 0;
    int m_bSidetone = 0;
    int m_bQuietSphere = 0;     // 1 = off
    int m_bAutoGainControl = 0; // 1 = off
    int m_nRadioTransmitGain = 0;    // 12 Low, 15 Medium, 17 High
    int m_nAudioChannelTimeout = 0;  // seconds

    // Raw words as the headset keeps them (the low 16 bits count).
    int m_anSettingWord[DEVICE_SETTING_WORDS] = {};
    int m_anCameraWord[DEVICE_CAMERA_WORDS] = {};
    int m_anVoxSensitivity[DEVICE_VOX_SENSITIVITY_WORDS] = {};
    int m_anSmartVolume[DEVICE_SMART_VOLUME_WORDS] = {};

    // Newer settings, from m_bAudioBoost to m_bSmartNaviSystem.
    int m_bAudioBoost = 0;      // 1 = off
    int m_bHdIntercom = 0;
    int m_bFmStationGuide = 0;
    int m_bHdVoice = 0;
    int m_bAudioSourcePriority = 0;  // 0 intercom, 1 music
    int m_bSoundBlend = 0;
    int m_bSmartNaviSystem = 0;
    // The seven words between the newer settings and the FM block; stored
    // together with the newer settings.
    int m_anReservedWord[DEVICE_RESERVED_WORDS] = {};

    // FM block (frequencies in 10 kHz units, 0 = empty preset).
    int m_nFmRegion = 0;
    int m_nFmMagicCode = 0;
    int m_nFmCurrentFrequency = 0;
    int m_nFmCurrentPreset = 0;
    int m_anFmPreset[DEVICE_FM_PRESETS] = {};
    int m_bFmRds = 0;

    // Speed-dial numbers, at most 20 characters each.
    CString m_astrSpeedDial[DEVICE_SPEED_DIALS];

    // --- Copies -----------------------------------------------------------
    // Member-wise copy; the three version blocks only with withVersions. The
    // hardware-version members and m_strExtra are never copied.
    void CopyFrom(const CDeviceRecord& src, BOOL withVersions);
    // m_bHandsfreeVox .. m_nAudioChannelTimeout.
    void CopyClassicSettingsFrom(const CDeviceRecord& src);
    // m_bAudioBoost .. m_bSmartNaviSystem and the seven reserved words.
    void CopyNewerSettingsFrom(const CDeviceRecord& src);
    // The FM block.
    void CopyFmFrom(const CDeviceRecord& src);

    // The defaults record of the DEVICE SETTING page: *dst := *src with
    // versions, then SetCapabilities for src's model and firmware.
    static void InitForSettingPage(CDeviceRecord* dst, const CDeviceRecord* src);

    // Factory defaults of a model and firmware version. The settings words
    // are cleared first; for a model it knows, every setting is replaced.
    // Ids it does not know change only what is cleared.
    void SetCapabilities(int modelId, int major, int minor);

    // 1 when a setting that this record's model has differs from other.
    // Mode 0 leaves the FM block out; mode 1 compares it on FM models.
    int DiffersFrom(const CDeviceRecord& other, int mode) const;

    // The on/off settings packed one bit per setting, as the headset keeps
    // them in its settings word; the upper bits depend on m_nModelId.
    WORD PackFeatureWord() const;

    // --- Versions -----------------------------------------------------------
    int CompareVersion(int major, int minor) const;
    int CompareFullVersion(int major, int minor, int third, int fourth) const;
    // "major.minor" into m_version; TRUE when it parsed.
    BOOL ParseVersion(const wchar_t* text);

    // --- Bit fields of the settings words (m_anSettingWord[2]) --------------
    int GetVoiceCommand() const;                 // bit 0
    int GetSmartVolumeControlFlags() const;      // bits 1-2, 0 when bit 3 or 4 is set
    int GetEssStatus() const;                    // bits 0-1
    int GetEssSensitivity() const;               // bits 2-3
    int GetFmStationGuide() const;               // bit 5
    int GetEightWayIntercom() const;             // bit 6
    int GetAudioBoost() const;                   // bit 7
    int GetQuietSphere() const;                  // bit 8
    int GetNavigationAppSupport() const;         // bit 9
    int GetVoicePrompt() const;                  // bit 10
    int GetSoundWeave() const;                   // bit 11
    int GetSidetone() const;                     // bit 12
    int GetHdIntercom() const;                   // bit 13
    int GetVoxPhone() const;                     // bit 15
    void SetVoiceCommand(int v);
    void SetSmartVolumeControlFlags(int v);
    void SetEssStatus(int v);
    void SetEssSensitivity(int v);
    void SetFmStationGuide(int v);
    void SetEightWayIntercom(int v);
    void SetAudioBoost(int v);
    void SetQuietSphere(int v);
    void SetNavigationAppSupport(int v);
    void SetVoicePrompt(int v);
    void SetSoundWeave(int v);
    void SetSidetone(int v);
    void SetHdIntercom(int v);
    void SetVoxPhone(int v);

    // Packed levels of m_anSettingWord[1] and [3].
    int GetVoxSensitivityPacked() const;         // word 1 bits 0-2
    int GetSmartVolumeControlPacked() const;     // word 1 bits 3-5
    int GetOverlaySensitivityPacked() const;     // word 1 bits 7-9
    int GetUnitLanguage() const;                 // word 3 bits 0-3
    int GetChannelSelect() const;                // word 3 bits 6-9
    void SetVoxSensitivityPacked(int v);
    void SetSmartVolumeControlPacked(int v);
    void SetOverlaySensitivityPacked(int v);
    void SetUnitLanguage(int v);

    // Whole words.
    int GetOverlaySensitivity() const;           // m_anSettingWord[0]
    int GetMotionSensorSensitivity() const;      // m_anSettingWord[3]
    int GetVoxSensitivity() const;               // m_anVoxSensitivity[0]
    int GetSmartVolumeControl() const;           // m_anSmartVolume[0]
    void SetOverlaySensitivity(int v);
    void SetMotionSensorSensitivity(int v);
    void SetVoxSensitivity(int v);
    void SetSmartVolumeControl(int v);

    // Camera words.
    int GetPhotoMode() const;                    // word 0 bit 0
    int GetVideoMode() const;                    // below 2.0: word 0 bit 1; else word 2 bits 6-7
    int GetVideoResolution() const;              // word 0 bits 2-3
    int GetTimelapseInterval() const;            // word 0 bit 4
    int GetDateCaption() const;                  // word 0 bit 5
    int GetSpeakerSoundRecording() const;        // word 0 bit 6
    int GetAutoCameraSleep() const;              // word 0 bit 7
    int GetRecordMusic() const;                  // word 0 bit 8
    int GetRecordFmRadio() const;                // word 0 bit 9
    int GetRecordIntercom() const;               // word 0 bit 10
    int GetRecordPhone() const;                  // word 0 bit 11
    int IsNoRecordingSourceSet() const;          // word 0 bits 8-11 all clear
    int GetVideoTaggingInterval() const;         // word 2 bits 0-1
    int GetLoopRecordingInterval() const;        // word 2 bits 2-3
    int GetVideoMicrophoneGain() const;          // word 2 bits 4-5
    void SetPhotoMode(int v);
    void SetVideoMode(int v);
    void SetVideoResolution(int v);
    void SetTimelapseInterval(int v);
    void SetDateCaption(int v);
    void SetSpeakerSoundRecording(int v);
    void SetAutoCameraSleep(int v);
    void SetRecordMusic(int v);
    void SetRecordFmRadio(int v);
    void SetRecordIntercom(int v);
    void SetRecordPhone(int v);
    void SetVideoTaggingInterval(int v);
    void SetLoopRecordingInterval(int v);
    void SetVideoMicrophoneGain(int v);
};

// Defaults of the FM RADIO page: a copy of src with versions, region 1 for
// model 0x4210 from firmware 1.1 on (else 0), all presets empty, RDS AF off.
void InitForFmRadioPage(CDeviceRecord& dst, const CDeviceRecord& src);
// Defaults of the SPEED DIAL page: a copy of src with versions, all numbers empty.
void InitForSpeedDialPage(CDeviceRecord& dst, const CDeviceRecord& src);
