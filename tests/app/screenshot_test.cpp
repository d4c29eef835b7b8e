// Pictures of the main window and of every box of the program in English,
// Finnish, Japanese and Russian, for a person to look at side by side.
#include "WizardHarness.h"
#include "app/AboutDlg.h"
#include "app/AppTexts.h"
#include "app/DialogLanguageManager.h"
#include "app/DialogMessageBox.h"
#include "app/DialogNewUpdateFound.h"
#include "framework/TestSeams.h"
#include "texts/WizardTexts.h"

namespace {

struct Shot {
    int language;
    const wchar_t* name;
};

void PrintTo(const Shot& shot, std::ostream* os) {
    std::wstring n = shot.name;
    *os << std::string(n.begin(), n.end());
}

class ScreenshotTest : public WizardTest, public ::testing::WithParamInterface<Shot> {
protected:
    std::wstring Name(const wchar_t* what) const { return std::wstring(what) + L"_" + GetParam().name; }
    // Shows the box modally and saves its picture.
    void Take(CDialog& box, const wchar_t* what) {
        std::wstring name = Name(what);
        WhenShown(&box, [&](CDialog& d) {
            fw::test::PumpFor(150);
            Screenshot(d.m_hWnd, name.c_str(), TRUE);
            d.EndDialog(IDCANCEL);
        });
        box.DoModal();
    }
};

}  // namespace

TEST_P(ScreenshotTest, MainWindowOnEachPage) {
    const Shot shot = GetParam();
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.ApplyLanguage(shot.language, TRUE);
        fw::test::PumpFor(200);
        Screenshot(dlg.m_hWnd, Name(L"wizard_welcome").c_str());

        Recognise(dlg, 0x4D10, (1 << 1) | (1 << 3) | (1 << 2));
        dlg.ShowFirmwareUpdatePage(TRUE);
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.m_nProgress = 42;
        dlg.UpdateControls();
        fw::test::PumpFor(200);
        Screenshot(dlg.m_hWnd, Name(L"wizard_update").c_str());

        dlg.m_nProgress = -1;
        dlg.ShowDeviceSettingSecondPage(TRUE);
        fw::test::PumpFor(200);
        Screenshot(dlg.m_hWnd, Name(L"wizard_fmradio").c_str());
    });
}

TEST_P(ScreenshotTest, EveryBox) {
    const int language = GetParam().language;
    fw::test::SetModalAnswer([](CDialog&) -> std::optional<INT_PTR> { return std::nullopt; });
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.ApplyLanguage(language, TRUE);
        Recognise(dlg, 0x5520, 1 << 1);
        CString yes, no, ok;
        GetTextYes(yes, language);
        GetTextNo(no, language);
        GetTextOk(ok, language);

        // A question with Yes and No.
        dlg.m_nPage = 5;
        CString text;
        dlg.GetSaveChangesPrompt(&text);
        dlg.m_nPage = 1;
        CSize size(400, 130);
        CDialogMessageBox question(&dlg);
        question.Setup(text, 0, no, yes, &size);
        Take(question, L"box_question");

        // The start-up prompt about a newer program, with its link button.
        text.Format(apptext::Get(apptext::kNewProgramAvailable, language), 1, 1);
        CSize wide(480, 150);
        CDialogMessageBox startup(&dlg);
        startup.SetupEx(text, 0, apptext::Get(apptext::kReleaseNotes, language), no, yes, &wide, FALSE);
        Take(startup, L"box_startup");

        // A report with the warning sign and OK.
        CDialogMessageBox report(&dlg);
        report.Setup(apptext::Get(apptext::kLogNotSaved, language), 1, nullptr, ok, &size);
        Take(report, L"box_report");

        // The wait box without buttons.
        CDialogMessageBox* wait = new CDialogMessageBox(&dlg);
        dlg.GetPressAndHoldText(&text);
        CSize waitSize(400, 110);
        wait->Setup(text, 1, nullptr, nullptr, &waitSize);
        ASSERT_TRUE(wait->CreateWaitBox(&dlg));
        fw::test::PumpFor(300);
        Screenshot(wait->m_hWnd, Name(L"box_wait").c_str(), TRUE);
        wait->DestroyWindow();
        delete wait;

        CDialogLanguageManager languages(&dlg);
        languages.m_nLanguage = language;
        Take(languages, L"box_language");

        CAboutDlg about(&dlg);
        Take(about, L"box_about");

        CComboBox& combo = dlg.m_updatePage.m_comboVoicePrompt;
        for (const wchar_t* l : {L"English", L"French", L"German"}) combo.AddString(l);
        combo.SetCurSel(0);
        CDialogNewUpdateFound prompt(&dlg);
        prompt.m_strLatestVersion = L"v1.3";
        Take(prompt, L"box_new_firmware");
    });
}

namespace {

// A framed window with one static text whose colour the test chooses.
COLORREF g_textColour = RGB(0, 0, 0);

LRESULT CALLBACK ProbeProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CTLCOLORSTATIC) {
        ::SetTextColor((HDC)wParam, g_textColour);
        ::SetBkColor((HDC)wParam, RGB(255, 255, 255));
        return (LRESULT)::GetStockObject(WHITE_BRUSH);
    }
    if (msg == WM_ERASEBKGND) {
        RECT r;
        ::GetClientRect(wnd, &r);
        ::FillRect((HDC)wParam, &r, (HBRUSH)::GetStockObject(WHITE_BRUSH));
        return 1;
    }
    return ::DefWindowProcW(wnd, msg, wParam, lParam);
}

bool ProbeLooksDrawn(DWORD style, COLORREF textColour, const wchar_t* name) {
    g_textColour = textColour;
    WNDCLASSW wc = {};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ScreenshotProbe";
    ::RegisterClassW(&wc);
    HWND wnd = ::CreateWindowExW(WS_EX_TOPMOST, L"ScreenshotProbe", L"Probe", style | WS_VISIBLE, 40, 40, 300, 160,
                                 nullptr, nullptr, wc.hInstance, nullptr);
    ::CreateWindowExW(0, L"STATIC", L"Some words to read", WS_CHILD | WS_VISIBLE, 20, 20, 200, 24, wnd, (HMENU)77,
                      wc.hInstance, nullptr);
    fw::test::PumpFor(100);
    std::wstring path = std::wstring(L"probe_") + name + L".bmp";
    bool ok = fw::test::SaveWindowImage(wnd, path.c_str()) && WizardTest::LooksDrawn(wnd, path);
    ::DestroyWindow(wnd);
    ::DeleteFileW(path.c_str());
    return ok;
}

}  // namespace

// The check every screenshot goes through tells a drawn window from a blank
// one and a drawn text from an invisible one.
TEST(ScreenshotCheck, BlankWindowsAndUndrawnTextsAreCaught) {
    EXPECT_TRUE(ProbeLooksDrawn(WS_OVERLAPPEDWINDOW, RGB(0, 0, 0), L"drawn"));
    EXPECT_FALSE(ProbeLooksDrawn(WS_OVERLAPPEDWINDOW, RGB(255, 255, 255), L"invisible_text"));
    EXPECT_FALSE(ProbeLooksDrawn(WS_POPUP, RGB(255, 255, 255), L"blank"));
}

INSTANTIATE_TEST_SUITE_P(Languages, ScreenshotTest,
                         ::testing::Values(Shot{0, L"en"}, Shot{10, L"fi"}, Shot{4, L"ja"}, Shot{8, L"ru"}),
                         [](const ::testing::TestParamInfo<Shot>& info) {
                             std::wstring n = info.param.name;
                             return std::string(n.begin(), n.end());
                         });
