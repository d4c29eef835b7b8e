#include <gtest/gtest.h>
#include "core/DeviceRecord.h"

namespace {

// A record with a distinct value in every member.
CDeviceRecord Filled() {
    CDeviceRecord r;
    int n = 1;
    r.m_nManagerVersionMajor = n++;
    r.m_nManagerVersionMinor = n++;
    r.m_nModelId = 0x5610;
    r.m_strBdAddress = L"0016A4[123456]";
    r.m_strHardwareVersion = L"   |   H/W v1.2";
    r.m_strDeviceName = L"My headset";
    r.m_strExtra = L"0016A4123456";
    r.m_nHardwareVersionMajor = n++;
    r.m_nHardwareVersionMinor = n++;
    r.m_version.Set(n, n + 1, n + 2, n + 3, n + 4); n += 5;
    r.m_versionChip1.Set(n, n + 1, n + 2, n + 3, n + 4); n += 5;
    r.m_versionChip2.Set(n, n + 1, n + 2, n + 3, n + 4); n += 5;
    r.m_timeArchived = 1700000000LL;
    int* classic[] = {&r.m_bHandsfreeVox, &r.m_bIntercomVox, &r.m_bEdr, &r.m_bVoicePrompt, &r.m_bPlc,
                      &r.m_bBitpoolRate, &r.m_bMicrophoneBoost, &r.m_bSidetone, &r.m_bQuietSphere,
                      &r.m_bAutoGainControl, &r.m_nRadioTransmitGain, &r.m_nAudioChannelTimeout,
                      &r.m_bAudioBoost, &r.m_bHdIntercom, &r.m_bFmStationGuide, &r.m_bHdVoice,
                      &r.m_bAudioSourcePriority, &r.m_bSoundBlend, &r.m_bSmartNaviSystem,
                      &r.m_nFmRegion, &r.m_nFmMagicCode, &r.m_nFmCurrentFrequency, &r.m_nFmCurrentPreset, &r.m_bFmRds};
    for (int* p : classic) *p = n++;
    for (int& w : r.m_anSettingWord) w = n++;
    for (int& w : r.m_anCameraWord) w = n++;
    for (int& w : r.m_anVoxSensitivity) w = n++;
    for (int& w : r.m_anSmartVolume) w = n++;
    for (int& w : r.m_anReservedWord) w = n++;
    for (int& w : r.m_anFmPreset) w = n++;
    r.m_astrSpeedDial[0] = L"+4912345";
    r.m_astrSpeedDial[1] = L"112";
    r.m_astrSpeedDial[2] = L"*#0";
    return r;
}

// Every member that CopyFrom carries, compared one by one.
void ExpectSameSettings(const CDeviceRecord& a, const CDeviceRecord& b) {
    EXPECT_EQ(a.m_nManagerVersionMajor, b.m_nManagerVersionMajor);
    EXPECT_EQ(a.m_nManagerVersionMinor, b.m_nManagerVersionMinor);
    EXPECT_EQ(a.m_nModelId, b.m_nModelId);
    EXPECT_EQ(a.m_strBdAddress, b.m_strBdAddress);
    EXPECT_EQ(a.m_strDeviceName, b.m_strDeviceName);
    EXPECT_EQ(a.m_timeArchived, b.m_timeArchived);
    EXPECT_EQ(a.m_bHandsfreeVox, b.m_bHandsfreeVox);
    EXPECT_EQ(a.m_bAutoGainControl, b.m_bAutoGainControl);
    EXPECT_EQ(a.m_nRadioTransmitGain, b.m_nRadioTransmitGain);
    EXPECT_EQ(a.m_nAudioChannelTimeout, b.m_nAudioChannelTimeout);
    for (int i = 0; i < DEVICE_SETTING_WORDS; ++i) EXPECT_EQ(a.m_anSettingWord[i], b.m_anSettingWord[i]);
    for (int i = 0; i < DEVICE_CAMERA_WORDS; ++i) EXPECT_EQ(a.m_anCameraWord[i], b.m_anCameraWord[i]);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(a.m_anVoxSensitivity[i], b.m_anVoxSensitivity[i]);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(a.m_anSmartVolume[i], b.m_anSmartVolume[i]);
    EXPECT_EQ(a.m_bAudioBoost, b.m_bAudioBoost);
    EXPECT_EQ(a.m_bSmartNaviSystem, b.m_bSmartNaviSystem);
    EXPECT_EQ(a.m_bAudioSourcePriority, b.m_bAudioSourcePriority);
    for (int i = 0; i < DEVICE_RESERVED_WORDS; ++i) EXPECT_EQ(a.m_anReservedWord[i], b.m_anReservedWord[i]);
    EXPECT_EQ(a.m_nFmRegion, b.m_nFmRegion);
    EXPECT_EQ(a.m_nFmMagicCode, b.m_nFmMagicCode);
    EXPECT_EQ(a.m_nFmCurrentFrequency, b.m_nFmCurrentFrequency);
    EXPECT_EQ(a.m_nFmCurrentPreset, b.m_nFmCurrentPreset);
    for (int i = 0; i < DEVICE_FM_PRESETS; ++i) EXPECT_EQ(a.m_anFmPreset[i], b.m_anFmPreset[i]);
    EXPECT_EQ(a.m_bFmRds, b.m_bFmRds);
    for (int i = 0; i < DEVICE_SPEED_DIALS; ++i) EXPECT_EQ(a.m_astrSpeedDial[i], b.m_astrSpeedDial[i]);
}

TEST(DeviceRecordCopy, CopiesSettingsButNotHardwareVersionOrExtra) {
    CDeviceRecord src = Filled();
    CDeviceRecord dst;
    dst.m_strHardwareVersion = L"kept";
    dst.m_strExtra = L"kept too";
    dst.m_nHardwareVersionMajor = 77;
    dst.m_nHardwareVersionMinor = 78;
    dst.m_version.Set(9, 9, 9, 9, 9);

    dst.CopyFrom(src, FALSE);
    ExpectSameSettings(src, dst);
    EXPECT_EQ(L"kept", dst.m_strHardwareVersion);
    EXPECT_EQ(L"kept too", dst.m_strExtra);
    EXPECT_EQ(77, dst.m_nHardwareVersionMajor);
    EXPECT_EQ(78, dst.m_nHardwareVersionMinor);
    EXPECT_EQ(9, dst.m_version.m_nMajor);  // no versions without the flag

    dst.CopyFrom(src, TRUE);
    EXPECT_TRUE(dst.m_version == src.m_version);
    EXPECT_TRUE(dst.m_versionChip1 == src.m_versionChip1);
    EXPECT_TRUE(dst.m_versionChip2 == src.m_versionChip2);
    EXPECT_EQ(L"kept", dst.m_strHardwareVersion);

    dst.CopyFrom(dst, TRUE);  // a copy onto itself changes nothing
    ExpectSameSettings(src, dst);
}

TEST(DeviceRecordCopy, RangeCopiesCoverTheirMembers) {
    CDeviceRecord src = Filled();
    CDeviceRecord dst;
    dst.CopyClassicSettingsFrom(src);
    EXPECT_EQ(src.m_bHandsfreeVox, dst.m_bHandsfreeVox);
    EXPECT_EQ(src.m_bQuietSphere, dst.m_bQuietSphere);
    EXPECT_EQ(src.m_nAudioChannelTimeout, dst.m_nAudioChannelTimeout);
    EXPECT_EQ(0, dst.m_bAudioBoost);           // outside the classic range
    EXPECT_EQ(0, dst.m_anSettingWord[0]);
    dst.CopyNewerSettingsFrom(src);
    EXPECT_EQ(src.m_bAudioBoost, dst.m_bAudioBoost);
    EXPECT_EQ(src.m_bSmartNaviSystem, dst.m_bSmartNaviSystem);
    EXPECT_EQ(src.m_anReservedWord[6], dst.m_anReservedWord[6]);
    EXPECT_EQ(0, dst.m_nFmRegion);             // the FM block starts after the range
}

TEST(DeviceRecordPages, DefaultsOfTheFmAndSpeedDialPages) {
    CDeviceRecord src = Filled();
    struct Case { int model, major, minor, region; };
    const Case cases[] = {{0x4210, 1, 1, 1}, {0x4210, 1, 0, 0}, {0x4210, 2, 0, 1}, {0x4310, 1, 5, 0}, {0x5510, 1, 1, 0}};
    for (const Case& c : cases) {
        src.m_nModelId = c.model;
        src.m_version.Set(c.major, c.minor, 0, 0, 0);
        CDeviceRecord fm;
        InitForFmRadioPage(fm, src);
        EXPECT_EQ(c.region, fm.m_nFmRegion) << std::hex << c.model << " " << c.major << "." << c.minor;
        for (int p : fm.m_anFmPreset) EXPECT_EQ(0, p);
        EXPECT_EQ(0, fm.m_bFmRds);
        EXPECT_EQ(src.m_nFmMagicCode, fm.m_nFmMagicCode);
        EXPECT_EQ(src.m_nFmCurrentFrequency, fm.m_nFmCurrentFrequency);
        EXPECT_EQ(src.m_nFmCurrentPreset, fm.m_nFmCurrentPreset);
        EXPECT_TRUE(fm.m_version == src.m_version);
        EXPECT_EQ(src.m_astrSpeedDial[1], fm.m_astrSpeedDial[1]);
    }
    CDeviceRecord sd;
    InitForSpeedDialPage(sd, src);
    for (const CString& s : sd.m_astrSpeedDial) EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(src.m_anFmPreset[3], sd.m_anFmPreset[3]);
    EXPECT_TRUE(sd.m_versionChip2 == src.m_versionChip2);
}

TEST(DeviceRecordPages, SettingPageDefaultsKeepIdentityAndVersions) {
    CDeviceRecord src = Filled();
    src.m_nModelId = 0x4D10;
    src.m_version.Set(5, 1, 0, 0, 0);
    CDeviceRecord dst;
    CDeviceRecord::InitForSettingPage(&dst, &src);
    EXPECT_TRUE(dst.m_version == src.m_version);
    EXPECT_EQ(src.m_strDeviceName, dst.m_strDeviceName);
    EXPECT_EQ(src.m_astrSpeedDial[0], dst.m_astrSpeedDial[0]);
    EXPECT_EQ(1, dst.m_bHandsfreeVox);
    EXPECT_EQ(0, dst.m_bIntercomVox);
    EXPECT_EQ(0, dst.m_anSettingWord[0]);  // cleared
    CDeviceRecord::InitForSettingPage(nullptr, &src);  // no crash
    CDeviceRecord::InitForSettingPage(&dst, nullptr);
}

}  // namespace
