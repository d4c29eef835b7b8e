// Start-up and stop of the real wizard: the configuration file, the WELCOME
// page, and the check for a newer program version against the local server.
#include "WizardHarness.h"
#include "app/AppTexts.h"
#include "framework/FileDialog.h"
#include "framework/TestSeams.h"
#include <atomic>
#include <thread>
#include "texts/WizardTexts.h"

namespace {

const char kSoftwarePath[] = "/zarnbluetoothmanager/x64/Software";
const char kInstallerPath[] = "/zarnbluetoothmanager/x64/Setup_v1.1.exe";

}  // namespace

TEST_F(WizardTest, StartsOnWelcomeWithTheStoredLanguageAndTarget) {
    WriteImageFile(L"MorvexBluetoothDeviceManager.talvoconf",
                   "keyManagerVersion=0.9\nkeyManagerLanguage=2\nkeyApplyToFirmwareLanguage=0\n"
                   "keyDeviceTarget=21792\nkeyFirmwareLanguage=German\nkeyCurrentPath=C:\\fw\\\n");
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(dlg.m_nPage, PAGE_WELCOME);
        EXPECT_EQ(dlg.m_nLanguage, 2);
        EXPECT_FALSE(dlg.m_bApplyToFirmwareLanguage);
        EXPECT_EQ(dlg.m_nTargetModel, 0x5520);
        EXPECT_EQ(dlg.m_strFirmwareLanguage, L"German");
        EXPECT_EQ(dlg.m_strCurrentPath, L"C:\\fw\\");
        CString expected, shown;
        GetTextPageInstruction(expected, PAGE_WELCOME, 0, 2);
        dlg.GetStatusText(&shown);
        EXPECT_EQ(shown, expected);
        EXPECT_TRUE(dlg.m_bStatusOk);
        EXPECT_TRUE(dlg.m_selectionPage.IsWindowVisible());
    });
}

TEST_F(WizardTest, CloseWritesTheConfigurationThatTheNextStartReads) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.ApplyLanguage(8, FALSE);
        dlg.m_nTargetModel = 0x4D10;
        dlg.m_strFirmwareLanguage = L"Russian";
        dlg.m_strCurrentPath = L"D:\\images\\";
        dlg.SendMessage(WM_CLOSE);
        EXPECT_FALSE(dlg.m_hWnd && dlg.IsWindowVisible());
    });
    std::wstring written = ReadImageFile(L"MorvexBluetoothDeviceManager.talvoconf");
    EXPECT_NE(written.find(L"keyManagerLanguage=8\n"), std::wstring::npos) << written;
    EXPECT_NE(written.find(L"keyApplyToFirmwareLanguage=0\n"), std::wstring::npos);
    EXPECT_NE(written.find(L"keyDeviceTarget=19728\n"), std::wstring::npos);
    EXPECT_NE(written.find(L"keyFirmwareLanguage=Russian\n"), std::wstring::npos);
    EXPECT_NE(written.find(L"keyCurrentPath=D:\\images\\\n"), std::wstring::npos);

    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(dlg.m_nLanguage, 8);
        EXPECT_EQ(dlg.m_nTargetModel, 0x4D10);
        EXPECT_EQ(dlg.m_strCurrentPath, L"D:\\images\\");
    });
}

TEST_F(WizardTest, DamagedConfigurationLeavesTheDefaults) {
    WriteImageFile(L"MorvexBluetoothDeviceManager.talvoconf",
                   std::string("\xFF\xFE\x00keyManagerLanguage=77\n\x01\x02=\x03keyDeviceTarget=zz\n", 41));
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(dlg.m_nLanguage, 0);
        EXPECT_EQ(dlg.m_nTargetModel, 0);
        EXPECT_EQ(dlg.m_nPage, PAGE_WELCOME);
    });
}

struct DialogSearch {
    HWND except;
    HWND found;
};

BOOL CALLBACK FindOtherDialog(HWND wnd, LPARAM param) {
    auto* search = (DialogSearch*)param;
    wchar_t cls[32] = {};
    ::GetClassNameW(wnd, cls, 32);
    if (wnd != search->except && ::IsWindowVisible(wnd) && wcscmp(cls, L"#32770") == 0) {
        search->found = wnd;
        return FALSE;
    }
    return TRUE;
}

