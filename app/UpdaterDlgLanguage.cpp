// The language change of the main dialog: relabels every page and refreshes
// the page shown; the status line shows the new language's stored text.
#include "app/UpdaterDlg.h"

void CUpdaterDlg::ApplyLanguage(int language, BOOL applyToFirmware) {
    if (language < 0 || language >= STATUS_LANGUAGES) language = 0;
    applyToFirmware = applyToFirmware ? TRUE : FALSE;
    if (language == m_nLanguage && applyToFirmware == m_bApplyToFirmwareLanguage) return;
    m_nLanguage = language;
    m_bApplyToFirmwareLanguage = applyToFirmware;

    m_recognitionPage.ResetPage();
    m_selectionPage.RefreshModelButtons();

    // The update page: with the voice prompt following the UI language, the
    // server list is read again so that the new language is preselected.
    if (m_nPage == PAGE_FIRMWARE_UPDATE && m_updatePage.m_comboVoicePrompt.m_hWnd &&
        m_updatePage.m_comboVoicePrompt.GetCount() > 0 && m_bApplyToFirmwareLanguage) {
        g_bUpdatePromptArmed = 0;
        m_updatePage.m_firmwareInfo.Reset(3);
        m_updatePage.m_comboVoicePrompt.ResetContent();
        m_updatePage.SetTimer(CDialogFirmwareUpdate::kTimerServerList, 10);
    } else {
        m_updatePage.UpdateControls();
    }

    if (m_nPage == PAGE_FIRMWARE_RESTORE) {
        if (m_bApplyToFirmwareLanguage && m_restorePage.m_comboVoicePrompt.m_hWnd &&
            m_restorePage.m_comboVoicePrompt.GetCount() > 0) {
            m_restorePage.m_firmwareInfo.Reset(4);
            m_restorePage.m_firmwareInfo.m_bBackupAvailable = TRUE;
            m_restorePage.m_comboVoicePrompt.ResetContent();
            m_restorePage.SetTimer(CDialogFirmwareRestore::kTimerLoadBackupInfo, 10);
        } else {
            m_restorePage.RefreshPage();
        }
    }

    if (m_nPage == PAGE_DEVICE_SETTING) {
        m_settingPage.ApplyBoldFonts();
        m_settingPage.UpdateTextsAndVisibility();
        m_settingPage.ArrangeRowsForModel();
    }
    m_settingSecondPage.UpdateLanguageTexts();
    m_speedDialPage.UpdateLanguageTexts();

    // Relabelling a hidden page can show it (turning its redraw back on does),
    // so the page on the screen is made the only one again.
    ShowPageWindow(m_nPage);
    UpdateControls();
}
