// The DEVICE SETTING page's captions, fonts and visibility per model.
#include "settings/DialogDeviceSetting.h"
#include "app/DpiScale.h"
#include "settings/rows/ConfigListRowsGrid.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"
#include "core/SettingValues.h"
#include "settings/DeviceSettingRows.h"
#include "texts/HelpTexts.h"
#include "texts/LabelTables.h"
#include "texts/WizardTexts.h"

namespace {

// UI languages in which the restart note's "..." button is shown.
bool ShowsNoteButton(int language) {
    return language == texts::kFrench || language == texts::kDutch || language == texts::kRussian;
}

// The controls that take the page's bold font.
const int kBoldIds[] = {
    IDC_SETTING_LIST, IDC_DS_MORE_SETTINGS, IDC_DS_DEFAULT, IDC_DS_CANCEL, IDC_DS_NOTE_BUTTON,
    IDC_DS_VOX_PHONE_LABEL, IDC_DS_VOX_INTERCOM_LABEL, IDC_DS_EDR_LABEL, IDC_DS_EDR_NOTE, IDC_DS_PLC_LABEL,
    IDC_DS_A2DP_LABEL, IDC_DS_MIC_LABEL, IDC_DS_SIDETONE_LABEL, IDC_DS_QUIET_LABEL, IDC_DS_AGC_LABEL,
    IDC_DS_GAIN_LABEL, IDC_DS_TIMEOUT_LABEL, IDC_DS_TIMEOUT_UNIT, IDC_DS_RESTART_NOTE, IDC_DS_BOOST_LABEL,
    IDC_DS_MOTION_LABEL, IDC_DS_WEAVE_LABEL, IDC_DS_OVERLAY_LABEL, IDC_DS_NAVI_LABEL,
    IDC_DS_VOX_PHONE_ENABLE, IDC_DS_VOX_PHONE_DISABLE, IDC_DS_VOX_INTERCOM_ENABLE, IDC_DS_VOX_INTERCOM_DISABLE,
    IDC_DS_EDR_ENABLE, IDC_DS_EDR_DISABLE, IDC_DS_PLC_ENABLE, IDC_DS_PLC_DISABLE, IDC_DS_A2DP_ENABLE,
    IDC_DS_A2DP_DISABLE, IDC_DS_MIC_ENABLE, IDC_DS_MIC_DISABLE, IDC_DS_SIDETONE_ENABLE, IDC_DS_SIDETONE_DISABLE,
    IDC_DS_QUIET_ENABLE, IDC_DS_QUIET_DISABLE, IDC_DS_AGC_ENABLE, IDC_DS_AGC_DISABLE, IDC_DS_BOOST_ENABLE,
    IDC_DS_BOOST_DISABLE, IDC_DS_WEAVE_ENABLE, IDC_DS_WEAVE_DISABLE, IDC_DS_NAVI_ENABLE, IDC_DS_NAVI_DISABLE,
    IDC_DS_GAIN_LOW, IDC_DS_GAIN_MEDIUM, IDC_DS_GAIN_HIGH, IDC_DS_TIMEOUT_EDIT, IDC_DS_MOTION_COMBO,
    IDC_DS_OVERLAY_COMBO};

}  // namespace

void CDialogDeviceSetting::GetSecondsRangeText(CString* out) {
    if (!out) return;
    CString seconds;
    GetTextSeconds(seconds, MainDialog()->m_nLanguage);
    out->Format(L"%s (3 ~ 60)", (const wchar_t*)seconds);
}

void CDialogDeviceSetting::GetTextNoteOnboardAudio(CString* out) {
    ::GetTextNoteOnboardAudio(out, MainDialog()->m_nLanguage);
}

void CDialogDeviceSetting::GetTextNoteRestartToApply(CString* out) {
    ::GetTextNoteRestartToApply(out, MainDialog()->m_nLanguage);
}

