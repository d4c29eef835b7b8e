// The main dialog's page switches, BACK / ACTION / NEXT and the step buttons.
#include "app/UpdaterDlg.h"
#include "app/AppTexts.h"
#include "app/DialogMessageBox.h"
#include "app/resource.h"
#include "core/ModelGroups.h"
#include "texts/WizardTexts.h"

namespace {

bool IsSettingsPage(int page) { return page >= PAGE_DEVICE_SETTING && page <= PAGE_SPEED_DIAL; }

// The three settings pages share these operations.
template <class Page>
BOOL AskAboutUnsavedChanges(CUpdaterDlg& main, Page& page, int wantedPage) {
    page.m_nPendingPage = wantedPage;
    if (page.HasUnsavedChanges() != 1) return FALSE;
    CString prompt;
    main.GetSaveChangesPrompt(&prompt);
    CString yes, no;
    GetTextYes(yes, main.m_nLanguage);
    GetTextNo(no, main.m_nLanguage);
    CSize size(400, 130);
    CDialogMessageBox box(&main);
    box.Setup(prompt, 0, no, yes, &size);
    if (box.DoModal() == IDOK) page.ApplySettingsToDevice();
    else page.DiscardChangesAndGoToPage();
    return TRUE;
}

// Closing the wizard on a settings page with unsaved changes: the same
// question. NO (or Esc) closes without the edits; YES saves first, and the
// wizard closes only when the save went through. TRUE: the wizard stays.
template <class Page>
BOOL StaysOpenForUnsavedChanges(CUpdaterDlg& main, Page& page) {
    if (page.HasUnsavedChanges() != 1) return FALSE;
    CString prompt, yes, no;
    main.GetSaveChangesPrompt(&prompt);
    GetTextYes(yes, main.m_nLanguage);
    GetTextNo(no, main.m_nLanguage);
    CSize size(400, 130);
    CDialogMessageBox box(&main);
    box.Setup(prompt, 0, no, yes, &size);
    if (box.DoModal() != IDOK) return FALSE;
    page.m_nPendingPage = 0;
    page.ApplySettingsToDevice();
    // A save still running on its worker closes the wizard when it succeeds.
    if (main.m_bBusy) main.m_bCloseAfterSave = TRUE;
    return main.m_bBusy || page.HasUnsavedChanges() == 1;
}

}  // namespace

int KindOfPage(int page) {
    switch (page) {
    case PAGE_DEVICE_SETTING: return SETTING_PAGE_BASIC;
    case PAGE_FM_RADIO: return SETTING_PAGE_FM_RADIO;
    case PAGE_SPEED_DIAL: return SETTING_PAGE_SPEED_DIAL;
    default: return 0;
    }
}

int PageOfKind(int kind) {
    switch (kind) {
    case SETTING_PAGE_BASIC: return PAGE_DEVICE_SETTING;
    case SETTING_PAGE_FM_RADIO: return PAGE_FM_RADIO;
    case SETTING_PAGE_SPEED_DIAL: return PAGE_SPEED_DIAL;
    default: return 0;
    }
}

BOOL CUpdaterDlg::StaysOpenForUnsavedChanges() {
    switch (m_nPage) {
    case PAGE_DEVICE_SETTING: return ::StaysOpenForUnsavedChanges(*this, m_settingPage);
    case PAGE_FM_RADIO: return ::StaysOpenForUnsavedChanges(*this, m_settingSecondPage);
    case PAGE_SPEED_DIAL: return ::StaysOpenForUnsavedChanges(*this, m_speedDialPage);
    default: return FALSE;
    }
}

CDialog* CUpdaterDlg::PageWindow(int page) {
    switch (page) {
    case PAGE_WELCOME: return &m_selectionPage;
    case PAGE_RECOGNITION: return &m_recognitionPage;
    case PAGE_FIRMWARE_UPDATE: return &m_updatePage;
    case PAGE_FIRMWARE_RESTORE: return &m_restorePage;
    case PAGE_DEVICE_SETTING: return &m_settingPage;
    case PAGE_FM_RADIO: return &m_settingSecondPage;
    case PAGE_SPEED_DIAL: return &m_speedDialPage;
    default: return nullptr;
    }
}

