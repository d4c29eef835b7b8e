#include "restore/SettingsArchive.h"
#include <windows.h>
#include <ctime>
#include <cwchar>
#include <fstream>
#include <sstream>
#include "core/LocalTime.h"
#include "core/ModelCatalog.h"
#include "core/TextLines.h"
#include "core/VersionCompare.h"

namespace {

enum ValueKind { kInt, kText, kManagerVersion, kDeviceVersion, kDate };

typedef int* (*IntField)(CDeviceRecord&, int index);
typedef CString* (*TextField)(CDeviceRecord&, int index);

struct ArchiveKey {
    const wchar_t* name;
    int count;        // 0 an exact key; else an indexed key with indices 01..count
    ValueKind kind;
    IntField intField;
    TextField textField;
    bool setting;     // a setting that is written back after a restore
};

#define INT_FIELD(expr) [](CDeviceRecord& r, int i) -> int* { (void)i; return &(expr); }
#define TEXT_FIELD(expr) [](CDeviceRecord& r, int i) -> CString* { (void)i; return &(expr); }

const ArchiveKey kKeys[] = {
    {L"keyManagerVersion", 0, kManagerVersion, nullptr, nullptr, false},
    {L"keyDeviceRecognized", 0, kInt, INT_FIELD(r.m_nModelId), nullptr, false},
    {L"keyDeviceName", 0, kText, nullptr, TEXT_FIELD(r.m_strDeviceName), false},
    {L"keyDeviceVersion", 0, kDeviceVersion, nullptr, nullptr, false},
    {L"keyDeviceSecondaryVersionType", 0, kInt, INT_FIELD(r.m_version.m_nSecondaryVersionType), nullptr, false},
    {L"keyDeviceSecondaryVersion", 0, kInt, INT_FIELD(r.m_version.m_nSecondaryVersion), nullptr, false},
    {L"keyDateArchived", 0, kDate, nullptr, nullptr, false},
    {L"keyIntercomVOX", 0, kInt, INT_FIELD(r.m_bIntercomVox), nullptr, true},
    {L"keyHandsfreeVOX", 0, kInt, INT_FIELD(r.m_bHandsfreeVox), nullptr, true},
    {L"keyEDR", 0, kInt, INT_FIELD(r.m_bEdr), nullptr, true},
    {L"keyVoicePrompt", 0, kInt, INT_FIELD(r.m_bVoicePrompt), nullptr, true},
    {L"keyPLC", 0, kInt, INT_FIELD(r.m_bPlc), nullptr, true},
    {L"keyBitpoolRate", 0, kInt, INT_FIELD(r.m_bBitpoolRate), nullptr, true},
    {L"keyMicrophoneBoost", 0, kInt, INT_FIELD(r.m_bMicrophoneBoost), nullptr, true},
    {L"keySidetone", 0, kInt, INT_FIELD(r.m_bSidetone), nullptr, true},
    {L"keyQuietSphere", 0, kInt, INT_FIELD(r.m_bQuietSphere), nullptr, true},
    {L"keyAutoGainControl", 0, kInt, INT_FIELD(r.m_bAutoGainControl), nullptr, true},
    {L"keyBasicSetting60T", DEVICE_SETTING_WORDS, kInt, INT_FIELD(r.m_anSettingWord[i]), nullptr, true},
    {L"keyBasicSetting40NVOXSensitivity", DEVICE_VOX_SENSITIVITY_WORDS, kInt, INT_FIELD(r.m_anVoxSensitivity[i]), nullptr, true},
    {L"keyBasicSettingHN4SmartVolumeControl", DEVICE_SMART_VOLUME_WORDS, kInt, INT_FIELD(r.m_anSmartVolume[i]), nullptr, true},
    {L"keyBasicSetting40ZCamera", DEVICE_CAMERA_WORDS, kInt, INT_FIELD(r.m_anCameraWord[i]), nullptr, true},
    {L"keyRadioTransmitGain", 0, kInt, INT_FIELD(r.m_nRadioTransmitGain), nullptr, true},
    {L"keyAudioChannelTimeout", 0, kInt, INT_FIELD(r.m_nAudioChannelTimeout), nullptr, true},
    {L"keyFMRadioMagicCode", 0, kInt, INT_FIELD(r.m_nFmMagicCode), nullptr, true},
    {L"keyFMRadioCurrentFrequency", 0, kInt, INT_FIELD(r.m_nFmCurrentFrequency), nullptr, true},
    {L"keyFMRadioCurrentPreset", 0, kInt, INT_FIELD(r.m_nFmCurrentPreset), nullptr, true},
    {L"keyFMRadioPreset", DEVICE_FM_PRESETS, kInt, INT_FIELD(r.m_anFmPreset[i]), nullptr, true},
    {L"keyFMRadioRDS", 0, kInt, INT_FIELD(r.m_bFmRds), nullptr, true},
    {L"keyFMRadioRegion", 0, kInt, INT_FIELD(r.m_nFmRegion), nullptr, true},
    {L"keySpeedDial", DEVICE_SPEED_DIALS, kText, nullptr, TEXT_FIELD(r.m_astrSpeedDial[i]), true},
    {L"keyAudioBoost", 0, kInt, INT_FIELD(r.m_bAudioBoost), nullptr, true},
    {L"keyHDIntercom", 0, kInt, INT_FIELD(r.m_bHdIntercom), nullptr, true},
    {L"keyFMStationGuide", 0, kInt, INT_FIELD(r.m_bFmStationGuide), nullptr, true},
    {L"keyHDVoice", 0, kInt, INT_FIELD(r.m_bHdVoice), nullptr, true},
    {L"keyAudioSourcePriority", 0, kInt, INT_FIELD(r.m_bAudioSourcePriority), nullptr, true},
    {L"keySoundBlend", 0, kInt, INT_FIELD(r.m_bSoundBlend), nullptr, true},
    {L"keySmartNaviSystem", 0, kInt, INT_FIELD(r.m_bSmartNaviSystem), nullptr, true},
};

#undef INT_FIELD
#undef TEXT_FIELD

const int kKeyCount = (int)(sizeof(kKeys) / sizeof(kKeys[0]));

// The first presence bit of each key.
int FirstSlot(int keyIndex) {
    int slot = 0;
    for (int k = 0; k < keyIndex; ++k) slot += kKeys[k].count ? kKeys[k].count : 1;
    return slot;
}

// A leading decimal integer: blanks and a sign allowed, 0 when there is none.
int LeadingInt(const CString& value) {
    return (int)wcstol(value.GetString(), nullptr, 10);
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// The index of an indexed key: exactly two digits after the prefix, 1..count.
int KeyIndex(const CString& key, const ArchiveKey& entry) {
    int prefix = (int)wcslen(entry.name);
    if (key.GetLength() != prefix + 2) return 0;
    if (wcsncmp(key.GetString(), entry.name, (size_t)prefix) != 0) return 0;
    wchar_t tens = key[prefix], ones = key[prefix + 1];
    if (!IsDigit(tens) || !IsDigit(ones)) return 0;
    int index = (tens - L'0') * 10 + (ones - L'0');
    return (index >= 1 && index <= entry.count) ? index : 0;
}

int DaysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// "MM/DD/YYYY HH:MM:SS" in local time; FALSE for anything else. Of the two
// moments a local time names in the hour the clocks are set back, the one
// nearer to hint is taken.
BOOL ParseArchiveDate(const CString& value, long long hint, long long* time) {
    static const wchar_t kPattern[] = L"00/00/0000 00:00:00";
    const int length = (int)wcslen(kPattern);
    if (value.GetLength() != length) return FALSE;
    for (int i = 0; i < length; ++i) {
        if (kPattern[i] == L'0' ? !IsDigit(value[i]) : value[i] != kPattern[i]) return FALSE;
    }
    auto field = [&](int at, int digits) {
        int n = 0;
        for (int i = 0; i < digits; ++i) n = n * 10 + (value[at + i] - L'0');
        return n;
    };
    int month = field(0, 2), day = field(3, 2), year = field(6, 4);
    int hour = field(11, 2), minute = field(14, 2), second = field(17, 2);
    if (year < 1970 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return FALSE;
    if (hour > 23 || minute > 59 || second > 59) return FALSE;
    struct tm t = {};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    long long made = 0;
    if (!MomentOfLocalTime(t, hint, &made) || made <= 0) return FALSE;
    *time = made;
    return TRUE;
}

void StoreValue(const ArchiveKey& entry, int index, const CString& value, CDeviceRecord* record,
                CArchivedKeys* keys, int slot, long long timeHint) {
    int at = index > 0 ? index - 1 : 0;
    switch (entry.kind) {
    case kInt:
        *entry.intField(*record, at) = LeadingInt(value);
        break;
    case kText:
        *entry.textField(*record, at) = value;
        break;
    case kManagerVersion: {
        int major = 0, minor = 0;
        if (!ParseMajorMinor(value, &major, &minor)) return;
        record->m_nManagerVersionMajor = major;
        record->m_nManagerVersionMinor = minor;
        break;
    }
    case kDeviceVersion: {
        int major = 0, minor = 0;
        // A version that is not "major.minor" is as good as none.
        if (!ParseMajorMinor(value, &major, &minor)) return;
        record->m_version.m_nMajor = major;
        record->m_version.m_nMinor = minor;
        break;
    }
    case kDate: {
        long long time = 0;
        if (!ParseArchiveDate(value, timeHint, &time)) return;  // the date stays unknown
        record->m_timeArchived = time;
        break;
    }
    }
    keys->Set(slot);
}

void ParseLine(const CString& line, CDeviceRecord* record, CArchivedKeys* keys, long long timeHint) {
    CString key, value;
    if (!SplitKeyValue(line, &key, &value)) return;
    for (int k = 0; k < kKeyCount; ++k) {
        const ArchiveKey& entry = kKeys[k];
        int index = 0;
        if (entry.count == 0) {
            if (key != entry.name) continue;
        } else {
            index = KeyIndex(key, entry);
            if (index == 0) continue;
        }
        StoreValue(entry, index, value, record, keys, FirstSlot(k) + (index > 0 ? index - 1 : 0), timeHint);
        return;
    }
}

int FindKey(const wchar_t* name) {
    for (int k = 0; k < kKeyCount; ++k)
        if (wcscmp(kKeys[k].name, name) == 0) return k;
    return -1;
}

}  // namespace

bool CArchivedKeys::Has(const wchar_t* key, int index) const {
    int k = FindKey(key);
    if (k < 0) return false;
    if (kKeys[k].count == 0) return index == 0 && Test(FirstSlot(k));
    return index >= 1 && index <= kKeys[k].count && Test(FirstSlot(k) + index - 1);
}

CString SettingsArchivePath(const CString& imageFolder, int modelId) {
    CString name;
    GetModelName(name, modelId, TRUE);
    CString path;
    path.Format(L"%s%s.%s", imageFolder.GetString(), name.GetString(), L"talvoarch");
    return path;
}

CString DecodeArchiveBytes(const std::string& bytes, unsigned codePage) {
    if (bytes.empty()) return CString();
    UINT cp = codePage ? codePage : CP_ACP;
    int n = ::MultiByteToWideChar(cp, 0, bytes.data(), (int)bytes.size(), nullptr, 0);
    if (n <= 0) return CString();
    std::wstring wide((size_t)n, L'\0');
    ::MultiByteToWideChar(cp, 0, bytes.data(), (int)bytes.size(), &wide[0], n);
    // Text ends at a zero byte, as it would in a C string.
    size_t nul = wide.find(L'\0');
    if (nul != std::wstring::npos) wide.resize(nul);
    return CString(wide);
}

void ParseSettingsArchive(const CString& text, CDeviceRecord* record, CArchivedKeys* keys, long long timeHint) {
    *record = CDeviceRecord();
    keys->Clear();
    CLineReader lines(text);
    CString line;
    while (lines.Next(&line)) ParseLine(line, record, keys, timeHint);
    if (record->m_nFmRegion < 0 || record->m_nFmRegion > 5) record->m_nFmRegion = 0;
}

BOOL IsArchiveVersionRestorable(const CDeviceRecord& record) {
    int model = record.m_nModelId;
    if (model == 0x4D35 && record.CompareVersion(1, 2) < 0) return FALSE;
    switch (model) {
    case 0x4D30: case 0x4D40: case 0x5060: case 0x5061: case 0x5070: case 0x5080:
        if (record.CompareVersion(4, 2) < 0) return FALSE;
        break;
    default: break;
    }
    return TRUE;
}

ArchiveReadResult ReadSettingsArchiveFile(const CString& path, CDeviceRecord* record, CArchivedKeys* keys,
                                          unsigned codePage) {
    *record = CDeviceRecord();
    keys->Clear();
    HANDLE file = ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return ARCHIVE_MISSING;
    std::string bytes;
    char chunk[1024];
    DWORD got = 0;
    while (::ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got > 0) bytes.append(chunk, got);
    // The file's time of writing is the moment the archive was written.
    FILETIME written = {};
    long long writtenAt = 0;
    if (::GetFileTime(file, nullptr, nullptr, &written)) {
        ULARGE_INTEGER ticks = {{written.dwLowDateTime, written.dwHighDateTime}};
        writtenAt = (long long)(ticks.QuadPart / 10000000ULL) - 11644473600LL;
        if (writtenAt < 0) writtenAt = 0;
    }
    ::CloseHandle(file);

    ParseSettingsArchive(DecodeArchiveBytes(bytes, codePage), record, keys, writtenAt);
    if (!keys->Has(L"keyDeviceVersion")) return ARCHIVE_NO_VERSION;
    if (!IsArchiveVersionRestorable(*record)) return ARCHIVE_REFUSED;
    return ARCHIVE_USABLE;
}

void ApplyArchivedSettings(CDeviceRecord* target, const CDeviceRecord& archived, const CArchivedKeys& keys) {
    CDeviceRecord& source = const_cast<CDeviceRecord&>(archived);  // only read
    for (int k = 0; k < kKeyCount; ++k) {
        const ArchiveKey& entry = kKeys[k];
        if (!entry.setting) continue;
        int count = entry.count ? entry.count : 1;
        for (int i = 0; i < count; ++i) {
            if (!keys.Test(FirstSlot(k) + i)) continue;
            if (entry.intField) *entry.intField(*target, i) = *entry.intField(source, i);
            else *entry.textField(*target, i) = *entry.textField(source, i);
        }
    }
}
