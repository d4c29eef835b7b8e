#include "tests/core/SimHardware.h"
#include "core/HidChannel.h"
#include "core/HidDevice.h"
#include "core/UsbIds.h"
#include <vector>

namespace {

typedef SimHardwareTest OpenHidDeviceTest;

// Sends a version query and tells which device took it.
bool Query(HANDLE h) {
    BYTE request[HID_OUT_REPORT_SIZE] = {HID_REPORT_ID, HID_CMD_GET_VERSION};
    BYTE reply[HID_IN_REPORT_SIZE];
    return HidTransact(&h, request, reply) != FALSE;
}

TEST_F(OpenHidDeviceTest, FirstCommandInterfaceOfTheMaker) {
    const WORD pid = 0x3120;
    sim::DeviceId otherVendor = sim::AddHidInterface(L"other vendor", 0x1234, pid);
    sim::DeviceId otherPid = sim::AddHidInterface(L"other model", VendorIdMaker, 0x5610);
    sim::DeviceId keyboard = sim::AddHidInterface(L"keyboard collection", VendorIdMaker, pid, 0x0001, 0x0006);
    sim::DeviceId wrongUsage = sim::AddHidInterface(L"vendor page, usage 2", VendorIdMaker, pid, 0xFF00, 2);
    sim::DeviceId command = sim::AddHidInterface(L"command", VendorIdMaker, pid);
    sim::DeviceId second = sim::AddHidInterface(L"second command", VendorIdMaker, pid);

    HANDLE h = OpenHidDevice(pid);
    ASSERT_NE(nullptr, h);
    EXPECT_TRUE(Query(h));
    hw::Api().CloseHandle(h);
    EXPECT_EQ(1u, sim::HidCommandLog(command).size());
    for (sim::DeviceId id : {otherVendor, otherPid, keyboard, wrongUsage, second})
        EXPECT_TRUE(sim::HidCommandLog(id).empty()) << sim::DeviceName(id).c_str();
}

TEST_F(OpenHidDeviceTest, NoneOrNotOpenable) {
    EXPECT_EQ(nullptr, OpenHidDevice(0x3120));  // nothing connected
    sim::DeviceId d = sim::AddHidInterface(L"update mode", VendorIdMaker, 0x3120);
    sim::SetPresent(d, false);
    EXPECT_EQ(nullptr, OpenHidDevice(0x3120));  // not present
    sim::SetPresent(d, true);
    sim::SetHidOpenFails(d, true);
    EXPECT_EQ(nullptr, OpenHidDevice(0x3120));  // present but cannot be opened
    sim::SetHidOpenFails(d, false);
    HANDLE h = OpenHidDevice(0x3120);
    EXPECT_NE(nullptr, h);
    hw::Api().CloseHandle(h);
    EXPECT_EQ(nullptr, OpenHidInterface(L""));
    EXPECT_EQ(nullptr, OpenHidInterface(L"\\\\?\\hid#vid_2e5a&pid_9999#none"));
}

}  // namespace
