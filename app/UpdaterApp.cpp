#include "app/UpdaterApp.h"
#include "app/UpdaterDlg.h"
#include <commctrl.h>

BOOL CUpdaterApp::InitInstance() {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&icc);
    m_hRichEdit = ::LoadLibraryW(L"msftedit.dll");

    CUpdaterDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // The dialog has ended: the program ends without a message loop.
    return FALSE;
}

int CUpdaterApp::ExitInstance() {
    if (m_hRichEdit) {
        ::FreeLibrary(m_hRichEdit);
        m_hRichEdit = nullptr;
    }
    return CWinApp::ExitInstance();
}
