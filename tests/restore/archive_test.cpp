// The settings archive reader: golden archives as the update flow writes
// them, damaged archives, the refusal rules, and the write-back of only the
// settings an archive held.
#include <gtest/gtest.h>
#include <windows.h>
#include <ctime>
#include <string>
#include "restore/SettingsArchive.h"
#include "RestoreTestFiles.h"

namespace {

// A complete archive, line for line as the writer produces it (text mode:
// CR LF), with the keys it adds beyond the classic ones.
std::string GoldenArchive() {
    std::string a =
        "keyManagerVersion=1.1\r\n"
        "keyDeviceRecognized=21776\r\n"
        "keyDeviceName=  40N  Rider  \r\n"
        "keyDeviceVersion=2.3\r\n"
        "keyDeviceSecondaryVersionType=4\r\n"
        "keyDeviceSecondaryVersion=5\r\n"
        "keyDateArchived=02/03/2021 09:05:07\r\n"
        "keyIntercomVOX=1\r\nkeyHandsfreeVOX=2\r\nkeyEDR=3\r\nkeyVoicePrompt=4\r\nkeyPLC=5\r\n"
        "keyBitpoolRate=6\r\nkeyMicrophoneBoost=7\r\nkeySidetone=8\r\nkeyQuietSphere=9\r\n"
        "keyAutoGainControl=10\r\n";
    for (int i = 1; i <= 10; ++i) a += "keyBasicSetting60T" + Two(i) + "=" + std::to_string(100 + i) + "\r\n";
    a += "keyBasicSetting40NVOXSensitivity01=7\r\nkeyBasicSetting40NVOXSensitivity02=-3\r\n";
    a += "keyBasicSettingHN4SmartVolumeControl01=2\r\nkeyBasicSettingHN4SmartVolumeControl02=65535\r\n";
    for (int i = 1; i <= 4; ++i) a += "keyBasicSetting40ZCamera" + Two(i) + "=" + std::to_string(200 + i) + "\r\n";
    a += "keyRadioTransmitGain=17\r\nkeyAudioChannelTimeout=30\r\nkeyAudioBoost=1\r\nkeyHDIntercom=1\r\n"
         "keyFMStationGuide=1\r\nkeyHDVoice=1\r\nkeyAudioSourcePriority=1\r\nkeySoundBlend=1\r\n"
         "keySmartNaviSystem=1\r\nkeyFMRadioRegion=4\r\nkeyFMRadioMagicCode=1234\r\n"
         "keyFMRadioCurrentFrequency=10790\r\nkeyFMRadioCurrentPreset=3\r\n";
    for (int i = 1; i <= 10; ++i) a += "keyFMRadioPreset" + Two(i) + "=" + std::to_string(8750 + 10 * i) + "\r\n";
    a += "keyFMRadioRDS=1\r\nkeySpeedDial01=+49 30 1234\r\nkeySpeedDial02=\r\nkeySpeedDial03=555\r\n";
    return a;
}

CDeviceRecord Parse(const std::string& text, CArchivedKeys* keys = nullptr) {
    CDeviceRecord r;
    CArchivedKeys local;
    ParseSettingsArchive(CString(text.c_str()), &r, keys ? keys : &local);
    return r;
}

long long LocalTime(int year, int month, int day, int hour, int minute, int second) {
    struct tm t = {};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return (long long)mktime(&t);
}

}  // namespace

