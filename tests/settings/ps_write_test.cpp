// SAVE on the settings pages of headsets of the chip vendor's family, in the
// real wizard against simulated headsets: the keys written, only where a
// value changed (basic settings) or whole (FM block, speed dials).
#include "SettingsWizard.h"
#include "settings/SettingsWrites.h"

using namespace settingstest;

namespace {

class PsWriteTest : public SettingsWizardTest {
protected:
    // The headset recognised, the page entered, edit applied, SAVE pressed.
    void SaveOn(int model, BYTE version, int page, const std::function<void(CDeviceRecord&)>& edit,
                const std::function<void(CUpdaterDlg&)>& after = nullptr) {
        RunWizard([&](CUpdaterDlg& dlg) {
            EnterPage(dlg, model, page);
            CDeviceRecord& r = page == PAGE_DEVICE_SETTING   ? dlg.m_settingPage.m_workingRecord
                               : page == PAGE_FM_RADIO       ? dlg.m_settingSecondPage.m_workingRecord
                                                             : dlg.m_speedDialPage.m_workingRecord;
            edit(r);
            dlg.UpdateControls();
            Save(dlg);
            EXPECT_EQ(page, dlg.m_nPage);
            if (after) after(dlg);
        });
    }
};

}  // namespace

TEST_F(PsWriteTest, OlderFirmwareGetsTheVoxKeysThatChanged) {
    sim::DeviceId id = AddDfuHeadset(0x4D20, 33);
    sim::SetPsKeyWords(id, PSKEY_VOX_INTERCOM, {0});
    sim::SetPsKeyWords(id, PSKEY_VOX_PHONE, {0});
    SaveOn(0x4D20, 33, PAGE_DEVICE_SETTING, [](CDeviceRecord& r) {
        r.m_bIntercomVox = 1;
        r.m_bHandsfreeVox = 1;
    }, [](CUpdaterDlg& dlg) {
        EXPECT_EQ(CString(L"Device setting saved successfully"), Status(dlg));
        EXPECT_EQ(1, dlg.m_deviceRecord.m_bIntercomVox);
        EXPECT_EQ(1, dlg.m_deviceRecord.m_bHandsfreeVox);
    });
    EXPECT_EQ((std::vector<WORD>{PSKEY_VOX_INTERCOM, PSKEY_VOX_PHONE}), WrittenKeys(id));
    EXPECT_EQ(LittleEndian({1}), Written(id, PSKEY_VOX_INTERCOM));
    EXPECT_EQ(LittleEndian({1}), Written(id, PSKEY_VOX_PHONE));
}

TEST_F(PsWriteTest, From40TheSettingsWordCarriesThemAndEdrItsOwnKey) {
    sim::DeviceId id = AddDfuHeadset(0x4D20, 40);
    sim::SetPsKeyWords(id, PSKEY_SETTINGS_WORD, {0, 0});
    WORD packed = 0;
    SaveOn(0x4D20, 40, PAGE_DEVICE_SETTING, [&](CDeviceRecord& r) {
        r.m_bIntercomVox = 1;
        r.m_bEdr = r.m_bEdr ? 0 : 1;
        packed = r.PackFeatureWord();
    }, [](CUpdaterDlg& dlg) { EXPECT_TRUE(dlg.m_bStatusOk); });
    EXPECT_EQ((std::vector<WORD>{PSKEY_LMP_FEATURES, PSKEY_SETTINGS_WORD}), WrittenKeys(id));
    EXPECT_EQ(LittleEndian({packed, 0}), Written(id, PSKEY_SETTINGS_WORD));
    EXPECT_EQ(8u, Written(id, PSKEY_LMP_FEATURES).size());
}

TEST_F(PsWriteTest, EdrOnAndOffHaveTheirMasks) {
    for (int edr : {0, 1}) {
        sim::Reset();
        sim::DeviceId id = AddDfuHeadset(0x2020, 10);
        sim::SetPsKeyWords(id, PSKEY_SETTINGS_WORD, {0, 0});
        RunWizard([&](CUpdaterDlg& dlg) {
            EnterPage(dlg, 0x2020, PAGE_DEVICE_SETTING);
            dlg.m_deviceRecord.m_bEdr = !edr;  // the headset as read, the other way round
            dlg.m_settingPage.m_workingRecord.m_bEdr = edr;
            Save(dlg);
        });
        const BYTE on[] = {0xFF, 0xFE, 0x8F, 0xFE, 0x98, 0xFF, 0x59, 0x83};
        const BYTE off[] = {0xFF, 0xFE, 0x8F, 0xF8, 0x18, 0x1E, 0x59, 0x83};
        std::vector<BYTE> want = edr == 0 ? std::vector<BYTE>(on, on + 8) : std::vector<BYTE>(off, off + 8);
        EXPECT_EQ(want, Written(id, PSKEY_LMP_FEATURES)) << "EDR flag " << edr;
    }
}

