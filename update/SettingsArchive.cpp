#include "update/SettingsArchive.h"
#include "core/DeviceRecord.h"
#include "core/LocalTime.h"
#include "core/ModelCatalog.h"
#include "texts/LanguageNames.h"
#include <windows.h>
#include <cstdio>
#include <cwchar>
#include <string>

namespace {

CString OneLine(const CString& value) {
    CString out;
    for (int i = 0; i < value.GetLength(); ++i)
        if (value[i] != L'\r' && value[i] != L'\n') out += value[i];
    return out;
}

void Number(CString& text, const wchar_t* key, int value) { text.AppendFormat(L"%s=%d\n", key, value); }
void Text(CString& text, const wchar_t* key, const CString& value) {
    text.AppendFormat(L"%s=%s\n", key, (const wchar_t*)OneLine(value));
}
void Indexed(CString& text, const wchar_t* key, const int* values, int count) {
    for (int i = 0; i < count; ++i) text.AppendFormat(L"%s%02d=%d\n", key, i + 1, values[i]);
}

bool StampWriteTime(const CString& path, long long time) {
    HANDLE file = ::CreateFileW(path, FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    ULARGE_INTEGER ticks;
    ticks.QuadPart = (unsigned long long)(time + 11644473600LL) * 10000000ULL;
    FILETIME written = {ticks.LowPart, ticks.HighPart};
    bool ok = time >= 0 && ::SetFileTime(file, nullptr, nullptr, &written) != FALSE;
    return ::CloseHandle(file) && ok;
}

}  // namespace

CString BuildSettingsArchiveText(const CDeviceRecord& r, const struct tm* local) {
    CString t;
    t.AppendFormat(L"keyManagerVersion=%d.%d\n", r.m_nManagerVersionMajor, r.m_nManagerVersionMinor);
    Number(t, L"keyDeviceRecognized", r.m_nModelId);
    Text(t, L"keyDeviceName", r.m_strDeviceName);
    t.AppendFormat(L"keyDeviceVersion=%d.%d\n", r.m_version.m_nMajor, r.m_version.m_nMinor);
    Number(t, L"keyDeviceSecondaryVersionType", r.m_version.m_nSecondaryVersionType);
    Number(t, L"keyDeviceSecondaryVersion", r.m_version.m_nSecondaryVersion);

    CString date;
    if (local) {
        CString format;
        GetTextDateTimeFormat(format, 0);
        wchar_t buffer[128];
        size_t n = std::wcsftime(buffer, 128, format, local);
        if (n > 0) date = CString(buffer, (int)n);
    }
    Text(t, L"keyDateArchived", date);

    Number(t, L"keyIntercomVOX", r.m_bIntercomVox);
    Number(t, L"keyHandsfreeVOX", r.m_bHandsfreeVox);
    Number(t, L"keyEDR", r.m_bEdr);
    Number(t, L"keyVoicePrompt", r.m_bVoicePrompt);
    Number(t, L"keyPLC", r.m_bPlc);
    Number(t, L"keyBitpoolRate", r.m_bBitpoolRate);
    Number(t, L"keyMicrophoneBoost", r.m_bMicrophoneBoost);
    Number(t, L"keySidetone", r.m_bSidetone);
    Number(t, L"keyQuietSphere", r.m_bQuietSphere);
    Number(t, L"keyAutoGainControl", r.m_bAutoGainControl);
    Indexed(t, L"keyBasicSetting60T", r.m_anSettingWord, DEVICE_SETTING_WORDS);
    Indexed(t, L"keyBasicSetting40NVOXSensitivity", r.m_anVoxSensitivity, DEVICE_VOX_SENSITIVITY_WORDS);
    Indexed(t, L"keyBasicSettingHN4SmartVolumeControl", r.m_anSmartVolume, DEVICE_SMART_VOLUME_WORDS);
    Indexed(t, L"keyBasicSetting40ZCamera", r.m_anCameraWord, 2);
    Number(t, L"keyRadioTransmitGain", r.m_nRadioTransmitGain);
    Number(t, L"keyAudioChannelTimeout", r.m_nAudioChannelTimeout);
    Number(t, L"keyAudioBoost", r.m_bAudioBoost);
    Number(t, L"keyHDIntercom", r.m_bHdIntercom);
    Number(t, L"keyFMStationGuide", r.m_bFmStationGuide);
    Number(t, L"keyHDVoice", r.m_bHdVoice);
    Number(t, L"keyFMRadioRegion", r.m_nFmRegion);
    Number(t, L"keyFMRadioMagicCode", r.m_nFmMagicCode);
    Number(t, L"keyFMRadioCurrentFrequency", r.m_nFmCurrentFrequency);
    Number(t, L"keyFMRadioCurrentPreset", r.m_nFmCurrentPreset);
    Indexed(t, L"keyFMRadioPreset", r.m_anFmPreset, DEVICE_FM_PRESETS);
    Number(t, L"keyFMRadioRDS", r.m_bFmRds);
    for (int i = 0; i < DEVICE_SPEED_DIALS; ++i)
        t.AppendFormat(L"keySpeedDial%02d=%s\n", i + 1, (const wchar_t*)OneLine(r.m_astrSpeedDial[i]));

    // Settings the restore page also reads: the newer on/off settings and
    // the camera words that newer firmware shows.
    Number(t, L"keyAudioSourcePriority", r.m_bAudioSourcePriority);
    Number(t, L"keySoundBlend", r.m_bSoundBlend);
    Number(t, L"keySmartNaviSystem", r.m_bSmartNaviSystem);
    t.AppendFormat(L"keyBasicSetting40ZCamera03=%d\n", r.m_anCameraWord[2]);
    t.AppendFormat(L"keyBasicSetting40ZCamera04=%d\n", r.m_anCameraWord[3]);
    return t;
}

CString SettingsArchiveFileName(int targetModel) {
    CString name, file;
    GetModelName(name, targetModel, TRUE);
    file.Format(L"%s.%s", (const wchar_t*)name, L"talvoarch");
    return file;
}

BOOL WriteSettingsArchiveFile(CDeviceRecord* record, int targetModel, const CString& folder) {
    return WriteSettingsArchiveFileAt(record, targetModel, folder, (long long)std::time(nullptr));
}

BOOL WriteSettingsArchiveFileAt(CDeviceRecord* record, int targetModel, const CString& folder, long long now) {
    if (!record) return FALSE;
    const CString path = folder + SettingsArchiveFileName(targetModel);
    const CString temp = path + L".part";

    struct tm local {};
    const bool haveLocal = LocalTimeOf(now, &local);

    CDeviceRecord stamped = *record;
    stamped.m_timeArchived = now;
    CString text = BuildSettingsArchiveText(stamped, haveLocal ? &local : nullptr);
    // Text mode on disk: CR LF line ends, 8-bit text in the system code page.
    CStringA bytes = WideToAnsi(text);
    std::string out;
    out.reserve((size_t)bytes.GetLength() + 64);
    for (int i = 0; i < bytes.GetLength(); ++i) {
        if (bytes[i] == '\n') out += '\r';
        out += bytes[i];
    }

    FILE* f = _wfopen(temp, L"wb");
    if (!f) return FALSE;
    bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    ok = std::fclose(f) == 0 && ok;
    // The file carries the moment as its time of writing: in the hour the
    // clocks are set back, the local date alone names two moments. (Without
    // it the file's own time of writing is a moment later.)
    if (ok) StampWriteTime(temp, now);
    if (!ok || !::MoveFileExW(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileW(temp);
        return FALSE;
    }
    record->m_timeArchived = now;
    return TRUE;
}
