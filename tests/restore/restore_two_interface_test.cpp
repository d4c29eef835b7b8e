// The FIRMWARE RESTORE road of the two-interface unit (Duo40, 0x5310): both
// chips are written back to the archived firmware, recognition writes the
// archived settings back, and only then does the box that asks to power the
// headset off and on come, telling how the settings went back.
#include "tests/app/FaultMatrix.h"
#include "app/resource.h"
#include "framework/Clock.h"
#include "framework/TestSeams.h"
#include "hardware/HardwareApi.h"
#include "standins/dfuengine/include/DFUImageFormat.h"
#include "standins/simdevices/SimDevices.h"

namespace {

const wchar_t* const kRestored = L"Firmware restored successfully";
const wchar_t* const kAdvice = L".\nPower off and power on PN40 to apply new firmware.";
const wchar_t* const kSettingsNotWritten = L"Failed to save device setting. Could not write to the device";

const char kArchive[] =
    "keyManagerVersion=1.1\r\nkeyDeviceRecognized=21264\r\nkeyDeviceName=Duo40\r\n"
    "keyDeviceVersion=1.0\r\nkeyDeviceSecondaryVersionType=0\r\nkeyDeviceSecondaryVersion=0\r\n"
    "keyDateArchived=02/03/2021 09:05:07\r\n";

class TwoInterfaceRestore : public faultmatrix::FaultMatrixTest {
protected:
    // Both chips on firmware 1.1; the archive and the server's backup of 1.0.
    void BuildWorld() {
        sim::Reset();
        sim::SetSpeed(kSpeed);
        const WORD lap[2] = {0x3456, 0x3457};
        for (int i = 0; i < 2; ++i) {
            m_chips[i] = sim::AddDfuHeadset(i == 0 ? L"Duo40 first chip" : L"Duo40 second chip", sim::kMakerVendorId,
                                            0x5310, 0xD310);
            sim::SetPsKeyWords(m_chips[i], 0x02A3, {0x5310});
            sim::SetPsKeyWords(m_chips[i], 0x0001, {0x0012, lap[i], 0x0078, 0x1A2B});
            sim::SetPsKeyText(m_chips[i], 0x0108, "Duo40");
            const char version[4] = {11, 0, 0, 0};
            sim::SetPsKey(m_chips[i], 0x02A4, version, 4);
            sim::DfuBehaviour b;
            b.phaseMs = 1000;
            b.waitEvents = 3;
            b.progressEvents = 4;
            sim::SetDfuBehaviour(m_chips[i], b);
        }
        const unsigned char v10[4] = {10, 0, 0, 0};
        m_server.PutFile("/zarnbluetoothmanager/Revisions", "Duo40 : v1.0 : Duo40_v1.0.img\n");
        m_server.PutFile("/zarnbluetoothmanager/Duo40_v1.0.img", dfuimage::MakeImage("Duo40#5310", v10, 4096));
        WriteImageFile(L"Duo40.talvoarch", kArchive);
    }

    // RESTORE, until the road ends with the text; the boxes asked on the way.
    void Restore(const wchar_t* endText) {
        RunWizard([&](CUpdaterDlg& dlg) {
            ASSERT_TRUE(WaitIdle(dlg));
            Recognise(dlg, 0x5310);
            dlg.m_deviceRecord.m_version.Set(1, 1, 0, 0, 0);
            dlg.m_deviceRecord.m_strDeviceName = L"Duo40";
            dlg.m_nUsbStatus = 0x5310;
            dlg.GoToPage(PAGE_FIRMWARE_RESTORE);
            ASSERT_TRUE(WaitIdle(dlg));
            ASSERT_TRUE(dlg.m_restorePage.m_firmwareInfo.m_bBackupAvailable);
            faultmatrix::Follower follow(dlg);
            faultmatrix::Row row{"restore", [] {}, endText, std::wstring(endText) == kRestored, 420};
            follow.Run(row, [&] {
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ACTION, BN_CLICKED), (LPARAM)Item(dlg, IDC_ACTION));
            });
        });
        for (sim::DeviceId chip : m_chips) {
            std::vector<BYTE> version;
            sim::GetPsKey(chip, 0x02A4, &version);
            EXPECT_EQ(10, version.empty() ? -1 : version[0]);
        }
    }

    sim::DeviceId m_chips[2] = {0, 0};
};

TEST_F(TwoInterfaceRestore, TheRestartBoxComesAfterTheSettingsWentBackAndSaysSo) {
    BuildWorld();
    Restore(kRestored);
    ASSERT_EQ(1u, m_asked.size());
    EXPECT_EQ(std::wstring(kRestored) + kAdvice, m_asked.back().text.GetString());
}

// Written, but neither chip's store can be reached afterwards: the settings
// never went back, and the box says so instead of a whole restore.
TEST_F(TwoInterfaceRestore, TheRestartBoxTellsSettingsThatDidNotGoBack) {
    BuildWorld();
    for (sim::DeviceId chip : m_chips) sim::SetConnectFails(chip, true);
    Restore(L"Press NEXT to proceed.");
    ASSERT_FALSE(m_asked.empty());
    EXPECT_EQ(std::wstring(kSettingsNotWritten) + kAdvice, m_asked.back().text.GetString());
    for (const AskedBox& box : m_asked) EXPECT_EQ(std::wstring::npos, std::wstring(box.text.GetString()).find(kRestored));
}

}  // namespace
