// The main wizard dialog.
#pragma once
#include "framework/Framework.h"

class CUpdaterDlg : public CDialog {
public:
    explicit CUpdaterDlg(CWnd* parent = nullptr);
    BOOL OnInitDialog() override;

protected:
    void OnClose();
    DECLARE_MESSAGE_MAP()
};
