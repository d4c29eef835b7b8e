// The fault matrix of the FIRMWARE RESTORE road: the archive an earlier
// update left, the server's backup of firmware 1.0, RESTORE, and every fault
// of the simulated headset and of the backup image. A restore is a success
// only when the firmware was written and the archived settings went back.
#include "tests/app/FaultMatrix.h"
#include "app/resource.h"
#include "framework/Clock.h"
#include "framework/TestSeams.h"
#include "hardware/HardwareApi.h"
#include "standins/dfuengine/include/DFUImageFormat.h"
#include "standins/dfuengine/include/DFUResultCodes.h"
#include "standins/simdevices/SimDevices.h"

using faultmatrix::Row;

namespace {

const char* kListPath = "/zarnbluetoothmanager/Revisions";
const char* kImagePath = "/zarnbluetoothmanager/Vela_Morn_T_v1.0.img";
const WORD kSettingsWordKey = 0x028E;
const wchar_t* const kRestored = L"Firmware restored successfully";
const wchar_t* const kCannotUpdate = L"Failed to restore firmware. Cannot update firmware";
const wchar_t* const kSettingsNotWritten = L"Failed to save device setting. Could not write to the device";
const wchar_t* const kWelcome = L"Press NEXT to proceed.";

const char kArchive[] =
    "keyManagerVersion=1.1\r\nkeyDeviceRecognized=8464\r\nkeyDeviceName=Vela Morn T\r\n"
    "keyDeviceVersion=1.0\r\nkeyDeviceSecondaryVersionType=0\r\nkeyDeviceSecondaryVersion=0\r\n"
    "keyDateArchived=02/03/2021 09:05:07\r\nkeyIntercomVOX=1\r\nkeyHandsfreeVOX=1\r\nkeyEDR=1\r\n"
    "keyVoicePrompt=1\r\nkeyPLC=1\r\nkeyBitpoolRate=1\r\nkeySidetone=1\r\n"
    "keySpeedDial01=0123 456\r\nkeySpeedDial02=\r\nkeySpeedDial03=\r\n";

class RestoreFaultMatrix : public faultmatrix::FaultMatrixTest {
protected:

    // The headset after its update to 1.2, with settings other than the archive's.
    void BuildWorld() {
        m_headset = AddVelaMornT(12, 0x0000, &m_behaviour);
        sim::SetPsKeyWords(m_headset, 0x0001, {0x0012, 0x3456, 0x0078, 0x1A2B});
        const unsigned char v10[4] = {10, 0, 0, 0};
        m_image = dfuimage::MakeImage("Vela_Morn_T#2110", v10, 4096);
    }

    // The server's backup of 1.0 and the archive of the update to 1.2.
    void Serve() {
        sim::SetDfuBehaviour(m_headset, m_behaviour);
        m_server.PutFile(kListPath, "Vela_Morn_T : v1.0 : Vela_Morn_T_v1.0.img\n");
        m_server.PutFile(kImagePath, m_image);
        WriteImageFile(L"Vela_Morn_T.talvoarch", kArchive);
    }

