#include "tests/standins/SimTestSupport.h"
#include <cstdio>

namespace simtest {

std::vector<std::wstring> HidPaths(const hw::HardwareApi& api) {
    std::vector<std::wstring> paths;
    GUID guid;
    api.HidD_GetHidGuid(&guid);
    HDEVINFO set = api.SetupDiGetClassDevsW(&guid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) return paths;
    SP_DEVICE_INTERFACE_DATA data = {sizeof(data)};
    for (DWORD i = 0; api.SetupDiEnumDeviceInterfaces(set, nullptr, &guid, i, &data); ++i) {
        DWORD need = 0;
        api.SetupDiGetDeviceInterfaceDetailW(set, &data, nullptr, 0, &need, nullptr);
        std::vector<BYTE> buf(need);
        auto* detail = (PSP_DEVICE_INTERFACE_DETAIL_DATA_W)buf.data();
        detail->cbSize = sizeof(*detail);
        if (api.SetupDiGetDeviceInterfaceDetailW(set, &data, detail, need, nullptr, nullptr))
            paths.push_back(detail->DevicePath);
    }
    api.SetupDiDestroyDeviceInfoList(set);
    return paths;
}

std::vector<std::string> UsbHardwareIds(const hw::HardwareApi& api) {
    std::vector<std::string> ids;
    HDEVINFO set = api.SetupDiGetClassDevsW(nullptr, L"USB", nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES);
    if (set == INVALID_HANDLE_VALUE) return ids;
    SP_DEVINFO_DATA info = {sizeof(info)};
    for (DWORD i = 0; api.SetupDiEnumDeviceInfo(set, i, &info); ++i) {
        char buf[512] = {};
        DWORD type = 0;
        if (api.SetupDiGetDeviceRegistryPropertyA(set, &info, SPDRP_HARDWAREID, &type, (PBYTE)buf, sizeof buf, nullptr))
            ids.push_back(buf);  // the first id of the multi-string
    }
    api.SetupDiDestroyDeviceInfoList(set);
    return ids;
}

HANDLE OpenHid(const hw::HardwareApi& api, const std::wstring& path, bool overlapped) {
    return api.CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, overlapped ? FILE_FLAG_OVERLAPPED : 0, nullptr);
}

bool Transact(const hw::HardwareApi& api, HANDLE h, std::vector<unsigned char> request,
              std::vector<unsigned char>* reply, int maxReads) {
    request.resize(1023, 0);
    DWORD n = 0;
    if (!api.WriteFile(h, request.data(), 1023, &n, nullptr) || n != 1023) return false;
    reply->assign(67, 0);
    (*reply)[2] = 0xFF;
    for (int i = 0; i < maxReads; ++i) {
        if (!api.ReadFile(h, reply->data(), 67, &n, nullptr) || n != 67) return false;
        if ((*reply)[2] != 1) break;
    }
    return (*reply)[2] == 0;
}

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH];
    ::GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    path_ = std::wstring(base) + L"simtest_" + std::to_wstring(::GetCurrentProcessId()) + L"_" +
            std::to_wstring(++counter);
    ::CreateDirectoryW(path_.c_str(), nullptr);
}

static void RemoveTree(const std::wstring& dir) {
    WIN32_FIND_DATAW fd;
    HANDLE f = ::FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (f != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring full = dir + L"\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(full);
            else ::DeleteFileW(full.c_str());
        } while (::FindNextFileW(f, &fd));
        ::FindClose(f);
    }
    ::RemoveDirectoryW(dir.c_str());
}

TempFolder::~TempFolder() { RemoveTree(path_); }

bool WriteText(const std::wstring& path, const std::string& text) {
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (!f) return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    std::fclose(f);
    return ok;
}

bool ReadText(const std::wstring& path, std::string* text) {
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f) return false;
    text->clear();
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text->append(buf, n);
    std::fclose(f);
    return true;
}

}  // namespace simtest
