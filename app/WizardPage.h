// The base of every wizard page: a modeless child dialog inside the main
// wizard's page frame. It gives the pages what they share: the way to the
// main dialog, the wizard's background behind the page and its texts, the
// wait cursor while the main dialog is busy, and OK/Cancel that never end
// the page (ENTER and ESC belong to the main wizard).
#pragma once
#include "framework/Framework.h"

class CUpdaterDlg;

class CWizardPage : public CDialog {
public:
    explicit CWizardPage(UINT templateId, CWnd* parent = nullptr) : CDialog(templateId, parent) {}

    // The main dialog that holds the shared state: the parent of the page's
    // frame, or the program's main dialog for a page outside the wizard.
    CUpdaterDlg* MainDialog() const;

protected:
    // Which parts of the page draw on the wizard's background (transparent
    // text on its brush); by default the page and all of its controls.
    virtual BOOL UsesPageBackground(CWnd* pWnd, UINT nCtlColor);

    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    // The wait cursor while the main dialog is busy; otherwise the default.
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnOK() override {}
    void OnCancel() override {}
    DECLARE_MESSAGE_MAP()
};