    // then, when given, goes on in the same wizard after the row's checks.
    void RunRow(const Row& row, std::vector<faultmatrix::Outcome>* outcomes,
                const std::function<void(CUpdaterDlg&, faultmatrix::Follower&)>& then = nullptr) {
        SCOPED_TRACE(row.fault);
        BuildWorld();
        row.apply();
        Serve();
        m_asked.clear();
        m_answers.assign(row.answers.begin(), row.answers.end());
        RunWizard([&](CUpdaterDlg& dlg) {
            ASSERT_TRUE(WaitIdle(dlg));
            if (m_recogniseFirst) {
                ASSERT_NO_FATAL_FAILURE(RecogniseWithNext(dlg));
            } else {
                Recognise(dlg, 0x2110, 1 << 1);
                dlg.m_deviceRecord.m_version.Set(1, 2, 0, 0, 0);
                dlg.m_deviceRecord.m_strDeviceName = L"Vela Morn T";
                dlg.m_nUsbStatus = 0x2110;
            }
            dlg.GoToPage(PAGE_FIRMWARE_RESTORE);
            ASSERT_TRUE(WaitIdle(dlg));
            ASSERT_TRUE(dlg.m_restorePage.m_firmwareInfo.m_bBackupAvailable);
            std::vector<BYTE> before;
            sim::GetPsKey(m_headset, kSettingsWordKey, &before);
            faultmatrix::Follower follow(dlg);
            follow.Run(row, [&] {
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ACTION, BN_CLICKED), (LPARAM)Item(dlg, IDC_ACTION));
            });
            std::vector<BYTE> after, version;
            sim::GetPsKey(m_headset, kSettingsWordKey, &after);
            sim::GetPsKey(m_headset, 0x02A4, &version);
            if (row.success) {
                EXPECT_EQ(10, version.empty() ? -1 : version[0]);
                // The archive's settings are the headset's again: hands-free
                // and intercom VOX, EDR, voice prompt, PLC, bitpool rate and
                // sidetone on (bits 0-5 and 8), the second word cleared.
                EXPECT_EQ(std::vector<BYTE>({0x3F, 0x01, 0x00, 0x00}), after);
            } else {
                EXPECT_EQ(before, after);  // a failed restore leaves the settings as they were
            }
            if (then) then(dlg, follow);
            follow.ExpectUsable();
            outcomes->push_back(follow.Result());
        });
    }

    sim::DeviceId m_headset = 0;
    bool m_recogniseFirst = false;  // the headset is recognised by the wizard, its address with it
    sim::DfuBehaviour m_behaviour;
    std::string m_image;
};

TEST_F(RestoreFaultMatrix, EveryFaultEndsInTimeWithItsTextAndTheWizardUsable) {
    auto b = [this] { return &m_behaviour; };
    const std::vector<Row> rows = {
        {"none", [] {}, kRestored, true, 420},
        // Firmware written, the archive's settings refused or never reached.
        {"fail_write settings key", [&] { sim::SetPsWriteFails(m_headset, kSettingsWordKey, true); },
         kSettingsNotWritten, false, 420},
        // The store cannot be reached afterwards: recognition's USB box, then WELCOME.
        {"connect_fails", [&] { sim::SetConnectFails(m_headset, true); }, kWelcome, false, 420},
        {"fail_read product id", [&] { sim::SetPsReadFails(m_headset, 0x02A3, true); }, kWelcome, false, 60},
        {"refuse_reconfigure", [&] { b()->refuseReconfigure = true; },
         L"Failed to restore firmware. Cannot get device", false, 60},
        // Fixed on the branch "faults": no failure text while the retry runs.
        {"download_fail_code 28, once",
         [&] { b()->downloadFailCode = dfu_result::kDeviceLost; b()->downloadFailTimes = 1; }, kRestored, true, 420},
        {"download_fail_code 7, twice",
         [&] { b()->downloadFailCode = dfu_result::kTransferFailed; b()->downloadFailTimes = 2; }, kCannotUpdate,
         false, 420},
        {"vanish_during_reconfigure", [&] { b()->vanishDuringReconfigure = true; }, kCannotUpdate, false, 420},
        {"vanish_during_download", [&] { b()->vanishDuringDownload = true; },
         L"Failed to restore firmware. Cannot get device", false, 420},
        {"vanish_during_manifest", [&] { b()->vanishDuringManifest = true; }, kCannotUpdate, false, 420},
        // Fixed on the branch "faults": the flow's own bound ends a stall.
        {"stall_during_download", [&] { b()->stallDuringDownload = true; }, kCannotUpdate, false, 420},
        {"usb_listed 0", [&] { sim::SetDfuListing(m_headset, false, true); }, kWelcome, false, 60},
        {"library_listed 0", [&] { sim::SetDfuListing(m_headset, true, false); },
         L"Failed to restore firmware. Cannot get device", false, 60},
        {"present 0 (unplugged before RESTORE)", [&] { sim::SetPresent(m_headset, false); }, kWelcome, false, 60},
        {"backup image changed after its header",
         [&] { for (size_t i = 2000; i < 2016; ++i) m_image[i] = (char)~m_image[i]; },
         L"Failed to restore firmware. Cannot get status", false, 60},
    };
    std::vector<faultmatrix::Outcome> outcomes;
    for (const Row& row : rows) RunRow(row, &outcomes);
    faultmatrix::PrintTable("Firmware restore", outcomes);
}

