// The HID update roads in the real main wizard: FIRMWARE UPDATE entered with
// a recognised simulated device, a local package chosen, ACTION, and the
// road followed to its end. Each path succeeds with a byte-exact transfer,
// and each fault ends with a failure text, never with the success text,
// the wizard usable again and its window answering throughout.
#include "tests/app/WizardHarness.h"
#include "app/AppPaths.h"
#include "app/resource.h"
#include "framework/Clock.h"
#include "framework/TestSeams.h"
#include "hardware/HardwareApi.h"
#include "standins/simdevices/SimDevices.h"
#include "tests/update/HidJobHarness.h"
#include "tests/update/ResponsivenessProbe.h"
#include <algorithm>
#include <cstdio>
#include <atomic>
#include <functional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

using namespace pkgtest;

namespace {

const wchar_t* kSuccess = L"Firmware updated successfully";
const BYTE kRecorded[5] = {1, 2, 0, 0, 0};  // the version Recognise() records
const BYTE kNew[5] = {1, 3, 0, 0, 0};

struct Road {
    sim::DeviceId first = 0, second = 0, updater = 0, bridge = 0, drive = 0;
    std::vector<BYTE> package;
    std::wstring card, target;
    // Checks, after a successful road, that each device took its parts.
    std::function<void(const Road&)> verify;
};

// The parts a device took, byte for byte and complete.
void ExpectParts(sim::DeviceId device, const std::vector<std::vector<BYTE>>& want) {
    auto got = sim::HidReceivedParts(device);
    ASSERT_EQ(want.size(), got.size());
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(want[i], got[i].data) << i;
        EXPECT_TRUE(got[i].complete) << i;
    }
}

struct RoadCase {
    const char* name;
    int model;
    std::function<void(Road&, ScratchFolder&)> world;  // devices and package
    std::function<void(Road&)> fault;
    const wchar_t* finalText;  // kSuccess, or (part of) the failure text the road ends with
    const wchar_t* fileName = nullptr;  // of the package, when it matters
};

void PrintTo(const RoadCase& c, std::ostream* os) { *os << c.name; }

sim::DeviceId Headset(const wchar_t* name, WORD pid) {
    sim::DeviceId id = sim::AddHidInterface(name, sim::kMakerVendorId, pid);
    sim::SetHidVersion(id, kRecorded);
    sim::SetHidVersionAfterUpdate(id, kNew);
    return id;
}

void SwitchFirstWorld(Road& r, ScratchFolder&) {
    r.first = Headset(L"P3", 0x6010);
    r.updater = Headset(L"P3 update", 0x6010);
    sim::LinkHidSwitch(r.first, r.updater);
    sim::SetHidPollDoneAfter(r.updater, 3);
    r.package = PackageBuilder().Model(0x6010).Part(0, 1, Pattern(6000, 1)).Part(2, 2, Pattern(1020, 2)).Build();
    r.verify = [](const Road& r) {
        auto p = PackageParts(r.package);
        ExpectParts(r.updater, {p[0], p[1]});  // after the switch, to the update-mode interface
        EXPECT_EQ(1, sim::HidRestartCount(r.updater));
    };
}

void CameraWorld(Road& r, ScratchFolder& dir) {
    r.first = Headset(L"40Z", 0x5510);
    r.card = dir.path() + L"\\card";
    ::CreateDirectoryW(r.card.c_str(), nullptr);
    WriteBytes(r.card + L"\\40Z.VER", {'1', '.', '0', '\n'});
    r.drive = sim::AddDrive(L"Card", L'R', r.card.c_str());
    sim::LinkHidCard(r.first, r.drive, L"40Z.VER", L"FWCARCAM.bin");
    std::vector<BYTE> camera = Pattern(3000, 9);
    const char head[] = "CAMFW 2.5\n";
    std::copy(head, head + 10, camera.begin());
    r.package = PackageBuilder().Model(0x5510)
        .Part(0, 1, Pattern(2500, 1)).Part(2, 2, Pattern(700, 2)).Part(2, 3, camera, 2, 5).Build();
    r.verify = [](const Road& r) {
        auto p = PackageParts(r.package);
        ExpectParts(r.first, {p[0], p[1]});  // the camera's part went by the card
        FILE* f = _wfopen((r.card + L"\\40Z.VER").c_str(), L"rb");
        ASSERT_NE(nullptr, f);
        char text[16] = {};
        std::fread(text, 1, sizeof text - 1, f);
        std::fclose(f);
        EXPECT_STREQ("2.5\n", text);
    };
}