TEST(SettingsArchive, AGoldenArchiveFillsEveryField) {
    CArchivedKeys keys;
    CDeviceRecord r = Parse(GoldenArchive(), &keys);
    EXPECT_EQ(r.m_nManagerVersionMajor, 1);
    EXPECT_EQ(r.m_nManagerVersionMinor, 1);
    EXPECT_EQ(r.m_nModelId, 0x5510);
    EXPECT_EQ(r.m_strDeviceName, L"40N  Rider");  // trimmed at both ends, not inside
    EXPECT_EQ(r.m_version.m_nMajor, 2);
    EXPECT_EQ(r.m_version.m_nMinor, 3);
    EXPECT_EQ(r.m_version.m_nSecondaryVersionType, 4);
    EXPECT_EQ(r.m_version.m_nSecondaryVersion, 5);
    EXPECT_EQ(r.m_timeArchived, LocalTime(2021, 2, 3, 9, 5, 7));
    const int classic[] = {r.m_bIntercomVox, r.m_bHandsfreeVox, r.m_bEdr, r.m_bVoicePrompt, r.m_bPlc,
                           r.m_bBitpoolRate, r.m_bMicrophoneBoost, r.m_bSidetone, r.m_bQuietSphere,
                           r.m_bAutoGainControl};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(classic[i], i + 1) << "on/off value " << i;
    for (int i = 0; i < 10; ++i) EXPECT_EQ(r.m_anSettingWord[i], 101 + i);
    EXPECT_EQ(r.m_anVoxSensitivity[0], 7);
    EXPECT_EQ(r.m_anVoxSensitivity[1], -3);
    EXPECT_EQ(r.m_anSmartVolume[0], 2);
    EXPECT_EQ(r.m_anSmartVolume[1], 65535);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(r.m_anCameraWord[i], 201 + i);
    EXPECT_EQ(r.m_nRadioTransmitGain, 17);
    EXPECT_EQ(r.m_nAudioChannelTimeout, 30);
    EXPECT_EQ(r.m_bAudioBoost + r.m_bHdIntercom + r.m_bFmStationGuide + r.m_bHdVoice, 4);
    EXPECT_EQ(r.m_bAudioSourcePriority + r.m_bSoundBlend + r.m_bSmartNaviSystem, 3);
    EXPECT_EQ(r.m_nFmRegion, 4);
    EXPECT_EQ(r.m_nFmMagicCode, 1234);
    EXPECT_EQ(r.m_nFmCurrentFrequency, 10790);
    EXPECT_EQ(r.m_nFmCurrentPreset, 3);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(r.m_anFmPreset[i], 8760 + 10 * i);
    EXPECT_EQ(r.m_bFmRds, 1);
    EXPECT_EQ(r.m_astrSpeedDial[0], L"+49 30 1234");
    EXPECT_EQ(r.m_astrSpeedDial[1], L"");
    EXPECT_EQ(r.m_astrSpeedDial[2], L"555");
    EXPECT_TRUE(keys.Has(L"keySpeedDial", 2));  // present though empty
    EXPECT_TRUE(keys.Has(L"keyBasicSetting40ZCamera", 4));
}

TEST(SettingsArchive, EveryReadStartsFromAFreshRecord) {
    CDeviceRecord r = Parse(GoldenArchive());
    CArchivedKeys keys;
    // A second, sparse archive read into the same record keeps nothing of the first.
    ParseSettingsArchive(L"keyDeviceRecognized=16656\nkeyDeviceVersion=1.0\n", &r, &keys);
    EXPECT_EQ(r.m_nModelId, 0x4110);
    EXPECT_EQ(r.m_bEdr, 0);
    EXPECT_EQ(r.m_anSettingWord[3], 0);
    EXPECT_EQ(r.m_astrSpeedDial[0], L"");
    EXPECT_EQ(r.m_timeArchived, 0);
    EXPECT_EQ(r.m_nFmRegion, 0);
    EXPECT_FALSE(keys.Has(L"keyEDR"));
    EXPECT_TRUE(keys.Has(L"keyDeviceVersion"));
}

TEST(SettingsArchive, IndexedKeysNeedExactlyTwoDigitsInsideTheField) {
    CArchivedKeys keys;
    CDeviceRecord r = Parse(
        "keyFMRadioPreset00=1\n"            // below the first index
        "keyFMRadioPreset11=2\n"            // past the last preset
        "keyFMRadioPreset1=3\n"             // one digit
        "keyFMRadioPreset011=4\n"           // three digits
        "keyFMRadioPresetx1=5\n"
        "keySpeedDial04=666\n"
        "keyBasicSetting40NVOXSensitivity03=9\n"
        "keyBasicSettingHN4SmartVolumeControl00=9\n"
        "keyBasicSetting40ZCamera05=9\n"
        "keyBasicSetting60T11=9\n"
        "keyFMRadioPreset10=10790\n"
        "keyBasicSettingHN4SmartVolumeControl02=8\n",
        &keys);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(r.m_anFmPreset[i], 0) << i;
    EXPECT_EQ(r.m_anFmPreset[9], 10790);
    EXPECT_EQ(r.m_anSmartVolume[0], 0);
    EXPECT_EQ(r.m_anSmartVolume[1], 8);
    // Nothing landed in the fields that follow the arrays in the record.
    EXPECT_EQ(r.m_bFmRds, 0);
    EXPECT_EQ(r.m_bAudioBoost, 0);
    EXPECT_EQ(r.m_anSmartVolume[0] + r.m_anCameraWord[0] + r.m_anCameraWord[3], 0);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(r.m_astrSpeedDial[i].IsEmpty());
    EXPECT_EQ(r.m_anVoxSensitivity[0] + r.m_anVoxSensitivity[1], 0);
    EXPECT_FALSE(keys.Has(L"keyFMRadioPreset", 1));
    EXPECT_TRUE(keys.Has(L"keyFMRadioPreset", 10));
}

