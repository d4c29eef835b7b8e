// The recognition routine's DFU path on the real wizard: every outcome, the
// record it stores, and where the write-back and batch writes may go.
#include "RecognitionWizard.h"
#include "app/ShellOpen.h"
#include "core/HidProtocol.h"
#include "texts/WizardTexts.h"

using namespace rectest;

namespace {

class DfuOutcomeTest : public RecognitionWizardTest {};


sim::DeviceId AddDefaultHeadset(const wchar_t* name = L"Vela") {
    sim::DeviceId dev = AddDfu(name);
    sim::SetPsKeyWords(dev, PSKEY_BDADDR, {0x0012, 0x3456, 0x0078, 0x1A2B});
    sim::SetPsKeyText(dev, PSKEY_DEVICE_NAME, "Vela Morn T");
    sim::SetPsKey(dev, PSKEY_FW_VERSION, std::vector<BYTE>{12, 0, 0, 0}.data(), 4);
    sim::SetPsKeyWords(dev, PSKEY_SETTINGS_WORD, {0x0005, 0});
    return dev;
}

}  // namespace

TEST_F(DfuOutcomeTest, NoDeviceLeavesThePageWithTheUsbFailure) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(RECOGNITION_NO_DEVICE, Recognize(dlg));
        EXPECT_EQ(PAGE_RECOGNITION, dlg.m_nPage);
        EXPECT_FALSE(dlg.m_bBusy);
        EXPECT_EQ(CString(L"Failed to recognize device. Cannot open USB"), Status(dlg));
        EXPECT_FALSE(dlg.m_bStatusOk);
        EXPECT_TRUE(m_asked.empty());
        EXPECT_EQ(0x4D10, dlg.m_nTargetModel);  // not replaced when nothing is scanned
        // Only the page instructions are shown.
        CString text;
        dlg.m_recognitionPage.m_staticInstructions.GetWindowText(text);
        EXPECT_EQ(0, text.Find(L"1. Power off your product"));
        EXPECT_GT(text.Find(L"2. Power on your Morvex product."), 0);
        EXPECT_GT(text.Find(L"3. Press the [NEXT >] button."), 0);
    });
}

TEST_F(DfuOutcomeTest, TheDefaultHeadsetIsRecognisedAndStored) {
    AddDefaultHeadset();
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(RECOGNITION_OK, Recognize(dlg));
        EXPECT_EQ(PAGE_FIRMWARE_UPDATE, dlg.m_nPage);
        EXPECT_EQ(CString(L"Device recognized successfully. Ready for FIRMWARE UPDATE"), Status(dlg));
        EXPECT_TRUE(dlg.m_bStatusOk);
        EXPECT_EQ(0x2110, dlg.m_nTargetModel);
        EXPECT_TRUE(dlg.m_bRecognized);
        EXPECT_EQ(0x2110, dlg.m_nUsbStatus);
        const CDeviceRecord& r = dlg.m_deviceRecord;
        EXPECT_EQ(0x2110, r.m_nModelId);
        EXPECT_EQ(1, r.m_nManagerVersionMajor);
        EXPECT_EQ(1, r.m_nManagerVersionMinor);
        EXPECT_EQ(CString(L"Vela Morn T"), r.m_strDeviceName);
        EXPECT_EQ(CString(L"1A2B78[123456]"), r.m_strBdAddress);
        EXPECT_EQ(1, r.m_version.m_nMajor);
        EXPECT_EQ(2, r.m_version.m_nMinor);
        // 0x2110 reads bits 0-5 of the settings word 0x0005.
        EXPECT_EQ(1, r.m_bHandsfreeVox);
        EXPECT_EQ(0, r.m_bIntercomVox);
        EXPECT_EQ(1, r.m_bEdr);
        EXPECT_EQ(0, r.m_bMicrophoneBoost);
    });
}

