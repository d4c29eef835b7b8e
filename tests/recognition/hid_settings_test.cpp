// A HID headset's settings blocks at recognition: which blocks a saved
// record writes back per model group (counts, stores, the interface), and
// the defaults the reads leave when the headset does not answer.
#include "RecognitionSim.h"
#include "app/UpdaterDlg.h"
#include "core/HidProtocol.h"
#include "recognition/HidInterfaces.h"
#include "recognition/HidSettingsBlocks.h"
#include <sstream>

using namespace rectest;

namespace {

class HidSettingsTest : public SimTest {
protected:
    void TearDown() override { m_main.CloseDeviceHandles(); }

    // A headset of `model` on the bus (two interfaces for a two-chip model),
    // opened into the main dialog's handles.
    void Connect(int model) {
        sim::Reset();
        sim::SetSpeed(100);
        BYTE version[5] = {1, 0, 0, 0, 0};
        m_first = sim::AddHidInterface(L"first", sim::kMakerVendorId, (WORD)model);
        sim::SetHidVersion(m_first, version);
        m_second = 0;
        if (HidModelNeedsTwoInterfaces(model)) {
            m_second = sim::AddHidInterface(L"second", sim::kMakerVendorId, (WORD)model);
            sim::SetHidVersion(m_second, version);
        }
        m_main.CloseDeviceHandles();
        ASSERT_TRUE(OpenHeadsetInterfaces(m_main, model, model));
    }
    // The write and store requests an interface took, as "cmd:block/count".
    static std::string Writes(sim::DeviceId id) {
        std::ostringstream out;
        if (!id) return "";
        for (const auto& r : sim::HidCommandLog(id)) {
            if (r[1] != HID_CMD_WRITE_BLOCK && r[1] != HID_CMD_STORE_BLOCK) continue;
            out << std::hex << std::uppercase << (int)r[1] << ":" << (int)r[2] << "/" << std::dec << (int)r[3] << " ";
        }
        return out.str();
    }
    static WORD FirstWordWritten(sim::DeviceId id, BYTE block) {
        for (const auto& r : sim::HidCommandLog(id))
            if (r[1] == HID_CMD_WRITE_BLOCK && r[2] == block) return (WORD)((r[4] << 8) | r[5]);
        return 0xFFFF;
    }
    bool Write(int model, int major, int minor) {
        CDeviceRecord saved;
        saved.m_version.Set(major, minor, 0, 0, 0);
        return WriteHidRestoreBlocks(&m_main.m_hHidDevice, &m_main.m_hHidDevice2, model, saved);
    }

    CUpdaterDlg m_main;
    sim::DeviceId m_first = 0, m_second = 0;
};

}  // namespace

TEST_F(HidSettingsTest, EachModelGroupWritesItsBlocksBackOnItsInterface) {
    const std::string dials0 = "4:5A/0 4:5B/0 4:5C/0 ";
    const std::string dials1 = "4:5A/1 4:5B/1 4:5C/1 ";
    struct Case {
        int model, major, minor;
        std::string first, second;
    };
    const Case cases[] = {
        {0x4210, 1, 0, dials0, "4:4/3 4:15/15 "},
        {0x4210, 1, 1, dials0, "4:4/4 4:15/15 "},
        {0x4210, 1, 2, dials0, "4:4/10 4:15/15 "},
        {0x4310, 1, 0, dials0, "4:4/10 4:15/15 "},
        {0x3110, 2, 0, "4:4/2 ", ""},
        {0x3110, 2, 1, "4:4/4 ", ""},
        {0x3112, 1, 0, "4:4/3 ", ""},
        {0x3124, 1, 0, "4:4/2 ", ""},
        {0x3116, 1, 0, "4:4/4 ", ""},
        {0x5520, 1, 0, "4:4/2 4:14/1 ", ""},
        {0x5530, 1, 0, "4:4/2 ", ""},
        {0x5510, 1, 9, "4:4/2 4:7/2 ", ""},
        {0x5510, 2, 0, "4:4/2 4:7/2 4:1C/2 ", ""},
        {0x5622, 1, 0, "4:4/2 4:3/1 4:15/15 " + dials1, ""},
        {0x5622, 1, 1, "4:4/2 4:14/1 4:3/1 4:15/15 " + dials1, ""},
        {0x5560, 1, 0, "4:4/2 11:4/2 4:14/1 11:14/1 4:3/1 11:3/1 " + dials1, ""},
        {0x5412, 1, 0, "4:4/2 11:4/2 4:14/1 11:14/1 4:3/1 11:3/1 4:15/15 11:15/15 " + dials1, ""},
        {0x6010, 1, 0, "4:4/4 11:4/4 4:14/1 11:14/1 4:15/11 11:15/11 " + dials1, ""},
        {0x6020, 1, 0, "4:4/4 11:4/4 4:12/1 11:12/1 " + dials1, ""},
        {0x5345, 1, 0, "", ""},
    };
    for (const Case& c : cases) {
        Connect(c.model);
        EXPECT_TRUE(Write(c.model, c.major, c.minor)) << std::hex << c.model;
        EXPECT_EQ(c.first, Writes(m_first)) << std::hex << c.model << " v" << c.major << "." << c.minor;
        EXPECT_EQ(c.second, Writes(m_second)) << std::hex << c.model << " v" << c.major << "." << c.minor;
    }
    // The two-chip headsets' FM block carries the new magic, the others' the old one.
    Connect(0x4310);
    Write(0x4310, 1, 0);
    EXPECT_EQ(FM_SETTINGS_MAGIC, FirstWordWritten(m_second, 0x15));
    Connect(0x5412);
    Write(0x5412, 1, 0);
    EXPECT_EQ(FM_SETTINGS_MAGIC_OLD, FirstWordWritten(m_first, 0x15));
}

