// The camera group's path against a simulated camera headset whose memory
// card becomes a removable drive: the copy, the camera's own install, the
// check of its version file, the HID parts after it, and the failures.
#include "tests/update/HidJobHarness.h"
#include "update/HidCameraCopyUpdate.h"
#include <cstdio>
#include <string>

using namespace pkgtest;

namespace {

std::string ReadAll(const std::wstring& path) {
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f) return "<missing>";
    std::string s;
    char b[256];
    size_t n;
    while ((n = std::fread(b, 1, sizeof b, f)) > 0) s.append(b, n);
    std::fclose(f);
    return s;
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<BYTE> CameraFirmware(const char* header, size_t size) {
    std::vector<BYTE> data = Pattern(size, 9);
    for (size_t i = 0; header[i] && i < size; ++i) data[i] = (BYTE)header[i];
    return data;
}

class CameraPathTest : public HidJobTest {
public:
    void SetUp() override {
        HidJobTest::SetUp();
        m_card = m_dir.path() + L"\\card";
        m_other = m_dir.path() + L"\\other";
        ::CreateDirectoryW(m_card.c_str(), nullptr);
        ::CreateDirectoryW(m_other.c_str(), nullptr);
        m_dev = sim::AddHidInterface(L"Camera", sim::kMakerVendorId, 0x5510);
        m_drive = sim::AddDrive(L"Card", L'R', m_card.c_str());
        sim::LinkHidCard(m_dev, m_drive, L"40Z.VER", L"FWCARCAM.bin");
        WriteCard(L"40Z.VER", "1.0\r\n");
        OpenDevices(0x5510);
    }
    void TearDown() override {
        for (const wchar_t* f : {L"40Z.VER", L"FWCARCAM.bin", L"__40z_firmware__.bin"}) {
            ::DeleteFileW((m_card + L"\\" + f).c_str());
            ::DeleteFileW((m_other + L"\\" + f).c_str());
        }
        ::RemoveDirectoryW(m_card.c_str());
        ::RemoveDirectoryW(m_other.c_str());
        HidJobTest::TearDown();
    }
    void WriteCard(const wchar_t* name, const std::string& text, const std::wstring& folder = L"") {
        std::wstring f = (folder.empty() ? m_card : folder) + L"\\" + name;
        WriteBytes(f, std::vector<BYTE>(text.begin(), text.end()));
    }
    std::vector<BYTE> Package(const std::vector<BYTE>& camera, int model = 0x5510) {
        return PackageBuilder().Model(model)
            .Part(2, 1, Pattern(1100, 1)).Part(0, 2, Pattern(400, 2)).Part(2, 3, camera, 2, 5).Build();
    }
    std::vector<BYTE> CardCommands() {
        std::vector<BYTE> out;
        for (BYTE c : Commands(m_dev))
            if (c == 0x20 || c == 0x21) out.push_back(c);
        return out;
    }
    void ExpectFailed(const wchar_t* english) {
        EXPECT_EQ(english, Status());
        EXPECT_EQ(1, m_info.m_bFinished);
        EXPECT_EQ(1, m_info.m_nError);
        EXPECT_EQ(0, m_timerPosts.load());
        EXPECT_TRUE(sim::HidReceivedParts(m_dev).empty());  // nothing went over HID
    }

