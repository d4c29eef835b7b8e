// The new-firmware prompt: newer firmware for the device is on the server.
// It shows the current and the latest version and, where the server offers
// several, the voice-prompt languages; OK copies the chosen language into the
// update page's voice-prompt combo (control 1032).
#pragma once
#include "app/ProgramBox.h"

class CUpdaterDlg;

class CDialogNewUpdateFound : public CProgramBox {
public:
    explicit CDialogNewUpdateFound(CWnd* mainDialog);

    // Version texts; the current one defaults to the recognised device's.
    CString m_strCurrentVersion;
    CString m_strLatestVersion;
    // The voice-prompt choice when the box ended with OK (-1: none offered).
    int m_nVoicePromptIndex = -1;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnReleaseNotes();
    DECLARE_MESSAGE_MAP()

private:
    void Layout(BOOL withVoicePrompt);
    CUpdaterDlg* m_pMain;
    CComboBox m_combo;
    CBitmap m_bmpLogo;
};
