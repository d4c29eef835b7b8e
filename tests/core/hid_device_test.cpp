#include "tests/core/SimHardware.h"
#include "core/HidChannel.h"
#include "core/HidDevice.h"
#include "core/UsbIds.h"
#include <algorithm>
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

    hw::CDeviceHandle h = OpenHidDevice(pid);
    ASSERT_TRUE(h.IsValid());
    EXPECT_TRUE(Query(h));
    h.Close();
    EXPECT_EQ(1u, sim::HidCommandLog(command).size());
    for (sim::DeviceId id : {otherVendor, otherPid, keyboard, wrongUsage, second})
        EXPECT_TRUE(sim::HidCommandLog(id).empty()) << sim::DeviceName(id).c_str();
}

TEST_F(OpenHidDeviceTest, NoneOrNotOpenable) {
    EXPECT_FALSE(OpenHidDevice(0x3120).IsValid());  // nothing connected
    sim::DeviceId d = sim::AddHidInterface(L"update mode", VendorIdMaker, 0x3120);
    sim::SetPresent(d, false);
    EXPECT_FALSE(OpenHidDevice(0x3120).IsValid());  // not present
    sim::SetPresent(d, true);
    sim::SetHidOpenFails(d, true);
    EXPECT_FALSE(OpenHidDevice(0x3120).IsValid());  // present but cannot be opened
    sim::SetHidOpenFails(d, false);
    EXPECT_TRUE(OpenHidDevice(0x3120).IsValid());
    EXPECT_FALSE(OpenHidInterface(L"").IsValid());
    EXPECT_FALSE(OpenHidInterface(L"\\\\?\\hid#vid_2e5a&pid_9999#none").IsValid());
}

// The interfaces the walk only looks at are closed again, and the one it
// returns is closed by its owner, all through the seam.
namespace counted {
std::vector<HANDLE> opened, closed;
HANDLE WINAPI CreateFileW(LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES sa, DWORD disposition,
                          DWORD flags, HANDLE templ) {
    HANDLE h = hw::SimulatedApi().CreateFileW(name, access, share, sa, disposition, flags, templ);
    if (h != INVALID_HANDLE_VALUE) opened.push_back(h);
    return h;
}
BOOL WINAPI CloseHandle(HANDLE h) {
    closed.push_back(h);
    return hw::SimulatedApi().CloseHandle(h);
}
}  // namespace counted

TEST_F(OpenHidDeviceTest, EveryOpenedInterfaceIsClosedThroughTheSeamOnce) {
    using counted::opened;
    using counted::closed;
    opened.clear();
    closed.clear();
    table().CreateFileW = counted::CreateFileW;
    table().CloseHandle = counted::CloseHandle;
    sim::AddHidInterface(L"other model", VendorIdMaker, 0x5610);
    sim::AddHidInterface(L"command", VendorIdMaker, 0x3120);
    HANDLE kept = nullptr;
    {
        hw::CDeviceHandle h = OpenHidDevice(0x3120);
        ASSERT_TRUE(h.IsValid());
        kept = h;
        ASSERT_FALSE(opened.empty());
        EXPECT_EQ(opened.back(), kept);  // the last one opened is the one returned
        EXPECT_EQ(closed.size() + 1, opened.size());  // all others are closed again
    }
    EXPECT_EQ(closed.size(), opened.size());
    ASSERT_FALSE(closed.empty());
    EXPECT_EQ(closed.back(), kept);
}

}  // namespace
