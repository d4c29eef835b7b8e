// The HID recognition road at a headset's real timing, from WELCOME with the
// wizard's own NEXT: a headset slow but inside every bound, one that keeps
// each answer pending for seconds, one that answers a request once after
// the bound, one that falls silent after its version.
// The window while recognition waits on a headset that is still working.
// And the 0x4210 picture, whose device type is read once at recognition.
#include "tests/app/FaultMatrix.h"
#include "tests/app/HeadsetWaitWatch.h"
#include "app/resource.h"
#include "core/HidProtocol.h"
#include "framework/TestSeams.h"

using faultmatrix::Row;

namespace {

const wchar_t* const kRecognised = L"Device recognized successfully";
const wchar_t* const kCannotOpenUsb = L"Failed to recognize device. Cannot open USB";

class RecognitionTimingMatrix : public faultmatrix::FaultMatrixTest {
protected:
    // 40N on firmware 1.2 with its name, address and settings block.
    sim::DeviceId AddHeadset() {
        sim::Reset();
        sim::SetSpeed(kSpeed);
        sim::DeviceId id = sim::AddHidInterface(L"40N", sim::kMakerVendorId, 0x5520);
        const BYTE version[5] = {1, 2, 0, 0, 0};
        const BYTE address[6] = {0x00, 0x1A, 0x7D, 0xDA, 0x71, 0x13};
        sim::SetHidVersion(id, version);
        sim::SetHidAddress(id, address);
        sim::SetHidNameBlock(id, "40N Rider");
        sim::SetHidBlock(id, HID_BLOCK_SETTINGS, {0x0402, 0});
        return id;
    }
    static void Press(CUpdaterDlg& dlg, int id) {
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)Item(dlg, id));
    }
    // WELCOME, NEXT: the recognition page, where NEXT runs the routine.
    static void ToRecognitionPage(CUpdaterDlg& dlg) {
        ASSERT_TRUE(::IsWindowEnabled(Item(dlg, IDC_NEXT)));
        Press(dlg, IDC_NEXT);
        ASSERT_EQ(PAGE_RECOGNITION, dlg.m_nPage);
    }
    // The record of the headset AddHeadset builds, as recognition reads it.
    static void ExpectReadWhole(const CUpdaterDlg& dlg) {
        EXPECT_TRUE(dlg.m_bRecognized);
        EXPECT_EQ(0x5520, dlg.m_deviceRecord.m_nModelId);
        EXPECT_EQ(CString(L"40N Rider"), dlg.m_deviceRecord.m_strDeviceName);
        EXPECT_EQ(CString(L"001A7D[DA7113]"), dlg.m_deviceRecord.m_strBdAddress);
        EXPECT_EQ(1, dlg.m_deviceRecord.m_version.m_nMajor);
        EXPECT_EQ(2, dlg.m_deviceRecord.m_version.m_nMinor);
        EXPECT_EQ(1, dlg.m_deviceRecord.m_bIntercomVox);  // bit 1 of 0x0402
        EXPECT_EQ(1, dlg.m_deviceRecord.m_bAudioBoost);   // bit 10
    }
    // The request last sent to the headset is of this command.
    static bool LastRequestIs(sim::DeviceId id, BYTE command) {
        auto log = sim::HidCommandLog(id);
        return !log.empty() && log.back()[1] == command;
    }
    static size_t Writes(sim::DeviceId id) {
        size_t n = 0;
        for (const auto& r : sim::HidCommandLog(id)) n += r[1] == HID_CMD_WRITE_BLOCK;
        return n;
    }
};

}  // namespace

