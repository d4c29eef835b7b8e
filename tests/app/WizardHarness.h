// Runs the real main wizard dialog modally inside a test: the test body runs
// once the wizard is on the screen, every other modal box is answered
// through the framework's seam and recorded, the image folder is a fresh
// temporary folder and the firmware server is the local one.
#pragma once
#include <gtest/gtest.h>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "app/UpdaterDlg.h"
#include "app/ShellOpen.h"
#include "app/resource.h"
#include "tools/fwserver/FirmwareServer.h"

struct AskedBox {
    UINT templateId = 0;
    CString text, ok, cancel, link;
    int iconKind = -1;
    CSize size;
};

class WizardTest : public ::testing::Test {
public:
    // A wizard with a recognised device of the model (no hardware involved);
    // settingKinds has bit k set for setting-page kind k.
    static void Recognise(CUpdaterDlg& dlg, int model, int settingKinds = 0);
    // WELCOME's NEXT, then the recognition page's, as the user presses them:
    // the connected headset is recognised, and FIRMWARE UPDATE shows.
    void RecogniseWithNext(CUpdaterDlg& dlg);
    static HWND Item(CUpdaterDlg& dlg, int id) { return ::GetDlgItem(dlg.m_hWnd, id); }

protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the wizard; body runs inside its modal loop, then the wizard is ended.
    void RunWizard(const std::function<void(CUpdaterDlg&)>& body);
    // Answers for the boxes, in order (IDOK when none is queued).
    void QueueAnswer(INT_PTR answer) { m_answers.push_back(answer); }
    // Pumps messages until the wizard is no longer busy.
    bool WaitIdle(CUpdaterDlg& dlg, DWORD ms = 10000);
    // Runs onShown once the dialog is on the screen, inside its modal loop.
    void WhenShown(CDialog* dlg, std::function<void(CDialog&)> onShown);
    // Saves a screenshot under <build>/out/screenshots/<name>.bmp and
    // checks that the window is not blank and, with controlTexts, that every
    // visible control's text is drawn (LooksDrawn).
    static void Screenshot(HWND wnd, const wchar_t* name, BOOL controlTexts = FALSE);

public:
    // Checks a saved picture of the window: not blank (several distinct
    // colours), and with controlTexts every visible control that has a text
    // shows something in its rectangle (more than one colour).
    static ::testing::AssertionResult LooksDrawn(HWND wnd, const std::wstring& bmpPath, BOOL controlTexts = TRUE);

protected:

    std::wstring ReadImageFile(const wchar_t* name);
    void WriteImageFile(const wchar_t* name, const std::string& content);

    std::wstring m_folder;  // the image folder, with its trailing '\'
    fwserver::FirmwareServer m_server;
    std::vector<AskedBox> m_asked;
    std::deque<INT_PTR> m_answers;
    // Runs for every box asked, before it is answered (what the user does
    // while the box is up).
    std::function<void(const AskedBox&)> m_onAsked;
    bool m_serverRunning = false;
    std::vector<std::pair<CDialog*, std::function<void(CDialog&)>>> m_onShown;
    // For dialogs the wizard makes itself: runs for any other shown dialog.
    std::function<void(CDialog&)> m_onShownAny;
};
