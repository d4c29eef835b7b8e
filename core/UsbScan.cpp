#include "core/UsbScan.h"
#include "core/ModelUsb.h"
#include "core/UsbIds.h"
#include "hardware/HardwareApi.h"
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

namespace {

const DWORD kMaxDevices = 4096;
const DWORD kMaxHardwareIdBytes = 64 * 1024;

// The hardware ids of one device as text (the first id of the list).
bool ReadHardwareId(HDEVINFO set, SP_DEVINFO_DATA* info, std::string* id) {
    const hw::HardwareApi& api = hw::Api();
    std::vector<BYTE> buffer(512);
    DWORD required = 0;
    if (!api.SetupDiGetDeviceRegistryPropertyA(set, info, SPDRP_HARDWAREID, nullptr, buffer.data(),
                                               (DWORD)buffer.size(), &required)) {
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || required <= buffer.size() ||
            required > kMaxHardwareIdBytes)
            return false;
        buffer.assign(required, 0);
        if (!api.SetupDiGetDeviceRegistryPropertyA(set, info, SPDRP_HARDWAREID, nullptr, buffer.data(),
                                                   (DWORD)buffer.size(), &required))
            return false;
    }
    // The value need not be terminated inside the buffer: stop at its end.
    size_t length = strnlen((const char*)buffer.data(), buffer.size());
    id->assign((const char*)buffer.data(), length);
    for (char& c : *id) c = (char)std::toupper((unsigned char)c);
    return true;
}

// The hexadecimal number right after `tag`, -1 when there is none.
int HexAfter(const std::string& text, const char* tag, size_t from, size_t* end) {
    size_t at = text.find(tag, from);
    if (at == std::string::npos) return -1;
    size_t p = at + std::strlen(tag);
    int value = 0, digits = 0;
    while (p < text.size() && digits < 4 && std::isxdigit((unsigned char)text[p])) {
        char c = text[p];
        value = value * 16 + (c <= '9' ? c - '0' : c - 'A' + 10);
        ++p;
        ++digits;
    }
    if (end) *end = p;
    return digits ? value : -1;
}

}  // namespace

int ScanUsbDevices(int productIds[], int capacity) {
    int scanned[32];
    const int count = GetModelUsbProductIds(scanned, 32);
    return ScanUsbDevicesFor(productIds, capacity, scanned, count < 32 ? count : 32);
}

int ScanUsbDevicesFor(int productIds[], int capacity, const int* accepted, int acceptedCount) {
    if (!productIds) capacity = 0;
    auto isAccepted = [&](int pid) {
        for (int i = 0; i < acceptedCount; ++i)
            if (accepted[i] == pid) return true;
        return false;
    };
    const hw::HardwareApi& api = hw::Api();
    HDEVINFO set = api.SetupDiGetClassDevsW(nullptr, L"USB", nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES);
    if (set == INVALID_HANDLE_VALUE || set == nullptr) return 0;
    int count = 0;
    for (DWORD index = 0; index < kMaxDevices; ++index) {
        SP_DEVINFO_DATA info = {};
        info.cbSize = sizeof(info);
        if (!api.SetupDiEnumDeviceInfo(set, index, &info)) break;
        std::string id;
        if (!ReadHardwareId(set, &info, &id)) continue;
        size_t afterVid = 0;
        int vid = HexAfter(id, "VID_", 0, &afterVid);
        int pid = vid < 0 ? -1 : HexAfter(id, "PID_", afterVid, nullptr);
        if (vid != VendorIdMaker || !isAccepted(pid)) continue;
        if (count < capacity) productIds[count] = pid;
        ++count;
    }
    api.SetupDiDestroyDeviceInfoList(set);
    return count;
}
