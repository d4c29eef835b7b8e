// The HID settings save at a headset's real timing, from WELCOME through the
// recognition the program runs: a headset slow but inside every bound (the
// window answers while the save runs), one that answers a request once
// after the bound (SAVE again later, and at once, with and without the
// echo of the command in its replies), one that falls silent after its
// version, one that keeps every answer pending for seconds, on the basic
// settings and on the speed-dial and FM pages that share the road. And the
// window while the recognition after a save waits on a working headset.
#include "tests/app/FaultMatrix.h"
#include "tests/app/HeadsetWaitWatch.h"
#include "app/resource.h"
#include "core/HidProtocol.h"
#include "framework/TestSeams.h"

using faultmatrix::Row;

namespace {

const wchar_t* const kSaved = L"Device setting saved successfully";
const wchar_t* const kNotWritten = L"Failed to save device setting. Could not write to the device";
const WORD kModel = 0x5610;  // basic settings, speed dial and FM radio, in this order

class SaveTimingMatrix : public faultmatrix::FaultMatrixTest {
protected:
    sim::DeviceId AddHeadset() {
        sim::Reset();
        sim::SetSpeed(kSpeed);
        sim::DeviceId id = sim::AddHidInterface(L"headset", sim::kMakerVendorId, kModel);
        const BYTE version[5] = {1, 0, 0, 0, 0};
        sim::SetHidVersion(id, version);
        sim::SetHidBlock(id, HID_BLOCK_SETTINGS, {0x0000, 0});
        return id;
    }
    static void Press(CUpdaterDlg& dlg, int id) {
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)Item(dlg, id));
    }
    // WELCOME, NEXT, NEXT (the program's recognition), then the settings
    // page with the wizard's own buttons.
    void ReachPage(CUpdaterDlg& dlg, int page) {
        ASSERT_TRUE(WaitIdle(dlg));
        Press(dlg, IDC_NEXT);
        ASSERT_EQ(PAGE_RECOGNITION, dlg.m_nPage);
        Press(dlg, IDC_NEXT);
        ASSERT_TRUE(WaitIdle(dlg));
        ASSERT_TRUE(dlg.m_bRecognized);
        Press(dlg, IDC_STEP_SETTING);
        ASSERT_TRUE(WaitIdle(dlg));
        ASSERT_EQ(PAGE_DEVICE_SETTING, dlg.m_nPage);
        while (dlg.m_nPage != page) {
            Press(dlg, IDC_NEXT);
            ASSERT_TRUE(WaitIdle(dlg));
            ASSERT_TRUE(dlg.m_nPage == PAGE_SPEED_DIAL || dlg.m_nPage == PAGE_FM_RADIO) << dlg.m_nPage;
        }
    }
    // One edit on the page, made with its controls where it has them.
    static void Edit(CUpdaterDlg& dlg, int page) {
        if (page == PAGE_DEVICE_SETTING) {
            dlg.m_settingPage.m_workingRecord.m_bAudioBoost = !dlg.m_settingPage.m_workingRecord.m_bAudioBoost;
            dlg.UpdateControls();
        } else if (page == PAGE_FM_RADIO) {
            dlg.m_settingSecondPage.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FM_RDS_ENABLE, BN_CLICKED),
                                                (LPARAM)::GetDlgItem(dlg.m_settingSecondPage.m_hWnd, IDC_FM_RDS_ENABLE));
        } else {
            HWND number = ::GetDlgItem(dlg.m_speedDialPage.m_hWnd, IDC_SD_NUMBER1);
            ::SetWindowTextW(number, L"");
            for (const wchar_t* c = L"+4930"; *c; ++c) ::SendMessageW(number, WM_CHAR, *c, 0);
        }
        ASSERT_TRUE(::IsWindowEnabled(Item(dlg, IDC_ACTION)));
    }
    static std::vector<WORD> Block(sim::DeviceId id, BYTE block) {
        std::vector<WORD> words;
        sim::GetHidBlock(id, block, &words);
        return words;
    }

    struct TimedRow {
        int page;
        Row row;
        // Checks after the end; follow runs further steps of the row.
        std::function<void(CUpdaterDlg&, faultmatrix::Follower&)> after;
        // What the headset is like from the start (before recognition).
        std::function<void()> before = nullptr;
        // The end is not waited out as the follower does (its pumping after
        // an end is seconds of program time): after runs the moment the
        // save has ended.
        bool afterAtOnce = false;
    };

    void RunRows(const char* road, const std::vector<TimedRow>& rows) {
        std::vector<faultmatrix::Outcome> outcomes;
        for (const TimedRow& t : rows) {
            SCOPED_TRACE(t.row.fault);
            m_id = AddHeadset();
            m_asked.clear();
            m_answers.clear();
            if (t.before) t.before();
            RunWizard([&](CUpdaterDlg& dlg) {
                ReachPage(dlg, t.page);
                Edit(dlg, t.page);
                m_before = Block(m_id, HID_BLOCK_SETTINGS);
                t.row.apply();
                faultmatrix::Follower follow(dlg);
                auto save = [&] {
                    Press(dlg, IDC_ACTION);
                    // The writes run on their worker: the window has its
                    // click back at once, busy, with SAVE disabled.
                    m_busyAfterClick = dlg.m_bBusy != FALSE;
                    m_actionAfterClick = ::IsWindowEnabled(Item(dlg, IDC_ACTION)) != FALSE;
                };
                if (t.afterAtOnce) {
                    const DWORD begin = fw::Clock::GetTickCount();
                    save();
                    ASSERT_TRUE(fw::test::PumpUntil([&] { return !dlg.m_bBusy; }, 20000));
                    EXPECT_LE(fw::Clock::GetTickCount() - begin, t.row.boundSeconds * 1000u);
                    CString status;
                    dlg.GetStatusText(&status);
                    EXPECT_NE(std::wstring::npos, std::wstring(status.GetString()).find(t.row.endText));
                } else {
                    follow.Run(t.row, save);
                }
                EXPECT_TRUE(m_busyAfterClick);
                EXPECT_FALSE(m_actionAfterClick);
                if (!t.afterAtOnce) outcomes.push_back(follow.Result());
                if (t.after) t.after(dlg, follow);
                if (t.afterAtOnce) {
                    faultmatrix::Outcome again = follow.Result();
                    again.fault = t.row.fault;
                    outcomes.push_back(again);
                }
                // Leaving with an unsaved change kept: NO to saving it.
                follow.ExpectUsable([&] { if (!t.row.success) QueueAnswer(IDCANCEL); });
            });
        }
        faultmatrix::PrintTable(road, outcomes);
    }

    sim::DeviceId m_id = 0;
    std::vector<WORD> m_before;
    bool m_busyAfterClick = false, m_actionAfterClick = true;
};

}  // namespace