TEST_F(DfuOutcomeTest, AHeadsetInFirmwareManagementModeIsRecognisedAsItsModel) {
    sim::DeviceId dev = AddDefaultHeadset();
    sim::SetDfuMode(dev, true);
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(RECOGNITION_MANAGEMENT_MODE, Recognize(dlg));
        EXPECT_EQ(0xA110, dlg.m_nUsbStatus);
        EXPECT_EQ(0x2110, dlg.m_deviceRecord.m_nModelId);
        EXPECT_EQ(0x2110, dlg.m_nTargetModel);
        EXPECT_EQ(PAGE_FIRMWARE_UPDATE, dlg.m_nPage);
        EXPECT_EQ(CString(L"Firmware management mode. Ready for FIRMWARE UPDATE"), Status(dlg));
        EXPECT_FALSE(dlg.m_bStatusOk);
    });
}

TEST_F(DfuOutcomeTest, SavedSettingsThatDoNotReachTheHeadsetAreNeverReportedAsRestored) {
    struct Case {
        const char* what;
        bool managementMode;  // the store cannot be reached at all
        RecognitionOutcome outcome;
    } cases[] = {
        {"a settings key refused", false, RECOGNITION_OK},
        {"back in firmware-management mode", true, RECOGNITION_MANAGEMENT_MODE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::Reset();
        sim::DeviceId dev = AddDefaultHeadset();
        sim::SetPsWriteFails(dev, PSKEY_SETTINGS_WORD, true);
        sim::SetDfuMode(dev, c.managementMode);
        CDeviceRecord saved;
        saved.m_nModelId = 0x2110;
        saved.m_version.Set(1, 0, 0, 0, 0);
        saved.m_bEdr = 1;
        RunWizard([&](CUpdaterDlg& dlg) {
            ASSERT_TRUE(WaitIdle(dlg));
            dlg.m_nTargetModel = 0x2110;
            dlg.ShowRecognitionPage(FALSE, nullptr, PAGE_FIRMWARE_RESTORE);
            EXPECT_EQ(c.outcome, dlg.m_recognitionPage.RecognizeDevice(&saved, FALSE));
            EXPECT_EQ(PAGE_FIRMWARE_RESTORE, dlg.m_nPage);
            EXPECT_EQ(CString(L"Failed to save device setting. Could not write to the device"), Status(dlg));
            EXPECT_FALSE(dlg.m_bStatusOk);
        });
    }
}

TEST_F(DfuOutcomeTest, AnotherModelGetsNoWritesAndTheOtherDeviceBox) {
    sim::DeviceId dev = AddDefaultHeadset();
    sim::SetPsKeyWords(dev, PSKEY_PRODUCT_ID, {0x4D10});
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        CDeviceRecord saved;
        saved.m_nModelId = 0x2110;
        EXPECT_EQ(RECOGNITION_OTHER_MODEL, Recognize(dlg, TRUE, &saved));
        ASSERT_EQ(1u, m_asked.size());
        CString name;
        GetModelName(name, 0x2110, FALSE);
        EXPECT_EQ(L"A device other than the " + std::wstring(name) + L" is recognized. Select the appropriate device.\n",
                  AskedText(0));
        EXPECT_EQ(1, m_asked[0].iconKind);
        EXPECT_TRUE(m_asked[0].cancel.IsEmpty());
        EXPECT_EQ(CSize(440, 130), m_asked[0].size);
        EXPECT_EQ(PAGE_WELCOME, dlg.m_nPage);
        EXPECT_FALSE(dlg.m_bRecognized);
        // The saved record was not written to a device of another family.
        EXPECT_TRUE(WrittenKeys(dev).empty());
    });
}

TEST_F(DfuOutcomeTest, TheCameraWithoutItsCardMarkerStopsBeforeTheAddress) {
    sim::DeviceId dev = AddDefaultHeadset();
    sim::SetPsKeyWords(dev, PSKEY_PRODUCT_ID, {0x3020});
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"reccard_" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder.c_str(), nullptr);
    sim::AddDrive(L"card", L'R', folder.c_str());
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(RECOGNITION_NO_CAMERA_DRIVE, Recognize(dlg));
        EXPECT_EQ(CString(L"Failed to recognize device. Check your SD Card."), Status(dlg));
        EXPECT_EQ(PAGE_RECOGNITION, dlg.m_nPage);
        EXPECT_TRUE(m_asked.empty());
        std::vector<WORD> reads = sim::PsReadLog(dev);
        EXPECT_EQ(std::vector<WORD>{PSKEY_PRODUCT_ID}, reads);

        // With the marker on the card the run goes on (and 0x3020 is not 0x2110's family).
        std::wstring marker = folder + L"\\kelto.bin";
        HANDLE f = ::CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ::CloseHandle(f);
        EXPECT_TRUE(CameraMarkerDrivePresent());
        EXPECT_EQ(RECOGNITION_OTHER_MODEL, Recognize(dlg));
        ::DeleteFileW(marker.c_str());
    });
    ::RemoveDirectoryW(folder.c_str());
}