// Cancels the first dialog other than the wizard that the given thread
// shows; returns whether it saw one within the time.
bool CancelDialogOf(DWORD threadId, HWND wizard, DWORD ms, std::atomic<bool>& stop) {
    DWORD start = ::GetTickCount();
    while (!stop && ::GetTickCount() - start < ms) {
        DialogSearch search{wizard, nullptr};
        ::EnumThreadWindows(threadId, FindOtherDialog, (LPARAM)&search);
        if (search.found) {
            ::PostMessageW(search.found, WM_COMMAND, IDCANCEL, 0);
            return true;
        }
        ::Sleep(50);
    }
    return false;
}

// A current folder longer than the system's path limit (a damaged or edited
// file) is no folder: it is dropped at start, and the diagnostic log's real
// save dialog opens in the image folder instead of failing on it.
TEST_F(WizardTest, OverlongCurrentFolderIsDroppedAndTheLogDialogStillOpens) {
    std::string path = "C:\\" + std::string(996, 'a') + "\\";
    WriteImageFile(L"MorvexBluetoothDeviceManager.talvoconf",
                   "keyManagerLanguage=3\nkeyCurrentPath=" + path + "\nkeyFirmwareLanguage=" + std::string(5000, 'F') +
                       "\n");
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(dlg.m_nLanguage, 3);  // the good values are kept
        EXPECT_TRUE(dlg.m_strCurrentPath.IsEmpty());
        EXPECT_EQ(dlg.m_strFirmwareLanguage, L"English");

        CString initialDir;
        fw::test::SetFileDialogAnswer([&](CFileDialog& fd) -> std::optional<CString> {
            initialDir = fd.m_initialDir;
            return std::nullopt;
        });
        dlg.SendMessage(WM_COMMAND, ID_MENU_DIAGNOSTIC_LOG);
        EXPECT_EQ(std::wstring(initialDir), m_folder);

        // Even a path put there while running never reaches the dialog.
        dlg.m_strCurrentPath = CString(path.c_str());
        dlg.SendMessage(WM_COMMAND, ID_MENU_DIAGNOSTIC_LOG);
        EXPECT_EQ(std::wstring(initialDir), m_folder);

        // The system's own dialog, opened and cancelled.
        fw::test::SetFileDialogAnswer(nullptr);
        std::atomic<bool> stop{false};
        std::atomic<bool> seen{false};
        DWORD ui = ::GetCurrentThreadId();
        HWND wizard = dlg.m_hWnd;
        std::thread closer([&] { seen = CancelDialogOf(ui, wizard, 30000, stop); });
        dlg.SendMessage(WM_COMMAND, ID_MENU_DIAGNOSTIC_LOG);
        stop = true;
        closer.join();
        EXPECT_TRUE(seen);
        EXPECT_TRUE(dlg.IsWindowVisible());
        EXPECT_TRUE(m_asked.empty());  // cancelled: nothing saved, nothing said
    });
}

TEST_F(WizardTest, CloseIsRefusedWhileBusy) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.m_bBusy = TRUE;
        dlg.SendMessage(WM_CLOSE);
        dlg.SendMessage(WM_COMMAND, ID_MENU_EXIT);
        fw::test::PumpFor(50);
        EXPECT_TRUE(dlg.IsWindowVisible());
        EXPECT_EQ(ReadImageFile(L"MorvexBluetoothDeviceManager.talvoconf"), L"<missing>");
        dlg.m_bBusy = FALSE;
        dlg.SendMessage(WM_CLOSE);
    });
    EXPECT_NE(ReadImageFile(L"MorvexBluetoothDeviceManager.talvoconf"), L"<missing>");
}

// The program-version check.

TEST_F(WizardTest, SameVersionOnTheServerAsksNothing) {
    m_server.PutFile(kSoftwarePath, "MorvexBluetoothDeviceManager : v1.0 : x64/Setup_v1.1.exe : 10\n");
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_TRUE(m_asked.empty());
        EXPECT_EQ(dlg.m_selectionPage.m_bFirstShown, 1);
        EXPECT_EQ(dlg.m_nProgress, -1);
        // Shown again, the page does not check again.
        size_t before = m_server.Requests().size();
        dlg.ShowWelcomePage();
        EXPECT_FALSE(dlg.m_bBusy);
        fw::test::PumpFor(100);
        EXPECT_EQ(m_server.Requests().size(), before);
    });
}

