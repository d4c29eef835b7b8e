// The fault matrices of the HID update roads, one test per path: the device
// recognised, its package chosen on the FIRMWARE UPDATE page, ACTION, and
// every fault the simulated devices of that path offer.
#include "tests/app/FaultMatrix.h"
#include "app/resource.h"
#include "framework/Clock.h"
#include "framework/TestSeams.h"
#include "hardware/HardwareApi.h"
#include "tests/update/HidRoadWorlds.h"
#include "update/HidUpdateJob.h"

using faultmatrix::Row;
using namespace hidroads;
using namespace pkgtest;

namespace {

const wchar_t* const kUpdated = L"Firmware updated successfully";
const wchar_t* const kFailed = L"Failed to update firmware";
const wchar_t* const kNotRecognized = L"Failed to update firmware. Not the recognized device";
const wchar_t* const kNoStatus = L"Failed to update firmware. Cannot get status";
const wchar_t* const kNotBack = L"Failed to update firmware. Cannot get device";

class HidFaultMatrix : public faultmatrix::FaultMatrixTest {
protected:
    void TearDown() override {
        CleanUp(m_road);
        FaultMatrixTest::TearDown();
    }

    // The faults every HID path has, on its devices: first the interface
    // the page talks to, receiver the one that takes the image, restarting
    // the one whose restart ends the transfer.
    std::vector<Row> CommonRows(std::function<sim::DeviceId()> receiver, std::function<sim::DeviceId()> restarting) {
        auto first = [this] { return m_road.first; };
        return {
            {"none", [] {}, kUpdated, true, 420},
            {"package corrupted", [this] { m_road.package.at(m_road.package.size() - 2) ^= 0x10; },
             L"Failed to update firmware. Firmware corrupted", false, 60},
            {"open_fails", [=] { sim::SetHidOpenFails(first(), true); }, kNotRecognized, false, 60},
            {"write_fails", [=] { sim::SetHidWriteFails(first(), true); }, kFailed, false, 60},
            {"pending_replies 2", [=] { sim::SetHidPendingReplies(receiver(), 2); }, kUpdated, true, 420},
            // A headset that stops answering: every request waits out its own
            // bound; the road as a whole must still end within minutes.
            {"pending_forever", [=] { sim::SetHidPendingForever(receiver(), true); }, kFailed, false, 300},
            {"vanish_after_reports 3", [=] { sim::SetHidVanishAfterReports(receiver(), 3); }, kFailed, false, 420},
            {"fail_command 0x05 (image begin)", [=] { sim::SetHidCommandFails(receiver(), 0x05, true); }, kNoStatus,
             false, 420},
            {"fail_command 0x06 (image data)", [=] { sim::SetHidCommandFails(receiver(), 0x06, true); }, kNoStatus,
             false, 420},
            {"fail_command 0x08 (restart)", [=] { sim::SetHidCommandFails(restarting(), 0x08, true); }, kNoStatus,
             false, 420},
            // The page waits for a restarting device for minutes before it
            // gives up: its post-update polls count, each at its period.
            {"stays_away_after_restart", [=] { sim::SetHidStaysAwayAfterRestart(restarting(), true); }, kFailed,
             false, 600, {}, true},
            {"present 0 (unplugged before ACTION)", [=] { sim::SetPresent(first(), false); }, kNotRecognized, false, 60},
        };
    }

    void RunRoad(const char* road, int model, void (*world)(Road&, ScratchFolder&), const std::vector<Row>& rows,
                 const wchar_t* fileName = L"package_v1.7.5-fr.img") {
        std::vector<faultmatrix::Outcome> outcomes;
        for (const Row& row : rows) {
            SCOPED_TRACE(row.fault);
            sim::Reset();
            sim::SetSpeed(kSpeed);
            CleanUp(m_road);
            m_road = Road();
            world(m_road, m_dir);
            row.apply();
            std::wstring package = m_dir.File(fileName);
            ASSERT_TRUE(WriteBytes(package, m_road.package));
            m_asked.clear();
            m_answers.assign(row.answers.begin(), row.answers.end());
            RunWizard([&](CUpdaterDlg& dlg) {
                ASSERT_TRUE(WaitIdle(dlg));
                Recognise(dlg, model);
                dlg.m_deviceRecord.m_versionChip1.Set(1, 2, 0, 0, 0);
                dlg.m_deviceRecord.m_versionChip2.Set(1, 2, 0, 0, 0);
                dlg.m_nUsbStatus = model;
                dlg.GoToPage(PAGE_FIRMWARE_UPDATE);
                ASSERT_TRUE(WaitIdle(dlg));
                dlg.m_updatePage.m_editFile.SetWindowText(package.c_str());
                faultmatrix::Follower follow(dlg);
                follow.Run(row, [&] { ::SendMessageW(Item(dlg, IDC_ACTION), BM_CLICK, 0, 0); });
                fw::test::PumpUntil([] { return hidupdate::RunningWorkers() == 0; }, 10000);
                EXPECT_EQ(0, hidupdate::RunningWorkers());
                if (row.success) m_road.verify(m_road);
                follow.ExpectUsable();
                outcomes.push_back(follow.Result());
            });
        }
        faultmatrix::PrintTable(road, outcomes);
    }

    std::vector<Row> Plus(std::vector<Row> rows, const std::vector<Row>& more) {
        rows.insert(rows.end(), more.begin(), more.end());
        return rows;
    }