TEST_F(DfuOutcomeTest, ASecondAcceptedHeadsetBeyondTheLimitIsNotRead) {
    sim::DeviceId first = AddDefaultHeadset(L"first");
    sim::DeviceId second = AddDfu(L"second");
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        // From the page switch: silent, and the first headset's record stays.
        EXPECT_EQ(RECOGNITION_DFU_LISTED_MORE, Recognize(dlg, FALSE));
        EXPECT_TRUE(m_asked.empty());
        EXPECT_EQ(PAGE_RECOGNITION, dlg.m_nPage);
        EXPECT_EQ(CString(L"Vela Morn T"), dlg.m_deviceRecord.m_strDeviceName);
        EXPECT_FALSE(sim::PsReadLog(first).empty());
        EXPECT_TRUE(sim::PsReadLog(second).empty());
        CString activity;
        GetTextPageActivity(activity, PAGE_RECOGNITION, 0);
        EXPECT_EQ(activity, Status(dlg));

        // From NEXT: the USB box, and WELCOME.
        EXPECT_EQ(RECOGNITION_DFU_LISTED_MORE, Recognize(dlg, TRUE));
        ASSERT_EQ(1u, m_asked.size());
        EXPECT_EQ(0u, AskedText(0).find(L"USB interface(s) more than expected is(are) found.\nSend email to Technical Support ("));
        EXPECT_EQ(PAGE_WELCOME, dlg.m_nPage);
    });
}

TEST_F(DfuOutcomeTest, MoreScannedThanListedAndTheModeMismatch) {
    sim::DeviceId listed = AddDefaultHeadset(L"listed");
    sim::DeviceId hidden = AddDfu(L"not listed");
    sim::SetDfuListing(hidden, true, false);
    std::vector<CString> opened;
    apptest::SetShellOpenHandler([&](const CString& t) { return opened.push_back(t), TRUE; });
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(RECOGNITION_TOO_MANY_INTERFACES, Recognize(dlg, FALSE));
        EXPECT_TRUE(m_asked.empty());
        QueueAnswer(IDOK);
        EXPECT_EQ(RECOGNITION_TOO_MANY_INTERFACES, Recognize(dlg, TRUE));
        ASSERT_EQ(1u, m_asked.size());
        EXPECT_EQ(0u, AskedText(0).find(L"USB interface(s) more than expected is(are) obtained.\n"));
        EXPECT_EQ(CString(L"SEND Email"), m_asked[0].cancel);
        EXPECT_EQ(CSize(520, 180), m_asked[0].size);
        EXPECT_TRUE(opened.empty());  // OK does not mail
        EXPECT_EQ(PAGE_WELCOME, dlg.m_nPage);
        CString welcome;
        GetTextPageInstruction(welcome, PAGE_WELCOME, 0, 0);
        EXPECT_EQ(welcome, Status(dlg));

        // The scan sees the hidden headset in firmware-management mode only,
        // the library the listed one in normal mode: the split does not match.
        sim::SetDfuListing(listed, false, true);
        sim::SetDfuMode(hidden, true);
        QueueAnswer(IDCANCEL);
        EXPECT_EQ(RECOGNITION_MODE_MISMATCH, Recognize(dlg, FALSE));
        ASSERT_EQ(2u, m_asked.size());
        EXPECT_EQ(0u, AskedText(1).find(L"There is problem in the USB interface.\nSend email"));
        ASSERT_EQ(1u, opened.size());
        EXPECT_EQ(CString(L"mailto:") + kSupportMailAddress, opened[0]);
    });
}

