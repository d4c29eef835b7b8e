// The FIRMWARE RESTORE page in the real main wizard: its states from entry
// to the hand-over to the update flow, against the local firmware server.
#include "../app/WizardHarness.h"
#include "app/AppPaths.h"
#include "core/ModelCatalog.h"
#include "framework/TestSeams.h"
#include "restore/BackupInfo.h"
#include "restore/BackupTransfer.h"
#include "texts/LabelTables.h"
#include "texts/LanguageNames.h"
#include "texts/MessageTexts.h"
#include "texts/WizardTexts.h"
#include <cstdio>
#include <vector>

namespace {

const int kAllGroups = (1 << 1) | (1 << 2) | (1 << 3);

std::string Archive(int model, const char* version, const char* extra = "") {
    return "keyManagerVersion=1.1\r\nkeyDeviceRecognized=" + std::to_string(model) +
           "\r\nkeyDeviceName=Rider\r\nkeyDeviceVersion=" + version +
           "\r\nkeyDateArchived=02/03/2021 09:05:07\r\nkeyIntercomVOX=1\r\nkeyEDR=0\r\n"
           "keySpeedDial01=0123 456\r\nkeyFMRadioRegion=4\r\nkeyFMRadioPreset03=8750\r\n" +
           extra;
}

const char kTkv40List[] =
    "TKV40 : v3.2 : TKV40_v3.2.img\n"
    "TKV40 : v5.0 : English : TKV40_v5.0-en.img\n"
    "TKV40 : v5.0 : French : TKV40_v5.0-fr.img\n"
    "TKV40 : v5.0 : German : TKV40_v5.0-de.img\n"
    "40N : v1.3 : 40N_v1.3.img\n";

class RestorePageTest : public WizardTest {
protected:
    CDialogFirmwareRestore& Page(CUpdaterDlg& dlg) { return dlg.m_restorePage; }
    bool Shown(CUpdaterDlg& dlg, int id) { return ::IsWindowVisible(::GetDlgItem(Page(dlg).m_hWnd, id)) != FALSE; }
    CString ItemText(CUpdaterDlg& dlg, int id) {
        CString s;
        Page(dlg).GetDlgItemText(id, s);
        return s;
    }
    CString Status(CUpdaterDlg& dlg) {
        CString s;
        dlg.GetStatusText(&s);
        return s;
    }
    static CString Joined(void (*a)(CString&, int), void (*b)(CString&, int)) {
        CString x, y, r;
        a(x, 0);
        b(y, 0);
        r.Format(L"%s. %s", x.GetString(), y.GetString());
        return r;
    }
    static CString RestoreFailed(void (*reason)(CString&, int)) {
        return Joined([](CString& o, int l) { GetTextPageFailure(o, 4, l); }, reason);
    }
    // Enters the page for a recognised TKV40 and waits for the load to end.
    void EnterTkv40(CUpdaterDlg& dlg, const char* version = "5.0") {
        WriteImageFile(L"TKV40.talvoarch", Archive(0x4D10, version));
        Recognise(dlg, 0x4D10, kAllGroups);
        dlg.ShowFirmwareRestorePage(TRUE);
        ASSERT_TRUE(WaitIdle(dlg));
    }
    int RowsShown(CUpdaterDlg& dlg) {
        int mask = 0;
        for (int row = 1; row <= 6; ++row) {
            bool label = Shown(dlg, BackupRowLabelId(row)), value = Shown(dlg, BackupRowValueId(row));
            EXPECT_EQ(label, value) << "row " << row;
            if (label) mask |= 1 << (row - 1);
        }
        return mask;
    }
    bool WaitDownloadEnd(CUpdaterDlg& dlg) {
        return fw::test::PumpUntil([&] { return Page(dlg).m_nLastDownloadResult >= 0; }, 10000);
    }
};

}  // namespace

