#include "tests/core/SimHardware.h"
#include "core/UsbIds.h"
#include "core/UsbScan.h"
#include <cstring>
#include <string>

namespace {

typedef SimHardwareTest UsbScanTest;

TEST_F(UsbScanTest, CountsTheMakersDfuHeadsetsInSystemOrder) {
    sim::AddDfuHeadset(L"other vendor", 0x1234, 0x2110, 0xA110);
    sim::AddDfuHeadset(L"first", VendorIdMaker, 0x2120, 0xA120);
    sim::AddHidInterface(L"HID headset", VendorIdMaker, 0x5610);
    sim::DeviceId managed = sim::AddDfuHeadset(L"second", VendorIdMaker, 0x2110, 0xA110);
    sim::SetDfuMode(managed, true);
    sim::AddDfuHeadset(L"not in the list", VendorIdMaker, 0x4D10, 0xCD10);

    int ids[2] = {0, 0};
    EXPECT_EQ(2, ScanUsbDevices(ids, 2));
    EXPECT_EQ(0x2120, ids[0]);
    EXPECT_EQ(0xA110, ids[1]);
}

TEST_F(UsbScanTest, ReportsTheIdsTheOtherUpdatedModelsEnumerateWith) {
    // The in-line switch headset in normal mode is a HID device, in update
    // mode a DFU device with the next id; the two-interface unit and the
    // batch headsets (before and after their new identity) are DFU devices.
    sim::AddHidInterface(L"in-line switch", VendorIdMaker, 0x6020);
    sim::DeviceId switched = sim::AddDfuHeadset(L"in update mode", VendorIdMaker, 0x6022, 0x6023);
    sim::SetDfuMode(switched, true);
    sim::AddDfuHeadset(L"two-interface", VendorIdMaker, 0x5310, 0xD310);
    sim::AddDfuHeadset(L"batch", VendorIdMaker, 0x5060, 0xD060);
    sim::AddDfuHeadset(L"rewritten", VendorIdMaker, 0x5011, 0xD011);
    sim::AddHidInterface(L"other HID headset", VendorIdMaker, 0x6010);
    int ids[5] = {0, 0, 0, 0, 0};
    EXPECT_EQ(5, ScanUsbDevices(ids, 5));
    EXPECT_EQ(0x6020, ids[0]);
    EXPECT_EQ(0x6023, ids[1]);
    EXPECT_EQ(0x5310, ids[2]);
    EXPECT_EQ(0x5060, ids[3]);
    EXPECT_EQ(0x5011, ids[4]);
}

TEST_F(UsbScanTest, MoreDevicesThanTheCapacity) {
    sim::AddDfuHeadset(L"a", VendorIdMaker, 0x2110, 0xA110);
    sim::AddDfuHeadset(L"b", VendorIdMaker, 0x2120, 0xA120);
    sim::AddDfuHeadset(L"c", VendorIdMaker, 0x2110, 0xA110);
    int ids[3] = {0, 0, -7};
    EXPECT_EQ(3, ScanUsbDevices(ids, 2));  // the count can exceed the capacity
    EXPECT_EQ(0x2110, ids[0]);
    EXPECT_EQ(0x2120, ids[1]);
    EXPECT_EQ(-7, ids[2]);                 // nothing written past it
    EXPECT_EQ(3, ScanUsbDevices(nullptr, 2));
    EXPECT_EQ(3, ScanUsbDevices(ids, 0));
}

TEST_F(UsbScanTest, NothingConnected) {
    int ids[2] = {0, 0};
    EXPECT_EQ(0, ScanUsbDevices(ids, 2));
}

HDEVINFO WINAPI NoDeviceList(const GUID*, PCWSTR, HWND, DWORD) {
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
}

TEST_F(UsbScanTest, DeviceListCannotBeOpened) {
    sim::AddDfuHeadset(L"a", VendorIdMaker, 0x2110, 0xA110);
    table().SetupDiGetClassDevsW = NoDeviceList;
    int ids[2] = {0, 0};
    EXPECT_EQ(0, ScanUsbDevices(ids, 2));
}

// Hardware ids as a driver may report them: lower case, long, or without a
// terminating zero inside the value.
namespace ids {
std::string g_values[3];
BOOL WINAPI EnumInfo(HDEVINFO, DWORD index, PSP_DEVINFO_DATA info) {
    if (index >= 3) {
        SetLastError(ERROR_NO_MORE_ITEMS);
        return FALSE;
    }
    info->DevInst = index;
    return TRUE;
}
BOOL WINAPI Property(HDEVINFO, PSP_DEVINFO_DATA info, DWORD, PDWORD, PBYTE buffer, DWORD size, PDWORD required) {
    const std::string& v = g_values[info->DevInst];
    if (required) *required = (DWORD)v.size();
    if (size < v.size()) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memcpy(buffer, v.data(), v.size());
    return TRUE;
}
}  // namespace ids

TEST_F(UsbScanTest, HardwareIdForms) {
    char vid[8];
    std::snprintf(vid, sizeof vid, "%04x", VendorIdMaker);
    ids::g_values[0] = std::string("usb\\vid_") + vid + "&pid_a120&rev_0001";     // lower case, unterminated
    ids::g_values[1] = std::string(2000, 'X') + "\\VID_" + vid + "&PID_2110";     // longer than the first buffer
    ids::g_values[1].push_back('\0');
    ids::g_values[2] = std::string("USB\\PID_2110&VID_") + vid;                   // PID before VID: not ours
    ids::g_values[2].push_back('\0');
    table().SetupDiEnumDeviceInfo = ids::EnumInfo;
    table().SetupDiGetDeviceRegistryPropertyA = ids::Property;
    int found[3] = {0, 0, 0};
    EXPECT_EQ(2, ScanUsbDevices(found, 3));
    EXPECT_EQ(0xA120, found[0]);
    EXPECT_EQ(0x2110, found[1]);
}

}  // namespace
