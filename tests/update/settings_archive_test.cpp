// The settings archive: its text against a golden file, and the file that
// replaces an older archive only when it is complete.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include "core/DeviceRecord.h"
#include "update/SettingsArchive.h"

namespace {

std::string ReadBytes(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string ReadBytes(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

CDeviceRecord SampleRecord() {
    CDeviceRecord r;
    r.m_nManagerVersionMajor = 1;
    r.m_nManagerVersionMinor = 1;
    r.m_nModelId = 0x5345;
    r.m_strDeviceName = L"My\r\nHead\nset";
    r.m_version.Set(4, 2, 1, 7, 0);
    int* flags[] = {&r.m_bIntercomVox, &r.m_bHandsfreeVox, &r.m_bEdr, &r.m_bVoicePrompt, &r.m_bPlc,
                    &r.m_bBitpoolRate, &r.m_bMicrophoneBoost, &r.m_bSidetone, &r.m_bQuietSphere,
                    &r.m_bAutoGainControl};
    for (int i = 0; i < 10; ++i) *flags[i] = i + 1;
    for (int i = 0; i < 9; ++i) r.m_anSettingWord[i] = 100 + i;
    r.m_anSettingWord[9] = 0xFFFF;
    r.m_anVoxSensitivity[0] = 3;
    r.m_anVoxSensitivity[1] = 4;
    r.m_anSmartVolume[0] = 5;
    r.m_anSmartVolume[1] = 6;
    for (int i = 0; i < 4; ++i) r.m_anCameraWord[i] = 200 + i;
    r.m_nRadioTransmitGain = 15;
    r.m_nAudioChannelTimeout = 30;
    r.m_bAudioBoost = 1;
    r.m_bFmStationGuide = 1;
    r.m_bAudioSourcePriority = 1;
    r.m_bSoundBlend = 1;
    r.m_bSmartNaviSystem = 1;
    r.m_nFmRegion = 2;
    r.m_nFmMagicCode = -1;
    r.m_nFmCurrentFrequency = 8750;
    r.m_nFmCurrentPreset = 3;
    for (int i = 0; i < 9; ++i) r.m_anFmPreset[i] = 8750 + 10 * i;
    r.m_bFmRds = 1;
    r.m_astrSpeedDial[0] = L"+4912345";
    r.m_astrSpeedDial[2] = L"0800\n 555";
    return r;
}

TEST(SettingsArchive, TextMatchesTheGoldenFile) {
    CDeviceRecord r = SampleRecord();
    struct tm when {};
    when.tm_year = 2021 - 1900;
    when.tm_mon = 1;
    when.tm_mday = 3;
    when.tm_hour = 9;
    when.tm_min = 5;
    when.tm_sec = 7;
    std::string text(WideToAnsi(BuildSettingsArchiveText(r, &when)));
    std::string golden = ReadBytes(UPDATE_TEST_DATA "/settings_archive.golden");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(golden, text);
    // 57 lines and the five the restore page also reads.
    EXPECT_EQ(62, (int)std::count(text.begin(), text.end(), '\n'));
}

TEST(SettingsArchive, EmptyValuesAndAFailedDate) {
    CDeviceRecord r;
    std::string text(WideToAnsi(BuildSettingsArchiveText(r, nullptr)));
    EXPECT_NE(std::string::npos, text.find("\nkeyDeviceName=\n"));
    EXPECT_NE(std::string::npos, text.find("\nkeyDateArchived=\n"));
    EXPECT_NE(std::string::npos, text.find("\nkeySpeedDial01=\nkeySpeedDial02=\nkeySpeedDial03=\n"));
}

class ArchiveFolder : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t tmp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, tmp);
        m_folder = std::wstring(tmp) + L"morvex_archive_" + std::to_wstring(::GetCurrentProcessId()) + L"\\";
        ::CreateDirectoryW(m_folder.c_str(), nullptr);
    }
    void TearDown() override {
        WIN32_FIND_DATAW fd;
        HANDLE h = ::FindFirstFileW((m_folder + L"*").c_str(), &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do ::DeleteFileW((m_folder + fd.cFileName).c_str());
            while (::FindNextFileW(h, &fd));
            ::FindClose(h);
        }
        ::RemoveDirectoryW(m_folder.c_str());
    }
    std::wstring m_folder;
};

