#include "restore/DialogFirmwareRestore.h"
#include "app/DpiScale.h"
#include "app/AppPaths.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"
#include "core/ModelCatalog.h"
#include "core/ServerAddress.h"
#include "restore/BackupFeatureList.h"
#include "restore/BackupInfo.h"
#include "restore/BackupTransfer.h"
#include "texts/LabelTables.h"
#include "texts/LanguageNames.h"
#include "texts/MessageTexts.h"
#include "texts/RestorePageTexts.h"
#include "texts/WizardTexts.h"
#include "update/FirmwareList.h"

BEGIN_MESSAGE_MAP(CDialogFirmwareRestore, CWizardPage)
    ON_WM_CTLCOLOR()
    ON_WM_TIMER()
    ON_MESSAGE(WM_BACKUP_DOWNLOAD_DONE, &CDialogFirmwareRestore::OnBackupDownloadDone)
    ON_MESSAGE(WM_BACKUP_LIST_DONE, &CDialogFirmwareRestore::OnBackupListDone)
END_MESSAGE_MAP()

namespace {

const int kPage = 4;
const COLORREF kTitleColor = RGB(56, 117, 215);

void StaticAlign(CStatic& s, BackupInfoWrite::Op op) {
    if (!s.m_hWnd) return;
    switch (op) {
    case BackupInfoWrite::kAlignLeft: s.ModifyStyle(SS_RIGHT | SS_CENTER, 0); break;
    case BackupInfoWrite::kAlignRight: s.ModifyStyle(SS_CENTER, SS_RIGHT); break;
    case BackupInfoWrite::kAlignCenter: s.ModifyStyle(SS_RIGHT, SS_CENTER); break;
    default: break;
    }
    s.Invalidate();
}

}  // namespace

CDialogFirmwareRestore::CDialogFirmwareRestore(CWnd* parent) : CWizardPage(IDD_FIRMWARE_RESTORE, parent) {}

void CDialogFirmwareRestore::DoDataExchange(CDataExchange* pDX) {
    CWizardPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BACKUP_TITLE, m_staticTitle);
    DDX_Control(pDX, IDC_BACKUP_VERSION_LABEL, m_staticVersionLabel);
    DDX_Control(pDX, IDC_BACKUP_VERSION, m_staticVersion);
    DDX_Control(pDX, IDC_RESTORE_VOICE_COMBO, m_comboVoicePrompt);
    DDX_Control(pDX, IDC_BACKUP_DATE_LABEL, m_staticDateLabel);
    DDX_Control(pDX, IDC_BACKUP_DATE, m_staticDate);
    for (int row = 1; row <= BACKUP_INFO_ROWS; ++row) DDX_Control(pDX, BackupRowLabelId(row), m_staticRowLabel[row - 1]);
    for (int row = 1; row <= BACKUP_INFO_ROWS; ++row) DDX_Control(pDX, BackupRowValueId(row), m_staticRowValue[row - 1]);
    DDX_Control(pDX, IDC_BACKUP_VOICE_LABEL, m_staticVoiceLabel);
    DDX_Control(pDX, IDC_RESTORE_LIST, m_listFeatures);
}

BOOL CDialogFirmwareRestore::OnInitDialog() {
    CWizardPage::OnInitDialog();
    LOGFONTW lf = {};
    if (::GetObjectW(GetFont(), sizeof(lf), &lf)) {
        lf.lfWeight = FW_BOLD;
        m_fontBold.CreateFontIndirect(&lf);
    }
    if (m_fontBold.m_hObject) {
        CWnd* controls[] = {&m_staticTitle, &m_staticVersionLabel, &m_staticVersion, &m_comboVoicePrompt,
                            &m_staticVoiceLabel, &m_staticDateLabel, &m_staticDate, &m_listFeatures};
        for (CWnd* c : controls) c->SetFont(&m_fontBold, TRUE);
        for (int i = 0; i < BACKUP_INFO_ROWS; ++i) {
            m_staticRowLabel[i].SetFont(&m_fontBold, TRUE);
            m_staticRowValue[i].SetFont(&m_fontBold, TRUE);
        }
    }
    m_bArchiveRead = FALSE;
    for (int col = 0; col < 3; ++col) m_listFeatures.InsertColumn(col, L"", LVCFMT_LEFT, -1);
    SetListColumnWidths();
    MeasureFeatureRows();
    return TRUE;
}

