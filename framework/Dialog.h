// CDialog: a dialog from a resource template, modal (DoModal, with the
// framework's own modal loop so that PreTranslateMessage sees every message)
// or modeless (Create, for the pages embedded in the main dialog).
#pragma once
#include "framework/Wnd.h"

class CDataExchange;

class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr) : m_nIDHelp(templateId), m_pParentWnd(parent) {}

    virtual INT_PTR DoModal();
    virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
    void EndDialog(int result);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL PreTranslateMessage(MSG* pMsg) override;

    UINT GetTemplateId() const { return m_nIDHelp; }
    BOOL IsModal() const { return m_bModal; }
    // TRUE while a modal loop of this dialog runs.
    BOOL IsInModalLoop() const { return m_bInModalLoop; }

    UINT m_nIDHelp = 0;          // template id
    CWnd* m_pParentWnd = nullptr;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND CreateFromTemplate(HWND parent);

    BOOL m_bModal = FALSE;
    BOOL m_bInModalLoop = FALSE;
    BOOL m_bEndModal = FALSE;
    INT_PTR m_nModalResult = -1;
};

// Data exchange between dialog controls and members.
class CDataExchange {
public:
    CDataExchange(CWnd* dlg, BOOL saveAndValidate) : m_pDlgWnd(dlg), m_bSaveAndValidate(saveAndValidate) {}
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
    BOOL m_bFailed = FALSE;
    HWND PrepareCtrl(int id);
    void Fail() { m_bFailed = TRUE; }
};

// Binds control id to a control object (subclassing it once).
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
void DDX_Text(CDataExchange* pDX, int id, CString& value);
void DDX_Text(CDataExchange* pDX, int id, int& value);
void DDX_Check(CDataExchange* pDX, int id, int& value);
void DDX_Radio(CDataExchange* pDX, int id, int& value);
void DDX_CBIndex(CDataExchange* pDX, int id, int& index);
void DDX_CBString(CDataExchange* pDX, int id, CString& value);

// Runs a message through the PreTranslateMessage chain of the windows from
// its target up to its top-level window; TRUE when one of them took it.
BOOL FwPreTranslate(MSG* pMsg);