TEST_F(SaveTimingMatrix, HidHeadsetFromWelcome) {
    auto unchanged = [this](CUpdaterDlg& dlg, faultmatrix::Follower&) {
        EXPECT_EQ(m_before, Block(m_id, HID_BLOCK_SETTINGS));
        EXPECT_EQ(1, dlg.m_settingPage.HasUnsavedChanges());
    };
    auto saveAgainAtOnce = [this](CUpdaterDlg& dlg, faultmatrix::Follower& follow) {
        EXPECT_EQ(1, dlg.m_settingPage.HasUnsavedChanges());
        Row again = {"SAVE again at once", [] {}, kSaved, true, 40};
        follow.Run(again, [&] { Press(dlg, IDC_ACTION); });
        EXPECT_EQ(0x0400, Block(m_id, HID_BLOCK_SETTINGS).at(0) & 0x0400);
        EXPECT_EQ(0, dlg.m_settingPage.HasUnsavedChanges());
    };
    RunRows("HID settings save at the headset's timing (0x5610)",
            {
                // 4 ms of real time a reply, a fifth of a second of the program's.
                {PAGE_DEVICE_SETTING,
                 {"reply_ms 4 (slow, inside the bounds)", [this] { sim::SetHidReplyMs(m_id, 4); }, kSaved, true, 40},
                 [this](CUpdaterDlg& dlg, faultmatrix::Follower&) {
                     EXPECT_EQ(0x0400, Block(m_id, HID_BLOCK_SETTINGS).at(0) & 0x0400);  // audio boost, bit 10
                     EXPECT_EQ(0, dlg.m_settingPage.HasUnsavedChanges());
                 }},
                // The reply to the settings block comes 7 s after its request:
                // the save ends there. SAVE again once that reply has come:
                // it is discarded, not taken for the version's, so each
                // request gets its own reply and the save goes through.
                {PAGE_DEVICE_SETTING,
                 {"late_command 0x04 (the block write, once)",
                  [this] { sim::SetHidLateReply(m_id, HID_CMD_WRITE_BLOCK, 7000); }, kNotWritten, false, 20},
                 [&](CUpdaterDlg& dlg, faultmatrix::Follower& follow) {
                     EXPECT_EQ(1, dlg.m_settingPage.HasUnsavedChanges());
                     fw::Clock::Sleep(4000);
                     Row again = {"SAVE again", [] {}, kSaved, true, 40};
                     follow.Run(again, [&] { Press(dlg, IDC_ACTION); });
                     EXPECT_EQ(0x0400, Block(m_id, HID_BLOCK_SETTINGS).at(0) & 0x0400);
                     EXPECT_EQ(0, dlg.m_settingPage.HasUnsavedChanges());
                 }},
                // Its version answered, then nothing: the save ends within
                // seconds, not minutes, and the edit waits on the page.
                {PAGE_DEVICE_SETTING,
                 {"silent_after_reports 1 (after the version)", [this] { sim::SetHidSilentAfterReports(m_id, 1); },
                  kNotWritten, false, 20},
                 unchanged},
                // Replies that stay pending: the channel's pending bound ends
                // the first request, and nothing is asked after it.
                {PAGE_DEVICE_SETTING,
                 {"pending_forever", [this] { sim::SetHidPendingForever(m_id, true); }, kNotWritten, false, 80},
                 unchanged},
                // The write reply 9 s after its request, 4 s after the save
                // gave it up, and SAVE again the moment the save has failed:
                // the second save first lets the late reply come and go,
                // with the echo and without it.
                {PAGE_DEVICE_SETTING,
                 {"late_command 0x04, late_ms 9000, SAVE again at once",
                  [this] { sim::SetHidLateReply(m_id, HID_CMD_WRITE_BLOCK, 9000); }, kNotWritten, false, 20},
                 saveAgainAtOnce, nullptr, true},
                {PAGE_DEVICE_SETTING,
                 {"echo 0, late_command 0x04, late_ms 9000, SAVE again at once",
                  [this] { sim::SetHidLateReply(m_id, HID_CMD_WRITE_BLOCK, 9000); }, kNotWritten, false, 20},
                 saveAgainAtOnce, [this] { sim::SetHidEcho(m_id, false); }, true},
                // 12 s late, past the wait the second save makes: the reply
                // names the write, not the version, and is read past.
                {PAGE_DEVICE_SETTING,
                 {"late_command 0x04, late_ms 12000, SAVE again at once",
                  [this] { sim::SetHidLateReply(m_id, HID_CMD_WRITE_BLOCK, 12000); }, kNotWritten, false, 20},
                 saveAgainAtOnce, nullptr, true},
                // Every answer pending for 7 s of the headset's time (a
                // headset that writes its flash behind each request): longer
                // than a request's bound of silence, and than the 15 s a
                // save once had in all. Each page's save goes through.
                {PAGE_DEVICE_SETTING,
                 {"pending_ms 7000", [this] { sim::SetHidPendingMs(m_id, 7000); }, kSaved, true, 120},
                 [this](CUpdaterDlg& dlg, faultmatrix::Follower&) {
                     EXPECT_EQ(0x0400, Block(m_id, HID_BLOCK_SETTINGS).at(0) & 0x0400);
                     EXPECT_EQ(0, dlg.m_settingPage.HasUnsavedChanges());
                 }},
                {PAGE_SPEED_DIAL,
                 {"speed dial: pending_ms 7000", [this] { sim::SetHidPendingMs(m_id, 7000); }, kSaved, true, 120},
                 [this](CUpdaterDlg& dlg, faultmatrix::Follower&) {
                     EXPECT_FALSE(Block(m_id, HID_BLOCK_SPEED_DIAL_1).empty());
                     EXPECT_EQ(0, dlg.m_speedDialPage.HasUnsavedChanges());
                 }},
                {PAGE_FM_RADIO,
                 {"FM: pending_ms 7000", [this] { sim::SetHidPendingMs(m_id, 7000); }, kSaved, true, 120},
                 [this](CUpdaterDlg& dlg, faultmatrix::Follower&) {
                     EXPECT_FALSE(Block(m_id, HID_BLOCK_FM).empty());
                     EXPECT_EQ(0, dlg.m_settingSecondPage.HasUnsavedChanges());
                 }},
                {PAGE_SPEED_DIAL,
                 {"speed dial: silent_after_reports 1", [this] { sim::SetHidSilentAfterReports(m_id, 1); },
                  kNotWritten, false, 20},
                 [this](CUpdaterDlg& dlg, faultmatrix::Follower&) {
                     EXPECT_TRUE(Block(m_id, HID_BLOCK_SPEED_DIAL_1).empty());
                     EXPECT_EQ(1, dlg.m_speedDialPage.HasUnsavedChanges());
                 }},
                {PAGE_FM_RADIO,
                 {"FM: late_command 0x01 (version, once)",
                  [this] { sim::SetHidLateReply(m_id, HID_CMD_GET_VERSION, 7000); }, kNotWritten, false, 20},
                 [this](CUpdaterDlg& dlg, faultmatrix::Follower&) { EXPECT_EQ(1, dlg.m_settingSecondPage.HasUnsavedChanges()); }},
            });
}

