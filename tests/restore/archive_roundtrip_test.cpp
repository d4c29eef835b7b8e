// An archive written by the update flow's writer reads back into the same
// record, for every key it writes.
#include <gtest/gtest.h>
#include "restore/SettingsArchive.h"
#include "update/SettingsArchive.h"
#include "RestoreTestFiles.h"

namespace {

// A record with a different value in every field the archive carries.
CDeviceRecord FullRecord() {
    CDeviceRecord r;
    r.m_nManagerVersionMajor = 1;
    r.m_nManagerVersionMinor = 1;
    r.m_nModelId = 0x5510;
    r.m_strDeviceName = L"40Z  Rider";
    r.m_version.Set(2, 3, 4, 5, 0);
    int v = 1;
    for (int* f : {&r.m_bHandsfreeVox, &r.m_bIntercomVox, &r.m_bEdr, &r.m_bVoicePrompt, &r.m_bPlc, &r.m_bBitpoolRate,
                   &r.m_bMicrophoneBoost, &r.m_bSidetone, &r.m_bQuietSphere, &r.m_bAutoGainControl,
                   &r.m_nAudioChannelTimeout, &r.m_bAudioBoost, &r.m_bHdIntercom, &r.m_bFmStationGuide,
                   &r.m_bHdVoice, &r.m_bAudioSourcePriority, &r.m_bSoundBlend, &r.m_bSmartNaviSystem,
                   &r.m_nFmMagicCode, &r.m_nFmCurrentFrequency, &r.m_nFmCurrentPreset, &r.m_bFmRds})
        *f = 10 + v++;
    r.m_nRadioTransmitGain = 17;
    r.m_nFmRegion = 5;
    for (int i = 0; i < DEVICE_SETTING_WORDS; ++i) r.m_anSettingWord[i] = 0x8000 + i;
    for (int i = 0; i < DEVICE_CAMERA_WORDS; ++i) r.m_anCameraWord[i] = 300 + i;
    r.m_anVoxSensitivity[0] = 7;
    r.m_anVoxSensitivity[1] = -2;
    r.m_anSmartVolume[0] = 3;
    r.m_anSmartVolume[1] = 65535;
    for (int i = 0; i < DEVICE_FM_PRESETS; ++i) r.m_anFmPreset[i] = i % 3 ? 8750 + 20 * i : 0;
    r.m_astrSpeedDial[0] = L"+49 30 1234567";
    r.m_astrSpeedDial[2] = L"0800 555 0100";
    return r;
}

void ExpectSameSettings(const CDeviceRecord& a, const CDeviceRecord& b) {
    EXPECT_EQ(a.m_nManagerVersionMajor, b.m_nManagerVersionMajor);
    EXPECT_EQ(a.m_nManagerVersionMinor, b.m_nManagerVersionMinor);
    EXPECT_EQ(a.m_nModelId, b.m_nModelId);
    EXPECT_EQ(a.m_strDeviceName, b.m_strDeviceName);
    EXPECT_EQ(a.m_version.m_nMajor, b.m_version.m_nMajor);
    EXPECT_EQ(a.m_version.m_nMinor, b.m_version.m_nMinor);
    EXPECT_EQ(a.m_version.m_nSecondaryVersionType, b.m_version.m_nSecondaryVersionType);
    EXPECT_EQ(a.m_version.m_nSecondaryVersion, b.m_version.m_nSecondaryVersion);
    const int* fa[] = {&a.m_bHandsfreeVox, &a.m_bIntercomVox, &a.m_bEdr, &a.m_bVoicePrompt, &a.m_bPlc, &a.m_bBitpoolRate,
                       &a.m_bMicrophoneBoost, &a.m_bSidetone, &a.m_bQuietSphere, &a.m_bAutoGainControl,
                       &a.m_nRadioTransmitGain, &a.m_nAudioChannelTimeout, &a.m_bAudioBoost, &a.m_bHdIntercom,
                       &a.m_bFmStationGuide, &a.m_bHdVoice, &a.m_bAudioSourcePriority, &a.m_bSoundBlend,
                       &a.m_bSmartNaviSystem, &a.m_nFmRegion, &a.m_nFmMagicCode, &a.m_nFmCurrentFrequency,
                       &a.m_nFmCurrentPreset, &a.m_bFmRds};
    const int* fb[] = {&b.m_bHandsfreeVox, &b.m_bIntercomVox, &b.m_bEdr, &b.m_bVoicePrompt, &b.m_bPlc, &b.m_bBitpoolRate,
                       &b.m_bMicrophoneBoost, &b.m_bSidetone, &b.m_bQuietSphere, &b.m_bAutoGainControl,
                       &b.m_nRadioTransmitGain, &b.m_nAudioChannelTimeout, &b.m_bAudioBoost, &b.m_bHdIntercom,
                       &b.m_bFmStationGuide, &b.m_bHdVoice, &b.m_bAudioSourcePriority, &b.m_bSoundBlend,
                       &b.m_bSmartNaviSystem, &b.m_nFmRegion, &b.m_nFmMagicCode, &b.m_nFmCurrentFrequency,
                       &b.m_nFmCurrentPreset, &b.m_bFmRds};
    for (size_t i = 0; i < sizeof(fa) / sizeof(fa[0]); ++i) EXPECT_EQ(*fa[i], *fb[i]) << "field " << i;
    for (int i = 0; i < DEVICE_SETTING_WORDS; ++i) EXPECT_EQ(a.m_anSettingWord[i], b.m_anSettingWord[i]);
    for (int i = 0; i < DEVICE_CAMERA_WORDS; ++i) EXPECT_EQ(a.m_anCameraWord[i], b.m_anCameraWord[i]);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(a.m_anVoxSensitivity[i], b.m_anVoxSensitivity[i]);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(a.m_anSmartVolume[i], b.m_anSmartVolume[i]);
    for (int i = 0; i < DEVICE_FM_PRESETS; ++i) EXPECT_EQ(a.m_anFmPreset[i], b.m_anFmPreset[i]);
    for (int i = 0; i < DEVICE_SPEED_DIALS; ++i) EXPECT_EQ(a.m_astrSpeedDial[i], b.m_astrSpeedDial[i]);
}

}  // namespace

