// The program's own message box: a text beside the logo or a warning sign,
// an OK button, an optional Cancel button and an optional link button (for
// example "Release Notes"), laid out for a size in pixels. It runs modally,
// or modeless as a wait box that its owner closes.
#pragma once
#include "app/ProgramBox.h"

class CUpdaterDlg;

class CDialogMessageBox : public CProgramBox {
public:
    explicit CDialogMessageBox(CWnd* owner = nullptr);

    // iconKind 0: the logo; any other value: the warning sign. A null
    // caption leaves its button out. size: the box's client size in pixels
    // (grown in height when the text needs more room); null for the default.
    void Setup(CString text, int iconKind, LPCWSTR cancelText, LPCWSTR okText, SIZE* size);
    // As Setup, with a link button; ownerIsGrandparent makes the owner's
    // grandparent (the main dialog of a page's control) the owner.
    void SetupEx(CString text, int iconKind, LPCWSTR linkText, LPCWSTR cancelText, LPCWSTR okText, SIZE* size,
                 BOOL ownerIsGrandparent);
    // What the link button opens (the release notes page when not set).
    void SetLinkTarget(const CString& target) { m_strLinkTarget = target; }
    // OK then resumes a DFU update that waited for the user.
    void SetContinueUpdateOnOk(BOOL continueUpdate) { m_bContinueUpdateOnOk = continueUpdate; }

    // Modeless wait box: created with the main dialog as parent, centred on
    // the main window and shown. Closed by posting WM_CLOSE; its owner then
    // destroys and deletes it.
    BOOL CreateWaitBox(CWnd* mainDialog);

    // What the box shows (tests read these through the modal seam).
    CString m_strText;
    int m_nIconKind = 0;
    CString m_strOk, m_strCancel, m_strLink;
    BOOL m_bHasOk = FALSE, m_bHasCancel = FALSE, m_bHasLink = FALSE;
    CSize m_size{400, 150};

    static const UINT_PTR kTimerWaitBeforeOk = 1;
    static const UINT kWaitBeforeOkMs = 10000;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnClose();
    void OnTimer(UINT_PTR nIDEvent);
    void OnLink();
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()

private:
    CUpdaterDlg* Main() const;
    void Layout();
    void FinishOk();

    CString m_strLinkTarget;
    BOOL m_bContinueUpdateOnOk = FALSE;
    BOOL m_bWaiting = FALSE;
    CBitmap m_bmpIcon;
};