void VoicePromptWorld(Road& r, ScratchFolder&) {
    r.first = Headset(L"70J", 0x3110);
    r.updater = sim::AddHidInterface(L"70J update mode", sim::kMakerVendorId, 0x3120);
    const BYTE crcVersion[5] = {1, 0, 2, 1, 0};
    sim::SetHidVersion(r.updater, crcVersion);
    sim::LinkHidUpdateMode(r.first, r.updater);
    r.package = PackageBuilder().Model(0x3110)
        .Part(2, 1, Pattern(2000, 1)).Part(0, 2, Pattern(1100, 2)).Part(0, 0, Pattern(600, 3)).Build();
    r.verify = [](const Road& r) {
        auto p = PackageParts(r.package);
        ExpectParts(r.first, {p[0], p[1]});
        ExpectParts(r.updater, {p[2]});
        EXPECT_EQ(1, sim::HidVoicePromptCode(r.first));  // "-fr" in the file name
    };
}

void VehicleWorld(Road& r, ScratchFolder& dir) {
    r.first = sim::AddHidInterface(L"Module A", sim::kMakerVendorId, 0x5345);
    r.second = sim::AddHidInterface(L"Module B", sim::kMakerVendorId, 0x5346);
    sim::SetHidModuleSelect(r.second, 1);
    r.target = dir.File(L"can.target");
    r.bridge = sim::AddFtdiDevice(L"Bridge", 5, r.target.c_str());
    std::string hex = ":020000040800F2\r\n:00000001FF\r\n";
    r.package = PackageBuilder().Model(0x5345)
        .Part(0, 0x31, Pattern(2100, 4)).Part(0, 0x32, std::vector<BYTE>(hex.begin(), hex.end())).Build();
    r.verify = [hex](const Road& r) {
        auto p = PackageParts(r.package);
        ExpectParts(r.first, {p[0]});
        ExpectParts(r.second, {p[0]});
        FILE* f = _wfopen((r.target + L".flash").c_str(), L"rb");
        ASSERT_NE(nullptr, f);
        char text[64] = {};
        std::fread(text, 1, sizeof text - 1, f);
        std::fclose(f);
        EXPECT_EQ(hex, text);
    };
}

// Two chips, each behind its own interface of the same product id.
void TwoChipWorld(Road& r, WORD pid, const char* header) {
    r.first = Headset(L"Chip 1", pid);
    r.second = Headset(L"Chip 2", pid);
    r.package = PackageBuilder().Model(pid).HeaderText(header)
        .Part(0, 1, Pattern(2200, 1)).Part(1, 2, Pattern(1900, 2)).Part(2, 3, Pattern(300, 3)).Build();
    r.verify = [](const Road& r) {
        auto p = PackageParts(r.package);
        ExpectParts(r.first, {p[0], p[2]});
        ExpectParts(r.second, {p[1]});
        EXPECT_EQ(1, sim::HidRestartCount(r.first));
        EXPECT_EQ(1, sim::HidRestartCount(r.second));
    };
}

void CorvaneWorld(Road& r, ScratchFolder&) { TwoChipWorld(r, 0x4310, "SIMPKG"); }

void VersionGatedWorld(Road& r, ScratchFolder&) {
    TwoChipWorld(r, 0x4210, "SIMPKG");
    sim::SetHidBlock(r.first, 0x05, {16});  // a gated device type
}

