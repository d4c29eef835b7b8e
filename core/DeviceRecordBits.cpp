// Bit fields of the raw settings and camera words.
#include "core/DeviceRecord.h"

namespace {

// Settings word 2.
const int BIT_VOICE_COMMAND = 0;
const int BIT_FM_STATION_GUIDE = 5;
const int BIT_EIGHT_WAY_INTERCOM = 6;
const int BIT_AUDIO_BOOST = 7;
const int BIT_QUIET_SPHERE = 8;
const int BIT_NAVIGATION_APP_SUPPORT = 9;
const int BIT_VOICE_PROMPT = 10;
const int BIT_SOUND_WEAVE = 11;
const int BIT_SIDETONE = 12;
const int BIT_HD_INTERCOM = 13;
const int BIT_VOX_PHONE = 15;

// Camera word 0.
const int BIT_PHOTO_MODE = 0;
const int BIT_VIDEO_MODE_OLD = 1;
const int BIT_TIMELAPSE_INTERVAL = 4;
const int BIT_DATE_CAPTION = 5;
const int BIT_SPEAKER_SOUND_RECORDING = 6;
const int BIT_AUTO_CAMERA_SLEEP = 7;
const int BIT_RECORD_MUSIC = 8;
const int BIT_RECORD_FM_RADIO = 9;
const int BIT_RECORD_INTERCOM = 10;
const int BIT_RECORD_PHONE = 11;

int GetBit(int word, int bit) { return (word >> bit) & 1; }

void SetBit(int& word, int bit, int v) {
    if (v) word |= (1 << bit);
    else word &= ~(1 << bit);
}

// The number formed by `count` bits from `low`.
int GetField(int word, int low, int count) { return (word >> low) & ((1 << count) - 1); }

void SetField(int& word, int low, int count, int v) {
    int mask = ((1 << count) - 1) << low;
    word = (word & ~mask) | ((v << low) & mask);
}

// A two-bit choice stored as one of two bits: 0 neither, 1 the lower bit,
// 2 the higher bit; both bits set reads as 0. Other values change nothing.
int GetChoice(int word, int low) {
    int n = GetField(word, low, 2);
    return n == 3 ? 0 : n;
}

void SetChoice(int& word, int low, int v) {
    if (v < 0 || v > 2) return;
    SetField(word, low, 2, v);
}

}  // namespace

// --- m_anSettingWord[2] -------------------------------------------------------

int CDeviceRecord::GetVoiceCommand() const { return GetBit(m_anSettingWord[2], BIT_VOICE_COMMAND); }
int CDeviceRecord::GetFmStationGuide() const { return GetBit(m_anSettingWord[2], BIT_FM_STATION_GUIDE); }
int CDeviceRecord::GetEightWayIntercom() const { return GetBit(m_anSettingWord[2], BIT_EIGHT_WAY_INTERCOM); }
int CDeviceRecord::GetAudioBoost() const { return GetBit(m_anSettingWord[2], BIT_AUDIO_BOOST); }
int CDeviceRecord::GetQuietSphere() const { return GetBit(m_anSettingWord[2], BIT_QUIET_SPHERE); }
int CDeviceRecord::GetNavigationAppSupport() const { return GetBit(m_anSettingWord[2], BIT_NAVIGATION_APP_SUPPORT); }
int CDeviceRecord::GetVoicePrompt() const { return GetBit(m_anSettingWord[2], BIT_VOICE_PROMPT); }
int CDeviceRecord::GetSoundWeave() const { return GetBit(m_anSettingWord[2], BIT_SOUND_WEAVE); }
int CDeviceRecord::GetSidetone() const { return GetBit(m_anSettingWord[2], BIT_SIDETONE); }
int CDeviceRecord::GetHdIntercom() const { return GetBit(m_anSettingWord[2], BIT_HD_INTERCOM); }
int CDeviceRecord::GetVoxPhone() const { return GetBit(m_anSettingWord[2], BIT_VOX_PHONE); }

