// The page itself: its controls, their texts and layout, the colours, Browse.
#include "update/DialogFirmwareUpdate.h"
#include "app/AppPaths.h"
#include "app/DpiScale.h"
#include "app/DialogMessageBox.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"
#include "texts/LabelTables.h"
#include "texts/LanguageNames.h"
#include "texts/MessageTexts.h"
#include "texts/UpdatePageTexts.h"
#include "texts/WizardTexts.h"
#include "update/HidUpdateJob.h"

namespace {

// The latest-version line shares its row with the right-aligned voice-prompt
// caption, and both end at the same place: while the caption shows, it is as
// wide as its text and the line ends a little before it. (Both texts stay
// where they are.)
void FitLineBesideCaption(CWnd& line, CWnd& caption, BOOL captionShown) {
    CWnd* page = line.GetParent();
    if (!page) return;
    CRect lineRect, captionRect;
    line.GetWindowRect(&lineRect);
    caption.GetWindowRect(&captionRect);
    page->ScreenToClient(&lineRect);
    page->ScreenToClient(&captionRect);
    int right = captionRect.right;
    if (captionShown) {
        CString text;
        caption.GetWindowText(text);
        CClientDC dc(&caption);
        CGdiSelection font(dc, caption.GetFont());
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, text, text.GetLength(), &extent);
        int captionLeft = captionRect.right - extent.cx - dpiscale::X(2);
        if (captionLeft < lineRect.left) captionLeft = lineRect.left;
        caption.MoveWindow(captionLeft, captionRect.top, captionRect.right - captionLeft, captionRect.Height());
        right = captionLeft - dpiscale::X(4);
    }
    if (right < lineRect.left) right = lineRect.left;
    if (right != lineRect.right) line.MoveWindow(lineRect.left, lineRect.top, right - lineRect.left, lineRect.Height());
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialogFirmwareUpdate, CWizardPage)
    ON_WM_CTLCOLOR()
    ON_WM_TIMER()
    ON_BN_CLICKED(IDC_UPDATE_BROWSE, &CDialogFirmwareUpdate::OnBnClickedBrowse)
    ON_BN_CLICKED(IDC_UPDATE_DOWNLOAD, &CDialogFirmwareUpdate::OnBnClickedDownload)
    ON_MESSAGE(WM_DFU_CALLBACK_EVENT, &CDialogFirmwareUpdate::OnDfuCallbackEvent)
    ON_MESSAGE(WM_UPDATE_START_POST_TIMER, &CDialogFirmwareUpdate::OnStartPostTimer)
    ON_MESSAGE(WM_FIRMWARE_LIST_DONE, &CDialogFirmwareUpdate::OnFirmwareListDone)
    ON_MESSAGE(WM_FIRMWARE_IMAGE_DONE, &CDialogFirmwareUpdate::OnFirmwareImageDone)
END_MESSAGE_MAP()

CDialogFirmwareUpdate::CDialogFirmwareUpdate(CWnd* parent)
    : CWizardPage(IDD_FIRMWARE_UPDATE, parent), m_dfu(this) {
    // The program's own flat buttons, like those of the wizard beside them.
    m_btnBrowse.m_nKind = CWizardButton::kNavigation;
    m_btnDownload.m_nKind = CWizardButton::kNavigation;
}

CDialogFirmwareUpdate::~CDialogFirmwareUpdate() {
    // No engine may call back into a page that is gone.
    m_dfu.DestroyEngines();
    if (m_hidJob) ::InterlockedExchange(&m_hidJob->cancel, 1);
}

void CDialogFirmwareUpdate::DoDataExchange(CDataExchange* pDX) {
    CWizardPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_UPDATE_FILE_CAPTION, m_staticFileCaption);
    DDX_Control(pDX, IDC_UPDATE_FILE_EDIT, m_editFile);
    DDX_Control(pDX, IDC_UPDATE_BROWSE, m_btnBrowse);
    DDX_Control(pDX, IDC_UPDATE_LATEST_VERSION, m_staticLatest);
    DDX_Control(pDX, IDC_UPDATE_DOWNLOAD, m_btnDownload);
    DDX_Control(pDX, IDC_UPDATE_VOICE_COMBO, m_comboVoicePrompt);
    DDX_Control(pDX, IDC_UPDATE_VOICE_CAPTION, m_staticVoiceCaption);
    DDX_Control(pDX, IDC_UPDATE_INSTRUCTIONS, m_staticInstructions);
}