void CDialogDeviceSetting::ApplyBoldFonts() {
    if (!m_fontBold.m_hObject) {
        LOGFONTW lf = {};
        if (HFONT page = (HFONT)SendMessage(WM_GETFONT)) ::GetObjectW(page, sizeof(lf), &lf);
        lf.lfWeight = FW_BOLD;
        m_fontBold.CreateFontIndirect(&lf);
        lf.lfHeight -= 1;
        m_fontNoteJapanese.CreateFontIndirect(&lf);
    }
    for (int id : kBoldIds)
        if (CWnd* w = GetDlgItem(id)) w->SetFont(&m_fontBold);
    CUpdaterDlg* main = MainDialog();
    if (main && main->m_nLanguage == texts::kJapanese)
        if (CWnd* note = GetDlgItem(IDC_DS_EDR_NOTE)) note->SetFont(&m_fontNoteJapanese);
}

void CDialogDeviceSetting::Show(int id, bool show, bool interactive) {
    CWnd* w = GetDlgItem(id);
    if (!w) return;
    w->ShowWindow(show ? SW_SHOW : SW_HIDE);
    if (interactive) w->EnableWindow(show);
}

void CDialogDeviceSetting::ShowClassicRows(BOOL bOn, BOOL bWithVisibility) {
    int language = MainDialog()->m_nLanguage;
    for (int r = 0; r < dsrows::kRowCount; ++r) {
        for (const dsrows::RowControl& c : dsrows::ControlsOf((dsrows::Row)r)) {
            if (bWithVisibility) Show(c.id, bOn != FALSE, c.interactive);
            else if (c.interactive) GetDlgItem(c.id)->EnableWindow(bOn);
        }
    }
    if (!bWithVisibility) m_btnNote.EnableWindow(bOn);
    else if (ShowsNoteButton(language)) Show(IDC_DS_NOTE_BUTTON, bOn != FALSE, true);
    else Show(IDC_DS_NOTE_BUTTON, false, true);
}

void CDialogDeviceSetting::SetListColumnWidths() {
    CUpdaterDlg* main = MainDialog();
    bool narrowName = main->m_nTargetModel == 0x5510 && main->m_nLanguage == texts::kRussian;
    // The widths are given for 96 dpi: they grow with the display's scaling.
    int name = dpiscale::X(narrowName ? 280 : 310), value = dpiscale::X(narrowName ? 200 : 170);
    // Values that need more room (two long words side by side) take it from the names.
    int nameNeed = 0, valueNeed = 0;
    rows::MeasureRowWidths(m_listSettings, &nameNeed, &valueNeed);
    rows::FitColumns(nameNeed, valueNeed, &name, &value);
    m_listSettings.SetColumnWidth(0, dpiscale::X(30));
    m_listSettings.SetColumnWidth(1, name);
    m_listSettings.SetColumnWidth(2, value);
}