TEST_F(HidSettingsTest, ABlockWriteThatFailsIsNeverStored) {
    // 0x6010 writes and stores its blocks; with every write refused, not one
    // store request follows (a half-written block is never committed).
    Connect(0x6010);
    sim::SetHidCommandFails(m_first, HID_CMD_WRITE_BLOCK, true);
    Write(0x6010, 1, 0);
    const std::string writes = Writes(m_first);
    EXPECT_NE(std::string::npos, writes.find("4:4/4 ")) << writes;
    EXPECT_EQ(std::string::npos, writes.find("11:")) << writes;
}

TEST_F(HidSettingsTest, ABlockTheHeadsetRefusesFailsTheWriteBackAndTheOthersAreStillTried) {
    struct Case {
        int model;
        bool onSecond;
        BYTE command;
        std::string tried;  // on the refusing interface
    } cases[] = {
        {0x5520, false, HID_CMD_WRITE_BLOCK, "4:4/2 4:14/1 "},
        {0x5412, false, HID_CMD_STORE_BLOCK, "4:4/2 11:4/2 4:14/1 11:14/1 4:3/1 11:3/1 4:15/15 11:15/15 "
                                             "4:5A/1 4:5B/1 4:5C/1 "},
        {0x4310, true, HID_CMD_WRITE_BLOCK, "4:4/10 4:15/15 "},
        {0x3110, false, HID_CMD_WRITE_BLOCK, "4:4/4 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.model));
        Connect(c.model);
        sim::DeviceId refusing = c.onSecond ? m_second : m_first;
        sim::SetHidCommandFails(refusing, c.command, true);
        EXPECT_FALSE(Write(c.model, 2, 1));
        EXPECT_EQ(c.tried, Writes(refusing));
    }
}

TEST_F(HidSettingsTest, ReadsThatFailLeaveEachModelsDefaults) {
    // 0x4210 at firmware 1.1: four words of defaults, the rest untouched.
    Connect(0x4210);
    sim::SetHidCommandFails(m_second, HID_CMD_READ_BLOCK, true);
    CDeviceRecord r;
    r.m_version.Set(1, 1, 0, 0, 0);
    for (int i = 0; i < DEVICE_SETTING_WORDS; ++i) r.m_anSettingWord[i] = 0x100 + i;
    ReadHidSettingsBlocks(&m_main.m_hHidDevice, &m_main.m_hHidDevice2, 0x4210, &r);
    EXPECT_EQ(5, r.m_anSettingWord[0]);
    EXPECT_EQ(3, r.m_anSettingWord[1]);
    EXPECT_EQ(0xEC00, r.m_anSettingWord[2]);
    EXPECT_EQ(3, r.m_anSettingWord[3]);
    EXPECT_EQ(0x104, r.m_anSettingWord[4]);
    EXPECT_EQ(0x109, r.m_anSettingWord[9]);
    EXPECT_EQ(FM_SETTINGS_MAGIC_OLD, r.m_nFmMagicCode);
    EXPECT_EQ(1, r.m_nFmRegion);  // from firmware 1.1 on

    // 0x6014: its raw words and VOX default, no VOX read, the feature defaults,
    // and the six-preset FM block's RDS default; presets 7 to 10 are kept.
    Connect(0x6014);
    sim::SetHidCommandFails(m_first, HID_CMD_READ_BLOCK, true);
    CDeviceRecord s;
    s.m_version.Set(1, 0, 0, 0, 0);
    for (int i = 0; i < DEVICE_FM_PRESETS; ++i) s.m_anFmPreset[i] = 9000 + i;
    ReadHidSettingsBlocks(&m_main.m_hHidDevice, &m_main.m_hHidDevice2, 0x6014, &s);
    EXPECT_EQ(0x6B, s.m_anSettingWord[2]);
    EXPECT_EQ(0, s.m_anSettingWord[3]);
    EXPECT_EQ(2, s.m_anVoxSensitivity[0]);
    EXPECT_FALSE(HasRequest(m_first, HID_CMD_READ_BLOCK, HID_BLOCK_VOX_SENSITIVITY));
    EXPECT_EQ(1, s.m_bHandsfreeVox);
    EXPECT_EQ(1, s.m_bBitpoolRate);
    EXPECT_EQ(1, s.m_bAudioBoost);
    EXPECT_EQ(1, s.m_bHdIntercom);
    EXPECT_EQ(0, s.m_bSmartNaviSystem);
    EXPECT_EQ(0, s.m_bPlc);
    EXPECT_EQ(1, s.m_bFmRds);
    EXPECT_EQ(0, s.m_anFmPreset[5]);
    EXPECT_EQ(9006, s.m_anFmPreset[6]);
    EXPECT_EQ(9009, s.m_anFmPreset[9]);

    // A ten-preset model's failed FM read leaves RDS off.
    Connect(0x5520);
    sim::SetHidCommandFails(m_first, HID_CMD_READ_BLOCK, true);
    CDeviceRecord t;
    t.m_version.Set(1, 0, 0, 0, 0);
    ReadHidSettingsBlocks(&m_main.m_hHidDevice, &m_main.m_hHidDevice2, 0x5520, &t);
    EXPECT_EQ(0, t.m_bFmRds);
    EXPECT_EQ(3, t.m_anVoxSensitivity[0]);
    EXPECT_EQ(1, t.m_bAudioBoost);
}

TEST_F(HidSettingsTest, RepliesLongerThanTheirDestinationAreCut) {
    Connect(0x5520);
    // 31 words for a two-word array, a 15-word FM block and a 20-character number.
    std::vector<WORD> many(31);
    for (int i = 0; i < 31; ++i) many[i] = (WORD)(0x31 + i % 9);
    sim::SetHidBlock(m_first, HID_BLOCK_VOX_SENSITIVITY, many);
    std::vector<WORD> fm = many;
    fm[0] = FM_SETTINGS_MAGIC;
    sim::SetHidBlock(m_first, 0x15, fm);
    sim::SetHidBlock(m_first, 0x5A, many);
    CDeviceRecord r;
    r.m_version.Set(1, 0, 0, 0, 0);
    r.m_nFmRegion = 0;
    ReadHidSettingsBlocks(&m_main.m_hHidDevice, &m_main.m_hHidDevice2, 0x5520, &r);
    EXPECT_EQ(0x31, r.m_anVoxSensitivity[0]);
    EXPECT_EQ(0x32, r.m_anVoxSensitivity[1]);
    EXPECT_EQ(many[14], r.m_nFmRegion);
    EXPECT_EQ(20, r.m_astrSpeedDial[0].GetLength());
}

TEST_F(HidSettingsTest, EachModelReadsItsOwnFeatureBits) {
    // Every bit set on the headset; a member the model does not read stays 0.
    struct Case {
        int model;
        int handsfree, voicePrompt, sidetone, quietSphere, fmGuide, hdVoice, smartNavi, soundBlend;
    };
    const Case cases[] = {
        {0x5530, 1, 1, 1, 1, 1, 1, 0, 1},
        {0x5536, 0, 1, 0, 1, 1, 1, 0, 0},
        {0x3050, 0, 1, 0, 1, 1, 0, 0, 0},
        {0x6400, 1, 1, 0, 1, 1, 1, 0, 1},
        {0x6010, 1, 1, 1, 1, 0, 0, 1, 0},
        {0x4310, 0, 0, 0, 0, 0, 0, 0, 0},  // raw words only
        {0x5611, 1, 1, 1, 1, 1, 1, 0, 1},  // no row of its own: all thirteen bits
    };
    for (const Case& c : cases) {
        Connect(c.model);
        sim::DeviceId settings = c.model == 0x4310 ? m_second : m_first;
        sim::SetHidBlock(settings, HID_BLOCK_SETTINGS, {0xFFFF, 0x1234, 0x0042, 0x0007});
        CDeviceRecord r;
        r.m_version.Set(1, 0, 0, 0, 0);
        ReadHidSettingsBlocks(&m_main.m_hHidDevice, &m_main.m_hHidDevice2, c.model, &r);
        SCOPED_TRACE(c.model);
        EXPECT_EQ(c.handsfree, r.m_bHandsfreeVox);
        EXPECT_EQ(c.voicePrompt, r.m_bVoicePrompt);
        EXPECT_EQ(c.sidetone, r.m_bSidetone);
        EXPECT_EQ(c.quietSphere, r.m_bQuietSphere);
        EXPECT_EQ(c.fmGuide, r.m_bFmStationGuide);
        EXPECT_EQ(c.hdVoice, r.m_bHdVoice);
        EXPECT_EQ(c.smartNavi, r.m_bSmartNaviSystem);
        EXPECT_EQ(c.soundBlend, r.m_bSoundBlend);
        EXPECT_EQ(0, r.m_bPlc);
        if (c.model == 0x4310) EXPECT_EQ(0x1234, r.m_anSettingWord[1]);
        if (c.model == 0x6010) EXPECT_EQ(0x0042, r.m_anSettingWord[2]);
    }
}
