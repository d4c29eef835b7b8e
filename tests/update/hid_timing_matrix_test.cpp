// The HID update roads at a headset's real timing, each from WELCOME through
// the recognition the program runs, then the package chosen and ACTION:
// every interface slow but inside its bounds (the road succeeds), the
// pre-check's version pending for seconds (it succeeds too), the pre-check's
// version answered once after its bound, and a headset that falls silent
// once its version is answered. And the window while the pre-check waits
// on a working headset.
#include "tests/app/FaultMatrix.h"
#include "tests/app/HeadsetWaitWatch.h"
#include "app/resource.h"
#include "core/HidProtocol.h"
#include "framework/Clock.h"
#include "framework/TestSeams.h"
#include "tests/update/HidRoadWorlds.h"
#include "update/HidUpdateJob.h"

using faultmatrix::Row;
using namespace hidroads;
using namespace pkgtest;

namespace {

const wchar_t* const kUpdated = L"Firmware updated successfully";
const wchar_t* const kNotRecognized = L"Failed to update firmware. Not the recognized device";
const wchar_t* const kNoStatus = L"Failed to update firmware. Cannot get status";

class HidTimingMatrix : public faultmatrix::FaultMatrixTest {
protected:
    void TearDown() override {
        CleanUp(m_road);
        FaultMatrixTest::TearDown();
    }
    static void Press(CUpdaterDlg& dlg, int id) {
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)Item(dlg, id));
    }
    // Every HID interface of the road, slow by realMs a reply.
    Row Slow(const char* name = "reply_ms 4 on every interface (slow, inside the bounds)") {
        return {name, [this] {
                    for (sim::DeviceId id : {m_road.first, m_road.second, m_road.updater})
                        if (id) sim::SetHidReplyMs(id, 4);
                },
                kUpdated, true, 420};
    }
    // The version request of the pre-check, on device, answered 7 s late.
    Row LateVersion(std::function<sim::DeviceId()> device, const wchar_t* endText = kNotRecognized) {
        return {"late_command 0x01 (pre-check version, once)",
                [=] { sim::SetHidLateReply(device(), HID_CMD_GET_VERSION, 7000); }, endText, false, 60};
    }
    // Every version request on device (the pre-check's first) answered
    // after 7 s of pending replies: longer than the pre-check's bound of
    // silence, and never that long silent.
    Row PendingVersion(std::function<sim::DeviceId()> device) {
        return {"pending_ms 7000 on the version (pre-check)",
                [=] { sim::SetHidPendingMs(device(), 7000, HID_CMD_GET_VERSION); }, kUpdated, true, 480};
    }
    // device answers `answers` more requests (the pre-check's), then none.
    Row SilentAfterVersion(std::function<sim::DeviceId()> device, const wchar_t* endText, int answers = 1) {
        return {"silent_after_reports (after the pre-check's version)",
                [=] { sim::SetHidSilentAfterReports(device(), answers); }, endText, false, 60};
    }

    // watch, when given, watches the window through ACTION's pre-check:
    // ACTION returns once it is over and the worker has started.
    using Watch = std::function<std::unique_ptr<HeadsetWaitWatch>(CUpdaterDlg&)>;
    void RunRoad(const char* road, int model, void (*world)(Road&, ScratchFolder&), const std::vector<Row>& rows,
                 const wchar_t* fileName = L"package_v1.7.5-fr.img", Watch watch = nullptr) {
        std::vector<faultmatrix::Outcome> outcomes;
        for (const Row& row : rows) {
            SCOPED_TRACE(row.fault);
            sim::Reset();
            sim::SetSpeed(kSpeed);
            CleanUp(m_road);
            m_road = Road();
            world(m_road, m_dir);
            std::wstring package = m_dir.File(fileName);
            ASSERT_TRUE(WriteBytes(package, m_road.package));
            m_asked.clear();
            m_answers.assign(row.answers.begin(), row.answers.end());
            RunWizard([&](CUpdaterDlg& dlg) {
                ASSERT_TRUE(WaitIdle(dlg));
                Press(dlg, IDC_NEXT);
                ASSERT_EQ(PAGE_RECOGNITION, dlg.m_nPage);
                Press(dlg, IDC_NEXT);
                ASSERT_TRUE(WaitIdle(dlg, 30000));
                ASSERT_TRUE(dlg.m_bRecognized);
                ASSERT_EQ(model, dlg.m_nTargetModel);
                ASSERT_EQ(PAGE_FIRMWARE_UPDATE, dlg.m_nPage);
                // The page again by its step button: the status line shows
                // the page's instructions, not the recognition's success.
                Press(dlg, IDC_STEP_UPDATE);
                ASSERT_TRUE(WaitIdle(dlg));
                ASSERT_EQ(PAGE_FIRMWARE_UPDATE, dlg.m_nPage);
                dlg.m_updatePage.m_editFile.SetWindowText(package.c_str());
                row.apply();
                std::unique_ptr<HeadsetWaitWatch> watching = watch ? watch(dlg) : nullptr;
                faultmatrix::Follower follow(dlg);
                DWORD slowest = 0;
                follow.Run(row, [&] {
                    Press(dlg, IDC_ACTION);
                    if (watching) slowest = watching->Stop();
                });
                if (watching) {
                    EXPECT_LT(slowest, 500u) << watching->Samples() << " answers";
                    EXPECT_TRUE(watching->RanDuringTheExchange());
                }
                fw::test::PumpUntil([] { return hidupdate::RunningWorkers() == 0; }, 10000);
                EXPECT_EQ(0, hidupdate::RunningWorkers());
                if (row.success) m_road.verify(m_road);
                follow.ExpectUsable();
                outcomes.push_back(follow.Result());
            });
        }
        faultmatrix::PrintTable(road, outcomes);
    }

    ScratchFolder m_dir;
    Road m_road;
};

}  // namespace