void CDialogDeviceSetting::UpdateTextsAndVisibility() {
    CUpdaterDlg* main = MainDialog();
    if (!main || !m_hWnd) return;
    SendMessage(WM_SETREDRAW, FALSE);
    const int language = main->m_nLanguage;
    const int slot = texts::LanguageSlot(language);
    ApplyBoldFonts();

    CString text, enable, disable;
    GetMoreSettingsCaption(text, language);
    m_btnMore.SetWindowText(text);
    GetDefaultCaption(text, language);
    m_btnDefault.SetWindowText(text);
    GetTextCancel(text, language);
    m_btnCancel.SetWindowText(text);
    struct Label {
        int id;
        CString (*table)[1];
    };
    const Label labels[] = {
        {IDC_DS_VOX_PHONE_LABEL, g_txtVoxPhone},       {IDC_DS_VOX_INTERCOM_LABEL, g_txtVoxIntercom},
        {IDC_DS_EDR_LABEL, g_txtEdrLong},              {IDC_DS_PLC_LABEL, g_txtPlc},
        {IDC_DS_A2DP_LABEL, g_txtHighQualityA2dp},     {IDC_DS_MIC_LABEL, g_txtMicrophoneBoosting},
        {IDC_DS_SIDETONE_LABEL, g_txtSidetone},        {IDC_DS_QUIET_LABEL, g_txtQuietSphere},
        {IDC_DS_AGC_LABEL, g_txtAutoGainControl},      {IDC_DS_GAIN_LABEL, g_txtRadioTransmitGain},
        {IDC_DS_TIMEOUT_LABEL, g_txtAudioChannelTimeout}, {IDC_DS_BOOST_LABEL, g_txtAudioBoost},
        {IDC_DS_MOTION_LABEL, g_txtMotionSensorSensitivity}, {IDC_DS_WEAVE_LABEL, g_txtSoundWeave},
        {IDC_DS_OVERLAY_LABEL, g_txtOverlaySensitivity}, {IDC_DS_NAVI_LABEL, g_txtNavigationAppSupport},
    };
    for (const Label& l : labels) SetDlgItemText(l.id, l.table[slot][0]);
    GetTextNoteOnboardAudio(&text);
    SetDlgItemText(IDC_DS_EDR_NOTE, text);
    GetTextNoteRestartToApply(&text);
    SetDlgItemText(IDC_DS_RESTART_NOTE, text);
    GetTextEnable(enable, language);
    GetTextDisable(disable, language);
    for (const dsrows::RadioPair& pair : dsrows::RadioPairs()) {
        SetDlgItemText(pair.enableId, enable);
        SetDlgItemText(pair.disableId, disable);
    }
    SetDlgItemText(IDC_DS_GAIN_LOW, g_txtLowMediumHigh[slot][TransmitGainToLevelIndex(12)]);
    SetDlgItemText(IDC_DS_GAIN_MEDIUM, g_txtLowMediumHigh[slot][TransmitGainToLevelIndex(15)]);
    SetDlgItemText(IDC_DS_GAIN_HIGH, g_txtLowMediumHigh[slot][TransmitGainToLevelIndex(17)]);
    GetSecondsRangeText(&text);
    SetDlgItemText(IDC_DS_TIMEOUT_UNIT, text);

    // The motion sensor: Disable, Low, High (no Medium).
    m_comboMotion.ResetContent();
    m_comboMotion.AddString(disable);
    m_comboMotion.AddString(g_txtLowMediumHigh[slot][0]);
    m_comboMotion.AddString(g_txtLowMediumHigh[slot][2]);
    m_comboMotion.SetCurSel(m_workingRecord.GetMotionSensorSensitivity() - 1);

    m_btnMore.EnableWindow(FALSE);
    m_btnMore.ShowWindow(SW_HIDE);

    if (main->m_bBusy || main->m_bPopupOpen) {
        ShowClassicRows(FALSE, FALSE);
        m_listSettings.EnableWindow(FALSE);
    } else {
        ShowClassicRows(TRUE, TRUE);
        m_listSettings.ShowWindow(SW_HIDE);
        m_listSettings.EnableWindow(FALSE);
        int model = main->m_nTargetModel;
        switch (dsrows::PageKindOf(model)) {
        case dsrows::kClassicRows:
            for (int r = 0; r < dsrows::kRowCount; ++r) {
                if (dsrows::ClassicRowShown(model, (dsrows::Row)r, main->m_deviceRecord)) continue;
                for (const dsrows::RowControl& c : dsrows::ControlsOf((dsrows::Row)r)) Show(c.id, false, c.interactive);
            }
            break;
        case dsrows::kGrid:
            ShowClassicRows(FALSE, TRUE);
            SetListColumnWidths();
            m_listSettings.ShowWindow(SW_SHOW);
            m_listSettings.EnableWindow(TRUE);
            break;
        default:
            ShowClassicRows(FALSE, TRUE);
            break;
        }
    }
    SendMessage(WM_SETREDRAW, TRUE);
    Invalidate(TRUE);
}