TEST_F(RestorePageTest, WithoutAnArchiveOnlyTheTitleShowsAndActionStaysOff) {
    m_server.PutFile("/zarnbluetoothmanager/Revisions", kTkv40List);
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x4D10, kAllGroups);
        dlg.ShowFirmwareRestorePage(TRUE);
        // Entered: busy, nothing read yet, the backup provisionally available.
        EXPECT_TRUE(dlg.m_bBusy);
        EXPECT_FALSE(Page(dlg).m_bArchiveRead);
        EXPECT_TRUE(Page(dlg).m_firmwareInfo.m_bBackupAvailable);
        EXPECT_FALSE(Shown(dlg, IDC_BACKUP_VERSION_LABEL));
        EXPECT_FALSE(::IsWindowEnabled(Item(dlg, IDC_ACTION)));
        ASSERT_TRUE(WaitIdle(dlg));
        // No backup.
        EXPECT_TRUE(Page(dlg).m_bArchiveRead);
        EXPECT_FALSE(Page(dlg).m_firmwareInfo.m_bBackupAvailable);
        EXPECT_EQ(Status(dlg), RestoreFailed(GetTextMsgNoBackupFirmware));
        EXPECT_FALSE(dlg.m_bStatusOk);
        EXPECT_TRUE(Shown(dlg, IDC_BACKUP_TITLE));
        for (int id : {IDC_BACKUP_VERSION_LABEL, IDC_BACKUP_VERSION, IDC_BACKUP_DATE_LABEL, IDC_BACKUP_DATE,
                       IDC_RESTORE_VOICE_COMBO, IDC_BACKUP_VOICE_LABEL, IDC_RESTORE_LIST})
            EXPECT_FALSE(Shown(dlg, id)) << id;
        EXPECT_EQ(RowsShown(dlg), 0);
        EXPECT_FALSE(::IsWindowEnabled(Item(dlg, IDC_ACTION)));
        EXPECT_EQ(Page(dlg).m_nSettingPageCount, 0);
        // The server was not asked for a list it could not use.
        for (const std::string& r : m_server.Requests()) EXPECT_EQ(r.find("Revisions"), std::string::npos);
    });
}

TEST_F(RestorePageTest, AnArchiveTheServerServesOffersItsVoicePromptsAndEnablesRestore) {
    m_server.PutFile("/zarnbluetoothmanager/Revisions", kTkv40List);
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.m_strFirmwareLanguage = L"French";
        dlg.ApplyLanguage(0, FALSE);
        EnterTkv40(dlg);
        CDialogFirmwareRestore& page = Page(dlg);
        EXPECT_TRUE(page.m_firmwareInfo.m_bBackupAvailable);
        EXPECT_EQ(page.m_comboVoicePrompt.GetCount(), 3);
        EXPECT_EQ(page.m_comboVoicePrompt.GetCurSel(), 1);  // the voice prompt chosen before
        EXPECT_TRUE(Shown(dlg, IDC_RESTORE_VOICE_COMBO));
        EXPECT_TRUE(Shown(dlg, IDC_BACKUP_VOICE_LABEL));
        EXPECT_EQ(ItemText(dlg, IDC_BACKUP_VOICE_LABEL), L"Voice Prompt");
        CString expected;
        GetTextMsgPressRestoreAfterVoicePromptLanguage(expected, 0);
        EXPECT_EQ(Status(dlg), expected);
        EXPECT_TRUE(dlg.m_bStatusOk);
        EXPECT_TRUE(::IsWindowEnabled(Item(dlg, IDC_ACTION)));
        EXPECT_EQ(ItemText(dlg, IDC_BACKUP_VERSION_LABEL), L"Version: v5.0");
        EXPECT_EQ(ItemText(dlg, IDC_BACKUP_VERSION), L"v5.0");
        EXPECT_EQ(ItemText(dlg, IDC_BACKUP_DATE), L"02/03/2021 09:05:07");
        // The backup's own setting pages (Basic and Speed Dial); Basic first:
        // firmware 5.0 shows all six rows.
        EXPECT_EQ(page.m_nSettingPageCount, 2);
        EXPECT_EQ(RowsShown(dlg), 0x3F);
        EXPECT_EQ(ItemText(dlg, BackupRowLabelId(2)), L"VOX Intercom:");
        EXPECT_EQ(ItemText(dlg, BackupRowValueId(2)), L"Enabled");
        EXPECT_EQ(ItemText(dlg, BackupRowLabelId(6)), L"Microphone Boosting:");
        // Speed dial: rows 1-3.
        dlg.m_restorePage.m_nSettingPageIndex = 0;
        for (int i = 0; i < page.m_nSettingPageCount; ++i)
            if (page.m_anSettingPageKind[i] == 2) page.m_nSettingPageIndex = i;
        page.ShowBackupInfoLabels();
        page.RefreshPage();
        EXPECT_EQ(RowsShown(dlg), 0x7);
        EXPECT_EQ(ItemText(dlg, BackupRowValueId(1)), L"0123 456");
        EXPECT_EQ(ItemText(dlg, BackupRowValueId(2)), L"Empty");
    });
}