    std::wstring m_card, m_other;
    sim::DeviceId m_dev = 0, m_drive = 0;
};

TEST_F(CameraPathTest, CameraFirmwareGoesToTheCardAndTheRestOverHid) {
    // A fixed drive with the version file is not a card; it is never written.
    sim::AddDrive(L"Disk", L'D', m_other.c_str(), DRIVE_FIXED);
    WriteCard(L"40Z.VER", "1.0", m_other);
    WriteCard(L"__40z_firmware__.bin", "stale");  // a leftover copy is removed first
    std::vector<BYTE> camera = CameraFirmware("CAMFW 2.5\n", 3000);
    std::vector<BYTE> package = Package(camera);
    HidUpdateWithCameraCopyThread(Job(package, 0x5510));

    EXPECT_EQ(L"On updating firmware.", Status());
    EXPECT_EQ(9, m_info.m_nStep);
    EXPECT_EQ(0, m_info.m_bFinished);
    EXPECT_EQ(1, m_timerPosts.load());
    // The camera installed the copy: its version file names the new version.
    EXPECT_EQ("2.5\n", ReadAll(m_card + L"\\40Z.VER"));
    EXPECT_FALSE(Exists(m_card + L"\\__40z_firmware__.bin"));
    EXPECT_EQ("1.0", ReadAll(m_other + L"\\40Z.VER"));
    // Hand over, take back to install, hand over to check, take back.
    EXPECT_EQ((std::vector<BYTE>{0x20, 0x21, 0x20, 0x21}), CardCommands());
    auto parts = sim::HidReceivedParts(m_dev);
    auto want = PackageParts(package);
    ASSERT_EQ(2u, parts.size());  // part 2 is not sent over HID
    EXPECT_EQ(want[0], parts[0].data);
    EXPECT_EQ(want[1], parts[1].data);
    EXPECT_EQ(1, sim::HidRestartCount(m_dev));
    EXPECT_EQ(1, m_info.m_bAwaitingUserAction);
}

TEST_F(CameraPathTest, CardAlreadyCurrentIsGivenBackWithoutACopy) {
    WriteCard(L"40Z.VER", "2.5.1\n");  // 2.5.1 counts as 2.5
    HidUpdateWithCameraCopyThread(Job(Package(CameraFirmware("CAMFW 2.5\n", 500)), 0x5510));
    EXPECT_EQ(9, m_info.m_nStep);
    EXPECT_EQ((std::vector<BYTE>{0x20, 0x21}), CardCommands());
    EXPECT_FALSE(Exists(m_card + L"\\FWCARCAM.bin"));
    EXPECT_EQ(2u, sim::HidReceivedParts(m_dev).size());
}

TEST_F(CameraPathTest, ModelsWithoutCameraNeverTouchTheCard) {
    sim::Reset();
    m_dev = sim::AddHidInterface(L"Headset", sim::kMakerVendorId, 0x5720);
    m_dev1.Close();
    OpenDevices(0x5720);
    std::vector<BYTE> package = PackageBuilder().Model(0x5720).Part(0, 1, Pattern(10, 1)).Build();
    HidUpdateWithCameraCopyThread(Job(package, 0x5720));
    std::vector<BYTE> cmds = Commands(m_dev);
    EXPECT_EQ((std::vector<BYTE>{0x05, 0x06, 0x07, 0x08}), cmds);  // no card, no completion poll
    EXPECT_EQ(0, m_info.m_bAwaitingUserAction);
    EXPECT_EQ(9, m_info.m_nStep);
}

TEST_F(CameraPathTest, CardFailuresEndWithTheirCodeAndNothingOverHid) {
    struct Case {
        const char* name;
        std::function<void(CameraPathTest&)> fault;
        std::vector<BYTE> camera;
        const wchar_t* text;
    } cases[] = {
        {"hand-over refused", [](CameraPathTest& t) { sim::SetHidCommandFails(t.m_dev, 0x20, true); },
         CameraFirmware("CAMFW 2.5\n", 100), L"Failed to update firmware. Cannot get status [1][0]. Try again."},
        {"card never handed over", [](CameraPathTest& t) { sim::SetHidCardNeverAppears(t.m_dev, true); },
         CameraFirmware("CAMFW 2.5\n", 100), L"Failed to update firmware. Cannot get status [4][1]. Try again."},
        {"card without version file", [](CameraPathTest& t) { ::DeleteFileW((t.m_card + L"\\40Z.VER").c_str()); },
         CameraFirmware("CAMFW 2.5\n", 100), L"Failed to update firmware. Check your SD Card."},
        {"camera does not install", [](CameraPathTest&) {}, CameraFirmware("BROKEN", 100),
         L"Failed to update firmware. Camera firmware update failed [2][2]. Try again."},
        {"take-back refused", [](CameraPathTest& t) { sim::SetHidCommandFails(t.m_dev, 0x21, true); },
         CameraFirmware("CAMFW 2.5\n", 100), L"Failed to update firmware. Cannot get status [0][0]. Try again."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        c.fault(*this);
        HidUpdateWithCameraCopyThread(Job(Package(c.camera), 0x5510));
        ExpectFailed(c.text);
    }
    // After a refused take-back the copy is taken off the card again.
    EXPECT_FALSE(Exists(m_card + L"\\FWCARCAM.bin"));
}

TEST_F(CameraPathTest, CameraPackageWithoutItsCameraPartIsCorrupted) {
    HidUpdateWithCameraCopyThread(Job(PackageBuilder().Model(0x5510).Part(0, 1, {1}).Part(0, 2, {2}).Build(), 0x5510));
    ExpectFailed(L"Failed to update firmware. Firmware corrupted");
    EXPECT_TRUE(CardCommands().empty());
}

}  // namespace
