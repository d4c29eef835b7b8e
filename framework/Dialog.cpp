#include "framework/Dialog.h"
#include "framework/TestSeams.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

BOOL FwPreTranslate(MSG* pMsg) {
    for (HWND h = pMsg->hwnd; h; h = ::GetParent(h)) {
        if (CWnd* w = CWnd::FromHandlePermanent(h)) {
            if (w->PreTranslateMessage(pMsg)) return TRUE;
        }
        if (!(::GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD)) break;
    }
    return FALSE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG) return FALSE;
    // From here on the dialog's messages go through the framework's procedure;
    // the dialog manager's own procedure becomes the default handling.
    CDialog* dlg = reinterpret_cast<CDialog*>(lParam);
    if (!dlg || !dlg->HookWindow(hWnd)) return TRUE;
    dlg->PreSubclassWindow();
    return (INT_PTR)dlg->WindowProc(WM_INITDIALOG, wParam, lParam);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY && m_bInModalLoop) {
        // Wake the modal loop so that it sees the window is gone.
        ::PostThreadMessageW(::GetCurrentThreadId(), WM_NULL, 0, 0);
    }
    if (message == WM_INITDIALOG) {
        LRESULT result = 0;
        if (OnWndMsg(message, wParam, lParam, &result)) return result;
        return OnInitDialog();
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

HWND CDialog::CreateFromTemplate(HWND parent) {
    return ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDHelp), parent,
                                &CDialog::DialogProc, (LPARAM)this);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    if (m_hWnd) return FALSE;
    m_nIDHelp = templateId;
    if (parent) m_pParentWnd = parent;
    m_bModal = FALSE;
    HWND h = CreateFromTemplate(m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr);
    return h != nullptr;
}

INT_PTR CDialog::DoModal() {
    if (auto answer = fw::test::AnswerModal(*this)) return *answer;

    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetActiveWindow();
    if (owner && (::GetWindowLongPtrW(owner, GWL_STYLE) & WS_CHILD)) owner = ::GetAncestor(owner, GA_ROOT);
    bool reenable = owner && ::IsWindowEnabled(owner);

    m_bModal = TRUE;
    m_bEndModal = FALSE;
    m_nModalResult = -1;
    HWND h = CreateFromTemplate(owner);
    if (!h) {
        m_bModal = FALSE;
        return -1;
    }
    if (reenable) ::EnableWindow(owner, FALSE);
    if (!m_bEndModal) {
        ::ShowWindow(h, SW_SHOWNORMAL);
        fw::test::NotifyModalShown(*this);
    }

    m_bInModalLoop = TRUE;
    MSG msg;
    // The loop also ends when the window is gone without EndDialog (someone
    // destroyed it): nothing could end it any more.
    while (!m_bEndModal && m_hWnd) {
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) ::PostQuitMessage((int)msg.wParam);
            break;
        }
        if (!FwPreTranslate(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    m_bInModalLoop = FALSE;

    // Give activation back to the owner before the box disappears.
    if (reenable) ::EnableWindow(owner, TRUE);
    if (owner && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(owner);
    if (m_hWnd) ::DestroyWindow(m_hWnd);
    m_bModal = FALSE;
    return m_nModalResult;
}

void CDialog::EndDialog(int result) {
    if (m_bModal) {
        m_nModalResult = result;
        m_bEndModal = TRUE;
        if (m_hWnd) ::ShowWindow(m_hWnd, SW_HIDE);
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wake the modal loop
    } else if (m_hWnd) {
        ::EndDialog(m_hWnd, result);
    }
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    if (!m_hWnd) return FALSE;
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hWnd &&
        !(GetStyle() & WS_CHILD)) {
        return ::IsDialogMessageW(m_hWnd, pMsg);
    }
    return FALSE;
}

HWND CDataExchange::PrepareCtrl(int id) {
    HWND h = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
    if (!h) m_bFailed = TRUE;
    return h;
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (control.m_hWnd) return;
    HWND h = pDX->PrepareCtrl(id);
    if (h) control.SubclassWindow(h);
}

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
    HWND h = pDX->PrepareCtrl(id);
    if (!h) return;
    if (pDX->m_bSaveAndValidate) CWnd::FromHandle(h)->GetWindowText(value);
    else ::SetWindowTextW(h, value);
}

void DDX_Text(CDataExchange* pDX, int id, int& value) {
    HWND h = pDX->PrepareCtrl(id);
    if (!h) return;
    if (pDX->m_bSaveAndValidate) {
        CString text;
        CWnd::FromHandle(h)->GetWindowText(text);
        text.Trim();
        wchar_t* end = nullptr;
        long v = wcstol(text, &end, 10);
        if (text.IsEmpty() || (end && *end)) { pDX->Fail(); return; }
        value = (int)v;
    } else {
        CString text;
        text.Format(L"%d", value);
        ::SetWindowTextW(h, text);
    }
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
    HWND h = pDX->PrepareCtrl(id);
    if (!h) return;
    if (pDX->m_bSaveAndValidate) value = (int)::SendMessageW(h, BM_GETCHECK, 0, 0);
    else ::SendMessageW(h, BM_SETCHECK, (WPARAM)value, 0);
}

void DDX_Radio(CDataExchange* pDX, int id, int& value) {
    HWND first = pDX->PrepareCtrl(id);
    if (!first) return;
    // The group runs from the first button to the next one with WS_GROUP.
    if (pDX->m_bSaveAndValidate) value = -1;
    int index = 0;
    for (HWND h = first; h; h = ::GetWindow(h, GW_HWNDNEXT), ++index) {
        if (h != first && (::GetWindowLongPtrW(h, GWL_STYLE) & WS_GROUP)) break;
        if (pDX->m_bSaveAndValidate) {
            if (::SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
        } else {
            ::SendMessageW(h, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& index) {
    HWND h = pDX->PrepareCtrl(id);
    if (!h) return;
    if (pDX->m_bSaveAndValidate) index = (int)::SendMessageW(h, CB_GETCURSEL, 0, 0);
    else ::SendMessageW(h, CB_SETCURSEL, (WPARAM)index, 0);
}

void DDX_CBString(CDataExchange* pDX, int id, CString& value) {
    HWND h = pDX->PrepareCtrl(id);
    if (!h) return;
    if (pDX->m_bSaveAndValidate) {
        CWnd::FromHandle(h)->GetWindowText(value);
    } else {
        LRESULT i = ::SendMessageW(h, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCWSTR)value);
        if (i != CB_ERR) ::SendMessageW(h, CB_SETCURSEL, (WPARAM)i, 0);
        else ::SetWindowTextW(h, value);
    }
}
