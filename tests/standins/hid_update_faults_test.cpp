// Update faults of a simulated HID device described in the device file: a
// card that never reaches the PC and a device that stays away after its
// restart.
#include "tests/standins/SimTestSupport.h"

using namespace simtest;

namespace {

class HidUpdateFaultsTest : public SimWorldTest {
protected:
    HANDLE Open(const wchar_t* pid) {
        for (const std::wstring& p : HidPaths(api()))
            if (p.find(pid) != std::wstring::npos) return OpenHid(api(), p);
        return INVALID_HANDLE_VALUE;
    }
    bool Present(const wchar_t* pid) {
        for (const std::wstring& p : HidPaths(api()))
            if (p.find(pid) != std::wstring::npos) return true;
        return false;
    }
    TempFolder folder;
};

TEST_F(HidUpdateFaultsTest, CardThatNeverAppearsAndDeviceThatStaysAway) {
    std::wstring card = folder.File(L"card");
    std::string text =
        "[hid Camera]\npid = 0x5510\ncard = Card\ncard_version_file = 40Z.VER\ncard_firmware_file = FW.bin\n"
        "card_never_appears = 1\nstays_away_after_restart = 1\n"
        "[hid Other]\npid = 0x5520\nrestart_ms = 1000\n"
        "[drive Card]\nletter = R\nfolder = card\n";
    ASSERT_TRUE(WriteText(folder.File(L"SimulatedDevices.ini"), text));
    std::wstring error;
    ASSERT_TRUE(sim::LoadFile(folder.File(L"SimulatedDevices.ini").c_str(), &error)) << std::string(error.begin(), error.end());

    HANDLE cam = Open(L"pid_5510");
    ASSERT_NE(INVALID_HANDLE_VALUE, cam);
    std::vector<unsigned char> r;
    ASSERT_TRUE(Transact(api(), cam, {1, 0x20}, &r));  // accepted
    sim::Sleep(5000);
    ASSERT_TRUE(Transact(api(), cam, {1, 0x22}, &r));
    EXPECT_EQ(0, r[3]);                                 // never with the PC
    EXPECT_EQ(0u, api().GetLogicalDrives() & (1u << ('R' - 'A')));

    HANDLE other = Open(L"pid_5520");
    ASSERT_TRUE(Transact(api(), cam, {1, 0x08, 0}, &r));
    ASSERT_TRUE(Transact(api(), other, {1, 0x08, 0}, &r));
    sim::Sleep(4000);
    EXPECT_FALSE(Present(L"pid_5510"));  // stays away
    EXPECT_TRUE(Present(L"pid_5520"));   // back after its restart
    api().CloseHandle(cam);
    api().CloseHandle(other);
}

}  // namespace