TEST_F(RestorePageTest, TheLoadEndsInTheFailureThatStoppedIt) {
    struct Case {
        const char* name;
        const char* archive;     // TKV40's archive text, or null for none
        const char* list;        // the served list, or null for a 404
        void (*reason)(CString&, int);
    };
    const std::string ok = Archive(0x4D10, "5.0");
    const std::string foreign = Archive(0x5520, "5.0");
    const std::string other = Archive(0x4D10, "4.3");
    const std::string old = Archive(0x4D30, "4.1");
    const std::string noVersion = "keyDeviceRecognized=19728\r\nkeySidetone=1\r\n";
    // A list is a few kilobytes: one over a megabyte fails like no list.
    std::string huge = kTkv40List;
    while (huge.size() <= 1024 * 1024) huge += "TKV40 : v3.2 : TKV40_v3.2.img\n";
    const Case cases[] = {
        {"server has no list", ok.c_str(), nullptr, GetTextMsgCannotConnectToServer},
        {"empty list", ok.c_str(), "", GetTextMsgCannotConnectToServer},
        {"list over a megabyte", ok.c_str(), huge.c_str(), GetTextMsgCannotConnectToServer},
        {"no entry for the version", other.c_str(), kTkv40List, GetTextMsgNoBackupFirmwareOnServer},
        {"archive of another device", foreign.c_str(), kTkv40List, GetTextMsgNoBackupFirmware},
        {"firmware no restore serves", old.c_str(), kTkv40List, GetTextMsgNoBackupFirmware},
        {"archive without a version", noVersion.c_str(), kTkv40List, GetTextMsgNoBackupFirmware},
    };
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            if (c.list) m_server.PutFile("/zarnbluetoothmanager/Revisions", c.list);
            else m_server.RemoveFile("/zarnbluetoothmanager/Revisions");
            std::string archive = c.archive;  // the case's strings may be temporaries
            WriteImageFile(L"TKV40.talvoarch", archive);
            Recognise(dlg, 0x4D10, kAllGroups);
            dlg.ShowFirmwareRestorePage(TRUE);
            ASSERT_TRUE(WaitIdle(dlg));
            EXPECT_FALSE(Page(dlg).m_firmwareInfo.m_bBackupAvailable);
            EXPECT_EQ(Status(dlg), RestoreFailed(c.reason));
            EXPECT_FALSE(dlg.m_bStatusOk);
            EXPECT_FALSE(::IsWindowEnabled(Item(dlg, IDC_ACTION)));
            EXPECT_EQ(RowsShown(dlg), 0);
            EXPECT_FALSE(Shown(dlg, IDC_BACKUP_VERSION));
            dlg.ShowWelcomePage();
            ASSERT_TRUE(WaitIdle(dlg));
        }
    });
}

