// The camera headset's package through the DFU road of the real wizard: the
// package is split into its Bluetooth image and its camera firmware, the
// image is flashed, and the camera firmware is moved onto the camera's card
// once the headset is back. A package that does not check out, or a card
// that is not there, ends in failure, and the parts stay where the user can
// find them.
#include "tests/app/WizardHarness.h"
#include "app/resource.h"
#include "core/Md5.h"
#include "framework/Clock.h"
#include "framework/TestSeams.h"
#include "hardware/HardwareApi.h"
#include "standins/dfuengine/include/DFUImageFormat.h"
#include "standins/simdevices/SimDevices.h"
#include "update/DfuPreparation.h"
#include <fstream>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const WORD kFirmwareKey = 0x02A4;
const std::string kCameraFirmware = std::string("camera firmware ") + std::string(3000, 'c');

void Le32(std::string* s, size_t at, unsigned v) {
    for (int i = 0; i < 4; ++i) (*s)[at + i] = (char)(v >> (8 * i));
}

// Header (36 bytes, model at 28, part count at 32), two 32-byte entries
// (offset at 8, length at 12, MD5 at 16), then the parts.
std::string Package(const std::string& bluetooth, const std::string& camera, bool badDigest = false) {
    const std::string parts[2] = {bluetooth, camera};
    std::string p(100, '\0');
    p.replace(0, 8, "KELTOPKG");
    Le32(&p, 28, 0x3020);
    Le32(&p, 32, 2);
    size_t offset = p.size();
    for (int i = 0; i < 2; ++i) {
        const size_t entry = 36 + 32 * i;
        Le32(&p, entry + 8, (unsigned)offset);
        Le32(&p, entry + 12, (unsigned)parts[i].size());
        MD5_CTX md5;
        unsigned char digest[MD5_DIGEST_SIZE];
        MD5Init(&md5);
        MD5Update(&md5, (unsigned char*)parts[i].data(), (unsigned)parts[i].size());
        MD5Final(digest, &md5);
        if (badDigest && i == 1) digest[0] ^= 0xFF;
        p.replace(entry + 16, MD5_DIGEST_SIZE, (const char*)digest, MD5_DIGEST_SIZE);
        offset += parts[i].size();
    }
    return p + bluetooth + camera;
}

std::string BluetoothImage() {
    const unsigned char v[4] = {0x04, 0x03, 0x03, 0x01};  // 1.3.3.4 as the camera headset keeps it
    return dfuimage::MakeImage("KELTO#3020", v, 4096);
}

struct World {
    sim::DeviceId headset = 0;
    std::string package;       // the package the user chooses
    bool card = true;          // the camera's card, with its marker
    std::wstring otherFolder;  // a folder for a drive that is not the camera's
};

struct CameraCase {
    const char* name;
    std::function<void(World&)> fault;
    const wchar_t* finalText;
    bool flashed;        // the headset got the Bluetooth image
    bool onTheCard;      // the camera firmware arrived on the card
    bool partsLeft;      // the split parts stay in the image folder
};

void PrintTo(const CameraCase& c, std::ostream* os) { *os << c.name; }

class CameraPackageRoadTest : public WizardTest, public ::testing::WithParamInterface<CameraCase> {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        sim::Reset();
        sim::SetSpeed(20);
        hw::SetApi(&hw::SimulatedApi());
        fw::Clock::SetSpeed(50);
        m_world.headset = sim::AddDfuHeadset(L"KELTO", sim::kMakerVendorId, 0x2110, 0xA110);
        sim::SetPsKeyWords(m_world.headset, 0x02A3, {0x3020});
        sim::SetPsKey(m_world.headset, kFirmwareKey, "\x04\x03\x02\x01", 4);  // 1.2.3.4
        sim::DfuBehaviour b;
        b.phaseMs = 500;
        sim::SetDfuBehaviour(m_world.headset, b);
        m_card = NewFolder(L"card");
        std::ofstream((m_card + L"kelto.bin").c_str()) << "marker";
        m_world.package = Package(BluetoothImage(), kCameraFirmware);
        m_world.otherFolder = NewFolder(L"stick");
    }
    void TearDown() override {
        fw::Clock::SetSpeed(1);
        sim::SetSpeed(1);
        hw::SetApi(nullptr);
        sim::Reset();
        WizardTest::TearDown();
    }
    std::wstring NewFolder(const wchar_t* name) {
        std::wstring f = m_folder + name + L"\\";
        ::CreateDirectoryW(f.c_str(), nullptr);
        return f;
    }
    static bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
    static std::string Read(const std::wstring& path) {
        std::ifstream f(path.c_str(), std::ios::binary);
        std::stringstream ss;
        ss << f.rdbuf();
        return ss.str();
    }
    std::string Texts() const {
        std::string all;
        for (const std::wstring& t : m_texts) all += std::string(t.begin(), t.end()) + " | ";
        return all;
    }
    // The boxes the road ended with (the success box of the camera headset
    // tells how to reconnect the camera).
    bool Asked(const wchar_t* text) const {
        for (const AskedBox& b : m_asked)
            if (std::wstring(b.text.GetString()).find(text) != std::wstring::npos) return true;
        return false;
    }
    bool Saw(const wchar_t* text) const {
        for (const std::wstring& t : m_texts)
            if (t.find(text) != std::wstring::npos) return true;
        return false;
    }

    World m_world;
    std::wstring m_card;
    std::vector<std::wstring> m_texts;
};

