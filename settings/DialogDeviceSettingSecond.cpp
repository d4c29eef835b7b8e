#include "settings/DialogDeviceSettingSecond.h"
#include "app/DialogMessageBox.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"
#include "core/ModelGroups.h"
#include "core/SettingValues.h"
#include "settings/SettingsSave.h"
#include "settings/SettingsTexts.h"
#include "settings/SettingsWrites.h"
#include "texts/LabelTables.h"
#include "texts/WizardTexts.h"
#include <cmath>
#include <cstdlib>

namespace {

// Preset n (1..10) is the n-th entry; five rows, odd presets on the left.
const int kCheckIds[] = {1091, 1095, 1099, 1103, 1107, 1111, 1116, 1120, 1124, 1128};
const int kBuddyIds[] = {1086, 1092, 1096, 1100, 1104, 1108, 1113, 1117, 1121, 1125};
const int kSpinIds[] = {1090, 1093, 1097, 1101, 1105, 1109, 1114, 1118, 1122, 1126};
const int kUnitIds[] = {1089, 1094, 1098, 1102, 1106, 1110, 1115, 1119, 1123, 1127};

// A typed frequency beyond this many MHz is out of every band; it is refused
// before it is turned into 10 kHz units.
const double kLargestTypedMhz = 100000.0;

int CALLBACK TakeFace(const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM out) {
    if (lf->lfFaceName[0] == L'@') return 1;  // the vertical variants
    wcsncpy((wchar_t*)out, lf->lfFaceName, LF_FACESIZE - 1);
    return 0;
}

// The first installed face that has the charset's glyphs (empty when none:
// the font mapper then chooses by the charset alone).
void FirstFaceOfCharset(BYTE charset, wchar_t face[LF_FACESIZE]) {
    face[0] = 0;
    LOGFONTW want = {};
    want.lfCharSet = charset;
    HDC dc = ::GetDC(nullptr);
    ::EnumFontFamiliesExW(dc, &want, TakeFace, (LPARAM)face, 0);
    ::ReleaseDC(nullptr, dc);
}

CString FrequencyText(int f) {
    CString s;
    s.Format(L"%0.1f", f / 100.0);
    return s;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialogDeviceSettingSecond, CWizardPage)
    ON_MESSAGE(WM_SETTINGS_SAVE_WRITTEN, &CDialogDeviceSettingSecond::OnSaveWritten)
    ON_BN_CLICKED(IDC_FM_DEFAULT, &CDialogDeviceSettingSecond::OnBnClickedDefault)
    ON_BN_CLICKED(IDC_FM_CANCEL, &CDialogDeviceSettingSecond::OnBnClickedCancel)
    ON_BN_CLICKED(IDC_FM_RDS_ENABLE, &CDialogDeviceSettingSecond::OnBnClickedEnableRdsAf)
    ON_BN_CLICKED(IDC_FM_RDS_DISABLE, &CDialogDeviceSettingSecond::OnBnClickedDisableRdsAf)
    ON_BN_CLICKED(IDC_FM_HELP_RDS, &CDialogDeviceSettingSecond::OnBnClickedHelpRdsAf)
    ON_CBN_SELCHANGE(IDC_FM_REGION_COMBO, &CDialogDeviceSettingSecond::OnCbnSelchangeRegion)
    ON_CONTROL_RANGE(BN_CLICKED, 1091, 1128, &CDialogDeviceSettingSecond::OnPresetCommand)
    ON_CONTROL_RANGE(EN_CHANGE, 1086, 1125, &CDialogDeviceSettingSecond::OnPresetBuddyChanged)
    ON_CONTROL_RANGE(EN_CHANGE, 1129, 1138, &CDialogDeviceSettingSecond::OnPresetEditChanged)
    ON_CONTROL_RANGE(EN_SETFOCUS, 1129, 1138, &CDialogDeviceSettingSecond::OnPresetEditSetFocus)
    ON_CONTROL_RANGE(EN_KILLFOCUS, 1129, 1138, &CDialogDeviceSettingSecond::OnPresetEditKillFocusId)
END_MESSAGE_MAP()

CDialogDeviceSettingSecond::CDialogDeviceSettingSecond(CWnd* parent) : CWizardPage(IDD_DEVICE_SETTING_SECOND, parent) {}

int CDialogDeviceSettingSecond::CheckId(int i) { return kCheckIds[i]; }
int CDialogDeviceSettingSecond::EditId(int i) { return IDC_FM_PRESET_EDIT_FIRST + i; }
int CDialogDeviceSettingSecond::BuddyId(int i) { return kBuddyIds[i]; }
int CDialogDeviceSettingSecond::SpinId(int i) { return kSpinIds[i]; }
int CDialogDeviceSettingSecond::UnitId(int i) { return kUnitIds[i]; }

int CDialogDeviceSettingSecond::PresetOf(UINT id, int (*idOf)(int)) {
    for (int i = 0; i < kPresets; ++i)
        if ((UINT)idOf(i) == id) return i;
    return -1;
}

void CDialogDeviceSettingSecond::DoDataExchange(CDataExchange* pDX) {
    CWizardPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FM_DEFAULT, m_btnDefault);
    DDX_Control(pDX, IDC_FM_CANCEL, m_btnCancel);
    DDX_Control(pDX, IDC_FM_REGION_LABEL, m_staticRegion);
    DDX_Control(pDX, IDC_FM_REGION_COMBO, m_comboRegion);
    DDX_Control(pDX, IDC_FM_PRESETS_LABEL, m_staticPresets);
    DDX_Control(pDX, IDC_FM_RDS_LABEL, m_staticRds);
    DDX_Control(pDX, IDC_FM_HELP_RDS, m_btnHelpRds);
    DDX_Control(pDX, IDC_FM_RDS_ENABLE, m_radioRdsEnable);
    DDX_Control(pDX, IDC_FM_RDS_DISABLE, m_radioRdsDisable);
    for (int i = 0; i < kPresets; ++i) {
        DDX_Control(pDX, CheckId(i), m_checkPreset[i]);
        DDX_Control(pDX, EditId(i), m_editPreset[i]);
        DDX_Control(pDX, BuddyId(i), m_editBuddy[i]);
        DDX_Control(pDX, SpinId(i), m_spinPreset[i]);
        DDX_Control(pDX, UnitId(i), m_staticUnit[i]);
    }
}

