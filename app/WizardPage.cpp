#include "app/WizardPage.h"
#include "app/UpdaterDlg.h"

BEGIN_MESSAGE_MAP(CWizardPage, CDialog)
    ON_WM_CTLCOLOR()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CUpdaterDlg* CWizardPage::MainDialog() const { return GetMainDialog(const_cast<CWizardPage*>(this)); }

BOOL CWizardPage::UsesPageBackground(CWnd*, UINT) { return TRUE; }

HBRUSH CWizardPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (!UsesPageBackground(pWnd, nCtlColor)) return brush;
    CUpdaterDlg* main = MainDialog();
    if (!main || !main->m_brushBackground.m_hObject) return brush;
    pDC->SetBkMode(TRANSPARENT);
    return main->m_brushBackground;
}

BOOL CWizardPage::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    CUpdaterDlg* main = MainDialog();
    if (main && main->m_bBusy) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
    }
    return CDialog::OnSetCursor(pWnd, nHitTest, message);
}
