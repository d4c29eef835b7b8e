// The main dialog's central refresh: step buttons, setting groups,
// BACK / ACTION / NEXT with their captions, page title, device picture,
// progress and status line, all from the shared state.
#include "app/UpdaterDlg.h"
#include "app/AppTexts.h"
#include "app/resource.h"
#include "texts/WizardTexts.h"

void CUpdaterDlg::UpdateControls() {
    if (!m_hWnd) return;
    KeepFocusBeforeBusy();
    UpdateStepButtons();
    UpdateGroupControls();
    UpdateNavigationButtons();
    CString title;
    GetTextPageTitle(title, m_nPage, m_nLanguage);
    m_staticTitle.SetText(title);
    UpdateDevicePicture();
    UpdateProgress();
    ShowStoredStatusText();
    RescueFocus();
}

void CUpdaterDlg::UpdateStepButtons() {
    static const int kStepPage[5] = {PAGE_WELCOME, PAGE_RECOGNITION, PAGE_FIRMWARE_UPDATE, PAGE_FIRMWARE_RESTORE,
                                     PAGE_DEVICE_SETTING};
    const BOOL free = !m_bBusy;
    const BOOL enabled[5] = {
        free,
        free && m_nTargetModel != 0,
        free && m_bRecognized,
        free && m_bRecognized,
        free && m_bRecognized && m_nSettingPageCount > 0,
    };
    for (int i = 0; i < 5; ++i) {
        CString caption;
        GetTextPageTitle(caption, kStepPage[i], m_nLanguage);
        if (m_btnStep[i].m_hWnd) {
            CString old;
            m_btnStep[i].GetWindowText(old);
            if (old != caption) m_btnStep[i].SetWindowText(caption);
            int page = m_nPage > PAGE_DEVICE_SETTING ? PAGE_DEVICE_SETTING : m_nPage;
            m_btnStep[i].SetSelected(page == kStepPage[i]);
            m_btnStep[i].EnableWindow(enabled[i]);
        }
    }
}

void CUpdaterDlg::UpdateNavigationButtons() {
    const BOOL free = !m_bBusy;
    CString back, next, action;
    back.Format(L"< %s", (const wchar_t*)apptext::Get(apptext::kBack, m_nLanguage));
    CString nextWord;
    GetTextNext(nextWord, m_nLanguage);
    next.Format(L"%s >", (const wchar_t*)nextWord);

    BOOL actionShown = TRUE, actionEnabled = FALSE;
    switch (m_nPage) {
    case PAGE_FIRMWARE_UPDATE:
        GetTextUpdate(action, m_nLanguage);
        actionEnabled = free;
        break;
    case PAGE_FIRMWARE_RESTORE:
        GetTextRestore(action, m_nLanguage);
        actionEnabled = free && m_restorePage.m_firmwareInfo.m_bBackupAvailable;
        break;
    case PAGE_DEVICE_SETTING:
        action = apptext::Get(apptext::kSave, m_nLanguage);
        actionEnabled = free && m_settingPage.IsSettingsChanged() != 0;
        break;
    case PAGE_FM_RADIO:
        action = apptext::Get(apptext::kSave, m_nLanguage);
        actionEnabled = free && m_settingSecondPage.IsSettingsChanged() != 0;
        break;
    case PAGE_SPEED_DIAL:
        action = apptext::Get(apptext::kSave, m_nLanguage);
        actionEnabled = free && m_speedDialPage.IsSettingsChanged() != 0;
        break;
    default:
        actionShown = FALSE;
        break;
    }

    // NEXT leads on while there is a further step. On WELCOME it can be
    // pressed while the program-version check runs: it then waits for it.
    BOOL nextEnabled = free;
    if (m_nPage == PAGE_WELCOME) {
        nextEnabled = free || m_selectionPage.IsVersionCheckRunning();
    } else if (m_nPage == PAGE_FIRMWARE_RESTORE) {
        nextEnabled = free && m_nSettingPageCount > 0;
    } else if (m_nPage >= PAGE_DEVICE_SETTING) {
        int index = FindSettingGroup(m_nPage);
        nextEnabled = free && index >= 0 && index + 1 < m_nSettingPageCount;
    }

    m_btnBack.SetWindowText(back);
    m_btnBack.ShowWindow(m_nPage > PAGE_WELCOME ? SW_SHOW : SW_HIDE);
    m_btnBack.EnableWindow(free);
    m_btnNext.SetWindowText(next);
    m_btnNext.EnableWindow(nextEnabled);
    m_btnAction.SetWindowText(action);
    m_btnAction.ShowWindow(actionShown ? SW_SHOW : SW_HIDE);
    m_btnAction.EnableWindow(actionEnabled);
    m_btnBack.Invalidate(FALSE);
    m_btnNext.Invalidate(FALSE);
    m_btnAction.Invalidate(FALSE);
}

void CUpdaterDlg::UpdateDevicePicture() {
    UINT id = GetDevicePictureId(m_nTargetModel);
    if (id != m_nDevicePictureId) {
        m_bmpDevice.DeleteObject();
        m_bmpDevice.LoadBitmap(id);
        m_nDevicePictureId = id;
        m_staticDevice.SetPicture(m_bmpDevice);
    }
    CString name;
    if (m_nTargetModel) GetModelName(name, m_nTargetModel, FALSE);
    CString old;
    GetDlgItemText(IDC_DEVICE_NAME, old);
    if (old != name) SetDlgItemText(IDC_DEVICE_NAME, name);
}

void CUpdaterDlg::UpdateProgress() {
    BOOL shown = m_nProgress >= 0;
    int value = m_nProgress > 100 ? 100 : m_nProgress;
    if (shown) m_progress.SetPos(value);
    m_progress.ShowWindow(shown ? SW_SHOW : SW_HIDE);
    CString text;
    if (!m_strStatusText2.IsEmpty()) text = m_strStatusText2;
    else if (shown) text.Format(L"%d %%", value);
    CString old;
    GetDlgItemText(IDC_PROGRESS_TEXT, old);
    if (old != text) SetDlgItemText(IDC_PROGRESS_TEXT, text);
}