void CUpdaterDlg::ShowPageWindow(int page) {
    CDialog* shown = PageWindow(page);
    if (shown && shown->m_hWnd) shown->ShowWindow(SW_SHOW);
    for (int p = PAGE_WELCOME; p <= PAGE_SPEED_DIAL; ++p) {
        CDialog* d = PageWindow(p);
        if (d != shown && d->m_hWnd) d->ShowWindow(SW_HIDE);
    }
}

BOOL CUpdaterDlg::LeaveSettingsPage(int wantedPage) {
    if (!IsSettingsPage(m_nPage) || wantedPage == m_nPage) return FALSE;
    switch (m_nPage) {
    case PAGE_DEVICE_SETTING: return AskAboutUnsavedChanges(*this, m_settingPage, wantedPage);
    case PAGE_FM_RADIO: return AskAboutUnsavedChanges(*this, m_settingSecondPage, wantedPage);
    default: return AskAboutUnsavedChanges(*this, m_speedDialPage, wantedPage);
    }
}

void CUpdaterDlg::ResetDeviceState() {
    m_bRecognized = FALSE;
    m_nUsbStatus = 0;
    m_nHidDeviceType = 0;
    ResetDeviceHandles();
    ResetSettingPages(&m_nSettingPageCount, m_anSettingPageKind, &m_nSettingPageIndex);
}

void CUpdaterDlg::ShowWelcomePage() {
    if (LeaveSettingsPage(PAGE_WELCOME)) return;
    CloseGroupList();
    ResetDeviceState();
    // Another headset may be chosen and connected from here: a record due
    // for any headset is forgotten; one due for its own headset waits for it.
    m_recognitionPage.DueRestores().EndAfterStep();
    m_deviceRecord = CDeviceRecord();
    m_nPage = PAGE_WELCOME;
    ShowPageWindow(PAGE_WELCOME);
    m_selectionPage.ShowPage();
    SetPageStatusLine(PAGE_WELCOME);
    UpdateControls();
}

void CUpdaterDlg::ShowRecognitionPage(BOOL updateStatusLine, CDeviceRecord* restoreRecord, int nextPage) {
    if (LeaveSettingsPage(PAGE_RECOGNITION)) return;
    CloseGroupList();
    ResetDeviceState();
    if (!m_nTargetModel) {
        ShowWelcomePage();
        return;
    }
    m_nPage = PAGE_RECOGNITION;
    ShowPageWindow(PAGE_RECOGNITION);
    m_recognitionPage.m_nReturnPage = nextPage;
    m_recognitionPage.ShowInstructions(0);
    if (updateStatusLine) SetPageStatusLine(PAGE_RECOGNITION);
    UpdateControls();
    if (nextPage == 0) return;
    // The step that leads here (a SAVE, an update or a restore) wrote the
    // headset recognised before it: what was due for that headset is stale
    // (a restore's record, given here, takes its place), and so is a record
    // due for any headset. Records due for other headsets wait for them.
    // When that recognition could not read the address, the headset this
    // recognition reads (here or on the NEXT that follows while no device
    // was found) is the one the step wrote.
    m_recognitionPage.DueRestores().DropStale(m_deviceRecord.m_strBdAddress);
    ResetDeviceHandles();
    m_updatePage.m_dfu.WriteGivenIdentityBackToHeadset();
    int outcome = m_recognitionPage.RecognizeDevice(restoreRecord, FALSE);
    switch (outcome) {
    case 2: case 5: case 6: case 7: case 8: case 9:
        // Run again, this time reporting in full.
        PostMessage(WM_COMMAND, MAKEWPARAM(IDC_NEXT, BN_CLICKED), (LPARAM)m_btnNext.m_hWnd);
        break;
    default:
        break;
    }
}

BOOL CUpdaterDlg::EnterDevicePage(int page, BOOL) {
    if (LeaveSettingsPage(page)) return FALSE;
    CloseGroupList();
    if (!m_nTargetModel) {
        ShowWelcomePage();
        return FALSE;
    }
    if (!m_bRecognized) {
        ShowRecognitionPage(TRUE, nullptr, 0);
        return FALSE;
    }
    return TRUE;
}