TEST_F(RecognitionTimingMatrix, HidHeadsetFromWelcome) {
    sim::DeviceId id = 0;
    std::vector<faultmatrix::Outcome> outcomes;
    struct Timed {
        Row row;
        std::function<void(CUpdaterDlg&, faultmatrix::Follower&)> after;
    };
    // The rows that press NEXT again at once run the clock slower, so that
    // the follower's own pause after the end stays well inside the late
    // reply's time.
    auto slower = [] {
        fw::Clock::SetSpeed(5);
        sim::SetSpeed(5);
    };
    auto askedAgainAtOnce = [&](CUpdaterDlg& dlg, faultmatrix::Follower& follow) {
        EXPECT_FALSE(dlg.m_bRecognized);
        Row again = {"the same headset asked again at once", [] {}, kRecognised, true, 20};
        follow.Run(again, [&] { Press(dlg, IDC_NEXT); });
        ExpectReadWhole(dlg);
        fw::Clock::SetSpeed(kSpeed);
    };
    const Timed rows[] = {
        // Every reply takes 4 ms of real time, a fifth of a second of the
        // program's at the matrix's speed: inside each bound and the whole.
        {{"reply_ms 4 (slow, inside the bounds)", [&] { sim::SetHidReplyMs(id, 4); }, kRecognised, true, 30},
         [&](CUpdaterDlg& dlg, faultmatrix::Follower&) { ExpectReadWhole(dlg); }},
        // Each answer pending for 2 s, then 7 s, of the headset's time: more
        // than the 15 s recognition once had in all, and (at 7 s) than a
        // request's bound of silence. The headset is working all along.
        {{"pending_ms 2000", [&] { sim::SetHidPendingMs(id, 2000); }, kRecognised, true, 120},
         [&](CUpdaterDlg& dlg, faultmatrix::Follower&) { ExpectReadWhole(dlg); }},
        {{"pending_ms 7000", [&] { sim::SetHidPendingMs(id, 7000); }, kRecognised, true, 400},
         [&](CUpdaterDlg& dlg, faultmatrix::Follower&) { ExpectReadWhole(dlg); }},
        // The address comes 7 s after its request, 2 s after the bound: the
        // step ends. Asked again once the reply has come, the headset is
        // read whole, each request with its own reply.
        {{"late_command 0x02 (address, once)", [&] { sim::SetHidLateReply(id, HID_CMD_GET_BD_ADDRESS, 7000); },
          kCannotOpenUsb, false, 20},
         [&](CUpdaterDlg& dlg, faultmatrix::Follower& follow) {
             EXPECT_FALSE(dlg.m_bRecognized);
             EXPECT_EQ(0u, Writes(id));
             fw::Clock::Sleep(4000);
             Row again = {"the same headset asked again", [] {}, kRecognised, true, 20};
             follow.Run(again, [&] { Press(dlg, IDC_NEXT); });
             ExpectReadWhole(dlg);
         }},
        // The same without the echo, and NEXT pressed again at once: the
        // address comes 4 s after the step gave up, when the new recognition
        // has opened its handles. It waits out the rest of the late window
        // first.
        {{"late_command 0x02 at 9 s, echo 0, NEXT again at once",
          [&] {
              slower();
              sim::SetHidEcho(id, false);
              sim::SetHidLateReply(id, HID_CMD_GET_BD_ADDRESS, 9000);
          },
          kCannotOpenUsb, false, 20},
         askedAgainAtOnce},
        // With the echo, the address 12 s late: after the late window, so
        // that it reaches the first request of the recognition started at
        // once, on handles opened anew. The echo learnt on the interface
        // before reads it past.
        {{"late_command 0x02 at 12 s, echo 1, NEXT again at once",
          [&] {
              slower();
              sim::SetHidLateReply(id, HID_CMD_GET_BD_ADDRESS, 12000);
          },
          kCannotOpenUsb, false, 20},
         askedAgainAtOnce},
        // Name and version answered, then nothing: no defaults stand in for
        // its settings, nothing is stored and nothing written.
        {{"silent_after_reports 2 (after the version)", [&] { sim::SetHidSilentAfterReports(id, 2); },
          kCannotOpenUsb, false, 20},
         [&](CUpdaterDlg& dlg, faultmatrix::Follower&) {
             EXPECT_FALSE(dlg.m_bRecognized);
             EXPECT_EQ(0u, Writes(id));
             EXPECT_NE(0x5520, dlg.m_deviceRecord.m_nModelId);
             EXPECT_EQ(CString(), dlg.m_deviceRecord.m_strBdAddress);
             EXPECT_FALSE(dlg.m_hHidDevice.IsValid());
         }},
    };
    for (const Timed& t : rows) {
        SCOPED_TRACE(t.row.fault);
        id = AddHeadset();
        t.row.apply();
        RunWizard([&](CUpdaterDlg& dlg) {
            ASSERT_TRUE(WaitIdle(dlg));
            ToRecognitionPage(dlg);
            faultmatrix::Follower follow(dlg);
            follow.Run(t.row, [&] { Press(dlg, IDC_NEXT); });
            outcomes.push_back(follow.Result());
            t.after(dlg, follow);
            follow.ExpectUsable();
        });
    }
    faultmatrix::PrintTable("HID recognition at the headset's timing (40N)", outcomes);
}