    ScratchFolder m_dir;
    Road m_road;
};

TEST_F(HidFaultMatrix, OneInterfacePackage) {
    auto first = [this] { return m_road.first; };
    RunRoad("HID package, one interface (40N)", 0x5520, SinglePackageWorld, CommonRows(first, first));
}

TEST_F(HidFaultMatrix, SwitchIntoUpdateModeFirst) {
    auto updater = [this] { return m_road.updater; };
    RunRoad("HID package after a switch into update mode (P3)", 0x6010, SwitchFirstWorld,
            Plus(CommonRows(updater, updater),
                 {{"fail_command 0x0D (poll done)", [this] { sim::SetHidCommandFails(m_road.updater, 0x0D, true); },
                   L"Failed to update firmware. Cannot get status[9][4]", false, 600}}));
}

TEST_F(HidFaultMatrix, CameraWithItsCard) {
    auto first = [this] { return m_road.first; };
    RunRoad("HID package with the camera's card (40Z)", 0x5510, CameraWorld,
            Plus(CommonRows(first, first),
                 {{"card_never_appears", [this] { sim::SetHidCardNeverAppears(m_road.first, true); },
                   L"Failed to update firmware. Cannot get status [4][1]. Try again.", false, 420},
                  {"fail_command 0x20 (card on)", [this] { sim::SetHidCommandFails(m_road.first, 0x20, true); },
                   L"Failed to update firmware. Cannot get status [1][0]. Try again.", false, 420},
                  {"fail_command 0x21 (card off)", [this] { sim::SetHidCommandFails(m_road.first, 0x21, true); },
                   L"Failed to update firmware. Cannot get status [0][0]. Try again.", false, 420}}));
}

TEST_F(HidFaultMatrix, VoicePrompts) {
    auto first = [this] { return m_road.first; };
    RunRoad("HID voice-prompt package (70J)", 0x3110, VoicePromptWorld,
            Plus(CommonRows(first, first),
                 {{"fail_command 0x50 (enter update mode)",
                   [this] { sim::SetHidCommandFails(m_road.first, 0x50, true); }, kFailed, false, 420},
                  {"fail_command 0x5B (image CRC)", [this] { sim::SetHidCommandFails(m_road.updater, 0x5B, true); },
                   L"Failed to update firmware. Cannot get status[10][3]", false, 420},
                  {"update-mode chip pending_forever",
                   [this] { sim::SetHidPendingForever(m_road.updater, true); }, kFailed, false, 420},
                  {"update-mode chip vanish_after_reports 3",
                   [this] { sim::SetHidVanishAfterReports(m_road.updater, 3); }, kFailed, false, 300}}),
            L"70J_v1.1-fr.img");
}

TEST_F(HidFaultMatrix, TwoChips) {
    auto first = [this] { return m_road.first; };
    auto second = [this] { return m_road.second; };
    RunRoad("HID two-chip package (Corvane)", 0x4310, CorvaneWorld,
            Plus(CommonRows(first, first),
                 {{"second chip open_fails", [=] { sim::SetHidOpenFails(second(), true); }, kNotRecognized, false, 60},
                  {"second chip pending_forever", [=] { sim::SetHidPendingForever(second(), true); },
                   kNotRecognized, false, 420},
                  {"second chip stays_away_after_restart",
                   [=] { sim::SetHidStaysAwayAfterRestart(second(), true); }, kNotBack, false, 600, {}, true},
                  {"second chip vanish_after_reports 2", [=] { sim::SetHidVanishAfterReports(second(), 2); },
                   kFailed, false, 420},
                  {"second chip fail_command 0x06", [=] { sim::SetHidCommandFails(second(), 0x06, true); }, kNoStatus,
                   false, 420}}));
}

TEST_F(HidFaultMatrix, VersionGated) {
    auto first = [this] { return m_road.first; };
    std::vector<Row> rows = CommonRows(first, first);
    RunRoad("HID version-gated package (60T, 0x4210)", 0x4210, VersionGatedWorld, rows);
    RunRoad("HID version-gated package (60T, 0x4210), old file", 0x4210, VersionGatedWorld,
            {{"package name below v1.7.5", [] {},
              L"Firmware version is not supported by the 60T EVO. Update to the latest version of 60T EVO firmware.",
              false, 60}},
            L"60T_v1.7.4-fr.img");
}

TEST_F(HidFaultMatrix, VehicleModule) {
    auto first = [this] { return m_road.first; };
    RunRoad("Vehicle module (HID and flash loader)", 0x5345, VehicleWorld,
            Plus(CommonRows(first, first),
                 {{"flash_fault no-answer", [this] { sim::SetFlashFault(m_road.bridge, L"no-answer"); }, kFailed,
                   false, 420},
                  {"flash_fault write-fails", [this] { sim::SetFlashFault(m_road.bridge, L"write-fails"); },
                   kFailed, false, 420},
                  {"flash_fault hang", [this] { sim::SetFlashFault(m_road.bridge, L"hang"); }, kFailed, false, 600},
                  {"flash_fault stall", [this] { sim::SetFlashFault(m_road.bridge, L"stall"); }, kFailed, false,
                   600},
                  {"ftdi open_fails", [this] { sim::SetFtdiFaults(m_road.bridge, true, false); }, kFailed, false,
                   300},
                  {"ftdi com_port_fails", [this] { sim::SetFtdiFaults(m_road.bridge, false, true); }, kFailed,
                   false, 420},
                  {"ftdi present 0", [this] { sim::SetPresent(m_road.bridge, false); }, kFailed, false, 420},
                  {"second interface vanish_after_reports 2",
                   [this] { sim::SetHidVanishAfterReports(m_road.second, 2); }, kFailed, false, 420}}));
}

}  // namespace
