// The About box: the logo, the program's name, its version and the
// copyright line, in the UI language.
#pragma once
#include "app/ProgramBox.h"

class CAboutDlg : public CProgramBox {
public:
    explicit CAboutDlg(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;

private:
    CBitmap m_bmpLogo;
    CFont m_fontName;
    int m_nLanguage = 0;
};
