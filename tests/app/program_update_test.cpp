// The program's own update against a server that lists what it should not,
// answers slowly or is left by closing: no file the program did not make is
// touched, the window answers throughout, and the progress moves.
#include "WizardHarness.h"
#include "app/AppTexts.h"
#include "app/ProgramUpdateCheck.h"
#include "framework/TestSeams.h"
#include "framework/Thread.h"
#include "tests/app/ResponsivenessProbe.h"
#include <set>

namespace {

const char kSoftwarePath[] = "/zarnbluetoothmanager/x64/Software";
const char kInstallerPath[] = "/zarnbluetoothmanager/x64/Setup_v1.1.exe";

class ProgramUpdateTest : public WizardTest {
protected:
    // The names in the image folder, the configuration file left out.
    std::set<std::wstring> Files() {
        std::set<std::wstring> names;
        WIN32_FIND_DATAW fd;
        HANDLE h = ::FindFirstFileW((m_folder + L"*").c_str(), &fd);
        if (h == INVALID_HANDLE_VALUE) return names;
        do {
            std::wstring name = fd.cFileName;
            if (name != L"." && name != L".." && name != L"MorvexBluetoothDeviceManager.talvoconf") names.insert(name);
        } while (::FindNextFileW(h, &fd));
        ::FindClose(h);
        return names;
    }
    // The folder once the transfers still ending have ended (bounded).
    std::set<std::wstring> SettledFiles(const std::set<std::wstring>& expected) {
        fw::test::PumpUntil([&] { return Files() == expected; }, 5000);
        return Files();
    }
    void Offer(const std::string& file, const std::string& size = "") {
        m_server.PutFile(kSoftwarePath, "MorvexBluetoothDeviceManager : v2.0 : " + file + size + "\n");
    }
    void Fault(fwserver::Fault fault, const std::string& part, DWORD delayMs = 0, const std::string& location = "") {
        fwserver::FaultRule rule;
        rule.fault = fault;
        rule.pathPart = part;
        rule.delayMs = delayMs;
        rule.location = location;
        m_server.AddFault(rule);
    }
    static bool Downloading(CUpdaterDlg& dlg) { return dlg.m_bBusy && dlg.m_nProgress >= 0; }
};

TEST_F(ProgramUpdateTest, AListEntryThatIsNoInstallerIsNeverOfferedNorTouched) {
    // Files of the image folder named by the list: a settings archive, and
    // a name Windows treats as a device.
    WriteImageFile(L"Settings_4D10.bak", "the user's settings");
    m_server.PutFile("/zarnbluetoothmanager/Settings_4D10.bak", "from the server");
    const std::string entries[] = {"Settings_4D10.bak", "NUL.exe", "x64/Setup.exe.", "%2e%2e/Setup.exe", "x64/COM1"};
    for (const std::string& entry : entries) {
        SCOPED_TRACE(entry);
        m_asked.clear();
        Offer(entry);
        RunWizard([&](CUpdaterDlg& dlg) {
            ASSERT_TRUE(WaitIdle(dlg));
            EXPECT_EQ(dlg.m_selectionPage.m_bFirstShown, 1);
        });
        EXPECT_TRUE(m_asked.empty());
        EXPECT_EQ(ReadImageFile(L"Settings_4D10.bak"), L"the user's settings");
        EXPECT_EQ(Files(), std::set<std::wstring>{L"Settings_4D10.bak"});
    }
    for (const std::string& r : m_server.Requests()) EXPECT_EQ(r.find("Settings_4D10"), std::string::npos) << r;
}

TEST_F(ProgramUpdateTest, AnInstallerNameThatIsTakenKeepsTheFileThatWasThere) {
    WriteImageFile(L"Setup_v1.1.exe", "someone else's");
    const std::string installer = "MZ-the-new-installer";
    m_server.PutFile(kInstallerPath, installer);

    // Failed: only what the download made goes, the file that was there stays.
    Offer("x64/Setup_v1.1.exe");
    Fault(fwserver::Fault::Truncated, "Setup_v1.1.exe");
    QueueAnswer(IDOK);
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(fw::test::PumpUntil([&] { return dlg.m_selectionPage.m_bFirstShown && !dlg.m_bBusy; }, 10000));
        CString shown;
        dlg.GetStatusText(&shown);
        EXPECT_EQ(shown, apptext::Get(apptext::kProgramDownloadFailed, 0));
    });
    EXPECT_EQ(ReadImageFile(L"Setup_v1.1.exe"), L"someone else's");
    EXPECT_EQ(SettledFiles({L"Setup_v1.1.exe"}), std::set<std::wstring>{L"Setup_v1.1.exe"});

    // Complete: it goes beside it under a name of its own, and that is opened.
    m_server.ClearFaults();
    Offer("x64/Setup_v1.1.exe", " : " + std::to_string(installer.size()));
    std::vector<CString> opened;
    apptest::SetShellOpenHandler([&](const CString& target) {
        opened.push_back(target);
        return TRUE;
    });
    QueueAnswer(IDOK);
    QueueAnswer(IDOK);
    RunWizard([&](CUpdaterDlg& dlg) {
        fw::test::PumpUntil([&] { return !dlg.IsInModalLoop() || !opened.empty(); }, 10000);
    });
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(std::wstring(opened[0]), m_folder + L"Setup_v1.1 (2).exe");
    EXPECT_EQ(ReadImageFile(L"Setup_v1.1 (2).exe"), std::wstring(installer.begin(), installer.end()));
    EXPECT_EQ(ReadImageFile(L"Setup_v1.1.exe"), L"someone else's");
}