TEST_F(RestorePageTest, RestoreDownloadsTheChosenImageAndHandsItToTheUpdateFlow) {
    m_server.PutFile("/zarnbluetoothmanager/Revisions", kTkv40List);
    m_server.PutFile("/zarnbluetoothmanager/TKV40_v5.0-de.img", "german image");
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EnterTkv40(dlg);
        // The device as recognition read it before the restore.
        dlg.m_deviceRecord.m_bPlc = 1;
        dlg.m_deviceRecord.m_bIntercomVox = 0;
        dlg.m_deviceRecord.m_astrSpeedDial[1] = L"777";
        dlg.m_deviceRecord.m_anFmPreset[2] = 9000;
        dlg.m_deviceRecord.m_anFmPreset[3] = 9100;
        CDialogFirmwareRestore& page = Page(dlg);
        page.m_comboVoicePrompt.SetCurSel(2);
        dlg.OnBnClickedAction();
        EXPECT_TRUE(dlg.m_bBusy);
        EXPECT_EQ(dlg.m_strFirmwareLanguage, L"German");
        CString activity, about;
        GetTextPageActivity(activity, 4, dlg.m_nUsbStatus, 0);
        GetTextMsgAboutToDownloadBackupFirmware(about, 0);
        EXPECT_EQ(Status(dlg), activity + L" " + about);
        EXPECT_EQ(page.m_firmwareInfo.PeekStatusText(0), activity + L" " + about);
        ASSERT_TRUE(WaitDownloadEnd(dlg));
        EXPECT_EQ(page.m_nLastDownloadResult, (int)BACKUP_DOWNLOAD_OK);
        EXPECT_EQ(page.m_firmwareInfo.m_strFirmwarePath, CString((m_folder + L"TKV40.img").c_str()));
        EXPECT_EQ(ReadImageFile(L"TKV40.img"), L"german image");
        // Handed over: the update flow now owns the busy wizard.
        EXPECT_TRUE(dlg.m_bBusy);
        // The record to write back holds the archive's settings and version,
        // and the device's own values where the archive had no key.
        const CDeviceRecord& back = page.m_backupRecord;
        EXPECT_EQ(back.m_version.m_nMajor, 5);
        EXPECT_EQ(back.m_version.m_nMinor, 0);
        EXPECT_EQ(back.m_bIntercomVox, 1);
        EXPECT_EQ(back.m_astrSpeedDial[0], L"0123 456");
        EXPECT_EQ(back.m_anFmPreset[2], 8750);
        EXPECT_EQ(back.m_nFmRegion, 4);
        EXPECT_EQ(back.m_bPlc, 1);
        EXPECT_EQ(back.m_astrSpeedDial[1], L"777");
        EXPECT_EQ(back.m_anFmPreset[3], 9100);
        EXPECT_EQ(back.m_nModelId, 0x4D10);
        dlg.m_bBusy = FALSE;
    });
}

TEST_F(RestorePageTest, AFailedDownloadIsReportedAndNothingIsHandedOver) {
    struct Case {
        const char* name;
        fwserver::Fault fault;    // on the image
        bool removeFolder;
        void (*reason)(CString&, int);
    };
    const Case cases[] = {
        {"image missing on the server", fwserver::Fault::NotFound, false, GetTextMsgCannotConnectToServer},
        {"server error page", fwserver::Fault::HttpError, false, GetTextMsgCannotConnectToServer},
        {"image cut short", fwserver::Fault::Truncated, false, GetTextMsgCannotConnectToServer},
        {"no image folder", fwserver::Fault::None, true, GetTextMsgCannotOpenFile},
    };
    m_server.PutFile("/zarnbluetoothmanager/Revisions", kTkv40List);
    m_server.PutFile("/zarnbluetoothmanager/TKV40_v5.0-en.img", std::string(40000, 'x'));
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            m_server.ClearFaults();
            EnterTkv40(dlg);
            fwserver::FaultRule rule;
            rule.fault = c.fault;
            rule.pathPart = ".img";
            if (c.fault != fwserver::Fault::None) m_server.AddFault(rule);
            if (c.removeFolder) apppaths::SetImageFolderForTest((m_folder + L"gone\\").c_str());
            Page(dlg).m_comboVoicePrompt.SetCurSel(0);
            dlg.OnBnClickedAction();
            ASSERT_TRUE(WaitDownloadEnd(dlg));
            apppaths::SetImageFolderForTest(m_folder.c_str());
            EXPECT_NE(Page(dlg).m_nLastDownloadResult, (int)BACKUP_DOWNLOAD_OK);
            EXPECT_EQ(Status(dlg), Joined(GetTextMsgFailedToDownloadLatestFirmware, c.reason));
            EXPECT_FALSE(dlg.m_bStatusOk);
            EXPECT_FALSE(dlg.m_bBusy);
            EXPECT_EQ(ReadImageFile(L"TKV40.img"), L"<missing>");  // nothing partial to flash
            EXPECT_TRUE(::IsWindowEnabled(Page(dlg).m_comboVoicePrompt.m_hWnd));
        }
    });
}