// Archived settings the headset refused stay due for it: once it takes
// writes again, the next recognition the user starts writes them.
TEST_F(RestoreFaultMatrix, RefusedSettingsAreWrittenByTheNextRecognition) {
    m_recogniseFirst = true;
    std::vector<faultmatrix::Outcome> outcomes;
    const Row refused{"fail_write settings key", [&] { sim::SetPsWriteFails(m_headset, kSettingsWordKey, true); },
                      kSettingsNotWritten, false, 420};
    RunRow(refused, &outcomes, [&](CUpdaterDlg& dlg, faultmatrix::Follower& follow) {
        sim::SetPsWriteFails(m_headset, kSettingsWordKey, false);
        ::SendMessageW(Item(dlg, IDC_STEP_RECOGNITION), BM_CLICK, 0, 0);
        follow.Run(Row{"next recognition", [] {}, L"Device recognized successfully", true, 30},
                   [&] { ::SendMessageW(Item(dlg, IDC_NEXT), BM_CLICK, 0, 0); });
        std::vector<BYTE> word;
        sim::GetPsKey(m_headset, kSettingsWordKey, &word);
        EXPECT_EQ(std::vector<BYTE>({0x3F, 0x01, 0x00, 0x00}), word);
    });
}

// ... but settings the user saves meanwhile stand: the archive does not go
// over them, also when the recognition before the SAVE could not read the
// headset's address.
TEST_F(RestoreFaultMatrix, SettingsSavedAfterARefusedWriteBackStand) {
    m_recogniseFirst = true;
    std::vector<faultmatrix::Outcome> outcomes;
    const Row refused{"fail_write settings key", [&] { sim::SetPsWriteFails(m_headset, kSettingsWordKey, true); },
                      kSettingsNotWritten, false, 420};
    RunRow(refused, &outcomes, [&](CUpdaterDlg& dlg, faultmatrix::Follower& follow) {
        sim::SetPsWriteFails(m_headset, kSettingsWordKey, false);
        sim::SetPsReadFails(m_headset, 0x0001, true);
        ::SendMessageW(Item(dlg, IDC_STEP_RECOGNITION), BM_CLICK, 0, 0);
        follow.Run(Row{"recognition, address refused", [] {}, L"Device recognized successfully", true, 30},
                   [&] { ::SendMessageW(Item(dlg, IDC_NEXT), BM_CLICK, 0, 0); });
        sim::SetPsReadFails(m_headset, 0x0001, false);
        dlg.GoToPage(PAGE_DEVICE_SETTING);
        ASSERT_EQ(PAGE_DEVICE_SETTING, dlg.m_nPage);
        dlg.m_settingPage.m_workingRecord.m_bEdr = 1;
        dlg.UpdateControls();
        const WORD saved = dlg.m_settingPage.m_workingRecord.PackFeatureWord();
        follow.Run(Row{"save", [] {}, L"Device setting saved successfully", true, 30}, [&] {
            dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ACTION, BN_CLICKED), (LPARAM)Item(dlg, IDC_ACTION));
        });
        std::vector<BYTE> word;
        sim::GetPsKey(m_headset, kSettingsWordKey, &word);
        ASSERT_GE(word.size(), 2u);
        EXPECT_EQ(saved, (WORD)(word[0] | (word[1] << 8)));
    });
}