void CDeviceRecord::SetVoiceCommand(int v) { SetBit(m_anSettingWord[2], BIT_VOICE_COMMAND, v != 0); }
void CDeviceRecord::SetFmStationGuide(int v) { SetBit(m_anSettingWord[2], BIT_FM_STATION_GUIDE, v != 0); }
void CDeviceRecord::SetEightWayIntercom(int v) { SetBit(m_anSettingWord[2], BIT_EIGHT_WAY_INTERCOM, v != 0); }
void CDeviceRecord::SetAudioBoost(int v) { SetBit(m_anSettingWord[2], BIT_AUDIO_BOOST, v != 0); }
void CDeviceRecord::SetQuietSphere(int v) { SetBit(m_anSettingWord[2], BIT_QUIET_SPHERE, v != 0); }
void CDeviceRecord::SetNavigationAppSupport(int v) { SetBit(m_anSettingWord[2], BIT_NAVIGATION_APP_SUPPORT, v != 0); }
void CDeviceRecord::SetVoicePrompt(int v) { SetBit(m_anSettingWord[2], BIT_VOICE_PROMPT, v != 0); }
void CDeviceRecord::SetSoundWeave(int v) { SetBit(m_anSettingWord[2], BIT_SOUND_WEAVE, v != 0); }
void CDeviceRecord::SetSidetone(int v) { SetBit(m_anSettingWord[2], BIT_SIDETONE, v != 0); }
void CDeviceRecord::SetHdIntercom(int v) { SetBit(m_anSettingWord[2], BIT_HD_INTERCOM, v != 0); }
void CDeviceRecord::SetVoxPhone(int v) { SetBit(m_anSettingWord[2], BIT_VOX_PHONE, v != 0); }

int CDeviceRecord::GetSmartVolumeControlFlags() const {
    int w = m_anSettingWord[2];
    if (GetBit(w, 3) || GetBit(w, 4)) return 0;
    return GetField(w, 1, 2);
}

void CDeviceRecord::SetSmartVolumeControlFlags(int v) {
    if (v < 0 || v > 3) return;
    SetField(m_anSettingWord[2], 1, 2, v);
    SetField(m_anSettingWord[2], 3, 2, 0);
}

int CDeviceRecord::GetEssStatus() const { return GetField(m_anSettingWord[2], 0, 2); }

void CDeviceRecord::SetEssStatus(int v) {
    SetField(m_anSettingWord[2], 0, 2, 0);
    if (v >= 1 && v <= 3) SetField(m_anSettingWord[2], 0, 2, v);
}

int CDeviceRecord::GetEssSensitivity() const {
    int w = m_anSettingWord[2];
    if (!GetBit(w, 2)) return 2;
    return GetBit(w, 3) ? 3 : 1;
}

void CDeviceRecord::SetEssSensitivity(int v) {
    SetField(m_anSettingWord[2], 2, 2, 0);
    if (v == 1) SetField(m_anSettingWord[2], 2, 2, 1);
    else if (v == 3) SetField(m_anSettingWord[2], 2, 2, 3);
    else SetField(m_anSettingWord[2], 2, 2, 2);
}

// --- m_anSettingWord[1] and [3] -----------------------------------------------

int CDeviceRecord::GetVoxSensitivityPacked() const {
    int n = GetField(m_anSettingWord[1], 0, 3);
    return n <= 5 ? n : 3;
}

void CDeviceRecord::SetVoxSensitivityPacked(int v) {
    if (v >= 0 && v <= 5) SetField(m_anSettingWord[1], 0, 3, v);
}

int CDeviceRecord::GetSmartVolumeControlPacked() const {
    int n = GetField(m_anSettingWord[1], 3, 3);
    return n <= 2 ? n : 3;
}

void CDeviceRecord::SetSmartVolumeControlPacked(int v) {
    if (v < 0 || v > 3) return;
    SetField(m_anSettingWord[1], 3, 2, v);
    SetField(m_anSettingWord[1], 5, 1, 0);
}

int CDeviceRecord::GetOverlaySensitivityPacked() const {
    int n = GetField(m_anSettingWord[1], 7, 3);
    return n <= 5 ? n : 3;
}

void CDeviceRecord::SetOverlaySensitivityPacked(int v) {
    if (v >= 0 && v <= 5) SetField(m_anSettingWord[1], 7, 3, v);
}

int CDeviceRecord::GetUnitLanguage() const {
    int n = GetField(m_anSettingWord[3], 0, 4);
    return n <= 10 ? n : 0;
}

void CDeviceRecord::SetUnitLanguage(int v) {
    if (v >= 0 && v <= 10) SetField(m_anSettingWord[3], 0, 4, v);
}

int CDeviceRecord::GetChannelSelect() const {
    int w = m_anSettingWord[3];
    int n = GetField(w, 6, 3);
    return (n <= 5 && !GetBit(w, 9)) ? n : 0;
}

// --- whole words --------------------------------------------------------------

int CDeviceRecord::GetOverlaySensitivity() const { return m_anSettingWord[0]; }
int CDeviceRecord::GetMotionSensorSensitivity() const { return m_anSettingWord[3]; }
int CDeviceRecord::GetVoxSensitivity() const { return m_anVoxSensitivity[0]; }
int CDeviceRecord::GetSmartVolumeControl() const { return m_anSmartVolume[0]; }
void CDeviceRecord::SetOverlaySensitivity(int v) { m_anSettingWord[0] = v; }
void CDeviceRecord::SetMotionSensorSensitivity(int v) { m_anSettingWord[3] = v; }
void CDeviceRecord::SetVoxSensitivity(int v) { m_anVoxSensitivity[0] = v; }
void CDeviceRecord::SetSmartVolumeControl(int v) { m_anSmartVolume[0] = v; }