TEST_F(WizardTest, UnreachableServerGivesTheWizardBackAndRetriesOnTheNextShow) {
    m_server.AddFault({fwserver::Fault::NotFound, "x64/Software"});
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(dlg.m_selectionPage.m_bFirstShown, 0);
        EXPECT_TRUE(m_asked.empty());
        dlg.ShowWelcomePage();
        EXPECT_TRUE(dlg.m_bBusy);  // the check runs again
        ASSERT_TRUE(WaitIdle(dlg));
        int checks = 0;
        for (const std::string& r : m_server.Requests()) checks += r.find("x64/Software") != std::string::npos;
        EXPECT_EQ(checks, 2);
    });
    m_server.Stop();
    m_serverRunning = false;
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(dlg.m_selectionPage.m_bFirstShown, 0);
        EXPECT_TRUE(::IsWindowEnabled(Item(dlg, IDC_NEXT)));
    });
}

TEST_F(WizardTest, NewerVersionIsDownloadedCheckedAndOpened) {
    const std::string installer = "MZ-installer-0123456789";
    m_server.PutFile(kSoftwarePath, "Other : v9.0 : x64/Other.exe\nMorvexBluetoothDeviceManager : v1.1 : "
                                    "x64/Setup_v1.1.exe : " + std::to_string(installer.size()) + "\n");
    m_server.PutFile(kInstallerPath, installer);
    std::vector<CString> opened;
    apptest::SetShellOpenHandler([&](const CString& target) {
        opened.push_back(target);
        return TRUE;
    });
    QueueAnswer(IDOK);  // download it
    QueueAnswer(IDOK);  // the installer starts
    bool ended = false;
    RunWizard([&](CUpdaterDlg& dlg) {
        ended = fw::test::PumpUntil([&] { return !dlg.IsInModalLoop() || !opened.empty(); }, 10000);
        fw::test::PumpFor(50);
    });
    EXPECT_TRUE(ended);
    ASSERT_EQ(m_asked.size(), 2u);
    EXPECT_NE(m_asked[0].text.Find(L"v1.1"), -1);
    EXPECT_EQ(m_asked[0].ok, L"YES");
    EXPECT_EQ(m_asked[0].cancel, L"NO");
    EXPECT_EQ(m_asked[0].link, L"Release Notes");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(std::wstring(opened[0]), m_folder + L"Setup_v1.1.exe");
    EXPECT_EQ(ReadImageFile(L"Setup_v1.1.exe"), std::wstring(installer.begin(), installer.end()));
    // The wizard closed for the installer and wrote its configuration.
    EXPECT_NE(ReadImageFile(L"MorvexBluetoothDeviceManager.talvoconf"), L"<missing>");
}

TEST_F(WizardTest, DownloadThatDoesNotMatchTheListIsDeletedAndNotOpened) {
    struct Case {
        const char* name;
        std::string listedSize;
        fwserver::Fault fault;
    };
    const Case cases[] = {
        {"size differs from the list", " : 999", fwserver::Fault::None},
        {"truncated body", "", fwserver::Fault::Truncated},
        {"missing installer", "", fwserver::Fault::NotFound},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_server.ClearFaults();
        m_asked.clear();
        m_server.PutFile(kSoftwarePath, "MorvexBluetoothDeviceManager : v2.0 : x64/Setup_v1.1.exe" + c.listedSize + "\n");
        m_server.PutFile(kInstallerPath, std::string(20000, 'x'));
        if (c.fault != fwserver::Fault::None) m_server.AddFault({c.fault, "Setup_v1.1.exe"});
        int opened = 0;
        apptest::SetShellOpenHandler([&](const CString&) { return ++opened, TRUE; });
        QueueAnswer(IDOK);
        RunWizard([&](CUpdaterDlg& dlg) {
            ASSERT_TRUE(fw::test::PumpUntil([&] { return dlg.m_selectionPage.m_bFirstShown && !dlg.m_bBusy; }, 10000));
            EXPECT_EQ(dlg.m_nProgress, -1);
            EXPECT_FALSE(dlg.m_bStatusOk);
            CString shown;
            dlg.GetStatusText(&shown);
            EXPECT_EQ(shown, apptext::Get(apptext::kProgramDownloadFailed, 0));
        });
        EXPECT_EQ(opened, 0);
        EXPECT_EQ(ReadImageFile(L"Setup_v1.1.exe"), L"<missing>");
    }
}

