// Pictures of the restore page for a person to look at: a model that shows
// its backup in the information rows, in its three setting kinds, in
// English, German and Japanese.
#include "../app/WizardHarness.h"
#include "framework/TestSeams.h"
#include "restore/BackupInfo.h"

namespace {

struct Shot {
    int language;
    const wchar_t* name;
};

void PrintTo(const Shot& shot, std::ostream* os) {
    std::wstring n = shot.name;
    *os << std::string(n.begin(), n.end());
}

class RestoreScreenshotTest : public WizardTest, public ::testing::WithParamInterface<Shot> {};

const char kArchive[] =
    "keyManagerVersion=1.1\r\nkeyDeviceRecognized=20544\r\nkeyDeviceName=DRW40Y-FM\r\n"
    "keyDeviceVersion=5.0\r\nkeyDeviceSecondaryVersionType=0\r\nkeyDeviceSecondaryVersion=0\r\n"
    "keyDateArchived=02/03/2021 09:05:07\r\nkeyIntercomVOX=1\r\nkeyHandsfreeVOX=0\r\nkeyEDR=0\r\n"
    "keyBitpoolRate=1\r\nkeySidetone=1\r\nkeyFMRadioRegion=4\r\nkeyFMRadioPreset01=8750\r\n"
    "keyFMRadioPreset02=10790\r\nkeyFMRadioPreset05=9990\r\nkeyFMRadioRDS=1\r\n"
    "keySpeedDial01=+49 30 1234567\r\nkeySpeedDial02=\r\nkeySpeedDial03=0800 555 0100\r\n";

}  // namespace

TEST_P(RestoreScreenshotTest, BackupInformationInItsThreeKinds) {
    const Shot shot = GetParam();
    m_server.PutFile("/zarnbluetoothmanager/Revisions",
                     "DRW40Y-FM : v5.0 : English : DRW40Y-FM_v5.0-en.img\n"
                     "DRW40Y-FM : v5.0 : German : DRW40Y-FM_v5.0-de.img\n"
                     "DRW40Y-FM : v5.0 : Japanese : DRW40Y-FM_v5.0-ja.img\n");
    WriteImageFile(L"DRW40Y-FM.talvoarch", kArchive);
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.ApplyLanguage(shot.language, TRUE);
        Recognise(dlg, 0x5040, (1 << 1) | (1 << 2) | (1 << 3));
        dlg.ShowFirmwareRestorePage(TRUE);
        ASSERT_TRUE(WaitIdle(dlg));
        CDialogFirmwareRestore& page = dlg.m_restorePage;
        ASSERT_TRUE(page.m_firmwareInfo.m_bBackupAvailable);
        ASSERT_EQ(page.m_nSettingPageCount, 3);
        const wchar_t* kinds[] = {L"", L"basic", L"speeddial", L"fmradio"};
        for (int i = 0; i < page.m_nSettingPageCount; ++i) {
            page.m_nSettingPageIndex = i;
            page.ShowBackupInfoLabels();
            page.RefreshPage();
            dlg.UpdateControls();
            fw::test::PumpFor(200);
            int kind = page.m_anSettingPageKind[i];
            Screenshot(dlg.m_hWnd, (std::wstring(L"restore_") + kinds[kind] + L"_" + shot.name).c_str());
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Languages, RestoreScreenshotTest,
                         ::testing::Values(Shot{0, L"en"}, Shot{2, L"de"}, Shot{4, L"ja"}, Shot{8, L"ru"}),
                         [](const ::testing::TestParamInfo<Shot>& info) {
                             std::wstring n = info.param.name;
                             return std::string(n.begin(), n.end());
                         });