// After a save the headset is recognised again on the window's thread.
// While that recognition waits 40 s for a headset that answers "pending",
// the window answers a message within half a second, and a click on NEXT
// meanwhile is dropped: the wizard comes back to the page it saved, and
// stays there.
TEST_F(SaveTimingMatrix, TheWindowAnswersWhileTheRecognitionAfterASaveWaits) {
    m_id = AddHeadset();
    RunWizard([&](CUpdaterDlg& dlg) {
        ReachPage(dlg, PAGE_DEVICE_SETTING);
        Edit(dlg, PAGE_DEVICE_SETTING);
        sim::SetHidPendingMs(m_id, 40000, HID_CMD_GET_VERSION);
        auto recognitionWaits = [&] {
            auto log = sim::HidCommandLog(m_id);
            return dlg.m_nPage == PAGE_RECOGNITION && !log.empty() && log.back()[1] == HID_CMD_GET_VERSION;
        };
        HeadsetWaitWatch watch(dlg.m_hWnd, recognitionWaits, [&] { PostClick(Item(dlg, IDC_NEXT)); });
        faultmatrix::Follower follow(dlg);
        follow.Run({"pending_ms 40000 on the version, NEXT clicked during the recognition", [] {}, kSaved, true, 400},
                   [&] { Press(dlg, IDC_ACTION); });
        EXPECT_LT(watch.Stop(), 500u) << watch.Samples() << " answers";
        EXPECT_TRUE(watch.RanDuringTheExchange());
        EXPECT_EQ(0x0400, Block(m_id, HID_BLOCK_SETTINGS).at(0) & 0x0400);
        const size_t sent = sim::HidCommandLog(m_id).size();
        fw::test::PumpFor(300);
        EXPECT_EQ(PAGE_DEVICE_SETTING, dlg.m_nPage);
        EXPECT_EQ(sent, sim::HidCommandLog(m_id).size());
        EXPECT_TRUE(dlg.m_bRecognized);
        follow.ExpectUsable();
    });
}

// Closing the wizard with an edit and YES: the save runs on its worker, and
// the wizard closes once it went through.
TEST_F(SaveTimingMatrix, YesOnClosingSavesAndThenCloses) {
    m_id = AddHeadset();
    sim::SetHidReplyMs(m_id, 4);
    RunWizard([&](CUpdaterDlg& dlg) {
        ReachPage(dlg, PAGE_SPEED_DIAL);
        Edit(dlg, PAGE_SPEED_DIAL);
        m_asked.clear();
        QueueAnswer(IDOK);  // YES
        dlg.SendMessage(WM_CLOSE);
        ASSERT_EQ(1u, m_asked.size());
        EXPECT_TRUE(fw::test::PumpUntil([&] { return !dlg.IsWindowVisible(); }, 10000));
        EXPECT_FALSE(Block(m_id, HID_BLOCK_SPEED_DIAL_1).empty());
    });
}
