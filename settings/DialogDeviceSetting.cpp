#include "settings/DialogDeviceSetting.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"
#include "settings/DeviceSettingRows.h"
#include "settings/SettingsSave.h"
#include "settings/SettingsWrites.h"
#include "texts/HelpTexts.h"
#include "texts/WizardTexts.h"

namespace {

// The text colour of the two notes.
const COLORREF kNoteColour = RGB(255, 112, 0);

// The models whose fourth settings word survives DEFAULT.
bool KeepsFourthWordOnDefault(int model) { return model == 0x3110 || model == 0x3116 || model == 0x3118; }

}  // namespace

// The help buttons in the order of m_btnHelp.
static const int kHelpIds[] = {IDC_DS_EDR_HELP,     IDC_DS_PLC_HELP,      IDC_DS_A2DP_HELP,    IDC_DS_MIC_HELP,
                               IDC_DS_SIDETONE_HELP, IDC_DS_QUIET_HELP,   IDC_DS_AGC_HELP,     IDC_DS_GAIN_HELP,
                               IDC_DS_TIMEOUT_HELP, IDC_DS_BOOST_HELP,    IDC_DS_MOTION_HELP,  IDC_DS_WEAVE_HELP,
                               IDC_DS_OVERLAY_HELP, IDC_DS_NAVI_HELP};

BEGIN_MESSAGE_MAP(CDialogDeviceSetting, CWizardPage)
    ON_MESSAGE(WM_SETTINGS_SAVE_WRITTEN, &CDialogDeviceSetting::OnSaveWritten)
    ON_WM_CTLCOLOR()
    ON_BN_CLICKED(IDC_DS_DEFAULT, &CDialogDeviceSetting::OnBnClickedDefault)
    ON_BN_CLICKED(IDC_DS_CANCEL, &CDialogDeviceSetting::OnBnClickedCancel)
    ON_BN_CLICKED(IDC_DS_NOTE_BUTTON, &CDialogDeviceSetting::OnBnClickedNote)
    ON_CBN_SELCHANGE(IDC_DS_MOTION_COMBO, &CDialogDeviceSetting::OnCbnSelchangeMotion)
    ON_CBN_SELCHANGE(IDC_DS_OVERLAY_COMBO, &CDialogDeviceSetting::OnCbnSelchangeOverlay)
    ON_EN_CHANGE(IDC_DS_TIMEOUT_EDIT, &CDialogDeviceSetting::OnEnChangeTimeout)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_DS_VOX_PHONE_LABEL, IDC_DS_AGC_DISABLE, &CDialogDeviceSetting::OnRadioClicked)
END_MESSAGE_MAP()

CDialogDeviceSetting::CDialogDeviceSetting(CWnd* parent) : CWizardPage(IDD_DEVICE_SETTING, parent) {}

void CDialogDeviceSetting::DoDataExchange(CDataExchange* pDX) {
    CWizardPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SETTING_LIST, m_listSettings);
    DDX_Control(pDX, IDC_DS_MORE_SETTINGS, m_btnMore);
    DDX_Control(pDX, IDC_DS_DEFAULT, m_btnDefault);
    DDX_Control(pDX, IDC_DS_CANCEL, m_btnCancel);
    DDX_Control(pDX, IDC_DS_NOTE_BUTTON, m_btnNote);
    DDX_Control(pDX, IDC_DS_MOTION_COMBO, m_comboMotion);
    DDX_Control(pDX, IDC_DS_OVERLAY_COMBO, m_comboOverlay);
    DDX_Control(pDX, IDC_DS_TIMEOUT_EDIT, m_editTimeout);
    DDX_Control(pDX, IDC_DS_TIMEOUT_SPIN, m_spinTimeout);
    for (int i = 0; i < kHelpButtons; ++i) DDX_Control(pDX, kHelpIds[i], m_btnHelp[i]);
}

BOOL CDialogDeviceSetting::OnInitDialog() {
    CWizardPage::OnInitDialog();
    ApplyBoldFonts();
    // Three columns without captions: help button, setting, value.
    // ---- The grid's column bookkeeping goes with the grid control. ----
    m_listSettings.InsertColumn(0, L"", LVCFMT_CENTER, -1);
    m_listSettings.InsertColumn(1, L"", LVCFMT_LEFT, -1);
    m_listSettings.InsertColumn(2, L"", LVCFMT_CENTER, -1);
    for (CBitmapButton& help : m_btnHelp) {
        help.LoadBitmaps(IDB_HELP_QUESTION, IDB_HELP_QUESTION, IDB_HELP_QUESTION, IDB_HELP_QUESTION);
        help.SizeToContent();
    }
    m_spinTimeout.SetRange(3, 60);
    // Intercom-sound blend sensitivity, " 1" to "10" (stored as 10 down to 1).
    for (int level = 1; level <= 10; ++level) {
        CString item;
        item.Format(L"%2d", level);
        m_comboOverlay.AddString(item);
    }
    m_bCellPopupOpen = FALSE;
    return TRUE;
}

BOOL CDialogDeviceSetting::UsesPageBackground(CWnd*, UINT nCtlColor) {
    return nCtlColor != CTLCOLOR_EDIT && nCtlColor != CTLCOLOR_LISTBOX;
}

HBRUSH CDialogDeviceSetting::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH brush = CWizardPage::OnCtlColor(pDC, pWnd, nCtlColor);
    int id = pWnd ? pWnd->GetDlgCtrlID() : 0;
    if (id == IDC_DS_EDR_NOTE || id == IDC_DS_RESTART_NOTE) pDC->SetTextColor(kNoteColour);
    return brush;
}

