#include "update/DialogFirmwareUpdate.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"

BEGIN_MESSAGE_MAP(CDialogFirmwareUpdate, CWizardPage)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CDialogFirmwareUpdate::CDialogFirmwareUpdate(CWnd* parent) : CWizardPage(IDD_FIRMWARE_UPDATE, parent) {}

void CDialogFirmwareUpdate::DoDataExchange(CDataExchange* pDX) {
    CWizardPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_UPDATE_VOICE_COMBO, m_comboVoicePrompt);
}

void CDialogFirmwareUpdate::ResetPage() {
    CUpdaterDlg* main = MainDialog();
    main->m_nProgress = -1;
    m_firmwareInfo.Reset(3);
    if (m_comboVoicePrompt.m_hWnd) m_comboVoicePrompt.ResetContent();
    main->m_bBusy = TRUE;
    main->UpdateControls();
    UpdateControls();
    SetTimer(kTimerServerList, 500);
}

void CDialogFirmwareUpdate::UpdateControls() {}

void CDialogFirmwareUpdate::StartFirmwareUpdate() {}

void CDialogFirmwareUpdate::ContinueFirmwareUpdate() {}

void CDialogFirmwareUpdate::RunFirmwareUpdate() {}

void CDialogFirmwareUpdate::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kTimerServerList) {
        // The server-list check comes with the update subsystem; until then
        // the page only gives the wizard back.
        KillTimer(kTimerServerList);
        CUpdaterDlg* main = MainDialog();
        main->m_bBusy = FALSE;
        main->UpdateControls();
        UpdateControls();
        return;
    }
    Default();
}