TEST(SettingsArchive, KeysAreExactAndCaseSensitiveAndLinesMayEndInCrLf) {
    CArchivedKeys keys;
    CDeviceRecord r = Parse("keyedr=1\r\nKeyEDR=1\r\nkeyEDRx=1\r\n=1\r\nkeySidetone\r\n"
                            "  keyPLC  =  1  \r\nkeyHDVoice=12abc\r\nkeyHDIntercom=abc\r\n"
                            "keyAudioChannelTimeout= -20\nkeyMicrophoneBoost=1",
                            &keys);
    EXPECT_EQ(r.m_bEdr, 0);
    EXPECT_FALSE(keys.Has(L"keyEDR"));
    EXPECT_EQ(r.m_bSidetone, 0);
    EXPECT_EQ(r.m_bPlc, 1);
    EXPECT_EQ(r.m_bHdVoice, 12);         // leading digits
    EXPECT_EQ(r.m_bHdIntercom, 0);       // no number at all
    EXPECT_EQ(r.m_nAudioChannelTimeout, -20);
    EXPECT_EQ(r.m_bMicrophoneBoost, 1);  // a last line without a line feed
}

TEST(SettingsArchive, ABadDateLeavesTheDateUnknownAndTheRestIsRead) {
    const char* bad[] = {
        "",                       // the writer's value when formatting failed
        "02/03/2021",             // short
        "02/03/2021 09:05:0",     // one character short
        "02/03/2021 09:05:07 PM", // long
        "2/3/2021 9:05:07   ",    // not zero-padded (trimmed to a short text)
        "13/03/2021 09:05:07",    // month
        "02/30/2021 09:05:07",    // day of February
        "02/29/2021 09:05:07",    // not a leap year
        "00/10/2021 09:05:07",
        "02/03/1899 09:05:07",    // before any representable time
        "02/03/2021 24:00:00",
        "02/03/2021 09:60:00",
        "02/03/2021 09:05:60",
        "02-03-2021 09:05:07",    // separators
        "ab/03/2021 09:05:07",
        "02/03/2021\t09:05:07",
    };
    for (const char* value : bad) {
        SCOPED_TRACE(value);
        CArchivedKeys keys;
        CDeviceRecord r = Parse(std::string("keyDateArchived=") + value + "\nkeySidetone=1\n", &keys);
        EXPECT_EQ(r.m_timeArchived, 0);
        EXPECT_FALSE(keys.Has(L"keyDateArchived"));
        EXPECT_EQ(r.m_bSidetone, 1);
    }
    EXPECT_EQ(Parse("keyDateArchived=02/29/2020 23:59:59\n").m_timeArchived, LocalTime(2020, 2, 29, 23, 59, 59));
}

TEST(SettingsArchive, TheFmRegionIsKeptInItsSixRegions) {
    EXPECT_EQ(Parse("keyFMRadioRegion=7\n").m_nFmRegion, 0);
    EXPECT_EQ(Parse("keyFMRadioRegion=-1\n").m_nFmRegion, 0);
    EXPECT_EQ(Parse("keyFMRadioRegion=5\n").m_nFmRegion, 5);
    EXPECT_EQ(Parse("keyFMRadioRegion=6\n").m_nFmRegion, 0);
}

TEST(SettingsArchive, OlderFirmwareOfSomeModelsIsNotRestorable) {
    struct Case {
        int model, major, minor;
        BOOL restorable;
    };
    const Case cases[] = {
        {0x4D30, 4, 1, FALSE}, {0x4D30, 4, 2, TRUE}, {0x4D30, 3, 9, FALSE}, {0x4D40, 4, 1, FALSE},
        {0x5060, 4, 1, FALSE}, {0x5061, 2, 0, FALSE}, {0x5070, 4, 1, FALSE}, {0x5080, 4, 2, TRUE},
        {0x5080, 5, 0, TRUE},  {0x4D35, 1, 1, FALSE}, {0x4D35, 1, 2, TRUE}, {0x4D35, 0, 9, FALSE},
        {0x4D10, 1, 0, TRUE},  {0x4D05, 1, 1, TRUE},  {0x5510, 0, 1, TRUE},
    };
    for (const Case& c : cases) {
        CDeviceRecord r;
        r.m_nModelId = c.model;
        r.m_version.m_nMajor = c.major;
        r.m_version.m_nMinor = c.minor;
        EXPECT_EQ(IsArchiveVersionRestorable(r), c.restorable) << std::hex << c.model << " " << c.major << "." << c.minor;
    }
}