BOOL CDialogFirmwareUpdate::OnInitDialog() {
    CWizardPage::OnInitDialog();
    m_nRunningTimer = 0;
    m_dfu.m_bTransferComplete = 0;
    LOGFONTW lf{};
    ::GetObjectW(GetFont(), sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    m_fontBold.CreateFontIndirect(&lf);
    CWnd* controls[] = {&m_staticFileCaption, &m_editFile,      &m_btnBrowse,          &m_staticLatest,
                        &m_btnDownload,       &m_comboVoicePrompt, &m_staticVoiceCaption, &m_staticInstructions};
    for (CWnd* c : controls) c->SetFont(&m_fontBold);
    m_comboVoicePrompt.ResetContent();
    return TRUE;
}

CFirmwareInfo* CDialogFirmwareUpdate::ActiveFirmwareInfo() {
    CUpdaterDlg* main = MainDialog();
    if (!main || main->m_nPage == PAGE_FIRMWARE_UPDATE) return &m_firmwareInfo;
    return &main->m_restorePage.m_firmwareInfo;
}

int CDialogFirmwareUpdate::TargetModel() { return MainDialog()->m_nTargetModel; }
int CDialogFirmwareUpdate::UsbStatus() { return MainDialog()->m_nUsbStatus; }
int CDialogFirmwareUpdate::CurrentPage() { return MainDialog()->m_nPage; }

void CDialogFirmwareUpdate::ResetPage() {
    CUpdaterDlg* main = MainDialog();
    main->m_nProgress = -1;
    m_dfu.m_nActiveEngine = 0;
    m_dfu.DestroyEngines();
    m_bAutoUpdate = 0;
    m_firmwareInfo.Reset(3);
    m_editFile.SetWindowText(L"");
    m_comboVoicePrompt.ResetContent();
    main->m_bBusy = TRUE;
    main->UpdateControls();
    UpdateControls();
    SetTimer(kTimerServerList, 500);
}

void CDialogFirmwareUpdate::UpdateControls() {
    if (!m_hWnd) return;
    CUpdaterDlg* main = MainDialog();
    const int language = main->m_nLanguage;
    SetRedraw(FALSE);
    CString text;
    GetTextFirmwareToUpdate(text, language);
    m_staticFileCaption.SetWindowText(text);
    GetTextBrowseButton(text, language);
    m_btnBrowse.SetWindowText(text);
    GetTextDownloadButton(text, language);
    m_btnDownload.SetWindowText(text);
    GetTextVoicePromptInstruction(text, language);
    m_staticInstructions.SetWindowText(text);

    const BOOL free = !main->m_bBusy;
    m_btnBrowse.EnableWindow(free);
    m_btnDownload.EnableWindow(free);
    m_comboVoicePrompt.EnableWindow(free);

    const int* v = m_firmwareInfo.m_anVersion;
    const bool known = v[0] || v[1] || v[2] || v[3];
    const int model = main->m_nTargetModel;
    BOOL comboShown = FALSE;
    if (!known) {
        GetTextMsgCannotConnectToServer(text, language);
        m_btnDownload.EnableWindow(FALSE);
    } else {
        CString latest, suffix;
        GetTextLatestVersion(latest, language);
        if (v[3] || model == 0x5345 || model == 0x5346) suffix.Format(L".%d", v[3]);
        const bool four = model == 0x3020;
        if (m_firmwareInfo.m_nCount < 2) {
            if (four)
                text.Format(L"%s: v%d.%d.%d.%d (%s)", (const wchar_t*)latest, v[2], v[3], v[0], v[1],
                            (const wchar_t*)m_firmwareInfo.m_strSelectedFile);
            else
                text.Format(L"%s: v%d.%d%s (%s)", (const wchar_t*)latest, v[0], v[1], (const wchar_t*)suffix,
                            (const wchar_t*)m_firmwareInfo.m_strSelectedFile);
        } else {
            int selected = m_comboVoicePrompt.GetCurSel();
            m_comboVoicePrompt.ResetContent();
            for (int i = 0; i < m_firmwareInfo.m_nCount; ++i) {
                CString name;
                TranslateLanguageName(name, m_firmwareInfo.m_astrLanguages[i], language);
                m_comboVoicePrompt.AddString(name);
            }
            m_comboVoicePrompt.SetCurSel(selected);
            if (four) text.Format(L"%s: v%d.%d.%d.%d", (const wchar_t*)latest, v[2], v[3], v[0], v[1]);
            else text.Format(L"%s: v%d.%d%s", (const wchar_t*)latest, v[0], v[1], (const wchar_t*)suffix);
            comboShown = TRUE;
            m_staticVoiceCaption.SetWindowText(g_txtVoicePrompt[language >= 0 && language < 13 ? language : 0][0]);
        }
    }
    m_staticLatest.SetWindowText(text);
    const int show = comboShown ? SW_SHOW : SW_HIDE;
    m_comboVoicePrompt.ShowWindow(show);
    m_staticVoiceCaption.ShowWindow(show);
    m_staticInstructions.ShowWindow(show);
    FitLineBesideCaption(m_staticLatest, m_staticVoiceCaption, comboShown);
    LayoutDownloadButton(comboShown);
    SetRedraw(TRUE);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void CDialogFirmwareUpdate::LayoutDownloadButton(BOOL comboShown) {
    CRect browse, combo, download;
    m_btnBrowse.GetWindowRect(&browse);
    m_comboVoicePrompt.GetWindowRect(&combo);
    m_btnDownload.GetWindowRect(&download);
    ScreenToClient(&browse);
    ScreenToClient(&combo);
    ScreenToClient(&download);
    // The closed combo's own height, not its drop-down list's.
    CRect comboBox(combo);
    comboBox.bottom = comboBox.top + browse.Height() + 2;
    const int height = browse.Height();
    int top = comboBox.top + (comboBox.Height() - height) / 2;
    if (comboShown) top += comboBox.bottom - browse.bottom;
    m_btnDownload.MoveWindow(download.left, top, download.Width(), height);
}

HBRUSH CDialogFirmwareUpdate::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH brush = CWizardPage::OnCtlColor(pDC, pWnd, nCtlColor);
    if (pWnd && pWnd->m_hWnd == m_staticLatest.m_hWnd) {
        const int* v = m_firmwareInfo.m_anVersion;
        const bool known = v[0] || v[1] || v[2] || v[3];
        pDC->SetTextColor(known ? RGB(0, 0, 0) : RGB(0xFF, 0x70, 0x00));
    }
    return brush;
}

void CDialogFirmwareUpdate::OnBnClickedBrowse() {
    CUpdaterDlg* main = MainDialog();
    if (main->m_bBusy) return;
    CFileDialog dlg(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, L"*.img|*.IMG|", this);
    dlg.m_initialDir = apppaths::FileDialogFolder(main->m_strCurrentPath);
    if (dlg.DoModal() != IDOK) return;
    CString path = dlg.GetPathName();
    int slash = path.ReverseFind(L'\\');
    if (slash >= 0) main->m_strCurrentPath = path.Left(slash + 1);
    m_editFile.SetWindowText(path);
    m_editFile.SetSel(path.GetLength(), path.GetLength());
    for (int i = 0; i < STATUS_LANGUAGES; ++i) {
        CString press;
        GetTextMsgPressUpdateButton(press, i);
        main->SetStatusTextForLanguage(press, i);
    }
    CString current;
    main->GetStatusText(&current);
    main->ShowStatusText(current, FALSE);
    main->UpdateControls();
    UpdateControls();
}

void CDialogFirmwareUpdate::OnTimer(UINT_PTR nIDEvent) {
    switch (nIDEvent) {
    case kTimerServerList: CheckServerList(); break;
    case kTimerProgress: ProgressTick(); break;
    case kTimerPostUpdate: PostUpdateStep(); break;
    case kTimerDownload: DownloadFirmware(); break;
    case kTimerDeviceWait:
        KillTimer(kTimerDeviceWait);
        m_dfu.ContinueReconfigure();
        break;
    case kTimerSwitchWait:
        KillTimer(kTimerSwitchWait);
        if (m_nSwitchingPath) FinishSwitchFirst();
        else FinishInlineSwitch();
        break;
    default: Default(); break;
    }
}

LRESULT CDialogFirmwareUpdate::OnDfuCallbackEvent(WPARAM, LPARAM) {
    m_dfu.HandleOneEvent();
    return 0;
}

LRESULT CDialogFirmwareUpdate::OnStartPostTimer(WPARAM, LPARAM) {
    StartPostUpdateCheck();
    return 0;
}

void CDialogFirmwareUpdate::ArmDeviceWait(DWORD ms) { SetTimer(kTimerDeviceWait, ms); }

void CDialogFirmwareUpdate::PostDfuEvent() { ::PostMessageW(m_hWnd, WM_DFU_CALLBACK_EVENT, 0, 0); }

void CDialogFirmwareUpdate::StartPostUpdateCheck() {
    if (m_nRunningTimer) return;
    m_nPostUpdatePolls = 0;
    m_nRunningTimer = SetTimer(kTimerPostUpdate, kPostUpdatePollMs);
}

void CDialogFirmwareUpdate::StopPostUpdateTimer() {
    if (m_nRunningTimer) KillTimer(kTimerPostUpdate);
    m_nRunningTimer = 0;
    m_dfu.m_bTransferComplete = 0;
}

void CDialogFirmwareUpdate::ShowWaitBox(const CString& text, BOOL withOk, int width, int height) {
    CFirmwareInfo* info = ActiveFirmwareInfo();
    info->CloseWaitBox();
    CUpdaterDlg* main = MainDialog();
    auto* box = new CDialogMessageBox(nullptr);
    CString ok;
    GetTextOk(ok, main->m_nLanguage);
    SIZE size{width, height};
    box->Setup(text, 1, nullptr, withOk ? (const wchar_t*)ok : nullptr, &size);
    if (!box->CreateWaitBox(main)) {
        delete box;
        return;
    }
    info->m_pWaitBox = box;
}

void CDialogFirmwareUpdate::ShowPressAndHoldBox(BOOL twoKeys) {
    CString text;
    if (twoKeys) MainDialog()->GetPressAndHoldTwoKeysText(&text);
    else MainDialog()->GetPressAndHoldText(&text);
    ShowWaitBox(text, FALSE, 400, 110);
}

void CDialogFirmwareUpdate::CloseWaitBox() {
    CFirmwareInfo* info = ActiveFirmwareInfo();
    if (info->m_pWaitBox && info->m_pWaitBox->m_hWnd) info->m_pWaitBox->PostMessage(WM_CLOSE);
    info->CloseWaitBox();
}
