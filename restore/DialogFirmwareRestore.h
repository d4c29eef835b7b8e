// The FIRMWARE RESTORE page (wizard page 4). A shell for now: it holds its
// firmware-info record (whose backup-available flag enables ACTION), the
// backup's setting-page kinds and the voice-prompt combo, and offers the
// operations the main wizard calls.
#pragma once
#include "framework/Framework.h"
#include "app/WizardPage.h"
#include "core/DeviceRecord.h"
#include "update/FirmwareInfo.h"

class CDialogFirmwareRestore : public CWizardPage {
public:
    explicit CDialogFirmwareRestore(CWnd* parent = nullptr);

    int m_nSettingPageCount = 0;
    int m_anSettingPageKind[3] = {};
    int m_nSettingPageIndex = 0;
    CFirmwareInfo m_firmwareInfo;
    CDeviceRecord m_backupRecord;
    CComboBox m_comboVoicePrompt;  // control 1034

    // Entry of page 4; mode nonzero when the status line is to be updated.
    void EnterPage(int mode);
    // Shows what the archive recorded for the selected setting-page kind.
    void RefreshPage();
    void ShowBackupInfoLabels();
    // ACTION on page 4.
    void StartRestore();

    static const UINT_PTR kTimerLoadBackupInfo = 202;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    int m_nEntryMode = 0;
};