// Recognition runs on the window's thread. While it waits 40 s for a
// headset that answers "pending", the window answers a message within half
// a second, and a click on NEXT meanwhile is dropped: once the step has
// ended as usual, it does not take the wizard on to the next page.
TEST_F(RecognitionTimingMatrix, TheWindowAnswersWhileTheHeadsetWorks) {
    sim::DeviceId id = AddHeadset();
    sim::SetHidPendingMs(id, 40000, HID_CMD_GET_VERSION);
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        ToRecognitionPage(dlg);
        HeadsetWaitWatch watch(
            dlg.m_hWnd, [&] { return dlg.m_bBusy && LastRequestIs(id, HID_CMD_GET_VERSION); },
            [&] { PostClick(Item(dlg, IDC_NEXT)); });
        faultmatrix::Follower follow(dlg);
        follow.Run({"pending_ms 40000 on the version, NEXT clicked meanwhile", [] {}, kRecognised, true, 200},
                   [&] { Press(dlg, IDC_NEXT); });
        EXPECT_LT(watch.Stop(), 500u) << watch.Samples() << " answers";
        EXPECT_TRUE(watch.RanDuringTheExchange());
        ExpectReadWhole(dlg);
        const size_t sent = sim::HidCommandLog(id).size();
        fw::test::PumpFor(300);
        EXPECT_EQ(PAGE_FIRMWARE_UPDATE, dlg.m_nPage);
        EXPECT_EQ(sent, sim::HidCommandLog(id).size());
        follow.ExpectUsable();
    });
}

// The picture of 0x4210 shows the device type that recognition read; no
// refresh of the window asks the headset again, so that nothing but the
// owner of its interfaces (an update's worker, a save) talks to it.
TEST_F(RecognitionTimingMatrix, TheDeviceTypeBehindThePictureIsReadOnceAtRecognition) {
    sim::Reset();
    sim::SetSpeed(kSpeed);
    const BYTE version[5] = {1, 2, 0, 0, 0};
    sim::DeviceId first = sim::AddHidInterface(L"60T", sim::kMakerVendorId, 0x4210);
    sim::DeviceId second = sim::AddHidInterface(L"60T second chip", sim::kMakerVendorId, 0x4210);
    sim::SetHidVersion(first, version);
    sim::SetHidVersion(second, version);
    sim::SetHidBlock(first, HID_BLOCK_DEVICE_TYPE, {16});
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        ToRecognitionPage(dlg);
        Press(dlg, IDC_NEXT);
        ASSERT_TRUE(WaitIdle(dlg));
        ASSERT_TRUE(dlg.m_bRecognized);
        EXPECT_EQ(16, dlg.m_nHidDeviceType);
        EXPECT_EQ((UINT)IDB_DEVICE_HEADSET_BOOM, dlg.GetDevicePictureId(0x4210));
        // A headset that has stopped answering holds no refresh.
        sim::SetHidSilentAfterReports(first, 0);
        const size_t sent = sim::HidCommandLog(first).size();
        for (int i = 0; i < 3; ++i) {
            const DWORD start = fw::Clock::GetTickCount();
            dlg.UpdateControls();
            EXPECT_LT(fw::Clock::GetTickCount() - start, 1000u);
            ::RedrawWindow(dlg.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            fw::test::PumpFor(20);
        }
        EXPECT_EQ(sent, sim::HidCommandLog(first).size());
        EXPECT_EQ((UINT)IDB_DEVICE_HEADSET_BOOM, dlg.GetDevicePictureId(0x4210));
        // WELCOME forgets the device, and its type with it.
        Press(dlg, IDC_STEP_WELCOME);
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(0, dlg.m_nHidDeviceType);
        EXPECT_EQ(sent, sim::HidCommandLog(first).size());
    });
}
