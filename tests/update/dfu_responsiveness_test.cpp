// The wizard's window answers at once throughout an update: the waits of
// the update (the headset's settle time, its switch into update mode) run on
// timers, never by putting the window's thread to sleep.
#include "tests/app/WizardHarness.h"
#include "tests/app/ResponsivenessProbe.h"
#include "app/resource.h"
#include "framework/Clock.h"
#include "framework/TestSeams.h"
#include "hardware/HardwareApi.h"
#include "standins/dfuengine/include/DFUImageFormat.h"
#include "standins/simdevices/SimDevices.h"
#include "update/ImageIdentity.h"
#include "tests/update/PackageBuilder.h"
#include <atomic>
#include <fstream>
#include <string>

namespace {

class DfuResponsivenessTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        sim::Reset();
        sim::SetSpeed(10);
        hw::SetApi(&hw::SimulatedApi());
        // At a tenth of their length the update's waits still last far longer
        // than the 100 ms a window may keep the user waiting.
        fw::Clock::SetSpeed(10);
    }
    void TearDown() override {
        fw::Clock::SetSpeed(1);
        sim::SetSpeed(1);
        hw::SetApi(nullptr);
        sim::Reset();
        WizardTest::TearDown();
    }
    // Starts the update of the recognised model with the image chosen by
    // hand, and follows it with the probe until the update has finished
    // (what follows it, such as recognising the headset again, is not the
    // update's).
    DWORD Follow(CUpdaterDlg& dlg, int model, int usb, const std::string& image) {
        Recognise(dlg, model);
        dlg.m_deviceRecord.m_version.Set(1, 0, 0, 0, 0);
        dlg.m_nUsbStatus = usb;
        dlg.GoToPage(PAGE_FIRMWARE_UPDATE);
        EXPECT_TRUE(WaitIdle(dlg));
        const std::wstring path = m_folder + L"chosen.img";
        std::ofstream(path.c_str(), std::ios::binary) << image;
        dlg.m_updatePage.m_editFile.SetWindowText(path.c_str());
        CFirmwareInfo& info = dlg.m_updatePage.m_firmwareInfo;
        std::atomic<bool> ended{false};
        pkgtest::ResponsivenessProbe probe(dlg.m_hWnd, [&] {
            if (info.m_bFinished) ended = true;
            return !ended;
        });
        dlg.PostMessage(WM_COMMAND, MAKEWPARAM(IDC_ACTION, BN_CLICKED), (LPARAM)Item(dlg, IDC_ACTION));
        EXPECT_TRUE(fw::test::PumpUntil([&] { return dlg.m_bBusy; }, 5000));
        EXPECT_TRUE(fw::test::PumpUntil([&] {
            if (info.m_bFinished) ended = true;
            return ended && !dlg.m_bBusy;
        }, 60000));
        m_error = info.m_nError;
        DWORD slowest = probe.Stop();
        EXPECT_GT(probe.Samples(), 10);
        return slowest;
    }
    int m_error = -1;  // the update's error state when it ended
};

}  // namespace

// A model whose update shows no press-and-hold box: closing a box under the
// emulator without a window manager waits for the X server, which is the
// emulator's delay, not the program's.
TEST_F(DfuResponsivenessTest, TheWindowAnswersThroughoutAnUpdateOfAHeadset) {
    sim::DeviceId headset = sim::AddDfuHeadset(L"headset", sim::kMakerVendorId, 0x2110, 0xA110);
    sim::SetPsKeyWords(headset, 0x02A3, {0x4120});
    sim::SetPsKey(headset, 0x02A4, "\x0A\0\0\0", 4);
    const unsigned char v12[4] = {12, 0, 0, 0};
    const std::string tag = (const char*)WideToAnsi(MakeImageTag(0x4120, 0x4120));
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        DWORD slowest = Follow(dlg, 0x4120, 0x2110, dfuimage::MakeImage(tag.c_str(), v12, 4096));
        EXPECT_LT(slowest, 100u);
        EXPECT_EQ(0, m_error);
        std::vector<BYTE> version;
        EXPECT_TRUE(sim::GetPsKey(headset, 0x02A4, &version) && !version.empty() && version[0] == 12);
    });
}

TEST_F(DfuResponsivenessTest, TheWindowAnswersWhileAHeadsetSwitchesIntoUpdateMode) {
    // A headset that switches into update mode in line: it leaves the HID
    // bus, shows as a DFU device with its update-mode id, takes the image and
    // comes back as the HID headset.
    sim::DeviceId headset = sim::AddHidInterface(L"switching", sim::kMakerVendorId, 0x6020);
    const BYTE version[5] = {1, 0, 0, 0, 0};
    sim::SetHidVersion(headset, version);
    sim::DeviceId updateMode = sim::AddDfuHeadset(L"switched", sim::kMakerVendorId, 0x6020, 0x6021);
    sim::SetDfuMode(updateMode, true);
    sim::LinkHidSwitch(headset, updateMode);
    sim::LinkDfuReturn(updateMode, headset);
    sim::DfuBehaviour b;
    b.phaseMs = 1000;
    sim::SetDfuBehaviour(updateMode, b);
    const unsigned char v11[4] = {11, 0, 0, 0};
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        DWORD slowest = Follow(dlg, 0x6020, 0x6020, dfuimage::MakeImage("G304N#6020", v11, 4096));
        EXPECT_LT(slowest, 100u);
        EXPECT_EQ(0, m_error);
        EXPECT_FALSE(sim::LastDownloadedImage(updateMode).empty());
        EXPECT_TRUE(sim::IsPresent(headset));
    });
}

TEST_F(DfuResponsivenessTest, TheWindowAnswersWhileAHeadsetSwitchesBeforeItsPackageUpdate) {
    // A HID headset that is switched into update mode first and then takes
    // the package on its update-mode interface.
    const BYTE recorded[5] = {1, 0, 0, 0, 0};
    const BYTE updated[5] = {1, 1, 0, 0, 0};
    sim::DeviceId headset = sim::AddHidInterface(L"P3", sim::kMakerVendorId, 0x6010);
    sim::DeviceId updater = sim::AddHidInterface(L"P3 update", sim::kMakerVendorId, 0x6010);
    for (sim::DeviceId id : {headset, updater}) {
        sim::SetHidVersion(id, recorded);
        sim::SetHidVersionAfterUpdate(id, updated);
    }
    sim::LinkHidSwitch(headset, updater);
    sim::SetHidPollDoneAfter(updater, 3);
    std::vector<BYTE> package = pkgtest::PackageBuilder()
                                    .Model(0x6010)
                                    .Part(0, 1, pkgtest::Pattern(6000, 1))
                                    .Part(2, 2, pkgtest::Pattern(1020, 2))
                                    .Build();
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        DWORD slowest = Follow(dlg, 0x6010, 0x6010, std::string(package.begin(), package.end()));
        EXPECT_LT(slowest, 100u);
        EXPECT_EQ(0, m_error);
        EXPECT_EQ(2u, sim::HidReceivedParts(updater).size());
    });
}
