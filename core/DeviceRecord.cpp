#include "core/DeviceRecord.h"
#include "core/VersionCompare.h"

namespace {

template <int N>
void CopyWords(int (&dst)[N], const int (&src)[N]) {
    for (int i = 0; i < N; ++i) dst[i] = src[i];
}

const int MODEL_CAMERA_VERSION_ORDER = 0x3020;  // versions read third pair first
const int MODEL_FM_REGION_AMERICAS = 0x4210;

}  // namespace

void CDeviceRecord::CopyClassicSettingsFrom(const CDeviceRecord& src) {
    m_bHandsfreeVox = src.m_bHandsfreeVox;
    m_bIntercomVox = src.m_bIntercomVox;
    m_bEdr = src.m_bEdr;
    m_bVoicePrompt = src.m_bVoicePrompt;
    m_bPlc = src.m_bPlc;
    m_bBitpoolRate = src.m_bBitpoolRate;
    m_bMicrophoneBoost = src.m_bMicrophoneBoost;
    m_bSidetone = src.m_bSidetone;
    m_bQuietSphere = src.m_bQuietSphere;
    m_bAutoGainControl = src.m_bAutoGainControl;
    m_nRadioTransmitGain = src.m_nRadioTransmitGain;
    m_nAudioChannelTimeout = src.m_nAudioChannelTimeout;
}

void CDeviceRecord::CopyNewerSettingsFrom(const CDeviceRecord& src) {
    m_bAudioBoost = src.m_bAudioBoost;
    m_bHdIntercom = src.m_bHdIntercom;
    m_bFmStationGuide = src.m_bFmStationGuide;
    m_bHdVoice = src.m_bHdVoice;
    m_bAudioSourcePriority = src.m_bAudioSourcePriority;
    m_bSoundBlend = src.m_bSoundBlend;
    m_bSmartNaviSystem = src.m_bSmartNaviSystem;
    CopyWords(m_anReservedWord, src.m_anReservedWord);
}

void CDeviceRecord::CopyFmFrom(const CDeviceRecord& src) {
    m_nFmRegion = src.m_nFmRegion;
    m_nFmMagicCode = src.m_nFmMagicCode;
    m_nFmCurrentFrequency = src.m_nFmCurrentFrequency;
    m_nFmCurrentPreset = src.m_nFmCurrentPreset;
    CopyWords(m_anFmPreset, src.m_anFmPreset);
    m_bFmRds = src.m_bFmRds;
}

void CDeviceRecord::CopyFrom(const CDeviceRecord& src, BOOL withVersions) {
    if (&src == this) return;
    m_nManagerVersionMajor = src.m_nManagerVersionMajor;
    m_nManagerVersionMinor = src.m_nManagerVersionMinor;
    m_nModelId = src.m_nModelId;
    m_strBdAddress = src.m_strBdAddress;
    m_strDeviceName = src.m_strDeviceName;
    if (withVersions) {
        m_version = src.m_version;
        m_versionChip1 = src.m_versionChip1;
        m_versionChip2 = src.m_versionChip2;
    }
    m_timeArchived = src.m_timeArchived;
    CopyClassicSettingsFrom(src);
    CopyWords(m_anSettingWord, src.m_anSettingWord);
    CopyWords(m_anCameraWord, src.m_anCameraWord);
    CopyWords(m_anVoxSensitivity, src.m_anVoxSensitivity);
    CopyWords(m_anSmartVolume, src.m_anSmartVolume);
    CopyNewerSettingsFrom(src);
    CopyFmFrom(src);
    for (int i = 0; i < DEVICE_SPEED_DIALS; ++i) m_astrSpeedDial[i] = src.m_astrSpeedDial[i];
}

void CDeviceRecord::InitForSettingPage(CDeviceRecord* dst, const CDeviceRecord* src) {
    if (!dst || !src) return;
    dst->CopyFrom(*src, TRUE);
    dst->SetCapabilities(src->m_nModelId, src->m_version.m_nMajor, src->m_version.m_nMinor);
}

void InitForFmRadioPage(CDeviceRecord& dst, const CDeviceRecord& src) {
    dst.CopyFrom(src, TRUE);
    bool americas = src.m_nModelId == MODEL_FM_REGION_AMERICAS && src.CompareVersion(1, 1) >= 0;
    dst.m_nFmRegion = americas ? 1 : 0;
    for (int i = 0; i < DEVICE_FM_PRESETS; ++i) dst.m_anFmPreset[i] = 0;
    dst.m_bFmRds = 0;
}

void InitForSpeedDialPage(CDeviceRecord& dst, const CDeviceRecord& src) {
    dst.CopyFrom(src, TRUE);
    for (int i = 0; i < DEVICE_SPEED_DIALS; ++i) dst.m_astrSpeedDial[i].Empty();
}

int CDeviceRecord::CompareVersion(int major, int minor) const {
    return CompareMajorMinor(m_version.m_nMajor, m_version.m_nMinor, major, minor);
}

int CDeviceRecord::CompareFullVersion(int major, int minor, int third, int fourth) const {
    return CompareVersionQuad(m_version.m_nMajor, m_version.m_nMinor, m_version.m_nSecondaryVersionType,
                              m_version.m_nSecondaryVersion, major, minor, third, fourth,
                              m_nModelId == MODEL_CAMERA_VERSION_ORDER ? TRUE : FALSE);
}

BOOL CDeviceRecord::ParseVersion(const wchar_t* text) {
    return ParseMajorMinor(text, &m_version.m_nMajor, &m_version.m_nMinor);
}
