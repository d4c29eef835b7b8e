// The WELCOME page (wizard page 1): one large picture of the device. A click
// on it, like NEXT, makes the default model the target and moves on to the
// recognition page. Its first display starts the check for a newer version
// of the program (timers 101 and 102).
#pragma once
#include "framework/Framework.h"
#include "app/WizardPage.h"
#include "app/ProgramUpdateCheck.h"

class CUpdaterDlg;

class CDialogDeviceSelection : public CWizardPage {
public:
    explicit CDialogDeviceSelection(CWnd* parent = nullptr);

    // Called each time page 1 becomes the current page, after it is shown.
    void ShowPage();
    // Shows or hides the picture (hidden while a program download shows its progress).
    void RefreshModelButtons();
    // The picture or NEXT: the default model becomes the target and the
    // recognition page shows. While the program-version check holds the
    // wizard, the request is kept and carried out when the check ends,
    // unless the check asked the user about a newer version.
    void StartWithDefaultModel();
    // The program-version check of this display has not ended yet.
    BOOL IsVersionCheckRunning() const { return m_bCheckRunning; }

    // 0 until a tick of timer 101 has fetched the server's program-version list.
    int m_bFirstShown = 0;
    // The state of the program-version check.
    CProgramUpdateCheck m_updateCheck;
    CBitmapButton m_btnPicture;

    // The model that the picture and NEXT make the target.
    static const int kDefaultTargetModel = 0x4D10;

    static const UINT_PTR kTimerVersionCheck = 101;
    static const UINT_PTR kTimerDownloadProgress = 102;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Only the page itself is drawn on the background: the picture paints itself.
    BOOL UsesPageBackground(CWnd* pWnd, UINT nCtlColor) override;
    void OnBnClickedStartImage();
    void OnTimer(UINT_PTR nIDEvent);
    LRESULT OnProgramListDone(WPARAM, LPARAM cookie);
    DECLARE_MESSAGE_MAP()

private:
    // The check ended: the wizard is free again, or the user was asked.
    void VersionCheckEnded(BOOL asked);

    BOOL m_bCheckRunning = FALSE;
    BOOL m_bStartPending = FALSE;  // the picture or NEXT was pressed during the check
};
