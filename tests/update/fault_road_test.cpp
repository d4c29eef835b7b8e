// Faults of the run command's devices, taken through the real main wizard
// with its own buttons: the device file as the run command ships it, one
// device connected and one fault line added to its section. Each road ends
// with its text within a bound of the program's (sped-up) clock, never
// shows a success text for a step that failed, and leaves the wizard free
// to be used and left.
#include "tests/app/WizardHarness.h"
#include "app/resource.h"
#include "core/HidChannel.h"
#include "framework/Clock.h"
#include "framework/TestSeams.h"
#include "hardware/HardwareApi.h"
#include "standins/dfuengine/include/DFUImageFormat.h"
#include "standins/simdevices/SimDevices.h"
#include "tests/standins/SimTestSupport.h"
#include "update/UpdateModels.h"
#include "update/UpdateProgress.h"
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

const wchar_t* kUpdated = L"Firmware updated successfully";
const wchar_t* kRecognised = L"Device recognized successfully";

std::string Image(unsigned char version) {
    const unsigned char v[4] = {version, 0, 0, 0};
    return dfuimage::MakeImage("Vela_Morn_T#2110", v, 8192);
}

// The run command's device file with only `section` connected; each of
// `lines` ("key = value") replaces that key's line in the section, or is
// added at its end.
std::string Connecting(const std::string& file, const std::string& section, const std::vector<std::string>& lines) {
    auto key = [](const std::string& line) { return line.substr(0, line.find(' ')); };
    std::istringstream in(file);
    std::ostringstream out;
    std::string line, current;
    std::vector<std::string> left = lines;
    auto flush = [&] {
        if (current != section) return;
        for (const std::string& extra : left) out << extra << "\n";
        left.clear();
    };
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '[') {
            flush();
            size_t space = line.find(' '), end = line.find(']');
            current = space != std::string::npos && end != std::string::npos ? line.substr(space + 1, end - space - 1) : "";
        }
        if (line.compare(0, 9, "present =") == 0) line = current == section ? "present = 1" : "present = 0";
        if (current == section) {
            for (auto it = left.begin(); it != left.end(); ++it) {
                if (key(*it) != key(line)) continue;
                line = *it;
                left.erase(it);
                break;
            }
        }
        out << line << "\n";
    }
    flush();
    return out.str();
}

class FaultRoadTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        sim::Reset();
        hw::SetApi(&hw::SimulatedApi());
        SetSpeed(50);
        m_server.PutFile("/zarnbluetoothmanager/Firmware",
                         "TKV40 : v3.3 : TKV40_v3.3.img\nVela_Morn_T : v1.2 : Vela_Morn_T_v1.2.img\n");
        m_server.PutFile("/zarnbluetoothmanager/Vela_Morn_T_v1.2.img", Image(12));
        fw::test::SetFileDialogAnswer([this](CFileDialog& fd) -> std::optional<CString> {
            return CString((m_folder + fd.GetInitialFileName().GetString()).c_str());
        });
    }
    void TearDown() override {
        fw::test::SetFileDialogAnswer(nullptr);
        fw::Clock::SetSpeed(1);
        sim::SetSpeed(1);
        hw::SetApi(nullptr);
        sim::Reset();
        WizardTest::TearDown();
    }
    void SetSpeed(unsigned speed) {
        m_speed = speed;
        fw::Clock::SetSpeed(speed);
        sim::SetSpeed(speed);
    }

    // Connects the device of `section` from the run command's file, with the fault lines.
    void Connect(const std::string& section, const std::vector<std::string>& lines) {
        std::wstring source = L"Z:" MORVEX_SOURCE_DIR_W L"\\standins\\SimulatedDevices.ini";
        for (auto& c : source)
            if (c == L'/') c = L'\\';
        std::string file;
        ASSERT_TRUE(simtest::ReadText(source, &file));
        const std::wstring path = m_files.File(L"SimulatedDevices.ini");
        ASSERT_TRUE(simtest::WriteText(path, Connecting(file, section, lines)));
        std::wstring error;
        ASSERT_TRUE(sim::LoadFile(path.c_str(), &error)) << std::string(error.begin(), error.end());
        sim::SetSpeed(m_speed);
        m_device = sim::FindDevice(std::wstring(section.begin(), section.end()).c_str());
        ASSERT_NE(0, m_device);
    }

    static void Press(CUpdaterDlg& dlg, int id) {
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)Item(dlg, id));
    }
    // WELCOME's NEXT, then the recognition page's NEXT; the clock time the
    // recognition took.
    DWORD RecogniseWithTheButtons(CUpdaterDlg& dlg) {
        EXPECT_TRUE(WaitIdle(dlg));
        Press(dlg, IDC_NEXT);
        EXPECT_EQ(PAGE_RECOGNITION, dlg.m_nPage);
        const DWORD start = fw::Clock::GetTickCount();
        Press(dlg, IDC_NEXT);
        const DWORD spent = fw::Clock::GetTickCount() - start;
        Sample(dlg);
        return spent;
    }
    // Pumps until the text has shown and the wizard is free; the clock
    // time from `start` to then. Every status text on the way is kept.
    DWORD FollowUntil(CUpdaterDlg& dlg, const wchar_t* text, DWORD start, DWORD realMs = 60000) {
        bool ended = fw::test::PumpUntil([&] {
            Sample(dlg);
            return Saw(text) && !dlg.m_bBusy;
        }, realMs);
        m_endAt = fw::Clock::GetTickCount();
        fw::test::PumpUntil([&] { Sample(dlg); return false; }, 300);
        EXPECT_TRUE(ended) << Texts();
        return m_endAt - start;
    }
    void Sample(CUpdaterDlg& dlg) {
        CString s;
        dlg.GetStatusText(&s);
        if (m_texts.empty() || m_texts.back() != s.GetString()) {
            m_texts.push_back(s.GetString());
        }
        // The clock time of the engine's last notification.
        const LONG at = ::InterlockedCompareExchange(&dlg.m_updatePage.m_dfu.m_lLastNotification, 0, 0);
        if (at != m_lastNotification) {
            m_lastNotification = at;
            m_notifiedAt = fw::Clock::GetTickCount();
        }
        // ... and of the transfer's first one.
        if (::InterlockedCompareExchange(&dlg.m_updatePage.m_dfu.m_lTransferNotified, 0, 0))
            m_transferFrom = ::InterlockedCompareExchange(&dlg.m_updatePage.m_dfu.m_lTransferFrom, 0, 0);
        // The wait boxes shown, and the clock time the first one opened.
        const bool box = dlg.m_updatePage.m_firmwareInfo.m_pWaitBox != nullptr;
        if (box && !m_boxUp && m_boxesShown++ == 0) m_boxFrom = fw::Clock::GetTickCount();
        m_boxUp = box;
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
    // The wizard is free: its step buttons answer, it goes back to WELCOME
    // and it can be closed.
    void ExpectUsable(CUpdaterDlg& dlg) {
        EXPECT_FALSE(dlg.m_bBusy);
        EXPECT_TRUE(::IsWindowEnabled(Item(dlg, IDC_STEP_WELCOME)));
        Press(dlg, IDC_STEP_WELCOME);
        EXPECT_EQ(PAGE_WELCOME, dlg.m_nPage);
        EXPECT_TRUE(WaitIdle(dlg));
        EXPECT_TRUE(dlg.CloseWizard()) << "busy " << dlg.m_bBusy << " enabled " << dlg.IsWindowEnabled();
    }
    int Firmware() {
        std::vector<BYTE> v;
        return sim::GetPsKey(m_device, 0x02A4, &v) && !v.empty() ? v[0] : -1;
    }

    // The headset stops answering halfway through its DFU download.
    void ExpectStalledTransferEndsAfterItsBound(const char* percentages) {
        Connect("Vela Morn T", {"stall_during_download = 1", percentages});
        RunWizard([&](CUpdaterDlg& dlg) {
            const DWORD start = fw::Clock::GetTickCount();
            RecogniseWithTheButtons(dlg);
            const DWORD spent = FollowUntil(dlg, L"Failed to update firmware. Cannot update firmware", start);
            // The end comes once the engine has said nothing for the bound
            // (checked once a second), not after the page's estimate of the
            // transfer (six minutes for this model) has run out twice.
            ASSERT_NE(0, m_lastNotification);
            const DWORD stalled = m_endAt - m_notifiedAt;
            EXPECT_GE(stalled, DFU_NO_PROGRESS_LIMIT_MS) << Texts();
            EXPECT_LT(stalled, DFU_NO_PROGRESS_LIMIT_MS + 20000) << Texts();
            EXPECT_LT(spent, 360000u) << Texts();
            EXPECT_FALSE(Saw(kUpdated)) << Texts();
            EXPECT_EQ(10, Firmware());
            EXPECT_EQ(PAGE_FIRMWARE_UPDATE, dlg.m_nPage);
            ExpectUsable(dlg);
        });
    }

    // The headset stops answering halfway through its DFU download, while
    // the library goes on reporting (`reporting`: what it says meanwhile).
    void ExpectReportingStallEndsAfterItsCeiling(const char* reporting, const char* percentages) {
        SetSpeed(100);
        // Every five seconds of the headset's time: at the clock's speed the
        // reports then leave the page's timers their turn.
        Connect("Vela Morn T", {"stall_during_download = 1", reporting, "phase_ms = 5000", percentages});
        RunWizard([&](CUpdaterDlg& dlg) {
            const DWORD start = fw::Clock::GetTickCount();
            RecogniseWithTheButtons(dlg);
            FollowUntil(dlg, L"Failed to update firmware. Cannot update firmware", start);
            // The end comes once the transfer has run for three times the
            // model's estimate (20 minutes for this model) from its first
            // notification, while the library still says something. The
            // press-and-hold box of the switch (15 s) is the user's time.
            const DWORD ceiling = DfuTransferCeilingMs(GetUpdateProfile(0x2110));
            ASSERT_NE(0, m_transferFrom);
            const DWORD ran = m_endAt - (DWORD)m_transferFrom;
            EXPECT_GE(ran, ceiling) << Texts();
            EXPECT_LT(ran, ceiling + 40000) << Texts();
            EXPECT_LT(m_endAt - m_notifiedAt, DFU_NO_PROGRESS_LIMIT_MS) << Texts();
            EXPECT_FALSE(Saw(kUpdated)) << Texts();
            EXPECT_EQ(10, Firmware());
            EXPECT_EQ(PAGE_FIRMWARE_UPDATE, dlg.m_nPage);
            ExpectUsable(dlg);
        });
    }

    simtest::TempFolder m_files;
    sim::DeviceId m_device = 0;
    unsigned m_speed = 50;
    std::vector<std::wstring> m_texts;
    LONG m_lastNotification = 0;
    LONG m_transferFrom = 0;
    DWORD m_notifiedAt = 0;
    DWORD m_endAt = 0;
    bool m_boxUp = false;
    int m_boxesShown = 0;
    DWORD m_boxFrom = 0;
};

}  // namespace