TEST_F(RestorePageTest, AListNameThatIsNoPlainFileNameIsNeverRequested) {
    const char* names[] = {"NUL.img", "../Firmware", "COM\xb9.img", "%2e%2e/TKV40.img", "TKV40.img."};
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        for (const char* name : names) {
            SCOPED_TRACE(name);
            m_server.PutFile("/zarnbluetoothmanager/Revisions", std::string("TKV40 : v5.0 : ") + name + "\n");
            EnterTkv40(dlg);
            ASSERT_TRUE(Page(dlg).m_firmwareInfo.m_bBackupAvailable);
            const size_t requests = m_server.Requests().size();
            dlg.OnBnClickedAction();
            ASSERT_TRUE(WaitDownloadEnd(dlg));
            EXPECT_EQ(Page(dlg).m_nLastDownloadResult, (int)BACKUP_DOWNLOAD_FAILED);
            EXPECT_EQ(Status(dlg), Joined(GetTextMsgFailedToDownloadLatestFirmware, GetTextMsgCannotConnectToServer));
            EXPECT_FALSE(dlg.m_bBusy);
            EXPECT_EQ(m_server.Requests().size(), requests);
            Page(dlg).m_nLastDownloadResult = -1;
            dlg.ShowWelcomePage();
            ASSERT_TRUE(WaitIdle(dlg));
        }
    });
}

TEST_F(RestorePageTest, NoChoiceNeverStartsARestore) {
    m_server.PutFile("/zarnbluetoothmanager/Revisions", kTkv40List);
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EnterTkv40(dlg);
        size_t requests = m_server.Requests().size();
        Page(dlg).m_comboVoicePrompt.SetCurSel(-1);
        Page(dlg).StartRestore();
        EXPECT_FALSE(dlg.m_bBusy);
        // The language-change re-arm empties the list before fetching it again.
        Page(dlg).m_comboVoicePrompt.ResetContent();
        Page(dlg).m_firmwareInfo.m_strSelectedFile.Empty();
        Page(dlg).StartRestore();
        EXPECT_FALSE(dlg.m_bBusy);
        fw::test::PumpUntil([] { return false; }, 50);
        EXPECT_EQ(m_server.Requests().size(), requests);
        EXPECT_EQ(Page(dlg).m_nLastDownloadResult, -1);
    });
}

TEST_F(RestorePageTest, TheVoicePromptListFollowsTheUiLanguage) {
    m_server.PutFile("/zarnbluetoothmanager/Revisions", kTkv40List);
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.ApplyLanguage(0, FALSE);
        EnterTkv40(dlg);
        CDialogFirmwareRestore& page = Page(dlg);
        page.m_comboVoicePrompt.SetCurSel(2);
        const wchar_t* english[] = {L"English", L"French", L"German"};
        for (int language = 0; language < 13; ++language) {
            SCOPED_TRACE(language);
            dlg.ApplyLanguage(language, FALSE);
            ASSERT_EQ(page.m_comboVoicePrompt.GetCount(), 3);
            for (int i = 0; i < 3; ++i) {
                CString want, have;
                TranslateLanguageName(want, english[i], language);
                page.m_comboVoicePrompt.GetLBText(i, have);
                EXPECT_EQ(have, want);
            }
            EXPECT_EQ(page.m_comboVoicePrompt.GetCurSel(), 2);  // the choice stays
            EXPECT_EQ(ItemText(dlg, IDC_BACKUP_VOICE_LABEL), g_txtVoicePrompt[texts::LanguageSlot(language)][0]);
            EXPECT_EQ(ItemText(dlg, IDC_BACKUP_TITLE), CDialogFirmwareRestore::GetTitleText(language));
        }
        // With the voice prompt following the UI language the list is fetched
        // again and that language is preselected.
        dlg.ApplyLanguage(0, FALSE);
        dlg.ApplyLanguage(1, TRUE);
        // While the list is fetched again the page cannot be left.
        ASSERT_TRUE(fw::test::PumpUntil([&] { return dlg.m_bBusy; }, 10000));
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_STEP_WELCOME, BN_CLICKED), (LPARAM)Item(dlg, IDC_STEP_WELCOME));
        EXPECT_EQ(dlg.m_nPage, 4);
        ASSERT_TRUE(fw::test::PumpUntil([&] { return page.m_comboVoicePrompt.GetCount() == 3 && !dlg.m_bBusy; }, 10000));
        EXPECT_EQ(page.m_comboVoicePrompt.GetCurSel(), 1);
        EXPECT_TRUE(page.m_firmwareInfo.m_bBackupAvailable);
    });
}

