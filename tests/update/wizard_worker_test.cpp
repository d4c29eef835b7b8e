// A HID update worker started from the real main wizard: the job made from
// the main dialog's state, the window answering throughout, and the
// post-update timer asked for by a message to the page, not by the worker.
#include "tests/app/WizardHarness.h"
#include "core/HidDevice.h"
#include "framework/TestSeams.h"
#include "hardware/HardwareApi.h"
#include "standins/simdevices/SimDevices.h"
#include "tests/update/PackageBuilder.h"
#include "tests/app/ResponsivenessProbe.h"
#include "update/HidUpdateSetup.h"
#include <atomic>
#include <thread>

using namespace pkgtest;

namespace {

std::atomic<int> g_timerRequests{0};
std::atomic<HWND> g_page{nullptr};

LRESULT CALLBACK WatchPosts(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* msg = (const MSG*)lParam;
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == WM_UPDATE_START_POST_TIMER && msg->hwnd == g_page)
        ++g_timerRequests;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class WizardWorkerTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        sim::Reset();
        hw::SetApi(&hw::SimulatedApi());
    }
    void TearDown() override {
        hw::SetApi(nullptr);
        sim::Reset();
        WizardTest::TearDown();
    }
    ScratchFolder m_dir;
};

TEST_F(WizardWorkerTest, MainWindowAnswersWithin100msThroughoutAPackageUpdate) {
    sim::DeviceId dev = sim::AddHidInterface(L"P3", sim::kMakerVendorId, 0x6010);
    sim::SetHidPollDoneAfter(dev, 4);
    sim::SetHidPendingReplies(dev, 2);
    std::vector<BYTE> package =
        PackageBuilder().Model(0x6010).Part(0, 1, Pattern(20000, 1)).Part(2, 2, Pattern(5000, 2)).Build();
    std::wstring path = m_dir.File(L"P3_v1.3.img");
    ASSERT_TRUE(WriteBytes(path, package));

    RunWizard([&](CUpdaterDlg& dlg) {
        // The wizard's own start (the program-version check) is over first.
        ASSERT_TRUE(WaitIdle(dlg));
        fw::test::PumpFor(300);
        Recognise(dlg, 0x6010);
        dlg.m_nPage = PAGE_FIRMWARE_UPDATE;
        dlg.m_hHidDevice = OpenHidDevice(0x6010);
        ASSERT_TRUE(dlg.m_hHidDevice.IsValid());
        CFirmwareInfo& info = dlg.m_updatePage.m_firmwareInfo;
        info.m_strFirmwarePath = path.c_str();
        auto job = MakeHidUpdateJob(&dlg, &info, &info, &dlg.m_restorePage.m_firmwareInfo, dlg.m_updatePage.m_hWnd);
        EXPECT_EQ(&dlg.m_restorePage.m_firmwareInfo, job->otherInfo);
        EXPECT_EQ(0x6010, job->targetModel);
        EXPECT_EQ(&dlg.m_hHidDevice, job->device1);
        job->writeSettingsArchive = [] { return TRUE; };

        g_page = dlg.m_updatePage.m_hWnd;
        g_timerRequests = 0;
        HHOOK hook = ::SetWindowsHookExW(WH_GETMESSAGE, WatchPosts, nullptr, ::GetCurrentThreadId());
        ResponsivenessProbe probe(dlg.m_hWnd);
        ASSERT_TRUE(hidupdate::StartWorker(GetHidUpdateProcedure(HID_PATH_SWITCH_FIRST), job));
        EXPECT_TRUE(fw::test::PumpUntil([&] { return job->running == 0; }, 30000));
        fw::test::PumpUntil([&] { return g_timerRequests > 0; }, 1000);
        DWORD slowest = probe.Stop();
        ::UnhookWindowsHookEx(hook);

        EXPECT_LT(slowest, 100u);
        EXPECT_GT(probe.Samples(), 10);
        EXPECT_EQ(9, info.m_nStep);
        EXPECT_EQ(0, info.m_bFinished);
        EXPECT_EQ(L"On updating firmware.", info.PeekStatusText(0));
        EXPECT_EQ(1, g_timerRequests.load());
        auto parts = sim::HidReceivedParts(dev);
        ASSERT_EQ(2u, parts.size());
        EXPECT_EQ(Pattern(20000, 1), parts[0].data);
        dlg.m_hHidDevice.Close();
    });
}

}  // namespace
