// The recognition report on the real wizard: the page a success leads to,
// the status line in every language, the boxes of a run from the page
// switch, and a saved record that waits for its device.
#include "RecognitionWizard.h"
#include "framework/TestSeams.h"
#include "texts/MessageTexts.h"
#include "texts/WizardTexts.h"

using namespace rectest;

namespace {

class ReportTest : public RecognitionWizardTest {
protected:
    static sim::DeviceId AddHeadset(bool managementMode = false) {
        sim::DeviceId dev = AddDfu(L"Vela");
        sim::SetPsKeyText(dev, PSKEY_DEVICE_NAME, "Vela Morn T");
        sim::SetPsKey(dev, PSKEY_FW_VERSION, std::vector<BYTE>{12, 0, 0, 0}.data(), 4);
        sim::SetDfuMode(dev, managementMode);
        return dev;
    }
    // The page switch to DEVICE RECOGNITION from a later page: recognition
    // runs at once, silently, and comes back to `returnPage`.
    static void ComeBack(CUpdaterDlg& dlg, int returnPage, CDeviceRecord* restore = nullptr) {
        dlg.m_nTargetModel = 0x4D10;
        dlg.ShowRecognitionPage(TRUE, restore, returnPage);
    }
};

CString Text(void (*get)(CString&, int, int), int page, int language) {
    CString t;
    get(t, page, language);
    return t;
}

}  // namespace

TEST_F(ReportTest, ASuccessFromThePageSwitchReturnsToTheAskedPage) {
    AddHeadset();
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        ComeBack(dlg, PAGE_FIRMWARE_UPDATE);
        EXPECT_EQ(PAGE_FIRMWARE_UPDATE, dlg.m_nPage);
        EXPECT_EQ(CString(L"Firmware updated successfully"), Status(dlg));
        EXPECT_TRUE(dlg.m_bStatusOk);

        ComeBack(dlg, PAGE_DEVICE_SETTING);
        EXPECT_EQ(PAGE_DEVICE_SETTING, dlg.m_nPage);
        EXPECT_EQ(CString(L"Device setting saved successfully"), Status(dlg));
        EXPECT_TRUE(m_asked.empty());
    });
}

TEST_F(ReportTest, AReturnPageAbove100GoesThereAndMarksFirmwareManagementMode) {
    sim::DeviceId dev = AddHeadset();
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        ComeBack(dlg, 100 + PAGE_FIRMWARE_UPDATE);
        EXPECT_EQ(PAGE_FIRMWARE_UPDATE, dlg.m_nPage);
        EXPECT_TRUE(dlg.m_bStatusOk);  // the page switch's own line

        sim::SetDfuMode(dev, true);
        ComeBack(dlg, 100 + PAGE_FIRMWARE_UPDATE);
        EXPECT_EQ(PAGE_FIRMWARE_UPDATE, dlg.m_nPage);
        EXPECT_EQ(0xA110, dlg.m_nUsbStatus);
        EXPECT_EQ(Text(GetTextPageSuccess, PAGE_FIRMWARE_UPDATE, 0), Status(dlg));
        EXPECT_FALSE(dlg.m_bStatusOk);

        // WELCOME's success text wants two texts: the line stays as the
        // page switch set it, in every language.
        ComeBack(dlg, 100 + PAGE_WELCOME);
        EXPECT_EQ(PAGE_WELCOME, dlg.m_nPage);
        CString welcome;
        GetTextPageInstruction(welcome, PAGE_WELCOME, 0, 0);
        EXPECT_EQ(welcome, Status(dlg));
        dlg.ApplyLanguage(4, TRUE);
        GetTextPageInstruction(welcome, PAGE_WELCOME, 0, 4);
        EXPECT_EQ(welcome, Status(dlg));
    });
}

