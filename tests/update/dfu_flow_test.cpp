// The DFU update flow against the stand-in library: the engine reports from
// its own thread, the test thread plays the page's UI thread.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstdio>
#include <memory>
#include <string>
#include "app/DialogMessageBox.h"
#include "framework/Clock.h"
#include "standins/dfuengine/include/DFUImageFormat.h"
#include "standins/simdevices/SimDevices.h"
#include "update/DfuDevices.h"
#include "update/UpdateProgress.h"
#include "update/DfuEventQueue.h"
#include "update/DfuUpdateFlow.h"
#include "update/FirmwareInfo.h"

namespace {

std::string Narrow(const CString& s) { return std::string(WideToAnsi(s)); }

DFUEngine::Status State(int op, int state, int code = 0) {
    DFUEngine::Status s{};
    s.operation = op;
    s.result = DFUEngine::Result(code);
    s.state = state;
    return s;
}

TEST(DfuEventQueue, RepeatsFoldButNoChangeOfStateIsLost) {
    CDfuEventQueue q;
    EXPECT_TRUE(q.Push(CCallbackData::kStatus, 0, State(1, 16)));
    EXPECT_FALSE(q.Push(CCallbackData::kStatus, 0, State(1, 16)));  // a repeat waits already
    EXPECT_TRUE(q.Push(CCallbackData::kNotify, 0, State(1, 17)));
    EXPECT_TRUE(q.Push(CCallbackData::kStatus, 10, State(3, 20)));
    EXPECT_FALSE(q.Push(CCallbackData::kStatus, 40, State(3, 20)));
    EXPECT_TRUE(q.Push(CCallbackData::kStatus, 0, State(3, 18)));   // a new state behind a waiting one
    EXPECT_TRUE(q.Push(CCallbackData::kComplete, 0, State(4, 18)));
    EXPECT_TRUE(q.Push(CCallbackData::kStatus, 0, State(4, 16)));
    ASSERT_EQ(6, q.Count());
    const int states[] = {16, 17, 20, 18, 18, 16};
    for (int expected : states) {
        auto e = q.Pop();
        ASSERT_TRUE(e);
        EXPECT_EQ(expected, e->m_status.state);
        if (expected == 20) EXPECT_EQ(40, e->m_nArg);  // the latest progress of the burst
    }
    EXPECT_FALSE(q.Pop());
}

// The page as the flow sees it.
class TestHost : public IDfuFlowHost {
public:
    TestHost() { m_posted = ::CreateSemaphoreW(nullptr, 0, 100000, nullptr); }
    ~TestHost() override {
        info.CloseWaitBox();
        ::CloseHandle(m_posted);
    }
    CFirmwareInfo* ActiveRecord() override { return &info; }
    int TargetModel() override { return model; }
    int UsbStatus() override { return usb; }
    int CurrentPage() override { return 3; }
    void PostDfuEvent() override { ::ReleaseSemaphore(m_posted, 1, nullptr); }
    void ShowPressAndHoldBox(BOOL twoKeys) override {
        (twoKeys ? twoKeyBoxes : boxes)++;
        info.CloseWaitBox();
        info.m_pWaitBox = new CDialogMessageBox();
    }
    void CloseWaitBox() override { info.CloseWaitBox(); }
    void StartPostUpdateCheck() override { checkRunning = true; }
    BOOL PostUpdateCheckRunning() override { return checkRunning; }
    void OnTransferComplete() override { ++transferComplete; }
    void ArmDeviceWait(DWORD ms) override {
        waitArmed = true;
        waitDue = ::GetTickCount() + ms / fw::Clock::GetSpeed();
        ++waits;
    }