TEST(SettingsArchiveRoundTrip, EveryKeyTheWriterWritesReadsBackTheSame) {
    RestoreTestFolder folder;
    CDeviceRecord written = FullRecord();
    ASSERT_TRUE(WriteSettingsArchiveFile(&written, 0x5510, folder.Folder()));
    CDeviceRecord read;
    read.m_bPlc = 99;  // from an earlier read: must not survive
    CArchivedKeys keys;
    ASSERT_EQ(ReadSettingsArchiveFile(SettingsArchivePath(folder.Folder(), 0x5510), &read, &keys), ARCHIVE_USABLE);
    ExpectSameSettings(read, FullRecord());
    // The moment of writing, to the second.
    EXPECT_EQ(read.m_timeArchived, written.m_timeArchived);
    // Every setting the writer wrote counts as archived (and is written back).
    CDeviceRecord device;
    ApplyArchivedSettings(&device, read, keys);
    CDeviceRecord expected = FullRecord();
    device.m_nManagerVersionMajor = expected.m_nManagerVersionMajor;
    device.m_nManagerVersionMinor = expected.m_nManagerVersionMinor;
    device.m_nModelId = expected.m_nModelId;
    device.m_strDeviceName = expected.m_strDeviceName;
    device.m_version = expected.m_version;
    ExpectSameSettings(device, expected);
}

TEST(SettingsArchiveRoundTrip, AnEmptyRecordAndAnEmptyDateReadBack) {
    CDeviceRecord empty;
    empty.m_version.Set(1, 0, 0, 0, 0);
    CString text = BuildSettingsArchiveText(empty, nullptr);  // no local time: the date value stays empty
    CDeviceRecord read;
    CArchivedKeys keys;
    ParseSettingsArchive(text, &read, &keys);
    ExpectSameSettings(read, empty);
    EXPECT_EQ(read.m_timeArchived, 0);
    EXPECT_FALSE(keys.Has(L"keyDateArchived"));
    EXPECT_TRUE(keys.Has(L"keySpeedDial", 3));
}