// A HID headset whose replies stay pending is not recognised with made-up
// defaults: recognition ends once the channel's pending bound has passed
// (once, not for every request) with the text for a device that cannot be
// read, and the update step stays closed.
TEST_F(FaultRoadTest, AHidHeadsetThatNeverAnswersIsNotRecognised) {
    Connect("40N", {"pending_forever = 1"});
    RunWizard([&](CUpdaterDlg& dlg) {
        const DWORD spent = RecogniseWithTheButtons(dlg);
        EXPECT_LT(spent, HID_PENDING_TIMEOUT_MS + 15000u);
        EXPECT_TRUE(Saw(L"Failed to recognize device. Cannot open USB")) << Texts();
        EXPECT_FALSE(Saw(kRecognised)) << Texts();
        EXPECT_EQ(PAGE_RECOGNITION, dlg.m_nPage);
        EXPECT_FALSE(dlg.m_bRecognized);
        EXPECT_FALSE(::IsWindowEnabled(Item(dlg, IDC_STEP_UPDATE)));
        ExpectUsable(dlg);
    });
}

// A headset recognised while it answered and silent by the time of the
// update: the update's check of it fails within seconds, on the page.
TEST_F(FaultRoadTest, AHidHeadsetThatFallsSilentBeforeTheUpdateFailsItsCheckInSeconds) {
    Connect("40N", {});
    const std::wstring package = m_files.File(L"40N_v1.3.img");
    ASSERT_TRUE(simtest::WriteText(package, std::string(2048, 'x')));
    RunWizard([&](CUpdaterDlg& dlg) {
        RecogniseWithTheButtons(dlg);
        ASSERT_EQ(PAGE_FIRMWARE_UPDATE, dlg.m_nPage) << Texts();
        ASSERT_TRUE(WaitIdle(dlg));
        sim::SetHidSilentAfterReports(m_device, 0);
        m_texts.clear();
        dlg.m_updatePage.m_editFile.SetWindowText(package.c_str());
        const DWORD start = fw::Clock::GetTickCount();
        Press(dlg, IDC_ACTION);
        const DWORD spent = FollowUntil(dlg, L"Failed to update firmware. Not the recognized device", start);
        EXPECT_LT(spent, 15000u);
        EXPECT_FALSE(Saw(kUpdated)) << Texts();
        EXPECT_TRUE(sim::HidReceivedParts(m_device).empty());
        ExpectUsable(dlg);
    });
}

