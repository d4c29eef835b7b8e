// The main window answers within 100 ms while everything that waits runs at
// once: a slow download of the program's installer, a slow fetch of the
// firmware list, and a headset update whose replies keep it waiting.
#include "tests/app/WizardHarness.h"
#include "core/HidDevice.h"
#include "framework/TestSeams.h"
#include "hardware/HardwareApi.h"
#include "standins/simdevices/SimDevices.h"
#include "tests/update/PackageBuilder.h"
#include "tests/app/ResponsivenessProbe.h"
#include "update/FirmwareInfo.h"
#include "update/HidUpdateSetup.h"

using namespace pkgtest;

namespace {

class NetworkResponsivenessTest : public WizardTest {
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
    void Slow(const char* part, DWORD delayMs) {
        fwserver::FaultRule rule;
        rule.fault = fwserver::Fault::Slow;
        rule.pathPart = part;
        rule.delayMs = delayMs;
        m_server.AddFault(rule);
    }
    ScratchFolder m_dir;
};

TEST_F(NetworkResponsivenessTest, MainWindowAnswersWithin100msWhileDownloadListFetchAndDeviceAllWait) {
    // The installer: about 200 KB in small pieces (a few seconds), listed
    // with another size so that it is never opened.
    m_server.PutFile("/zarnbluetoothmanager/x64/Software",
                     "MorvexBluetoothDeviceManager : v2.0 : x64/Setup_v2.0.exe : 1\n");
    m_server.PutFile("/zarnbluetoothmanager/x64/Setup_v2.0.exe", std::string(200 * 1024, 'M'));
    Slow("Setup_v2.0.exe", 10);
    // The firmware list answers after two seconds.
    m_server.PutFile("/zarnbluetoothmanager/Firmware", "P3 : v1.3 : P3_v1.3.img\n");
    Slow("/Firmware", 2000);
    QueueAnswer(IDOK);  // download the newer program

    sim::DeviceId dev = sim::AddHidInterface(L"P3", sim::kMakerVendorId, 0x6010);
    sim::SetHidPollDoneAfter(dev, 4);
    sim::SetHidPendingReplies(dev, 2);
    std::vector<BYTE> package =
        PackageBuilder().Model(0x6010).Part(0, 1, Pattern(20000, 1)).Part(2, 2, Pattern(5000, 2)).Build();
    std::wstring path = m_dir.File(L"P3_v1.3.img");
    ASSERT_TRUE(WriteBytes(path, package));

    RunWizard([&](CUpdaterDlg& dlg) {
        ResponsivenessProbe probe(dlg.m_hWnd);
        // 1. The installer download runs.
        ASSERT_TRUE(fw::test::PumpUntil([&] { return dlg.m_bBusy && dlg.m_nProgress >= 0; }, 10000));
        ASSERT_TRUE(dlg.m_selectionPage.m_updateCheck.IsDownloading());
        // 2. The firmware list is fetched again.
        g_bUpdatePromptArmed = 0;
        const size_t before = m_server.Requests().size();
        dlg.m_updatePage.SetTimer(CDialogFirmwareUpdate::kTimerServerList, 10);
        // 3. A headset update waits for the device's replies.
        Recognise(dlg, 0x6010);
        dlg.m_hHidDevice = OpenHidDevice(0x6010);
        ASSERT_TRUE(dlg.m_hHidDevice.IsValid());
        CFirmwareInfo& info = dlg.m_updatePage.m_firmwareInfo;
        info.m_strFirmwarePath = path.c_str();
        auto job = MakeHidUpdateJob(&dlg, &info, &info, &dlg.m_restorePage.m_firmwareInfo, dlg.m_updatePage.m_hWnd);
        job->writeSettingsArchive = [] { return TRUE; };
        ASSERT_TRUE(hidupdate::StartWorker(GetHidUpdateProcedure(HID_PATH_SWITCH_FIRST), job));

        // All three are under way at once.
        ASSERT_TRUE(fw::test::PumpUntil([&] {
            for (size_t i = before; i < m_server.Requests().size(); ++i)
                if (m_server.Requests()[i].find("/Firmware") != std::string::npos) return true;
            return false;
        }, 5000));
        EXPECT_TRUE(dlg.m_selectionPage.m_updateCheck.IsDownloading());
        EXPECT_NE(0, job->running);

        EXPECT_TRUE(fw::test::PumpUntil([&] { return job->running == 0; }, 30000));
        EXPECT_TRUE(fw::test::PumpUntil([&] { return !dlg.m_selectionPage.m_updateCheck.IsDownloading(); }, 30000));
        fw::test::PumpFor(300);
        DWORD slowest = probe.Stop();
        EXPECT_LT(slowest, 100u);
        EXPECT_GT(probe.Samples(), 10);
        // The list did arrive (and was read) meanwhile.
        EXPECT_EQ(1, g_bUpdatePromptArmed);
        dlg.m_hHidDevice.Close();
    });
}

}  // namespace
