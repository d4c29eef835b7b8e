#include "app/DialogLanguageManager.h"
#include "app/AppTexts.h"
#include "app/resource.h"
#include "texts/LanguageNames.h"
#include "texts/WizardTexts.h"

BEGIN_MESSAGE_MAP(CDialogLanguageManager, CDialog)
    ON_LBN_DBLCLK(IDC_LANG_LIST, &CDialogLanguageManager::OnLbnDblclkList)
END_MESSAGE_MAP()

CDialogLanguageManager::CDialogLanguageManager(CWnd* parent) : CDialog(IDD_LANGUAGE_MANAGER, parent) {}

BOOL CDialogLanguageManager::OnInitDialog() {
    CDialog::OnInitDialog();
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
    m_list.SetFocus();
    return FALSE;
}

void CDialogLanguageManager::OnOK() {
    int row = m_list.GetCurSel();
    if (row >= 0) m_nLanguage = (int)m_list.SendMessage(LB_GETITEMDATA, (WPARAM)row, 0);
    m_bApplyToFirmwareLanguage = m_checkApply.GetCheck() == BST_CHECKED;
    EndDialog(IDOK);
}

void CDialogLanguageManager::OnLbnDblclkList() { OnOK(); }
