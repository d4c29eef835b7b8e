// Saves that fail: the headset gone, another headset, a write refused half
// way, a closed or dead interface, nothing reached at all. Each ends with
// the failure in the status line and a box that says which failure it was,
// keeps the page and its edits, leaves the device record as it was, and
// never shows the success text.
#include "SettingsWizard.h"
#include "core/HidProtocol.h"

using namespace settingstest;

namespace {

const wchar_t* const kNotRecognized = L"Failed to save device setting. Not the recognized device";
const wchar_t* const kNotWritten = L"Failed to save device setting. Could not write to the device";
const wchar_t* const kNotConnectedBox =
    L"Recognized device is not connected or is not the same as the connected device.\nSelect appropriate device.\n";
const wchar_t* const kNotWrittenBox =
    L"The settings could not be written to the device.\nYour changes are kept. Check the connection and save again.";

enum class Failure { kWrongDevice, kWriteFailed };

class SaveFailureTest : public SettingsWizardTest {
protected:
    // Enters the page, edits the working record, lets fault() break the
    // headset, presses SAVE and checks the ending.
    void SaveFails(int model, int page, const std::function<void(CDeviceRecord&)>& edit,
                   const std::function<void(CUpdaterDlg&)>& fault, Failure failure) {
        RunWizard([&](CUpdaterDlg& dlg) {
            EnterPage(dlg, model, page);
            CDeviceRecord& working = Working(dlg, page);
            edit(working);
            dlg.UpdateControls();
            ASSERT_TRUE(ActionEnabled(dlg));
            CDeviceRecord edited = working, device = dlg.m_deviceRecord;
            fault(dlg);
            m_asked.clear();
            Save(dlg);

            bool wrong = failure == Failure::kWrongDevice;
            EXPECT_EQ(CString(wrong ? kNotRecognized : kNotWritten), Status(dlg));
            EXPECT_FALSE(dlg.m_bStatusOk);
            EXPECT_FALSE(dlg.m_bBusy);
            ASSERT_EQ(1u, m_asked.size());
            EXPECT_EQ(CString(wrong ? kNotConnectedBox : kNotWrittenBox), m_asked[0].text);
            EXPECT_EQ(1, m_asked[0].iconKind);
            EXPECT_EQ(CSize(400, 165), m_asked[0].size);
            // The page, the edits and the device as read stay.
            EXPECT_EQ(page, dlg.m_nPage);
            EXPECT_EQ(0, edited.DiffersFrom(Working(dlg, page), 1));
            for (int k = 0; k < DEVICE_SPEED_DIALS; ++k)
                EXPECT_EQ(edited.m_astrSpeedDial[k], Working(dlg, page).m_astrSpeedDial[k]);
            EXPECT_EQ(0, device.DiffersFrom(dlg.m_deviceRecord, 1));
            for (int k = 0; k < DEVICE_SPEED_DIALS; ++k)
                EXPECT_EQ(device.m_astrSpeedDial[k], dlg.m_deviceRecord.m_astrSpeedDial[k]);
            EXPECT_TRUE(ActionEnabled(dlg));
            EXPECT_TRUE(dlg.m_bRecognized);
        });
    }
    static CDeviceRecord& Working(CUpdaterDlg& dlg, int page) {
        return page == PAGE_DEVICE_SETTING ? dlg.m_settingPage.m_workingRecord
               : page == PAGE_FM_RADIO     ? dlg.m_settingSecondPage.m_workingRecord
                                           : dlg.m_speedDialPage.m_workingRecord;
    }
    static void ToggleBoost(CDeviceRecord& r) { r.m_bAudioBoost = !r.m_bAudioBoost; }
    static void SetPreset(CDeviceRecord& r) {
        r.m_nFmRegion = 4;
        r.m_anFmPreset[0] = 9000;
    }
    static void SetNumber(CDeviceRecord& r) { r.m_astrSpeedDial[1] = L"0123"; }
};

}  // namespace

// ------------------------------------------------------------ HID headsets

TEST_F(SaveFailureTest, HidHeadsetGoneBeforeTheSave) {
    sim::DeviceId id = AddHidHeadset(0x5610, {1, 0});
    SaveFails(0x5610, PAGE_DEVICE_SETTING, ToggleBoost, [&](CUpdaterDlg&) { sim::SetPresent(id, false); },
              Failure::kWrongDevice);
}

TEST_F(SaveFailureTest, AnotherHidHeadsetOnTheBus) {
    sim::DeviceId id = AddHidHeadset(0x5610, {1, 0});
    SaveFails(0x5610, PAGE_DEVICE_SETTING, ToggleBoost, [&](CUpdaterDlg&) {
        sim::SetPresent(id, false);
        AddHidHeadset(0x5620, {1, 0});
    }, Failure::kWrongDevice);
}