class HidRoadTest : public WizardTest, public ::testing::WithParamInterface<RoadCase> {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        sim::Reset();
        hw::SetApi(&hw::SimulatedApi());
        fw::Clock::SetSpeed(50);
        sim::SetSpeed(50);
    }
    void TearDown() override {
        fw::Clock::SetSpeed(100);
        hw::SetApi(nullptr);
        sim::Reset();
        if (!m_road.card.empty()) {
            ::DeleteFileW((m_road.card + L"\\40Z.VER").c_str());
            ::DeleteFileW((m_road.card + L"\\FWCARCAM.bin").c_str());
            ::RemoveDirectoryW(m_road.card.c_str());
        }
        if (!m_road.target.empty()) {
            ::DeleteFileW(m_road.target.c_str());
            ::DeleteFileW((m_road.target + L".flash").c_str());
        }
        WizardTest::TearDown();
    }

    // Enters FIRMWARE UPDATE, chooses the package, presses ACTION and
    // follows the road while another thread checks that the window answers.
    void Follow(CUpdaterDlg& dlg, const std::wstring& package) {
        const RoadCase& c = GetParam();
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, c.model);
        dlg.m_deviceRecord.m_versionChip1.Set(1, 2, 0, 0, 0);
        dlg.m_deviceRecord.m_versionChip2.Set(1, 2, 0, 0, 0);
        dlg.m_nUsbStatus = c.model;
        dlg.GoToPage(PAGE_FIRMWARE_UPDATE);
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.m_updatePage.m_editFile.SetWindowText(package.c_str());

        // While a worker runs: the UI thread's own prescribed waits (the
        // dispatch's pre-check, the check that the device is back, the
        // recognition afterwards) are not a worker's.
        ResponsivenessProbe probe(dlg.m_hWnd, [] { return hidupdate::RunningWorkers() > 0; });
        ::SendMessageW(Item(dlg, IDC_ACTION), BM_CLICK, 0, 0);
        auto sample = [&] {
            CString s;
            dlg.GetStatusText(&s);
            std::wstring text = s.GetString();
            if (m_texts.empty() || m_texts.back() != text) m_texts.push_back(text);
            m_maxProgress = std::max(m_maxProgress, dlg.m_nProgress);
            // The wizard is free again only once no worker runs.
            if (!dlg.m_bBusy && hidupdate::RunningWorkers() > 0) m_freeWhileWorkerRuns = true;
        };
        fw::test::PumpUntil([&] { sample(); return Saw(c.finalText) && !dlg.m_bBusy; }, 90000);
        fw::test::PumpUntil([&] { sample(); return false; }, 300);
        m_slowest = probe.Stop();
    }

    bool Saw(const wchar_t* text) const {
        for (const std::wstring& t : m_texts)
            if (t.find(text) != std::wstring::npos) return true;
        return false;
    }
    std::string Texts() const {
        std::string all;
        for (const std::wstring& t : m_texts) all += std::string(t.begin(), t.end()) + " | ";
        return all;
    }

    ScratchFolder m_dir;
    Road m_road;
    std::vector<std::wstring> m_texts;
    int m_maxProgress = -1;
    DWORD m_slowest = 0;
    bool m_freeWhileWorkerRuns = false;
};

TEST_P(HidRoadTest, EndsWithItsTextNeverSuccessAfterAFaultAndTheWindowAnswers) {
    const RoadCase& c = GetParam();
    c.world(m_road, m_dir);
    if (c.fault) c.fault(m_road);
    std::wstring package = m_dir.File(c.fileName ? c.fileName : L"package_v1.7.5-fr.img");
    ASSERT_TRUE(WriteBytes(package, m_road.package));
    RunWizard([&](CUpdaterDlg& dlg) {
        Follow(dlg, package);
        EXPECT_TRUE(Saw(c.finalText)) << Texts();
        EXPECT_FALSE(dlg.m_bBusy);
        EXPECT_LT(m_slowest, 100u);
        EXPECT_FALSE(m_freeWhileWorkerRuns);
        EXPECT_EQ(0, hidupdate::RunningWorkers());
        if (std::wstring(c.finalText) == kSuccess) {
            EXPECT_EQ(100, m_maxProgress);
            m_road.verify(m_road);
        } else {
            EXPECT_FALSE(Saw(kSuccess)) << Texts();
        }
    });
}