// A new font makes the list view take its rows as high as the font; the grid
// asks for its own row height again only when it first draws, after the rows
// of the first backup are in and their scroll range is set. Asking now keeps
// the range right, so that the last rows of a long list can be scrolled to.
void CDialogFirmwareRestore::MeasureFeatureRows() {
    CRect rc;
    m_listFeatures.GetWindowRect(&rc);
    WINDOWPOS wp = {};
    wp.hwnd = m_listFeatures.m_hWnd;
    wp.cx = rc.Width();
    wp.cy = rc.Height();
    wp.flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    m_listFeatures.SendMessage(WM_WINDOWPOSCHANGED, 0, (LPARAM)&wp);
}

CString CDialogFirmwareRestore::GetTitleText(int language) {
    CString title;
    GetTextBackupInformationTitle(title, language);
    return title;
}

BOOL CDialogFirmwareRestore::IsConfigListFirstColumnRightAligned(const CConfigListCtrl&) const {
    CUpdaterDlg* main = MainDialog();
    return main && main->m_nPage == PAGE_FIRMWARE_RESTORE;
}

void CDialogFirmwareRestore::SetListColumnWidths() {
    // The widths are given for 96 dpi: they grow with the display's scaling.
    m_listFeatures.SetColumnWidth(0, dpiscale::X(322));
    m_listFeatures.SetColumnWidth(1, dpiscale::X(11));
    m_listFeatures.SetColumnWidth(2, dpiscale::X(177));
}

int CDialogFirmwareRestore::SelectedKind() const {
    if (m_nSettingPageIndex < 0 || m_nSettingPageIndex >= m_nSettingPageCount || m_nSettingPageIndex >= 3) return 0;
    return m_anSettingPageKind[m_nSettingPageIndex];
}

// --- Entry and load ------------------------------------------------------

void CDialogFirmwareRestore::EnterPage(int mode) {
    CUpdaterDlg* main = MainDialog();
    KillTimer(kTimerLoadBackupInfo);
    m_bArchiveRead = FALSE;
    m_nEntryMode = mode;
    main->m_nProgress = -1;
    ResetSettingPages(&m_nSettingPageCount, m_anSettingPageKind, &m_nSettingPageIndex);
    main->m_bPopupOpen = FALSE;
    m_firmwareInfo.Reset(4);
    m_firmwareInfo.m_bBackupAvailable = TRUE;
    m_bListPending = FALSE;
    m_nLastDownloadResult = -1;
    if (m_comboVoicePrompt.m_hWnd) m_comboVoicePrompt.ResetContent();
    main->m_bBusy = TRUE;
    main->UpdateControls();
    RefreshPage();
    SetTimer(kTimerLoadBackupInfo, 500);
}

void CDialogFirmwareRestore::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kTimerLoadBackupInfo) {
        KillTimer(kTimerLoadBackupInfo);
        LoadBackupInfo();
        return;
    }
    Default();
}

void CDialogFirmwareRestore::SetStatusTexts(void (*first)(CString&, int), void (*second)(CString&, int)) {
    CUpdaterDlg* main = MainDialog();
    for (int i = 0; i < STATUS_LANGUAGES; ++i) {
        CString a, b, text;
        first(a, i);
        second(b, i);
        text.Format(L"%s. %s", a.GetString(), b.GetString());
        main->SetStatusTextForLanguage(text, i);
    }
}

void CDialogFirmwareRestore::SetFailureStatus(void (*reason)(CString&, int)) {
    SetStatusTexts([](CString& out, int i) { GetTextPageFailure(out, kPage, i); }, reason);
}

