#include "update/DfuDevices.h"
#include "core/UsbIds.h"
#include "core/UsbScan.h"
#include "update/UpdateModels.h"
#include "standins/dfuengine/include/DFUTransport.h"
#include <cwchar>
#include <cwctype>

namespace {

BOOL HexAfter(const CString& upper, const wchar_t* marker, int* value) {
    int at = upper.Find(marker);
    if (at < 0) return FALSE;
    const wchar_t* p = (const wchar_t*)upper + at + std::wcslen(marker);
    if (!std::iswxdigit(*p)) return FALSE;
    *value = (int)std::wcstol(p, nullptr, 16);
    return TRUE;
}

}  // namespace

BOOL ParseUsbIds(const wchar_t* path, int* vendorId, int* productId) {
    if (!path) return FALSE;
    CString upper = path;
    for (int i = 0; i < upper.GetLength(); ++i) upper.SetAt(i, (wchar_t)std::towupper(upper[i]));
    int vid = 0, pid = 0;
    if (!HexAfter(upper, L"VID_", &vid) || !HexAfter(upper, L"PID_", &pid)) return FALSE;
    if (vendorId) *vendorId = vid;
    if (productId) *productId = pid;
    return TRUE;
}

BOOL IsAcceptedDfuDevice(const wchar_t* deviceName) {
    CStringX path = DFUTransportUSB::PathInternal(CStringX(deviceName));
    int vid = 0, pid = 0;
    if (!ParseUsbIds(path, &vid, &pid)) return FALSE;
    return vid == VendorIdMaker && IsUsbUpdateDfuPid(pid);
}

BOOL IsDfuHeadsetBackOnUsb(int model, int activeEngine) {
    int ids[2] = {0, 0};
    int n = ScanUsbDevices(ids, 2);
    if (GetUpdateProfile(model).dfuDevices > 1) {
        int id = ids[activeEngine == 2 ? 1 : 0];
        return n >= 2 && id > 0 && id < 0x8000;
    }
    // An in-line switch headset still in update mode shows an id below
    // 0x8000 as well: it is back when it shows its normal id again.
    return n >= 1 && ids[0] > 0 && ids[0] < 0x8000 && !IsInlineSwitchUpdateId(ids[0]);
}
