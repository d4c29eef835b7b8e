#include "settings/DialogDeviceSettingSpeedDial.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"
#include "settings/SettingsSave.h"
#include "settings/SettingsWrites.h"
#include "texts/LabelTables.h"
#include "texts/WizardTexts.h"

namespace {

const int kLabelIds[DEVICE_SPEED_DIALS] = {IDC_SD_LABEL1, IDC_SD_LABEL2, IDC_SD_LABEL3};
const int kNumberIds[DEVICE_SPEED_DIALS] = {IDC_SD_NUMBER1, IDC_SD_NUMBER2, IDC_SD_NUMBER3};

}  // namespace

const wchar_t* const CDialogDeviceSettingSpeedDial::kAllowed = L"0123456789#*+";

BEGIN_MESSAGE_MAP(CDialogDeviceSettingSpeedDial, CWizardPage)
    ON_MESSAGE(WM_SETTINGS_SAVE_WRITTEN, &CDialogDeviceSettingSpeedDial::OnSaveWritten)
    ON_BN_CLICKED(IDC_SD_DEFAULT, &CDialogDeviceSettingSpeedDial::OnBnClickedDefault)
    ON_BN_CLICKED(IDC_SD_CANCEL, &CDialogDeviceSettingSpeedDial::OnBnClickedCancel)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_SD_NUMBER1, IDC_SD_NUMBER3, &CDialogDeviceSettingSpeedDial::OnNumberChanged)
END_MESSAGE_MAP()

CDialogDeviceSettingSpeedDial::CDialogDeviceSettingSpeedDial(CWnd* parent)
    : CWizardPage(IDD_DEVICE_SETTING_SPEEDDIAL, parent) {}

void CDialogDeviceSettingSpeedDial::DoDataExchange(CDataExchange* pDX) {
    CWizardPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SD_DEFAULT, m_btnDefault);
    DDX_Control(pDX, IDC_SD_CANCEL, m_btnCancel);
    for (int k = 0; k < DEVICE_SPEED_DIALS; ++k) {
        DDX_Control(pDX, kLabelIds[k], m_staticLabel[k]);
        DDX_Control(pDX, kNumberIds[k], m_editNumber[k]);
    }
}

