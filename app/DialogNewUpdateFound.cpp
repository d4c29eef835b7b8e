#include "app/DialogNewUpdateFound.h"
#include "app/AppTexts.h"
#include "app/AppVersion.h"
#include "app/ShellOpen.h"
#include "app/Theme.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"
#include "core/ModelCatalog.h"
#include "core/ServerAddress.h"
#include "texts/LabelTables.h"
#include "texts/WizardTexts.h"

namespace {
const int kIconSize = 64;
const int kIconGap = 16;  // icon to text
const int kBoxWidth = 480;
}  // namespace

BEGIN_MESSAGE_MAP(CDialogNewUpdateFound, CProgramBox)
    ON_BN_CLICKED(IDC_NEW_RELEASE_NOTES, &CDialogNewUpdateFound::OnReleaseNotes)
END_MESSAGE_MAP()

CDialogNewUpdateFound::CDialogNewUpdateFound(CWnd* mainDialog)
    : CProgramBox(IDD_NEW_UPDATE_FOUND, mainDialog), m_pMain(dynamic_cast<CUpdaterDlg*>(mainDialog)) {
    if (!m_pMain) m_pMain = g_pMainDialog;
    if (m_pMain) {
        const CDeviceVersion& v = m_pMain->m_deviceRecord.m_version;
        m_strCurrentVersion.Format(L"v%d.%d", v.m_nMajor, v.m_nMinor);
    }
}

BOOL CDialogNewUpdateFound::OnInitDialog() {
    CProgramBox::OnInitDialog();
    int language = m_pMain ? m_pMain->m_nLanguage : 0;
    SetWindowText(MANAGER_DISPLAY_NAME);
    if (m_bmpLogo.LoadBitmap(IDB_LOGO))
        SendDlgItemMessage(IDC_NEW_ICON, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)(HBITMAP)m_bmpLogo);

    CString model, text;
    if (m_pMain) GetModelName(model, m_pMain->m_nTargetModel, FALSE);
    text.Format(apptext::Get(apptext::kNewFirmwareFound, language), (const wchar_t*)model);
    text += L"\n\n";
    text += apptext::Get(apptext::kNewFirmwareQuestion, language);
    SetDlgItemText(IDC_NEW_TEXT, text);

    CString current, latest;
    current.Format(apptext::Get(apptext::kCurrentVersion, language), (const wchar_t*)m_strCurrentVersion);
    latest.Format(apptext::Get(apptext::kLatestVersion, language), (const wchar_t*)m_strLatestVersion);
    SetDlgItemText(IDC_NEW_VERSIONS, m_strLatestVersion.IsEmpty() ? current : current + L"\n" + latest);

    // The voice-prompt languages the update page offers.
    m_combo.SubclassDlgItem(IDC_NEW_VOICE_COMBO, this);
    CComboBox* source = m_pMain ? &m_pMain->m_updatePage.m_comboVoicePrompt : nullptr;
    int count = source && source->m_hWnd ? source->GetCount() : 0;
    for (int i = 0; i < count; ++i) {
        CString item;
        source->GetLBText(i, item);
        m_combo.AddString(item);
    }
    if (count > 0) m_combo.SetCurSel(source->GetCurSel() >= 0 ? source->GetCurSel() : 0);
    SetDlgItemText(IDC_NEW_VOICE_CAPTION, g_txtVoicePrompt[texts::LanguageSlot(language)][0]);
    m_combo.ShowWindow(count > 1 ? SW_SHOW : SW_HIDE);
    GetDlgItem(IDC_NEW_VOICE_CAPTION)->ShowWindow(count > 1 ? SW_SHOW : SW_HIDE);

    CString yes, no;
    GetTextYes(yes, language);
    GetTextNo(no, language);
    SetDlgItemText(IDOK, yes);
    SetDlgItemText(IDCANCEL, no);
    SetDlgItemText(IDC_NEW_RELEASE_NOTES, apptext::Get(apptext::kReleaseNotes, language));
    Layout(count > 1);
    GetDlgItem(IDOK)->SetFocus();
    return FALSE;
}

void CDialogNewUpdateFound::Layout(BOOL withVoicePrompt) {
    // The text and the versions beside the logo, the voice-prompt choice
    // under them, the buttons along the bottom; the box's margins all round.
    const int margin = theme::BoxMargin();
    const int iconSize = dpiscale::X(kIconSize);
    const int boxWidth = dpiscale::X(kBoxWidth);
    const int left = margin + iconSize + dpiscale::X(kIconGap);
    const int width = boxWidth - left - margin;
    CClientDC dc(this);
    CGdiSelection font(dc, GetFont());
    auto heightOf = [&](int id) {
        CString text;
        GetDlgItemText(id, text);
        RECT need = {0, 0, width, 0};
        ::DrawTextW(dc, text, text.GetLength(), &need, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        return (int)need.bottom;
    };
    int textHeight = heightOf(IDC_NEW_TEXT);
    int versionsHeight = heightOf(IDC_NEW_VERSIONS);
    CString caption;
    GetDlgItemText(IDC_NEW_VOICE_CAPTION, caption);
    SIZE captionSize{};
    ::GetTextExtentPoint32W(dc, caption, caption.GetLength(), &captionSize);

    int y = margin;
    GetDlgItem(IDC_NEW_TEXT)->MoveWindow(left, y, width, textHeight);
    y += textHeight + dpiscale::Y(10);
    GetDlgItem(IDC_NEW_VERSIONS)->MoveWindow(left, y, width, versionsHeight);
    y += versionsHeight;
    if (withVoicePrompt) {
        y += dpiscale::Y(10);
        RECT combo;
        m_combo.GetWindowRect(&combo);
        int comboHeight = combo.bottom - combo.top;
        int captionWidth = captionSize.cx + dpiscale::X(4);
        GetDlgItem(IDC_NEW_VOICE_CAPTION)->MoveWindow(left, y + (comboHeight - captionSize.cy) / 2, captionWidth,
                                                      captionSize.cy);
        const int gap = dpiscale::X(8), widest = dpiscale::X(160);
        m_combo.SetWindowPos(nullptr, left + captionWidth + gap, y,
                             width - captionWidth - gap > widest ? widest : width - captionWidth - gap, dpiscale::Y(200),
                             SWP_NOZORDER | SWP_NOACTIVATE);
        y += comboHeight;
    }
    if (y < margin + iconSize) y = margin + iconSize;
    GetDlgItem(IDC_NEW_ICON)->MoveWindow(margin, margin, iconSize, iconSize);
    SetClientSizeCentred(boxWidth, y + margin + theme::BoxButtonHeight() + margin);
    LayoutButtonRow({IDOK, IDCANCEL}, IDC_NEW_RELEASE_NOTES);
}

void CDialogNewUpdateFound::OnOK() {
    m_nVoicePromptIndex = m_combo.GetCount() > 0 ? m_combo.GetCurSel() : -1;
    if (m_pMain && m_nVoicePromptIndex >= 0 && m_pMain->m_updatePage.m_comboVoicePrompt.m_hWnd)
        m_pMain->m_updatePage.m_comboVoicePrompt.SetCurSel(m_nVoicePromptIndex);
    EndDialog(IDOK);
}

void CDialogNewUpdateFound::OnReleaseNotes() { ShellOpen(GetServerBaseUrl() + L"ReleaseNotes"); }