void CDialogFirmwareRestore::LoadBackupInfo() {
    CUpdaterDlg* main = MainDialog();
    m_firmwareInfo.m_nStep = FW_STEP_IDLE;
    m_firmwareInfo.m_nCount = 0;
    m_firmwareInfo.m_strSelectedFile.Empty();
    if (m_comboVoicePrompt.m_hWnd) m_comboVoicePrompt.ResetContent();

    CString folder = apppaths::ImageFolder();
    ArchiveReadResult read = ARCHIVE_MISSING;
    if (!folder.IsEmpty())
        read = ReadSettingsArchiveFile(SettingsArchivePath(folder, main->m_nTargetModel), &m_backupRecord, &m_archivedKeys);
    else
        m_backupRecord = CDeviceRecord();
    m_bArchiveRead = TRUE;
    // An archive of another device than the chosen one is not this device's backup.
    BOOL usable = read == ARCHIVE_USABLE && main->IsSameDeviceFamily(m_backupRecord.m_nModelId);
    m_firmwareInfo.m_bBackupAvailable = usable;
    if (!usable) {
        SetFailureStatus(GetTextMsgNoBackupFirmware);
        FinishBackupInfo();
        return;
    }
    m_firmwareInfo.m_bBackupAvailable = FALSE;
    m_bListPending = TRUE;
    // The page is not left while its list is fetched (also when a language
    // change fetched it again).
    if (!main->m_bBusy) {
        main->m_bBusy = TRUE;
        main->UpdateControls();
    }
    // The list is scanned on the worker that fetches it, for what is known now.
    BackupListQuery query;
    GetModelName(query.modelName, main->m_nTargetModel, TRUE);
    query.modelId = main->m_nTargetModel;
    query.backup = m_backupRecord;
    query.firmwareLanguage = main->m_strFirmwareLanguage;
    if (main->m_bApplyToFirmwareLanguage) GetLanguageNameIn(query.preferredLanguage, main->m_nLanguage, 0);
    BackupTransfer().FetchList(GetServerBaseUrl() + L"Revisions", query, m_hWnd);
}

LRESULT CDialogFirmwareRestore::OnBackupListDone(WPARAM, LPARAM lParam) {
    BackupListDownload* list = reinterpret_cast<BackupListDownload*>(lParam);
    if (!list) return 0;
    BackupListDownload result = *list;
    delete list;
    if (!m_bListPending) return 0;  // the page was entered again since
    m_bListPending = FALSE;
    CUpdaterDlg* main = MainDialog();
    if (result.bytes <= 0) {
        SetFailureStatus(GetTextMsgCannotConnectToServer);
    } else {
        const BackupListResult& scan = result.scan;
        m_firmwareInfo.m_bBackupAvailable = scan.available;
        m_firmwareInfo.m_bEntryFound = scan.entryFound;
        for (int i = 0; i < 4; ++i) m_firmwareInfo.m_anVersion[i] = scan.version[i];
        m_firmwareInfo.m_strSelectedFile = scan.chosenFile;
        for (const BackupImage& image : scan.images) {
            m_firmwareInfo.AddPair(image.file, image.language);
            CString name;
            TranslateLanguageName(name, image.language, main->m_nLanguage);
            m_comboVoicePrompt.AddString(name);
        }
        if (scan.selected >= 0) m_comboVoicePrompt.SetCurSel(scan.selected);
        if (!scan.available) SetFailureStatus(GetTextMsgNoBackupFirmwareOnServer);
    }
    FinishBackupInfo();
    return 0;
}

void CDialogFirmwareRestore::FinishBackupInfo() {
    CUpdaterDlg* main = MainDialog();
    BOOL available = m_firmwareInfo.m_bBackupAvailable;
    if (available && m_nEntryMode) {
        for (int i = 0; i < STATUS_LANGUAGES; ++i) {
            CString text;
            if (m_comboVoicePrompt.GetCount() > 0) GetTextMsgPressRestoreAfterVoicePromptLanguage(text, i);
            else GetTextMsgPressRestoreButton(text, i);
            main->SetStatusTextForLanguage(text, i);
        }
    }
    // The backup's setting groups come from what the archive recorded, also
    // when no image can be offered for it.
    if (m_bArchiveRead) {
        GetSettingPages(m_backupRecord.m_nModelId, m_backupRecord.m_version.m_nMajor, m_backupRecord.m_version.m_nMinor,
                        &m_nSettingPageCount, m_anSettingPageKind, &m_nSettingPageIndex);
    } else {
        ResetSettingPages(&m_nSettingPageCount, m_anSettingPageKind, &m_nSettingPageIndex);
    }
    CString current;
    main->GetStatusText(&current);
    main->ShowStatusText(current, !available);
    main->m_bBusy = FALSE;
    main->UpdateControls();
    RefreshPage();
}