TEST_F(ProgramUpdateTest, AnInstallerOrListElsewhereThanTheServerIsNotFetched) {
    const std::string elsewhere =
        "http://localhost:" + std::to_string(m_server.Port()) + "/zarnbluetoothmanager/x64/Other.exe";
    m_server.PutFile("/zarnbluetoothmanager/x64/Other.exe", "MZ-elsewhere");
    m_server.PutFile(kInstallerPath, "MZ");
    Offer("x64/Setup_v1.1.exe");
    Fault(fwserver::Fault::Redirect, "Setup_v1.1.exe", 0, elsewhere);
    QueueAnswer(IDOK);
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(fw::test::PumpUntil([&] { return dlg.m_selectionPage.m_bFirstShown && !dlg.m_bBusy; }, 10000));
        EXPECT_FALSE(dlg.m_bStatusOk);
    });
    EXPECT_TRUE(SettledFiles({}).empty());
    for (const std::string& r : m_server.Requests()) EXPECT_EQ(r.find("Other.exe"), std::string::npos) << r;

    // The list itself moved elsewhere counts as no list.
    m_server.ClearFaults();
    m_asked.clear();
    Fault(fwserver::Fault::Redirect, "x64/Software", 0,
          "http://localhost:" + std::to_string(m_server.Port()) + "/zarnbluetoothmanager/x64/Software");
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(dlg.m_selectionPage.m_bFirstShown, 0);
    });
    EXPECT_TRUE(m_asked.empty());
}

TEST_F(ProgramUpdateTest, AVersionCheckWhoseThreadCannotStartEndsLikeAFailedFetch) {
    m_server.PutFile(kInstallerPath, std::string(5000, 'M'));
    Offer("x64/Setup_v1.1.exe");
    RunWizard([&](CUpdaterDlg& dlg) {
        // Shown, before the first tick: the next thread is the version check's.
        fw::test::FailThreadStarts(1);
        ASSERT_TRUE(WaitIdle(dlg));
        fw::test::FailThreadStarts(0);
        EXPECT_EQ(dlg.m_selectionPage.m_bFirstShown, 0);
    });
    EXPECT_TRUE(m_asked.empty());  // no newer version offered
    for (const std::string& r : m_server.Requests()) EXPECT_EQ(r.find("Software"), std::string::npos) << r;
}

TEST_F(ProgramUpdateTest, TheWindowAnswersWhileTheListIsSlowAndTheProgressRisesDuringTheDownload) {
    // The list takes most of a second to come.
    Fault(fwserver::Fault::Slow, "x64/Software", 800);
    const std::string installer(96 * 1024, 'M');
    m_server.PutFile(kInstallerPath, installer);
    Offer("x64/Setup_v1.1.exe", " : 1");  // listed with another size: never opened
    // The installer arrives in small pieces over about two seconds.
    Fault(fwserver::Fault::Slow, "Setup_v1.1.exe", 10);
    QueueAnswer(IDOK);
    std::set<int> seen;
    DWORD slowest = 0;
    int samples = 0;
    RunWizard([&](CUpdaterDlg& dlg) {
        pkgtest::ResponsivenessProbe probe(dlg.m_hWnd);
        ASSERT_TRUE(fw::test::PumpUntil([&] { return Downloading(dlg); }, 10000));
        EXPECT_EQ(dlg.m_selectionPage.m_bFirstShown, 1);
        fw::test::PumpUntil([&] {
            if (Downloading(dlg)) seen.insert(dlg.m_nProgress);
            return !dlg.m_bBusy;
        }, 15000);
        slowest = probe.Stop();
        samples = probe.Samples();
    });
    EXPECT_LT(slowest, 100u);
    EXPECT_GT(samples, 10);
    int between = 0;
    for (int p : seen) between += p > 0 && p < 100;
    EXPECT_GE(between, 2) << "the progress stayed where it was";
    EXPECT_TRUE(SettledFiles({}).empty());
}