BOOL CDialogDeviceSettingSpeedDial::OnInitDialog() {
    CWizardPage::OnInitDialog();
    LOGFONTW lf = {};
    if (HFONT page = (HFONT)SendMessage(WM_GETFONT)) ::GetObjectW(page, sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    m_fontBold.CreateFontIndirect(&lf);
    m_btnDefault.SetFont(&m_fontBold);
    m_btnCancel.SetFont(&m_fontBold);
    for (int k = 0; k < DEVICE_SPEED_DIALS; ++k) {
        m_staticLabel[k].SetFont(&m_fontBold);
        m_editNumber[k].SetFont(&m_fontBold);
    }
    return TRUE;
}

BOOL CDialogDeviceSettingSpeedDial::UsesPageBackground(CWnd*, UINT nCtlColor) {
    return nCtlColor != CTLCOLOR_EDIT;
}

void CDialogDeviceSettingSpeedDial::OnPageActivate() {
    CUpdaterDlg* main = MainDialog();
    m_workingRecord.CopyFrom(main->m_deviceRecord, TRUE);
    InitForSpeedDialPage(m_defaultRecord, m_workingRecord);
    main->m_nProgress = -1;
    main->m_nSettingPageIndex = main->FindSettingGroup(PAGE_SPEED_DIAL);
    ShowNumbers();
    UpdateLanguageTexts();
}

int CDialogDeviceSettingSpeedDial::IsSettingsChanged() {
    const CDeviceRecord& device = MainDialog()->m_deviceRecord;
    for (int k = 0; k < DEVICE_SPEED_DIALS; ++k)
        if (m_workingRecord.m_astrSpeedDial[k] != device.m_astrSpeedDial[k]) return 1;
    return 0;
}

int CDialogDeviceSettingSpeedDial::HasUnsavedChanges() { return IsSettingsChanged(); }

CString CDialogDeviceSettingSpeedDial::KeepDialable(const CString& number, bool* refused) {
    CString kept;
    bool other = false;
    for (int i = 0; i < number.GetLength(); ++i) {
        wchar_t c = number[i];
        if (c && wcschr(kAllowed, c)) kept += c;
        else other = true;
    }
    if (refused) *refused = other;
    return kept.GetLength() > kMaxLength ? kept.Left(kMaxLength) : kept;
}

void CDialogDeviceSettingSpeedDial::ShowNumbers() {
    // A number as the headset keeps it may hold what no one could type
    // here: the page shows and keeps it as it would have been typed.
    for (int k = 0; k < DEVICE_SPEED_DIALS; ++k)
        m_workingRecord.m_astrSpeedDial[k] = KeepDialable(m_workingRecord.m_astrSpeedDial[k]);
    m_bShowing = true;
    for (int k = 0; k < DEVICE_SPEED_DIALS; ++k) m_editNumber[k].SetWindowText(m_workingRecord.m_astrSpeedDial[k]);
    m_bShowing = false;
}

void CDialogDeviceSettingSpeedDial::UpdateLanguageTexts() {
    CUpdaterDlg* main = MainDialog();
    if (!main || !m_hWnd) return;
    int language = texts::LanguageSlot(main->m_nLanguage);
    CString text;
    GetDefaultCaption(text, language);
    m_btnDefault.SetWindowText(text);
    GetTextCancel(text, language);
    m_btnCancel.SetWindowText(text);
    for (int k = 0; k < DEVICE_SPEED_DIALS; ++k) {
        text.Format(L"%s %d", (const wchar_t*)g_txtSpeedDial[language][0], k + 1);
        m_staticLabel[k].SetWindowText(text);
    }
    BOOL enable = !(main->m_bBusy || main->m_bPopupOpen);
    for (int k = 0; k < DEVICE_SPEED_DIALS; ++k) m_editNumber[k].EnableWindow(enable);
}

void CDialogDeviceSettingSpeedDial::OnNumberChanged(UINT id) {
    if (m_bShowing) return;
    for (int k = 0; k < DEVICE_SPEED_DIALS; ++k)
        if ((UINT)kNumberIds[k] == id) FilterNumber(k);
}

void CDialogDeviceSettingSpeedDial::FilterNumber(int k) {
    CEdit& edit = m_editNumber[k];
    CString typed;
    edit.GetWindowText(typed);
    int start = 0, end = 0;
    edit.GetSel(start, end);

    bool refused = false;
    CString kept = KeepDialable(typed, &refused);
    bool cut = !refused && typed.GetLength() > kMaxLength;
    m_workingRecord.m_astrSpeedDial[k] = kept;
    if (refused || cut) {
        ShowNumbers();
        UpdateLanguageTexts();
        // The caret stays where the typing left it, less what was taken out.
        int removed = typed.GetLength() - kept.GetLength();
        if (refused) {
            start = start - removed;
            end = end - removed;
        }
        if (start < 0) start = 0;
        if (end < 0) end = 0;
        if (start > kept.GetLength()) start = kept.GetLength();
        if (end > kept.GetLength()) end = kept.GetLength();
        edit.SetSel(start, end);
        edit.SendMessage(EM_SCROLLCARET);
    }
    MainDialog()->UpdateControls();
    edit.Invalidate();
}

void CDialogDeviceSettingSpeedDial::OnBnClickedDefault() {
    CUpdaterDlg* main = MainDialog();
    if (main->m_bBusy || main->m_bPopupOpen) return;
    m_workingRecord.CopyFrom(m_defaultRecord, FALSE);
    ShowNumbers();
    main->UpdateControls();
    UpdateLanguageTexts();
}

void CDialogDeviceSettingSpeedDial::OnBnClickedCancel() {
    CUpdaterDlg* main = MainDialog();
    m_workingRecord.CopyFrom(main->m_deviceRecord, FALSE);
    ShowNumbers();
    main->UpdateControls();
    UpdateLanguageTexts();
}

void CDialogDeviceSettingSpeedDial::ApplySettingsToDevice() {
    CUpdaterDlg* main = MainDialog();
    CSettingsSave save(*main, [this] { UpdateLanguageTexts(); });
    save.Start();
    const CDeviceRecord working = m_workingRecord;
    SettingsWriteResult result;
    if (save.Write(m_hWnd, [main, working] { return WriteSpeedDials(*main, working); }, &result)) return;
    EndSave(result);
}

LRESULT CDialogDeviceSettingSpeedDial::OnSaveWritten(WPARAM result, LPARAM) {
    EndSave((SettingsWriteResult)result);
    return 0;
}

void CDialogDeviceSettingSpeedDial::EndSave(SettingsWriteResult result) {
    CSettingsSave save(*MainDialog(), [this] { UpdateLanguageTexts(); });
    save.Finish(result, m_workingRecord, m_nPendingPage);
    // A page asked for before a failed save was not reached: SAVE stays on this page.
    if (result != SETTINGS_WRITTEN) m_nPendingPage = 0;
}

void CDialogDeviceSettingSpeedDial::DiscardChangesAndGoToPage() {
    CUpdaterDlg* main = MainDialog();
    m_workingRecord.CopyFrom(main->m_deviceRecord, FALSE);
    main->m_nPage = m_nPendingPage;
    main->GoToPage(m_nPendingPage);
}
