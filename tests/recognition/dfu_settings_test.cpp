// A DFU headset's settings keys: what each model reads, the FM block's magic
// rules, the write-back of a saved record by target group, and the
// production-batch corrections.
#include "RecognitionSim.h"
#include "core/DeviceRecord.h"
#include "core/UsbIds.h"
#include "recognition/BatchCorrections.h"
#include "recognition/DfuSettingsRead.h"
#include "recognition/DfuWriteBack.h"
#include "recognition/PsKeyAccess.h"

using namespace rectest;

namespace {

const WORD kSpeedDials[] = {PSKEY_SPEED_DIAL_1, PSKEY_SPEED_DIAL_2, PSKEY_SPEED_DIAL_3};
const int kAllPids[] = {0x2110};

class DfuSettingsTest : public SimTest {
protected:
    // A connected session on a fresh headset.
    void Connect(sim::DeviceId dev) {
        m_dev = dev;
        m_session.reset(new CPsKeySession());
        std::vector<CPsDevice> devices = m_session->Devices(kAllPids, 1);
        ASSERT_EQ(1u, devices.size());
        ASSERT_TRUE(m_session->Connect(devices[0]));
    }
    void Read(int model, int major, int minor, int target = 0) {
        ClearDfuWorkingSettings(&m_work);
        ReadDfuSettings(*m_session, model, major, minor, target ? target : model, &m_work);
    }
    static void SetFm(sim::DeviceId dev, WORD magic) {
        std::vector<WORD> words(15, 0);
        words[0] = magic;
        words[1] = 8750;
        words[3] = 9010;
        words[14] = 2;
        sim::SetPsKeyWords(dev, PSKEY_FM_SETTINGS, words);
    }

    sim::DeviceId m_dev = 0;
    std::unique_ptr<CPsKeySession> m_session;
    CDeviceRecord m_work;
};

}  // namespace

TEST_F(DfuSettingsTest, AnFmBlockWithAnUnknownMagicIsReplacedByTheDefaultsOnTheDevice) {
    sim::DeviceId dev = AddDfu(L"A");
    Connect(dev);
    // Good magics are taken as they are, with no write.
    for (WORD magic : {FM_SETTINGS_MAGIC, FM_SETTINGS_MAGIC_OLD}) {
        SetFm(dev, magic);
        Read(0x4D15, 1, 4);
        EXPECT_EQ(magic, m_work.m_nFmMagicCode);
        EXPECT_EQ(8750, m_work.m_nFmCurrentFrequency);
        EXPECT_EQ(9010, m_work.m_anFmPreset[0]);
        EXPECT_EQ(2, m_work.m_nFmRegion);
        EXPECT_TRUE(WrittenKeys(dev).empty());
    }
    // A bad magic: defaults in the record, and one write of them.
    SetFm(dev, 0x2222);
    Read(0x4D15, 1, 4);
    EXPECT_EQ(FM_SETTINGS_MAGIC_OLD, m_work.m_nFmMagicCode);
    EXPECT_EQ(0, m_work.m_nFmCurrentFrequency);
    EXPECT_EQ(0, m_work.m_anFmPreset[0]);
    EXPECT_EQ(0, m_work.m_nFmRegion);
    EXPECT_EQ(std::vector<WORD>{PSKEY_FM_SETTINGS}, WrittenKeys(dev));
    std::vector<BYTE> expected = Words({FM_SETTINGS_MAGIC_OLD});
    expected.resize(30, 0);
    EXPECT_EQ(expected, WrittenValue(dev, PSKEY_FM_SETTINGS));
    // An unreadable block: defaults, and nothing written.
    sim::SetPsReadFails(dev, PSKEY_FM_SETTINGS, true);
    Read(0x4D15, 1, 4);
    EXPECT_EQ(FM_SETTINGS_MAGIC_OLD, m_work.m_nFmMagicCode);
    EXPECT_EQ(1u, WrittenKeys(dev).size());
}

TEST_F(DfuSettingsTest, SpeedDialsOfTheVersionedModelsFromFirmware43) {
    sim::DeviceId dev = AddDfu(L"A");
    sim::SetPsKeyWords(dev, PSKEY_SPEED_DIAL_1, {'1', '2', '3'});
    Connect(dev);
    Read(0x4D10, 4, 2);
    EXPECT_TRUE(m_work.m_astrSpeedDial[0].IsEmpty());
    for (WORD key : kSpeedDials)
        for (WORD read : sim::PsReadLog(dev)) EXPECT_NE(key, read);
    Read(0x4D10, 4, 3);
    EXPECT_EQ(CString(L"123"), m_work.m_astrSpeedDial[0]);
}