// The headset stops answering halfway through the DFU transfer: once the
// engine has reported nothing new for its bound, the update ends with the
// text for a transfer that cannot finish, and the wizard is free again.
TEST_F(FaultRoadTest, AStalledDfuTransferEndsAfterItsBoundWithoutProgress) {
    ExpectStalledTransferEndsAfterItsBound("percentages = 1");
}

// The same with a library that reports no percentages at all.
TEST_F(FaultRoadTest, AStalledDfuTransferWithoutPercentagesEndsAfterItsBound) {
    ExpectStalledTransferEndsAfterItsBound("percentages = 0");
}

// A library that reports no percentages, only a state of its own while it writes,
// during a download of two minutes (twice the bound without progress): each
// of its notifications is a sign of life, and the update ends as a success.
TEST_F(FaultRoadTest, ALongDfuDownloadWithoutPercentagesThatKeepsNotifyingSucceeds) {
    Connect("Vela Morn T", {"percentages = 0", "download_events = 12", "phase_ms = 10000"});
    RunWizard([&](CUpdaterDlg& dlg) {
        const DWORD start = fw::Clock::GetTickCount();
        RecogniseWithTheButtons(dlg);
        const DWORD spent = FollowUntil(dlg, kUpdated, start);
        EXPECT_GT(spent, 2 * DFU_NO_PROGRESS_LIMIT_MS);
        EXPECT_FALSE(Saw(L"Failed")) << Texts();
        EXPECT_EQ(12, Firmware());
        EXPECT_FALSE(dlg.m_bBusy);
    });
}

// A library that repeats its last percentage while the headset has stopped:
// its notifications keep coming, but the update moves no more, and it ends
// with the text for a transfer that cannot finish.
TEST_F(FaultRoadTest, AStalledDfuTransferThatRepeatsItsLastPercentageEndsAfterItsCeiling) {
    ExpectReportingStallEndsAfterItsCeiling("repeat_during_stall = 1", "percentages = 1");
}

// The same with a library that reports no percentages and repeats its busy state.
TEST_F(FaultRoadTest, AStalledDfuTransferThatRepeatsItsBusyStateEndsAfterItsCeiling) {
    ExpectReportingStallEndsAfterItsCeiling("repeat_during_stall = 1", "percentages = 0");
}

// The same with a library that sends its last percentage and its busy state
// in turn: no two reports in a row are alike, and still nothing moves.
TEST_F(FaultRoadTest, AStalledDfuTransferThatAlternatesItsReportsEndsAfterItsCeiling) {
    ExpectReportingStallEndsAfterItsCeiling("alternate_during_stall = 1", "percentages = 1");
}