// --- Texts and visibility ------------------------------------------------


void CDialogFirmwareRestore::ShowBackupInfoLabels() {
    CUpdaterDlg* main = MainDialog();
    int comboCount = m_comboVoicePrompt.m_hWnd ? m_comboVoicePrompt.GetCount() : 0;
    BackupInfoTexts texts =
        BuildBackupInfoTexts(m_backupRecord, main->m_nTargetModel, main->m_nLanguage, SelectedKind(), comboCount);
    for (const BackupInfoWrite& w : texts.writes) {
        CWnd* control = GetDlgItem(w.id);
        if (!control) continue;
        if (w.op == BackupInfoWrite::kText) control->SetWindowText(w.text);
        else StaticAlign(*static_cast<CStatic*>(control), w.op);
    }
    m_nRowsWritten = texts.rowsWritten;
}

void CDialogFirmwareRestore::ShowSpeedDialRows() {
    BackupInfoTexts texts;
    AppendSpeedDialRows(texts, m_backupRecord, MainDialog()->m_nLanguage);
    for (const BackupInfoWrite& w : texts.writes)
        if (CWnd* control = GetDlgItem(w.id)) control->SetWindowText(w.text);
    m_nRowsWritten |= texts.rowsWritten;
}

void CDialogFirmwareRestore::HideAllValueControls() {
    CWnd* controls[] = {&m_staticVersionLabel, &m_staticVersion, &m_staticDateLabel, &m_staticDate, &m_listFeatures};
    for (CWnd* c : controls)
        if (c->m_hWnd) c->ShowWindow(SW_HIDE);
    ShowValueRows(FALSE);
}

void CDialogFirmwareRestore::ShowValueRows(BOOL show) {
    for (int i = 0; i < BACKUP_INFO_ROWS; ++i) {
        if (m_staticRowLabel[i].m_hWnd) m_staticRowLabel[i].ShowWindow(show ? SW_SHOW : SW_HIDE);
        if (m_staticRowValue[i].m_hWnd) m_staticRowValue[i].ShowWindow(show ? SW_SHOW : SW_HIDE);
    }
}

