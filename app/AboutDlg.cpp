#include "app/AboutDlg.h"
#include "app/AppTexts.h"
#include "app/AppVersion.h"
#include "app/Theme.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"
#include "texts/WizardTexts.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg(CWnd* parent) : CDialog(IDD_ABOUTBOX, parent) {
    m_brush.CreateSolidBrush(theme::kBackground);
    if (CUpdaterDlg* main = dynamic_cast<CUpdaterDlg*>(parent)) m_nLanguage = main->m_nLanguage;
}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CString title = apptext::Get(apptext::kMenuAbout, m_nLanguage);
    title.TrimRight(L'.');
    title.TrimRight(L'\u2026');
    SetWindowText(title);
    if (m_bmpLogo.LoadBitmap(IDB_LOGO)) SendDlgItemMessage(IDC_ABOUT_LOGO, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)(HBITMAP)m_bmpLogo);
    LOGFONTW lf{};
    ::GetObjectW(GetFont(), sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    lf.lfHeight = lf.lfHeight * 5 / 4;
    m_fontName.CreateFontIndirect(&lf);
    GetDlgItem(IDC_ABOUT_NAME)->SetFont(&m_fontName);
    SetDlgItemText(IDC_ABOUT_NAME, MANAGER_DISPLAY_NAME);
    CString version;
    version.Format(apptext::Get(apptext::kVersionFormat, m_nLanguage), kManagerVersionMajor, kManagerVersionMinor);
    SetDlgItemText(IDC_ABOUT_VERSION, version);
    CString ok;
    GetTextOk(ok, m_nLanguage);
    SetDlgItemText(IDOK, ok);
    return TRUE;
}

HBRUSH CAboutDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    pDC->SetBkMode(TRANSPARENT);
    return m_brush;
}