TEST_F(WizardTest, DeclinedNewVersionIsNotDownloaded) {
    m_server.PutFile(kSoftwarePath, "MorvexBluetoothDeviceManager : v3.0 : x64/Setup_v1.1.exe\n");
    m_server.PutFile(kInstallerPath, "abc");
    QueueAnswer(IDCANCEL);
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(dlg.m_selectionPage.m_bFirstShown, 1);
        EXPECT_EQ(m_asked.size(), 1u);
    });
    for (const std::string& r : m_server.Requests()) EXPECT_EQ(r.find("Setup_v1.1.exe"), std::string::npos);
}

// The check for a newer program holds the wizard while it asks the server:
// the picture or NEXT pressed meanwhile is carried out once it ends, unless
// the check asked the user about a newer version.
TEST_F(WizardTest, PictureOrNextPressedDuringTheVersionCheckWaitsForIt) {
    struct Case {
        const char* name;
        const char* list;  // the served list, or null for none
        int pressed;       // the control pressed
        bool goesOn;       // the recognition page follows
    };
    const Case cases[] = {
        {"picture, nothing newer", "MorvexBluetoothDeviceManager : v1.0 : x64/Setup_v1.1.exe\n", IDC_SELECTION_PICTURE, true},
        {"NEXT, nothing newer", "MorvexBluetoothDeviceManager : v1.0 : x64/Setup_v1.1.exe\n", IDC_NEXT, true},
        {"NEXT, no list", nullptr, IDC_NEXT, true},
        {"picture, newer version declined", "MorvexBluetoothDeviceManager : v3.0 : x64/Setup_v1.1.exe\n",
         IDC_SELECTION_PICTURE, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.list) m_server.PutFile(kSoftwarePath, c.list);
        else m_server.RemoveFile(kSoftwarePath);
        m_server.AddFault({fwserver::Fault::Slow, "x64/Software", 700});
        m_asked.clear();
        m_answers.clear();
        QueueAnswer(IDCANCEL);  // "no" to a newer version
        RunWizard([&](CUpdaterDlg& dlg) {
            ASSERT_TRUE(fw::test::PumpUntil([&] { return dlg.m_nPage == PAGE_WELCOME && dlg.m_bBusy; }, 5000));
            dlg.m_nTargetModel = 0x5520;
            HWND pressed = c.pressed == IDC_NEXT ? Item(dlg, IDC_NEXT)
                                                 : ::GetDlgItem(dlg.m_selectionPage.m_hWnd, IDC_SELECTION_PICTURE);
            EXPECT_TRUE(::IsWindowEnabled(pressed));
            ::SendMessageW(pressed, BM_CLICK, 0, 0);
            // Nothing happens while the check runs...
            EXPECT_EQ(dlg.m_nPage, PAGE_WELCOME);
            EXPECT_TRUE(dlg.m_bBusy);
            // ...and once it has ended, the press takes effect (or not).
            ASSERT_TRUE(WaitIdle(dlg));
            fw::test::PumpFor(50);
            if (c.goesOn) {
                EXPECT_EQ(dlg.m_nPage, PAGE_RECOGNITION);
                EXPECT_EQ(dlg.m_nTargetModel, 0x4D10);
                EXPECT_TRUE(m_asked.empty());
            } else {
                EXPECT_EQ(dlg.m_nPage, PAGE_WELCOME);
                EXPECT_EQ(m_asked.size(), 1u);
            }
            // While nothing is running the step buttons are as usual.
            EXPECT_FALSE(dlg.m_bBusy);
        });
        m_server.ClearFaults();
    }
}
