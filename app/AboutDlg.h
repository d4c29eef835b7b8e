// The About box: the logo, the program's name and version.
#pragma once
#include "framework/Framework.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    CBitmap m_bmpLogo;
    CFont m_fontName;
    CBrush m_brush;
    int m_nLanguage = 0;
};
