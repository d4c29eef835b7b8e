#include "core/HidDevice.h"
#include "core/HidHandleNotes.h"
#include "core/HidProtocol.h"
#include "core/UsbIds.h"
#include "hardware/HardwareApi.h"
#include <cwctype>
#include <vector>

namespace {

// Bounds of the interface walk and of one device path (in bytes).
const DWORD kMaxInterfaces = 4096;
const DWORD kMaxDetailBytes = 64 * 1024;

bool GetPath(HDEVINFO set, SP_DEVICE_INTERFACE_DATA* iface, std::vector<BYTE>* storage) {
    const hw::HardwareApi& api = hw::Api();
    DWORD required = 0;
    api.SetupDiGetDeviceInterfaceDetailW(set, iface, nullptr, 0, &required, nullptr);
    if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W) || required > kMaxDetailBytes) return false;
    storage->assign(required + sizeof(WCHAR), 0);  // room for a terminator of our own
    auto* detail = (PSP_DEVICE_INTERFACE_DETAIL_DATA_W)storage->data();
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    return api.SetupDiGetDeviceInterfaceDetailW(set, iface, detail, required, nullptr, nullptr) != FALSE;
}

// Whether the interface at path is the maker's command interface for productId.
bool Matches(const wchar_t* path, WORD productId) {
    const hw::HardwareApi& api = hw::Api();
    hw::CDeviceHandle h(api.CreateFileW(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!h) return false;
    bool match = false;
    HIDD_ATTRIBUTES attributes = {};
    attributes.Size = sizeof(attributes);
    if (api.HidD_GetAttributes(h, &attributes) && attributes.VendorID == VendorIdMaker &&
        attributes.ProductID == productId) {
        PHIDP_PREPARSED_DATA preparsed = nullptr;
        if (api.HidD_GetPreparsedData(h, &preparsed)) {
            HIDP_CAPS caps = {};
            if (api.HidP_GetCaps(preparsed, &caps) == HIDP_STATUS_SUCCESS)
                match = caps.UsagePage == HID_USAGE_PAGE_VENDOR && caps.Usage == HID_USAGE_COMMAND;
            api.HidD_FreePreparsedData(preparsed);
        }
    }
    return match;
}

}  // namespace

hw::CDeviceHandle OpenHidInterface(const wchar_t* path) {
    if (!path || !*path) return hw::CDeviceHandle();
    hw::CDeviceHandle h(hw::Api().CreateFileW(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                              nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr));
    // A reply given up on an earlier handle of this interface reaches this
    // one too: the late window of the interface holds for it.
    if (h.IsValid()) hidnotes::NotePath(h, path);
    return h;
}

hw::CDeviceHandle OpenHidDevice(WORD productId) {
    for (const std::wstring& path : ListHidInterfacePaths())
        if (Matches(path.c_str(), productId)) return OpenHidInterface(path.c_str());  // the first match decides
    return hw::CDeviceHandle();
}

std::vector<std::wstring> ListHidInterfacePaths() {
    std::vector<std::wstring> paths;
    const hw::HardwareApi& api = hw::Api();
    GUID hidGuid;
    api.HidD_GetHidGuid(&hidGuid);
    HDEVINFO set = api.SetupDiGetClassDevsW(&hidGuid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE || set == nullptr) return paths;
    std::vector<BYTE> storage;
    bool whole = false, skipped = false;
    for (DWORD index = 0; index < kMaxInterfaces; ++index) {
        SP_DEVICE_INTERFACE_DATA iface = {};
        iface.cbSize = sizeof(iface);
        if (!api.SetupDiEnumDeviceInterfaces(set, nullptr, &hidGuid, index, &iface)) {
            whole = ::GetLastError() == ERROR_NO_MORE_ITEMS;
            break;
        }
        if (!GetPath(set, &iface, &storage)) {
            skipped = true;
            continue;
        }
        paths.push_back(((PSP_DEVICE_INTERFACE_DETAIL_DATA_W)storage.data())->DevicePath);
    }
    api.SetupDiDestroyDeviceInfoList(set);
    // An interface the whole walk did not find has left the bus: what its
    // headset showed is not taken for the next one on that path.
    if (whole && !skipped) hidnotes::NotePresentPaths(paths);
    return paths;
}

int HidPathNumber(const std::wstring& path, const wchar_t* tag) {
    std::wstring lower = path, want = tag;
    for (wchar_t& c : lower) c = (wchar_t)towlower(c);
    for (wchar_t& c : want) c = (wchar_t)towlower(c);
    size_t at = lower.find(want);
    if (at == std::wstring::npos) return -1;
    size_t p = at + want.size();
    int value = 0, digits = 0;
    while (p < lower.size() && digits < 8 && iswxdigit(lower[p])) {
        wchar_t c = lower[p++];
        value = value * 16 + (c <= L'9' ? c - L'0' : c - L'a' + 10);
        ++digits;
    }
    return digits ? value : -1;
}