BOOL CDialogDeviceSettingSecond::OnInitDialog() {
    CWizardPage::OnInitDialog();
    LOGFONTW lf = {};
    if (HFONT page = (HFONT)SendMessage(WM_GETFONT)) ::GetObjectW(page, sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    m_fontBold.CreateFontIndirect(&lf);
    CWnd* bold[] = {&m_btnDefault, &m_btnCancel, &m_staticRegion, &m_comboRegion, &m_staticPresets,
                    &m_staticRds, &m_radioRdsEnable, &m_radioRdsDisable};
    for (CWnd* w : bold) w->SetFont(&m_fontBold);
    for (int i = 0; i < kPresets; ++i) {
        m_checkPreset[i].SetFont(&m_fontBold);
        m_editPreset[i].SetFont(&m_fontBold);
        m_editBuddy[i].SetFont(&m_fontBold);
        m_staticUnit[i].SetFont(&m_fontBold);
        // One click moves a preset by 0.1 MHz; held down, by 1 MHz after a second.
        UDACCEL accel[2] = {{1, 10}, {2, 100}};
        m_spinPreset[i].SendMessage(UDM_SETACCEL, 2, (LPARAM)accel);
    }
    m_btnHelpRds.LoadBitmaps(IDB_HELP_QUESTION, IDB_HELP_QUESTION, IDB_HELP_QUESTION, IDB_HELP_QUESTION);
    m_btnHelpRds.SizeToContent();
    return TRUE;
}

BOOL CDialogDeviceSettingSecond::UsesPageBackground(CWnd*, UINT nCtlColor) {
    // Edits keep their own white background.
    return nCtlColor != CTLCOLOR_EDIT && nCtlColor != CTLCOLOR_LISTBOX;
}

bool CDialogDeviceSettingSecond::Locked() const {
    CUpdaterDlg* main = MainDialog();
    return !main || main->m_bBusy || main->m_bPopupOpen;
}

bool CDialogDeviceSettingSecond::PresetWritten(int i) const {
    CUpdaterDlg* main = MainDialog();
    return !(main && model_groups::IsSixPresetFmModel(main->m_nTargetModel) && i >= 6);
}

void CDialogDeviceSettingSecond::OnPageActivate() {
    CUpdaterDlg* main = MainDialog();
    m_workingRecord.CopyFrom(main->m_deviceRecord, TRUE);
    InitForFmRadioPage(m_defaultRecord, m_workingRecord);
    main->m_nProgress = -1;
    main->m_nSettingPageIndex = main->FindSettingGroup(PAGE_FM_RADIO);
    ShowSettings();
    UpdateLanguageTexts();
}

int CDialogDeviceSettingSecond::IsSettingsChanged() {
    return MainDialog()->m_deviceRecord.DiffersFrom(m_workingRecord, 1);
}

int CDialogDeviceSettingSecond::HasUnsavedChanges() { return IsSettingsChanged(); }

void CDialogDeviceSettingSecond::ShowSettings() {
    CUpdaterDlg* main = MainDialog();
    if (!model_groups::IsFmModel(main->m_nTargetModel)) {
        main->ShowDeviceSettingPage(TRUE);
        return;
    }
    // A region the table does not know (from the device or an archive) is
    // looked up as Worldwide; the record keeps it until the user picks one.
    int region = FmRegionOrWorldwide(m_workingRecord.m_nFmRegion);
    const FmBand& band = GetFmBand(region);
    m_comboRegion.SetCurSel(region);
    for (int i = 0; i < kPresets; ++i) {
        // One unit beyond each end, so that a step past an end can wrap.
        m_spinPreset[i].SetRange32(band.minimum - 1, band.maximum + 1);
        int& preset = m_workingRecord.m_anFmPreset[i];
        if (CheckFmFrequency(region, preset) == 0) {
            m_checkPreset[i].SetCheck(BST_CHECKED);
            m_spinPreset[i].SetPos(preset);
        } else {
            preset = 0;
            m_checkPreset[i].SetCheck(BST_UNCHECKED);
            m_spinPreset[i].SetPos(0);
        }
        // The spin rewrites its buddy, whose change shows the value; a
        // position that did not change raises no notification.
        OnPresetValueChanged(i);
    }
    m_radioRdsEnable.SetCheck(m_workingRecord.m_bFmRds ? BST_CHECKED : BST_UNCHECKED);
    m_radioRdsDisable.SetCheck(m_workingRecord.m_bFmRds ? BST_UNCHECKED : BST_CHECKED);
}

void CDialogDeviceSettingSecond::ShowPresetText(int i) {
    int preset = m_workingRecord.m_anFmPreset[i];
    int language = texts::LanguageSlot(MainDialog()->m_nLanguage);
    m_editPreset[i].SetWindowText(preset ? FrequencyText(preset) : g_txtEmpty[language][0]);
}

CFont* CDialogDeviceSettingSecond::PresetEditFont(int language) {
    int slot;
    BYTE charset;
    switch (language) {
    case texts::kJapanese: slot = 0, charset = SHIFTJIS_CHARSET; break;
    case texts::kKorean: slot = 1, charset = HANGUL_CHARSET; break;
    case texts::kChinese: slot = 2, charset = GB2312_CHARSET; break;
    default: return &m_fontBold;
    }
    if (!m_fontEditCjk[slot].m_hObject) {
        LOGFONTW lf = {};
        m_fontBold.GetLogFont(&lf);
        lf.lfCharSet = charset;
        FirstFaceOfCharset(charset, lf.lfFaceName);
        m_fontEditCjk[slot].CreateFontIndirect(&lf);
    }
    return &m_fontEditCjk[slot];
}

void CDialogDeviceSettingSecond::UpdateLanguageTexts() {
    CUpdaterDlg* main = MainDialog();
    if (!main || !m_hWnd) return;
    int language = texts::LanguageSlot(main->m_nLanguage);
    SendMessage(WM_SETREDRAW, FALSE);
    CFont* editFont = PresetEditFont(language);
    for (CEdit& edit : m_editPreset)
        if (edit.GetFont() != (HFONT)editFont->m_hObject) edit.SetFont(editFont, FALSE);
    m_comboRegion.ResetContent();
    for (int r = 0; r < FM_REGION_COUNT; ++r) m_comboRegion.AddString(g_txtFmRegions[language][r]);
    m_comboRegion.SetCurSel(FmRegionOrWorldwide(m_workingRecord.m_nFmRegion));

    CString text;
    GetDefaultCaption(text, language);
    m_btnDefault.SetWindowText(text);
    GetTextCancel(text, language);
    m_btnCancel.SetWindowText(text);
    m_staticRegion.SetWindowText(g_txtRegion[language][0]);
    m_staticPresets.SetWindowText(g_txtFmRadioPresets[language][0]);
    m_staticRds.SetWindowText(g_txtRdsAf[language][0]);
    GetTextEnable(text, language);
    m_radioRdsEnable.SetWindowText(text);
    GetTextDisable(text, language);
    m_radioRdsDisable.SetWindowText(text);
    for (int i = 0; i < kPresets; ++i)
        if (m_workingRecord.m_anFmPreset[i] == 0) m_editPreset[i].SetWindowText(g_txtEmpty[language][0]);

    bool locked = Locked();
    m_comboRegion.EnableWindow(!locked);
    m_radioRdsEnable.EnableWindow(!locked);
    m_radioRdsDisable.EnableWindow(!locked);
    m_btnHelpRds.EnableWindow(!locked);
    for (int i = 0; i < kPresets; ++i) {
        // Presets the headset does not keep are shown, never edited.
        bool usable = !locked && PresetWritten(i);
        bool on = usable && m_checkPreset[i].GetCheck() == BST_CHECKED;
        m_checkPreset[i].EnableWindow(usable);
        m_editPreset[i].EnableWindow(on);
        m_editBuddy[i].EnableWindow(on);
        m_spinPreset[i].EnableWindow(on);
    }
    SendMessage(WM_SETREDRAW, TRUE);
    Invalidate(TRUE);
}

void CDialogDeviceSettingSecond::OnPresetCommand(UINT id) {
    int i = PresetOf(id, &CheckId);
    if (i >= 0) OnPresetCheckClicked(i);
}

void CDialogDeviceSettingSecond::OnPresetCheckClicked(int i) {
    if (Locked() || !PresetWritten(i)) return;
    const FmBand& band = GetFmBand(m_workingRecord.m_nFmRegion);
    bool on = m_checkPreset[i].GetCheck() == BST_CHECKED;
    if (!on) {
        m_spinPreset[i].SetPos(band.minimum);
        m_workingRecord.m_anFmPreset[i] = 0;
    } else {
        // The nearest ticked preset below, else above, else the band's start.
        int pos = band.minimum;
        bool found = false;
        for (int j = i - 1; j >= 0 && !found; --j)
            if (m_checkPreset[j].GetCheck() == BST_CHECKED && m_workingRecord.m_anFmPreset[j] > 0)
                pos = m_workingRecord.m_anFmPreset[j], found = true;
        for (int j = i + 1; j < kPresets && !found; ++j)
            if (m_checkPreset[j].GetCheck() == BST_CHECKED && m_workingRecord.m_anFmPreset[j] > 0)
                pos = m_workingRecord.m_anFmPreset[j], found = true;
        m_spinPreset[i].SetPos(pos);
    }
    m_editPreset[i].EnableWindow(on);
    m_editBuddy[i].EnableWindow(on);
    m_spinPreset[i].EnableWindow(on);
    CString text;
    text.Format(L"%d", m_spinPreset[i].GetPos());
    m_editBuddy[i].SetWindowText(text);
    OnPresetValueChanged(i);
}

void CDialogDeviceSettingSecond::OnPresetBuddyChanged(UINT id) {
    int i = PresetOf(id, &BuddyId);
    if (i >= 0) OnPresetValueChanged(i);
}

void CDialogDeviceSettingSecond::OnPresetValueChanged(int i) {
    CUpdaterDlg* main = MainDialog();
    if (Locked() || main->m_nPage != PAGE_FM_RADIO) return;
    int region = FmRegionOrWorldwide(m_workingRecord.m_nFmRegion);
    const FmBand& band = GetFmBand(region);
    int& preset = m_workingRecord.m_anFmPreset[i];
    if (m_checkPreset[i].GetCheck() == BST_CHECKED) {
        int pos = m_spinPreset[i].GetPos();
        // On a 0.2 MHz grid a 0.1 MHz step lands between two channels: go on
        // to the next channel in the direction of travel.
        if (CheckFmFrequency(region, pos) == 2 && band.step == 20 && pos != preset) {
            pos += pos > preset ? 10 : -10;
            m_spinPreset[i].SetPos(pos);
        }
        if (CheckFmFrequency(region, pos) != 0) {
            pos = pos < band.minimum ? band.maximum : band.minimum;  // past an end: wrap
            m_spinPreset[i].SetPos(pos);
            CString text;
            text.Format(L"%d", pos);
            m_editBuddy[i].SetWindowText(text);
        }
        preset = pos;
    } else {
        preset = 0;
    }
    ShowPresetText(i);
    main->UpdateControls();
}

void CDialogDeviceSettingSecond::OnPresetEditSetFocus(UINT id) {
    int i = PresetOf(id, &EditId);
    if (i < 0) return;
    m_editPreset[i].SetSel(0, -1);
    m_editPreset[i].SendMessage(EM_SCROLLCARET);
}

void CDialogDeviceSettingSecond::OnPresetEditChanged(UINT id) {
    int i = PresetOf(id, &EditId);
    if (i >= 0) m_editPreset[i].Invalidate();
}

void CDialogDeviceSettingSecond::OnPresetEditKillFocusId(UINT id) {
    int i = PresetOf(id, &EditId);
    if (i >= 0) OnPresetEditKillFocus(i);
}

int CDialogDeviceSettingSecond::OnPresetEditKillFocus(int i) {
    CUpdaterDlg* main = MainDialog();
    // Only a value the user could have typed is checked.
    if (m_checkPreset[i].GetCheck() != BST_CHECKED || !m_editPreset[i].IsWindowEnabled()) return 1;
    int region = FmRegionOrWorldwide(m_workingRecord.m_nFmRegion);
    const FmBand& band = GetFmBand(region);

    CString typed;
    m_editPreset[i].GetWindowText(typed);
    const wchar_t* start = typed;
    wchar_t* end = nullptr;
    double mhz = std::wcstod(start, &end);
    if (end == start) mhz = 0;  // not a number: below every band
    int result;
    if (!std::isfinite(mhz) || std::fabs(mhz) > kLargestTypedMhz) {
        result = 1;
    } else {
        // To 10 kHz units, then to the nearest multiple of 10.
        int v = (int)(float)(mhz * 100.0);
        int r = v % 10;
        v -= r;
        if (r >= 5) v += 10;
        result = CheckFmFrequency(region, v);
        if (result == 0) {
            CString text;
            text.Format(L"%d", v);
            m_spinPreset[i].SetPos(v);
            m_editBuddy[i].SetWindowText(text);
            OnPresetValueChanged(i);
            return 1;
        }
    }
    int language = main->m_nLanguage;
    CString message, ok;
    if (result == 1) {
        CString format;
        GetTextMsgFmPresetRange(&format, language);
        message.Format(format, band.minimum / 100.0, band.maximum / 100.0);
    } else {
        GetTextMsgFmPresetInvalid(&message, language);
    }
    GetTextOk(ok, language);
    CSize size(415, 130);
    CDialogMessageBox box(main);
    box.Setup(message, 1, nullptr, ok, &size);
    box.DoModal();
    // The preset keeps its last valid value.
    OnPresetValueChanged(i);
    m_editPreset[i].SetFocus();
    return 0;
}

void CDialogDeviceSettingSecond::OnCbnSelchangeRegion() {
    if (Locked()) return;
    int region = m_comboRegion.GetCurSel();
    if (region < 0 || region >= FM_REGION_COUNT) return;
    m_workingRecord.m_nFmRegion = region;
    for (int i = 0; i < kPresets; ++i)
        if (CheckFmFrequency(region, m_workingRecord.m_anFmPreset[i]) != 0) m_workingRecord.m_anFmPreset[i] = 0;
    MainDialog()->UpdateControls();
    ShowSettings();
    UpdateLanguageTexts();
}

void CDialogDeviceSettingSecond::OnBnClickedEnableRdsAf() {
    if (Locked()) return;
    m_workingRecord.m_bFmRds = 1;
    m_radioRdsEnable.SetCheck(BST_CHECKED);
    m_radioRdsDisable.SetCheck(BST_UNCHECKED);
    MainDialog()->UpdateControls();
}

void CDialogDeviceSettingSecond::OnBnClickedDisableRdsAf() {
    if (Locked()) return;
    m_workingRecord.m_bFmRds = 0;
    m_radioRdsDisable.SetCheck(BST_CHECKED);
    m_radioRdsEnable.SetCheck(BST_UNCHECKED);
    MainDialog()->UpdateControls();
}

void CDialogDeviceSettingSecond::OnBnClickedHelpRdsAf() {
    if (Locked()) return;
    CUpdaterDlg* main = MainDialog();
    CString text, ok;
    GetTextHelpRdsAf(&text, main->m_nLanguage);
    GetTextOk(ok, main->m_nLanguage);
    CSize size(540, 195);
    CDialogMessageBox box(main);
    box.Setup(text, 0, nullptr, ok, &size);
    box.DoModal();
}

void CDialogDeviceSettingSecond::OnBnClickedDefault() {
    m_workingRecord.CopyFrom(m_defaultRecord, FALSE);
    MainDialog()->UpdateControls();
    ShowSettings();
    UpdateLanguageTexts();
}

void CDialogDeviceSettingSecond::OnBnClickedCancel() {
    m_workingRecord.CopyFrom(MainDialog()->m_deviceRecord, FALSE);
    MainDialog()->UpdateControls();
    ShowSettings();
    UpdateLanguageTexts();
}

void CDialogDeviceSettingSecond::ApplySettingsToDevice() {
    CUpdaterDlg* main = MainDialog();
    CSettingsSave save(*main, [this] { UpdateLanguageTexts(); });
    save.Start();
    const CDeviceRecord working = m_workingRecord;
    SettingsWriteResult result;
    if (save.Write(m_hWnd, [main, working] { return WriteFmSettings(*main, working); }, &result)) return;
    EndSave(result);
}

LRESULT CDialogDeviceSettingSecond::OnSaveWritten(WPARAM result, LPARAM) {
    EndSave((SettingsWriteResult)result);
    return 0;
}

void CDialogDeviceSettingSecond::EndSave(SettingsWriteResult result) {
    CSettingsSave save(*MainDialog(), [this] { UpdateLanguageTexts(); });
    save.Finish(result, m_workingRecord, m_nPendingPage);
    // A page asked for before a failed save was not reached: SAVE stays on this page.
    if (result != SETTINGS_WRITTEN) m_nPendingPage = 0;
}

void CDialogDeviceSettingSecond::DiscardChangesAndGoToPage() {
    CUpdaterDlg* main = MainDialog();
    m_workingRecord.CopyFrom(main->m_deviceRecord, FALSE);
    main->m_nPage = m_nPendingPage;
    main->GoToPage(m_nPendingPage);
}
