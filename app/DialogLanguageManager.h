// The language dialog: the 13 UI languages, each named in itself, and
// whether the voice prompt of downloaded firmware follows the UI language.
#pragma once
#include "app/ProgramBox.h"

class CDialogLanguageManager : public CProgramBox {
public:
    explicit CDialogLanguageManager(CWnd* parent = nullptr);

    // In: the current choice; out (after IDOK): the new one.
    int m_nLanguage = 0;
    BOOL m_bApplyToFirmwareLanguage = TRUE;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnLbnDblclkList();
    DECLARE_MESSAGE_MAP()

private:
    void Layout();
    CListBox m_list;
    CButton m_checkApply;
    int m_nUiLanguage = 0;  // the language the dialog itself is shown in
};
