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
#include "tests/update/HidRoadWorlds.h"
#include "tests/app/ResponsivenessProbe.h"
#include <algorithm>
#include <cstdio>
#include <atomic>
#include <functional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

using namespace pkgtest;
using namespace hidroads;

namespace {

const wchar_t* kSuccess = L"Firmware updated successfully";

struct RoadCase {
    const char* name;
    int model;
    std::function<void(Road&, ScratchFolder&)> world;  // devices and package
    std::function<void(Road&)> fault;
    const wchar_t* finalText;  // kSuccess, or (part of) the failure text the road ends with
    const wchar_t* fileName = nullptr;  // of the package, when it matters
};

void PrintTo(const RoadCase& c, std::ostream* os) { *os << c.name; }

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
        CleanUp(m_road);
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
    // The second part shares the last bytes of the first, its digest right:
    // sent as the table says.
    {"SwitchFirstOverlappingParts", 0x6010, SwitchFirstWorld,
     [](Road& r) { PointPartAt(r.package, 2, 1, GetWord(r.package, RecordOffset(2, 0) + 8) + 5000, 1020); },
     kSuccess},
    // Ten parts, each the first part's bytes but one less at the front, every
    // digest right: checking them would hash more than four times the file.
    {"SwitchFirstOverlapBeyondTheBound", 0x6010, SwitchFirstWorld,
     [](Road& r) {
         PackageBuilder builder;
         builder.Model(0x6010).Part(0, 1, Pattern(6000, 1));
         for (int i = 1; i < 10; ++i) builder.Part(2, 2, {});
         r.package = builder.Build();
         const DWORD start = GetWord(r.package, RecordOffset(10, 0) + 8);
         for (DWORD i = 1; i < 10; ++i) PointPartAt(r.package, 10, i, start + i, 6000 - i);
     },
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
    // One chip never comes back after its restart: the headset is not back.
    {"TwoChipFirstChipNotBack", 0x4310, CorvaneWorld,
     [](Road& r) { sim::SetHidStaysAwayAfterRestart(r.first, true); }, L"Failed to update firmware. Cannot get device"},
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