// Archived settings refused by their headset wait for that headset alone.
// Another headset recognised meanwhile, of the same model or of another,
// takes nothing and is recognised as always, also after WELCOME; a SAVE on
// it does not end the wait. The first headset takes them when it is back,
// and only once. Settings without an address (its read was refused before
// the restore) went to the recognition right after the restore: they end
// there, and no headset takes them afterwards.
TEST_F(RestoreFaultMatrix, RefusedSettingsWaitForTheHeadsetTheyCameFrom) {
    for (int pass = 0; pass < 4; ++pass) {
        const WORD otherModel = pass % 2 ? 0x2120 : 0x2110;
        const bool addressRefused = pass >= 2;
        SCOPED_TRACE(testing::Message() << otherModel << (addressRefused ? ", address refused" : ""));
        BuildWorld();
        sim::SetPsWriteFails(m_headset, kSettingsWordKey, true);
        Serve();
        const sim::DeviceId other =
            sim::AddDfuHeadset(L"other", sim::kMakerVendorId, otherModel, (WORD)(otherModel | 0x8000));
        sim::SetPsKeyWords(other, 0x02A3, {otherModel});
        sim::SetPsKey(other, 0x02A4, "\x0C\0\0\0", 4);
        sim::SetPsKeyText(other, 0x0108, "Vela Morn T");
        sim::SetPsKeyWords(other, 0x0001, {0x0012, 0x5555, 0x0078, 0x1A2B});
        sim::SetPsKeyWords(other, kSettingsWordKey, {0x0000, 0x0000});
        sim::SetPresent(other, false);
        auto key = [](sim::DeviceId id) {
            std::vector<BYTE> word;
            sim::GetPsKey(id, kSettingsWordKey, &word);
            return word;
        };
        auto writes = [&] {
            size_t n = 0;
            for (const sim::PsWrite& w : sim::PsWriteLog()) n += w.device == m_headset && w.key == kSettingsWordKey;
            return n;
        };
        auto swap = [](sim::DeviceId out, sim::DeviceId in) {
            sim::SetPresent(out, false);
            sim::SetPresent(in, true);
        };
        const std::vector<BYTE> untouched = {0x00, 0x00, 0x00, 0x00};
        RunWizard([&](CUpdaterDlg& dlg) {
            ASSERT_TRUE(WaitIdle(dlg));
            faultmatrix::Follower follow(dlg);
            auto press = [&](int id) { ::SendMessageW(Item(dlg, id), BM_CLICK, 0, 0); };
            // The step's button, then NEXT on the recognition page.
            auto recognise = [&](int step) {
                ASSERT_TRUE(WaitIdle(dlg));
                press(step);
                follow.Run(Row{"recognition", [] {}, L"Device recognized successfully", true, 30},
                           [&] { press(IDC_NEXT); });
            };
            // The headset recognised as the user does it, then RESTORE.
            sim::SetPsReadFails(m_headset, 0x0001, addressRefused);
            recognise(IDC_NEXT);
            sim::SetPsReadFails(m_headset, 0x0001, false);
            dlg.GoToPage(PAGE_FIRMWARE_RESTORE);
            ASSERT_TRUE(WaitIdle(dlg));
            ASSERT_TRUE(dlg.m_restorePage.m_firmwareInfo.m_bBackupAvailable);
            follow.Run(Row{"restore", [] {}, kSettingsNotWritten, false, 420}, [&] { press(IDC_ACTION); });

            swap(m_headset, other);
            sim::SetPsWriteFails(m_headset, kSettingsWordKey, false);
            recognise(IDC_STEP_RECOGNITION);
            EXPECT_EQ(otherModel, dlg.m_deviceRecord.m_nModelId);
            EXPECT_EQ(untouched, key(other));
            press(IDC_STEP_WELCOME);
            recognise(IDC_NEXT);
            EXPECT_EQ(untouched, key(other));
            dlg.GoToPage(PAGE_DEVICE_SETTING);
            ASSERT_EQ(PAGE_DEVICE_SETTING, dlg.m_nPage);
            dlg.m_settingPage.m_workingRecord.m_bEdr = 1;
            follow.Run(Row{"save", [] {}, L"Device setting saved successfully", true, 30}, [&] { press(IDC_ACTION); });

            swap(other, m_headset);
            recognise(IDC_STEP_RECOGNITION);
            EXPECT_EQ(addressRefused ? untouched : std::vector<BYTE>({0x3F, 0x01, 0x00, 0x00}), key(m_headset));
            const size_t written = writes();
            recognise(IDC_STEP_RECOGNITION);
            EXPECT_EQ(written, writes());
            follow.ExpectUsable();
        });
    }
}

}  // namespace
