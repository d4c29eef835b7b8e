// The program's message box in every form, shown for real and answered by
// pressing its buttons, and the diagnostic log.
#include "WizardHarness.h"
#include "app/DiagnosticLog.h"
#include "app/DialogMessageBox.h"
#include "app/ShellOpen.h"
#include "app/resource.h"
#include "framework/FileDialog.h"
#include "framework/TestSeams.h"
#include <regex>

// Reads what the save dialog was given.
struct FileDialogAccess {
    static CString Filter(const CFileDialog& d) { return d.m_filter; }
};

namespace {

// Shows boxes for real: the seam answers only the boxes the test queues.
struct ShownBox {
    bool ok = false, cancel = false, link = false;
    RECT client{};
    RECT text{};
};

bool Visible(CDialog& d, int id) { return ::IsWindowVisible(::GetDlgItem(d.m_hWnd, id)) != FALSE; }

}  // namespace

class MessageBoxTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        // Let every message box show itself.
        fw::test::SetModalAnswer([](CDialog&) -> std::optional<INT_PTR> { return std::nullopt; });
    }
    // Runs a box modally; onShown runs once it is on the screen.
    INT_PTR Show(CDialogMessageBox& box, const std::function<void(CDialog&)>& onShown, ShownBox* seen = nullptr) {
        WhenShown(&box, [&](CDialog& d) {
            if (seen) {
                seen->ok = Visible(d, IDOK);
                seen->cancel = Visible(d, IDCANCEL);
                seen->link = Visible(d, IDC_MSG_LINK);
                ::GetClientRect(d.m_hWnd, &seen->client);
                ::GetWindowRect(::GetDlgItem(d.m_hWnd, IDC_MSG_TEXT), &seen->text);
                ::MapWindowPoints(nullptr, d.m_hWnd, (POINT*)&seen->text, 2);
            }
            onShown(d);
        });
        return box.DoModal();
    }
};

TEST_F(MessageBoxTest, ButtonsFollowTheCaptionsGiven) {
    struct Case {
        const wchar_t* link;
        const wchar_t* cancel;
        const wchar_t* ok;
    };
    const Case cases[] = {
        {nullptr, nullptr, L"OK"},
        {nullptr, L"NO", L"YES"},
        {L"Release Notes", L"NO", L"YES"},
        {nullptr, nullptr, nullptr},  // a wait box without buttons
    };
    for (const Case& c : cases) {
        CDialogMessageBox box;
        CSize size(400, 130);
        box.SetupEx(L"Text", 1, c.link, c.cancel, c.ok, &size, FALSE);
        ShownBox seen;
        Show(box, [](CDialog& d) { d.EndDialog(IDABORT); }, &seen);
        EXPECT_EQ(seen.ok, c.ok != nullptr);
        EXPECT_EQ(seen.cancel, c.cancel != nullptr);
        EXPECT_EQ(seen.link, c.link != nullptr);
        EXPECT_EQ(seen.client.right, 400);
        EXPECT_EQ(seen.client.bottom, 130);
    }
}

TEST_F(MessageBoxTest, EscapeEndsOnlyABoxWithCancel) {
    CDialogMessageBox withCancel;
    withCancel.Setup(L"Save?", 0, L"NO", L"YES", nullptr);
    EXPECT_EQ(Show(withCancel, [](CDialog& d) { d.SendMessage(WM_COMMAND, IDCANCEL); }), IDCANCEL);

    CDialogMessageBox okOnly;
    okOnly.Setup(L"Done", 0, nullptr, L"OK", nullptr);
    INT_PTR result = Show(okOnly, [](CDialog& d) {
        d.SendMessage(WM_COMMAND, IDCANCEL);  // Esc
        EXPECT_TRUE(d.IsWindowVisible());
        d.SendMessage(WM_COMMAND, IDOK);
    });
    EXPECT_EQ(result, IDOK);
}

TEST_F(MessageBoxTest, LongTextGrowsTheBoxInsteadOfBeingClipped) {
    CString text;
    for (int i = 0; i < 30; ++i) text += L"A rather long sentence of the help text. ";
    CDialogMessageBox box;
    CSize size(400, 130);
    box.Setup(text, 0, nullptr, L"OK", &size);
    ShownBox seen;
    Show(box, [](CDialog& d) { d.EndDialog(IDOK); }, &seen);
    EXPECT_EQ(seen.client.right, 400);
    EXPECT_GT(seen.client.bottom, 130);
    EXPECT_LT(seen.text.bottom, seen.client.bottom - 28);  // above the buttons
}