// The library goes on saying that the headset waits for its key, and nobody
// presses it: the press-and-hold box stays up for its own time, one and a
// half times the model's transfer estimate from when it opened, however
// often the library says it again. Then it closes and the update ends with
// the text for a transfer that cannot finish, the firmware as it was.
TEST_F(FaultRoadTest, APressAndHoldBoxThatNobodyAnswersEndsTheUpdate) {
    SetSpeed(100);
    Connect("Vela Morn T", {"reconfigure_waits = 1000000", "phase_ms = 1000"});
    RunWizard([&](CUpdaterDlg& dlg) {
        const DWORD start = fw::Clock::GetTickCount();
        RecogniseWithTheButtons(dlg);
        FollowUntil(dlg, L"Failed to update firmware. Cannot update firmware", start);
        // The box counts the page's one-second ticks, which a loaded
        // machine stretches at this speed: the end comes within the
        // transfer's ceiling and the box's time, from the first notification.
        const UpdateModelProfile& profile = GetUpdateProfile(0x2110);
        const DWORD bound = profile.transferTicks * 3 / 2 * 1000;
        EXPECT_EQ(1, m_boxesShown) << Texts();
        ASSERT_NE(0u, m_boxFrom);
        ASSERT_NE(0, m_transferFrom);
        EXPECT_GE(m_endAt - m_boxFrom, bound) << Texts();
        EXPECT_LT(m_endAt - (DWORD)m_transferFrom, DfuTransferCeilingMs(profile) + bound) << Texts();
        EXPECT_FALSE(m_boxUp);
        EXPECT_FALSE(Saw(kUpdated)) << Texts();
        EXPECT_EQ(10, Firmware());
        ExpectUsable(dlg);
    });
}

// A library without percentages that only repeats its busy state while it
// writes, during a download slower than the page's estimate (ten minutes of
// the headset's time for an estimate of six): it is not taken for one that
// stalls.
TEST_F(FaultRoadTest, ADfuDownloadWithoutPercentagesSlowerThanItsEstimateSucceeds) {
    SetSpeed(100);
    Connect("Vela Morn T", {"percentages = 0", "download_events = 40", "phase_ms = 15000"});
    RunWizard([&](CUpdaterDlg& dlg) {
        const DWORD start = fw::Clock::GetTickCount();
        RecogniseWithTheButtons(dlg);
        const DWORD spent = FollowUntil(dlg, kUpdated, start);
        EXPECT_GT(spent, 360000u);
        EXPECT_FALSE(Saw(L"Failed")) << Texts();
        EXPECT_EQ(12, Firmware());
        ExpectUsable(dlg);
    });
}

// A transfer much slower than the page's estimate, but moving, is never
// ended for it: each report comes 20 s after the last, the download takes
// over 13 minutes (the estimate for this model is 6), and the update ends
// as a success.
TEST_F(FaultRoadTest, ASlowDfuTransferThatMovesIsNeverEnded) {
    Connect("Vela Morn T", {"download_events = 40", "phase_ms = 20000"});
    RunWizard([&](CUpdaterDlg& dlg) {
        const DWORD start = fw::Clock::GetTickCount();
        RecogniseWithTheButtons(dlg);
        const DWORD spent = FollowUntil(dlg, kUpdated, start, 120000);
        EXPECT_GT(spent, 800000u);
        EXPECT_FALSE(Saw(L"Failed")) << Texts();
        EXPECT_EQ(12, Firmware());
        EXPECT_FALSE(dlg.m_bBusy);
    });
}

// The first download fails with a code the flow retries on the other
// engine: while it retries, the status line says that the update goes on,
// and no failure text ever shows before its success.
TEST_F(FaultRoadTest, ARetriedDownloadShowsNoFailureWhileTheRetryRuns) {
    Connect("Vela Morn T", {"download_fail_code = 28", "download_fail_times = 1"});
    RunWizard([&](CUpdaterDlg& dlg) {
        const DWORD start = fw::Clock::GetTickCount();
        RecogniseWithTheButtons(dlg);
        const DWORD spent = FollowUntil(dlg, kUpdated, start);
        EXPECT_LT(spent, 360000u) << Texts();
        EXPECT_FALSE(Saw(L"Failed")) << Texts();
        EXPECT_FALSE(Saw(L"Cannot")) << Texts();
        EXPECT_EQ(0, sim::GetDfuBehaviour(m_device).downloadFailTimes);  // the failed download came first
        EXPECT_EQ(12, Firmware());
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_TRUE(dlg.m_bRecognized);
        ExpectUsable(dlg);
    });
}