TEST_F(ArchiveFolder, WritesCrLfLinesAndStampsTheRecord) {
    CDeviceRecord r = SampleRecord();
    ASSERT_TRUE(WriteSettingsArchiveFile(&r, 0x2110, m_folder.c_str()));
    EXPECT_NE(0, r.m_timeArchived);
    std::string bytes = ReadBytes(m_folder + L"Vela_Morn_T.talvoarch");
    EXPECT_EQ(0u, bytes.find("keyManagerVersion=1.1\r\nkeyDeviceRecognized=21317\r\n"));
    EXPECT_EQ(std::string::npos, bytes.find("\n\n"));
    EXPECT_EQ(62, (int)std::count(bytes.begin(), bytes.end(), '\r'));
    // The date has its fixed columns.
    size_t at = bytes.find("keyDateArchived=") + 16;
    std::string date = bytes.substr(at, bytes.find('\r', at) - at);
    ASSERT_EQ(19u, date.size()) << date;
    EXPECT_EQ('/', date[2]);
    EXPECT_EQ('/', date[5]);
    EXPECT_EQ(' ', date[10]);
    EXPECT_EQ(':', date[13]);
    EXPECT_EQ(':', date[16]);
    // No temporary file is left behind.
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((m_folder + L"Vela_Morn_T.talvoarch.part").c_str()));
}

TEST_F(ArchiveFolder, SecondArchiveReplacesTheFirstAndModelsStandApart) {
    CDeviceRecord r = SampleRecord();
    ASSERT_TRUE(WriteSettingsArchiveFile(&r, 0x2110, m_folder.c_str()));
    r.m_strDeviceName = L"Second";
    ASSERT_TRUE(WriteSettingsArchiveFile(&r, 0x2110, m_folder.c_str()));
    ASSERT_TRUE(WriteSettingsArchiveFile(&r, 0x4D10, m_folder.c_str()));
    EXPECT_NE(std::string::npos, ReadBytes(m_folder + L"Vela_Morn_T.talvoarch").find("keyDeviceName=Second\r\n"));
    EXPECT_FALSE(ReadBytes(m_folder + L"TKV40.talvoarch").empty());
    // A model the catalogue does not know: ".talvoarch".
    ASSERT_TRUE(WriteSettingsArchiveFile(&r, 0x0001, m_folder.c_str()));
    EXPECT_FALSE(ReadBytes(m_folder + L".talvoarch").empty());
}

TEST_F(ArchiveFolder, AnUnwritableArchiveKeepsTheOlderOneAndTheRecord) {
    CDeviceRecord r = SampleRecord();
    ASSERT_TRUE(WriteSettingsArchiveFile(&r, 0x2110, m_folder.c_str()));
    const std::string before = ReadBytes(m_folder + L"Vela_Morn_T.talvoarch");
    // The temporary name is taken by a folder: nothing can be written.
    ::CreateDirectoryW((m_folder + L"Vela_Morn_T.talvoarch.part").c_str(), nullptr);
    CDeviceRecord other = SampleRecord();
    other.m_strDeviceName = L"Other";
    other.m_timeArchived = 42;
    EXPECT_FALSE(WriteSettingsArchiveFile(&other, 0x2110, m_folder.c_str()));
    EXPECT_EQ(42, other.m_timeArchived);
    EXPECT_EQ(before, ReadBytes(m_folder + L"Vela_Morn_T.talvoarch"));
    ::RemoveDirectoryW((m_folder + L"Vela_Morn_T.talvoarch.part").c_str());

    // Without the folder: FALSE.
    EXPECT_FALSE(WriteSettingsArchiveFile(&other, 0x2110, (m_folder + L"missing\\").c_str()));
}

}  // namespace
