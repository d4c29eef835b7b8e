// The restore page's states through whole visits in the real main wizard:
// each state the page passes through is compared with what must hold in it.
// The page's transfers are held by the test, so that every state between
// two transfers can be looked at before the answer arrives.
#include "../app/WizardHarness.h"
#include "app/resource.h"
#include "framework/TestSeams.h"
#include "restore/BackupInfo.h"
#include "restore/BackupTransfer.h"
#include <fstream>
#include <ostream>
#include <string>

namespace {

const int kAllGroups = (1 << 1) | (1 << 2) | (1 << 3);

const char kArchive[] =
    "keyManagerVersion=1.1\r\nkeyDeviceRecognized=19728\r\nkeyDeviceName=Rider\r\nkeyDeviceVersion=5.0\r\n"
    "keyDateArchived=02/03/2021 09:05:07\r\nkeyIntercomVOX=1\r\nkeySpeedDial01=0123 456\r\n";

const char kList[] =
    "TKV40 : v5.0 : English : TKV40_v5.0-en.img\n"
    "TKV40 : v5.0 : French : TKV40_v5.0-fr.img\n"
    "TKV40 : v5.0 : German : TKV40_v5.0-de.img\n";

// Keeps each transfer the page asks for until the test answers it.
class HeldTransfer : public CBackupTransfer {
public:
    void FetchList(const CString& url, const BackupListQuery& query, HWND notify) override {
        ++lists;
        listUrl = url;
        listQuery = query;
        window = notify;
    }
    void FetchImage(const CString& url, const CString& localPath, HWND notify) override {
        ++images;
        imageUrl = url;
        imagePath = localPath;
        window = notify;
    }
    void AnswerList(const std::string& text) {
        auto* answer = new BackupListDownload();
        answer->bytes = (int)text.size();
        answer->scan = ScanFetchedBackupList(text, listQuery);
        ::PostMessageW(window, WM_BACKUP_LIST_DONE, 0, (LPARAM)answer);
    }
    void AnswerImage(WPARAM code) { ::PostMessageW(window, WM_BACKUP_DOWNLOAD_DONE, code, 0); }

    int lists = 0, images = 0;
    CString listUrl, imageUrl, imagePath;
    BackupListQuery listQuery;
    HWND window = nullptr;
};

// What a state says about the page and the wizard.
struct PageState {
    bool busy;
    bool archiveRead;
    bool backupAvailable;
    bool actionEnabled;
    bool informationShown;  // version, date and rows
    bool comboFilled;
    int step;               // the record's step word
    bool statusError;       // -: not looked at
};

std::ostream& operator<<(std::ostream& os, const PageState& s) {
    return os << "busy " << s.busy << ", archive read " << s.archiveRead << ", backup " << s.backupAvailable
              << ", ACTION " << s.actionEnabled << ", information " << s.informationShown << ", combo "
              << s.comboFilled << ", step " << s.step << ", error " << s.statusError;
}

bool operator==(const PageState& a, const PageState& b) {
    return a.busy == b.busy && a.archiveRead == b.archiveRead && a.backupAvailable == b.backupAvailable &&
           a.actionEnabled == b.actionEnabled && a.informationShown == b.informationShown &&
           a.comboFilled == b.comboFilled && a.step == b.step && a.statusError == b.statusError;
}

//                                   busy   read   backup ACTION info   combo  step              error
const PageState kEntered         = {true,  false, true,  false, false, false, FW_STEP_IDLE,     false};
const PageState kArchiveRead     = {true,  true,  false, false, false, false, FW_STEP_IDLE,     false};
const PageState kListFetched     = {false, true,  true,  true,  true,  true,  FW_STEP_IDLE,     false};
const PageState kNoBackup        = {false, true,  false, false, false, false, FW_STEP_IDLE,     true};
const PageState kDownloading     = {true,  true,  true,  false, true,  true,  FW_STEP_DOWNLOAD, false};
const PageState kDownloadFailed  = {false, true,  true,  true,  true,  true,  FW_STEP_IDLE,     true};

class RestoreStateTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        SetBackupTransferForTest(&m_transfer);
    }
    void TearDown() override {
        SetBackupTransferForTest(nullptr);
        WizardTest::TearDown();
    }
    static PageState Observe(CUpdaterDlg& dlg) {
        CDialogFirmwareRestore& page = dlg.m_restorePage;
        auto shown = [&](int id) { return ::IsWindowVisible(::GetDlgItem(page.m_hWnd, id)) != FALSE; };
        const bool info = shown(IDC_BACKUP_VERSION) && shown(IDC_BACKUP_DATE) && shown(BackupRowValueId(1));
        // Half-shown information is a fault of its own.
        EXPECT_EQ(info, shown(IDC_BACKUP_VERSION_LABEL) || shown(IDC_BACKUP_DATE_LABEL) || shown(BackupRowLabelId(1)));
        EXPECT_TRUE(shown(IDC_BACKUP_TITLE));
        return PageState{dlg.m_bBusy != FALSE,
                         page.m_bArchiveRead != FALSE,
                         page.m_firmwareInfo.m_bBackupAvailable != FALSE,
                         ::IsWindowEnabled(Item(dlg, IDC_ACTION)) != FALSE,
                         info,
                         page.m_comboVoicePrompt.GetCount() > 0,
                         page.m_firmwareInfo.m_nStep,
                         !dlg.m_bStatusOk};
    }
    // A step button does nothing while the page is busy: the page stays.
    static void TryToLeave(CUpdaterDlg& dlg) {
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_STEP_WELCOME, BN_CLICKED), (LPARAM)Item(dlg, IDC_STEP_WELCOME));
        EXPECT_EQ(PAGE_FIRMWARE_RESTORE, dlg.m_nPage);
    }
    void Enter(CUpdaterDlg& dlg) {
        Recognise(dlg, 0x4D10, kAllGroups);
        dlg.ShowFirmwareRestorePage(TRUE);
    }
    bool WaitFor(const std::function<bool()>& done) { return fw::test::PumpUntil(done, 10000); }

    HeldTransfer m_transfer;
};

}  // namespace