TEST_F(MessageBoxTest, OkClearsTheThreadWaitAndCanWaitBeforeClosing) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.m_bThreadWait = TRUE;
        CDialogMessageBox box(&dlg);
        box.Setup(dlg.m_strCurrentPath + L"backup failed", 1, nullptr, L"OK", nullptr);
        EXPECT_EQ(Show(box, [](CDialog& d) { d.SendMessage(WM_COMMAND, IDOK); }), IDOK);
        EXPECT_FALSE(dlg.m_bThreadWait);

        // After a camera update OK waits (10 s of clock time) before it closes.
        dlg.m_bWaitBeforeOk = TRUE;
        CDialogMessageBox wait(&dlg);
        wait.Setup(L"Disconnect the camera", 1, nullptr, L"OK", nullptr);
        DWORD closedAfter = 0;
        EXPECT_EQ(Show(wait,
                       [&](CDialog& d) {
                           DWORD start = fw::Clock::GetTickCount();
                           d.SendMessage(WM_COMMAND, IDOK);
                           EXPECT_TRUE(d.IsWindowVisible());
                           EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(d.m_hWnd, IDOK)));
                           d.SendMessage(WM_COMMAND, IDOK);  // a second press changes nothing
                           EXPECT_TRUE(fw::test::PumpUntil([&] { return !d.IsWindowVisible(); }, 5000));
                           closedAfter = fw::Clock::GetTickCount() - start;
                                          }),
                  IDOK);
        EXPECT_GE(closedAfter, 9000u);
        EXPECT_FALSE(dlg.m_bWaitBeforeOk);
    });
}

TEST_F(MessageBoxTest, WaitBoxIsModelessAndClosedByItsOwner) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        CDialogMessageBox* box = new CDialogMessageBox(&dlg);
        CString text;
        dlg.m_nTargetModel = 0x5520;
        dlg.GetPressAndHoldText(&text);
        CSize size(400, 110);
        box->Setup(text, 1, nullptr, nullptr, &size);
        ASSERT_TRUE(box->CreateWaitBox(&dlg));
        EXPECT_TRUE(box->IsWindowVisible());
        EXPECT_FALSE(box->IsModal());
        RECT b, m;
        box->GetWindowRect(&b);
        dlg.GetWindowRect(&m);
        EXPECT_NEAR((b.left + b.right) / 2, (m.left + m.right) / 2, 2);
        EXPECT_NEAR((b.top + b.bottom) / 2, (m.top + m.bottom) / 2, 2);
        box->PostMessage(WM_CLOSE);
        fw::test::PumpFor(50);
        EXPECT_FALSE(box->IsWindowVisible());
        box->DestroyWindow();
        delete box;
        EXPECT_TRUE(dlg.IsWindowVisible());
    });
}

TEST_F(MessageBoxTest, LinkButtonOpensTheReleaseNotesAndOwnerCanBeTheGrandparent) {
    std::vector<CString> opened;
    apptest::SetShellOpenHandler([&](const CString& t) { return opened.push_back(t), TRUE; });
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        CDialogMessageBox box(&dlg.m_settingPage);
        box.SetupEx(L"Help", 0, L"Release Notes", nullptr, L"OK", nullptr, TRUE);
        EXPECT_EQ(box.m_pParentWnd, &dlg);  // the page's parent's parent
        EXPECT_EQ(Show(box,
                       [](CDialog& d) {
                           d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MSG_LINK, BN_CLICKED),
                                         (LPARAM)::GetDlgItem(d.m_hWnd, IDC_MSG_LINK));
                           EXPECT_TRUE(d.IsWindowVisible());
                           d.SendMessage(WM_COMMAND, IDOK);
                       }),
                  IDOK);
    });
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_NE(opened[0].Find(L"/zarnbluetoothmanager/ReleaseNotes"), -1);
}

TEST_F(MessageBoxTest, MainDialogTextsAreInTheUiLanguage) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.m_nTargetModel = 0x4D10;
        CString text;
        dlg.GetPressAndHoldText(&text);
        EXPECT_EQ(text, L"Press and hold the Phone Button until this message disappears.");
        dlg.GetPressAndHoldTwoKeysText(&text);
        EXPECT_EQ(text, L"Press and hold the Phone Button and (+) Button until this message disappears.");
        dlg.GetDiagnosticLogMenuText(&text);
        EXPECT_EQ(text, L"Diagnostic Log");
        dlg.GetBackupFailedText(&text);
        EXPECT_NE(text.Find(L"TKV40"), -1);
        dlg.ApplyLanguage(2, TRUE);
        dlg.GetDiagnosticLogMenuText(&text);
        EXPECT_EQ(text, L"Diagnoseprotokoll");
    });
}

