// Pictures of the backup settings view for a person to look at: one grid
// model of each row table in English, and two of them (the longest labels
// and values) in German, Russian and Japanese.
#include "../app/WizardHarness.h"
#include "core/ModelCatalog.h"
#include "framework/TestSeams.h"

namespace {

struct ViewShot {
    int model;
    const char* version;
    int language;
    const wchar_t* name;
};

void PrintTo(const ViewShot& shot, std::ostream* os) {
    std::wstring n = shot.name;
    *os << std::string(n.begin(), n.end());
}

class BackupViewScreenshotTest : public WizardTest, public ::testing::WithParamInterface<ViewShot> {};

std::string Narrow(const CString& s) {
    std::string out;
    for (int i = 0; i < s.GetLength(); ++i) out += (char)s[i];
    return out;
}

// An archive with a mix of values, so that every kind of value text shows.
std::string Archive(int model, const char* version) {
    return "keyManagerVersion=1.1\r\nkeyDeviceRecognized=" + std::to_string(model) +
           "\r\nkeyDeviceName=Rider\r\nkeyDeviceVersion=" + version +
           "\r\nkeyDateArchived=02/03/2021 09:05:07\r\n"
           "keyIntercomVOX=1\r\nkeyHandsfreeVOX=0\r\nkeyVoicePrompt=0\r\nkeyBitpoolRate=1\r\nkeySidetone=0\r\n"
           "keyQuietSphere=1\r\nkeyAudioBoost=0\r\nkeyHDIntercom=1\r\nkeyFMStationGuide=1\r\nkeyHDVoice=0\r\n"
           "keyAudioSourcePriority=1\r\nkeySoundBlend=1\r\nkeySmartNaviSystem=1\r\n"
           "keyBasicSetting60T01=" + std::to_string(0x1B21) + "\r\nkeyBasicSetting60T02=" + std::to_string(0x0A8A) +
           "\r\nkeyBasicSetting60T03=" + std::to_string(0xA8A5) + "\r\nkeyBasicSetting60T04=6\r\n"
           "keyBasicSetting40NVOXSensitivity01=3\r\nkeyBasicSetting40NVOXSensitivity02=0\r\n"
           "keyBasicSettingHN4SmartVolumeControl01=2\r\nkeyBasicSettingHN4SmartVolumeControl02=0\r\n"
           "keyBasicSetting40ZCamera01=" + std::to_string(0x0561) + "\r\nkeyBasicSetting40ZCamera02=0\r\n"
           "keyBasicSetting40ZCamera03=" + std::to_string(0x0065) + "\r\nkeyBasicSetting40ZCamera04=0\r\n";
}

}  // namespace

TEST_P(BackupViewScreenshotTest, TheGridShowsTheArchivedSettings) {
    const ViewShot shot = GetParam();
    CString name;
    GetModelName(name, shot.model, TRUE);
    ASSERT_FALSE(name.IsEmpty());
    const std::string internal = Narrow(name);
    m_server.PutFile("/zarnbluetoothmanager/Revisions",
                     internal + " : v" + shot.version + " : " + internal + "_backup.img\n");
    WriteImageFile((std::wstring(name.GetString()) + L".talvoarch").c_str(), Archive(shot.model, shot.version));
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.ApplyLanguage(shot.language, FALSE);
        Recognise(dlg, shot.model, (1 << 1) | (1 << 2) | (1 << 3));
        dlg.ShowFirmwareRestorePage(TRUE);
        ASSERT_TRUE(WaitIdle(dlg));
        CDialogFirmwareRestore& page = dlg.m_restorePage;
        ASSERT_TRUE(page.m_firmwareInfo.m_bBackupAvailable);
        ASSERT_GT(page.m_listFeatures.GetItemCount(), 0);
        ASSERT_TRUE(::IsWindowVisible(page.m_listFeatures.m_hWnd));
        fw::test::PumpFor(200);
        Screenshot(dlg.m_hWnd, (std::wstring(L"backupview_") + shot.name).c_str());
        // The rows further down, for the lists longer than the grid.
        page.m_listFeatures.EnsureVisible(page.m_listFeatures.GetItemCount() - 1, FALSE);
        fw::test::PumpFor(200);
        Screenshot(dlg.m_hWnd, (std::wstring(L"backupview_") + shot.name + L"_end").c_str());
    });
}

INSTANTIATE_TEST_SUITE_P(
    Models, BackupViewScreenshotTest,
    ::testing::Values(ViewShot{0x4510, "1.0", 0, L"4510_en"}, ViewShot{0x6010, "1.0", 0, L"6010_en"},
                      ViewShot{0x3118, "1.0", 0, L"3118_en"}, ViewShot{0x3116, "1.0", 0, L"3116_en"},
                      ViewShot{0x5510, "3.0", 0, L"5510_en"}, ViewShot{0x4210, "1.5", 0, L"4210_en"},
                      ViewShot{0x5510, "3.0", 2, L"5510_de"}, ViewShot{0x5510, "3.0", 8, L"5510_ru"},
                      ViewShot{0x5510, "3.0", 4, L"5510_ja"}, ViewShot{0x3116, "1.0", 2, L"3116_de"},
                      ViewShot{0x3116, "1.0", 8, L"3116_ru"}, ViewShot{0x3116, "1.0", 4, L"3116_ja"}),
    [](const ::testing::TestParamInfo<ViewShot>& info) {
        std::wstring n = info.param.name;
        return std::string(n.begin(), n.end());
    });
