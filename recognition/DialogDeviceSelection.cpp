#include "recognition/DialogDeviceSelection.h"
#include "app/DpiScale.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"

BEGIN_MESSAGE_MAP(CDialogDeviceSelection, CWizardPage)
    ON_WM_DRAWITEM()
    ON_BN_CLICKED(IDC_SELECTION_PICTURE, &CDialogDeviceSelection::OnBnClickedStartImage)
    ON_WM_TIMER()
    ON_MESSAGE(WM_PROGRAM_LIST_DONE, &CDialogDeviceSelection::OnProgramListDone)
END_MESSAGE_MAP()

CDialogDeviceSelection::CDialogDeviceSelection(CWnd* parent) : CWizardPage(IDD_DEVICE_SELECTION, parent) {}

void CDialogDeviceSelection::DoDataExchange(CDataExchange* pDX) {
    CWizardPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SELECTION_PICTURE, m_btnPicture);
}

BOOL CDialogDeviceSelection::OnInitDialog() {
    CWizardPage::OnInitDialog();
    m_bFirstShown = 0;
    m_btnPicture.LoadBitmaps(IDB_WELCOME_PICTURE, IDB_WELCOME_PICTURE, IDB_WELCOME_PICTURE, IDB_WELCOME_PICTURE);
    m_btnPicture.SizeToContent();
    // The picture is drawn for 96 dpi; on a scaled display it grows with the
    // page's dialog units (the wizard fits its page column to it).
    CRect picture;
    m_btnPicture.GetWindowRect(&picture);
    const SIZE scaled = dpiscale::Size(SIZE{picture.Width(), picture.Height()});
    m_btnPicture.SetWindowPos(nullptr, 0, 0, scaled.cx, scaled.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void CDialogDeviceSelection::ShowPage() {
    CUpdaterDlg* main = MainDialog();
    main->m_nProgress = -1;
    RefreshModelButtons();
    if (CWnd* next = main->GetDlgItem(IDC_NEXT)) next->SetFocus();
    m_bStartPending = FALSE;
    if (!m_bFirstShown) {
        m_bCheckRunning = TRUE;
        main->m_bBusy = TRUE;
        main->UpdateControls();
        RefreshModelButtons();
        SetTimer(kTimerVersionCheck, 100);
    }
}

void CDialogDeviceSelection::RefreshModelButtons() {
    CUpdaterDlg* main = MainDialog();
    SetRedraw(FALSE);
    BOOL downloading = main->m_bBusy && main->m_nProgress >= 0;
    if (m_btnPicture.m_hWnd) m_btnPicture.ShowWindow(downloading ? SW_HIDE : SW_SHOW);
    SetRedraw(TRUE);
    Invalidate(TRUE);
}

void CDialogDeviceSelection::OnBnClickedStartImage() { StartWithDefaultModel(); }

void CDialogDeviceSelection::StartWithDefaultModel() {
    CUpdaterDlg* main = MainDialog();
    if (main->m_bPopupOpen) return;
    if (main->m_bBusy) {
        // The check holds the wizard only while it asks the server: the
        // press is not lost but waits for it.
        if (m_bCheckRunning && main->m_nPage == PAGE_WELCOME) m_bStartPending = TRUE;
        return;
    }
    m_bStartPending = FALSE;
    main->m_nTargetModel = kDefaultTargetModel;
    main->ShowRecognitionPage(1, 0, 0);
    if (CWnd* next = main->GetDlgItem(IDC_NEXT)) next->SetFocus();
}

void CDialogDeviceSelection::VersionCheckEnded(BOOL asked) {
    m_bCheckRunning = FALSE;
    BOOL pending = m_bStartPending && !asked;
    m_bStartPending = FALSE;
    CUpdaterDlg* main = MainDialog();
    if (pending && main->m_nPage == PAGE_WELCOME && !main->m_bBusy) StartWithDefaultModel();
}

void CDialogDeviceSelection::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kTimerVersionCheck) {
        KillTimer(kTimerVersionCheck);
        // Fetched on a worker: the window goes on answering meanwhile.
        if (!m_updateCheck.StartCheck(*this)) {
            m_bCheckRunning = FALSE;
            m_bStartPending = FALSE;
        }
        return;
    }
    if (nIDEvent == kTimerDownloadProgress) {
        m_updateCheck.PollDownload(*this, *MainDialog());
        return;
    }
    Default();
}

LRESULT CDialogDeviceSelection::OnProgramListDone(WPARAM, LPARAM cookie) {
    CUpdaterDlg* main = MainDialog();
    const int arrived = m_updateCheck.ListArrived(*this, *main, cookie);
    if (arrived < 0) {
        // Another fetch's message; or the wizard left WELCOME meanwhile and
        // the check was dropped.
        if (!m_updateCheck.IsFetchingList()) {
            m_bCheckRunning = FALSE;
            m_bStartPending = FALSE;
        }
        return 0;
    }
    // A failed fetch has given the wizard back and leaves the flag at 0.
    if (arrived == 0) {
        VersionCheckEnded(FALSE);
        return 0;
    }
    m_bFirstShown = 1;
    m_bCheckRunning = FALSE;
    VersionCheckEnded(m_updateCheck.OfferNewerVersion(*this, *main));
    return 0;
}

BOOL CDialogDeviceSelection::UsesPageBackground(CWnd*, UINT nCtlColor) { return nCtlColor == CTLCOLOR_DLG; }
