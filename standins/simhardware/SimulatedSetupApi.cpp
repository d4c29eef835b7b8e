// SetupAPI over the simulated devices: the "USB" device list with hardware
// ids, and the HID device-interface list with device paths.
#include "standins/simhardware/SimulatedParts.h"
#include "standins/simdevices/SimDevices.h"
#include <cstddef>
#include <cstring>
#include <mutex>
#include <set>

namespace hw {
namespace simulated {

namespace {

const GUID kHidInterfaceGuid = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};
const GUID kUsbClassGuid = {0x36FC9E60, 0xC465, 0x11CF, {0x80, 0x56, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
const GUID kHidClassGuid = {0x745A17A0, 0x74D3, 0x11D0, {0xB6, 0xFE, 0x00, 0xA0, 0xC9, 0x0F, 0x57, 0xDA}};

// A snapshot of the devices, taken when the list is opened.
struct DeviceSet {
    bool hid = false;
    std::vector<sim::HidListing> interfaces;
    std::vector<sim::UsbListing> devices;
};

std::mutex g_lock;
std::set<DeviceSet*> g_sets;

DeviceSet* Lookup(HDEVINFO handle) {
    std::lock_guard<std::mutex> hold(g_lock);
    auto it = g_sets.find((DeviceSet*)handle);
    return it == g_sets.end() ? nullptr : *it;
}

BOOL Fail(DWORD error) {
    ::SetLastError(error);
    return FALSE;
}

std::string HidHardwareIds(const std::wstring& path) {
    // "\\?\hid#vid_xxxx&pid_yyyy#..." -> "HID\VID_XXXX&PID_YYYY"
    std::string ids = "HID\\";
    size_t from = path.find(L"vid_");
    for (size_t i = from; i != std::wstring::npos && i < path.size() && path[i] != L'#'; ++i)
        ids.push_back((char)::toupper((int)path[i]));
    ids.push_back('\0');
    ids.push_back('\0');
    return ids;
}

}  // namespace

HDEVINFO WINAPI SetupDiGetClassDevsW(const GUID* classGuid, PCWSTR enumerator, HWND, DWORD flags) {
    SyncSpeed();
    auto* set = new DeviceSet();
    bool hidGuid = classGuid && (*classGuid == kHidInterfaceGuid || *classGuid == kHidClassGuid);
    if ((flags & DIGCF_DEVICEINTERFACE) ? hidGuid : (hidGuid && !enumerator)) {
        set->hid = true;
        set->interfaces = sim::ListHidInterfaces();
        for (auto& i : set->interfaces) set->devices.push_back({HidHardwareIds(i.path), "HID device"});
    } else if (enumerator && ::lstrcmpiW(enumerator, L"USB") == 0) {
        set->devices = sim::ListUsbDevices();
    } else if (!enumerator && (flags & DIGCF_ALLCLASSES)) {
        set->devices = sim::ListUsbDevices();
    }
    std::lock_guard<std::mutex> hold(g_lock);
    g_sets.insert(set);
    return (HDEVINFO)set;
}

BOOL WINAPI SetupDiDestroyDeviceInfoList(HDEVINFO handle) {
    std::lock_guard<std::mutex> hold(g_lock);
    auto it = g_sets.find((DeviceSet*)handle);
    if (it == g_sets.end()) return Fail(ERROR_INVALID_HANDLE);
    delete *it;
    g_sets.erase(it);
    return TRUE;
}

BOOL WINAPI SetupDiEnumDeviceInterfaces(HDEVINFO handle, PSP_DEVINFO_DATA, const GUID* guid, DWORD index,
                                        PSP_DEVICE_INTERFACE_DATA data) {
    DeviceSet* set = Lookup(handle);
    if (!set) return Fail(ERROR_INVALID_HANDLE);
    if (!data || data->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA)) return Fail(ERROR_INVALID_USER_BUFFER);
    if (!guid || *guid != kHidInterfaceGuid || !set->hid || index >= set->interfaces.size())
        return Fail(ERROR_NO_MORE_ITEMS);
    data->InterfaceClassGuid = kHidInterfaceGuid;
    data->Flags = SPINT_ACTIVE;
    data->Reserved = index + 1;
    return TRUE;
}

BOOL WINAPI SetupDiGetDeviceInterfaceDetailW(HDEVINFO handle, PSP_DEVICE_INTERFACE_DATA data,
                                             PSP_DEVICE_INTERFACE_DETAIL_DATA_W detail, DWORD size,
                                             PDWORD required, PSP_DEVINFO_DATA info) {
    DeviceSet* set = Lookup(handle);
    if (!set) return Fail(ERROR_INVALID_HANDLE);
    if (!data || data->Reserved == 0 || data->Reserved > set->interfaces.size()) return Fail(ERROR_INVALID_PARAMETER);
    const std::wstring& path = set->interfaces[data->Reserved - 1].path;
    DWORD need = (DWORD)(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath) + (path.size() + 1) * sizeof(WCHAR));
    if (required) *required = need;
    if (detail && detail->cbSize != sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return Fail(ERROR_INVALID_USER_BUFFER);
    if (!detail || size < need) return Fail(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(detail->DevicePath, path.c_str(), (path.size() + 1) * sizeof(WCHAR));
    if (info) {
        if (info->cbSize != sizeof(SP_DEVINFO_DATA)) return Fail(ERROR_INVALID_USER_BUFFER);
        info->ClassGuid = kHidClassGuid;
        info->DevInst = data->Reserved;
        info->Reserved = data->Reserved;
    }
    return TRUE;
}

BOOL WINAPI SetupDiEnumDeviceInfo(HDEVINFO handle, DWORD index, PSP_DEVINFO_DATA info) {
    DeviceSet* set = Lookup(handle);
    if (!set) return Fail(ERROR_INVALID_HANDLE);
    if (!info || info->cbSize != sizeof(SP_DEVINFO_DATA)) return Fail(ERROR_INVALID_USER_BUFFER);
    if (index >= set->devices.size()) return Fail(ERROR_NO_MORE_ITEMS);
    info->ClassGuid = set->hid ? kHidClassGuid : kUsbClassGuid;
    info->DevInst = index + 1;
    info->Reserved = index + 1;
    return TRUE;
}

BOOL WINAPI SetupDiGetDeviceRegistryPropertyA(HDEVINFO handle, PSP_DEVINFO_DATA info, DWORD property,
                                              PDWORD regType, PBYTE buffer, DWORD size, PDWORD required) {
    DeviceSet* set = Lookup(handle);
    if (!set) return Fail(ERROR_INVALID_HANDLE);
    if (!info || info->DevInst == 0 || info->DevInst > set->devices.size()) return Fail(ERROR_INVALID_PARAMETER);
    const sim::UsbListing& device = set->devices[info->DevInst - 1];
    std::string value;
    DWORD type;
    if (property == SPDRP_HARDWAREID) {
        value = device.hardwareIds;
        type = REG_MULTI_SZ;
    } else if (property == SPDRP_DEVICEDESC || property == SPDRP_FRIENDLYNAME) {
        value = device.description;
        value.push_back('\0');
        type = REG_SZ;
    } else {
        return Fail(ERROR_INVALID_DATA);
    }
    if (regType) *regType = type;
    if (required) *required = (DWORD)value.size();
    if (!buffer || size < value.size()) return Fail(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(buffer, value.data(), value.size());
    return TRUE;
}

}  // namespace simulated
}  // namespace hw