void CUpdaterDlg::ShowFirmwareUpdatePage(BOOL updateStatusLine) {
    if (!EnterDevicePage(PAGE_FIRMWARE_UPDATE, updateStatusLine)) return;
    m_nPage = PAGE_FIRMWARE_UPDATE;
    ShowPageWindow(PAGE_FIRMWARE_UPDATE);
    if (updateStatusLine) SetPageStatusLine(PAGE_FIRMWARE_UPDATE);
    m_updatePage.ResetPage();
    UpdateControls();
}

void CUpdaterDlg::ShowFirmwareRestorePage(BOOL updateStatusLine) {
    if (!EnterDevicePage(PAGE_FIRMWARE_RESTORE, updateStatusLine)) return;
    m_nPage = PAGE_FIRMWARE_RESTORE;
    ShowPageWindow(PAGE_FIRMWARE_RESTORE);
    if (updateStatusLine) SetPageStatusLine(PAGE_FIRMWARE_RESTORE);
    m_restorePage.EnterPage(updateStatusLine);
    UpdateControls();
}

void CUpdaterDlg::EnterSettingsPage(int page, BOOL updateStatusLine) {
    if (!EnterDevicePage(page, updateStatusLine)) return;
    if (FindSettingGroup(page) < 0) {
        // The device has no such group: its first group instead, if any.
        int first = m_nSettingPageCount > 0 ? PageOfKind(m_anSettingPageKind[0]) : 0;
        if (!first || first == page) return;
        page = first;
    }
    // A model without an FM radio has no FM page: the FM page would send the
    // wizard on while it activates and stay on the screen half entered.
    if (page == PAGE_FM_RADIO && !model_groups::IsFmModel(m_nTargetModel)) page = PAGE_DEVICE_SETTING;
    m_nPage = page;
    ShowPageWindow(page);
    switch (page) {
    case PAGE_DEVICE_SETTING:
        m_settingPage.m_nPendingPage = 0;
        m_settingPage.OnPageActivate();
        break;
    case PAGE_FM_RADIO:
        m_settingSecondPage.m_nPendingPage = 0;
        m_settingSecondPage.OnPageActivate();
        break;
    default:
        m_speedDialPage.m_nPendingPage = 0;
        m_speedDialPage.OnPageActivate();
        break;
    }
    if (updateStatusLine) SetPageStatusLine(page);
    UpdateControls();
}

void CUpdaterDlg::ShowDeviceSettingPage(BOOL updateStatusLine) { EnterSettingsPage(PAGE_DEVICE_SETTING, updateStatusLine); }

void CUpdaterDlg::ShowDeviceSettingSecondPage(BOOL updateStatusLine) { EnterSettingsPage(PAGE_FM_RADIO, updateStatusLine); }

void CUpdaterDlg::ShowSpeedDialPage(BOOL updateStatusLine) { EnterSettingsPage(PAGE_SPEED_DIAL, updateStatusLine); }

void CUpdaterDlg::GoToPage(int page) {
    switch (page) {
    case PAGE_WELCOME: ShowWelcomePage(); break;
    case PAGE_RECOGNITION: ShowRecognitionPage(TRUE, nullptr, 0); break;
    case PAGE_FIRMWARE_UPDATE: ShowFirmwareUpdatePage(TRUE); break;
    case PAGE_FIRMWARE_RESTORE: ShowFirmwareRestorePage(TRUE); break;
    case PAGE_DEVICE_SETTING: ShowDeviceSettingPage(TRUE); break;
    case PAGE_FM_RADIO: ShowDeviceSettingSecondPage(TRUE); break;
    case PAGE_SPEED_DIAL: ShowSpeedDialPage(TRUE); break;
    default: break;
    }
}

int CUpdaterDlg::FindSettingGroup(int page) {
    int kind = KindOfPage(page);
    if (!kind) return -1;
    for (int i = 0; i < m_nSettingPageCount && i < SETTING_PAGE_KINDS_MAX; ++i)
        if (m_anSettingPageKind[i] == kind) return i;
    return -1;
}

