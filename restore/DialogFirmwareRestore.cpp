#include "restore/DialogFirmwareRestore.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"
#include "core/ModelCatalog.h"

BEGIN_MESSAGE_MAP(CDialogFirmwareRestore, CDialog)
    ON_WM_CTLCOLOR()
    ON_WM_SETCURSOR()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CDialogFirmwareRestore::CDialogFirmwareRestore(CWnd* parent) : CDialog(IDD_FIRMWARE_RESTORE, parent) {}

void CDialogFirmwareRestore::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RESTORE_VOICE_COMBO, m_comboVoicePrompt);
}

void CDialogFirmwareRestore::EnterPage(int mode) {
    CUpdaterDlg* main = GetMainDialog(this);
    m_nEntryMode = mode;
    main->m_nProgress = -1;
    ResetSettingPages(&m_nSettingPageCount, m_anSettingPageKind, &m_nSettingPageIndex);
    main->m_bPopupOpen = FALSE;
    m_firmwareInfo.Reset(4);
    m_firmwareInfo.m_bBackupAvailable = TRUE;
    if (m_comboVoicePrompt.m_hWnd) m_comboVoicePrompt.ResetContent();
    main->m_bBusy = TRUE;
    main->UpdateControls();
    RefreshPage();
    SetTimer(kTimerLoadBackupInfo, 500);
}

void CDialogFirmwareRestore::RefreshPage() {}

void CDialogFirmwareRestore::ShowBackupInfoLabels() {}

void CDialogFirmwareRestore::StartRestore() {}

void CDialogFirmwareRestore::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kTimerLoadBackupInfo) {
        // Reading the archive and the server's backup list comes with the
        // restore subsystem; until then no backup is offered.
        KillTimer(kTimerLoadBackupInfo);
        CUpdaterDlg* main = GetMainDialog(this);
        m_firmwareInfo.m_bBackupAvailable = FALSE;
        main->m_bBusy = FALSE;
        main->UpdateControls();
        RefreshPage();
        return;
    }
    Default();
}

HBRUSH CDialogFirmwareRestore::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    pDC->SetBkMode(TRANSPARENT);
    return GetMainDialog(this)->m_brushBackground;
}

BOOL CDialogFirmwareRestore::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (GetMainDialog(this)->m_bBusy) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
    }
    return CDialog::OnSetCursor(pWnd, nHitTest, message);
}
