#include "app/AboutDlg.h"
#include "app/AppTexts.h"
#include "app/AppVersion.h"
#include "app/Theme.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"
#include "texts/WizardTexts.h"

namespace {
const int kLogoSize = 64;
const int kLogoGap = 16;  // logo to text
const int kLineGap = 4;
}  // namespace

CAboutDlg::CAboutDlg(CWnd* parent) : CProgramBox(IDD_ABOUTBOX, parent) {
    if (CUpdaterDlg* main = dynamic_cast<CUpdaterDlg*>(parent)) m_nLanguage = main->m_nLanguage;
}

BOOL CAboutDlg::OnInitDialog() {
    CProgramBox::OnInitDialog();
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
    CString version, copyright;
    version.Format(apptext::Get(apptext::kVersionFormat, m_nLanguage), kManagerVersionMajor, kManagerVersionMinor);
    SetDlgItemText(IDC_ABOUT_VERSION, version);
    copyright.Format(apptext::Get(apptext::kCopyright, m_nLanguage), kCopyrightYear);
    SetDlgItemText(IDC_ABOUT_COPYRIGHT, copyright);
    CString ok;
    GetTextOk(ok, m_nLanguage);
    SetDlgItemText(IDOK, ok);

    // Beside the logo, each line as high and as wide as its text needs.
    const int margin = theme::BoxMargin();
    const int logoSize = dpiscale::X(kLogoSize), lineGap = dpiscale::Y(kLineGap);
    const int left = margin + logoSize + dpiscale::X(kLogoGap);
    const int lines[] = {IDC_ABOUT_NAME, IDC_ABOUT_VERSION, IDC_ABOUT_COPYRIGHT};
    SIZE size[3] = {};
    HDC dc = ::GetDC(m_hWnd);
    int widest = 0, total = 0;
    for (int i = 0; i < 3; ++i) {
        CWnd* line = GetDlgItem(lines[i]);
        CString text;
        line->GetWindowText(text);
        CGdiSelection font(dc, line->GetFont());
        ::GetTextExtentPoint32W(dc, text, text.GetLength(), &size[i]);
        if (size[i].cx > widest) widest = size[i].cx;
        total += size[i].cy + (i ? lineGap : 0);
    }
    ::ReleaseDC(m_hWnd, dc);
    int blockHeight = total > logoSize ? total : logoSize;
    int cx = left + widest + margin;
    if (cx < dpiscale::X(380)) cx = dpiscale::X(380);
    int cy = margin + blockHeight + margin + theme::BoxButtonHeight() + margin;
    SetClientSizeCentred(cx, cy);
    int y = margin + (blockHeight - total) / 2;
    for (int i = 0; i < 3; ++i) {
        GetDlgItem(lines[i])->MoveWindow(left, y, cx - left - margin, size[i].cy);
        y += size[i].cy + lineGap;
    }
    GetDlgItem(IDC_ABOUT_LOGO)->MoveWindow(margin, margin + (blockHeight - logoSize) / 2, logoSize, logoSize);
    LayoutButtonRow({IDOK});
    GetDlgItem(IDOK)->SetFocus();
    return FALSE;
}