TEST_F(SaveFailureTest, TheSameModelWithOtherFirmware) {
    sim::DeviceId id = AddHidHeadset(0x5610, {1, 0});
    SaveFails(0x5610, PAGE_FM_RADIO, SetPreset, [&](CUpdaterDlg&) {
        const BYTE newer[5] = {1, 1, 0, 0, 0};
        sim::SetHidVersion(id, newer);
    }, Failure::kWrongDevice);
    EXPECT_TRUE(Block(id, HID_BLOCK_FM).empty());
}

TEST_F(SaveFailureTest, AStoreRequestRefusedAfterTheFirstBlock) {
    sim::DeviceId id = AddHidHeadset(0x5412, {1, 0});
    SaveFails(0x5412, PAGE_DEVICE_SETTING, ToggleBoost,
              [&](CUpdaterDlg&) { sim::SetHidCommandFails(id, HID_CMD_STORE_BLOCK, true); }, Failure::kWriteFailed);
    // The first block went out before the refusal; nothing after it.
    EXPECT_EQ(2u, Block(id, HID_BLOCK_SETTINGS).size());
    EXPECT_EQ(1u, Reports(id, HID_CMD_STORE_BLOCK).size());
    EXPECT_TRUE(Block(id, HID_BLOCK_SMART_VOLUME).empty());
}

TEST_F(SaveFailureTest, TheHeadsetLeavesInTheMiddleOfTheBlocks) {
    sim::DeviceId id = AddHidHeadset(0x5622, {1, 1});
    SaveFails(0x5622, PAGE_DEVICE_SETTING, ToggleBoost, [&](CUpdaterDlg&) {
        // The version request and the settings block, then it is gone.
        sim::SetHidVanishAfterReports(id, 2);
    }, Failure::kWriteFailed);
    EXPECT_EQ(2u, Block(id, HID_BLOCK_SETTINGS).size());
    EXPECT_TRUE(Block(id, HID_BLOCK_VOX_SENSITIVITY).empty());
}

TEST_F(SaveFailureTest, FmBlockRefused) {
    sim::DeviceId id = AddHidHeadset(0x5610, {1, 0});
    SaveFails(0x5610, PAGE_FM_RADIO, SetPreset,
              [&](CUpdaterDlg&) { sim::SetHidCommandFails(id, HID_CMD_WRITE_BLOCK, true); }, Failure::kWriteFailed);
}

TEST_F(SaveFailureTest, SpeedDialBlockRefused) {
    sim::DeviceId id = AddHidHeadset(0x5610, {1, 0});
    SaveFails(0x5610, PAGE_SPEED_DIAL, SetNumber,
              [&](CUpdaterDlg&) { sim::SetHidCommandFails(id, HID_CMD_WRITE_BLOCK, true); }, Failure::kWriteFailed);
}

TEST_F(SaveFailureTest, AHeadsetPluggedInAgainIsReachedThroughNewInterfaces) {
    sim::DeviceId id = AddHidHeadset(0x5610, {2, 3});
    RunWizard([&](CUpdaterDlg& dlg) {
        EnterPage(dlg, 0x5610, PAGE_DEVICE_SETTING);
        ToggleBoost(dlg.m_settingPage.m_workingRecord);
        // The interfaces recognition opened are dead now.
        sim::SetPresent(id, false);
        sim::SetPresent(id, true);
        Save(dlg);
        EXPECT_EQ(CString(L"Device setting saved successfully"), Status(dlg));
    });
    EXPECT_EQ(2u, Block(id, HID_BLOCK_SETTINGS).size());
}

TEST_F(SaveFailureTest, AHeadsetThatStopsAnsweringIsNotWritten) {
    sim::DeviceId id = AddHidHeadset(0x5610, {2, 3});
    SaveFails(0x5610, PAGE_DEVICE_SETTING, ToggleBoost,
              [&](CUpdaterDlg&) { sim::SetHidCommandFails(id, HID_CMD_GET_VERSION, true); }, Failure::kWrongDevice);
    EXPECT_TRUE(Block(id, HID_BLOCK_SETTINGS).empty());
}

TEST_F(SaveFailureTest, InterfacesClosedMeanwhileAreOpenedAgainBeforeAnyRequest) {
    sim::DeviceId id = AddHidHeadset(0x5610, {1, 0});
    RunWizard([&](CUpdaterDlg& dlg) {
        EnterPage(dlg, 0x5610, PAGE_DEVICE_SETTING);
        ToggleBoost(dlg.m_settingPage.m_workingRecord);
        dlg.CloseDeviceHandles();
        Save(dlg);
        EXPECT_EQ(CString(L"Device setting saved successfully"), Status(dlg));
        EXPECT_EQ(PAGE_DEVICE_SETTING, dlg.m_nPage);
    });
    EXPECT_EQ(2u, Block(id, HID_BLOCK_SETTINGS).size());
}

// --------------------------------------------------- persistent-store headsets