    CFirmwareInfo info;
    int model = 0x2110, usb = 0x2110;
    int boxes = 0, twoKeyBoxes = 0, transferComplete = 0;
    bool checkRunning = false;
    bool waitArmed = false;
    DWORD waitDue = 0;
    int waits = 0;
    HANDLE m_posted;
};

class DfuFlowTest : public ::testing::Test {
protected:
    void SetUp() override { Fresh(); }
    // A new world with one headset, and a new page.
    void Fresh() {
        host.reset(new TestHost());
        behaviour = sim::DfuBehaviour();
        sim::Reset();
        sim::SetSpeed(100);
        fw::Clock::SetSpeed(100);
        headset = sim::AddDfuHeadset(L"Vela", sim::kMakerVendorId, 0x2110, 0xA110);
        sim::SetPsKey(headset, 0x02A4, "\x0A\0\0\0", 4);
        behaviour.phaseMs = 2000;
        behaviour.waitEvents = 3;
        behaviour.progressEvents = 6;
        wchar_t tmp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, tmp);
        image = std::wstring(tmp) + L"morvex_flow_" + std::to_wstring(::GetCurrentProcessId()) + L".img";
        const unsigned char v12[4] = {12, 0, 0, 0};
        std::string bytes = dfuimage::MakeImage("Vela_Morn_T#2110", v12);
        FILE* f = _wfopen(image.c_str(), L"wb");
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
        host->info.m_strFirmwarePath = image.c_str();
        host->info.m_nStep = FW_STEP_VERIFIED;
        host->info.m_nProgress = 5;
    }
    void TearDown() override {
        ::DeleteFileW(image.c_str());
        sim::Reset();
        fw::Clock::SetSpeed(1);
    }

    // Plays the UI thread until the record is finished: one queued event
    // per posted message, and the post-update check once it runs.
    void Drive(CDfuUpdateFlow& flow, DWORD realMs = 20000) {
        const DWORD start = ::GetTickCount();
        while (!host->info.m_bFinished && ::GetTickCount() - start < realMs) {
            if (host->waitArmed && (int)(::GetTickCount() - host->waitDue) >= 0) {
                host->waitArmed = false;
                flow.ContinueReconfigure();
            }
            if (::WaitForSingleObject(host->m_posted, 20) == WAIT_OBJECT_0) flow.HandleOneEvent();
            if (host->checkRunning && IsDfuHeadsetBackOnUsb(host->model, flow.m_nActiveEngine)) {
                host->info.m_nError = 0;
                host->info.m_nProgress = 100;
                host->info.m_bFinished = 1;
            }
        }
    }

    void Run() {
        sim::SetDfuBehaviour(headset, behaviour);
        CDfuUpdateFlow flow(host.get());
        flow.BeginTransferPhase();
        flow.StartReconfigure();
        Drive(flow);
        activeEngine = flow.m_nActiveEngine;
        engineBCreated = flow.m_bEngineBCreated;
        flow.DestroyEngines();
    }

    std::string Text() { return Narrow(host->info.PeekStatusText(0)); }

    sim::DeviceId headset = 0;
    sim::DfuBehaviour behaviour;
    std::wstring image;
    std::unique_ptr<TestHost> host;
    int activeEngine = 0, engineBCreated = 0;
};

TEST_F(DfuFlowTest, WholeUpdateEndsWithTheNewFirmwareOnTheHeadset) {
    Run();
    ASSERT_EQ(1, host->info.m_bFinished);
    EXPECT_EQ(0, host->info.m_nError);
    EXPECT_EQ(100, host->info.m_nProgress);
    EXPECT_EQ(FW_STEP_RESTARTING, host->info.m_nStep);
    EXPECT_EQ(1, host->transferComplete);
    EXPECT_EQ(1, host->boxes);        // hold the key while it switches
    EXPECT_EQ(1, host->twoKeyBoxes);  // hold both keys while it restarts
    EXPECT_EQ(image, sim::LastDownloadedImage(headset));
    std::vector<BYTE> version;
    ASSERT_TRUE(sim::GetPsKey(headset, 0x02A4, &version));
    EXPECT_EQ(12, version[0]);
    EXPECT_FALSE(sim::InDfuMode(headset));
    EXPECT_EQ(1, activeEngine);
}

