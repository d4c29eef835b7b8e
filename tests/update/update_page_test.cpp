// The FIRMWARE UPDATE page in the real main wizard: what it shows of the
// server's list, and the download it proposes.
#include "tests/app/WizardHarness.h"
#include "app/resource.h"
#include "framework/Clock.h"
#include "framework/TestSeams.h"
#include "hardware/HardwareApi.h"
#include "standins/simdevices/SimDevices.h"
#include "update/FirmwareList.h"
#include <string>

namespace {

class UpdatePageTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        sim::Reset();
        hw::SetApi(&hw::SimulatedApi());
        fw::Clock::SetSpeed(50);
    }
    void TearDown() override {
        fw::test::SetFileDialogAnswer(nullptr);
        fw::Clock::SetSpeed(1);
        hw::SetApi(nullptr);
        sim::Reset();
        WizardTest::TearDown();
    }
    // Enters page 3 for a recognised model at the given version.
    void Enter(CUpdaterDlg& dlg, int model, int major, int minor) {
        Recognise(dlg, model);
        dlg.m_deviceRecord.m_version.Set(major, minor, 0, 0, 0);
        dlg.GoToPage(PAGE_FIRMWARE_UPDATE);
        // The list check has ended (not only the start's program check).
        ASSERT_TRUE(fw::test::PumpUntil(
            [&] { return !dlg.m_bBusy && dlg.m_updatePage.m_firmwareInfo.m_nStep == FW_STEP_IDLE; }, 10000));
    }
    static std::wstring Text(CUpdaterDlg& dlg, int id) {
        CString s;
        dlg.m_updatePage.GetDlgItemText(id, s);
        return s.GetString();
    }
    static bool Visible(CUpdaterDlg& dlg, int id) {
        return ::IsWindowVisible(::GetDlgItem(dlg.m_updatePage.m_hWnd, id)) != FALSE;
    }
    int Prompts() const {
        int n = 0;
        for (const AskedBox& b : m_asked) n += b.templateId == IDD_NEW_UPDATE_FOUND;
        return n;
    }
};

TEST_F(UpdatePageTest, NoServerOrNoEntryForTheModelShowsTheServerError) {
    struct Case { const char* name; const char* list; bool serverDown; bool endsWithTheClose = false; };
    // A list is a few kilobytes: one over a megabyte is not read, even where
    // it begins with the model's entry.
    std::string huge = "Vela_Morn_T : v1.2 : Vela_Morn_T_v1.2.img\n";
    while (huge.size() <= 1024 * 1024) huge += "TKV40 : v3.3 : TKV40_v3.3.img\n";
    const Case cases[] = {
        {"list without the model", "TKV40 : v3.3 : TKV40_v3.3.img\n", false},
        {"empty list", "", false},
        {"list over a megabyte", huge.c_str(), false},
        {"list over a megabyte, no length", huge.c_str(), false, true},
        {"server down", nullptr, true},  // last: the server stays down
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_asked.clear();
        if (c.list) m_server.PutFile("/zarnbluetoothmanager/Firmware", c.list);
        if (c.serverDown) m_server.Stop();
        m_server.ClearFaults();
        if (c.endsWithTheClose) {
            fwserver::FaultRule rule;
            rule.fault = fwserver::Fault::NoLength;
            m_server.AddFault(rule);
        }
        RunWizard([&](CUpdaterDlg& dlg) {
            Enter(dlg, 0x2110, 1, 0);
            EXPECT_EQ(Text(dlg, IDC_UPDATE_LATEST_VERSION), L"Cannot connect to the server");
            EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dlg.m_updatePage.m_hWnd, IDC_UPDATE_DOWNLOAD)));
            EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dlg.m_updatePage.m_hWnd, IDC_UPDATE_BROWSE)));
            EXPECT_FALSE(Visible(dlg, IDC_UPDATE_VOICE_COMBO));
        });
        EXPECT_EQ(0, Prompts());
    }
}

TEST_F(UpdatePageTest, OneFirmwareShowsVersionAndFileAndOffersIt) {
    m_server.PutFile("/zarnbluetoothmanager/Firmware",
                     "TKV40 : v3.3 : TKV40_v3.3.img\nVela_Morn_T : v1.2 : Vela_Morn_T_v1.2.img\n");
    QueueAnswer(IDCANCEL);  // the new-firmware prompt
    RunWizard([&](CUpdaterDlg& dlg) {
        Enter(dlg, 0x2110, 1, 0);
        EXPECT_EQ(Text(dlg, IDC_UPDATE_LATEST_VERSION), L"Latest Version: v1.2 (Vela_Morn_T_v1.2.img)");
        EXPECT_FALSE(Visible(dlg, IDC_UPDATE_VOICE_COMBO));
        EXPECT_FALSE(Visible(dlg, IDC_UPDATE_INSTRUCTIONS));
        EXPECT_EQ(1, Prompts());
        EXPECT_EQ(0, dlg.m_updatePage.m_bAutoUpdate);
        fw::test::PumpFor(200);
        Screenshot(dlg.m_hWnd, L"update_page_one_firmware");

        // Download proposes the server's file name; cancelling leaves the page idle.
        CString proposed;
        fw::test::SetFileDialogAnswer([&](CFileDialog& fd) -> std::optional<CString> {
            proposed = fd.GetInitialFileName();
            return std::nullopt;
        });
        dlg.m_updatePage.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_UPDATE_DOWNLOAD, BN_CLICKED),
                                     (LPARAM)::GetDlgItem(dlg.m_updatePage.m_hWnd, IDC_UPDATE_DOWNLOAD));
        EXPECT_EQ(std::wstring(proposed), L"Vela_Morn_T_v1.2.img");
        EXPECT_FALSE(dlg.m_bBusy);
    });
}