void CDialogFirmwareRestore::UpdateFeatureListVisibility() {
    BOOL show = m_firmwareInfo.m_bBackupAvailable && m_listFeatures.GetItemCount() > 0;
    m_listFeatures.ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CDialogFirmwareRestore::SetFeatureText(int row, int column, LPCWSTR text) {
    m_listFeatures.SetItem(row, column, LVIF_TEXT, text, 0, 0, 0, 0);
}

void CDialogFirmwareRestore::FillBackupFeatureList() {
    if (!m_listFeatures.m_hWnd) return;
    CUpdaterDlg* main = MainDialog();
    if (m_listFeatures.GetItemCount() != 0) m_listFeatures.DeleteAllItems();
    BackupFeatureInput input;
    input.model = main->m_nTargetModel;
    input.kind = SelectedKind();
    input.language = main->m_nLanguage;
    input.backup = &m_backupRecord;
    input.device = &main->m_deviceRecord;
    input.keys = &m_archivedKeys;
    BackupFeaturePlan plan = PlanBackupFeatureList(input);
    if (plan.action == BackupFeaturePlan::kHideGrid) {
        m_listFeatures.ShowWindow(SW_HIDE);
        return;
    }
    // Every row first, with its separator; then label and value row by row.
    // Only texts: the grid gets no cell, so Tab passes over it.
    const int count = (int)plan.rows.size();
    for (int i = 0; i < count; ++i) {
        m_listFeatures.InsertItem(i, L"");
        SetFeatureText(i, 1, kBackupFeatureSeparator);
    }
    for (int i = 0; i < count; ++i) {
        SetFeatureText(i, 0, plan.rows[(size_t)i].label);
        SetFeatureText(i, 2, plan.rows[(size_t)i].value);
    }
}

void CDialogFirmwareRestore::RebuildVoicePromptCombo() {
    CUpdaterDlg* main = MainDialog();
    if (m_comboVoicePrompt.GetCount() < 2) {
        m_comboVoicePrompt.ShowWindow(SW_HIDE);
        m_staticVoiceLabel.ShowWindow(SW_HIDE);
        return;
    }
    int selected = m_comboVoicePrompt.GetCurSel();
    m_comboVoicePrompt.ResetContent();
    for (int i = 0; i < m_firmwareInfo.m_nCount; ++i) {
        CString name;
        TranslateLanguageName(name, m_firmwareInfo.m_astrLanguages[(size_t)i], main->m_nLanguage);
        m_comboVoicePrompt.AddString(name);
    }
    m_comboVoicePrompt.SetCurSel(selected);
    m_comboVoicePrompt.ShowWindow(SW_SHOW);
    m_staticVoiceLabel.SetWindowText(g_txtVoicePrompt[texts::LanguageSlot(main->m_nLanguage)][0]);
    m_staticVoiceLabel.ShowWindow(SW_SHOW);
}

void CDialogFirmwareRestore::RefreshPage() {
    if (!m_hWnd) return;
    if (!m_bArchiveRead) {
        HideAllValueControls();
        // Before the archive is read only the title shows.
        m_comboVoicePrompt.ShowWindow(SW_HIDE);
        m_staticVoiceLabel.ShowWindow(SW_HIDE);
        m_staticTitle.SetWindowText(GetTitleText(MainDialog()->m_nLanguage));
        return;
    }
    CUpdaterDlg* main = MainDialog();
    SetRedraw(FALSE);
    ShowBackupInfoLabels();
    m_comboVoicePrompt.EnableWindow(!main->m_bBusy && !main->m_bPopupOpen);
    CWnd* versionAndDate[] = {&m_staticVersionLabel, &m_staticVersion, &m_staticDateLabel, &m_staticDate};
    for (CWnd* c : versionAndDate) c->ShowWindow(SW_SHOW);
    ShowValueRows(TRUE);
    FillBackupFeatureList();
    m_listFeatures.ShowWindow(SW_HIDE);
    RebuildVoicePromptCombo();

    if (!m_firmwareInfo.m_bBackupAvailable) {
        m_comboVoicePrompt.ShowWindow(SW_HIDE);
        m_staticVoiceLabel.ShowWindow(SW_HIDE);
        for (CWnd* c : versionAndDate) c->ShowWindow(SW_HIDE);
        ShowValueRows(FALSE);
    } else {
        unsigned table = BackupRowVisibility(m_backupRecord, main->m_nTargetModel, SelectedKind());
        // A row the model's texts did not write would show another model's texts: hidden.
        unsigned shown = table & m_nRowsWritten;
        for (int i = 0; i < BACKUP_INFO_ROWS; ++i) {
            int cmd = (shown & (1u << i)) ? SW_SHOW : SW_HIDE;
            m_staticRowLabel[i].ShowWindow(cmd);
            m_staticRowValue[i].ShowWindow(cmd);
        }
        if (table & kBackupGrid) UpdateFeatureListVisibility();
    }
    SetRedraw(TRUE);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

// --- Restore ---------------------------------------------------------------

void CDialogFirmwareRestore::StartRestore() {
    CUpdaterDlg* main = MainDialog();
    // Nothing starts while the page is busy, with a download of its own too.
    if (!m_firmwareInfo.m_bBackupAvailable || m_bListPending || main->m_bBusy) return;
    // Which image: the chosen voice prompt, or the one image the list named.
    CString file = m_firmwareInfo.m_strSelectedFile;
    CString language;
    if (m_comboVoicePrompt.GetCount() > 0) {
        int selected = m_comboVoicePrompt.GetCurSel();
        if (selected < 0 || selected >= m_firmwareInfo.m_nCount) return;
        file = m_firmwareInfo.m_astrFileNames[(size_t)selected];
        language = m_firmwareInfo.m_astrLanguages[(size_t)selected];
    }
    // An empty choice (a list still being fetched again) never starts a restore.
    if (file.IsEmpty()) return;

    m_firmwareInfo.m_nStep = FW_STEP_STARTED;
    m_firmwareInfo.ClearStatusTexts();
    main->m_bBusy = TRUE;
    main->UpdateControls();
    RefreshPage();
    if (!language.IsEmpty()) main->m_strFirmwareLanguage = language;
    m_firmwareInfo.m_strSelectedFile = file;
    for (int i = 0; i < STATUS_LANGUAGES; ++i) {
        CString activity, about, text;
        GetTextPageActivity(activity, kPage, main->m_nUsbStatus, i);
        GetTextMsgAboutToDownloadBackupFirmware(about, i);
        text.Format(L"%s %s", activity.GetString(), about.GetString());
        main->SetStatusTextForLanguage(text, i);
        m_firmwareInfo.SetStatusText(i, text);
    }
    CString current;
    main->GetStatusText(&current);
    main->ShowStatusText(current, FALSE);

    // Everything the worker needs is made here and handed over by value.
    CString folder = apppaths::ImageFolder();
    CString model;
    GetModelName(model, main->m_nTargetModel, TRUE);
    m_firmwareInfo.m_nStep = FW_STEP_DOWNLOAD;
    DWORD attributes = folder.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY) || model.IsEmpty()) {
        PostMessage(WM_BACKUP_DOWNLOAD_DONE, BACKUP_DOWNLOAD_CANNOT_OPEN_FILE, 0);
        return;
    }
    CString localPath;
    localPath.Format(L"%s%s.%s", folder.GetString(), model.GetString(), L"img");
    m_firmwareInfo.m_strFirmwarePath = localPath;
    // A name from the list goes under the server's address only when it is a plain file name.
    if (!IsPlainServerFileName(file)) {
        PostMessage(WM_BACKUP_DOWNLOAD_DONE, BACKUP_DOWNLOAD_FAILED, 0);
        return;
    }
    BackupTransfer().FetchImage(GetServerBaseUrl() + file, localPath, m_hWnd);
}