TEST_F(SaveFailureTest, UnpluggedAfterTheScanWritesNothingAndIsNoSave) {
    sim::DeviceId id = AddDfuHeadset(0x2020, 10);
    SaveFails(0x2020, PAGE_DEVICE_SETTING, [](CDeviceRecord& r) { r.m_bHandsfreeVox = !r.m_bHandsfreeVox; },
              [&](CUpdaterDlg&) { sim::SetDfuListing(id, true, false); }, Failure::kWriteFailed);
    EXPECT_TRUE(WrittenKeys(id).empty());
}

TEST_F(SaveFailureTest, ARefusedConnectionWritesNothingAndIsNoSave) {
    sim::DeviceId id = AddDfuHeadset(0x2020, 10);
    SaveFails(0x2020, PAGE_SPEED_DIAL, SetNumber, [&](CUpdaterDlg&) { sim::SetConnectFails(id, true); },
              Failure::kWriteFailed);
    EXPECT_TRUE(WrittenKeys(id).empty());
}

TEST_F(SaveFailureTest, ARefusedSettingsKey) {
    sim::DeviceId id = AddDfuHeadset(0x2020, 10);
    SaveFails(0x2020, PAGE_DEVICE_SETTING, [](CDeviceRecord& r) { r.m_bHandsfreeVox = !r.m_bHandsfreeVox; },
              [&](CUpdaterDlg&) { sim::SetPsWriteFails(id, PSKEY_SETTINGS_WORD, true); }, Failure::kWriteFailed);
}

TEST_F(SaveFailureTest, ARefusedFmKey) {
    sim::DeviceId id = AddDfuHeadset(0x4D15, 12);
    SaveFails(0x4D15, PAGE_FM_RADIO, SetPreset,
              [&](CUpdaterDlg&) { sim::SetPsWriteFails(id, PSKEY_FM_SETTINGS, true); }, Failure::kWriteFailed);
}

TEST_F(SaveFailureTest, ARefusedSpeedDialKey) {
    sim::DeviceId id = AddDfuHeadset(0x2020, 10);
    SaveFails(0x2020, PAGE_SPEED_DIAL, SetNumber,
              [&](CUpdaterDlg&) { sim::SetPsWriteFails(id, PSKEY_SPEED_DIAL_2, true); }, Failure::kWriteFailed);
}

TEST_F(SaveFailureTest, AnotherModelBehindTheSameUsbId) {
    sim::DeviceId id = AddDfuHeadset(0x2020, 10);
    SaveFails(0x2020, PAGE_DEVICE_SETTING, [](CDeviceRecord& r) { r.m_bHandsfreeVox = !r.m_bHandsfreeVox; },
              [&](CUpdaterDlg&) { sim::SetPsKeyWords(id, PSKEY_PRODUCT_ID, {0x2011}); }, Failure::kWrongDevice);
    EXPECT_TRUE(WrittenKeys(id).empty());
}

TEST_F(SaveFailureTest, OtherFirmwareBehindTheSameUsbId) {
    sim::DeviceId id = AddDfuHeadset(0x2020, 10);
    SaveFails(0x2020, PAGE_SPEED_DIAL, SetNumber, [&](CUpdaterDlg&) {
        const BYTE newer[4] = {11, 0, 0, 0};
        sim::SetPsKey(id, PSKEY_FW_VERSION, newer, 4);
    }, Failure::kWrongDevice);
}

TEST_F(SaveFailureTest, NoHeadsetOfTheChipVendorOnTheBus) {
    sim::DeviceId id = AddDfuHeadset(0x2020, 10);
    SaveFails(0x2020, PAGE_DEVICE_SETTING, [](CDeviceRecord& r) { r.m_bHandsfreeVox = !r.m_bHandsfreeVox; },
              [&](CUpdaterDlg&) { sim::SetPresent(id, false); }, Failure::kWrongDevice);
}

TEST_F(SaveFailureTest, AnOldVersionKeyIsCheckedWithoutBeingRepaired) {
    // A unit whose legacy key says 3.0: recognition clears the newer key
    // once; the check before a save reads it and writes nothing.
    sim::DeviceId id = AddDfuHeadset(0x4D10, 0);
    sim::SetPsKey(id, PSKEY_LEGACY_VERSION, std::vector<BYTE>{30, 0, 0, 0}.data(), 4);
    RunWizard([&](CUpdaterDlg& dlg) {
        EnterPage(dlg, 0x4D10, PAGE_DEVICE_SETTING);
        size_t before = WrittenKeys(id).size();
        CDeviceRecord& r = dlg.m_settingPage.m_workingRecord;
        r.m_bIntercomVox = !r.m_bIntercomVox;
        Save(dlg);
        EXPECT_EQ(CString(L"Device setting saved successfully"), Status(dlg));
        std::vector<WORD> keys = WrittenKeys(id);
        EXPECT_EQ((std::vector<WORD>{PSKEY_VOX_INTERCOM}), std::vector<WORD>(keys.begin() + before, keys.begin() + before + 1));
    });
}
