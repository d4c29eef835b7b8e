// Finding and opening the HID headsets' interfaces into the main dialog's
// two handles, and reopening them for later users.
#include "RecognitionSim.h"
#include "app/UpdaterDlg.h"
#include "core/HidChannel.h"
#include "core/HidDevice.h"
#include "recognition/HidInterfaces.h"
#include "recognition/HidQueries.h"

using namespace rectest;

namespace {

class HidInterfacesTest : public SimTest {
protected:
    void TearDown() override { m_main.CloseDeviceHandles(); }
    sim::DeviceId AddHid(const wchar_t* name, WORD pid, std::initializer_list<BYTE> version = {1, 0, 0, 0, 0}) {
        sim::DeviceId id = sim::AddHidInterface(name, sim::kMakerVendorId, pid);
        std::vector<BYTE> v(version);
        v.resize(5, 0);
        sim::SetHidVersion(id, v.data());
        return id;
    }
    CUpdaterDlg m_main;
};

}  // namespace

TEST_F(HidInterfacesTest, TheFirstMakerInterfaceWithAProductIdIsTheHeadset) {
    int pid = 0;
    EXPECT_FALSE(FindMakerHidInterface(&pid));
    sim::AddHidInterface(L"keyboard", 0x046D, 0xC31C, 0x0001, 6);
    AddHid(L"headset", 0x5520);
    ASSERT_TRUE(FindMakerHidInterface(&pid));
    EXPECT_EQ(0x5520, pid);
    EXPECT_EQ(0x5520, HidPathNumber(L"\\\\?\\HID#VID_2E5A&PID_5520#1", L"pid_"));
    EXPECT_EQ(-1, HidPathNumber(L"\\\\?\\hid#vid_2e5a#1", L"pid_"));
}

TEST_F(HidInterfacesTest, ModuleInterfacesOpenWithTheirChipVersionsAndAThirdIsNeverOpened) {
    sim::DeviceId a = AddHid(L"module A", 0x5345, {2, 3, 9, 4, 5});
    sim::DeviceId b = AddHid(L"module B", 0x5346, {2, 1, 9, 7, 8});
    sim::DeviceId c = AddHid(L"module C", 0xD340);
    ASSERT_TRUE(OpenModuleInterfaces(m_main));
    ASSERT_NE(nullptr, m_main.m_hHidDevice);
    ASSERT_NE(nullptr, m_main.m_hHidDevice2);
    const CDeviceRecord& r = m_main.m_deviceRecord;
    // major, minor, type 2, secondary from byte 5, spare from byte 6
    EXPECT_EQ(2, r.m_versionChip1.m_nMajor);
    EXPECT_EQ(3, r.m_versionChip1.m_nMinor);
    EXPECT_EQ(2, r.m_versionChip1.m_nSecondaryVersionType);
    EXPECT_EQ(9, r.m_versionChip1.m_nSecondaryVersion);
    EXPECT_EQ(4, r.m_versionChip1.m_nSpare);
    EXPECT_EQ(r.m_versionChip1, r.m_version);
    EXPECT_EQ(1, r.m_versionChip2.m_nMinor);
    EXPECT_TRUE(HasRequest(a, HID_CMD_MODULE_30, 0));
    EXPECT_TRUE(HasRequest(b, HID_CMD_GET_VERSION, 0));
    EXPECT_TRUE(sim::HidCommandLog(c).empty());
}

namespace {
std::vector<HANDLE> g_closed;
BOOL WINAPI RecordingClose(HANDLE h) {
    g_closed.push_back(h);
    return hw::SimulatedApi().CloseHandle(h);
}
}  // namespace

TEST_F(HidInterfacesTest, OpeningAgainClosesTheHandlesItReplaces) {
    AddHid(L"module A", 0x5345);
    AddHid(L"module B", 0x5346);
    hw::HardwareApi table = hw::SimulatedApi();
    table.CloseHandle = RecordingClose;
    hw::SetApi(&table);
    g_closed.clear();
    ASSERT_TRUE(OpenModuleInterfaces(m_main));
    HANDLE oldFirst = m_main.m_hHidDevice, oldSecond = m_main.m_hHidDevice2;
    g_closed.clear();
    ASSERT_TRUE(OpenModuleInterfaces(m_main));
    EXPECT_EQ((std::vector<HANDLE>{oldFirst, oldSecond}), g_closed);
    BYTE reply[HID_IN_REPORT_SIZE];
    EXPECT_TRUE(HidRequest(&m_main.m_hHidDevice, HID_CMD_GET_VERSION, 0, reply));
    m_main.CloseDeviceHandles();
    hw::SetApi(nullptr);
}

TEST_F(HidInterfacesTest, LaterUsersReopenClosedHandlesAndAFailedOpenIsAFailure) {
    sim::DeviceId first = AddHid(L"40S chip 1", 0x4210);
    sim::DeviceId second = AddHid(L"40S chip 2", 0x4210);
    m_main.m_nTargetModel = 0x4210;
    ASSERT_TRUE(EnsureHidHandles(m_main));
    HANDLE h1 = m_main.m_hHidDevice;
    ASSERT_NE(nullptr, h1);
    ASSERT_NE(nullptr, m_main.m_hHidDevice2);
    EXPECT_TRUE(EnsureHidHandles(m_main));  // open handles stay
    EXPECT_EQ(h1, m_main.m_hHidDevice);

    m_main.CloseDeviceHandles();
    sim::SetHidOpenFails(second, true);
    EXPECT_FALSE(EnsureHidHandles(m_main));  // a two-chip headset needs both

    sim::SetHidOpenFails(second, false);
    sim::SetPresent(first, false);
    sim::SetPresent(second, false);
    EXPECT_FALSE(EnsureHidHandles(m_main));
    EXPECT_EQ(nullptr, m_main.m_hHidDevice);
}

TEST_F(HidInterfacesTest, AOneInterfaceHeadsetNeedsOnlyTheFirstHandle) {
    AddHid(L"50S", 0x5560);
    m_main.m_nTargetModel = 0x5560;
    ASSERT_TRUE(EnsureHidHandles(m_main));
    EXPECT_NE(nullptr, m_main.m_hHidDevice);
    EXPECT_EQ(nullptr, m_main.m_hHidDevice2);
}
