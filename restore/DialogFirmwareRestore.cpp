#include "restore/DialogFirmwareRestore.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"
#include "core/ModelCatalog.h"

BEGIN_MESSAGE_MAP(CDialogFirmwareRestore, CWizardPage)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CDialogFirmwareRestore::CDialogFirmwareRestore(CWnd* parent) : CWizardPage(IDD_FIRMWARE_RESTORE, parent) {}

void CDialogFirmwareRestore::DoDataExchange(CDataExchange* pDX) {
    CWizardPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RESTORE_VOICE_COMBO, m_comboVoicePrompt);
}

void CDialogFirmwareRestore::EnterPage(int mode) {
    CUpdaterDlg* main = MainDialog();
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
        CUpdaterDlg* main = MainDialog();
        m_firmwareInfo.m_bBackupAvailable = FALSE;
        main->m_bBusy = FALSE;
        main->UpdateControls();
        RefreshPage();
        return;
    }
    Default();
}
