#include "app/DiagnosticLog.h"
#include "framework/Handle.h"
#include "app/AppPaths.h"
#include "app/AppVersion.h"
#include "app/UpdaterDlg.h"
#include "core/ModelCatalog.h"
#include "core/ServerAddress.h"
#include "core/UsbScan.h"
#include "texts/LanguageNames.h"
#include <windows.h>

namespace {

CString Hex4(int v) {
    CString s;
    s.Format(L"0x%04X", v & 0xFFFF);
    return s;
}

CString Number(int v) {
    CString s;
    s.Format(L"%d", v);
    return s;
}

CString Version(const CDeviceVersion& v) {
    CString s;
    s.Format(L"%d.%d.%d.%d", v.m_nMajor, v.m_nMinor, v.m_nSecondaryVersionType, v.m_nSecondaryVersion);
    return s;
}

typedef LONG(WINAPI* RtlGetVersionFn)(OSVERSIONINFOEXW*);
typedef BOOL(WINAPI* IsWow64ProcessFn)(HANDLE, BOOL*);

}  // namespace

void CDiagnosticLog::Section(const wchar_t* name) {
    if (!m_text.IsEmpty()) m_text += L"\n";
    m_text += L"[";
    m_text += name;
    m_text += L"]\n";
}

void CDiagnosticLog::Line(const wchar_t* key, const CString& value) {
    m_text += key;
    m_text += L"=";
    m_text += value;
    m_text += L"\n";
}

void CDiagnosticLog::Collect(CUpdaterDlg& main) {
    m_text.Empty();
    ::GetLocalTime(&m_time);

    Section(L"Manager Information");
    Line(L"Name", MANAGER_DISPLAY_NAME);
    CString version;
    version.Format(L"%d.%d", kManagerVersionMajor, kManagerVersionMinor);
    Line(L"Version", version);
    CString stamp;
    stamp.Format(L"%04d-%02d-%02d %02d:%02d:%02d", m_time.wYear, m_time.wMonth, m_time.wDay, m_time.wHour,
                 m_time.wMinute, m_time.wSecond);
    Line(L"Created", stamp);
    CString language;
    GetLanguageNameIn(language, main.m_nLanguage, 0);
    Line(L"Language", language);
    Line(L"ApplyToFirmwareLanguage", Number(main.m_bApplyToFirmwareLanguage ? 1 : 0));
    Line(L"FirmwareLanguage", main.m_strFirmwareLanguage);
    CString target;
    GetModelName(target, main.m_nTargetModel, FALSE);
    Line(L"TargetModel", Hex4(main.m_nTargetModel) + (target.IsEmpty() ? CString() : L" " + target));
    Line(L"Page", Number(main.m_nPage));
    Line(L"Server", GetServerBaseUrl());
    Line(L"ImageFolder", apppaths::ImageFolder());

    Section(L"Device Information");
    const CDeviceRecord& r = main.m_deviceRecord;
    Line(L"Recognized", Number(main.m_bRecognized ? 1 : 0));
    CString model;
    GetModelName(model, r.m_nModelId, FALSE);
    Line(L"ModelId", Hex4(r.m_nModelId));
    Line(L"ModelName", model);
    Line(L"DeviceName", r.m_strDeviceName);
    Line(L"BdAddress", r.m_strBdAddress);
    Line(L"HardwareVersion", r.m_strHardwareVersion);
    Line(L"FirmwareVersion", Version(r.m_version));
    Line(L"Chip1Version", Version(r.m_versionChip1));
    Line(L"Chip2Version", Version(r.m_versionChip2));
    Line(L"UsbStatus", Hex4(main.m_nUsbStatus));
    CString pages = Number(main.m_nSettingPageCount);
    for (int i = 0; i < main.m_nSettingPageCount && i < SETTING_PAGE_KINDS_MAX; ++i)
        pages.AppendFormat(L" %d", main.m_anSettingPageKind[i]);
    Line(L"SettingPages", pages);

    CollectWindows();
    CollectUsb(main);
}

void CDiagnosticLog::CollectWindows() {
    Section(L"Windows Information");
    OSVERSIONINFOEXW os{};
    os.dwOSVersionInfoSize = sizeof(os);
    RtlGetVersionFn rtlGetVersion =
        (RtlGetVersionFn)(void*)::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
    if (rtlGetVersion) rtlGetVersion(&os);
    CString version;
    version.Format(L"%lu.%lu.%lu", os.dwMajorVersion, os.dwMinorVersion, os.dwBuildNumber);
    Line(L"Version", version);
    Line(L"ServicePack", os.szCSDVersion);
    BOOL wow64 = FALSE;
    IsWow64ProcessFn isWow64 =
        (IsWow64ProcessFn)(void*)::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "IsWow64Process");
    if (isWow64) isWow64(::GetCurrentProcess(), &wow64);
    Line(L"Platform", wow64 ? L"64-bit Windows" : L"32-bit Windows");
    wchar_t locale[LOCALE_NAME_MAX_LENGTH] = {};
    ::GetUserDefaultLocaleName(locale, LOCALE_NAME_MAX_LENGTH);
    Line(L"Locale", locale);
}

void CDiagnosticLog::CollectUsb(CUpdaterDlg& main) {
    Section(L"USB Information");
    int ids[8] = {};
    int count = ScanUsbDevices(ids, 8);
    Line(L"DfuDevices", Number(count));
    for (int i = 0; i < count && i < 8; ++i) {
        CString key, value;
        key.Format(L"DfuDevice%d", i + 1);
        value.Format(L"PID_%04X", ids[i] & 0xFFFF);
        Line(key, value);
    }
    Line(L"HidDevice", main.m_hHidDevice ? L"open" : L"closed");
    Line(L"HidDevice2", main.m_hHidDevice2 ? L"open" : L"closed");
}

CString CDiagnosticLog::DefaultFileName() const {
    CString stamp;
    stamp.Format(L"%04d%02d%02d_%02d%02d%02d", m_time.wYear, m_time.wMonth, m_time.wDay, m_time.wHour, m_time.wMinute,
                 m_time.wSecond);
    CString name;
    name.Format(L"%s_DiagnosticLog.talvolog", (const wchar_t*)stamp);
    return name;
}

BOOL CDiagnosticLog::Save(const CString& path) const {
    CStringA text = WideToUtf8(m_text);
    CHandle f(::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f) return FALSE;
    DWORD written = 0;
    BOOL ok = ::WriteFile(f, (const char*)text, (DWORD)text.GetLength(), &written, nullptr) &&
              written == (DWORD)text.GetLength();
    ok = f.Close() && ok;
    if (!ok) ::DeleteFileW(path);
    return ok;
}
