#include "app/DialogLanguageManager.h"
#include "app/AppTexts.h"
#include "app/Theme.h"
#include "app/resource.h"
#include "texts/LanguageNames.h"
#include "texts/WizardTexts.h"

BEGIN_MESSAGE_MAP(CDialogLanguageManager, CProgramBox)
    ON_LBN_DBLCLK(IDC_LANG_LIST, &CDialogLanguageManager::OnLbnDblclkList)
END_MESSAGE_MAP()

CDialogLanguageManager::CDialogLanguageManager(CWnd* parent) : CProgramBox(IDD_LANGUAGE_MANAGER, parent) {}

BOOL CDialogLanguageManager::OnInitDialog() {
    CProgramBox::OnInitDialog();
    m_list.SubclassDlgItem(IDC_LANG_LIST, this);
    m_checkApply.SubclassDlgItem(IDC_LANG_APPLY_FIRMWARE, this);
    m_nUiLanguage = (m_nLanguage >= 0 && m_nLanguage <= 12) ? m_nLanguage : 0;

    SetWindowText(apptext::Get(apptext::kLanguageTitle, m_nUiLanguage));
    SetDlgItemText(IDC_LANG_APPLY_FIRMWARE, apptext::Get(apptext::kApplyToVoicePrompt, m_nUiLanguage));
    CString ok, cancel;
    GetTextOk(ok, m_nUiLanguage);
    GetTextCancel(cancel, m_nUiLanguage);
    SetDlgItemText(IDOK, ok);
    SetDlgItemText(IDCANCEL, cancel);

    for (int i = 0; i < 13; ++i) {
        CString name;
        GetLanguageNameIn(name, i, i);
        int row = m_list.AddString(name);
        m_list.SendMessage(LB_SETITEMDATA, (WPARAM)row, (LPARAM)i);
    }
    m_list.SetCurSel(m_nUiLanguage);
    m_checkApply.SetCheck(m_bApplyToFirmwareLanguage ? BST_CHECKED : BST_UNCHECKED);
    Layout();
    m_list.SetFocus();
    return FALSE;
}

void CDialogLanguageManager::Layout() {
    // The list with a line per language, the check box under it as high as
    // its wrapped text, then the buttons; the box's margins all round.
    const int margin = theme::BoxMargin();
    const int cx = dpiscale::X(340);
    // Room around each name: the CJK names are taller than the Latin ones.
    int itemHeight = (int)m_list.SendMessage(LB_GETITEMHEIGHT, 0, 0) + dpiscale::Y(6);
    m_list.SendMessage(LB_SETITEMHEIGHT, 0, itemHeight);
    int listHeight = itemHeight * 13 + 4;
    CString check;
    m_checkApply.GetWindowText(check);
    RECT need = {0, 0, cx - 2 * margin - dpiscale::X(24), 0};
    {
        CClientDC dc(this);
        CGdiSelection font(dc, GetFont());
        ::DrawTextW(dc, check, check.GetLength(), &need, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    }
    const int checkRoom = need.bottom + dpiscale::Y(6), checkLeast = dpiscale::Y(22);
    int checkHeight = checkRoom > checkLeast ? checkRoom : checkLeast;
    const int gap = dpiscale::Y(8);
    int cy = margin + listHeight + gap + checkHeight + margin + theme::BoxButtonHeight() + margin;
    SetClientSizeCentred(cx, cy);
    m_list.MoveWindow(margin, margin, cx - 2 * margin, listHeight);
    m_checkApply.MoveWindow(margin, margin + listHeight + gap, cx - 2 * margin, checkHeight);
    LayoutButtonRow({IDOK, IDCANCEL});
}

void CDialogLanguageManager::OnOK() {
    int row = m_list.GetCurSel();
    if (row >= 0) m_nLanguage = (int)m_list.SendMessage(LB_GETITEMDATA, (WPARAM)row, 0);
    m_bApplyToFirmwareLanguage = m_checkApply.GetCheck() == BST_CHECKED;
    EndDialog(IDOK);
}

void CDialogLanguageManager::OnLbnDblclkList() { OnOK(); }