TEST_F(RestorePageTest, RowsAModelDoesNotWriteAreHidden) {
    m_server.PutFile("/zarnbluetoothmanager/Revisions", "Halvenor : v2.0 : Halvenor_v2.0.img\n40N : v1.3 : 40N_v1.3.img\n");
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        // First a TKV40 fills all rows with its texts.
        m_server.PutFile("/zarnbluetoothmanager/Revisions",
                         "TKV40 : v5.0 : TKV40_v5.0.img\nHalvenor : v2.0 : Halvenor_v2.0.img\n40N : v1.3 : 40N_v1.3.img\n");
        EnterTkv40(dlg);
        EXPECT_EQ(RowsShown(dlg), 0x3F);
        // A model whose Speed Dial kind writes no text shows no row.
        WriteImageFile(L"Halvenor.talvoarch", Archive(0x4040, "2.0"));
        Recognise(dlg, 0x4040, kAllGroups);
        dlg.ShowFirmwareRestorePage(TRUE);
        ASSERT_TRUE(WaitIdle(dlg));
        CDialogFirmwareRestore& page = Page(dlg);
        ASSERT_TRUE(page.m_firmwareInfo.m_bBackupAvailable);
        for (int i = 0; i < page.m_nSettingPageCount; ++i) {
            page.m_nSettingPageIndex = i;
            page.ShowBackupInfoLabels();
            page.RefreshPage();
            int kind = page.m_anSettingPageKind[i];
            EXPECT_EQ(RowsShown(dlg), kind == 1 ? 0x1 : 0) << "kind " << kind;
        }
        // A grid model shows no row for Basic, and its grid with the archived settings.
        WriteImageFile(L"40N.talvoarch", Archive(0x5520, "1.3"));
        Recognise(dlg, 0x5520, kAllGroups);
        dlg.ShowFirmwareRestorePage(TRUE);
        ASSERT_TRUE(WaitIdle(dlg));
        ASSERT_TRUE(page.m_firmwareInfo.m_bBackupAvailable);
        EXPECT_EQ(page.m_comboVoicePrompt.GetCount(), 0);
        EXPECT_FALSE(Shown(dlg, IDC_RESTORE_VOICE_COMBO));
        EXPECT_EQ(ItemText(dlg, IDC_BACKUP_VERSION_LABEL), L"Version:");
        CString press;
        GetTextMsgPressRestoreButton(press, 0);
        EXPECT_EQ(Status(dlg), press);
        if (page.m_nSettingPageCount > 0 && page.m_anSettingPageKind[0] == 1) {
            EXPECT_EQ(RowsShown(dlg), 0);
            EXPECT_TRUE(Shown(dlg, IDC_RESTORE_LIST));
            EXPECT_EQ(page.m_listFeatures.GetItemCount(), 10);
        }
    });
}

