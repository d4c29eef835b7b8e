// The USB device list, camera cards as removable drives, and the real
// table under Wine (which finds no device).
#include "tests/standins/SimTestSupport.h"

using namespace simtest;

namespace {

class SeamUsbDriveTest : public SimWorldTest {};

TEST_F(SeamUsbDriveTest, UsbListCarriesEachPresentDeviceWithItsCurrentProductId) {
    sim::DeviceId dfu = sim::AddDfuHeadset(L"Headset", sim::kMakerVendorId, 0x2110, 0xA110);
    sim::AddHidInterface(L"Camera headset", sim::kMakerVendorId, 0x5510);
    sim::AddFtdiDevice(L"Bridge", 5, L"");
    TempFolder folder;
    sim::AddDrive(L"Card", L'R', folder.path().c_str());
    auto ids = UsbHardwareIds(api());
    ASSERT_EQ(3u, ids.size());
    EXPECT_EQ("USB\\VID_2E5A&PID_2110&REV_0100", ids[0]);
    EXPECT_EQ("USB\\VID_2E5A&PID_5510&REV_0100", ids[1]);
    EXPECT_EQ("USB\\VID_0403&PID_6001&REV_0100", ids[2]);

    sim::SetDfuMode(dfu, true);
    EXPECT_EQ("USB\\VID_2E5A&PID_A110&REV_0100", UsbHardwareIds(api())[0]);
    sim::SetPresent(dfu, false);
    EXPECT_EQ(2u, UsbHardwareIds(api()).size());
}

TEST_F(SeamUsbDriveTest, RegistryPropertyFollowsTheTwoCallPattern) {
    sim::AddDfuHeadset(L"Headset", sim::kMakerVendorId, 0x2120, 0xA120);
    HDEVINFO set = api().SetupDiGetClassDevsW(nullptr, L"usb", nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES);
    SP_DEVINFO_DATA info = {sizeof(info)};
    ASSERT_TRUE(api().SetupDiEnumDeviceInfo(set, 0, &info));
    DWORD need = 0, type = 0;
    EXPECT_FALSE(api().SetupDiGetDeviceRegistryPropertyA(set, &info, SPDRP_HARDWAREID, &type, nullptr, 0, &need));
    EXPECT_EQ((DWORD)ERROR_INSUFFICIENT_BUFFER, ::GetLastError());
    std::vector<char> buf(need);
    ASSERT_TRUE(api().SetupDiGetDeviceRegistryPropertyA(set, &info, SPDRP_HARDWAREID, &type, (PBYTE)buf.data(), need, nullptr));
    EXPECT_EQ((DWORD)REG_MULTI_SZ, type);
    EXPECT_EQ('\0', buf[need - 1]);
    EXPECT_EQ('\0', buf[need - 2]);
    EXPECT_FALSE(api().SetupDiEnumDeviceInfo(set, 1, &info));
    EXPECT_EQ((DWORD)ERROR_NO_MORE_ITEMS, ::GetLastError());
    EXPECT_TRUE(api().SetupDiDestroyDeviceInfoList(set));
    EXPECT_FALSE(api().SetupDiDestroyDeviceInfoList(set));
}

TEST_F(SeamUsbDriveTest, InterfaceDetailRefusesAWrongSizeField) {
    sim::AddHidInterface(L"Headset", sim::kMakerVendorId, 0x5520);
    GUID guid;
    api().HidD_GetHidGuid(&guid);
    HDEVINFO set = api().SetupDiGetClassDevsW(&guid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    SP_DEVICE_INTERFACE_DATA data = {sizeof(data)};
    ASSERT_TRUE(api().SetupDiEnumDeviceInterfaces(set, nullptr, &guid, 0, &data));
    BYTE buf[512];
    auto* detail = (PSP_DEVICE_INTERFACE_DETAIL_DATA_W)buf;
    detail->cbSize = sizeof(buf);
    EXPECT_FALSE(api().SetupDiGetDeviceInterfaceDetailW(set, &data, detail, sizeof buf, nullptr, nullptr));
    EXPECT_EQ((DWORD)ERROR_INVALID_USER_BUFFER, ::GetLastError());
    api().SetupDiDestroyDeviceInfoList(set);
}

TEST_F(SeamUsbDriveTest, ACardFolderShowsAsARemovableDriveWithItsFiles) {
    TempFolder folder;
    ASSERT_TRUE(WriteText(folder.File(L"40Z.VER"), "2.5\n"));
    sim::DeviceId card = sim::AddDrive(L"Card", L'R', folder.path().c_str());
    sim::AddDrive(L"Disk", L'S', folder.path().c_str(), DRIVE_FIXED);
    EXPECT_EQ((1u << ('R' - 'A')) | (1u << ('S' - 'A')), api().GetLogicalDrives());
    EXPECT_EQ((UINT)DRIVE_REMOVABLE, api().GetDriveTypeW(L"R:\\"));
    EXPECT_EQ((UINT)DRIVE_FIXED, api().GetDriveTypeW(L"S:\\"));
    EXPECT_EQ((UINT)DRIVE_NO_ROOT_DIR, api().GetDriveTypeW(L"Q:\\"));

    // Create, write, size, rename and delete on the drive land in the folder.
    HANDLE f = api().CreateFileW(L"R:\\__fw__.bin", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, f);
    DWORD n;
    ASSERT_TRUE(api().WriteFile(f, "CAMFW 2.6\n", 10, &n, nullptr));
    EXPECT_EQ(10u, api().GetFileSize(f, nullptr));
    api().CloseHandle(f);
    EXPECT_TRUE(api().MoveFileW(L"R:\\__fw__.bin", L"R:/FWCARCAM.bin"));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(folder.File(L"FWCARCAM.bin").c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, api().GetFileAttributesW(L"r:\\40Z.VER"));
    EXPECT_TRUE(api().DeleteFileW(L"R:\\FWCARCAM.bin"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(folder.File(L"FWCARCAM.bin").c_str()));

    // A pulled card: gone from the list, its files unreachable.
    sim::SetPresent(card, false);
    EXPECT_EQ(0u, api().GetLogicalDrives() & (1u << ('R' - 'A')));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, api().GetFileAttributesW(L"R:\\40Z.VER"));
}

TEST_F(SeamUsbDriveTest, CameraHandsItsCardOverAndInstallsFirmwareLeftOnIt) {
    TempFolder folder;
    ASSERT_TRUE(WriteText(folder.File(L"40Z.VER"), "2.5\n"));
    sim::DeviceId cam = sim::AddHidInterface(L"Camera", sim::kMakerVendorId, 0x5510);
    sim::DeviceId card = sim::AddDrive(L"Card", L'R', folder.path().c_str());
    sim::LinkHidCard(cam, card, L"40Z.VER", L"FWCARCAM.bin");
    EXPECT_EQ(0u, api().GetLogicalDrives());
    auto paths = HidPaths(api());
    HANDLE h = OpenHid(api(), paths[0]);
    std::vector<unsigned char> r;
    ASSERT_TRUE(Transact(api(), h, {1, 0x20}, &r));
    sim::Sleep(3000);
    ASSERT_TRUE(Transact(api(), h, {1, 0x22}, &r));
    EXPECT_EQ(1, r[3]);
    EXPECT_EQ(1u << ('R' - 'A'), api().GetLogicalDrives());
    ASSERT_TRUE(WriteText(folder.File(L"FWCARCAM.bin"), "CAMFW 2.6\nrest of the image"));
    ASSERT_TRUE(Transact(api(), h, {1, 0x21}, &r));
    ASSERT_TRUE(Transact(api(), h, {1, 0x22}, &r));
    EXPECT_EQ(0, r[3]);
    EXPECT_EQ(0u, api().GetLogicalDrives());
    std::string version;
    ASSERT_TRUE(ReadText(folder.File(L"40Z.VER"), &version));
    EXPECT_EQ("2.6\n", version);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(folder.File(L"FWCARCAM.bin").c_str()));
    api().CloseHandle(h);
}

TEST(Win32HardwareTest, RealTableRunsAndFindsNoDeviceUnderWine) {
    const hw::HardwareApi& api = hw::Win32Api();
    // Wine may show devices of its own; none of them is the maker's.
    for (const std::wstring& path : HidPaths(api)) EXPECT_EQ(std::wstring::npos, path.find(L"vid_2e5a"));
    for (const std::string& id : UsbHardwareIds(api)) EXPECT_EQ(std::string::npos, id.find("VID_2E5A"));
    DWORD drives = api.GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(drives & (1u << i))) continue;
        wchar_t root[] = {wchar_t(L'A' + i), L':', L'\\', 0};
        EXPECT_NE((UINT)DRIVE_REMOVABLE, api.GetDriveTypeW(root)) << char('A' + i);
    }
}

TEST(HardwareApiTest, SetApiSwitchesTheTableInUse) {
    const hw::HardwareApi* before = &hw::Api();
    hw::SetApi(&hw::Win32Api());
    EXPECT_EQ(&hw::Win32Api(), &hw::Api());
    hw::SetApi(&hw::SimulatedApi());
    EXPECT_EQ(&hw::SimulatedApi(), &hw::Api());
    hw::SetApi(nullptr);
    EXPECT_EQ(before, &hw::Api());
}

}  // namespace