TEST_F(WizardTest, DiagnosticLogHasItsFourSectionsAndIsSavedWhereChosen) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x4D10, 1 << 1);
        dlg.m_deviceRecord.m_strBdAddress = L"0012:6F:123456";
        CDiagnosticLog log;
        log.Collect(dlg);
        std::wstring text = log.Text().GetString();
        size_t manager = text.find(L"[Manager Information]\n");
        size_t device = text.find(L"[Device Information]\n");
        size_t windows = text.find(L"[Windows Information]\n");
        size_t usb = text.find(L"[USB Information]\n");
        ASSERT_NE(manager, std::wstring::npos);
        ASSERT_NE(device, std::wstring::npos);
        ASSERT_NE(windows, std::wstring::npos);
        ASSERT_NE(usb, std::wstring::npos);
        EXPECT_LT(manager, device);
        EXPECT_LT(device, windows);
        EXPECT_LT(windows, usb);
        EXPECT_NE(text.find(L"TargetModel=0x4D10 TKV40\n"), std::wstring::npos);
        EXPECT_NE(text.find(L"BdAddress=0012:6F:123456\n"), std::wstring::npos);
        EXPECT_NE(text.find(L"FirmwareVersion=1.2.0.0\n"), std::wstring::npos);
        EXPECT_NE(text.find(L"Platform="), std::wstring::npos);
        EXPECT_NE(text.find(L"DfuDevices="), std::wstring::npos);
        std::wstring name = log.DefaultFileName().GetString();
        EXPECT_TRUE(std::regex_match(name, std::wregex(L"\\d{8}_\\d{6}_DiagnosticLog\\.talvolog"))) << name.c_str();

        // From the menu: saved where the user chose, and the folder is remembered.
        std::wstring chosen = m_folder + L"support.talvolog";
        CString filter;
        fw::test::SetFileDialogAnswer([&](CFileDialog& fd) -> std::optional<CString> {
            EXPECT_FALSE(fd.IsOpenDialog());
            filter = FileDialogAccess::Filter(fd);
            return CString(chosen.c_str());
        });
        dlg.SendMessage(WM_COMMAND, ID_MENU_DIAGNOSTIC_LOG);
        std::wstring saved = ReadImageFile(L"support.talvolog");
        EXPECT_NE(saved.find(L"[USB Information]"), std::wstring::npos);
        EXPECT_EQ(std::wstring(dlg.m_strCurrentPath), m_folder);
        EXPECT_EQ(filter, L"Diagnostic log files (*.talvolog)|*.talvolog||");
        // The box says where the log went.
        ASSERT_EQ(m_asked.size(), 1u);
        EXPECT_EQ(std::wstring(m_asked[0].text), L"The diagnostic log has been saved to:\n" + chosen);

        // A place that cannot be written is reported; Cancel writes nothing.
        chosen = m_folder + L"no_such_folder\\x.talvolog";
        dlg.SendMessage(WM_COMMAND, ID_MENU_DIAGNOSTIC_LOG);
        ASSERT_EQ(m_asked.size(), 2u);
        EXPECT_EQ(m_asked[1].text, L"The diagnostic log could not be saved.");
        EXPECT_NE(m_asked[1].iconKind, 0);
        fw::test::SetFileDialogAnswer([](CFileDialog&) -> std::optional<CString> { return std::nullopt; });
        dlg.SendMessage(WM_COMMAND, ID_MENU_DIAGNOSTIC_LOG);
        EXPECT_EQ(m_asked.size(), 2u);
        // The file type is named in the UI language.
        dlg.ApplyLanguage(10, TRUE);
        fw::test::SetFileDialogAnswer([&](CFileDialog& fd) -> std::optional<CString> {
            filter = FileDialogAccess::Filter(fd);
            return std::nullopt;
        });
        dlg.SendMessage(WM_COMMAND, ID_MENU_DIAGNOSTIC_LOG);
        EXPECT_EQ(filter, L"Diagnostiikkalokitiedostot (*.talvolog)|*.talvolog||");
        fw::test::SetFileDialogAnswer(nullptr);
    });
}