TEST_F(RestorePageTest, AServerThatIsDownEndsTheLoadOrTheDownloadWithTheConnectionFailure) {
    m_server.PutFile("/zarnbluetoothmanager/Revisions", kTkv40List);
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        // Down while the image is fetched.
        EnterTkv40(dlg);
        ASSERT_TRUE(Page(dlg).m_firmwareInfo.m_bBackupAvailable);
        m_server.Stop();
        m_serverRunning = false;
        dlg.OnBnClickedAction();
        ASSERT_TRUE(WaitDownloadEnd(dlg));
        EXPECT_EQ(Page(dlg).m_nLastDownloadResult, (int)BACKUP_DOWNLOAD_FAILED);
        EXPECT_EQ(Status(dlg), Joined(GetTextMsgFailedToDownloadLatestFirmware, GetTextMsgCannotConnectToServer));
        EXPECT_FALSE(dlg.m_bBusy);
        // Down when the page is entered.
        dlg.ShowWelcomePage();
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x4D10, kAllGroups);
        dlg.ShowFirmwareRestorePage(TRUE);
        ASSERT_EQ(dlg.m_nPage, 4);
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_TRUE(Page(dlg).m_bArchiveRead);
        EXPECT_FALSE(Page(dlg).m_firmwareInfo.m_bBackupAvailable);
        EXPECT_EQ(Status(dlg), RestoreFailed(GetTextMsgCannotConnectToServer));
        EXPECT_FALSE(::IsWindowEnabled(Item(dlg, IDC_ACTION)));
    });
}

// The backup's setting groups (the group buttons under the steps) are those
// of the archived model and firmware, also when no image can be offered.
TEST_F(RestorePageTest, TheBackupsSettingGroupsComeFromTheArchiveWhateverTheLoadEndsIn) {
    struct Case {
        const char* name;
        int model;           // archived model, 0 for no archive
        const char* version;
        const char* list;    // the served list, or null for a 404
    };
    const Case cases[] = {
        {"server has no list", 0x4D10, "5.0", nullptr},
        {"no entry for the version", 0x4D10, "4.3", kTkv40List},
        {"firmware no restore serves", 0x4D30, "4.1", kTkv40List},
        {"served", 0x4D10, "5.0", kTkv40List},
        {"no archive", 0, "", kTkv40List},
    };
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            if (c.list) m_server.PutFile("/zarnbluetoothmanager/Revisions", c.list);
            else m_server.RemoveFile("/zarnbluetoothmanager/Revisions");
            ::DeleteFileW((m_folder + L"TKV40.talvoarch").c_str());
            if (c.model) WriteImageFile(L"TKV40.talvoarch", Archive(c.model, c.version));
            Recognise(dlg, 0x4D10, kAllGroups);
            dlg.ShowFirmwareRestorePage(TRUE);
            ASSERT_TRUE(WaitIdle(dlg));
            CDialogFirmwareRestore& page = Page(dlg);
            int count = 0, kinds[3] = {}, index = -1;
            int major = 0, minor = 0;
            if (c.model) sscanf(c.version, "%d.%d", &major, &minor);
            GetSettingPages(c.model, major, minor, &count, kinds, &index);
            EXPECT_EQ(page.m_nSettingPageCount, count);
            for (int i = 0; i < count; ++i) EXPECT_EQ(page.m_anSettingPageKind[i], kinds[i]) << i;
            EXPECT_EQ(page.m_nSettingPageIndex, 0);
            EXPECT_EQ(c.model != 0, count > 0);
            EXPECT_EQ(count > 0, ::IsWindowVisible(Item(dlg, IDC_GROUP_BASIC)) != FALSE);
            EXPECT_EQ(count > 1, ::IsWindowVisible(Item(dlg, IDC_GROUP_LIST)) != FALSE);
            dlg.ShowWelcomePage();
            ASSERT_TRUE(WaitIdle(dlg));
        }
    });
}

