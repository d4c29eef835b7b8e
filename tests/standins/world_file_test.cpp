// The run command's device file: every section kind, links between devices,
// and errors that name the line.
#include "tests/standins/SimTestSupport.h"

using namespace simtest;

namespace {

class WorldFileTest : public SimWorldTest {
protected:
    bool Load(const std::string& text, std::wstring* error = nullptr) {
        std::wstring path = folder.File(L"SimulatedDevices.ini");
        EXPECT_TRUE(WriteText(path, text));
        return sim::LoadFile(path.c_str(), error);
    }
    TempFolder folder;
};

const char kWorld[] =
    "; a headset, a camera with its card, an update-mode pair and the module bridge\n"
    "[world]\n"
    "speed = 50\n"
    "[dfu Vela]\n"
    "pid = 0x2110\n"
    "dfu_pid = 0xA110\n"
    "key.0x02A3 = words 0x2110\n"
    "key.0x0108 = text Vela Morn T\n"
    "key.0x02A4 = bytes 10 0 0 0\n"
    "fail_read = 0x0293\n"
    "refuse_writes_after = 1\n"
    "refuse_writes = 2\n"
    "download_fail_code = 28\n"
    "download_fail_times = 1\n"
    "[hid Camera]\n"
    "pid = 0x5510\n"
    "version = 2.1.2.7\n"
    "address = 001A7DDA7113\n"
    "name = 40Z Cam\n"
    "block.0x04 = 0x1234 0\n"
    "card = Card\n"
    "card_version_file = 40Z.VER\n"
    "card_firmware_file = FWCARCAM.bin\n"
    "[drive Card]\n"
    "letter = r\n"
    "folder = cards\\R\n"
    "[hid App]\n"
    "pid = 0x3110\n"
    "update_mode = Updater\n"
    "pending_replies = 2\n"
    "fail_command = 0x33\n"
    "[hid Updater]\n"
    "pid = 0x3120\n"
    "[ftdi Bridge]\n"
    "com_port = 4\n"
    "flash_target = can.target\n";

TEST_F(WorldFileTest, LoadsEveryKindOfDevice) {
    std::wstring error;
    ASSERT_TRUE(Load(kWorld, &error)) << std::string(error.begin(), error.end());
    EXPECT_EQ(50u, sim::GetSpeed());

    sim::DeviceId vela = sim::FindDevice(L"Vela");
    ASSERT_NE(0, vela);
    std::vector<BYTE> value;
    ASSERT_TRUE(sim::GetPsKey(vela, 0x0108, &value));
    EXPECT_STREQ("Vela Morn T", (const char*)value.data());
    ASSERT_TRUE(sim::GetPsKey(vela, 0x02A3, &value));
    EXPECT_EQ((std::vector<BYTE>{0x10, 0x21}), value);
    EXPECT_EQ(28, sim::GetDfuBehaviour(vela).downloadFailCode);
    BYTE buf[4];
    EXPECT_EQ(4, sim::DfuReadKey(vela, 0x0293, buf, 4, nullptr));  // fails on purpose
    // One write taken, the next two refused whatever their key, then taken again.
    const BYTE word[2] = {0x11, 0x50};
    int results[4];
    for (int& r : results) r = sim::DfuWriteKey(vela, 0x02A3, word, 2);
    EXPECT_EQ((std::vector<int>{0, 4, 4, 0}), std::vector<int>(results, results + 4));

    // Only the camera and the application interface are on the bus; the
    // card and the update-mode device wait for their commands.
    auto hid = HidPaths(api());
    ASSERT_EQ(2u, hid.size());
    EXPECT_NE(std::wstring::npos, hid[0].find(L"pid_5510"));
    EXPECT_NE(std::wstring::npos, hid[1].find(L"pid_3110"));
    EXPECT_EQ(0u, api().GetLogicalDrives());
    HANDLE cam = OpenHid(api(), hid[0]);
    std::vector<unsigned char> r;
    ASSERT_TRUE(Transact(api(), cam, {1, 0x01}, &r));
    EXPECT_EQ((std::vector<unsigned char>{2, 1, 2, 7, 0}), std::vector<unsigned char>(r.begin() + 3, r.begin() + 8));
    ASSERT_TRUE(Transact(api(), cam, {1, 0x02}, &r));
    EXPECT_EQ(0x13, r[8]);
    ASSERT_TRUE(Transact(api(), cam, {1, 0x03, 0x1D}, &r));
    EXPECT_EQ(8, r[4]);
    ASSERT_TRUE(Transact(api(), cam, {1, 0x20}, &r));
    sim::Sleep(3000);
    EXPECT_EQ(1u << ('R' - 'A'), api().GetLogicalDrives());
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(folder.File(L"cards\\R").c_str()));
    api().CloseHandle(cam);

    HANDLE app = OpenHid(api(), hid[1]);
    EXPECT_FALSE(Transact(api(), app, {1, 0x33}, &r));
    ASSERT_TRUE(Transact(api(), app, {1, 0x50}, &r));
    sim::Sleep(4000);
    EXPECT_EQ(3u, HidPaths(api()).size());
    api().CloseHandle(app);

    wchar_t env[MAX_PATH] = {};
    ::GetEnvironmentVariableW(L"MORVEX_SIM_FLASH_TARGET", env, MAX_PATH);
    EXPECT_EQ(folder.File(L"can.target"), env);
    std::string target;
    ASSERT_TRUE(ReadText(env, &target));
    EXPECT_NE(std::string::npos, target.find("port=4"));
}

TEST_F(WorldFileTest, ErrorsNameTheLineAndLeaveNothingConnected) {
    struct Case {
        const char* text;
        const wchar_t* mentions;
    } cases[] = {
        {"[gadget X]\n", L"line 1"},
        {"[hid A]\npid = 0x5520\nversion = one\n", L"line 3"},
        {"[hid A]\nupdate_mode = Missing\n", L"no device named Missing"},
        {"[drive C]\nletter = E\n", L"letter= and folder="},
        {"[dfu A]\ncolour = red\n", L"unknown key colour"},
        {"pid = 1\n", L"line 1"},
        {"[hid A]\n[hid A]\n", L"duplicate"},
        {"[dfu A]\nkey.0x0001 = hex 00\n", L"line 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        sim::AddHidInterface(L"Leftover", sim::kMakerVendorId, 0x5520);
        std::wstring error;
        EXPECT_FALSE(Load(c.text, &error));
        EXPECT_NE(std::wstring::npos, error.find(c.mentions)) << std::string(error.begin(), error.end());
        EXPECT_TRUE(HidPaths(api()).empty());
    }
    std::wstring error;
    EXPECT_FALSE(sim::LoadFile(folder.File(L"absent.ini").c_str(), &error));
}

TEST_F(WorldFileTest, TheRunCommandsDefaultFileLoads) {
    std::wstring source = L"Z:" MORVEX_SOURCE_DIR_W L"\\standins\\SimulatedDevices.ini";
    for (auto& c : source)
        if (c == L'/') c = L'\\';
    std::wstring error;
    ASSERT_TRUE(sim::LoadFile(source.c_str(), &error)) << std::string(error.begin(), error.end());
    // One headset of the chip vendor's family, in normal mode.
    EXPECT_TRUE(HidPaths(api()).empty());
    auto dfu = sim::ListDfuDevices();
    ASSERT_EQ(1u, dfu.size());
    EXPECT_NE(std::wstring::npos, dfu[0].path.find(L"pid_2110"));
}

}  // namespace