TEST_F(ReportTest, TheStatusLineIsWrittenInEveryLanguageAndThePageFollowsALanguageChange) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(RECOGNITION_NO_DEVICE, Recognize(dlg));
        for (int language : {4, 8, 12}) {
            dlg.ApplyLanguage(language, TRUE);
            CString failure, reason;
            GetTextPageFailure(failure, PAGE_RECOGNITION, language);
            GetTextMsgCannotOpenUsb(reason, language);
            EXPECT_EQ(failure + L". " + reason, Status(dlg)) << language;
            CString instructions;
            dlg.m_recognitionPage.m_staticInstructions.GetWindowText(instructions);
            EXPECT_EQ(CDialogDeviceRecognition::PageInstructions(language), instructions) << language;
        }
        // An index outside the languages gives the English texts.
        EXPECT_EQ(CDialogDeviceRecognition::PageInstructions(0), CDialogDeviceRecognition::PageInstructions(13));
        // Only the instructions are shown on the page.
        int visible = 0;
        for (HWND c = ::GetWindow(dlg.m_recognitionPage.m_hWnd, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
            if (::IsWindowVisible(c)) ++visible;
        EXPECT_EQ(1, visible);
    });
}

TEST_F(ReportTest, TheModeMismatchAndAnotherModelShowTheirBoxesAlreadyFromThePageSwitch) {
    sim::DeviceId dev = AddHeadset();
    sim::SetPsKeyWords(dev, PSKEY_PRODUCT_ID, {0x4D10});
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        ComeBack(dlg, PAGE_FIRMWARE_UPDATE);
        ASSERT_EQ(1u, m_asked.size());
        EXPECT_NE(std::wstring::npos, AskedText(0).find(L"A device other than the"));
        EXPECT_EQ(PAGE_WELCOME, dlg.m_nPage);

        // Scanned in firmware-management mode, connected in normal mode.
        sim::SetPsKeyWords(dev, PSKEY_PRODUCT_ID, {0x2110});
        sim::DeviceId hidden = AddDfu(L"hidden");
        sim::SetDfuListing(hidden, true, false);
        sim::SetDfuListing(dev, false, true);
        sim::SetDfuMode(hidden, true);
        ComeBack(dlg, PAGE_FIRMWARE_UPDATE);
        ASSERT_EQ(2u, m_asked.size());
        EXPECT_EQ(0u, AskedText(1).find(L"There is problem in the USB interface.\n"));
        EXPECT_EQ(PAGE_WELCOME, dlg.m_nPage);
    });
}

TEST_F(ReportTest, ASavedRecordWaitsForTheHeadsetUntilThePostedNextFindsIt) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        CDeviceRecord saved;
        saved.m_nModelId = 0x2110;
        saved.m_bHandsfreeVox = 1;
        saved.m_bEdr = 1;
        // After an update the headset is still restarting: nothing found, and
        // the wizard posts NEXT to run again with reporting.
        ComeBack(dlg, PAGE_FIRMWARE_UPDATE, &saved);
        EXPECT_EQ(PAGE_RECOGNITION, dlg.m_nPage);
        sim::DeviceId dev = AddHeadset();
        ASSERT_TRUE(WaitIdle(dlg));
        fw::test::PumpFor(200);
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(PAGE_FIRMWARE_UPDATE, dlg.m_nPage);
        // The saved settings reached the headset on that run.
        EXPECT_EQ(std::vector<WORD>{PSKEY_SETTINGS_WORD}, WrittenKeys(dev));
        EXPECT_EQ(Words({(WORD)saved.PackFeatureWord(), 0}), WrittenValue(dev, PSKEY_SETTINGS_WORD));

        // Written once: NEXT on the page later runs without it.
        dlg.ShowRecognitionPage(TRUE, nullptr, 0);
        EXPECT_EQ(RECOGNITION_OK, dlg.m_recognitionPage.RecognizeDevice(nullptr, TRUE));
        EXPECT_EQ(1u, WrittenKeys(dev).size());
    });
}
