// The FIRMWARE UPDATE page (wizard page 3). A shell for now: it holds its
// firmware-info record and the voice-prompt combo the main wizard empties
// on a language change, and offers the operations the wizard calls.
#pragma once
#include "framework/Framework.h"
#include "app/WizardPage.h"
#include "update/FirmwareInfo.h"

class CDialogFirmwareUpdate : public CWizardPage {
public:
    explicit CDialogFirmwareUpdate(CWnd* parent = nullptr);

    CFirmwareInfo m_firmwareInfo;
    CComboBox m_comboVoicePrompt;  // control 1032

    // Entry of page 3: resets the page and starts the server-list check (timer 201).
    void ResetPage();
    // Relabels and lays out the page in the UI language.
    void UpdateControls();
    // ACTION on page 3.
    void StartFirmwareUpdate();
    // OK of a box that a DFU update waited on.
    void ContinueFirmwareUpdate();
    // The update dispatch by model (also called by the restore page).
    void RunFirmwareUpdate();

    static const UINT_PTR kTimerServerList = 201;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()
};