TEST_F(PsWriteTest, GainAndTimeoutInMilliseconds) {
    sim::DeviceId id = AddDfuHeadset(0x5210, 10);
    sim::SetPsKeyWords(id, PSKEY_TX_GAIN, {15});
    sim::SetPsKeyWords(id, PSKEY_AUDIO_TIMEOUT_MS, {10000});
    SaveOn(0x5210, 10, PAGE_DEVICE_SETTING, [](CDeviceRecord& r) {
        r.m_nRadioTransmitGain = 17;
        r.m_nAudioChannelTimeout = 60;
    }, [](CUpdaterDlg& dlg) {
        EXPECT_EQ(17, dlg.m_deviceRecord.m_nRadioTransmitGain);
        EXPECT_EQ(60, dlg.m_deviceRecord.m_nAudioChannelTimeout);
    });
    EXPECT_EQ(LittleEndian({17}), Written(id, PSKEY_TX_GAIN));
    EXPECT_EQ(LittleEndian({60000}), Written(id, PSKEY_AUDIO_TIMEOUT_MS));
}

TEST_F(PsWriteTest, AnUnchangedRecordWritesNothingAndSucceeds) {
    sim::DeviceId id = AddDfuHeadset(0x2020, 10);
    sim::SetPsKeyWords(id, PSKEY_SETTINGS_WORD, {0, 0});
    RunWizard([&](CUpdaterDlg& dlg) {
        EnterPage(dlg, 0x2020, PAGE_DEVICE_SETTING);
        dlg.m_settingPage.ApplySettingsToDevice();
        WaitIdle(dlg);
        EXPECT_EQ(PAGE_DEVICE_SETTING, dlg.m_nPage);
        EXPECT_EQ(CString(L"Device setting saved successfully"), Status(dlg));
    });
    EXPECT_TRUE(WrittenKeys(id).empty());
}

TEST_F(PsWriteTest, TheFmBlockIsWrittenWholeAsItsKey) {
    sim::DeviceId id = AddDfuHeadset(0x4D15, 12);
    SaveOn(0x4D15, 12, PAGE_FM_RADIO, [](CDeviceRecord& r) {
        r.m_nFmRegion = 4;
        r.m_anFmPreset[0] = 8750;
        r.m_anFmPreset[9] = 10800;
        r.m_bFmRds = 1;
    }, [](CUpdaterDlg& dlg) { EXPECT_EQ(10800, dlg.m_deviceRecord.m_anFmPreset[9]); });
    EXPECT_EQ(LittleEndian({0x66E9, 0, 0, 8750, 0, 0, 0, 0, 0, 0, 0, 0, 10800, 1, 4}), Written(id, PSKEY_FM_SETTINGS));
}

TEST_F(PsWriteTest, AllThreeSpeedDialKeysAreWrittenWithTheirTwentyWords) {
    sim::DeviceId id = AddDfuHeadset(0x2020, 10);
    SaveOn(0x2020, 10, PAGE_SPEED_DIAL, [](CDeviceRecord& r) { r.m_astrSpeedDial[0] = L"+49"; },
           [](CUpdaterDlg& dlg) { EXPECT_EQ(CString(L"+49"), dlg.m_deviceRecord.m_astrSpeedDial[0]); });
    std::vector<BYTE> first = LittleEndian({0x2B, 0x34, 0x39});
    first.resize(40, 0);
    EXPECT_EQ(first, Written(id, PSKEY_SPEED_DIAL_1));
    EXPECT_EQ(std::vector<BYTE>(40, 0), Written(id, PSKEY_SPEED_DIAL_2));
    EXPECT_EQ(std::vector<BYTE>(40, 0), Written(id, PSKEY_SPEED_DIAL_3));
}

TEST_F(PsWriteTest, TheTwoInterfaceUnitIsWrittenOnBothOfItsDevices) {
    sim::DeviceId units[2];
    for (int i = 0; i < 2; ++i) {
        units[i] = sim::AddDfuHeadset(i ? L"unit B" : L"unit A", sim::kMakerVendorId, 0x5310, 0xD310);
        sim::SetPsKeyWords(units[i], PSKEY_PRODUCT_ID, {0x5310});
        sim::SetPsKeyText(units[i], PSKEY_DEVICE_NAME, "Module");
        sim::SetPsKey(units[i], PSKEY_FW_VERSION, std::vector<BYTE>{11, 0, 0, 0}.data(), 4);
    }
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.m_nTargetModel = 0x5310;
        dlg.ShowRecognitionPage(TRUE, nullptr, 0);
        ASSERT_EQ(RECOGNITION_OK, dlg.m_recognitionPage.RecognizeDevice(nullptr, TRUE));
        ASSERT_EQ(0x5310, dlg.m_nUsbStatus);
        CDeviceRecord working = dlg.m_deviceRecord;
        working.m_astrSpeedDial[0] = L"12";
        EXPECT_EQ(SETTINGS_WRITTEN, WriteSpeedDials(dlg, working));
        // With one of the two gone the unit is not the one recognised.
        sim::SetPresent(units[1], false);
        EXPECT_EQ(SETTINGS_WRONG_DEVICE, WriteSpeedDials(dlg, working));
    });
    std::vector<BYTE> twelve = LittleEndian({'1', '2'});
    twelve.resize(40, 0);
    EXPECT_EQ(twelve, Written(units[0], PSKEY_SPEED_DIAL_1));
    EXPECT_EQ(twelve, Written(units[1], PSKEY_SPEED_DIAL_1));
    EXPECT_EQ(3u, WrittenKeys(units[1]).size());
}