namespace {

// A control's rectangle on the page, in pixels.
RECT OnPage(CDialogFirmwareRestore& page, int id) {
    RECT r = {};
    ::GetWindowRect(::GetDlgItem(page.m_hWnd, id), &r);
    ::MapWindowPoints(nullptr, page.m_hWnd, (POINT*)&r, 2);
    return r;
}

// Dialog units of the page, in pixels.
RECT Units(CDialogFirmwareRestore& page, int x, int y, int cx, int cy) {
    RECT r = {x, y, x + cx, y + cy};
    ::MapDialogRect(page.m_hWnd, &r);
    return r;
}

// Every two controls shown at once keep apart.
void ExpectNoOverlap(CDialogFirmwareRestore& page) {
    std::vector<HWND> shown;
    for (HWND c = ::GetWindow(page.m_hWnd, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
        if (::IsWindowVisible(c)) shown.push_back(c);
    for (size_t i = 0; i < shown.size(); ++i)
        for (size_t j = i + 1; j < shown.size(); ++j) {
            RECT a, b, both;
            ::GetWindowRect(shown[i], &a);
            ::GetWindowRect(shown[j], &b);
            EXPECT_FALSE(::IntersectRect(&both, &a, &b))
                << ::GetDlgCtrlID(shown[i]) << " and " << ::GetDlgCtrlID(shown[j]);
        }
}

}  // namespace

// Version, date and the six rows stand in their rows of ten dialog units;
// the grid is 90 units tall below the date; nothing shown at once overlaps.
TEST_F(RestorePageTest, TheRowsAndTheGridStandInTheirPlaces) {
    m_server.PutFile("/zarnbluetoothmanager/Revisions",
                     std::string(kTkv40List) + "40N : v2.0 : English : 40N-en.img\n40N : v2.0 : German : 40N-de.img\n");
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EnterTkv40(dlg);
        CDialogFirmwareRestore& page = Page(dlg);
        ASSERT_EQ(RowsShown(dlg), 0x3F);
        ASSERT_TRUE(Shown(dlg, IDC_RESTORE_VOICE_COMBO));
        struct Row { int label, value, y; };
        std::vector<Row> rows = {{IDC_BACKUP_VERSION_LABEL, IDC_BACKUP_VERSION, 12},
                                 {IDC_BACKUP_DATE_LABEL, IDC_BACKUP_DATE, 22}};
        for (int row = 1; row <= 6; ++row) rows.push_back({BackupRowLabelId(row), BackupRowValueId(row), 22 + 10 * row});
        for (const Row& r : rows) {
            RECT label = Units(page, 1, r.y, 185, 10), value = Units(page, 190, r.y, 102, 10);
            RECT haveLabel = OnPage(page, r.label), haveValue = OnPage(page, r.value);
            EXPECT_EQ(haveLabel.top, label.top) << r.label;
            EXPECT_EQ(haveLabel.left, label.left) << r.label;
            EXPECT_EQ(haveLabel.right, label.right) << r.label;
            EXPECT_EQ(haveValue.top, value.top) << r.value;
            EXPECT_EQ(haveValue.left, value.left) << r.value;
            EXPECT_EQ(haveValue.right, value.right) << r.value;
        }
        ExpectNoOverlap(page);

        // A grid model with two voice prompts: the grid under the date, 90 units tall.
        WriteImageFile(L"40N.talvoarch", Archive(0x5520, "2.0"));
        Recognise(dlg, 0x5520, kAllGroups);
        dlg.ShowFirmwareRestorePage(TRUE);
        ASSERT_TRUE(WaitIdle(dlg));
        ASSERT_TRUE(Shown(dlg, IDC_RESTORE_LIST));
        ASSERT_TRUE(Shown(dlg, IDC_RESTORE_VOICE_COMBO));
        RECT grid = OnPage(page, IDC_RESTORE_LIST), ninety = Units(page, 0, 0, 306, 90);
        EXPECT_EQ(grid.bottom - grid.top, ninety.bottom);
        EXPECT_EQ(grid.right - grid.left, ninety.right);
        EXPECT_GE(grid.top, OnPage(page, IDC_BACKUP_DATE).bottom);
        EXPECT_LE(grid.top, Units(page, 0, 32, 1, 1).top);
        RECT client;
        page.GetClientRect(&client);
        EXPECT_LE(OnPage(page, IDC_RESTORE_VOICE_COMBO).bottom, client.bottom);
        ExpectNoOverlap(page);
    });
}