bool CDialogDeviceSetting::Locked() const {
    CUpdaterDlg* main = MainDialog();
    return !main || main->m_bBusy || main->m_bPopupOpen;
}

void CDialogDeviceSetting::OnPageActivate() {
    CUpdaterDlg* main = MainDialog();
    m_workingRecord.CopyFrom(main->m_deviceRecord, TRUE);
    CDeviceRecord::InitForSettingPage(&m_defaultRecord, &m_workingRecord);
    main->m_nProgress = -1;
    main->m_nSettingPageIndex = main->FindSettingGroup(PAGE_DEVICE_SETTING);
    ArrangeRowsForModel();
    UpdateTextsAndVisibility();
    m_listSettings.SetFocus();
}

int CDialogDeviceSetting::IsSettingsChanged() {
    return MainDialog()->m_deviceRecord.DiffersFrom(m_workingRecord, 0);
}

int CDialogDeviceSetting::HasUnsavedChanges() { return IsSettingsChanged(); }

void CDialogDeviceSetting::Refresh() {
    MainDialog()->UpdateControls();
    ArrangeRowsForModel();
    UpdateTextsAndVisibility();
}

void CDialogDeviceSetting::OnBnClickedDefault() {
    if (Locked()) return;
    CUpdaterDlg* main = MainDialog();
    if (KeepsFourthWordOnDefault(main->m_nTargetModel))
        m_defaultRecord.m_anSettingWord[3] = main->m_deviceRecord.m_anSettingWord[3];
    m_workingRecord.CopyFrom(m_defaultRecord, FALSE);
    Refresh();
}

void CDialogDeviceSetting::OnBnClickedCancel() {
    if (Locked()) return;
    m_workingRecord.CopyFrom(MainDialog()->m_deviceRecord, FALSE);
    Refresh();
}

void CDialogDeviceSetting::OnRadioClicked(UINT id) {
    if (Locked()) return;
    CUpdaterDlg* main = MainDialog();
    static const int kGainIds[] = {IDC_DS_GAIN_LOW, IDC_DS_GAIN_MEDIUM, IDC_DS_GAIN_HIGH};
    static const int kGains[] = {12, 15, 17};
    for (int i = 0; i < 3; ++i) {
        if ((int)id != kGainIds[i]) continue;
        m_workingRecord.m_nRadioTransmitGain = kGains[i];
        for (int j = 0; j < 3; ++j) CheckDlgButton(kGainIds[j], i == j ? BST_CHECKED : BST_UNCHECKED);
        main->UpdateControls();
        return;
    }
    for (int helpId : kHelpIds)
        if (helpId == (int)id) {
            OnHelpClicked(id);
            return;
        }
    const dsrows::RadioPair* pair = dsrows::RadioPairOf((int)id);
    if (!pair) return;
    bool enable = (int)id == pair->enableId;
    dsrows::Store(*pair, &m_workingRecord, main->m_nTargetModel, enable);
    CheckDlgButton(pair->enableId, enable ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(pair->disableId, enable ? BST_UNCHECKED : BST_CHECKED);
    main->UpdateControls();
}

void CDialogDeviceSetting::OnCbnSelchangeMotion() {
    if (Locked()) return;
    m_workingRecord.SetMotionSensorSensitivity(m_comboMotion.GetCurSel() + 1);
    MainDialog()->UpdateControls();
}

void CDialogDeviceSetting::OnCbnSelchangeOverlay() {
    if (Locked()) return;
    m_workingRecord.SetOverlaySensitivity(10 - m_comboOverlay.GetCurSel());
    MainDialog()->UpdateControls();
}

void CDialogDeviceSetting::OnEnChangeTimeout() {
    if (!m_spinTimeout.m_hWnd) return;
    m_workingRecord.m_nAudioChannelTimeout = LOWORD(m_spinTimeout.SendMessage(UDM_GETPOS));
    if (CUpdaterDlg* main = MainDialog()) main->UpdateControls();
}

void CDialogDeviceSetting::ApplySettingsToDevice() {
    CUpdaterDlg* main = MainDialog();
    CSettingsSave save(*main, [this] { UpdateTextsAndVisibility(); });
    save.Start();
    const CDeviceRecord working = m_workingRecord;
    SettingsWriteResult result;
    if (save.Write(m_hWnd, [main, working] { return WriteBasicSettings(*main, working); }, &result)) return;
    EndSave(result);
}

LRESULT CDialogDeviceSetting::OnSaveWritten(WPARAM result, LPARAM) {
    EndSave((SettingsWriteResult)result);
    return 0;
}

void CDialogDeviceSetting::EndSave(SettingsWriteResult result) {
    CSettingsSave save(*MainDialog(), [this] { UpdateTextsAndVisibility(); });
    save.Finish(result, m_workingRecord, m_nPendingPage);
    // A page asked for before a failed save was not reached: SAVE stays on this page.
    if (result != SETTINGS_WRITTEN) m_nPendingPage = 0;
}

void CDialogDeviceSetting::DiscardChangesAndGoToPage() {
    CUpdaterDlg* main = MainDialog();
    m_workingRecord.CopyFrom(main->m_deviceRecord, FALSE);
    main->m_nPage = m_nPendingPage;
    main->GoToPage(m_nPendingPage);
}

BOOL CDialogDeviceSetting::IsCellPopupWindow(HWND hWnd) const { return CConfigListCtrl::IsCellWindow(hWnd); }

void CDialogDeviceSetting::HideActiveCellPublic() {
    if (m_listSettings.m_hWnd) m_listSettings.HideActiveCellPublic();
    m_bCellPopupOpen = FALSE;
}