TEST_P(CameraPackageRoadTest, SplitFlashAndMoveOrFailAndKeepTheParts) {
    const CameraCase& c = GetParam();
    if (c.fault) c.fault(m_world);
    if (m_world.card) sim::AddDrive(L"card", L'R', m_card.c_str());
    const std::wstring package = m_folder + L"KELTO_v1.3.img";
    // Parts an earlier package left behind must never pass for this one's.
    std::ofstream((m_folder + L"__kelto_dfu_bluetooth__.img").c_str(), std::ios::binary) << BluetoothImage();
    std::ofstream((m_folder + L"__kelto_firmware__.bin").c_str(), std::ios::binary) << "older camera firmware";
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x3020);
        dlg.m_deviceRecord.m_version.Set(1, 2, 3, 4, 0);
        dlg.m_nUsbStatus = 0x2110;
        dlg.GoToPage(PAGE_FIRMWARE_UPDATE);
        ASSERT_TRUE(WaitIdle(dlg));
        // The package, downloaded by hand before, is chosen with Browse.
        std::ofstream(package.c_str(), std::ios::binary) << m_world.package;
        dlg.m_updatePage.m_firmwareInfo.m_strFirmwarePath = package.c_str();
        dlg.m_updatePage.m_editFile.SetWindowText(package.c_str());
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ACTION, BN_CLICKED), (LPARAM)Item(dlg, IDC_ACTION));
        fw::test::PumpUntil([&] {
            CString s;
            dlg.GetStatusText(&s);
            if (m_texts.empty() || m_texts.back() != s.GetString()) m_texts.push_back(s.GetString());
            return (Saw(c.finalText) || Asked(c.finalText)) && !dlg.m_bBusy;
        }, 60000);
        EXPECT_TRUE(Saw(c.finalText) || Asked(c.finalText)) << Texts();
        EXPECT_FALSE(dlg.m_bBusy);
    });
    const std::wstring bluetoothPart = m_folder + L"__kelto_dfu_bluetooth__.img";
    const std::wstring cameraPart = m_folder + L"__kelto_firmware__.bin";
    EXPECT_EQ(c.flashed, !sim::LastDownloadedImage(m_world.headset).empty());
    if (c.onTheCard) {
        EXPECT_EQ(kCameraFirmware, Read(m_card + L"hne40_100.bin"));
        EXPECT_FALSE(Exists(bluetoothPart));
        EXPECT_FALSE(Exists(cameraPart));
    } else {
        EXPECT_FALSE(Saw(L"Firmware updated successfully")) << Texts();
        EXPECT_FALSE(Asked(L"Disconnect the USB cable")) << Texts();
        EXPECT_FALSE(Exists(m_card + L"hne40_100.bin"));
    }
    if (c.partsLeft) {
        // The camera firmware stays beside the program for another try.
        EXPECT_EQ(kCameraFirmware, Read(cameraPart));
        EXPECT_TRUE(Exists(bluetoothPart));
    } else if (!c.onTheCard) {
        // A package that does not check out leaves no part to be taken for its own.
        EXPECT_FALSE(Exists(cameraPart));
        EXPECT_FALSE(Exists(bluetoothPart));
    }
}

const CameraCase kCases[] = {
    // Success ends with the box that tells how to reconnect the camera.
    {"Updated", nullptr, L"1. Disconnect the USB cable from the KELTO.", true, true, false},
    {"NoCard", [](World& w) { w.card = false; }, L"Camera firmware update failed", true, false, true},
    {"RemovableDriveWithoutTheMarker",
     [](World& w) {
         w.card = false;
         sim::AddDrive(L"stick", L'S', w.otherFolder.c_str());
     },
     L"Camera firmware update failed", true, false, true},
    {"CameraPartDamaged", [](World& w) { w.package = Package(BluetoothImage(), kCameraFirmware, true); },
     L"Firmware corrupted", false, false, false},
    {"PackageForAnotherHeadset",
     [](World& w) {
         const unsigned char v[4] = {0x04, 0x03, 0x03, 0x01};
         w.package = Package(dfuimage::MakeImage("Vela_Morn_T#2110", v, 4096), kCameraFirmware);
     },
     L"Firmware not for", false, false, true},
};

INSTANTIATE_TEST_SUITE_P(Camera, CameraPackageRoadTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<CameraCase>& info) { return std::string(info.param.name); });

}  // namespace