TEST_F(RestoreStateTest, AVisitGoesThroughTheStatesOfThePage) {
    WriteImageFile(L"TKV40.talvoarch", kArchive);
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.m_strFirmwareLanguage = L"English";
        Enter(dlg);
        EXPECT_EQ(kEntered, Observe(dlg)) << "entered";
        TryToLeave(dlg);

        // The page's timer reads the archive and asks for the list.
        ASSERT_TRUE(WaitFor([&] { return m_transfer.lists == 1; }));
        EXPECT_EQ(kArchiveRead, Observe(dlg)) << "archive read";
        EXPECT_EQ(m_transfer.listUrl.Right(10), CString(L"/Revisions"));
        TryToLeave(dlg);

        m_transfer.AnswerList(kList);
        ASSERT_TRUE(WaitFor([&] { return !dlg.m_bBusy; }));
        EXPECT_EQ(kListFetched, Observe(dlg)) << "list fetched";
        EXPECT_EQ(3, dlg.m_restorePage.m_comboVoicePrompt.GetCount());
        EXPECT_GT(dlg.m_restorePage.m_nSettingPageCount, 0);

        // RESTORE with the second voice prompt: the choice goes to the wizard.
        dlg.m_restorePage.m_comboVoicePrompt.SetCurSel(1);
        dlg.OnBnClickedAction();
        EXPECT_EQ(kDownloading, Observe(dlg)) << "downloading";
        EXPECT_EQ(1, m_transfer.images);
        EXPECT_EQ(m_transfer.imageUrl.Right(17), CString(L"TKV40_v5.0-fr.img"));
        EXPECT_EQ(m_transfer.imagePath, CString((m_folder + L"TKV40.img").c_str()));
        EXPECT_EQ(dlg.m_strFirmwareLanguage, CString(L"French"));
        EXPECT_FALSE(::IsWindowEnabled(dlg.m_restorePage.m_comboVoicePrompt.m_hWnd));
        TryToLeave(dlg);
        // A second RESTORE meanwhile starts nothing.
        dlg.m_restorePage.StartRestore();
        EXPECT_EQ(1, m_transfer.images);

        m_transfer.AnswerImage(BACKUP_DOWNLOAD_FAILED);
        ASSERT_TRUE(WaitFor([&] { return !dlg.m_bBusy; }));
        EXPECT_EQ(kDownloadFailed, Observe(dlg)) << "download failed";
        EXPECT_TRUE(::IsWindowEnabled(dlg.m_restorePage.m_comboVoicePrompt.m_hWnd));
        // A late answer of that download changes nothing.
        m_transfer.AnswerImage(BACKUP_DOWNLOAD_OK);
        fw::test::PumpFor(100);
        EXPECT_EQ(kDownloadFailed, Observe(dlg)) << "late answer";

        // RESTORE again, and this time the image arrives: handed to the update.
        dlg.OnBnClickedAction();
        EXPECT_EQ(kDownloading, Observe(dlg)) << "downloading again";
        WriteImageFile(L"TKV40.img", "image");
        m_transfer.AnswerImage(BACKUP_DOWNLOAD_OK);
        ASSERT_TRUE(WaitFor([&] { return dlg.m_restorePage.m_nLastDownloadResult == (int)BACKUP_DOWNLOAD_OK; }));
        EXPECT_TRUE(dlg.m_bBusy);  // until the update flow has ended
        EXPECT_EQ(&dlg.m_restorePage.m_firmwareInfo, dlg.m_updatePage.ActiveFirmwareInfo());
        EXPECT_EQ(dlg.m_restorePage.m_firmwareInfo.m_strFirmwarePath, m_transfer.imagePath);
        TryToLeave(dlg);
        // No headset is connected here: the update flow says so and goes
        // back to WELCOME, never busy for good.
        ASSERT_TRUE(fw::test::PumpUntil([&] { return !dlg.m_bBusy; }, 60000));
        ASSERT_FALSE(m_asked.empty());
        EXPECT_EQ(0, m_asked.back().text.Find(L"Recognized device is not connected"));
        EXPECT_EQ(PAGE_WELCOME, dlg.m_nPage);

        // Entering again starts over; without an archive the visit ends at once
        // in No backup, and the server is not asked.
        ::DeleteFileW((m_folder + L"TKV40.talvoarch").c_str());
        Enter(dlg);
        EXPECT_EQ(kEntered, Observe(dlg)) << "entered again";
        ASSERT_TRUE(WaitFor([&] { return !dlg.m_bBusy; }));
        EXPECT_EQ(kNoBackup, Observe(dlg)) << "no backup";
        EXPECT_EQ(1, m_transfer.lists);
    });
}