TEST_F(DfuSettingsTest, VersionedModelsBelow4ReadTheVoxKeysAsStoredAndEdrOnlyForItsExactMask) {
    sim::DeviceId dev = AddDfu(L"A");
    sim::SetPsKeyWords(dev, PSKEY_VOX_INTERCOM, {0x1234});
    sim::SetPsKeyWords(dev, PSKEY_VOX_PHONE, {7});
    sim::SetPsKey(dev, PSKEY_LMP_FEATURES, LMP_FEATURES_EDR_ON, 8);
    Connect(dev);
    Read(0x4D10, 3, 1);
    EXPECT_EQ(0x1234, m_work.m_bIntercomVox);
    EXPECT_EQ(7, m_work.m_bHandsfreeVox);
    EXPECT_EQ(1, m_work.m_bEdr);
    EXPECT_EQ(0, m_work.m_bMicrophoneBoost);
    BYTE almost[8];
    memcpy(almost, LMP_FEATURES_EDR_ON, 8);
    almost[7] ^= 1;
    sim::SetPsKey(dev, PSKEY_LMP_FEATURES, almost, 8);
    Read(0x4D10, 3, 1);
    EXPECT_EQ(0, m_work.m_bEdr);

    // A failed settings word of a 5.x headset gives the pages' defaults.
    sim::SetPsReadFails(dev, PSKEY_SETTINGS_WORD, true);
    Read(0x4D10, 5, 0);
    EXPECT_EQ(1, m_work.m_bHandsfreeVox);
    EXPECT_EQ(0, m_work.m_bIntercomVox);
    EXPECT_EQ(0, m_work.m_bEdr);
    EXPECT_EQ(0, m_work.m_bVoicePrompt);
    EXPECT_EQ(1, m_work.m_bPlc);
    EXPECT_EQ(1, m_work.m_bBitpoolRate);
    EXPECT_EQ(1, m_work.m_bMicrophoneBoost);
    EXPECT_EQ(0, m_work.m_bSidetone);
}

TEST_F(DfuSettingsTest, RadioGainAndTimeoutOfModel5210AreRoundedIntoTheirRanges) {
    sim::DeviceId dev = AddDfu(L"A");
    Connect(dev);
    struct Case {
        WORD gain, ms;
        int wantGain, wantSeconds;
    };
    const Case cases[] = {{13, 2999, 12, 5}, {14, 3000, 15, 3}, {17, 61000, 17, 5}, {16, 60000, 15, 60}};
    for (const Case& c : cases) {
        sim::SetPsKeyWords(dev, PSKEY_TX_GAIN, {c.gain});
        sim::SetPsKeyWords(dev, PSKEY_AUDIO_TIMEOUT_MS, {c.ms});
        Read(0x5210, 1, 0);
        EXPECT_EQ(c.wantGain, m_work.m_nRadioTransmitGain) << c.gain;
        EXPECT_EQ(c.wantSeconds, m_work.m_nAudioChannelTimeout) << c.ms;
    }
    // A model in no row reads nothing at all.
    size_t before = sim::PsReadLog(dev).size();
    Read(0x3010, 1, 0);
    EXPECT_EQ(before, sim::PsReadLog(dev).size());
}

TEST_F(DfuSettingsTest, TheWriteBackOfASavedRecordFollowsTheTargetsGroupAndVersion) {
    sim::DeviceId dev = AddDfu(L"A");
    Connect(dev);
    CDeviceRecord saved;
    saved.m_bHandsfreeVox = 1;
    saved.m_bIntercomVox = 0;
    saved.m_astrSpeedDial[0] = L"0123";
    saved.m_nFmMagicCode = FM_SETTINGS_MAGIC;
    saved.m_nFmCurrentFrequency = 0x18750;  // only the low 16 bits go
    saved.m_nRadioTransmitGain = 15;
    saved.m_nAudioChannelTimeout = 10;
    const std::vector<WORD> sw = {PSKEY_SETTINGS_WORD};
    const std::vector<WORD> swDials = {PSKEY_SETTINGS_WORD, PSKEY_SPEED_DIAL_1, PSKEY_SPEED_DIAL_2, PSKEY_SPEED_DIAL_3};
    std::vector<WORD> swDialsFm = swDials;
    swDialsFm.push_back(PSKEY_FM_SETTINGS);
    struct Case {
        int target, major, minor;
        std::vector<WORD> keys;
    };
    const Case cases[] = {
        {0x2110, 1, 0, sw},
        {0x4D10, 3, 9, {PSKEY_VOX_INTERCOM, PSKEY_VOX_PHONE}},
        {0x4D10, 4, 2, sw},
        {0x4D10, 4, 3, swDials},
        {0x5050, 4, 0, {PSKEY_SETTINGS_WORD, PSKEY_FM_SETTINGS}},
        {0x5050, 4, 3, swDialsFm},
        {0x4D05, 1, 3, sw},
        {0x4D05, 1, 4, swDials},
        {0x4D15, 1, 3, {PSKEY_SETTINGS_WORD, PSKEY_FM_SETTINGS}},
        {0x4D85, 1, 0, swDialsFm},
        {0x4040, 2, 0, sw},
        {0x6110, 1, 0, swDials},
        {0x5210, 1, 0, {PSKEY_TX_GAIN, PSKEY_AUDIO_TIMEOUT_MS}},
        {0x3010, 1, 0, {}},
    };
    size_t seen = 0;
    for (const Case& c : cases) {
        saved.m_version.Set(c.major, c.minor, 0, 0, 0);
        WriteBackDfuRecord(*m_session, c.target, saved);
        std::vector<WORD> all = WrittenKeys(dev);
        std::vector<WORD> keys(all.begin() + seen, all.end());
        seen = all.size();
        EXPECT_EQ(c.keys, keys) << std::hex << c.target << " v" << c.major << "." << c.minor;
    }
    EXPECT_EQ(Words({(WORD)saved.PackFeatureWord(), 0}), WrittenValue(dev, PSKEY_SETTINGS_WORD));
    std::vector<BYTE> dial = Words({'0', '1', '2', '3'});
    dial.resize(40, 0);
    EXPECT_EQ(dial, WrittenValue(dev, PSKEY_SPEED_DIAL_1));
    std::vector<BYTE> fm = WrittenValue(dev, PSKEY_FM_SETTINGS);
    ASSERT_EQ(30u, fm.size());
    EXPECT_EQ(0x8750, fm[2] | (fm[3] << 8));
    EXPECT_EQ(Words({15}), WrittenValue(dev, PSKEY_TX_GAIN));
    EXPECT_EQ(Words({10000}), WrittenValue(dev, PSKEY_AUDIO_TIMEOUT_MS));
}

