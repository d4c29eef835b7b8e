#include "app/AppConfig.h"
#include "app/AppVersion.h"
#include "app/KeyValueFile.h"
#include <cwchar>

namespace {

const wchar_t kKeyManagerVersion[] = L"keyManagerVersion";
const wchar_t kKeyManagerLanguage[] = L"keyManagerLanguage";
const wchar_t kKeyApplyToFirmwareLanguage[] = L"keyApplyToFirmwareLanguage";
const wchar_t kKeyDeviceTarget[] = L"keyDeviceTarget";
const wchar_t kKeyFirmwareLanguage[] = L"keyFirmwareLanguage";
const wchar_t kKeyCurrentPath[] = L"keyCurrentPath";

// A decimal integer that fills the whole text, else fallback.
int ParseInt(const CString& text, int fallback) {
    if (text.IsEmpty() || text.GetLength() > 10) return fallback;
    wchar_t* end = nullptr;
    long v = wcstol(text, &end, 10);
    if (!end || *end) return fallback;
    return (int)v;
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
    CString value;
    if (file.Lookup(kKeyManagerVersion, value)) m_strManagerVersion = value;
    if (file.Lookup(kKeyManagerLanguage, value)) {
        int language = ParseInt(value, 0);
        m_nLanguage = (language >= 0 && language <= 12) ? language : 0;
    }
    if (file.Lookup(kKeyApplyToFirmwareLanguage, value))
        m_bApplyToFirmwareLanguage = ParseInt(value, m_bApplyToFirmwareLanguage ? 1 : 0) != 0;
    if (file.Lookup(kKeyDeviceTarget, value)) {
        int target = ParseInt(value, 0);
        m_nDeviceTarget = (target >= 0 && target <= 0xFFFF) ? target : 0;
    }
    if (file.Lookup(kKeyFirmwareLanguage, value) && !value.IsEmpty()) m_strFirmwareLanguage = value;
    if (file.Lookup(kKeyCurrentPath, value)) m_strCurrentPath = value;
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