std::vector<BYTE> Flipped(std::vector<BYTE> p) {
    p.at(p.size() - 2) ^= 0x10;
    return p;
}

const RoadCase kRoads[] = {
    {"SwitchFirst", 0x6010, SwitchFirstWorld, nullptr, kSuccess},
    {"SwitchFirstCorrupted", 0x6010, SwitchFirstWorld, [](Road& r) { r.package = Flipped(r.package); },
     L"Failed to update firmware. Firmware corrupted"},
    {"SwitchFirstReplyPending", 0x6010, SwitchFirstWorld,
     [](Road& r) { sim::SetHidCommandFails(r.updater, 0x05, true); },
     L"Failed to update firmware. Cannot get status"},
    {"SwitchFirstVanishes", 0x6010, SwitchFirstWorld, [](Road& r) { sim::SetHidVanishAfterReports(r.updater, 4); },
     L"Failed to update firmware. Cannot get status[9]"},
    {"SwitchFirstNotBack", 0x6010, SwitchFirstWorld,
     [](Road& r) { sim::SetHidStaysAwayAfterRestart(r.updater, true); }, L"Failed to update firmware"},
    {"Camera", 0x5510, CameraWorld, nullptr, kSuccess},
    {"CameraCardNeverAppears", 0x5510, CameraWorld, [](Road& r) { sim::SetHidCardNeverAppears(r.first, true); },
     L"Failed to update firmware. Cannot get status [4][1]. Try again."},
    {"VoicePrompt", 0x3110, VoicePromptWorld, nullptr, kSuccess},
    {"VoicePromptWrongCrc", 0x3110, VoicePromptWorld,
     [](Road& r) { sim::SetHidCommandFails(r.updater, 0x5B, true); },
     L"Failed to update firmware. Cannot get status[10][3]"},
    {"TwoChip", 0x4310, CorvaneWorld, nullptr, kSuccess},
    {"TwoChipSecondChipGone", 0x4310, CorvaneWorld, [](Road& r) { sim::SetHidVanishAfterReports(r.second, 2); },
     L"Failed to update firmware. Cannot get status"},
    {"VersionGated", 0x4210, VersionGatedWorld, nullptr, kSuccess},
    {"VersionGatedOldFile", 0x4210, VersionGatedWorld, nullptr,
     L"Firmware version is not supported by the 60T EVO. Update to the latest version of 60T EVO firmware..[0]",
     L"60T_v1.7.4-fr.img"},
    {"VehicleModule", 0x5345, VehicleWorld, nullptr, kSuccess},
    {"VehicleModuleLoaderHangs", 0x5345, VehicleWorld, [](Road& r) { sim::SetFlashFault(r.bridge, L"hang"); },
     L"Failed to update firmware. Cannot get status"},
    // The loader never reports: the page ends the update at 50 %; the worker
    // ends the loader and the wizard is free once the worker has ended.
    {"VehicleModuleLoaderSilent", 0x5345, VehicleWorld, [](Road& r) { sim::SetFlashFault(r.bridge, L"stall"); },
     L"Failed to update firmware. Cannot get status[26]"},
    {"VehicleModuleLoaderFails", 0x5345, VehicleWorld,
     [](Road& r) { sim::SetFlashFault(r.bridge, L"write-fails"); }, L"Failed to update firmware. Cannot get status"},
};

INSTANTIATE_TEST_SUITE_P(Roads, HidRoadTest, ::testing::ValuesIn(kRoads),
                         [](const ::testing::TestParamInfo<RoadCase>& info) { return std::string(info.param.name); });

}  // namespace
