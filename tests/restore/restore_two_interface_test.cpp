// The FIRMWARE RESTORE road of the two-interface unit (Duo40, 0x5310): both
// chips are written back to the archived firmware, a box asks to power the
// headset off and on, and the recognition after it writes the archived
// settings back onto the restarted headset. A write-back that fails is said
// on the status line and stays due for the next recognition.
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
const wchar_t* const kNoDevice = L"Failed to recognize device. Cannot open USB";
const wchar_t* const kRecognised = L"Device recognized successfully";

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
        AddUnit(0x3456, m_chips);
        const unsigned char v10[4] = {10, 0, 0, 0};
        m_server.PutFile("/zarnbluetoothmanager/Revisions", "Duo40 : v1.0 : Duo40_v1.0.img\n");
        m_server.PutFile("/zarnbluetoothmanager/Duo40_v1.0.img", dfuimage::MakeImage("Duo40#5310", v10, 4096));
        WriteImageFile(L"Duo40.talvoarch", kArchive);
    }

    // A unit whose chips have the LAPs lap and lap + 1.
    static void AddUnit(WORD lap, sim::DeviceId (&chips)[2]) {
        for (int i = 0; i < 2; ++i) {
            chips[i] = sim::AddDfuHeadset(i == 0 ? L"Duo40 first chip" : L"Duo40 second chip", sim::kMakerVendorId,
                                          0x5310, 0xD310);
            sim::SetPsKeyWords(chips[i], 0x02A3, {0x5310});
            sim::SetPsKeyWords(chips[i], 0x0001, {0x0012, (WORD)(lap + i), 0x0078, 0x1A2B});
            sim::SetPsKeyText(chips[i], 0x0108, "Duo40");
            const char version[4] = {11, 0, 0, 0};
            sim::SetPsKey(chips[i], 0x02A4, version, 4);
            sim::DfuBehaviour b;
            b.phaseMs = 1000;
            b.waitEvents = 3;
            b.progressEvents = 4;
            sim::SetDfuBehaviour(chips[i], b);
        }
    }

    // RESTORE, until the road ends with the text; then `then` in the same
    // wizard. The restart box finds the chips' reads so far in m_readsAtBox
    // and runs atBox (what the user does to the headset meanwhile).
    void Restore(const wchar_t* endText, const std::function<void()>& atBox,
                 const std::function<void(CUpdaterDlg&, faultmatrix::Follower&)>& then = nullptr) {
        RunWizard([&](CUpdaterDlg& dlg) {
            ASSERT_TRUE(WaitIdle(dlg));
            if (m_recogniseFirst) {
                ASSERT_NO_FATAL_FAILURE(RecogniseWithNext(dlg));
            } else {
                Recognise(dlg, 0x5310);
                dlg.m_deviceRecord.m_version.Set(1, 1, 0, 0, 0);
                dlg.m_deviceRecord.m_strDeviceName = L"Duo40";
                dlg.m_nUsbStatus = 0x5310;
            }
            dlg.GoToPage(PAGE_FIRMWARE_RESTORE);
            ASSERT_TRUE(WaitIdle(dlg));
            ASSERT_TRUE(dlg.m_restorePage.m_firmwareInfo.m_bBackupAvailable);
            m_onAsked = [&](const AskedBox& box) {
                if (std::wstring(box.text.GetString()).find(kAdvice) == std::wstring::npos) return;
                for (int i = 0; i < 2; ++i) m_readsAtBox[i] = sim::PsReadLog(m_chips[i]).size();
                dlg.GetStatusText(&m_statusAtBox);
                if (atBox) atBox();
            };
            faultmatrix::Follower follow(dlg);
            faultmatrix::Row row{"restore", [] {}, endText, std::wstring(endText) == kRestored, 420};
            follow.Run(row, [&] {
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ACTION, BN_CLICKED), (LPARAM)Item(dlg, IDC_ACTION));
            });
            if (then) then(dlg, follow);
        });
        for (sim::DeviceId chip : m_chips) {
            std::vector<BYTE> version;
            sim::GetPsKey(chip, 0x02A4, &version);
            EXPECT_EQ(10, version.empty() ? -1 : version[0]);
        }
    }

    // DEVICE RECOGNITION's step button, then its NEXT, as the user presses
    // them; the run ends with the text and nothing else it is told to avoid.
    static void RecogniseAgain(CUpdaterDlg& dlg, faultmatrix::Follower& follow, const wchar_t* endText, bool success) {
        ::SendMessageW(Item(dlg, IDC_STEP_RECOGNITION), BM_CLICK, 0, 0);
        faultmatrix::Row row{"next recognition", [] {}, endText, success, 30};
        follow.Run(row, [&] { ::SendMessageW(Item(dlg, IDC_NEXT), BM_CLICK, 0, 0); });
    }

    void ExpectOnlyTheRestartBox() {
        ASSERT_EQ(1u, m_asked.size());
        EXPECT_EQ(std::wstring(kRestored) + kAdvice, m_asked[0].text.GetString());
        EXPECT_EQ(0, m_asked[0].iconKind);
        EXPECT_EQ(CSize(380, 145), m_asked[0].size);
    }

    sim::DeviceId m_chips[2] = {0, 0};
    bool m_recogniseFirst = false;  // the unit is recognised by the wizard, not set up
    size_t m_readsAtBox[2] = {0, 0};
    CString m_statusAtBox;
};

