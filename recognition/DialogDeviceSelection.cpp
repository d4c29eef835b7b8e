#include "recognition/DialogDeviceSelection.h"
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
    return TRUE;
}

void CDialogDeviceSelection::ShowPage() {
    CUpdaterDlg* main = MainDialog();
    main->m_nProgress = -1;
    RefreshModelButtons();
    if (CWnd* next = main->GetDlgItem(IDC_NEXT)) next->SetFocus();
    if (!m_bFirstShown) {
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

void CDialogDeviceSelection::OnBnClickedStartImage() {
    CUpdaterDlg* main = MainDialog();
    if (main->m_bBusy || main->m_bPopupOpen) return;
    main->m_nTargetModel = kDefaultTargetModel;
    main->ShowRecognitionPage(1, 0, 0);
    if (CWnd* next = main->GetDlgItem(IDC_NEXT)) next->SetFocus();
}

void CDialogDeviceSelection::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kTimerVersionCheck) {
        KillTimer(kTimerVersionCheck);
        // Fetched on a worker: the window goes on answering meanwhile.
        m_updateCheck.StartCheck(*this);
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
    // A failed fetch has given the wizard back and leaves the flag at 0.
    if (m_updateCheck.ListArrived(*this, *main, cookie) != 1) return 0;
    m_bFirstShown = 1;
    m_updateCheck.OfferNewerVersion(*this, *main);
    return 0;
}

BOOL CDialogDeviceSelection::UsesPageBackground(CWnd*, UINT nCtlColor) { return nCtlColor == CTLCOLOR_DLG; }