TEST_F(UpdatePageTest, VoicePromptLanguagesFillTheComboInTheUiLanguage) {
    m_server.PutFile("/zarnbluetoothmanager/Firmware",
                     "Morvex_VME : v1.1 : English : Morvex_VME_v1.1-en.img\n"
                     "Morvex_VME : v1.1 : French : Morvex_VME_v1.1-fr.img\n"
                     "Morvex_VME : 33\n");
    RunWizard([&](CUpdaterDlg& dlg) {
        dlg.m_bApplyToFirmwareLanguage = FALSE;
        dlg.m_strFirmwareLanguage = L"French";
        Enter(dlg, 0x2120, 1, 1);  // up to date: no prompt
        EXPECT_EQ(0, Prompts());
        EXPECT_EQ(Text(dlg, IDC_UPDATE_LATEST_VERSION), L"Latest Version: v1.1");
        EXPECT_TRUE(Visible(dlg, IDC_UPDATE_VOICE_COMBO));
        EXPECT_TRUE(Visible(dlg, IDC_UPDATE_VOICE_CAPTION));
        EXPECT_TRUE(Visible(dlg, IDC_UPDATE_INSTRUCTIONS));
        CComboBox& combo = dlg.m_updatePage.m_comboVoicePrompt;
        ASSERT_EQ(2, combo.GetCount());
        EXPECT_EQ(1, combo.GetCurSel());
        EXPECT_EQ(33, dlg.m_nUsbStatus);
        EXPECT_EQ(std::wstring(dlg.m_updatePage.m_firmwareInfo.m_strSelectedFile), L"Morvex_VME_v1.1-fr.img");
        // The Download button sits under the combo, clear of it.
        RECT combo1, download;
        ::GetWindowRect(::GetDlgItem(dlg.m_updatePage.m_hWnd, IDC_UPDATE_VOICE_COMBO), &combo1);
        ::GetWindowRect(::GetDlgItem(dlg.m_updatePage.m_hWnd, IDC_UPDATE_DOWNLOAD), &download);
        EXPECT_GE(download.top, combo1.top + 10);
        fw::test::PumpFor(200);
        Screenshot(dlg.m_hWnd, L"update_page_languages");

        dlg.ApplyLanguage(2, TRUE);  // German: the list is read again
        ASSERT_TRUE(fw::test::PumpUntil([&] { return dlg.m_updatePage.m_firmwareInfo.m_nStep == FW_STEP_IDLE; }, 10000));
        CString first;
        combo.GetLBText(0, first);
        EXPECT_EQ(std::wstring(first), L"Englisch");
        EXPECT_EQ(Text(dlg, IDC_UPDATE_BROWSE), L"Durchsuchen...");
    });
}

TEST_F(UpdatePageTest, AListOfNearlyAMegabyteIsReadAndOffersAtMostAHundredLanguages) {
    std::string list;
    for (int i = 0; list.size() < 1000 * 1000; ++i)
        list += "Vela_Morn_T : v1.2 : L" + std::to_string(i) + " : Vela_Morn_T_v1.2-" + std::to_string(i) + ".img\n";
    m_server.PutFile("/zarnbluetoothmanager/Firmware", list);
    QueueAnswer(IDCANCEL);  // the new-firmware prompt
    RunWizard([&](CUpdaterDlg& dlg) {
        dlg.m_bApplyToFirmwareLanguage = FALSE;
        dlg.m_strFirmwareLanguage = L"L42";
        Enter(dlg, 0x2110, 1, 0);
        EXPECT_EQ(Text(dlg, IDC_UPDATE_LATEST_VERSION), L"Latest Version: v1.2");
        EXPECT_EQ(FIRMWARE_LIST_MAX_LANGUAGES, dlg.m_updatePage.m_comboVoicePrompt.GetCount());
        EXPECT_EQ(42, dlg.m_updatePage.m_comboVoicePrompt.GetCurSel());
        EXPECT_EQ(std::wstring(dlg.m_updatePage.m_firmwareInfo.m_strSelectedFile), L"Vela_Morn_T_v1.2-42.img");
    });
}

}  // namespace