TEST_F(DfuOutcomeTest, TwoInterfaceUnitsThatAgreeDisagreeOrLackAnInterface) {
    sim::DeviceId a = AddDfu(L"unit A", 0x5310, 0x5310);
    sim::DeviceId b = AddDfu(L"unit B", 0x5310, 0x5310);
    for (sim::DeviceId d : {a, b}) {
        sim::SetPsKeyText(d, PSKEY_DEVICE_NAME, "Module");
        sim::SetPsKey(d, PSKEY_FW_VERSION, std::vector<BYTE>{11, 0, 0, 0}.data(), 4);
    }
    sim::SetPsKeyWords(a, PSKEY_BDADDR, {0x0011, 0x2233, 0x0044, 0x5566});
    sim::SetPsKeyWords(b, PSKEY_BDADDR, {0x00AA, 0xBBCC, 0x00DD, 0xEEFF});
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(RECOGNITION_OK, Recognize(dlg));
        EXPECT_EQ(0x5310, dlg.m_nTargetModel);
        EXPECT_EQ(CString(L"556644[112233] _ EEFFDD[AABBCC]"), dlg.m_deviceRecord.m_strBdAddress);

        sim::SetPsKeyText(b, PSKEY_DEVICE_NAME, "Other name");
        EXPECT_EQ(RECOGNITION_MANAGEMENT_MODE, Recognize(dlg));
        EXPECT_EQ(0xD310, dlg.m_nUsbStatus);

        sim::SetPresent(b, false);  // one interface of two
        EXPECT_EQ(RECOGNITION_TOO_FEW_INTERFACES, Recognize(dlg));
        ASSERT_FALSE(m_asked.empty());
        EXPECT_EQ(0u, AskedText(m_asked.size() - 1).find(L"USB interface(s) less than expected is(are) obtained.\n"));

        sim::SetPresent(b, true);
        sim::SetDfuListing(b, true, false);  // scanned twice, listed once
        EXPECT_EQ(RECOGNITION_DFU_LISTED_FEWER, Recognize(dlg));
        EXPECT_EQ(0u, AskedText(m_asked.size() - 1).find(L"USB interface(s) less than expected is(are) found.\n"));
    });
}

TEST_F(DfuOutcomeTest, BatchValuesGoOnlyToAHeadsetOfTheTargetsFamily) {
    const int ids[] = {0x4D10, 0xCD10};
    SetDfuAcceptedProductIds(ids, 2);
    // LAP 2C9BD2 is above the threshold of the 0x4D10 family.
    sim::DeviceId dev = AddDfu(L"Vela", 0x4D10, 0x4D10);
    sim::SetPsKeyWords(dev, PSKEY_BDADDR, {0x002C, 0x9BD2, 0x0078, 0x1A2B});
    sim::SetPsKey(dev, PSKEY_FW_VERSION, std::vector<BYTE>{42, 0, 0, 0}.data(), 4);
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(RECOGNITION_OK, Recognize(dlg));
        EXPECT_EQ(0x4D10, dlg.m_nTargetModel);
        EXPECT_EQ(CString(L"1A2B78[2C9BD2]"), dlg.m_deviceRecord.m_strBdAddress);
        std::vector<WORD> keys = WrittenKeys(dev);
        ASSERT_EQ(7u, keys.size());
        EXPECT_EQ(PSKEY_BATCH_TUNE_0017, keys[0]);
        EXPECT_EQ(PSKEY_BATCH_TUNE_0242, keys[6]);

        // The same unit reporting a model of another family gets nothing.
        sim::SetPsKeyWords(dev, PSKEY_PRODUCT_ID, {0x5010});
        EXPECT_EQ(RECOGNITION_OTHER_MODEL, Recognize(dlg));
        EXPECT_EQ(7u, WrittenKeys(dev).size());

        // An unreadable address: no batch test at all.
        sim::SetPsKeyWords(dev, PSKEY_PRODUCT_ID, {0x4D10});
        sim::SetPsReadFails(dev, PSKEY_BDADDR, true);
        EXPECT_EQ(RECOGNITION_OK, Recognize(dlg));
        EXPECT_EQ(7u, WrittenKeys(dev).size());
        EXPECT_TRUE(dlg.m_deviceRecord.m_strBdAddress.IsEmpty());
    });
}
