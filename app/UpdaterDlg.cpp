#include "app/UpdaterDlg.h"
#include "app/resource.h"

BEGIN_MESSAGE_MAP(CUpdaterDlg, CDialog)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CUpdaterDlg::CUpdaterDlg(CWnd* parent) : CDialog(IDD_UPDATER_DIALOG, parent) {}

BOOL CUpdaterDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    return TRUE;
}

void CUpdaterDlg::OnClose() { EndDialog(IDCANCEL); }
