// Per-model rules of the record: factory defaults, the changed-settings test
// and the packed feature word.
#include <gtest/gtest.h>
#include "core/DeviceRecord.h"
#include <functional>

namespace {

CDeviceRecord Device(int model, int major, int minor) {
    CDeviceRecord r;
    r.m_nModelId = model;
    r.m_version.Set(major, minor, 0, 0, 0);
    return r;
}

TEST(DiffersFrom, ComparesWhatEachModelKeeps) {
    typedef std::function<void(CDeviceRecord&)> Change;
    struct Case { const char* what; int model, major, minor, mode; Change change; int expected; };
    const Case cases[] = {
        // Radio gain and time-out belong to 0x5210 only.
        {"gain", 0x5210, 1, 0, 0, [](CDeviceRecord& r) { r.m_nRadioTransmitGain = 17; }, 1},
        {"timeout", 0x5210, 1, 0, 0, [](CDeviceRecord& r) { r.m_nAudioChannelTimeout = 30; }, 1},
        {"vox on 0x5210", 0x5210, 1, 0, 0, [](CDeviceRecord& r) { r.m_bHandsfreeVox = 1; }, 0},
        {"gain on 0x4D10", 0x4D10, 5, 0, 0, [](CDeviceRecord& r) { r.m_nRadioTransmitGain = 17; }, 0},
        // Persistent-store headsets below 4.0 keep the VOX values as they are.
        {"vox value below 4.0", 0x4D20, 3, 3, 0, [](CDeviceRecord& r) { r.m_bIntercomVox = 5; }, 1},
        {"vox value from 4.0", 0x4D20, 4, 0, 0, [](CDeviceRecord& r) { r.m_bIntercomVox = 5; }, 0},  // both pack to 1
        {"edr", 0x4D10, 3, 0, 0, [](CDeviceRecord& r) { r.m_bEdr = 0; }, 1},
        {"agc on a store headset", 0x4120, 1, 0, 0, [](CDeviceRecord& r) { r.m_bAutoGainControl = 0; }, 1},
        {"audio boost on a store headset", 0x4D10, 5, 0, 0, [](CDeviceRecord& r) { r.m_bAudioBoost = 0; }, 0},
        {"word on a store headset", 0x4D21, 1, 0, 0, [](CDeviceRecord& r) { r.m_anSettingWord[2] = 9; }, 0},
        // Raw settings words of the HID headsets, by model and firmware.
        {"word 5, two-chip", 0x4310, 1, 0, 0, [](CDeviceRecord& r) { r.m_anSettingWord[5] = 9; }, 1},
        {"word 3, 0x4210 1.0", 0x4210, 1, 0, 0, [](CDeviceRecord& r) { r.m_anSettingWord[3] = 9; }, 0},
        {"word 3, 0x4210 1.1", 0x4210, 1, 1, 0, [](CDeviceRecord& r) { r.m_anSettingWord[3] = 9; }, 1},
        {"word 4, 0x4210 1.1", 0x4210, 1, 1, 0, [](CDeviceRecord& r) { r.m_anSettingWord[4] = 9; }, 0},
        {"word 9, 0x4210 1.2", 0x4210, 1, 2, 0, [](CDeviceRecord& r) { r.m_anSettingWord[9] = 9; }, 1},
        {"word 3, 0x3110 2.0", 0x3110, 2, 0, 0, [](CDeviceRecord& r) { r.m_anSettingWord[3] = 9; }, 0},
        {"word 3, 0x3110 2.1", 0x3110, 2, 1, 0, [](CDeviceRecord& r) { r.m_anSettingWord[3] = 9; }, 1},
        {"word 2, 0x3114", 0x3114, 1, 0, 0, [](CDeviceRecord& r) { r.m_anSettingWord[2] = 9; }, 1},
        {"word 2, 0x3126", 0x3126, 1, 0, 0, [](CDeviceRecord& r) { r.m_anSettingWord[2] = 9; }, 0},
        {"high bits only", 0x4310, 1, 0, 0, [](CDeviceRecord& r) { r.m_anSettingWord[0] += 0x10000; }, 0},
        {"word 0, feature model", 0x5610, 1, 0, 0, [](CDeviceRecord& r) { r.m_anSettingWord[0] = 9; }, 0},
        {"word 2, 0x6010", 0x6010, 1, 0, 0, [](CDeviceRecord& r) { r.m_anSettingWord[2] = 0x6B; }, 1},
        {"word 2, 0x6020", 0x6020, 1, 0, 0, [](CDeviceRecord& r) { r.m_anSettingWord[2] = 0x6B; }, 0},
        // Feature word bits.
        {"hd voice", 0x5610, 1, 0, 0, [](CDeviceRecord& r) { r.m_bHdVoice = 1; }, 1},
        {"hd voice, smart navi model", 0x6010, 1, 0, 0, [](CDeviceRecord& r) { r.m_bHdVoice = 1; }, 0},
        {"smart navi", 0x6024, 1, 0, 0, [](CDeviceRecord& r) { r.m_bSmartNaviSystem = 1; }, 1},
        {"agc on a HID headset", 0x5610, 1, 0, 0, [](CDeviceRecord& r) { r.m_bAutoGainControl = 1; }, 0},
        {"sound blend", 0x5560, 1, 0, 0, [](CDeviceRecord& r) { r.m_bSoundBlend = 1; }, 1},
        // VOX sensitivity and smart volume words.
        {"vox 0x5520", 0x5520, 1, 0, 0, [](CDeviceRecord& r) { r.m_anVoxSensitivity[0] = 4; }, 1},
        {"vox 0x5610", 0x5610, 1, 0, 0, [](CDeviceRecord& r) { r.m_anVoxSensitivity[0] = 4; }, 0},
        {"vox 0x5623 1.0", 0x5623, 1, 0, 0, [](CDeviceRecord& r) { r.m_anVoxSensitivity[0] = 4; }, 0},
        {"vox 0x5623 1.1", 0x5623, 1, 1, 0, [](CDeviceRecord& r) { r.m_anVoxSensitivity[0] = 4; }, 1},
        {"vox 0x6020", 0x6020, 1, 0, 0, [](CDeviceRecord& r) { r.m_anVoxSensitivity[0] = 4; }, 1},
        {"vox word 1", 0x5560, 1, 0, 0, [](CDeviceRecord& r) { r.m_anVoxSensitivity[1] = 4; }, 0},
        {"smart 0x5622", 0x5622, 1, 0, 0, [](CDeviceRecord& r) { r.m_anSmartVolume[0] = 2; }, 1},
        {"smart 0x5418", 0x5418, 1, 0, 0, [](CDeviceRecord& r) { r.m_anSmartVolume[0] = 2; }, 1},
        {"smart 0x6010", 0x6010, 1, 0, 0, [](CDeviceRecord& r) { r.m_anSmartVolume[0] = 2; }, 0},
        // Camera words of 0x5510.
        {"camera 1", 0x5510, 1, 9, 0, [](CDeviceRecord& r) { r.m_anCameraWord[1] = 1; }, 1},
        {"camera 2 below 2.0", 0x5510, 1, 9, 0, [](CDeviceRecord& r) { r.m_anCameraWord[2] = 1; }, 0},
        {"camera 2 from 2.0", 0x5510, 2, 0, 0, [](CDeviceRecord& r) { r.m_anCameraWord[2] = 1; }, 1},
        {"camera on 0x5610", 0x5610, 2, 0, 0, [](CDeviceRecord& r) { r.m_anCameraWord[0] = 1; }, 0},
        // FM block: mode 1 on FM models only.
        {"fm region mode 0", 0x4D15, 1, 0, 0, [](CDeviceRecord& r) { r.m_nFmRegion = 3; }, 0},
        {"fm region mode 1", 0x4D15, 1, 0, 1, [](CDeviceRecord& r) { r.m_nFmRegion = 3; }, 1},
        {"fm on a model without radio", 0x4D10, 5, 0, 1, [](CDeviceRecord& r) { r.m_nFmRegion = 3; }, 0},
        {"fm rds", 0x5040, 4, 3, 1, [](CDeviceRecord& r) { r.m_bFmRds = 1; }, 1},
        {"fm magic", 0x4210, 1, 5, 1, [](CDeviceRecord& r) { r.m_nFmMagicCode = 0x66E9; }, 1},
        {"fm preset 7, ten presets", 0x5610, 1, 0, 1, [](CDeviceRecord& r) { r.m_anFmPreset[6] = 8750; }, 1},
        {"fm preset 7, six presets", 0x6010, 1, 0, 1, [](CDeviceRecord& r) { r.m_anFmPreset[6] = 8750; }, 0},
        {"fm preset 6, six presets", 0x6016, 1, 0, 1, [](CDeviceRecord& r) { r.m_anFmPreset[5] = 8750; }, 1},
        {"fm on 0x5560", 0x5560, 1, 0, 1, [](CDeviceRecord& r) { r.m_anFmPreset[0] = 8750; }, 0},
        // Ids it does not know, and models without settings.
        {"unknown", 0x3010, 1, 0, 1, [](CDeviceRecord& r) { r.m_bHandsfreeVox = 1; r.m_anSettingWord[0] = 1; }, 0},
        {"vehicle module", 0x5345, 1, 0, 1, [](CDeviceRecord& r) { r.m_anSettingWord[0] = 1; r.m_bHdIntercom = 1; }, 0},
        {"nothing changed", 0x5610, 1, 0, 1, [](CDeviceRecord&) {}, 0},
    };
    for (const Case& c : cases) {
        CDeviceRecord device = Device(c.model, c.major, c.minor);
        device.m_bIntercomVox = 1;
        device.m_bEdr = 1;
        device.m_bAutoGainControl = 1;
        device.m_bAudioBoost = 1;
        CDeviceRecord working = device;
        c.change(working);
        EXPECT_EQ(c.expected, device.DiffersFrom(working, c.mode)) << c.what;
        EXPECT_EQ(c.expected, working.DiffersFrom(device, c.mode)) << c.what << " (reversed)";
    }
}

TEST(PackFeatureWord, UpperBitsFollowTheModel) {
    CDeviceRecord r;
    int* all[] = {&r.m_bHandsfreeVox, &r.m_bIntercomVox, &r.m_bEdr, &r.m_bVoicePrompt, &r.m_bPlc,
                  &r.m_bBitpoolRate, &r.m_bMicrophoneBoost, &r.m_bSidetone, &r.m_bQuietSphere,
                  &r.m_bAutoGainControl, &r.m_bAudioBoost, &r.m_bHdIntercom, &r.m_bFmStationGuide,
                  &r.m_bHdVoice, &r.m_bAudioSourcePriority, &r.m_bSoundBlend};
    for (int* p : all) *p = 2;  // any non-zero value sets its bit
    struct Case { int model; WORD expected; };
    const Case cases[] = {
        {0x4D10, 0x077F},  // bits 0-6 and 8-10 (AGC in bit 10)
        {0x2110, 0x077F},
        {0x5610, 0xFF2F},  // bits 0-3, 5 and 8-15
        {0x5346, 0xFF2F},
        {0x6010, 0xDF2F},  // bit 13 is the smart navi system, here off
    };
    for (const Case& c : cases) {
        r.m_nModelId = c.model;
        EXPECT_EQ(c.expected, r.PackFeatureWord()) << std::hex << c.model;
    }
    r.m_nModelId = 0x6022;
    r.m_bSmartNaviSystem = 1;
    r.m_bHdVoice = 0;
    EXPECT_EQ(0xFF2F, r.PackFeatureWord());

    CDeviceRecord single;
    single.m_nModelId = 0x4D10;
    single.m_bSidetone = 1;
    EXPECT_EQ(0x0100, single.PackFeatureWord());
    single.m_nModelId = 0x5610;
    single.m_bSidetone = 0;
    single.m_bAudioSourcePriority = 1;
    EXPECT_EQ(0x4000, single.PackFeatureWord());
}

struct Defaults {
    int model, major, minor;
    int handsfreeVox, plc, bitpool, micBoost, sidetone, audioBoost, hdIntercom, fmStationGuide;
    int words[4];
    int vox, camera0, camera2;
};

TEST(SetCapabilities, FactoryDefaultsPerModelAndFirmware) {
    const Defaults cases[] = {
        {0x4D10, 3, 3, 0, 0, 0, 0, 0, 0, 0, 0, {0, 0, 0, 0}, 0, 0, 0},
        {0x4D10, 4, 5, 1, 1, 1, 1, 0, 0, 0, 0, {0, 0, 0, 0}, 0, 0, 0},
        {0x5070, 5, 0, 1, 1, 1, 1, 0, 0, 0, 0, {0, 0, 0, 0}, 0, 0, 0},
        {0x4D21, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, {0, 0, 0, 0}, 0, 0, 0},
        {0x4D35, 1, 0, 1, 1, 1, 0, 0, 0, 0, 0, {0, 0, 0, 0}, 0, 0, 0},
        {0x6120, 1, 0, 0, 1, 1, 1, 0, 0, 0, 0, {0, 0, 0, 0}, 0, 0, 0},
        {0x6430, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, {0, 0, 0, 0}, 0, 0, 0},
        {0x4210, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, {5, 3, 0xEC00, 0}, 0, 0, 0},
        {0x4210, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, {5, 3, 0xEC00, 3}, 0, 0, 0},
        {0x4210, 1, 4, 0, 0, 0, 0, 0, 0, 0, 0, {5, 3, 0xED80, 3}, 0, 0, 0},
        {0x4210, 1, 5, 0, 0, 0, 0, 0, 0, 0, 0, {5, 3, 0xEDA0, 3}, 0, 0, 0},
        {0x4210, 1, 6, 0, 0, 0, 0, 0, 0, 0, 0, {5, 3, 0xED20, 2}, 0, 0, 0},
        {0x4430, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, {5, 3, 0xED21, 2}, 0, 0, 0},
        {0x3110, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, {0x1C21, 0x0583, 0, 0x20}, 0, 0, 0},
        {0x3112, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, {0x1C21, 0x0583, 0x66, 0}, 0, 0, 0},
        {0x3118, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, {0x1C21, 0x0583, 0, 0}, 0, 0, 0},
        {0x5610, 1, 0, 1, 0, 1, 0, 0, 1, 1, 1, {0, 0, 0, 0}, 0, 0, 0},
        {0x5524, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, {0, 0, 0, 0}, 0, 0, 0},
        {0x3030, 1, 0, 1, 0, 1, 0, 0, 0, 1, 1, {0, 0, 0, 0}, 0, 0, 0},
        {0x3050, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, {0, 0, 0, 0}, 0, 0, 0},
        {0x5520, 1, 0, 1, 0, 1, 0, 0, 1, 1, 1, {0, 0, 0, 0}, 3, 0, 0},
        {0x5623, 1, 0, 1, 0, 1, 0, 0, 1, 1, 0, {0, 0, 0, 0}, 0, 0, 0},
        {0x5623, 1, 1, 1, 0, 1, 0, 0, 1, 1, 0, {0, 0, 0, 0}, 3, 0, 0},
        {0x5560, 1, 0, 1, 0, 1, 0, 0, 1, 0, 1, {0, 0, 0, 0}, 2, 0, 0},
        {0x5412, 1, 0, 1, 0, 1, 0, 0, 1, 1, 1, {0, 0, 0, 0}, 3, 0, 0},
        {0x6010, 1, 0, 1, 0, 1, 0, 0, 1, 1, 0, {0, 0, 0x68, 0}, 2, 0, 0},
        {0x6014, 1, 0, 1, 0, 1, 0, 0, 1, 1, 0, {0, 0, 0x6B, 0}, 2, 0, 0},
        {0x6022, 1, 0, 1, 0, 1, 0, 0, 1, 1, 0, {0, 0, 0x6B, 0}, 2, 0, 0},
        {0x5510, 1, 9, 1, 0, 1, 0, 0, 1, 1, 1, {0, 0, 0, 0}, 0, 0x07C0, 0},
        {0x5510, 2, 0, 1, 0, 1, 0, 0, 1, 1, 1, {0, 0, 0, 0}, 0, 0x07C0, 0x14},
    };
    for (const Defaults& c : cases) {
        CDeviceRecord r;
        // Start from a record full of other values: a known model replaces them all.
        r.m_bHandsfreeVox = r.m_bPlc = r.m_bBitpoolRate = r.m_bMicrophoneBoost = r.m_bSidetone = 7;
        r.m_bAudioBoost = r.m_bHdIntercom = r.m_bFmStationGuide = r.m_bHdVoice = r.m_bSmartNaviSystem = 7;
        r.m_nRadioTransmitGain = r.m_nAudioChannelTimeout = 7;
        for (int& w : r.m_anSettingWord) w = 7;
        for (int& w : r.m_anCameraWord) w = 7;
        r.m_anVoxSensitivity[0] = r.m_anSmartVolume[0] = 7;
        r.m_nFmRegion = 4;
        r.m_astrSpeedDial[0] = L"123";
        r.SetCapabilities(c.model, c.major, c.minor);
        std::string what = std::to_string(c.model) + " " + std::to_string(c.major) + "." + std::to_string(c.minor);
        EXPECT_EQ(c.handsfreeVox, r.m_bHandsfreeVox) << what;
        EXPECT_EQ(c.plc, r.m_bPlc) << what;
        EXPECT_EQ(c.bitpool, r.m_bBitpoolRate) << what;
        EXPECT_EQ(c.micBoost, r.m_bMicrophoneBoost) << what;
        EXPECT_EQ(c.sidetone, r.m_bSidetone) << what;
        EXPECT_EQ(c.audioBoost, r.m_bAudioBoost) << what;
        EXPECT_EQ(c.hdIntercom, r.m_bHdIntercom) << what;
        EXPECT_EQ(c.fmStationGuide, r.m_bFmStationGuide) << what;
        EXPECT_EQ(0, r.m_bHdVoice) << what;
        EXPECT_EQ(0, r.m_bSmartNaviSystem) << what;
        EXPECT_EQ(0, r.m_nRadioTransmitGain) << what;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(c.words[i], r.m_anSettingWord[i]) << what << " word " << i;
        for (int i = 4; i < DEVICE_SETTING_WORDS; ++i) EXPECT_EQ(0, r.m_anSettingWord[i]) << what;
        EXPECT_EQ(c.vox, r.m_anVoxSensitivity[0]) << what;
        EXPECT_EQ(0, r.m_anSmartVolume[0]) << what;
        EXPECT_EQ(c.camera0, r.m_anCameraWord[0]) << what;
        EXPECT_EQ(c.camera2, r.m_anCameraWord[2]) << what;
        // The FM block and the speed dials have pages of their own.
        EXPECT_EQ(4, r.m_nFmRegion) << what;
        EXPECT_EQ(L"123", r.m_astrSpeedDial[0]) << what;
    }
}

TEST(SetCapabilities, RadioGainModelAndUnknownIds) {
    CDeviceRecord r;
    r.m_bHandsfreeVox = 1;
    r.SetCapabilities(0x5210, 1, 0);
    EXPECT_EQ(15, r.m_nRadioTransmitGain);
    EXPECT_EQ(5, r.m_nAudioChannelTimeout);
    EXPECT_EQ(0, r.m_bHandsfreeVox);

    CDeviceRecord unknown;
    unknown.m_bHandsfreeVox = 1;
    unknown.m_nRadioTransmitGain = 12;
    unknown.m_anSettingWord[4] = 9;
    unknown.m_anCameraWord[1] = 9;
    unknown.m_anVoxSensitivity[1] = 9;
    unknown.m_anSmartVolume[1] = 9;
    unknown.SetCapabilities(0x3010, 1, 0);
    EXPECT_EQ(1, unknown.m_bHandsfreeVox);  // only the words are cleared
    EXPECT_EQ(12, unknown.m_nRadioTransmitGain);
    EXPECT_EQ(0, unknown.m_anSettingWord[4]);
    EXPECT_EQ(0, unknown.m_anCameraWord[1]);
    EXPECT_EQ(0, unknown.m_anVoxSensitivity[1]);
    EXPECT_EQ(0, unknown.m_anSmartVolume[1]);
}

}  // namespace
