#include "update/UpdateHidDevices.h"
#include "core/HidDevice.h"
#include "core/HidProtocol.h"
#include "core/UsbIds.h"
#include <cwchar>
#include <vector>

namespace {

const DWORD kMaxInterfaces = 4096;
const DWORD kMaxDetailBytes = 64 * 1024;
const WORD kModuleProductIds[] = {0x5345, 0x5346};

bool IsModuleInterface(const wchar_t* path) {
    const hw::HardwareApi& api = hw::Api();
    hw::CDeviceHandle h(api.CreateFileW(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, 0, nullptr));
    if (!h) return false;
    HIDD_ATTRIBUTES attributes = {};
    attributes.Size = sizeof(attributes);
    if (!api.HidD_GetAttributes(h, &attributes) || attributes.VendorID != VendorIdMaker) return false;
    if (attributes.ProductID != kModuleProductIds[0] && attributes.ProductID != kModuleProductIds[1]) return false;
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    if (!api.HidD_GetPreparsedData(h, &preparsed)) return false;
    HIDP_CAPS caps = {};
    bool match = api.HidP_GetCaps(preparsed, &caps) == HIDP_STATUS_SUCCESS &&
                 caps.UsagePage == HID_USAGE_PAGE_VENDOR && caps.Usage == HID_USAGE_COMMAND;
    api.HidD_FreePreparsedData(preparsed);
    return match;
}

void CopyPath(wchar_t* out, const wchar_t* path) {
    if (!out) return;
    std::wcsncpy(out, path, UPDATE_HID_PATH_CHARS - 1);
    out[UPDATE_HID_PATH_CHARS - 1] = 0;
}

}  // namespace

int FindUpdateHidDevicePaths(wchar_t* path1, wchar_t* path2, int maxCount) {
    const hw::HardwareApi& api = hw::Api();
    GUID hidGuid;
    api.HidD_GetHidGuid(&hidGuid);
    HDEVINFO set = api.SetupDiGetClassDevsW(&hidGuid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) return 0;
    int found = 0;
    std::vector<BYTE> storage;
    for (DWORD index = 0; index < kMaxInterfaces && found < maxCount; ++index) {
        SP_DEVICE_INTERFACE_DATA iface = {};
        iface.cbSize = sizeof(iface);
        if (!api.SetupDiEnumDeviceInterfaces(set, nullptr, &hidGuid, index, &iface)) break;
        DWORD required = 0;
        api.SetupDiGetDeviceInterfaceDetailW(set, &iface, nullptr, 0, &required, nullptr);
        if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W) || required > kMaxDetailBytes) continue;
        storage.assign(required + sizeof(WCHAR), 0);
        auto* detail = (PSP_DEVICE_INTERFACE_DETAIL_DATA_W)storage.data();
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (!api.SetupDiGetDeviceInterfaceDetailW(set, &iface, detail, required, nullptr, nullptr)) continue;
        if (!IsModuleInterface(detail->DevicePath)) continue;
        CopyPath(found == 0 ? path1 : path2, detail->DevicePath);
        ++found;
    }
    api.SetupDiDestroyDeviceInfoList(set);
    return found;
}

BOOL OpenUpdateHidDevices(hw::CDeviceHandle* device1, hw::CDeviceHandle* device2, int count) {
    if (device1) device1->Close();
    if (device2) device2->Close();
    if (!device1 || count < 1 || count > 2 || (count == 2 && !device2)) return FALSE;
    wchar_t path1[UPDATE_HID_PATH_CHARS] = {}, path2[UPDATE_HID_PATH_CHARS] = {};
    if (FindUpdateHidDevicePaths(path1, path2, count) < count) return FALSE;
    *device1 = OpenHidInterface(path1);
    if (count == 2) *device2 = OpenHidInterface(path2);
    return device1->IsValid() && (count == 1 || device2->IsValid());
}