TEST_F(HidTimingMatrix, OneInterfacePackage) {
    auto first = [this] { return m_road.first; };
    RunRoad("HID package, one interface (40N), at the headset's timing", 0x5520, SinglePackageWorld,
            {Slow(), PendingVersion(first), LateVersion(first), SilentAfterVersion(first, kNoStatus)});
}

// The pre-check asks for the version on the window's thread, before the
// worker starts. While it waits 40 s for a headset that answers "pending",
// the window answers a message within half a second, and a click on NEXT
// meanwhile starts nothing: the update goes on to its success.
TEST_F(HidTimingMatrix, TheWindowAnswersWhileThePreCheckWaits) {
    auto preCheckWaits = [this](CUpdaterDlg& dlg) {
        const size_t before = sim::HidCommandLog(m_road.first).size();
        return [this, &dlg, before] {
            auto log = sim::HidCommandLog(m_road.first);
            return hidupdate::RunningWorkers() == 0 && dlg.m_bBusy && log.size() == before + 1 &&
                   log.back()[1] == HID_CMD_GET_VERSION;
        };
    };
    RunRoad("HID package, one interface (40N), the pre-check pending", 0x5520, SinglePackageWorld,
            {{"pending_ms 40000 on the version, NEXT clicked during the pre-check",
              [this] { sim::SetHidPendingMs(m_road.first, 40000, HID_CMD_GET_VERSION); }, kUpdated, true, 600}},
            L"package_v1.7.5-fr.img", [&](CUpdaterDlg& dlg) {
                return std::make_unique<HeadsetWaitWatch>(dlg.m_hWnd, preCheckWaits(dlg),
                                                          [&dlg] { PostClick(Item(dlg, IDC_NEXT)); });
            });
}

TEST_F(HidTimingMatrix, SwitchIntoUpdateModeFirst) {
    auto updater = [this] { return m_road.updater; };
    RunRoad("HID package after a switch into update mode (P3), at the headset's timing", 0x6010, SwitchFirstWorld,
            {Slow(), LateVersion(updater), SilentAfterVersion(updater, kNoStatus)});
}

TEST_F(HidTimingMatrix, CameraWithItsCard) {
    auto first = [this] { return m_road.first; };
    RunRoad("HID package with the camera's card (40Z), at the headset's timing", 0x5510, CameraWorld,
            {Slow(), LateVersion(first),
             SilentAfterVersion(first, L"Failed to update firmware. Cannot get status [1][0]. Try again.")});
}

TEST_F(HidTimingMatrix, VoicePrompts) {
    auto first = [this] { return m_road.first; };
    RunRoad("HID voice-prompt package (70J), at the headset's timing", 0x3110, VoicePromptWorld,
            {Slow(), LateVersion(first), SilentAfterVersion(first, L"Failed to update firmware. Cannot get status[0]")},
            L"70J_v1.1-fr.img");
}

TEST_F(HidTimingMatrix, TwoChips) {
    auto first = [this] { return m_road.first; };
    auto second = [this] { return m_road.second; };
    RunRoad("HID two-chip package (Corvane), at the headset's timing", 0x4310, CorvaneWorld,
            {Slow(), LateVersion(second), SilentAfterVersion(first, kNoStatus)});
}

// While the worker sends the image, the window refreshes its picture every
// second: the device type behind it was read at recognition, so the only
// request for it during the update is the worker's own.
TEST_F(HidTimingMatrix, VersionGated) {
    auto first = [this] { return m_road.first; };
    Row slow = Slow();
    auto slowDown = slow.apply;
    slow.apply = [this, slowDown] {
        slowDown();
        const size_t sentBefore = sim::HidCommandLog(m_road.first).size();
        auto verify = m_road.verify;
        m_road.verify = [sentBefore, verify](const Road& r) {
            verify(r);
            auto log = sim::HidCommandLog(r.first);
            int typeReads = 0;
            // Up to the restart that ends the transfer (recognition reads the
            // type again afterwards).
            for (size_t i = sentBefore; i < log.size() && log[i][1] != HID_CMD_RESTART; ++i)
                typeReads += log[i][1] == HID_CMD_READ_BLOCK && log[i][2] == HID_BLOCK_DEVICE_TYPE;
            EXPECT_EQ(1, typeReads);
        };
    };
    RunRoad("HID version-gated package (60T, 0x4210), at the headset's timing", 0x4210, VersionGatedWorld,
            {slow, LateVersion(first), SilentAfterVersion(first, kNoStatus)});
}

TEST_F(HidTimingMatrix, VehicleModule) {
    auto first = [this] { return m_road.first; };
    RunRoad("Vehicle module (HID and flash loader), at the headset's timing", 0x5345, VehicleWorld,
            {Slow(), LateVersion(first, L"Failed to update firmware. Not the recognized device[0]"),
             SilentAfterVersion(first, L"Failed to update firmware. Cannot get status[27]")});
}