LRESULT CDialogFirmwareRestore::OnBackupDownloadDone(WPARAM wParam, LPARAM) {
    CUpdaterDlg* main = MainDialog();
    if (m_firmwareInfo.m_nStep != FW_STEP_DOWNLOAD) return 0;  // no download of this visit is running
    m_nLastDownloadResult = (int)wParam;
    if (wParam == BACKUP_DOWNLOAD_OK) {
        // The record recognition writes back after the restore: the device as
        // it was read, with the settings the archive held and the archived
        // firmware version. A setting missing from the archive keeps the
        // device's own value instead of a blank one.
        CDeviceRecord writeBack = main->m_deviceRecord;
        ApplyArchivedSettings(&writeBack, m_backupRecord, m_archivedKeys);
        writeBack.m_version = m_backupRecord.m_version;
        writeBack.m_timeArchived = m_backupRecord.m_timeArchived;
        m_backupRecord = writeBack;
        main->m_updatePage.RunFirmwareUpdate();
        main->m_updatePage.SetTimer(kTimerUpdateProgress, 1000);
        return 0;
    }
    m_firmwareInfo.m_nStep = FW_STEP_IDLE;
    typedef void (*Getter)(CString&, int);
    Getter reason = wParam == BACKUP_DOWNLOAD_CANNOT_OPEN_FILE ? (Getter)GetTextMsgCannotOpenFile
                                                               : (Getter)GetTextMsgCannotConnectToServer;
    SetStatusTexts(GetTextMsgFailedToDownloadLatestFirmware, reason);
    CString current;
    main->GetStatusText(&current);
    main->ShowStatusText(current, TRUE);
    main->m_bBusy = FALSE;
    main->UpdateControls();
    RefreshPage();
    return 0;
}

HBRUSH CDialogFirmwareRestore::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH brush = CWizardPage::OnCtlColor(pDC, pWnd, nCtlColor);
    if (pWnd && pWnd->m_hWnd == m_staticTitle.m_hWnd) pDC->SetTextColor(kTitleColor);
    CUpdaterDlg* main = MainDialog();
    if (main && main->m_bPopupOpen) {
        if (CWnd* list = main->GetDlgItem(IDC_PAGE_LIST)) list->SetFocus();
    }
    return brush;
}