TEST(SettingsArchive, AFileIsUsableOnlyWithAVersionAndARestorableFirmware) {
    RestoreTestFolder folder;
    struct Case {
        const char* name;
        const char* content;  // null: no file
        ArchiveReadResult expected;
    };
    const Case cases[] = {
        {"missing", nullptr, ARCHIVE_MISSING},
        {"empty", "", ARCHIVE_NO_VERSION},
        {"no version", "keyDeviceRecognized=21776\r\nkeySidetone=1\r\n", ARCHIVE_NO_VERSION},
        {"version not a number", "keyDeviceVersion=v\r\n", ARCHIVE_NO_VERSION},
        {"version without minor", "keyDeviceVersion=4\r\n", ARCHIVE_NO_VERSION},
        {"refused", "keyDeviceRecognized=19760\r\nkeyDeviceVersion=4.1\r\n", ARCHIVE_REFUSED},
        {"usable", "keyDeviceRecognized=19760\r\nkeyDeviceVersion=4.2\r\n", ARCHIVE_USABLE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CString path = folder.Path(L"test.talvoarch");
        ::DeleteFileW(path);
        if (c.content) folder.Write(L"test.talvoarch", c.content);
        CDeviceRecord r;
        r.m_bSidetone = 5;  // left from an earlier visit
        CArchivedKeys keys;
        EXPECT_EQ(ReadSettingsArchiveFile(path, &r, &keys), c.expected);
        if (c.content && std::string(c.content).find("keySidetone") == std::string::npos) {
            EXPECT_EQ(r.m_bSidetone, 0);
        }
    }
}

TEST(SettingsArchive, DoubleByteTextIsConvertedWholeNotChunkByChunk) {
    // Shift-JIS "ヘルメット" (five double-byte characters) placed so that the
    // second character straddles the first 1024-byte read.
    const std::string name = "\x83\x77\x83\x8B\x83\x81\x83\x62\x83\x67";
    std::string head = "keyDeviceVersion=1.0\r\n";
    std::string filler = "keyUnknown=";
    std::string prefix = "\r\nkeyDeviceName=";
    size_t pad = 1024 - 3 - head.size() - filler.size() - prefix.size();
    std::string content = head + filler + std::string(pad, 'x') + prefix + name + "\r\nkeySidetone=1\r\n";
    ASSERT_EQ(content.find(name) + 3, 1024u);
    RestoreTestFolder folder;
    folder.Write(L"dbcs.talvoarch", content);
    CDeviceRecord r;
    CArchivedKeys keys;
    ASSERT_EQ(ReadSettingsArchiveFile(folder.Path(L"dbcs.talvoarch"), &r, &keys, 932), ARCHIVE_USABLE);
    EXPECT_EQ(r.m_strDeviceName, L"\x30D8\x30EB\x30E1\x30C3\x30C8");
    EXPECT_EQ(r.m_bSidetone, 1);
}

TEST(SettingsArchive, OnlyTheSettingsTheArchiveHeldAreWrittenBack) {
    CArchivedKeys keys;
    CDeviceRecord archived = Parse(
        "keyDeviceRecognized=21776\nkeyDeviceVersion=9.9\nkeySidetone=1\nkeyEDR=0\n"
        "keyFMRadioPreset03=9990\nkeySpeedDial02=\nkeyBasicSetting60T02=77\n",
        &keys);
    CDeviceRecord device;
    device.m_nModelId = 0x5520;
    device.m_version.m_nMajor = 1;
    device.m_bSidetone = 0;
    device.m_bEdr = 1;
    device.m_bPlc = 1;
    device.m_nRadioTransmitGain = 15;
    for (int i = 0; i < 10; ++i) device.m_anFmPreset[i] = 9000 + i;
    device.m_anSettingWord[1] = 11;
    device.m_anSettingWord[2] = 22;
    device.m_astrSpeedDial[1] = L"123";
    device.m_astrSpeedDial[2] = L"456";
    ApplyArchivedSettings(&device, archived, keys);
    EXPECT_EQ(device.m_nModelId, 0x5520);          // identity stays the device's
    EXPECT_EQ(device.m_version.m_nMajor, 1);
    EXPECT_EQ(device.m_bSidetone, 1);
    EXPECT_EQ(device.m_bEdr, 0);
    EXPECT_EQ(device.m_bPlc, 1);                   // not in the archive
    EXPECT_EQ(device.m_nRadioTransmitGain, 15);
    EXPECT_EQ(device.m_anFmPreset[2], 9990);
    EXPECT_EQ(device.m_anFmPreset[3], 9003);
    EXPECT_EQ(device.m_anSettingWord[1], 77);
    EXPECT_EQ(device.m_anSettingWord[2], 22);
    EXPECT_EQ(device.m_astrSpeedDial[1], L"");     // an empty number in the archive is a value
    EXPECT_EQ(device.m_astrSpeedDial[2], L"456");
}