int CUpdaterDlg::SelectedSettingPage() const {
    if (m_nSettingPageCount <= 0) return 0;
    int index = (m_nSettingPageIndex >= 0 && m_nSettingPageIndex < m_nSettingPageCount) ? m_nSettingPageIndex : 0;
    return PageOfKind(m_anSettingPageKind[index]);
}

void CUpdaterDlg::GetSaveChangesPrompt(CString* out) {
    if (!out) return;
    CString title;
    GetTextPageTitle(title, m_nPage, m_nLanguage);
    out->Format(apptext::Get(apptext::kSaveChangesPrompt, m_nLanguage), (const wchar_t*)title);
}

// Step buttons: ignored while busy or while the group list is open.
void CUpdaterDlg::OnStepWelcome() {
    if (m_bBusy) return;
    CloseGroupList();
    ShowWelcomePage();
}

void CUpdaterDlg::OnStepRecognition() {
    if (m_bBusy) return;
    CloseGroupList();
    ShowRecognitionPage(TRUE, nullptr, 0);
}

void CUpdaterDlg::OnStepUpdate() {
    if (m_bBusy) return;
    CloseGroupList();
    ShowFirmwareUpdatePage(TRUE);
}

void CUpdaterDlg::OnStepRestore() {
    if (m_bBusy) return;
    CloseGroupList();
    ShowFirmwareRestorePage(TRUE);
}

void CUpdaterDlg::OnStepSetting() {
    if (m_bBusy) return;
    CloseGroupList();
    int page = SelectedSettingPage();
    // The step of the page already shown keeps the page and its edits.
    if (!page || page == m_nPage) return;
    GoToPage(page);
}

void CUpdaterDlg::OnBnClickedNext() {
    // On WELCOME the page decides: NEXT pressed during its version check
    // waits for the check.
    if (m_nPage == PAGE_WELCOME) {
        m_selectionPage.StartWithDefaultModel();
        return;
    }
    if (m_bBusy || m_bPopupOpen) return;
    switch (m_nPage) {
    case PAGE_RECOGNITION:
        // A batch headset back after an update that failed before its
        // transfer gets its own identity first.
        m_updatePage.m_dfu.WriteGivenIdentityBackToHeadset();
        m_recognitionPage.RecognizeDevice(nullptr, TRUE);
        break;
    case PAGE_FIRMWARE_UPDATE:
        ShowFirmwareRestorePage(TRUE);
        break;
    case PAGE_FIRMWARE_RESTORE:
        if (int page = SelectedSettingPage()) GoToPage(page);
        break;
    default: {
        // The next setting group.
        int index = FindSettingGroup(m_nPage);
        if (index >= 0 && index + 1 < m_nSettingPageCount) GoToPage(PageOfKind(m_anSettingPageKind[index + 1]));
        break;
    }
    }
}

void CUpdaterDlg::OnBnClickedBack() {
    if (m_bBusy || m_bPopupOpen) return;
    switch (m_nPage) {
    case PAGE_RECOGNITION: ShowWelcomePage(); break;
    case PAGE_FIRMWARE_UPDATE: ShowRecognitionPage(TRUE, nullptr, 0); break;
    case PAGE_FIRMWARE_RESTORE: ShowFirmwareUpdatePage(TRUE); break;
    case PAGE_DEVICE_SETTING:
    case PAGE_FM_RADIO:
    case PAGE_SPEED_DIAL: {
        int index = FindSettingGroup(m_nPage);
        if (index > 0) GoToPage(PageOfKind(m_anSettingPageKind[index - 1]));
        else ShowFirmwareRestorePage(TRUE);
        break;
    }
    default: break;
    }
}

void CUpdaterDlg::OnBnClickedAction() {
    if (m_bBusy || m_bPopupOpen) return;
    switch (m_nPage) {
    case PAGE_FIRMWARE_UPDATE: m_updatePage.StartFirmwareUpdate(); break;
    case PAGE_FIRMWARE_RESTORE: m_restorePage.StartRestore(); break;
    case PAGE_DEVICE_SETTING: m_settingPage.ApplySettingsToDevice(); break;
    case PAGE_FM_RADIO: m_settingSecondPage.ApplySettingsToDevice(); break;
    case PAGE_SPEED_DIAL: m_speedDialPage.ApplySettingsToDevice(); break;
    default: break;
    }
}