TEST_F(DfuFlowTest, ARetryCodeStartsOverOnTheSecondEngineWithTheSameHeadset) {
    for (int code : {28, 7}) {
        SCOPED_TRACE(code);
        Fresh();
        behaviour.downloadFailCode = code;
        behaviour.downloadFailTimes = 1;
        Run();
        ASSERT_EQ(1, host->info.m_bFinished);
        EXPECT_EQ(0, host->info.m_nError) << Text();
        EXPECT_EQ(100, host->info.m_nProgress);
        EXPECT_EQ(2, activeEngine);
        EXPECT_EQ(1, engineBCreated);
        EXPECT_EQ(image, sim::LastDownloadedImage(headset));
    }
}

TEST_F(DfuFlowTest, FailuresEndWithTheirTextAndNeverAsSuccess) {
    struct Case {
        const char* name;
        void (*setup)(sim::DfuBehaviour& b, sim::DeviceId id);
        const char* text;
    };
    const Case cases[] = {
        {"second retry code", [](sim::DfuBehaviour& b, sim::DeviceId) { b.downloadFailCode = 7; b.downloadFailTimes = 2; },
         "Failed to update firmware. Cannot update firmware"},
        {"gone during the download", [](sim::DfuBehaviour& b, sim::DeviceId) { b.vanishDuringDownload = true; },
         "Failed to update firmware. Cannot get device"},
        {"gone during the reconfigure", [](sim::DfuBehaviour& b, sim::DeviceId) { b.vanishDuringReconfigure = true; },
         "Failed to update firmware. Cannot update firmware"},
        {"gone during the manifest", [](sim::DfuBehaviour& b, sim::DeviceId) { b.vanishDuringManifest = true; },
         "Failed to update firmware. Cannot update firmware"},
        {"reconfigure refused", [](sim::DfuBehaviour& b, sim::DeviceId) { b.refuseReconfigure = true; },
         "Failed to update firmware. Cannot get device[8][3]"},
        {"gone before the start", [](sim::DfuBehaviour&, sim::DeviceId id) { sim::SetPresent(id, false); },
         "Failed to update firmware. Cannot get device[8][2]"},
        {"two headsets for a one-headset model",
         [](sim::DfuBehaviour&, sim::DeviceId) { sim::AddDfuHeadset(L"Other", sim::kMakerVendorId, 0x2110, 0xA110); },
         "Failed to update firmware. USB not match(2)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        c.setup(behaviour, headset);
        Run();
        EXPECT_EQ(1, host->info.m_bFinished);
        EXPECT_EQ(1, host->info.m_nError);
        EXPECT_NE(100, host->info.m_nProgress);
        EXPECT_EQ(c.text, Text());
    }
}

TEST_F(DfuFlowTest, AStalledTransferNeitherEndsNorBlocksTheEnd) {
    behaviour.stallDuringDownload = true;
    sim::SetDfuBehaviour(headset, behaviour);
    CDfuUpdateFlow flow(host.get());
    flow.BeginTransferPhase();
    flow.StartReconfigure();
    Drive(flow, 2000);
    EXPECT_EQ(0, host->info.m_bFinished);
    EXPECT_EQ(FW_STEP_TRANSFER, host->info.m_nStep);
    // Its last report is long past: the page's bound counts from there.
    EXPECT_GT(flow.MsWithoutProgress(), DFU_NO_PROGRESS_LIMIT_MS);
    flow.NoteProgress();
    EXPECT_LT(flow.MsWithoutProgress(), 5000u);
    // The page gives up on it (see the progress tests); ending the update
    // stops the engine at once.
    const DWORD start = ::GetTickCount();
    flow.DestroyEngines();
    EXPECT_LT(::GetTickCount() - start, 3000u);
}

}  // namespace