// --- camera words ---------------------------------------------------------------

int CDeviceRecord::GetPhotoMode() const { return GetBit(m_anCameraWord[0], BIT_PHOTO_MODE); }
int CDeviceRecord::GetVideoResolution() const { return GetChoice(m_anCameraWord[0], 2); }
int CDeviceRecord::GetTimelapseInterval() const { return GetBit(m_anCameraWord[0], BIT_TIMELAPSE_INTERVAL); }
int CDeviceRecord::GetDateCaption() const { return GetBit(m_anCameraWord[0], BIT_DATE_CAPTION); }
int CDeviceRecord::GetSpeakerSoundRecording() const { return GetBit(m_anCameraWord[0], BIT_SPEAKER_SOUND_RECORDING); }
int CDeviceRecord::GetAutoCameraSleep() const { return GetBit(m_anCameraWord[0], BIT_AUTO_CAMERA_SLEEP); }
int CDeviceRecord::GetRecordMusic() const { return GetBit(m_anCameraWord[0], BIT_RECORD_MUSIC); }
int CDeviceRecord::GetRecordFmRadio() const { return GetBit(m_anCameraWord[0], BIT_RECORD_FM_RADIO); }
int CDeviceRecord::GetRecordIntercom() const { return GetBit(m_anCameraWord[0], BIT_RECORD_INTERCOM); }
int CDeviceRecord::GetRecordPhone() const { return GetBit(m_anCameraWord[0], BIT_RECORD_PHONE); }
int CDeviceRecord::IsNoRecordingSourceSet() const { return GetField(m_anCameraWord[0], 8, 4) == 0 ? 1 : 0; }
int CDeviceRecord::GetVideoTaggingInterval() const { return GetChoice(m_anCameraWord[2], 0); }
int CDeviceRecord::GetLoopRecordingInterval() const { return GetChoice(m_anCameraWord[2], 2); }
int CDeviceRecord::GetVideoMicrophoneGain() const { return GetChoice(m_anCameraWord[2], 4); }

int CDeviceRecord::GetVideoMode() const {
    if (CompareVersion(2, 0) < 0) return GetBit(m_anCameraWord[0], BIT_VIDEO_MODE_OLD);
    return GetChoice(m_anCameraWord[2], 6);
}

void CDeviceRecord::SetPhotoMode(int v) { SetBit(m_anCameraWord[0], BIT_PHOTO_MODE, v != 0); }
void CDeviceRecord::SetVideoResolution(int v) { SetChoice(m_anCameraWord[0], 2, v); }
void CDeviceRecord::SetTimelapseInterval(int v) { SetBit(m_anCameraWord[0], BIT_TIMELAPSE_INTERVAL, v != 0); }
void CDeviceRecord::SetDateCaption(int v) { SetBit(m_anCameraWord[0], BIT_DATE_CAPTION, v != 0); }
void CDeviceRecord::SetSpeakerSoundRecording(int v) { SetBit(m_anCameraWord[0], BIT_SPEAKER_SOUND_RECORDING, v != 0); }
void CDeviceRecord::SetAutoCameraSleep(int v) { SetBit(m_anCameraWord[0], BIT_AUTO_CAMERA_SLEEP, v != 0); }
void CDeviceRecord::SetRecordMusic(int v) { SetBit(m_anCameraWord[0], BIT_RECORD_MUSIC, v != 0); }
void CDeviceRecord::SetRecordFmRadio(int v) { SetBit(m_anCameraWord[0], BIT_RECORD_FM_RADIO, v != 0); }
void CDeviceRecord::SetRecordIntercom(int v) { SetBit(m_anCameraWord[0], BIT_RECORD_INTERCOM, v != 0); }
void CDeviceRecord::SetRecordPhone(int v) { SetBit(m_anCameraWord[0], BIT_RECORD_PHONE, v != 0); }
void CDeviceRecord::SetVideoTaggingInterval(int v) { SetChoice(m_anCameraWord[2], 0, v); }
void CDeviceRecord::SetLoopRecordingInterval(int v) { SetChoice(m_anCameraWord[2], 2, v); }
void CDeviceRecord::SetVideoMicrophoneGain(int v) { SetChoice(m_anCameraWord[2], 4, v); }

void CDeviceRecord::SetVideoMode(int v) {
    if (CompareVersion(2, 0) < 0) SetBit(m_anCameraWord[0], BIT_VIDEO_MODE_OLD, v != 0);
    else SetChoice(m_anCameraWord[2], 6, v);
}
