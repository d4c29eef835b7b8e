#include "app/AppConfig.h"
#include "app/AppVersion.h"
#include "app/KeyValueFile.h"
#include "core/ModelCatalog.h"
#include "core/VersionCompare.h"
#include <windows.h>
#include <cwchar>

namespace {

const wchar_t kKeyManagerVersion[] = L"keyManagerVersion";
const wchar_t kKeyManagerLanguage[] = L"keyManagerLanguage";
const wchar_t kKeyApplyToFirmwareLanguage[] = L"keyApplyToFirmwareLanguage";
const wchar_t kKeyDeviceTarget[] = L"keyDeviceTarget";
const wchar_t kKeyFirmwareLanguage[] = L"keyFirmwareLanguage";
const wchar_t kKeyCurrentPath[] = L"keyCurrentPath";

// Every value read from the file is checked for length, form and range; a
// value that fails takes the default. The file may have been edited by hand
// or damaged, and the values reach file dialogs, tables and server queries.
const int kMaxNumberDigits = 9;
const int kMaxLanguageNameLength = 64;

// A decimal number of digits only (no sign, no blanks), else fallback.
int ParseNumber(const CString& text, int fallback) {
    const int n = text.GetLength();
    if (n == 0 || n > kMaxNumberDigits) return fallback;
    int v = 0;
    for (int i = 0; i < n; ++i) {
        wchar_t c = text[i];
        if (c < L'0' || c > L'9') return fallback;
        v = v * 10 + (c - L'0');
    }
    return v;
}

bool HasControlCharacters(const CString& text) {
    for (int i = 0; i < text.GetLength(); ++i)
        if (text[i] < 0x20 || text[i] == 0x7F) return true;
    return false;
}

// The program's version as written: "major.minor", optionally led by "v".
bool IsManagerVersion(const CString& text) {
    CString version = text;
    if (!version.IsEmpty() && (version[0] == L'v' || version[0] == L'V')) version = version.Mid(1);
    int major = 0, minor = 0;
    return text.GetLength() <= 2 * kMaxNumberDigits + 2 && ParseMajorMinor(version, &major, &minor);
}

bool IsModelKnown(int id) {
    CString name;
    GetModelName(name, id, TRUE);
    return !name.IsEmpty();
}

// A firmware language is a short name such as "English".
bool IsLanguageName(const CString& text) {
    return !text.IsEmpty() && text.GetLength() <= kMaxLanguageNameLength && !HasControlCharacters(text);
}

// A folder the file dialogs can start in: an absolute path ("X:\..." or
// "\\server\share\...") within the system's path limit, of characters a
// path may hold.
bool IsFolderPath(const CString& text) {
    const int n = text.GetLength();
    if (n < 3 || n >= MAX_PATH || HasControlCharacters(text)) return false;
    const bool drive = ((text[0] >= L'A' && text[0] <= L'Z') || (text[0] >= L'a' && text[0] <= L'z')) &&
                       text[1] == L':' && text[2] == L'\\';
    const bool share = text[0] == L'\\' && text[1] == L'\\' && text[2] != L'\\';
    if (!drive && !share) return false;
    for (int i = 2; i < n; ++i) {
        if (wcschr(L"<>\":|?*/", text[i])) return false;
    }
    return true;
}

CString Number(int v) {
    CString s;
    s.Format(L"%d", v);
    return s;
}

}  // namespace

BOOL CAppConfig::Read(const CString& path) {
    CKeyValueFile file;
    if (path.IsEmpty() || !file.Load(path)) return FALSE;
    const CAppConfig defaults;
    CString value;
    if (file.Lookup(kKeyManagerVersion, value))
        m_strManagerVersion = IsManagerVersion(value) ? value : defaults.m_strManagerVersion;
    if (file.Lookup(kKeyManagerLanguage, value)) {
        int language = ParseNumber(value, -1);
        m_nLanguage = (language >= 0 && language <= 12) ? language : defaults.m_nLanguage;
    }
    if (file.Lookup(kKeyApplyToFirmwareLanguage, value)) {
        int apply = ParseNumber(value, -1);
        m_bApplyToFirmwareLanguage = (apply == 0 || apply == 1) ? apply : defaults.m_bApplyToFirmwareLanguage;
    }
    if (file.Lookup(kKeyDeviceTarget, value)) {
        int target = ParseNumber(value, -1);
        m_nDeviceTarget = (target == 0 || (target > 0 && IsModelKnown(target))) ? target : defaults.m_nDeviceTarget;
    }
    if (file.Lookup(kKeyFirmwareLanguage, value))
        m_strFirmwareLanguage = IsLanguageName(value) ? value : defaults.m_strFirmwareLanguage;
    if (file.Lookup(kKeyCurrentPath, value))
        m_strCurrentPath = (value.IsEmpty() || IsFolderPath(value)) ? value : defaults.m_strCurrentPath;
    return TRUE;
}

BOOL CAppConfig::Write(const CString& path) const {
    if (path.IsEmpty()) return FALSE;
    CString version;
    version.Format(L"%d.%d", kManagerVersionMajor, kManagerVersionMinor);
    std::vector<std::pair<CString, CString>> entries = {
        {kKeyManagerVersion, version},
        {kKeyManagerLanguage, Number(m_nLanguage)},
        {kKeyApplyToFirmwareLanguage, Number(m_bApplyToFirmwareLanguage ? 1 : 0)},
        {kKeyDeviceTarget, Number(m_nDeviceTarget)},
        {kKeyFirmwareLanguage, m_strFirmwareLanguage},
        {kKeyCurrentPath, m_strCurrentPath},
    };
    return CKeyValueFile::Save(path, entries);
}