// The version list is a list like the others: over 1 MB it is no list, and
// a server that ends it by closing the connection still gives it.
TEST_F(ProgramUpdateTest, TheVersionListIsBoundLikeEveryListAndMayEndWithTheClose) {
    std::string list = "MorvexBluetoothDeviceManager : v2.0 : x64/Setup_v1.1.exe\n";
    while (list.size() <= 1024 * 1024) list += "OtherProgram : v1.0 : x64/Other_v1.0.exe\n";
    m_server.PutFile(kSoftwarePath, list);
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(dlg.m_selectionPage.m_bFirstShown, 0);
    });
    EXPECT_TRUE(m_asked.empty());

    list.resize(list.rfind('\n', 1024 * 1024) + 1);
    m_server.PutFile(kSoftwarePath, list);
    Fault(fwserver::Fault::NoLength, "x64/Software");
    QueueAnswer(IDCANCEL);  // not now
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        EXPECT_EQ(dlg.m_selectionPage.m_bFirstShown, 1);
    });
    EXPECT_EQ(m_asked.size(), 1u);
}

// An installer that ends with the close is taken only where the list gives
// its size: a connection that breaks early never hands over a cut one.
TEST_F(ProgramUpdateTest, AnInstallerWithoutALengthNeedsTheSizeFromTheList) {
    const std::string installer = "MZ-the-whole-installer";
    m_server.PutFile(kInstallerPath, installer);
    std::vector<CString> opened;
    apptest::SetShellOpenHandler([&](const CString& target) {
        opened.push_back(target);
        return TRUE;
    });
    struct Case {
        const char* what;
        fwserver::Fault fault;
        std::string size;
        bool opened;
    } cases[] = {
        {"cut, no size listed", fwserver::Fault::NoLengthCut, "", false},
        {"whole, size listed", fwserver::Fault::NoLength, " : " + std::to_string(installer.size()), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_server.ClearFaults();
        Fault(c.fault, "Setup_v1.1.exe");
        Offer("x64/Setup_v1.1.exe", c.size);
        opened.clear();
        QueueAnswer(IDOK);
        QueueAnswer(IDOK);
        RunWizard([&](CUpdaterDlg& dlg) {
            fw::test::PumpUntil([&] { return !opened.empty() || (dlg.m_selectionPage.m_bFirstShown && !dlg.m_bBusy); },
                                10000);
            if (!c.opened) {
                CString shown;
                dlg.GetStatusText(&shown);
                EXPECT_EQ(shown, apptext::Get(apptext::kProgramDownloadFailed, 0));
            }
        });
        EXPECT_EQ(opened.size(), c.opened ? 1u : 0u);
        if (c.opened) EXPECT_EQ(ReadImageFile(L"Setup_v1.1.exe"), std::wstring(installer.begin(), installer.end()));
        else EXPECT_TRUE(SettledFiles({}).empty());
        ::DeleteFileW((m_folder + L"Setup_v1.1.exe").c_str());
    }
}

TEST_F(ProgramUpdateTest, ClosingTheWizardCancelsTheDownload) {
    m_server.PutFile(kInstallerPath, std::string(5000, 'M'));
    Offer("x64/Setup_v1.1.exe");
    Fault(fwserver::Fault::StallAfterHeaders, "Setup_v1.1.exe");
    QueueAnswer(IDOK);
    const wchar_t kConfig[] = L"MorvexBluetoothDeviceManager.talvoconf";
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(fw::test::PumpUntil([&] { return Downloading(dlg); }, 10000));
        fw::test::PumpFor(100);
        EXPECT_EQ(ReadImageFile(kConfig), L"<missing>");
        dlg.SendMessage(WM_CLOSE);
        // Closed as on any close: the configuration is written.
        EXPECT_NE(ReadImageFile(kConfig), L"<missing>");
        EXPECT_FALSE(dlg.m_selectionPage.m_updateCheck.IsDownloading());
    });
    std::set<std::wstring> left = SettledFiles({});
    EXPECT_TRUE(left.empty()) << std::string(left.begin()->begin(), left.begin()->end());

    // While the wizard is busy with anything else, closing is still refused.
    ::DeleteFileW((m_folder + kConfig).c_str());
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.m_bBusy = TRUE;
        dlg.SendMessage(WM_CLOSE);
        EXPECT_EQ(ReadImageFile(kConfig), L"<missing>");
        dlg.m_bBusy = FALSE;
    });
}

TEST(FreeInstallerPathTest, TakesTheFirstNameNoFileHas) {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    CString folder;
    folder.Format(L"%sfree_installer_%lu\\", temp, ::GetCurrentProcessId());
    ::CreateDirectoryW(folder, nullptr);
    EXPECT_EQ(FreeInstallerPath(folder, L"Setup.exe"), folder + L"Setup.exe");
    ::CloseHandle(::CreateFileW(folder + L"Setup.exe", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    ::CreateDirectoryW(folder + L"Setup (2).exe", nullptr);
    EXPECT_EQ(FreeInstallerPath(folder, L"Setup.exe"), folder + L"Setup (3).exe");
    ::DeleteFileW(folder + L"Setup.exe");
    ::RemoveDirectoryW(folder + L"Setup (2).exe");
    ::RemoveDirectoryW(folder);
}

}  // namespace