TEST_F(DfuSettingsTest, BatchCorrectionsGoOnlyAboveTheThresholdInTheirGroupsOrder) {
    sim::DeviceId dev = AddDfu(L"A");
    Connect(dev);
    EXPECT_EQ(0, WriteBatchCorrections(*m_session, 0x4D10, L"2C9BD1"));
    EXPECT_TRUE(WrittenKeys(dev).empty());
    EXPECT_EQ(7, WriteBatchCorrections(*m_session, 0x4D10, L"2C9BD2"));
    const std::vector<WORD> groupC = {PSKEY_BATCH_TUNE_0017, PSKEY_BATCH_TUNE_0021, PSKEY_BATCH_TUNE_002D,
                                      PSKEY_BATCH_TABLE_0031, PSKEY_BATCH_TUNE_01F6, PSKEY_BATCH_TUNE_0209,
                                      PSKEY_BATCH_TUNE_0242};
    EXPECT_EQ(groupC, WrittenKeys(dev));
    EXPECT_EQ(Words({0x0010}), WrittenValue(dev, PSKEY_BATCH_TUNE_0017));
    EXPECT_EQ(Words({0x000C}), WrittenValue(dev, PSKEY_BATCH_TUNE_0021));
    EXPECT_EQ(60u, WrittenValue(dev, PSKEY_BATCH_TABLE_0031).size());
    EXPECT_EQ(Words({0x0027}), WrittenValue(dev, PSKEY_BATCH_TUNE_01F6));

    // Group A leaves out the third tune word and the last three.
    size_t before = WrittenKeys(dev).size();
    EXPECT_EQ(3, WriteBatchCorrections(*m_session, 0x5050, L"2DE43F"));
    std::vector<WORD> all = WrittenKeys(dev);
    EXPECT_EQ((std::vector<WORD>{PSKEY_BATCH_TUNE_0017, PSKEY_BATCH_TUNE_0021, PSKEY_BATCH_TABLE_0031}),
              std::vector<WORD>(all.begin() + before, all.end()));
    EXPECT_EQ(Words({0x0008}), WrittenValue(dev, PSKEY_BATCH_TUNE_0021));
    EXPECT_EQ(30u, WrittenValue(dev, PSKEY_BATCH_TABLE_0031).size());
}

TEST(BatchTests, ThresholdsAndRangesOnTheLap) {
    EXPECT_EQ(0, IsAddressAboveBatchThreshold(0x4D10, L"2C9BD1"));
    EXPECT_EQ(1, IsAddressAboveBatchThreshold(0x4D10, L"2C9BD2"));
    EXPECT_EQ(0, IsAddressAboveBatchThreshold(0x2110, L"FFFFFF"));
    EXPECT_EQ(0, IsAddressAboveBatchThreshold(0x4D10, L"XYZ"));  // does not parse: 0
    EXPECT_EQ(1, IsAddressInBatchRange5060(0x5060, L"3323F1"));
    EXPECT_EQ(1, IsAddressInBatchRange5060(0x5060, L"333584"));
    EXPECT_EQ(0, IsAddressInBatchRange5060(0x5060, L"333585"));
    EXPECT_EQ(0, IsAddressInBatchRange5060(0x5061, L"3323F1"));
    EXPECT_EQ(1, IsAddressInBatchRange4210(0x4210, L"2E9057"));
    EXPECT_EQ(1, IsAddressInBatchRange4210(0x4210, L"334B7D"));
    EXPECT_EQ(0, IsAddressInBatchRange4210(0x4210, L"2E90BB"));
    EXPECT_EQ(0, IsAddressInBatchRange4210(0x4310, L"334000"));
    // The address bytes of the key: LAP high, middle, low are bytes 0, 3, 2.
    const BYTE address[8] = {0x2D, 0x00, 0x3F, 0xE4, 0x56, 0x00, 0x34, 0x12};
    EXPECT_EQ(CString(L"2DE43F"), PsLapText(address));
    EXPECT_EQ(CString(L"123456[2DE43F]"), PsAddressText(address));
}