// The box comes while no recognition has read the chips since they were
// written; the recognition after it reads both and completes the restore.
TEST_F(TwoInterfaceRestore, TheRestartBoxComesFirstAndRecognitionFollowsIt) {
    BuildWorld();
    Restore(kRestored, nullptr);
    ExpectOnlyTheRestartBox();
    EXPECT_EQ(std::wstring::npos, std::wstring(m_statusAtBox.GetString()).find(kRestored));
    for (int i = 0; i < 2; ++i) EXPECT_GT(sim::PsReadLog(m_chips[i]).size(), m_readsAtBox[i]) << "chip " << i;
}

// The headset is still off when the box is answered: the restore waits for
// it, and the NEXT once it is back on completes it.
TEST_F(TwoInterfaceRestore, AHeadsetStillOffAfterTheBoxTakesTheRestoreOnceItIsBack) {
    BuildWorld();
    Restore(kNoDevice, [&] { for (sim::DeviceId chip : m_chips) sim::SetPresent(chip, false); },
            [&](CUpdaterDlg& dlg, faultmatrix::Follower& follow) {
                for (sim::DeviceId chip : m_chips) sim::SetPresent(chip, true);
                faultmatrix::Row row{"back on", [] {}, kRestored, true, 30};
                follow.Run(row, [&] { ::SendMessageW(Item(dlg, IDC_NEXT), BM_CLICK, 0, 0); });
            });
    ExpectOnlyTheRestartBox();
}

// After the power cycle both chips come up in firmware-management mode, so
// the archived settings reach neither store: the status line says so, never
// that the restore succeeded, and the settings stay due for the unit. A
// recognition that cannot read its address leaves them; once the headset
// starts normally, the next one writes them, and they are due no more.
TEST_F(TwoInterfaceRestore, ASettingsWriteThatFailsIsSaidAndStaysDueForTheNextRecognition) {
    BuildWorld();
    m_recogniseFirst = true;
    auto managementMode = [&](bool on) {
        for (sim::DeviceId chip : m_chips) sim::SetDfuMode(chip, on);
    };
    Restore(kSettingsNotWritten, [&] { managementMode(true); },
            [&](CUpdaterDlg& dlg, faultmatrix::Follower& follow) {
                EXPECT_FALSE(follow.Saw(kRestored)) << follow.Texts();
                RecogniseAgain(dlg, follow, L"Firmware management mode", false);
                managementMode(false);
                RecogniseAgain(dlg, follow, kRecognised, true);
                managementMode(true);
                RecogniseAgain(dlg, follow, L"Firmware management mode", false);
                EXPECT_FALSE(follow.Saw(kSettingsNotWritten)) << follow.Texts();
                for (sim::DeviceId chip : m_chips) sim::SetDfuMode(chip, false);
            });
    ExpectOnlyTheRestartBox();
}

// A unit the wizard recognised itself, whose record so holds its addresses,
// takes its settings on the same road.
TEST_F(TwoInterfaceRestore, AUnitRecognisedByTheWizardTakesItsSettingsAfterTheBox) {
    BuildWorld();
    m_recogniseFirst = true;
    Restore(kRestored, nullptr);
    ExpectOnlyTheRestartBox();
}

// The restore's settings belong to the unit the firmware went to, known by
// its first chip's address: another unit put in at the box takes nothing and
// the restore is not said to have succeeded; its own unit, back, is
// recognised as always.
TEST_F(TwoInterfaceRestore, AnotherUnitAtTheBoxTakesNothingAndTheSettingsWaitForTheirOwn) {
    BuildWorld();
    sim::DeviceId other[2];
    AddUnit(0x5556, other);
    auto swap = [](const sim::DeviceId (&out)[2], const sim::DeviceId (&in)[2]) {
        for (sim::DeviceId chip : out) sim::SetPresent(chip, false);
        for (sim::DeviceId chip : in) sim::SetPresent(chip, true);
    };
    swap(other, m_chips);
    m_recogniseFirst = true;
    Restore(kSettingsNotWritten, [&] { swap(m_chips, other); },
            [&](CUpdaterDlg& dlg, faultmatrix::Follower& follow) {
                EXPECT_FALSE(follow.Saw(kRestored)) << follow.Texts();
                EXPECT_EQ(0u, sim::PsWriteLog().size());
                swap(other, m_chips);
                RecogniseAgain(dlg, follow, kRecognised, true);
            });
    ExpectOnlyTheRestartBox();
}

}  // namespace
